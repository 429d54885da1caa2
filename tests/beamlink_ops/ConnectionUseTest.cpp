// One connection per interface object: opened on first use, never shared.
#include <cstdio>
#include <cstring>
#include <thread>

#include "PjtFixture.h"

namespace {

class ConnectionUse : public PjtFixture {};

TEST_F(ConnectionUse, ACopyOpensItsOwnConnectionAndKeepsTheData) {
  const int gammas[] = {3, 4};
  pjt.CopyGammaData(2, gammas);
  pjt.m_strSelItemText = "Audio2";
  pjt.SetTint(128);
  CPjtInterface copy(pjt);
  EXPECT_STREQ(copy.m_szAddress, "127.0.0.1");
  EXPECT_EQ(copy.m_strSelItemText, "Audio2");
  copy.SetGamma(1);
  EXPECT_EQ(projector.Connections(), 2);
  EXPECT_EQ(projector.Requests().back().value, 4);
  pjt.SetTint(129);
  EXPECT_EQ(projector.Connections(), 2);  // the source kept its own
}

TEST_F(ConnectionUse, AssignmentDropsTheTargetsConnection) {
  ScriptedProjector other;
  CPjtInterface target;
  target.SetTransportFactory(other.Factory());
  target.SetColor(128);
  target = pjt;  // now aims at the source's projector
  target.SetColor(128);
  EXPECT_EQ(other.Requests().size(), 1u);
  EXPECT_EQ(projector.Requests().size(), 1u);
  EXPECT_EQ(projector.Connections(), 1);
}

TEST_F(ConnectionUse, OneConnectionServesEveryCallUntilTheDataOrTheFactoryChange) {
  EXPECT_EQ(projector.Connections(), 0);  // nothing opens before the first call
  pjt.SetBrightness(128);
  pjt.ExecAutoKeyStone();
  std::uint16_t value = 0;
  pjt.Get(0x2000, 0, &pjt, &value);
  EXPECT_EQ(projector.Connections(), 1);
  pjt.CopyData(1, 0, 0, "127.0.0.1", 200, "");
  pjt.SetContrast(128);
  EXPECT_EQ(projector.Connections(), 2);
  pjt.SetTransportFactory(projector.Factory());
  pjt.SetContrast(128);
  EXPECT_EQ(projector.Connections(), 3);
  std::snprintf(pjt.m_szAddress, sizeof pjt.m_szAddress, "127.0.0.2");  // written straight into the member
  pjt.SetContrast(128);
  EXPECT_EQ(projector.Connections(), 4);
}

TEST_F(ConnectionUse, AnAddressFillingItsWholeSlotIsReadWithinIt) {
  std::memset(pjt.m_szAddress, 'x', sizeof pjt.m_szAddress);  // no terminator
  std::string address;
  pjt.SetTransportFactory([&](const beamlink::Endpoint& endpoint, beamlink::Deadline deadline, std::string& error) {
    address = endpoint.address;
    return projector.Factory()(endpoint, deadline, error);
  });
  EXPECT_TRUE(pjt.SetSharpness(128));
  EXPECT_EQ(address, std::string(sizeof pjt.m_szAddress, 'x'));
}

// A projector that cannot be reached is tried once per timeout (200 ms
// here), under the name of the place really connected to; a refusal is an
// answer and holds nothing off.
TEST_F(ConnectionUse, ALinkThatIsDownIsTriedAgainOnlyAfterATimeout) {
  int attempts = 0;
  const auto refuse = [&](const beamlink::Endpoint&, beamlink::Deadline, std::string&) {
    ++attempts;
    return std::unique_ptr<beamlink::Transport>();
  };
  pjt.SetTransportFactory(refuse, "127.0.0.9:4352");
  for (int i = 0; i < 3; ++i) pjt.SetContrast(128);
  EXPECT_EQ(attempts, 1);
  EXPECT_EQ(pjt.LinkProblem(), (beamlink::LinkProblem{beamlink::CallFailure::Unreachable, "127.0.0.9:4352"}));
  std::this_thread::sleep_for(std::chrono::milliseconds(250));
  pjt.SetContrast(128);
  EXPECT_EQ(attempts, 2);

  pjt.SetTransportFactory(projector.Factory());  // a new route is tried at once
  projector.Refuse(beamlink::Refusal::Busy);
  pjt.SetContrast(128);
  pjt.SetContrast(128);
  EXPECT_EQ(projector.Requests().size(), 2u);
  EXPECT_FALSE(pjt.LinkProblem());
}

}  // namespace
