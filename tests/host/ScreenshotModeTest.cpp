// expert-host as a process on Qt's offscreen platform: --screenshots renders
// the host window and every tab of the demo projectors into PNG files that
// show something, and `--demo` without a display says so in one line and
// falls back to the same screenshots, exiting 0.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include <QColor>
#include <QImage>
#include <map>
#include <set>

#include "HostTestSupport.h"

namespace host::test {
namespace {

namespace fs = std::filesystem;

struct HostRun {
  int status = -1;
  std::string out, err;
};

// Runs expert-host in `cwd` with the test's environment, minus every way to
// a real display, in English, with its configuration under `cwd`, plus
// `extra` (NAME=value words). The paths are the test's own scratch paths.
HostRun RunHost(const std::vector<std::string>& args, const fs::path& cwd, const std::string& extra = {}) {
  std::string command = "cd '" + cwd.string() + "' && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM" +
                        " XDG_CONFIG_HOME='" + cwd.string() + "' LC_ALL=C " + extra + " '" EXPERT_HOST_BIN "'";
  for (const std::string& arg : args) command += " '" + arg + "'";
  HostRun run;
  run.status = std::system((command + " >stdout.txt 2>stderr.txt").c_str());
  run.out = ReadFile(cwd / "stdout.txt");
  run.err = ReadFile(cwd / "stderr.txt");
  fs::remove(cwd / "stdout.txt");
  fs::remove(cwd / "stderr.txt");
  return run;
}

bool ExitedWith(const HostRun& run, int code) { return WIFEXITED(run.status) && WEXITSTATUS(run.status) == code; }

// Not one flat colour: at least a few colours, none covering nearly all of it.
void ExpectShowsSomething(const fs::path& file) {
  SCOPED_TRACE(file.string());
  const QImage image(QString::fromStdString(file.string()));
  ASSERT_FALSE(image.isNull());
  EXPECT_GE(image.width(), 200);
  EXPECT_GE(image.height(), 150);
  std::map<QRgb, long> colours;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) ++colours[image.pixel(x, y)];
  EXPECT_GE(colours.size(), 3u);
  long most = 0;
  for (const auto& [colour, count] : colours) most = std::max(most, count);
  EXPECT_LT(static_cast<double>(most), 0.98 * image.width() * image.height());
}

std::vector<fs::path> ShotsOf(const fs::path& dir, const std::string& projector) {
  std::vector<fs::path> shots;
  for (const auto& item : fs::directory_iterator(dir))
    if (item.path().filename().string().starts_with(projector + "_tab")) shots.push_back(item.path());
  std::sort(shots.begin(), shots.end());
  return shots;
}

TEST(ScreenshotModeTest, RendersTheHostAndEveryTabOfTheDemoProjectors) {
  ScratchDir dir;
  const fs::path shots = dir.Path() / "shots";
  const HostRun run = RunHost({"--screenshots", shots.string()}, dir.Path());
  ASSERT_TRUE(ExitedWith(run, 0)) << run.out << run.err;
  EXPECT_NE(run.out.find(shots.string()), std::string::npos) << run.out;

  ExpectShowsSomething(shots / "host.png");
  // Type 5 model 30: the status page and eight more, the audio tab among them.
  const std::vector<fs::path> tabs = ShotsOf(shots, "pv-5300-demo");
  ASSERT_EQ(tabs.size(), 9u);
  std::set<qint64> sizes;
  for (const fs::path& tab : tabs) {
    ExpectShowsSomething(tab);
    sizes.insert(static_cast<qint64>(fs::file_size(tab)));
  }
  EXPECT_TRUE(fs::exists(shots / "pv-5300-demo_tab5-audio.png"));
  // Each tab shows its own page, not the same picture again.
  EXPECT_GE(sizes.size(), 8u);
  // The demo run leaves the user's configuration alone.
  EXPECT_FALSE(fs::exists(dir.Path() / "expert-control"));
}

// Without a display, or with a display nobody serves (the platform plugin
// gives up and Qt aborts, which the host finds out in a child process before
// it starts Qt itself), the host says why in one line, points to
// --screenshots, writes nothing and fails.
TEST(ScreenshotModeTest, WithoutAUsableDisplayTheHostSaysSoAndFails) {
  const std::pair<const char*, const char*> cases[] = {{"", "DISPLAY"}, {"DISPLAY=127.0.0.1:97", "platform plugin"}};
  for (const auto& [env, said] : cases) {
    SCOPED_TRACE(said);
    ScratchDir dir;
    const HostRun run = RunHost({"--demo"}, dir.Path(), env);
    EXPECT_TRUE(ExitedWith(run, 1)) << run.out << run.err;
    EXPECT_NE(run.err.find(said), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("--screenshots"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(dir.Path() / "out")) << "nothing is written unasked";
  }
}

}  // namespace
}  // namespace host::test
