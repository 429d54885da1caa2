// One run's list: the first start shows the demo projectors and saves only
// the user's own; --demo reads and writes nothing; a damaged list is reported
// and kept aside; a list that cannot be used is never written over.
#include <gtest/gtest.h>

#include "HostTestSupport.h"
#include "host/core/HostSession.h"

namespace host::test {
namespace {

namespace fs = std::filesystem;

ProjectorEntry Hall() {
  return {.name = "Hall", .modelType = 5, .modelNo = 44, .address = "127.0.0.9", .password = ""};
}

std::size_t DemoRows(const HostSession& session) {
  std::size_t n = 0;
  for (const HostSession::Row& row : session.Rows()) n += row.entry.demo ? 1 : 0;
  return n;
}

TEST(HostSessionTest, FirstStartShowsTheDemoProjectorsAndSavesOnlyTheUsersOwn) {
  ScratchDir dir;
  const fs::path file = dir.Path() / "expert-control" / "projectors.json";
  HostSession session(Database(), ProjectorStore(file), HostSession::Mode::Normal, false);
  EXPECT_FALSE(session.Rows().empty());
  EXPECT_EQ(DemoRows(session), session.Rows().size());
  EXPECT_TRUE(session.TakeNotices().empty());
  EXPECT_FALSE(fs::exists(file));  // looking is not saving

  std::string error;
  ASSERT_TRUE(session.Add(Hall(), error)) << error;
  LoadOutcome saved = ProjectorStore(file).Load();
  ASSERT_EQ(saved.kind, LoadOutcome::Kind::Loaded);
  EXPECT_EQ(saved.entries, std::vector<ProjectorEntry>{Hall()});

  // Renaming a demo projector keeps it a demo projector, still not saved.
  ProjectorEntry renamed = session.Rows()[0].entry;
  renamed.name = "Renamed";
  ASSERT_TRUE(session.Replace(0, renamed, error)) << error;
  EXPECT_TRUE(session.Rows()[0].entry.demo);
  EXPECT_EQ(ProjectorStore(file).Load().entries, std::vector<ProjectorEntry>{Hall()});

  ASSERT_TRUE(session.Remove(session.Rows().size() - 1, error)) << error;
  saved = ProjectorStore(file).Load();
  ASSERT_EQ(saved.kind, LoadOutcome::Kind::Loaded);
  EXPECT_TRUE(saved.entries.empty());

  // The next start finds the (empty) list: no demo projectors any more.
  const HostSession next(Database(), ProjectorStore(file), HostSession::Mode::Normal, false);
  EXPECT_TRUE(next.Rows().empty());
}

TEST(HostSessionTest, DemoRunNeitherReadsNorWritesTheList) {
  const ListDir dir;
  ProjectorEntry user = Hall();
  user.address = "192.168.0.10";
  std::string error;
  ASSERT_TRUE(ProjectorStore(dir.file).Save({user}, error));
  const std::string before = ReadFile(dir.file);

  HostSession session(Database(), ProjectorStore(dir.file), HostSession::Mode::Demo, false);
  EXPECT_TRUE(session.LoopbackOnly());
  EXPECT_FALSE(session.SavesChanges());
  EXPECT_EQ(DemoRows(session), session.Rows().size());
  ASSERT_TRUE(session.Add(Hall(), error));
  ASSERT_TRUE(session.Remove(0, error));
  EXPECT_EQ(ReadFile(dir.file), before);
  // The editor's rules in a demo run refuse what the run could not reach.
  EXPECT_FALSE(ValidateEntry(user, session.Rules()).empty());
}

TEST(HostSessionTest, DamagedListIsReportedKeptAsideAndNotLost) {
  const ListDir dir;
  WriteFile(dir.file, "{\"version\": 1, \"projectors\": [{\"name\": ");
  HostSession session(Database(), ProjectorStore(dir.file), HostSession::Mode::Normal, false);

  const std::vector<std::string> notices = session.TakeNotices();
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_TRUE(session.TakeNotices().empty());
  fs::path aside;
  for (const auto& item : fs::directory_iterator(dir.Path())) aside = item.path();
  ASSERT_FALSE(aside.empty());
  EXPECT_NE(notices[0].find(aside.string()), std::string::npos) << notices[0];
  EXPECT_EQ(DemoRows(session), session.Rows().size());

  std::string error;
  ASSERT_TRUE(session.Add(Hall(), error)) << error;
  EXPECT_EQ(ReadFile(aside), "{\"version\": 1, \"projectors\": [{\"name\": ");
  EXPECT_EQ(ProjectorStore(dir.file).Load().entries, std::vector<ProjectorEntry>{Hall()});
}

TEST(HostSessionTest, ListThatCannotBeUsedIsNeverWrittenOver) {
  const ListDir dir;
  const std::string newer = R"({"version": 9, "projectors": []})";
  WriteFile(dir.file, newer);
  HostSession session(Database(), ProjectorStore(dir.file), HostSession::Mode::Normal, false);
  EXPECT_EQ(session.TakeNotices().size(), 1u);
  EXPECT_FALSE(session.SavesChanges());
  EXPECT_TRUE(session.Rows().empty());
  std::string error;
  EXPECT_TRUE(session.Add(Hall(), error));
  EXPECT_EQ(ReadFile(dir.file), newer);
}

TEST(HostSessionTest, FailedSaveKeepsTheChangeAndSaysWhere) {
  const ListDir dir;
  std::string error;
  ASSERT_TRUE(ProjectorStore(dir.file).Save({}, error));
  HostSession session(Database(), ProjectorStore(dir.file), HostSession::Mode::Normal, false);
  fs::remove(dir.file);
  fs::create_directories(dir.file / "in-the-way");
  EXPECT_FALSE(session.Add(Hall(), error));
  EXPECT_NE(error.find(dir.file.string()), std::string::npos) << error;
  ASSERT_EQ(session.Rows().size(), 1u);
  EXPECT_EQ(session.Rows()[0].entry, Hall());
}

}  // namespace
}  // namespace host::test
