// The simulated projector's power, status codes and hours, on a clock the
// tests wind forward themselves.
#include <gtest/gtest.h>

#include "projector/CommandCodes.h"
#include "SimTestSupport.h"

namespace sim::test {
namespace {

using namespace std::chrono_literals;
using beamlink::Refusal;

class PowerTest : public ::testing::Test {
 protected:
  std::shared_ptr<Projector> Make(Power power = Power::On, std::string_view key = "5/30") {
    ProjectorOptions options;
    options.clock = clock.Function();
    options.cooldown = 60s;
    options.power = power;
    return MakeProjector(key, options);
  }
  ManualClock clock;
};

TEST_F(PowerTest, PowerOffCoolsDownThenRefusesSettingsUntilSwitchedOnAgain) {
  auto p = Make();
  // The library's power operations: Set on the power status with 1 or 0.
  const auto on = Op("SetPowerOn"), off = Op("SetPowerOff");
  EXPECT_EQ(Ask(*p, on), Done());  // already on
  EXPECT_EQ(Ask(*p, off), Done());
  EXPECT_EQ(Ask(*p, Get(pjcode::kPowerStatus)), ValueReply(2));
  // Cooling down: power changes are busy, settings are off.
  EXPECT_EQ(Ask(*p, on), Refused(Refusal::Busy));
  EXPECT_EQ(Ask(*p, off), Refused(Refusal::Busy));
  EXPECT_EQ(Ask(*p, Get(pjcode::kBrightness)), Refused(Refusal::PowerOff));

  clock.Advance(59s);
  EXPECT_EQ(Ask(*p, Get(pjcode::kPowerStatus)), ValueReply(2));
  clock.Advance(1s);
  EXPECT_EQ(Ask(*p, Get(pjcode::kPowerStatus)), ValueReply(0));
  EXPECT_EQ(Ask(*p, Inc(pjcode::kKeystoneV)), Refused(Refusal::PowerOff));
  EXPECT_EQ(Ask(*p, Exec(0x7000)), Refused(Refusal::PowerOff));  // auto adjust
  EXPECT_EQ(Ask(*p, Set(pjcode::kPowerStatus, 2)), Refused(Refusal::OutOfRange));

  EXPECT_EQ(Ask(*p, on), Done());
  EXPECT_EQ(Ask(*p, Get(pjcode::kPowerStatus)), ValueReply(1));
  EXPECT_EQ(Ask(*p, Get(pjcode::kBrightness)), ValueReply(128));

  // The control side may start a cool-down by itself.
  EXPECT_TRUE(p->SetValue(pjcode::kPowerStatus, 0, 2));
  clock.Advance(60s);
  EXPECT_EQ(p->PowerState(), Power::Off);
}

TEST_F(PowerTest, StatusAndHoursAnswerWhileOffAndHoursCountOnlyWhileTheLampBurns) {
  auto p = Make(Power::Off);
  p->SetValue(pjcode::kErrorStatus, 0, 12);
  EXPECT_EQ(Ask(*p, Get(pjcode::kErrorStatus)), ValueReply(12));
  EXPECT_EQ(Ask(*p, Get(pjcode::kLampTime)), ValueReply(1200));
  EXPECT_EQ(Ask(*p, Get(pjcode::kFilterTime)), ValueReply(300));

  clock.Advance(5h);  // off: nothing counts
  EXPECT_EQ(Ask(*p, Get(pjcode::kLampTime)), ValueReply(1200));

  Ask(*p, Set(pjcode::kPowerStatus, 1));
  clock.Advance(2h + 59min);
  EXPECT_EQ(Ask(*p, Get(pjcode::kLampTime)), ValueReply(1202));
  Ask(*p, Set(pjcode::kPowerStatus, 0));
  clock.Advance(2min);  // cooling: the fan runs, the lamp does not
  EXPECT_EQ(Ask(*p, Get(pjcode::kLampTime)), ValueReply(1202));
  EXPECT_EQ(Ask(*p, Get(pjcode::kFilterTime)), ValueReply(303));

  // Resets work in standby too, as the maintenance they are.
  EXPECT_EQ(Ask(*p, Exec(pjcode::kLampTime)), Done());
  EXPECT_EQ(Ask(*p, Get(pjcode::kLampTime)), ValueReply(0));
  EXPECT_EQ(Ask(*p, Get(pjcode::kFilterTime)), ValueReply(303));
  EXPECT_EQ(Ask(*p, Exec(pjcode::kFilterTime)), Done());
  EXPECT_EQ(Ask(*p, Get(pjcode::kFilterTime)), ValueReply(0));
  EXPECT_EQ(Ask(*p, Set(pjcode::kLampTime, 5)), Refused(Refusal::Unsupported));

  // Type 3 keeps no hours.
  auto type3 = Make(Power::On, "3/10");
  EXPECT_EQ(Ask(*type3, Get(pjcode::kLampTime)), Refused(Refusal::Unsupported));
  EXPECT_EQ(Ask(*type3, Exec(pjcode::kFilterTime)), Refused(Refusal::Unsupported));
  EXPECT_EQ(Ask(*type3, Get(pjcode::kPowerStatus)), ValueReply(1));
}

}  // namespace
}  // namespace sim::test
