// The simulated projector's settings: which models have them, their raw
// ranges and lists, steps, resets, My Memory, per-input levels, named
// operations as the library sends them, and failing requests.
#include <gtest/gtest.h>

#include "projector/CommandCodes.h"
#include "SimTestSupport.h"

namespace sim::test {
namespace {

using beamlink::Refusal;
using namespace pjcode;

// Accepted raw values at the edges of a range, and refused ones just outside.
void ExpectRange(Projector& p, std::uint16_t code, std::uint16_t min, std::uint16_t max) {
  SCOPED_TRACE(p.Describe(Get(code)));
  if (min > 0) {
    EXPECT_EQ(Ask(p, Set(code, static_cast<std::uint16_t>(min - 1))), Refused(Refusal::OutOfRange));
  }
  EXPECT_EQ(Ask(p, Set(code, min)), Done());
  EXPECT_EQ(Ask(p, Set(code, max)), Done());
  EXPECT_EQ(Ask(p, Set(code, static_cast<std::uint16_t>(max + 1))), Refused(Refusal::OutOfRange));
}

TEST(SettingsTest, RangesComeFromRangeTextsElseFromTheModelsDefaults) {
  auto withText = MakeProjector("5/30");  // keystone V "88,168"
  ExpectRange(*withText, kKeystoneV, 88, 168);

  auto model = Model("5/30");
  model.ranges[19] = "";
  model.ranges[20] = "not a range";  // unusable: the default applies
  Projector without(model);
  ExpectRange(without, kKeystoneV, 0, 255);
  ExpectRange(without, kKeystoneH, 0, 255);

  // Defaults differ by type and model: offsets of 128 and 125, wider or
  // narrower shown ranges.
  auto type1 = MakeProjector("1/5");
  ExpectRange(*type1, kColour, 128 - 63, 128 + 63);
  ExpectRange(*type1, kSharpness, 125 + 1, 125 + 5);
  ExpectRange(*type1, kContrast, 98, 158);  // its own text
  ExpectRange(*MakeProjector("1/8"), kKeystoneV, 128 - 48, 128 + 48);
  EXPECT_EQ(Ask(*withText, Get(kSharpness)), ValueReply(128));  // shown 4 with the offset of 124
}

TEST(SettingsTest, ModelsAnswerOnlyTheSettingsTheyHave) {
  auto model16 = MakeProjector("1/16");  // vertical keystone on its picture page, no horizontal
  ExpectRange(*model16, kKeystoneV, 0, 255);
  EXPECT_EQ(Ask(*model16, Get(kKeystoneH)), Refused(Refusal::Unsupported));

  auto type5 = MakeProjector("5/30");
  EXPECT_EQ(Ask(*type5, Get(kBNCInputMode)), Refused(Refusal::Unsupported));  // type 2 only
  EXPECT_EQ(Ask(*type5, Get(0x4FFF)), Refused(Refusal::Unsupported));

  // Lens motors: type 3 except models 8, 10, 47, 48; they move but have nothing to read.
  auto withLens = MakeProjector("3/15");
  EXPECT_EQ(Ask(*withLens, Inc(kFocus)), Done());
  EXPECT_EQ(Ask(*withLens, Dec(kZoom)), Done());
  EXPECT_EQ(Ask(*withLens, Get(kFocus)), Refused(Refusal::Unsupported));
  EXPECT_EQ(Ask(*MakeProjector("3/10"), Inc(kFocus)), Refused(Refusal::Unsupported));
}

TEST(SettingsTest, StepsMoveOneWithinTheRangeAndNeverBeyond) {
  auto p = MakeProjector("5/30");  // brightness 96..160
  ASSERT_TRUE(p->SetValue(kBrightness, 0, 159));
  EXPECT_EQ(Ask(*p, Inc(kBrightness)), ValueReply(160));
  EXPECT_EQ(Ask(*p, Inc(kBrightness)), Refused(Refusal::OutOfRange));
  EXPECT_EQ(Ask(*p, Dec(kBrightness)), ValueReply(159));
  ASSERT_TRUE(p->SetValue(kBrightness, 0, 96));
  EXPECT_EQ(Ask(*p, Dec(kBrightness)), Refused(Refusal::OutOfRange));

  // A value put outside the range from the control side steps back towards it only.
  ASSERT_TRUE(p->SetValue(kBrightness, 0, 200));
  EXPECT_EQ(Ask(*p, Inc(kBrightness)), Refused(Refusal::OutOfRange));
  EXPECT_EQ(Ask(*p, Dec(kBrightness)), ValueReply(199));
  EXPECT_EQ(Ask(*p, Inc(kMirror)), Refused(Refusal::Unsupported));  // lists do not step
  // The library's step operations reach the same values.
  ASSERT_TRUE(p->SetValue(kAutoPowerOff, 0, 98));
  EXPECT_EQ(Ask(*p, Op("IncrementAutoPowerOff")), ValueReply(99));
  EXPECT_EQ(Ask(*p, Op("IncrementAutoPowerOff")), Refused(Refusal::OutOfRange));
}

TEST(SettingsTest, ListsAcceptOnlyTheirValues) {
  auto p = MakeProjector("5/30");
  // Codes from the model's lists: inputs 0 4 3 1 2 5, aspect 0..4,
  // gamma 4 5 10 11 21, colour temperature 3 2 1 17, whisper 0 1.
  EXPECT_EQ(Ask(*p, Set(kInputSource, 5)), Done());
  EXPECT_EQ(Ask(*p, Set(kInputSource, 6)), Refused(Refusal::OutOfRange));
  EXPECT_EQ(Ask(*p, Set(kGamma, 21)), Done());
  EXPECT_EQ(Ask(*p, Set(kGamma, 6)), Refused(Refusal::OutOfRange));
  EXPECT_EQ(Ask(*p, Op("SetWhisper", {2})), Refused(Refusal::OutOfRange));
  EXPECT_EQ(Ask(*p, Set(kAspect, 4)), Done());
  EXPECT_EQ(Ask(*p, Set(kAspect, 5)), Refused(Refusal::OutOfRange));

  // Positions, and fixed value tables.
  EXPECT_EQ(Ask(*p, Op("SetMirror", {4})), Refused(Refusal::OutOfRange));
  EXPECT_EQ(Ask(*p, Set(kActiveIris, 2)), Refused(Refusal::OutOfRange));
  EXPECT_EQ(Ask(*p, Op("SetStartup", {2})), Done());
  EXPECT_EQ(Ask(*p, Get(kStartUpScreen)), ValueReply(32));
  EXPECT_EQ(Ask(*p, Set(kStartUpScreen, 2)), Refused(Refusal::OutOfRange));  // a position, not a value
  EXPECT_EQ(Ask(*p, Op("SetVideoNR", {0, 0})), Refused(Refusal::OutOfRange));  // value 0; 1..3 are valid

  // A refused value leaves the setting as it was.
  EXPECT_EQ(Ask(*p, Get(kInputSource)), ValueReply(5));

  // Type 1 keeps its custom-user levels as positions 0..5, not as gains.
  auto type1 = MakeProjector("1/5");
  EXPECT_EQ(Ask(*type1, Set(kColourTemperatureGainR, 5)), Done());
  EXPECT_EQ(Ask(*type1, Set(kColourTemperatureGainR, 6)), Refused(Refusal::OutOfRange));
  EXPECT_EQ(Ask(*type1, Op("IncrementColorTempGain", {0, 0})), Refused(Refusal::Unsupported));
}

TEST(SettingsTest, ResetsRestoreFactoryValues) {
  auto p = MakeProjector("5/30");
  p->SetValue(kBrightness, 0, 150);
  p->SetValue(kKeystoneV, 0, 100);
  EXPECT_EQ(Ask(*p, Op("ExecBrightnessReset")), Done());
  EXPECT_EQ(p->Value(kBrightness), 128);
  EXPECT_EQ(p->Value(kKeystoneV), 100);
  EXPECT_EQ(Ask(*p, Op("ExecKeyStoneVReset")), Done());
  EXPECT_EQ(p->Value(kKeystoneV), 128);

  // Points and colours travel in the code: only that one is reset.
  p->SetValue(kUserGammaPoint3, 0, 140);
  p->SetValue(kUserGammaPoint4, 0, 140);
  EXPECT_EQ(Ask(*p, Op("ExecUserGammaPReset", {3})), Done());
  EXPECT_EQ(p->Value(kUserGammaPoint3), 128);
  EXPECT_EQ(p->Value(kUserGammaPoint4), 140);
  EXPECT_EQ(Ask(*p, Op("IncrementColorTempGain", {2, 0})), ValueReply(129));
  EXPECT_EQ(p->Value(kColourTemperatureGainB), 129);
  EXPECT_EQ(p->Value(kColourTemperatureGainR), 128);
  EXPECT_EQ(Ask(*p, Op("ExecColorTempGainBReset")), Done());
  EXPECT_EQ(p->Value(kColourTemperatureGainB), 128);
}

TEST(SettingsTest, MyMemorySavesAndLoadsThePictureSettings) {
  auto p = MakeProjector("5/30");
  p->SetValue(kBrightness, 0, 140);
  p->SetValue(kGamma, 0, 10);
  p->SetValue(kMirror, 0, 2);
  EXPECT_EQ(Ask(*p, Op("SetMyMemory", {6})), Done());  // save memory 3

  p->SetValue(kBrightness, 0, 100);
  p->SetValue(kGamma, 0, 5);
  p->SetValue(kMirror, 0, 1);
  EXPECT_EQ(Ask(*p, Op("SetMyMemory", {2})), Done());  // load memory 3
  EXPECT_EQ(p->Value(kBrightness), 140);
  EXPECT_EQ(p->Value(kGamma), 10);
  EXPECT_EQ(p->Value(kMirror), 1);  // not a picture setting

  EXPECT_EQ(Ask(*p, Op("SetMyMemory", {0})), Done());  // memory 1 was never saved: factory picture
  EXPECT_EQ(p->Value(kBrightness), 128);
  EXPECT_EQ(Ask(*p, Exec(0x7010, 5)), Refused(Refusal::OutOfRange));
  EXPECT_EQ(Ask(*p, Exec(0x7011, 0)), Refused(Refusal::OutOfRange));
}

TEST(SettingsTest, AudioLevelsAndVideoFormatsAreKeptPerInput) {
  auto p = MakeProjector("5/30");  // inputs 0 4 3 1 2 5; volume "0,48"; treble and bass "124,132"
  EXPECT_EQ(Ask(*p, Op("SetVolumeEachSrc", {4, 30})), Done());
  EXPECT_EQ(Ask(*p, Op("SetVolumeEachSrc", {1, 10})), Done());
  EXPECT_EQ(Ask(*p, Op("IncrementInputSrcVol", {4})), ValueReply(31));
  EXPECT_EQ(Ask(*p, Op("GetInputSrcVolume", {1})), ValueReply(10));
  EXPECT_EQ(Ask(*p, Op("GetInputSrcVolume", {2})), ValueReply(24));  // untouched: factory
  EXPECT_EQ(Ask(*p, Op("SetVolumeEachSrc", {4, 49})), Refused(Refusal::OutOfRange));
  EXPECT_EQ(Ask(*p, Op("GetInputSrcVolume", {6})), Refused(Refusal::OutOfRange));  // no such input

  p->SetValue(0x4031, 3, 132);  // treble of input 3
  EXPECT_EQ(Ask(*p, Op("IncrementInputSrcTreb", {3})), Refused(Refusal::OutOfRange));
  EXPECT_EQ(Ask(*p, Op("DecrementInputSrcTreb", {3})), ValueReply(131));
  EXPECT_EQ(Ask(*p, Op("GetInputSrcTreble", {4})), ValueReply(128));

  // Composite (true) and S-video (false) formats are separate values.
  EXPECT_EQ(Ask(*p, Op("SetCVideoFormat", {1})), Done());  // NTSC, 4
  EXPECT_EQ(Ask(*p, Op("GetVideoFormat", {1})), ValueReply(4));
  EXPECT_EQ(Ask(*p, Op("GetVideoFormat", {0})), ValueReply(10));
  EXPECT_EQ(Ask(*p, Set(kVideoFormat, 3, 2)), Refused(Refusal::OutOfRange));
}

TEST(SettingsTest, SettingsWithoutGenericCodesLiveOnTheLibrarysCodes) {
  const auto model = Model("5/42");
  auto p = MakeProjector("5/42");
  EXPECT_EQ(Ask(*p, Op("GetCCChannel")), ValueReply(1));
  EXPECT_EQ(Ask(*p, Op("SetCCChannel", {5})), Refused(Refusal::OutOfRange));
  EXPECT_EQ(Ask(*p, Op("SetHDMIAudio", {2})), Done());
  EXPECT_EQ(Ask(*p, Op("GetHDMIAudio")), ValueReply(2));
  EXPECT_EQ(Ask(*p, Op("SetRgbIn2", {1, 0})), Done());  // value 3; the flag only qualifies it
  EXPECT_EQ(Ask(*p, Op("GetRgbIn", {2})), ValueReply(3));
  EXPECT_EQ(Ask(*p, Op("GetRgbIn", {1})), ValueReply(2));
  // My Button takes the functions of the model's list.
  ASSERT_FALSE(model.myButton.empty());
  EXPECT_EQ(Ask(*p, Op("SetMyButton1", {model.myButton.back().code})), Done());
  EXPECT_EQ(Ask(*p, Op("SetMyButton1", {99})), Refused(Refusal::OutOfRange));
}

TEST(SettingsTest, ControlSideReachesValuesByCodeOrByOperation) {
  auto p = MakeProjector("5/30");
  std::string error;
  EXPECT_TRUE(p->SetValueOf("GetInputSrcVolume", 2, 20, &error)) << error;
  EXPECT_EQ(p->Value(0x4030, 2), 20);
  EXPECT_EQ(p->ValueOf("GetInputSrcVolume", 2), 20);
  EXPECT_TRUE(p->SetValueOf("GetUserGammaPoint", 3, 140));
  EXPECT_EQ(p->Value(kUserGammaPoint3), 140);
  EXPECT_TRUE(p->SetValueOf("GetVideoFormat", 0, 3));  // S-video; 3 is no format the pages know
  EXPECT_EQ(Ask(*p, Op("GetVideoFormat", {0})), ValueReply(3));

  EXPECT_FALSE(p->SetValueOf("GetNothing", 0, 1, &error));
  EXPECT_NE(error.find("unknown operation"), std::string::npos);
  EXPECT_FALSE(p->ValueOf("SetMyMemory", 1, &error));
  EXPECT_NE(error.find("no value"), std::string::npos);
  EXPECT_FALSE(p->SetValue(kBNCInputMode, 0, 1, &error));
  EXPECT_NE(error.find("not supported"), std::string::npos);
}

TEST(SettingsTest, FailingCodesAndOperationsAnswerWithAnErrorUntilCleared) {
  auto p = MakeProjector("5/30");
  p->GetFaults().FailCode(kBrightness);
  ASSERT_TRUE(p->FailOperation("SetWhisper"));
  ASSERT_TRUE(p->FailOperation("IncrementColorTempGain"));
  const auto error = Answer(beamlink::Status::Error);
  EXPECT_EQ(Ask(*p, Get(kBrightness)), error);
  EXPECT_EQ(Ask(*p, Op("ExecBrightnessReset")), error);
  EXPECT_EQ(Ask(*p, Op("SetWhisper", {1})), error);
  EXPECT_EQ(Ask(*p, Get(kWhisper)), ValueReply(0));  // the getter still works
  EXPECT_EQ(Ask(*p, Op("IncrementColorTempGain", {1, 0})), error);
  EXPECT_EQ(Ask(*p, Get(kContrast)), ValueReply(128));
  EXPECT_FALSE(p->FailOperation("SetNothing"));

  p->GetFaults().SetLatency(std::chrono::milliseconds(5));
  p->GetFaults().ClearFailures();
  EXPECT_EQ(Ask(*p, Get(kBrightness)), ValueReply(128));
  EXPECT_EQ(Ask(*p, Op("SetWhisper", {1})), Done());
  EXPECT_EQ(p->GetFaults().Latency(), std::chrono::milliseconds(5));  // only the failures end
  p->GetFaults().Clear();
  EXPECT_EQ(p->GetFaults().Latency(), std::chrono::milliseconds(0));
}

}  // namespace
}  // namespace sim::test
