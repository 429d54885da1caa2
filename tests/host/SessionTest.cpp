// One run's list: the first start shows the demo projectors and saves only
// the user's own; --demo reads and writes nothing; a damaged entry is a row
// of its own, never connected to and saved as written; a file that is no
// list is reported and kept aside; a list that cannot be used is never
// written over. Serial entries on a pseudo-terminal and entries named
// `localhost` reach their projectors as the dialog does.
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>

#include <nlohmann/json.hpp>

#include "HostTestSupport.h"
#include "beamlink/TcpTransport.h"
#include "catalog/Catalog.h"
#include "host/core/DemoFleet.h"
#include "host/core/EntryLink.h"
#include "host/core/HostSession.h"
#include "host/core/PowerStatus.h"
#include "projector/CommandCodes.h"
#include "tests/support/ChildProgram.h"

extern char** environ;

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
  ASSERT_EQ(saved.entries.size(), 1u);
  EXPECT_EQ(saved.entries[0].entry, Hall());

  // Renaming a demo projector keeps it a demo projector, still not saved.
  ProjectorEntry renamed = session.Rows()[0].entry;
  renamed.name = "Renamed";
  ASSERT_TRUE(session.Replace(0, renamed, error)) << error;
  EXPECT_TRUE(session.Rows()[0].entry.demo);
  ASSERT_EQ(ProjectorStore(file).Load().entries.size(), 1u);
  EXPECT_EQ(ProjectorStore(file).Load().entries[0].entry, Hall());

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
  ASSERT_EQ(ProjectorStore(dir.file).Load().entries.size(), 1u);
  EXPECT_EQ(ProjectorStore(dir.file).Load().entries[0].entry, Hall());
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
  ASSERT_TRUE(ProjectorStore(dir.file).Save(std::vector<ProjectorEntry>{}, error));
  HostSession session(Database(), ProjectorStore(dir.file), HostSession::Mode::Normal, false);
  fs::remove(dir.file);
  fs::create_directories(dir.file / "in-the-way");
  EXPECT_FALSE(session.Add(Hall(), error));
  EXPECT_NE(error.find(dir.file.string()), std::string::npos) << error;
  ASSERT_EQ(session.Rows().size(), 1u);
  EXPECT_EQ(session.Rows()[0].entry, Hall());
}

// A socket that listens on 127.0.0.1 and is never accepted from: tells
// whether anyone tried to connect.
class Listener {
 public:
  Listener() {
    m_fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (bind(m_fd, reinterpret_cast<sockaddr*>(&address), size) != 0 || listen(m_fd, 4) != 0 ||
        getsockname(m_fd, reinterpret_cast<sockaddr*>(&address), &size) != 0)
      ADD_FAILURE() << "no listening socket";
    m_port = ntohs(address.sin_port);
  }
  ~Listener() { close(m_fd); }
  int Port() const { return m_port; }
  bool Knocked() const {
    pollfd p{m_fd, POLLIN, 0};
    return poll(&p, 1, 0) > 0;
  }

 private:
  int m_fd = -1;
  int m_port = 0;
};

