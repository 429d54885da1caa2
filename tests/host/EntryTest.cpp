// A projector entry: what validation refuses and why, and the item the
// dialog's hand-off receives for it.
#include <gtest/gtest.h>

#include <cstring>

#include "HostTestSupport.h"
#include "host/core/EntryValidation.h"
#include "host/core/HostOptions.h"
#include "host/core/SerialDevices.h"

namespace host::test {
namespace {

ProjectorEntry Valid() {
  return {.name = "Hall", .modelType = 5, .modelNo = 30, .address = "192.168.0.10", .password = ""};
}

std::vector<EntryField> FieldsAtFault(const ProjectorEntry& entry, ValidationRules rules) {
  std::vector<EntryField> fields;
  for (const EntryProblem& problem : ValidateEntry(entry, rules)) {
    EXPECT_FALSE(problem.text.empty());
    fields.push_back(problem.field);
  }
  return fields;
}

TEST(EntryValidationTest, EachBadFieldIsNamed) {
  const ValidationRules rules{&Database(), false};
  EXPECT_TRUE(FieldsAtFault(Valid(), rules).empty());

  struct Case {
    const char* what;
    void (*change)(ProjectorEntry&);
    EntryField field;
  };
  const Case cases[] = {
      {"empty name", [](ProjectorEntry& e) { e.name = ""; }, EntryField::Name},
      {"blank name", [](ProjectorEntry& e) { e.name = "  \t"; }, EntryField::Name},
      {"name over its slot", [](ProjectorEntry& e) { e.name = std::string(64, 'x'); }, EntryField::Name},
      {"22 Chinese characters", [](ProjectorEntry& e) { e.name = std::string(22 * 3, '\xE5'); }, EntryField::Name},
      {"control character", [](ProjectorEntry& e) { e.name = "Hall\n2"; }, EntryField::Name},
      {"group over 63 bytes", [](ProjectorEntry& e) { e.group = std::string(64, 'g'); }, EntryField::Group},
      {"group with a tab", [](ProjectorEntry& e) { e.group = "B\t3"; }, EntryField::Group},
      {"unknown model", [](ProjectorEntry& e) { e.modelNo = 99; }, EntryField::Model},
      {"no address", [](ProjectorEntry& e) { e.address = ""; }, EntryField::Address},
      {"three octets", [](ProjectorEntry& e) { e.address = "192.168.0"; }, EntryField::Address},
      {"octet over 255", [](ProjectorEntry& e) { e.address = "192.168.0.256"; }, EntryField::Address},
      {"leading zero", [](ProjectorEntry& e) { e.address = "192.168.0.010"; }, EntryField::Address},
      {"trailing blank", [](ProjectorEntry& e) { e.address = "192.168.0.1 "; }, EntryField::Address},
      {"IPv6", [](ProjectorEntry& e) { e.address = "::1"; }, EntryField::Address},
      {"any address", [](ProjectorEntry& e) { e.address = "0.0.0.0"; }, EntryField::Address},
      {"broadcast", [](ProjectorEntry& e) { e.address = "255.255.255.255"; }, EntryField::Address},
      {"label starting with a hyphen", [](ProjectorEntry& e) { e.address = "-pj.lab"; }, EntryField::Address},
      {"label ending with a hyphen", [](ProjectorEntry& e) { e.address = "pj-.lab"; }, EntryField::Address},
      {"empty label", [](ProjectorEntry& e) { e.address = "pj..lab"; }, EntryField::Address},
      {"underscore", [](ProjectorEntry& e) { e.address = "pj_3.lab"; }, EntryField::Address},
      {"label of 64", [](ProjectorEntry& e) { e.address = std::string(64, 'a') + ".lab"; }, EntryField::Address},
      {"name over the slot", [](ProjectorEntry& e) { e.address = std::string(30, 'a') + "." + std::string(33, 'b'); },
       EntryField::Address},
      {"port 0", [](ProjectorEntry& e) { e.tcpPort = 0; }, EntryField::TcpPort},
      {"port 65536", [](ProjectorEntry& e) { e.tcpPort = 65536; }, EntryField::TcpPort},
      {"password over its slot", [](ProjectorEntry& e) { e.password = std::string(64, 'p'); }, EntryField::Password},
      {"password with a line break", [](ProjectorEntry& e) { e.password = "a\rb"; }, EntryField::Password},
      {"PJLink password over 32 bytes", [](ProjectorEntry& e) { e.pjlink = true; e.password = std::string(33, 'p'); },
       EntryField::Password},
      {"timeout too short", [](ProjectorEntry& e) { e.timeoutMs = 99; }, EntryField::Timeout},
      {"timeout too long", [](ProjectorEntry& e) { e.timeoutMs = 10001; }, EntryField::Timeout},
      {"negative serial port of an older list", [](ProjectorEntry& e) { e.link = Link::Serial; e.serialPort = -1; },
       EntryField::SerialDevice},
      {"relative device path", [](ProjectorEntry& e) { e.link = Link::Serial; e.serialDevice = "ttyUSB0"; },
       EntryField::SerialDevice},
      {"device path with a line break",
       [](ProjectorEntry& e) { e.link = Link::Serial; e.serialDevice = "/dev/tty\nUSB0"; }, EntryField::SerialDevice},
      {"odd baud rate", [](ProjectorEntry& e) { e.link = Link::Serial; e.baudRate = 12345; }, EntryField::BaudRate},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ProjectorEntry entry = Valid();
    c.change(entry);
    EXPECT_EQ(FieldsAtFault(entry, rules), std::vector<EntryField>{c.field});
  }

  // Limits themselves are fine: 63 bytes of name (21 Chinese characters),
  // port 1 and 65535, 100 ms, host names as DNS allows them, groups.
  ProjectorEntry edge = Valid();
  edge.name = std::string(63, 'x');
  edge.group = "Building 3 — 北楼";
  edge.tcpPort = 65535;
  edge.timeoutMs = kMinTimeoutMs;
  EXPECT_TRUE(FieldsAtFault(edge, rules).empty());
  edge.name = std::string(21 * 3, '\xE5');
  edge.tcpPort = 1;
  edge.timeoutMs = kMaxTimeoutMs;
  EXPECT_TRUE(FieldsAtFault(edge, rules).empty());
  for (const std::string& name : std::vector<std::string>{"projector-3.lab", "PJ4", "a", "x1.y2.example.org", std::string(63, 'a')}) {
    edge.address = name;
    EXPECT_TRUE(FieldsAtFault(edge, rules).empty()) << name;
  }
  // A serial entry's address is not looked at; any absolute device path is taken.
  edge.link = Link::Serial;
  edge.address = "garbage";
  for (const char* device : {"/dev/ttyUSB0", "/dev/serial/by-id/usb-FTDI_FT232R-if00-port0", "/dev/pts/7"}) {
    edge.serialDevice = device;
    EXPECT_TRUE(FieldsAtFault(edge, rules).empty()) << device;
  }
}

TEST(EntryValidationTest, LimitsAreStatedInCharactersWithTheRangeNamed) {
  ProjectorEntry entry = Valid();
  entry.name = std::string(64, 'x');
  entry.tcpPort = 99999;
  entry.timeoutMs = 50;
  std::string texts;
  for (const EntryProblem& problem : ValidateEntry(entry, {})) texts += problem.text + "\n";
  EXPECT_EQ(texts.find("bytes"), std::string::npos) << texts;
  for (const char* named : {"63 characters", "21 Chinese", "99999", "1 to 65535", "50", "100 to 10000"})
    EXPECT_NE(texts.find(named), std::string::npos) << named << " in " << texts;
}

// The loopback rule takes `localhost` by name and nothing else by name (no
// lookup decides it), and pseudo-terminals as the only serial devices.
TEST(EntryValidationTest, LoopbackRuleRefusesOtherAddressesAndSerialDevices) {
  const ValidationRules rules{&Database(), true};
  ProjectorEntry entry = Valid();
  EXPECT_EQ(FieldsAtFault(entry, rules), std::vector<EntryField>{EntryField::Address});
  for (const char* loopback : {"127.0.0.1", "127.12.34.56", "localhost", "LocalHost"}) {
    entry.address = loopback;
    EXPECT_TRUE(FieldsAtFault(entry, rules).empty()) << loopback;
  }
  for (const char* other : {"projector-3.lab", "localhost.example.org", "localhost-2"}) {
    entry.address = other;
    EXPECT_EQ(FieldsAtFault(entry, rules), std::vector<EntryField>{EntryField::Address}) << other;
  }
  entry.link = Link::Serial;
  for (const char* device : {"/dev/ttyUSB0", "/dev/pts/", "/dev/pts/1/../../ttyS0"}) {
    entry.serialDevice = device;
    EXPECT_EQ(FieldsAtFault(entry, rules), std::vector<EntryField>{EntryField::SerialDevice}) << device;
  }
  entry.serialDevice = "/dev/pts/4";
  EXPECT_TRUE(FieldsAtFault(entry, rules).empty());
}

TEST(ProjectorItemTest, CarriesTheEntrysNameAndConnectionWithTheModelsLists) {
  ProjectorEntry entry{.name = "Hall", .modelType = 5, .modelNo = 30, .address = "10.0.0.2", .tcpPort = 10000,
                       .password = "secret", .timeoutMs = 3500};
  std::string error;
  const std::optional<CProjectorItem> item = MakeProjectorItem(entry, Database(), error);
  ASSERT_TRUE(item) << error;
  EXPECT_EQ(item->m_strName, "Hall");
  EXPECT_EQ(item->m_nModelType, 5);
  EXPECT_EQ(item->m_nModelNo, 30);
  EXPECT_EQ(item->m_nConnectKind, 1);
  EXPECT_EQ(item->m_nAddress, 0x0A000002u);
  EXPECT_EQ(item->m_nThirdValue, 10000);
  EXPECT_EQ(item->m_nFourthValue, 3500);
  EXPECT_STREQ(item->m_szSecondText, "secret");
  // The lists are the model's, not the connection defaults of its file.
  const models::ModelDescription& model = *Database().Find(5, 30);
  EXPECT_EQ(item->m_nInputCount, static_cast<int>(model.inputs.size()));
  EXPECT_EQ(item->m_nAspectCount, static_cast<int>(model.aspect.size()));
  EXPECT_EQ(item->m_strRange[17], model.ranges[17]);

  entry.link = Link::Serial;
  entry.serialPort = 2;
  entry.baudRate = 9600;
  const std::optional<CProjectorItem> serial = MakeProjectorItem(entry, Database(), error);
  ASSERT_TRUE(serial) << error;
  EXPECT_NE(serial->m_nConnectKind, 1);
  EXPECT_EQ(serial->m_nPortIndex, 2);
  EXPECT_EQ(serial->m_nThirdValue, 9600);

  // A host name cannot travel in the item's numeric address; the hand-off
  // gets 0 and AttachEntry gives the dialog the name.
  entry.link = Link::Network;
  entry.address = "projector-3.lab";
  const std::optional<CProjectorItem> named = MakeProjectorItem(entry, Database(), error);
  ASSERT_TRUE(named) << error;
  EXPECT_EQ(named->m_nAddress, 0u);

  entry.modelNo = 99;
  error.clear();
  EXPECT_FALSE(MakeProjectorItem(entry, Database(), error));
  EXPECT_NE(error.find("99"), std::string::npos) << error;
}

TEST(SerialDevicesTest, OffersStableNamesFirstThenEachKindByNumber) {
  ScratchDir root;
  namespace fs = std::filesystem;
  fs::create_directories(root.Path() / "dev/serial/by-id");
  for (const char* name : {"ttyS10", "ttyS2", "ttyUSB0", "ttyACM1", "ttySX", "null", "ttyUSB"})
    WriteFile(root.Path() / "dev" / name, "");
  WriteFile(root.Path() / "dev/serial/by-id/usb-FTDI_FT232R-if00-port0", "");
  const std::string dev = (root.Path() / "dev").string();
  EXPECT_EQ(ListSerialDevices(root.Path()),
            (std::vector<std::string>{dev + "/serial/by-id/usb-FTDI_FT232R-if00-port0", dev + "/ttyUSB0",
                                      dev + "/ttyACM1", dev + "/ttyS2", dev + "/ttyS10"}));
  EXPECT_TRUE(ListSerialDevices(root.Path() / "nowhere").empty());
}

TEST(HostOptionsTest, ReadsItsArgumentsAndRefusesOthers) {
  std::string error;
  const auto options = ParseHostOptions({"--demo", "--screenshots", "shots"}, error);
  ASSERT_TRUE(options) << error;
  EXPECT_TRUE(options->demo);
  EXPECT_EQ(options->screenshots, std::filesystem::path("shots"));
  const auto listed = ParseHostOptions({"--list=/tmp/l.json"}, error);
  ASSERT_TRUE(listed) << error;
  EXPECT_EQ(listed->listFile, std::filesystem::path("/tmp/l.json"));

  EXPECT_FALSE(ParseHostOptions({"--demo", "--list", "/tmp/l.json"}, error));  // the demo never uses a list
  EXPECT_NE(error.find("--demo"), std::string::npos);

  EXPECT_FALSE(ParseHostOptions({"--screenshots"}, error));
  EXPECT_NE(error.find("--screenshots"), std::string::npos);
  EXPECT_FALSE(ParseHostOptions({"--list="}, error));
  EXPECT_FALSE(ParseHostOptions({"--bogus"}, error));
  EXPECT_NE(error.find("--bogus"), std::string::npos);
}

}  // namespace
}  // namespace host::test
