// The demo projectors: real simulators on 127.0.0.1 ports of their own,
// reached through the projector library's TCP transport and wire protocol;
// and the loopback guard that keeps demo and test runs on this machine.
#include <gtest/gtest.h>

#include <chrono>
#include <set>

#include "HostTestSupport.h"
#include "host/core/DemoFleet.h"
#include "host/core/EntryValidation.h"
#include "host/core/IdentityQuery.h"
#include "host/core/LoopbackGuard.h"
#include "host/core/PowerStatus.h"
#include "projector/CommandCodes.h"
#include "simulator/pjlink/PjLinkServer.h"
#include "simulator/pjsim/Daemon.h"

namespace host::test {
namespace {

std::size_t IndexOf(const DemoFleet& fleet, int type, int model) {
  for (std::size_t i = 0; i < fleet.Entries().size(); ++i)
    if (fleet.Entries()[i].modelType == type && fleet.Entries()[i].modelNo == model) return i;
  ADD_FAILURE() << "no demo projector " << type << "/" << model;
  return 0;
}

TEST(DemoFleetTest, OneProjectorPerTypeAndTheAudioModelsEachOnItsOwnLoopbackPort) {
  const DemoFleet fleet(Database());
  std::set<std::pair<int, int>> models;
  std::set<int> types, ports;
  for (const ProjectorEntry& entry : fleet.Entries()) {
    models.insert({entry.modelType, entry.modelNo});
    types.insert(entry.modelType);
    ports.insert(entry.tcpPort);
    EXPECT_TRUE(entry.demo);
    EXPECT_EQ(entry.address, "127.0.0.1");
    EXPECT_TRUE(ValidateEntry(entry, {&Database(), true}).empty()) << entry.name;
  }
  EXPECT_EQ(types, (std::set<int>{1, 2, 3, 4, 5}));
  for (const auto& wanted : {std::pair{5, 30}, {5, 31}, {5, 41}, {5, 43}, {5, 44}})
    EXPECT_TRUE(models.count(wanted)) << wanted.first << "/" << wanted.second;
  EXPECT_EQ(ports.size(), fleet.Entries().size());
}

TEST(DemoFleetTest, PasswordOfTheModelIsAskedForAndCarried) {
  const DemoFleet fleet(Database());
  const std::size_t at = IndexOf(fleet, 3, 10);
  ProjectorEntry entry = fleet.Entries()[at];
  ASSERT_FALSE(entry.password.empty());
  EXPECT_TRUE(QueryPowerStatus(entry, LoopbackOnlyTransports()).read);
  entry.password = "wrong";
  const PowerStatus refused = QueryPowerStatus(entry, LoopbackOnlyTransports());
  EXPECT_FALSE(refused.read);
  EXPECT_FALSE(refused.error.empty());
}

TEST(PowerStatusTest, ReadsThePowerStateOrSaysWhyNot) {
  const DemoFleet fleet(Database());
  const std::size_t at = IndexOf(fleet, 4, 9);
  const ProjectorEntry& entry = fleet.Entries()[at];
  for (const std::uint16_t state : {1, 0, 2}) {
    ASSERT_TRUE(fleet.ProjectorAt(at).SetValue(pjcode::kPowerStatus, 0, state));
    const PowerStatus status = QueryPowerStatus(entry, LoopbackOnlyTransports());
    ASSERT_TRUE(status.read) << status.error;
    EXPECT_EQ(status.state, state);
  }
  // The three states read differently.
  const std::set<std::string> texts{PowerStatusText({true, 0, {}}), PowerStatusText({true, 1, {}}),
                                    PowerStatusText({true, 2, {}})};
  EXPECT_EQ(texts.size(), 3u);

  // Nobody listening: the error comes back within the timeout.
  ProjectorEntry gone = entry;
  gone.tcpPort = 1;
  gone.timeoutMs = 300;
  const PowerStatus failed = QueryPowerStatus(gone, LoopbackOnlyTransports());
  EXPECT_FALSE(failed.read);
  EXPECT_NE(PowerStatusText(failed).find(failed.error), std::string::npos);
}

TEST(PowerStatusTest, APjLinkEntryIsReadAndQueriedOverPjLink) {
  auto projector = std::make_shared<sim::Projector>(*Database().Find(4, 9));
  sim::ServerOptions options;
  options.password = "pw";
  options.protocol = sim::pjlink::PjLinkProtocol({});
  std::string error;
  const auto service = sim::pjsim::LoopbackService::Start(projector, options, error);
  ASSERT_TRUE(service) << error;
  ProjectorEntry entry{.name = "", .modelType = 4, .modelNo = 9, .address = "127.0.0.1", .tcpPort = service->Port(),
                       .pjlink = true, .password = "pw"};
  ASSERT_TRUE(projector->SetValue(pjcode::kPowerStatus, 0, 2));
  const PowerStatus status = QueryPowerStatus(entry, LoopbackOnlyTransports());
  EXPECT_EQ(status.state, 2) << status.error;
  const auto identity = QueryIdentity(entry, LoopbackOnlyTransports(), error);
  ASSERT_TRUE(identity) << error;
  EXPECT_EQ(identity->name, projector->Model().name);
  EXPECT_EQ(identity->projectorClass, 2);
  EXPECT_NE(IdentityText(*identity).find(identity->manufacturer), std::string::npos);
  entry.pjlink = false;  // our own protocol is not spoken there
  EXPECT_FALSE(QueryPowerStatus(entry, LoopbackOnlyTransports()).read);
}

TEST(LoopbackGuardTest, RefusesOtherAddressesAndSerialPortsWithoutTryingThem) {
  // 192.0.2.1 would take the whole timeout if it were tried.
  ProjectorEntry entry{
      .name = "Elsewhere", .modelType = 5, .modelNo = 30, .address = "192.0.2.1", .password = "", .timeoutMs = 5000};
  const auto start = std::chrono::steady_clock::now();
  const PowerStatus refused = QueryPowerStatus(entry, LoopbackOnlyTransports());
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
  EXPECT_FALSE(refused.read);
  EXPECT_NE(refused.error.find("192.0.2.1"), std::string::npos) << refused.error;

  entry.link = Link::Serial;
  const PowerStatus serial = QueryPowerStatus(entry, LoopbackOnlyTransports());
  EXPECT_FALSE(serial.read);
  EXPECT_FALSE(serial.error.empty());
}

}  // namespace
}  // namespace host::test