TEST(HostSessionTest, DamagedEntryIsARowOfItsOwnNeverReachedAndSavedAsWritten) {
  const DemoFleet fleet(Database());
  const Listener untouched;
  const auto good = [&](std::size_t i) {
    const ProjectorEntry& e = fleet.Entries()[i];
    return R"({"name": "Good )" + std::to_string(i) + R"(", "type": )" + std::to_string(e.modelType) +
           R"(, "model": )" + std::to_string(e.modelNo) + R"(, "connection": "network", "address": "127.0.0.1", "port": )" +
           std::to_string(e.tcpPort) + R"(, "password": ")" + e.password + R"("})";
  };
  // Readable enough to point at the listener, but its timeout is no number.
  const std::string damaged = R"({"name":"Hall","type":5,"model":30,"connection":"network","address":"127.0.0.1","port":)" +
                              std::to_string(untouched.Port()) + R"(,"timeout_ms":"2 s"})";
  const ListDir dir;
  WriteFile(dir.file, R"({"version": 1, "projectors": [)" + good(0) + ", " + damaged + ", " + good(3) + "]}");
  HostSession session(Database(), ProjectorStore(dir.file), HostSession::Mode::Normal, true);
  EXPECT_TRUE(session.TakeNotices().empty());
  ASSERT_EQ(session.Rows().size(), 3u);
  EXPECT_TRUE(fs::exists(dir.file));
  const HostSession::Row hall = session.Rows()[1];  // a copy: rows move as the list grows
  EXPECT_NE(hall.damage.find("Projector \"Hall\""), std::string::npos) << hall.damage;
  EXPECT_NE(hall.damage.find(CatalogText(Msg(7, 23))), std::string::npos) << hall.damage;
  EXPECT_EQ(hall.entry.tcpPort, untouched.Port());

  int reached = 0;
  for (std::size_t i = 0; i < session.Rows().size(); ++i) {
    if (!HostSession::MayConnect(session.Rows()[i])) continue;
    const PowerStatus status = QueryPowerStatus(session.Rows()[i].entry, session.Transports());
    EXPECT_TRUE(status.read) << status.error;
    session.SetStatus(i, PowerStatusText(status));
    reached += status.read ? 1 : 0;
  }
  EXPECT_EQ(reached, 2);
  EXPECT_FALSE(untouched.Knocked());

  // A change elsewhere saves the damaged entry exactly as it was written.
  std::string error;
  ASSERT_TRUE(session.Add(Hall(), error)) << error;
  EXPECT_EQ(nlohmann::ordered_json::parse(ReadFile(dir.file))["projectors"][1].dump(), damaged);

  // An edit keeps the row's status until the next refresh; repairing the
  // damaged row clears its damage and saves it as a usable entry.
  ProjectorEntry renamed = session.Rows()[0].entry;
  renamed.name = "Renamed";
  const std::string status = session.Rows()[0].status;
  ASSERT_FALSE(status.empty());
  ASSERT_TRUE(session.Replace(0, renamed, error)) << error;
  EXPECT_EQ(session.Rows()[0].status, status);
  ProjectorEntry repaired = hall.entry;
  repaired.timeoutMs = 2000;
  ASSERT_TRUE(ValidateEntry(repaired, session.Rules()).empty());
  ASSERT_TRUE(session.Replace(1, repaired, error)) << error;
  EXPECT_TRUE(HostSession::MayConnect(session.Rows()[1]));
  const LoadOutcome saved = ProjectorStore(dir.file).Load();
  ASSERT_EQ(saved.entries.size(), 4u);
  for (const ListedEntry& listed : saved.entries) EXPECT_EQ(listed.damage, "");
  EXPECT_EQ(saved.entries[1].entry, repaired);
}

TEST(HostSessionTest, GroupsAreOfferedSortedAndOnce) {
  const ListDir dir;
  std::vector<ProjectorEntry> entries(4, Hall());
  entries[0].group = "West";
  entries[1].group = "East";
  entries[3].group = "West";
  std::string error;
  ASSERT_TRUE(ProjectorStore(dir.file).Save(entries, error)) << error;
  const HostSession session(Database(), ProjectorStore(dir.file), HostSession::Mode::Normal, true);
  EXPECT_EQ(session.Groups(), (std::vector<std::string>{"East", "West"}));
}

// pjsim as a child process, with the tests' model database.
struct Pjsim : test_support::ChildProgram {
  explicit Pjsim(std::vector<std::string> args)
      : ChildProgram(PJSIM_BIN, std::move(args), {std::string("EXPERT_MODEL_DB=") + HOST_TEST_MODEL_DB}) {}
};

