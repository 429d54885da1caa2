// The projector list file: what is written reads back the same, a damaged
// entry is kept as written and named in the user's words, a file that is no
// list at all is moved aside untouched and reported, a file that cannot be
// read is left alone, and saving never leaves a partial or temporary file
// behind.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "HostTestSupport.h"
#include <nlohmann/json.hpp>

#include "host/core/ProjectorStore.h"

namespace host::test {
namespace {

namespace fs = std::filesystem;

std::vector<ProjectorEntry> SampleEntries() {
  // UTF-8 and JSON escapes survive.
  const ProjectorEntry hall{.name = "Hall 2 — 北", .group = "Building 3", .modelType = 5, .modelNo = 30,
                            .address = "192.168.0.10", .tcpPort = 10000, .password = "se\"cret\\", .timeoutMs = 3500};
  ProjectorEntry pjlink = hall;
  pjlink.pjlink = true;
  pjlink.group = "";
  pjlink.address = "projector-3.lab";
  const ProjectorEntry lab{
      .name = "Lab", .modelType = 2, .modelNo = 12, .link = Link::Serial, .address = "", .serialPort = 3,
      .baudRate = 9600, .password = ""};
  ProjectorEntry usb = lab;
  SetSerialDevice(usb, "/dev/serial/by-id/usb-FTDI_FT232R-if00-port0");
  return {hall, pjlink, lab, usb};
}

// The entries of a list that has no damaged ones.
std::vector<ProjectorEntry> Usable(const LoadOutcome& outcome) {
  std::vector<ProjectorEntry> entries;
  for (const ListedEntry& listed : outcome.entries) {
    EXPECT_EQ(listed.damage, "");
    entries.push_back(listed.entry);
  }
  return entries;
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
  EXPECT_EQ(Usable(outcome), SampleEntries());
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

// An older list (no groups, serial port numbers) loads unchanged and is
// written back in its own terms.
TEST(ProjectorStoreTest, OlderListKeepsItsPortNumbersAndGetsNoGroups) {
  const ListDir dir;
  WriteFile(dir.file, R"({"version": 1, "projectors": [{"name": "Lab", "type": 2, "model": 12,
      "connection": "serial", "serial_port": 3, "baud": 9600, "password": "", "timeout_ms": 2000}]})");
  const LoadOutcome outcome = ProjectorStore(dir.file).Load();
  ASSERT_EQ(outcome.kind, LoadOutcome::Kind::Loaded);
  const std::vector<ProjectorEntry> entries = Usable(outcome);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].group, "");
  EXPECT_EQ(SerialDeviceOf(entries[0]), "/dev/ttyS3");
  const std::string text = EntriesToJson(entries);
  EXPECT_NE(text.find("\"serial_port\": 3"), std::string::npos) << text;
  EXPECT_EQ(text.find("group"), std::string::npos) << text;
  EXPECT_EQ(text.find("serial_device"), std::string::npos) << text;
}

// Two good entries and a damaged one between them: three entries, the
// damaged one marked and written back exactly as it was (field order too).
TEST(ProjectorStoreTest, DamagedEntryIsKeptAsWrittenBetweenTheGoodOnes) {
  const ListDir dir;
  const std::string damaged =
      R"({"timeout_ms":2000,"name":"Hall","type":5,"model":30,"connection":"network","address":"300.1.2.3","x":[1.5,null]})";
  WriteFile(dir.file, R"({"version": 1, "projectors": [
      {"name": "A", "type": 5, "model": 30, "connection": "network", "address": "10.0.0.1"},
      )" + damaged + R"(,
      {"name": "B", "type": 4, "model": 9, "connection": "network", "address": "10.0.0.2"}]})");
  const ProjectorStore store(dir.file);
  const LoadOutcome outcome = store.Load();
  ASSERT_EQ(outcome.kind, LoadOutcome::Kind::Loaded) << outcome.problem;
  ASSERT_EQ(outcome.entries.size(), 3u);
  EXPECT_EQ(outcome.entries[0].damage, "");
  EXPECT_EQ(outcome.entries[2].damage, "");
  const ListedEntry& hall = outcome.entries[1];
  EXPECT_NE(hall.damage.find("Projector \"Hall\""), std::string::npos) << hall.damage;
  EXPECT_NE(hall.damage.find("300.1.2.3"), std::string::npos) << hall.damage;
  EXPECT_EQ(hall.entry.address, "300.1.2.3");  // what could be read, for the editor
  EXPECT_EQ(hall.entry.modelType, 5);

  std::string error;
  ASSERT_TRUE(store.Save(outcome.entries, error)) << error;
  const std::string saved = ReadFile(dir.file);
  const auto parsed = nlohmann::ordered_json::parse(saved);
  EXPECT_EQ(parsed["projectors"][1].dump(), damaged);
  EXPECT_EQ(store.Load().entries, outcome.entries);
}

