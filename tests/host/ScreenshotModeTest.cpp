// expert-host as a process on Qt's offscreen platform: --screenshots renders
// the host window and every tab of the demo projectors into PNG files that
// show something, and `--demo` without a display says so in one line and
// falls back to the same screenshots, exiting 0.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <map>
#include <set>

#include "HostTestSupport.h"

extern char** environ;

namespace host::test {
namespace {

namespace fs = std::filesystem;

struct HostRun {
  int status = -1;
  std::string out, err;
};

// Runs expert-host in `cwd` with the test's environment, minus every way to
// a real display, in English, with its configuration under `cwd`, plus `extra`.
HostRun RunHost(const std::vector<std::string>& args, const fs::path& cwd, std::vector<std::string> extra = {}) {
  extra.insert(extra.begin(), {"XDG_CONFIG_HOME=" + cwd.string(), "LC_ALL=C"});
  std::vector<std::string> env;
  for (char** e = environ; *e; ++e) {
    const std::string_view var = *e;
    if (var.starts_with("DISPLAY=") || var.starts_with("WAYLAND_DISPLAY=") || var.starts_with("QT_QPA_PLATFORM=") ||
        var.starts_with("XDG_CONFIG_HOME="))
      continue;
    env.emplace_back(var);
  }
  env.insert(env.end(), extra.begin(), extra.end());
  std::vector<char*> envp;
  for (std::string& var : env) envp.push_back(var.data());
  envp.push_back(nullptr);

  std::vector<std::string> argStrings{EXPERT_HOST_BIN};
  argStrings.insert(argStrings.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& arg : argStrings) argv.push_back(arg.data());
  argv.push_back(nullptr);

  const fs::path outFile = cwd / "stdout.txt", errFile = cwd / "stderr.txt";
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addchdir_np(&actions, cwd.c_str());
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  pid_t pid = 0;
  HostRun run;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) == 0) waitpid(pid, &run.status, 0);
  posix_spawn_file_actions_destroy(&actions);
  run.out = ReadFile(outFile);
  run.err = ReadFile(errFile);
  fs::remove(outFile);
  fs::remove(errFile);
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
  struct Case {
    std::vector<std::string> env;
    const char* said;
  };
  for (const Case& c : {Case{{}, "DISPLAY"}, Case{{"DISPLAY=127.0.0.1:97"}, "platform plugin"}}) {
    SCOPED_TRACE(c.said);
    ScratchDir dir;
    const HostRun run = RunHost({"--demo"}, dir.Path(), c.env);
    EXPECT_TRUE(ExitedWith(run, 1)) << run.out << run.err;
    EXPECT_NE(run.err.find(c.said), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("--screenshots"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(dir.Path() / "out")) << "nothing is written unasked";
  }
}

}  // namespace
}  // namespace host::test