// The list names the pseudo-terminal pjsim prints; the status column and the
// dialog's interface (after the hand-off, which carries a port number only)
// both reach the projector on it, through the session's loopback guard.
TEST(HostSessionTest, SerialEntryOnAPjsimPseudoTerminalWorksEndToEnd) {
  Pjsim pjsim({"--model", "2/6", "--serial"});
  const std::string announce = pjsim.ReadLine();
  ASSERT_EQ(announce.rfind("serial /dev/pts/", 0), 0u) << announce;
  const std::string device = announce.substr(7);

  const ListDir dir;
  WriteFile(dir.file, R"({"version": 1, "projectors": [{"name": "Lab", "type": 2, "model": 6,
      "connection": "serial", "serial_device": ")" + device + R"(", "baud": 19200}]})");
  const HostSession session(Database(), ProjectorStore(dir.file), HostSession::Mode::Normal, true);
  ASSERT_EQ(session.Rows().size(), 1u);
  const ProjectorEntry& entry = session.Rows()[0].entry;
  ASSERT_EQ(session.Rows()[0].damage, "");
  EXPECT_EQ(entry.serialDevice, device);
  EXPECT_NE(ConnectionText(entry).find(device), std::string::npos);

  const PowerStatus status = QueryPowerStatus(entry, session.Transports());
  ASSERT_TRUE(status.read) << status.error;

  CExpertDlg dialog;
  std::string error;
  ASSERT_TRUE(HandOffEntry(dialog, entry, Database(), session.Transports(), error)) << error;
  EXPECT_EQ(dialog.m_pjt.m_nConnectKind, 0);
  std::uint16_t power = 0xFFFF;
  ASSERT_EQ(dialog.m_pjt.Get(pjcode::kPowerStatus, 0, &dialog.m_pjt, &power), 1) << dialog.m_pjt.LastError();
  EXPECT_EQ(power, status.state);

  // The loopback guard takes pseudo-terminals only: a real port is refused
  // before it is opened, with the device named.
  ProjectorEntry usb = entry;
  SetSerialDevice(usb, "/dev/ttyUSB0");
  const PowerStatus refused = QueryPowerStatus(usb, session.Transports());
  EXPECT_FALSE(refused.read);
  EXPECT_NE(refused.error.find("/dev/ttyUSB0"), std::string::npos) << refused.error;
}

// `localhost` is resolved by the library when connecting; the loopback rule
// takes it by name.
TEST(HostSessionTest, EntryNamedLocalhostWorksEndToEnd) {
  const DemoFleet fleet(Database());
  {
    // The lookup is the library's, tested with it; until the library has
    // one, there is nothing for the host to reach a name with.
    std::string why;
    if (!beamlink::TcpTransport::Open("localhost", fleet.Entries()[0].tcpPort,
                                      beamlink::Clock::now() + std::chrono::seconds(2), why))
      GTEST_SKIP() << "the projector library does not resolve host names: " << why;
  }
  ProjectorEntry entry = fleet.Entries()[0];
  entry.demo = false;
  entry.address = "localhost";
  const ListDir dir;
  std::string error;
  ASSERT_TRUE(ProjectorStore(dir.file).Save({entry}, error)) << error;
  const HostSession session(Database(), ProjectorStore(dir.file), HostSession::Mode::Normal, true);
  ASSERT_EQ(session.Rows().size(), 1u);
  EXPECT_TRUE(ValidateEntry(session.Rows()[0].entry, session.Rules()).empty());
  const PowerStatus status = QueryPowerStatus(session.Rows()[0].entry, session.Transports());
  EXPECT_TRUE(status.read) << status.error;

  CExpertDlg dialog;
  ASSERT_TRUE(HandOffEntry(dialog, entry, Database(), session.Transports(), error)) << error;
  EXPECT_STREQ(dialog.m_pjt.m_szAddress, "localhost");
  std::uint16_t power = 0xFFFF;
  EXPECT_EQ(dialog.m_pjt.Get(pjcode::kPowerStatus, 0, &dialog.m_pjt, &power), 1) << dialog.m_pjt.LastError();
}

}  // namespace
}  // namespace host::test
