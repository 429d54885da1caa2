// The in-process transport under the library's own connection and interface
// object: what the driver and the page tests rely on.
#include <gtest/gtest.h>

#include "beamlink/Connection.h"
#include "beamlink/PjtInterface.h"
#include "projector/CommandCodes.h"
#include "SimTestSupport.h"
#include "simulator/InProcessTransport.h"

namespace sim::test {
namespace {

using namespace std::chrono_literals;
using beamlink::CallFailure;

beamlink::Endpoint EndpointWith(int timeoutMs, std::string password = {}) {
  beamlink::Endpoint endpoint;
  endpoint.address = "127.0.0.1";
  endpoint.timeoutMs = timeoutMs;
  endpoint.password = std::move(password);
  return endpoint;
}

ServerOptions Password(std::string password) {
  ServerOptions options;
  options.password = std::move(password);
  return options;
}

TEST(ConnectionTest, CallsReachTheProjectorAndPasswordsAreChecked) {
  auto projector = MakeProjector("5/30");
  beamlink::Connection right(EndpointWith(500, "pw"), InProcessFactory(projector, Password("pw")));
  const auto result = right.Call(Get(pjcode::kBrightness));
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(result.reply.value, 128);

  beamlink::Connection wrong(EndpointWith(500, "nope"), InProcessFactory(projector, Password("pw")));
  EXPECT_EQ(wrong.Call(Get(pjcode::kBrightness)).failure, CallFailure::PasswordMismatch);
}

TEST(ConnectionTest, EachFaultFailsOneCallWithinItsBoundAndTheNextCallWorks) {
  auto projector = MakeProjector("5/30");
  Faults& faults = projector->GetFaults();
  beamlink::Connection connection(EndpointWith(150), InProcessFactory(projector));
  ASSERT_TRUE(connection.Call(Get(pjcode::kBrightness)).ok);

  const auto expectFailure = [&](CallFailure expected) {
    const auto start = beamlink::Clock::now();
    const auto result = connection.Call(Get(pjcode::kBrightness));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.failure, expected) << result.error;
    EXPECT_LT(beamlink::Clock::now() - start, 1s);
    const auto again = connection.Call(Get(pjcode::kBrightness));
    EXPECT_TRUE(again.ok) << again.error;
  };

  faults.DropConnection();
  expectFailure(CallFailure::Closed);
  faults.AnswerGarbage(1, GarbageKind::Noise);
  expectFailure(CallFailure::Protocol);
  faults.AnswerGarbage(1, GarbageKind::BadChecksum);
  expectFailure(CallFailure::Protocol);

  // A reply later than the timeout fails the call at the deadline, not later.
  faults.SetLatency(800ms);
  const auto start = beamlink::Clock::now();
  EXPECT_EQ(connection.Call(Get(pjcode::kBrightness)).failure, CallFailure::Timeout);
  const auto waited = beamlink::Clock::now() - start;
  EXPECT_GE(waited, 150ms);
  EXPECT_LT(waited, 700ms);
  faults.SetLatency(50ms);
  const auto slow = connection.Call(Get(pjcode::kBrightness));
  EXPECT_TRUE(slow.ok) << slow.error;
}

TEST(ConnectionTest, TheInterfaceObjectWorksAgainstTheSimulator) {
  auto projector = MakeProjector("5/30");
  CPjtInterface pjt;
  pjt.CopyData(1, 0, 0, "127.0.0.1", 500, "");
  pjt.SetTransportFactory(InProcessFactory(projector));

  std::uint16_t raw = 0;
  ASSERT_EQ(pjt.Get(pjcode::kBrightness, 0, &pjt, &raw), 1) << pjt.LastError();
  EXPECT_EQ(raw, 128);
  EXPECT_EQ(pjt.Inc(pjcode::kBrightness, 0, &pjt), 1);
  EXPECT_EQ(projector->Value(pjcode::kBrightness), 129);
  EXPECT_EQ(pjt.ExecBrightnessReset(), 0);
  EXPECT_EQ(projector->Value(pjcode::kBrightness), 128);

  std::int16_t volume = 0;
  ASSERT_TRUE(pjt.GetInputSrcVolume(4, &volume)) << pjt.LastError();
  EXPECT_EQ(volume, 24);
  EXPECT_NE(pjt.SetMyMemory(4), 0);  // save memory 1

  projector->GetFaults().FailCode(pjcode::kBrightness);
  raw = 7;
  EXPECT_EQ(pjt.Get(pjcode::kBrightness, 0, &pjt, &raw), 0);
  EXPECT_EQ(raw, 7);  // a failed call leaves the result alone
}

}  // namespace
}  // namespace sim::test
