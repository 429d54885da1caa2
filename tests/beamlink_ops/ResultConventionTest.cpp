// What each kind of operation gives its caller, on success and on failure.
#include "PjtFixture.h"

using beamlink::Refusal;

namespace {

class ResultConventions : public PjtFixture {};

TEST_F(ResultConventions, GenericOperationsReturnExactlyOneAndGetWritesTheRawValue) {
  projector.AnswerValue(0xFFF0);
  std::uint16_t value = 7;
  EXPECT_EQ(pjt.Get(0x2003, 0, &pjt, &value), 1);
  EXPECT_EQ(value, 0xFFF0);  // unsigned, as the projector sent it
  EXPECT_EQ(pjt.Set(0x2003, 130, &pjt), 1);
  EXPECT_EQ(pjt.Inc(0x2401, 0, &pjt), 1);
  EXPECT_EQ(pjt.Dec(0x2401, 0, &pjt), 1);
}

TEST_F(ResultConventions, NamedGettersReturnAFlagAndWriteTheSignedValue) {
  projector.AnswerValue(0xFFFE);
  std::int16_t value = 0;
  EXPECT_TRUE(pjt.GetKeystoneV(&value));
  EXPECT_EQ(value, -2);
}

// Resets return zero on success, My Memory non-zero, the colour-temperature
// resets a flag.
TEST_F(ResultConventions, ExecutesReportSuccessEachInTheirOwnWay) {
  EXPECT_EQ(pjt.ExecLampTimeReset(), 0);
  EXPECT_NE(pjt.SetMyMemory(1), 0);
  EXPECT_NE(pjt.SetMyMemory(7), 0);
  EXPECT_TRUE(pjt.ExecColorTempGainGReset());
  projector.Refuse(Refusal::PowerOff);
  EXPECT_NE(pjt.ExecBrightnessReset(), 0);
  EXPECT_NE(pjt.ExecAutoAdjust(), 0);
  EXPECT_EQ(pjt.SetMyMemory(0), 0);
}

TEST_F(ResultConventions, ValueGettersReturnTheValueOrMinusOne) {
  projector.AnswerValue(140);
  EXPECT_EQ(pjt.GetColorTempOffsetB(), 140);
  EXPECT_EQ(pjt.GetUserGammaPoint(8), 140);
  projector.Fail(3);
  EXPECT_EQ(pjt.GetColorTempGainR(), -1);  // below every range the dialogs accept
}

TEST_F(ResultConventions, ColourTemperatureStepsReturnTheShownValueOrTheCurrentOne) {
  projector.AnswerValue(131);
  EXPECT_EQ(pjt.IncrementColorTempGain(2, 2), 3);
  projector.Refuse(Refusal::OutOfRange);
  EXPECT_EQ(pjt.DecrementColorTempOffset(0, -32), -32);
}

TEST_F(ResultConventions, AutoPowerOffStepsComeInAValueFormAndAPointerForm) {
  projector.AnswerValue(11);
  EXPECT_EQ(pjt.IncrementAutoPowerOff(static_cast<std::int16_t>(10)), 11);
  std::int16_t value = 0;
  EXPECT_TRUE(pjt.DecrementAutoPowerOff(&value));
  EXPECT_EQ(value, 11);
  projector.Refuse(Refusal::OutOfRange);
  EXPECT_EQ(pjt.DecrementAutoPowerOff(static_cast<std::int16_t>(0)), 0);  // unchanged: nothing moved
}

// A refusal, a projector error, a reply without the value asked for, or no
// projector at all: the call fails and the caller's variable keeps its value.
TEST_F(ResultConventions, EveryFailureLeavesTheResultUntouched) {
  const std::vector<std::function<void()>> faults = {
      [&] { projector.Refuse(Refusal::Unsupported); },
      [&] { projector.Fail(9); },
      [&] { projector.AnswerDone(); },
      [&] {
        pjt.SetTransportFactory([](const beamlink::Endpoint&, beamlink::Deadline, std::string& error) {
          error = "no route";
          return std::unique_ptr<beamlink::Transport>();
        });
      },
  };
  for (const auto& fault : faults) {
    fault();
    std::uint16_t raw = 77;
    std::int16_t value = 77;
    EXPECT_EQ(pjt.Get(0x2003, 0, &pjt, &raw), 0);
    EXPECT_FALSE(pjt.GetInputSrcVolume(1, &value));
    EXPECT_FALSE(pjt.IncrementKeystoneH(&value));
    EXPECT_EQ(raw, 77);
    EXPECT_EQ(value, 77);
    EXPECT_FALSE(pjt.LastError().empty());
  }
}

TEST_F(ResultConventions, SetsAndExecutesSucceedOnlyWhenCarriedOut) {
  EXPECT_TRUE(pjt.SetPowerOn());
  EXPECT_TRUE(pjt.SetBrightness(130));
  projector.Refuse(Refusal::PowerOff);
  EXPECT_EQ(pjt.Set(0x2003, 130, &pjt), 0);
  EXPECT_FALSE(pjt.SetBrightness(130));
  EXPECT_FALSE(pjt.ExecUserGammaPReset(1));
  projector.Fail(1);
  EXPECT_FALSE(pjt.SetMyButton1(16));
  EXPECT_EQ(pjt.ExecKeyStoneVReset(), -1);
}

}  // namespace
