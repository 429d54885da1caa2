// What the observer hears: the call as made and what the caller got.
#include <functional>

#include "PjtFixture.h"

using beamlink::CallTrace;
using beamlink::TraceValue;

namespace {

class Trace : public PjtFixture {
 protected:
  const CallTrace& Last() const { return traces.back(); }
};

TEST_F(Trace, AGetReportsItsCodeResultAndTheValueWritten) {
  projector.AnswerValue(130);
  std::uint16_t value = 0;
  pjt.Get(0x2003, 0, &pjt, &value);
  ASSERT_EQ(traces.size(), 1u);
  EXPECT_EQ(Last().op, "Get");
  EXPECT_EQ(Last().code, 0x2003);
  EXPECT_TRUE(Last().args.empty());
  EXPECT_EQ(Last().result, TraceValue(1LL));
  EXPECT_EQ(Last().out, TraceValue(130LL));
  EXPECT_EQ(beamlink::Describe(Last()), "Get(0x2003) -> 1, out 130");
}

TEST_F(Trace, NamedOperationsReportTheirArgumentsAsPassed) {
  pjt.SetAudioM1D(32, true);
  EXPECT_EQ(Last().op, "SetAudioM1D");
  EXPECT_FALSE(Last().code.has_value());
  EXPECT_EQ(Last().args, (std::vector<TraceValue>{32LL, true}));
  EXPECT_EQ(Last().result, TraceValue(true));
  EXPECT_FALSE(Last().out.has_value());
}

TEST_F(Trace, AFailureReportsWhatTheCallerGotAndNoValue) {
  projector.Refuse(beamlink::Refusal::Busy);
  std::int16_t value = 4;
  pjt.GetWhisper(&value);
  EXPECT_EQ(Last().result, TraceValue(false));
  EXPECT_FALSE(Last().out.has_value());
  pjt.ExecFilterTimeReset();
  EXPECT_EQ(Last().result, TraceValue(-1LL));
  pjt.IncrementColorTempGain(0, 5);
  EXPECT_EQ(beamlink::Describe(Last()), "IncrementColorTempGain(0, 5) -> 5 (IncrementColorTempGain: refused (busy))");
}

// A generic step shows its value, a void setter no result, a step with a
// pointer the new value as out.
TEST_F(Trace, DescriptionsShowTheArgumentsTheResultAndTheValueWritten) {
  projector.AnswerValue(129);
  std::int16_t value = 0;
  const std::pair<std::function<void()>, const char*> cases[] = {
      {[&] { pjt.Inc(0x2003, 0, &pjt); }, "Inc(0x2003, 0) -> 1"},
      {[&] { pjt.SetBlank(1); }, "SetBlank(1)"},
      {[&] { pjt.IncrementInputSrcVol(2, &value); }, "IncrementInputSrcVol(2) -> true, out 129"},
  };
  for (const auto& [call, expected] : cases) {
    SCOPED_TRACE(expected);
    call();
    EXPECT_EQ(beamlink::Describe(Last()), expected);
  }
  EXPECT_EQ(Last().op, "IncrementInputSrcVol");
  EXPECT_FALSE(traces[traces.size() - 2].result.has_value());  // SetBlank returns nothing
}

TEST_F(Trace, StoringDataIsNotReported) {
  pjt.CopyData(1, 0, 0, "127.0.0.1", 0, "secret");
  const int codes[] = {1};
  pjt.CopyAspectData(1, codes);
  pjt.CopyGammaData(1, codes);
  pjt.m_strSelItemText = "Audio1";
  EXPECT_TRUE(traces.empty());
  EXPECT_TRUE(projector.Requests().empty());
}

}  // namespace
