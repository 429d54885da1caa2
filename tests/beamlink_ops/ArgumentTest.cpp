// How the caller's arguments become a request, and which ones never leave.
#include <limits>

#include "PjtFixture.h"

using beamlink::Action;
using beamlink::Request;

namespace {

class Arguments : public PjtFixture {
 protected:
  Arguments() {
    const int aspects[] = {0, 2, 7};
    pjt.CopyAspectData(3, aspects);
    const int gammas[] = {21, 70000};  // the second cannot travel in 16 bits
    pjt.CopyGammaData(2, gammas);
  }
};

TEST_F(Arguments, ListPositionsBecomeTheProjectorsCodes) {
  pjt.SetAspect(2);
  EXPECT_EQ(Untagged(Sent()), (Request{0, Action::Set, 0x2008, 0, 7}));
  Forget();
  pjt.SetGamma(0);
  EXPECT_EQ(Untagged(Sent()), (Request{0, Action::Set, 0x30A1, 0, 21}));
  Forget();
  pjt.SetVideoFormat(3);  // SECAM
  EXPECT_EQ(Sent().value, 9);
  Forget();
  pjt.SetStartup(2);
  EXPECT_EQ(Sent().value, 32);
  Forget();
  pjt.SetPinPInput(2);  // component
  EXPECT_EQ(Sent().value, 5);
  Forget();
  pjt.SetVideoNR(2, 1);  // the offset between the list and the projector's values
  EXPECT_EQ(Sent().value, 3);
}

TEST_F(Arguments, APositionOutsideItsListSendsNothing) {
  pjt.SetAspect(3);  // one past the three handed over
  pjt.SetAspect(-1);
  pjt.SetGamma(1);  // a code too wide to travel
  pjt.SetVideoFormat(7);
  pjt.SetStartup(-1);
  pjt.SetPinPInput(3);
  EXPECT_EQ(pjt.SetMyMemory(8), 0);
  EXPECT_TRUE(projector.Requests().empty());
  EXPECT_EQ(traces.size(), 7u);  // each failure is still reported
}

TEST_F(Arguments, TheAspectListIsReadAsHandedOver) {
  const int aspects[] = {5};
  pjt.CopyAspectData(1, aspects);
  pjt.SetAspect(1);  // was valid with the old list of three
  EXPECT_TRUE(projector.Requests().empty());
  pjt.m_nAspectCount = 1000;  // written straight into the member: still bounded by the 32 slots
  pjt.SetAspect(40);
  EXPECT_TRUE(projector.Requests().empty());
}

TEST_F(Arguments, PerInputOperationsCarryTheInputInTheArgument) {
  std::int16_t value = 0;
  EXPECT_TRUE(pjt.GetInputSrcVolume(3, &value));
  EXPECT_EQ(Untagged(Sent()), (Request{0, Action::Get, 0x4030, 3, 0}));
  Forget();
  EXPECT_TRUE(pjt.SetInputSrcBass(0, 130));
  EXPECT_EQ(Untagged(Sent()), (Request{0, Action::Set, 0x4032, 0, 130}));
  Forget();
  EXPECT_TRUE(pjt.DecrementInputSrcTreb(6, &value));
  EXPECT_EQ(Untagged(Sent()), (Request{0, Action::Decrement, 0x4031, 6, 0}));
  Forget();
  EXPECT_TRUE(pjt.GetVideoFormat(true, &value));
  EXPECT_EQ(Sent().argument, 1);  // composite
  Forget();
  EXPECT_TRUE(pjt.GetVideoFormat(false, &value));
  EXPECT_EQ(Sent().argument, 2);  // S-video; 0 stays the plain video format
  Forget();
  pjt.SetCVideoFormat(1);
  EXPECT_EQ(Untagged(Sent()), (Request{0, Action::Set, 0x2200, 1, 4}));
}

TEST_F(Arguments, ColoursPointsAndRgbInputsChooseTheSettingsOwnCode) {
  std::int16_t value = 0;
  pjt.DecrementColorTempGain(1, 0);
  pjt.IncrementColorTempOffset(2, 0);
  pjt.ExecUserGammaPReset(1);
  pjt.GetUserGammaPoint(5);
  pjt.GetRgbIn(2, &value);
  const std::vector<std::uint16_t> codes = {0x30B2, 0x30B7, 0x3090, 0x3094, 0x4016};
  ASSERT_EQ(projector.Requests().size(), codes.size());
  for (std::size_t i = 0; i < codes.size(); ++i) {
    EXPECT_EQ(projector.Requests()[i].code, codes[i]);
    EXPECT_EQ(projector.Requests()[i].argument, 0);  // the same setting the generic operations reach
  }
}

TEST_F(Arguments, OutOfRangeSelectorsAndValuesSendNothing) {
  std::int16_t value = 5;
  EXPECT_EQ(pjt.IncrementColorTempGain(3, 12), 12);
  EXPECT_EQ(pjt.GetUserGammaPoint(0), -1);
  EXPECT_FALSE(pjt.ExecUserGammaPReset(9));
  EXPECT_FALSE(pjt.GetRgbIn(0, &value));
  EXPECT_FALSE(pjt.GetInputSrcVolume(-1, &value));
  EXPECT_FALSE(pjt.SetVolumeEachSrc(1, 65536));
  EXPECT_FALSE(pjt.SetBrightness(-1));
  EXPECT_EQ(pjt.Set(0x2003, 70000, &pjt), 0);
  EXPECT_EQ(pjt.Set(0x2003, 1, nullptr), 0);  // no interface given
  EXPECT_EQ(pjt.Get(0x2003, 0, &pjt, nullptr), 0);
  EXPECT_FALSE(pjt.GetMirror(nullptr));
  EXPECT_EQ(value, 5);
  EXPECT_TRUE(projector.Requests().empty());
}

// The driver hands the table whatever numbers a script sends.
TEST(BuildRequest, NumbersBeyondSixteenBitsNeverWrapAround) {
  const long long huge = std::numeric_limits<long long>::max();
  for (const char* name : {"SetVideoNR", "SetRgbIn1", "SetVolumeEachSrc", "IncrementColorTempGain", "SetMyMemory"}) {
    const beamlink::OperationInfo* op = beamlink::FindOperation(name);
    ASSERT_NE(op, nullptr);
    const long long args[] = {huge, huge};
    EXPECT_FALSE(beamlink::BuildRequest(*op, args).has_value()) << name;
    const long long negative[] = {-huge, 1};
    EXPECT_FALSE(beamlink::BuildRequest(*op, negative).has_value()) << name;
  }
  EXPECT_FALSE(beamlink::BuildRequest(*beamlink::FindOperation("SetAudioM1D"), std::vector<long long>{1}).has_value());
}

TEST_F(Arguments, FlagsTravelInTheArgument) {
  pjt.SetRgbIn1(0, true);
  EXPECT_EQ(Untagged(Sent()), (Request{0, Action::Set, 0x4015, 1, 2}));  // the projector's RGB IN values start at 2
  Forget();
  EXPECT_TRUE(pjt.SetAudioM1D(32, false));
  EXPECT_EQ(Untagged(Sent()), (Request{0, Action::Set, 0x4021, 0, 32}));
}

TEST_F(Arguments, AGenericCallOnAnotherInterfaceGoesThroughThatOne) {
  ScriptedProjector other;
  CPjtInterface second;
  second.SetTransportFactory(other.Factory());
  EXPECT_EQ(pjt.Set(0x2003, 1, &second), 1);
  EXPECT_TRUE(projector.Requests().empty());
  EXPECT_EQ(other.Requests().size(), 1u);
}

}  // namespace
