// The projector list file: what is written reads back the same, a damaged
// file is moved aside untouched and reported, a file that cannot be read is
// left alone, and saving never leaves a partial or temporary file behind.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "HostTestSupport.h"
#include "host/core/ProjectorStore.h"

namespace host::test {
namespace {

namespace fs = std::filesystem;

std::vector<ProjectorEntry> SampleEntries() {
  // UTF-8 and JSON escapes survive.
  const ProjectorEntry hall{.name = "Hall 2 — 北", .modelType = 5, .modelNo = 30, .address = "192.168.0.10",
                            .tcpPort = 10000, .password = "se\"cret\\", .timeoutMs = 3500};
  ProjectorEntry pjlink = hall;
  pjlink.pjlink = true;
  const ProjectorEntry lab{
      .name = "Lab", .modelType = 2, .modelNo = 12, .link = Link::Serial, .address = "", .serialPort = 3,
      .baudRate = 9600, .password = ""};
  return {hall, pjlink, lab};
}

std::vector<fs::path> FilesIn(const fs::path& dir) {
  std::vector<fs::path> files;
  for (const auto& item : fs::directory_iterator(dir)) files.push_back(item.path().filename());
  std::sort(files.begin(), files.end());
  return files;
}

TEST(ProjectorStoreTest, SavedListReadsBackTheSameAndLeavesNoTemporaryFile) {
  ScratchDir dir;
  const ProjectorStore store(dir.Path() / "expert-control" / "projectors.json");
  std::string error;
  ASSERT_TRUE(store.Save(SampleEntries(), error)) << error;

  const LoadOutcome outcome = store.Load();
  ASSERT_EQ(outcome.kind, LoadOutcome::Kind::Loaded) << outcome.problem;
  EXPECT_EQ(outcome.entries, SampleEntries());
  EXPECT_EQ(FilesIn(dir.Path() / "expert-control"), std::vector<fs::path>{"projectors.json"});

  // The list holds passwords: the file and a directory made for it are the user's alone.
  struct stat info {};
  ASSERT_EQ(stat(store.File().c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
  ASSERT_EQ(stat(store.File().parent_path().c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);
}

TEST(ProjectorStoreTest, FailedSaveReportsAndCleansUp) {
  const ListDir dir;
  // A directory (not empty) where the list should be: the final rename fails.
  fs::create_directories(dir.file / "in-the-way");
  const ProjectorStore store(dir.file);
  std::string error;
  EXPECT_FALSE(store.Save(SampleEntries(), error));
  EXPECT_NE(error.find("projectors.json"), std::string::npos) << error;
  EXPECT_EQ(FilesIn(dir.Path()), std::vector<fs::path>{"projectors.json"});
  EXPECT_TRUE(fs::is_directory(dir.file / "in-the-way"));
}

TEST(ProjectorStoreTest, DamagedFileIsMovedAsideIntactAndNamed) {
  struct Case {
    std::string text;
    const char* named;  // part of the problem report
  };
  // One projector "A" of model 5/30 with the rest of its fields.
  const auto one = [](const std::string& rest) {
    return R"({"version": 1, "projectors": [{"name": "A", "type": 5, "model": 30, )" + rest + "}]}";
  };
  const Case cases[] = {
      {R"({"version": 1, "projectors": [)", "JSON"},
      {"[]", "object"},
      {R"({"version": 0, "projectors": []})", "version"},
      {R"({"version": 1})", "projectors"},
      {one(R"("connection": "network", "address": "10.0.0.1", "port": 70000)"), "projector 1"},
      {one(R"("connection": "network", "address": "10.0.0.1"}, {"name": "B", "type": "5", "model": 30)"),
       "projector 2, \"type\""},
      {one(R"("connection": "modem")"), "connection"},
      {one(R"("connection": "network", "address": "10.0.0.01")"), "projector 1"},
      {one(R"("connection": "serial", "serial_port": 0, "timeout_ms": 99999999999)"), "timeout_ms"},
      {R"({"version": 1e400})", "JSON"},  // no double holds it
      {R"({"version": 1, "projectors": []})" + std::string(kMaxListBytes, ' '), "KiB"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 80));
    const ListDir dir;
    WriteFile(dir.file, c.text);
    const LoadOutcome outcome = ProjectorStore(dir.file).Load();
    ASSERT_EQ(outcome.kind, LoadOutcome::Kind::MovedAside);
    EXPECT_NE(outcome.problem.find(c.named), std::string::npos) << outcome.problem;
    EXPECT_TRUE(outcome.entries.empty());
    EXPECT_FALSE(fs::exists(dir.file));
    EXPECT_EQ(outcome.movedTo.parent_path(), dir.Path());
    EXPECT_TRUE(outcome.movedTo.filename().string().starts_with("projectors.json.corrupt-"));
    EXPECT_EQ(ReadFile(outcome.movedTo), c.text);
  }
}

TEST(ProjectorStoreTest, SecondDamagedFileDoesNotReplaceTheFirstOneAside) {
  const ListDir dir;
  WriteFile(dir.file, "first");
  const LoadOutcome first = ProjectorStore(dir.file).Load();
  WriteFile(dir.file, "second");
  const LoadOutcome second = ProjectorStore(dir.file).Load();
  ASSERT_EQ(second.kind, LoadOutcome::Kind::MovedAside);
  EXPECT_NE(first.movedTo, second.movedTo);
  EXPECT_EQ(ReadFile(first.movedTo), "first");
  EXPECT_EQ(ReadFile(second.movedTo), "second");
}

TEST(ProjectorStoreTest, UnreadableOrNewerFileIsKeptAsItIs) {
  {
    const ListDir dir;
    fs::create_directory(dir.file);  // cannot be read as a file, and is not damaged data
    const LoadOutcome outcome = ProjectorStore(dir.file).Load();
    EXPECT_EQ(outcome.kind, LoadOutcome::Kind::Kept);
    EXPECT_FALSE(outcome.problem.empty());
    EXPECT_TRUE(fs::is_directory(dir.file));
    EXPECT_EQ(FilesIn(dir.Path()), std::vector<fs::path>{"projectors.json"});
  }
  {
    const ListDir dir;
    const std::string newer = R"({"version": 2, "projectors": [], "groups": []})";
    WriteFile(dir.file, newer);
    const LoadOutcome outcome = ProjectorStore(dir.file).Load();
    EXPECT_EQ(outcome.kind, LoadOutcome::Kind::Kept);
    EXPECT_NE(outcome.problem.find("later version"), std::string::npos) << outcome.problem;
    EXPECT_EQ(ReadFile(dir.file), newer);
    EXPECT_EQ(FilesIn(dir.Path()), std::vector<fs::path>{"projectors.json"});
  }
}

TEST(ProjectorStoreTest, ListFileFollowsXdgConfigHome) {
  const char* savedXdg = std::getenv("XDG_CONFIG_HOME");
  const std::string xdg = savedXdg ? savedXdg : "";
  const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";

  setenv("XDG_CONFIG_HOME", "/srv/config", 1);
  EXPECT_EQ(DefaultListFile(), fs::path("/srv/config/expert-control/projectors.json"));
  // A relative or empty XDG_CONFIG_HOME is ignored, as the XDG rules say.
  setenv("HOME", "/home/someone", 1);
  for (const char* ignored : {"relative/dir", ""}) {
    setenv("XDG_CONFIG_HOME", ignored, 1);
    EXPECT_EQ(DefaultListFile(), fs::path("/home/someone/.config/expert-control/projectors.json"));
  }

  setenv("HOME", home.c_str(), 1);
  if (savedXdg)
    setenv("XDG_CONFIG_HOME", xdg.c_str(), 1);
  else
    unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace host::test