// What is wrong with an entry is said with the entry's name (or its place in
// the list) and the field's label in the editor, never the file's keys.
TEST(ProjectorStoreTest, DamagedEntriesAreNamedInTheUsersWords) {
  struct Case {
    std::string entry;
    std::vector<const char*> named;
  };
  const Case cases[] = {
      {R"({"name": "A", "type": 5, "model": 30, "connection": "network", "address": "10.0.0.1", "port": 70000})",
       {"Projector \"A\"", "TCP port", "70000"}},
      {R"({"name": "A", "type": "5", "model": 30, "connection": "network", "address": "10.0.0.1"})",
       {"Projector \"A\"", "\"Model\"", "whole number"}},
      {R"({"name": "A", "type": 5, "model": 30, "connection": "modem"})", {"\"Connect by\"", "modem", "Network"}},
      {R"({"name": "A", "type": 5, "model": 30, "connection": "network", "address": "10.0.0.1", "protocol": "x"})",
       {"\"Protocol\"", "PJLink"}},
      {R"({"name": "A", "type": 5, "model": 30, "connection": "serial", "serial_port": 0,
          "timeout_ms": 99999999999})", {"\"Reply timeout (ms)\"", "too large"}},
      {R"({"name": "A", "type": 5, "model": 30, "connection": "serial", "serial_port": 300})",
       {"serial port number 301", "256"}},
      {R"({"name": "A", "type": 5, "model": 30, "connection": "serial", "serial_device": "ttyUSB0"})",
       {"serial device ttyUSB0"}},
      {R"({"name": "A", "type": 5, "model": 30, "connection": "network"})", {"\"Address\"", "missing"}},
      {R"({"name": "A", "group": 3, "type": 5, "model": 30, "connection": "network", "address": "10.0.0.1"})",
       {"\"Group\""}},
      {R"({"type": 5, "model": 30, "connection": "network", "address": "10.0.0.1"})",
       {"Projector 2 of the list", "\"Name\""}},
      {R"({"name": "A\u0001", "type": 5, "model": 30, "connection": "network", "address": "10.0.0.1"})",
       {"Projector 2 of the list", "control characters"}},
      {"42", {"Projector 2 of the list"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry);
    const std::vector<ListedEntry> entries = EntriesFromJson(
        R"({"version": 1, "projectors": [{"name": "Good", "type": 5, "model": 30, "connection": "network",
            "address": "10.0.0.1"}, )" + c.entry + "]}");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].damage, "");
    const std::string& damage = entries[1].damage;
    for (const char* named : c.named) EXPECT_NE(damage.find(named), std::string::npos) << named << " in " << damage;
    for (const char* key : {"timeout_ms", "serial_port", "serial_device", "\"type\"", "\"port\""})
      EXPECT_EQ(damage.find(key), std::string::npos) << key << " in " << damage;
  }
}

TEST(ProjectorStoreTest, FileThatIsNoListIsMovedAsideIntactAndNamed) {
  struct Case {
    std::string text;
    const char* named;  // part of the problem report
  };
  const Case cases[] = {
      {R"({"version": 1, "projectors": [)", "JSON"},
      {"[]", "object"},
      {R"({"version": 0, "projectors": []})", "version"},
      {R"({"version": 1})", "projectors"},
      {R"({"version": 1e400})", "JSON"},  // no double holds it
      {R"({"version": 1, "projectors": []})" + std::string(kMaxListBytes, ' '), "KiB"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 80));
    const ListDir dir;
    WriteFile(dir.file, c.text);
    const LoadOutcome read = ProjectorStore(dir.file).Read();  // a reader that leaves the file be
    EXPECT_TRUE(read.damaged);
    EXPECT_EQ(read.kind, LoadOutcome::Kind::Kept);
    EXPECT_EQ(ReadFile(dir.file), c.text);
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
