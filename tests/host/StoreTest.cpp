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
  ProjectorEntry hall;
  hall.name = "Hall 2 — 北";  // UTF-8 survives
  hall.modelType = 5;
  hall.modelNo = 30;
  hall.address = "192.168.0.10";
  hall.tcpPort = 10000;
  hall.password = "se\"cret\\";
  hall.timeoutMs = 3500;
  ProjectorEntry pjlink = hall;
  pjlink.pjlink = true;
  ProjectorEntry lab;
  lab.name = "Lab";
  lab.modelType = 2;
  lab.modelNo = 12;
  lab.link = Link::Serial;
  lab.serialPort = 3;
  lab.baudRate = 9600;
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
  ScratchDir dir;
  // A directory (not empty) where the list should be: the final rename fails.
  const fs::path file = dir.Path() / "projectors.json";
  fs::create_directories(file / "in-the-way");
  const ProjectorStore store(file);
  std::string error;
  EXPECT_FALSE(store.Save(SampleEntries(), error));
  EXPECT_NE(error.find("projectors.json"), std::string::npos) << error;
  EXPECT_EQ(FilesIn(dir.Path()), std::vector<fs::path>{"projectors.json"});
  EXPECT_TRUE(fs::is_directory(file / "in-the-way"));
}

TEST(ProjectorStoreTest, DamagedFileIsMovedAsideIntactAndNamed) {
  struct Case {
    std::string text;
    const char* named;  // part of the problem report
  };
  const Case cases[] = {
      {"{\"version\": 1, \"projectors\": [", "JSON"},
      {"[]", "object"},
      {"{\"version\": 0, \"projectors\": []}", "version"},
      {"{\"version\": 1}", "projectors"},
      {"{\"version\": 1, \"projectors\": [{\"name\": \"A\", \"type\": 5, \"model\": 30, \"connection\": \"network\", "
       "\"address\": \"10.0.0.1\", \"port\": 70000}]}",
       "projector 1"},
      {"{\"version\": 1, \"projectors\": [{\"name\": \"A\", \"type\": 5, \"model\": 30, \"connection\": \"network\", "
       "\"address\": \"10.0.0.1\"}, {\"name\": \"B\", \"type\": \"5\", \"model\": 30}]}",
       "projector 2, \"type\""},
      {"{\"version\": 1, \"projectors\": [{\"name\": \"A\", \"type\": 5, \"model\": 30, \"connection\": \"modem\"}]}",
       "connection"},
      {"{\"version\": 1, \"projectors\": [{\"name\": \"A\", \"type\": 5, \"model\": 30, \"connection\": \"network\", "
       "\"address\": \"10.0.0.01\"}]}",
       "projector 1"},
      {"{\"version\": 1, \"projectors\": [{\"name\": \"A\", \"type\": 5, \"model\": 30, \"connection\": \"serial\", "
       "\"serial_port\": 0, \"timeout_ms\": 99999999999}]}",
       "timeout_ms"},
      {"{\"version\": 1e400}", "JSON"},  // no double holds it
      {"{\"version\": 1, \"projectors\": []}" + std::string(kMaxListBytes, ' '), "KiB"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 80));
    ScratchDir dir;
    const fs::path file = dir.Path() / "projectors.json";
    WriteFile(file, c.text);
    const LoadOutcome outcome = ProjectorStore(file).Load();
    ASSERT_EQ(outcome.kind, LoadOutcome::Kind::MovedAside);
    EXPECT_NE(outcome.problem.find(c.named), std::string::npos) << outcome.problem;
    EXPECT_TRUE(outcome.entries.empty());
    EXPECT_FALSE(fs::exists(file));
    EXPECT_EQ(outcome.movedTo.parent_path(), dir.Path());
    EXPECT_TRUE(outcome.movedTo.filename().string().starts_with("projectors.json.corrupt-"));
    EXPECT_EQ(ReadFile(outcome.movedTo), c.text);
  }
}

TEST(ProjectorStoreTest, SecondDamagedFileDoesNotReplaceTheFirstOneAside) {
  ScratchDir dir;
  const fs::path file = dir.Path() / "projectors.json";
  WriteFile(file, "first");
  const LoadOutcome first = ProjectorStore(file).Load();
  WriteFile(file, "second");
  const LoadOutcome second = ProjectorStore(file).Load();
  ASSERT_EQ(second.kind, LoadOutcome::Kind::MovedAside);
  EXPECT_NE(first.movedTo, second.movedTo);
  EXPECT_EQ(ReadFile(first.movedTo), "first");
  EXPECT_EQ(ReadFile(second.movedTo), "second");
}

TEST(ProjectorStoreTest, UnreadableOrNewerFileIsKeptAsItIs) {
  {
    ScratchDir dir;
    const fs::path file = dir.Path() / "projectors.json";
    fs::create_directory(file);  // cannot be read as a file, and is not damaged data
    const LoadOutcome outcome = ProjectorStore(file).Load();
    EXPECT_EQ(outcome.kind, LoadOutcome::Kind::Kept);
    EXPECT_FALSE(outcome.problem.empty());
    EXPECT_TRUE(fs::is_directory(file));
    EXPECT_EQ(FilesIn(dir.Path()), std::vector<fs::path>{"projectors.json"});
  }
  {
    ScratchDir dir;
    const fs::path file = dir.Path() / "projectors.json";
    const std::string newer = R"({"version": 2, "projectors": [], "groups": []})";
    WriteFile(file, newer);
    const LoadOutcome outcome = ProjectorStore(file).Load();
    EXPECT_EQ(outcome.kind, LoadOutcome::Kind::Kept);
    EXPECT_NE(outcome.problem.find("later version"), std::string::npos) << outcome.problem;
    EXPECT_EQ(ReadFile(file), newer);
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
