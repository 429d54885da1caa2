// The in-process transport under the library's own connection: what the
// driver and the page tests rely on.
#include <gtest/gtest.h>

#include "beamlink/Connection.h"
#include "projector/CommandCodes.h"
#include "SimTestSupport.h"
#include "simulator/InProcessTransport.h"

namespace sim::test {
namespace {

using namespace std::chrono_literals;
using beamlink::CallFailure;

ServerOptions Password(std::string password) {
  ServerOptions options;
  options.password = std::move(password);
  return options;
}

TEST(ConnectionTest, CallsReachTheProjectorAndPasswordsAreChecked) {
  auto projector = MakeProjector("5/30");
  beamlink::Connection right(Loopback(0, 500, "pw"), InProcessFactory(projector, Password("pw")));
  const auto result = right.Call(Get(pjcode::kBrightness));
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(result.reply.value, 128);

  beamlink::Connection wrong(Loopback(0, 500, "nope"), InProcessFactory(projector, Password("pw")));
  EXPECT_EQ(wrong.Call(Get(pjcode::kBrightness)).failure, CallFailure::PasswordMismatch);
}

TEST(ConnectionTest, EachFaultFailsOneCallWithinItsBoundAndTheNextCallWorks) {
  auto projector = MakeProjector("5/30");
  Faults& faults = projector->GetFaults();
  beamlink::Connection connection(Loopback(0, 150), InProcessFactory(projector));
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

}  // namespace
}  // namespace sim::test
