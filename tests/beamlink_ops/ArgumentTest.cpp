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

// Each call sends exactly one request, whose every field is checked.
TEST_F(Arguments, EachOperationSendsItsOwnRequest) {
  constexpr Action G = Action::Get, S = Action::Set, I = Action::Increment, D = Action::Decrement,
                   X = Action::Execute;
  std::int16_t out = 0;
  struct Case {
    const char* what;
    std::function<void(CPjtInterface&)> call;
    Request sent;
  };
  const Case cases[] = {
      // Generic operations take the caller's code and value as they are.
      {"Get", [](CPjtInterface& p) { std::uint16_t v; p.Get(0x2003, 0, &p, &v); }, {0, G, 0x2003, 0, 0}},
      {"Set", [](CPjtInterface& p) { p.Set(0x2003, 130, &p); }, {0, S, 0x2003, 0, 130}},
      {"Inc", [](CPjtInterface& p) { p.Inc(0x2401, 0, &p); }, {0, I, 0x2401, 0, 0}},
      {"Dec", [](CPjtInterface& p) { p.Dec(0x2401, 0, &p); }, {0, D, 0x2401, 0, 0}},
      {"named getter", [&](CPjtInterface& p) { p.GetKeystoneV(&out); }, {0, G, 0x2007, 0, 0}},
      {"power on", [](CPjtInterface& p) { p.SetPowerOn(); }, {0, S, 0x6000, 0, 1}},
      {"power off", [](CPjtInterface& p) { p.SetPowerOff(); }, {0, S, 0x6000, 0, 0}},
      {"lamp reset", [](CPjtInterface& p) { p.ExecLampTimeReset(); }, {0, X, 0x1090, 0, 0}},
      {"load memory 2", [](CPjtInterface& p) { p.SetMyMemory(1); }, {0, X, 0x7010, 2, 0}},
      {"save memory 4", [](CPjtInterface& p) { p.SetMyMemory(7); }, {0, X, 0x7011, 4, 0}},
      // List positions become the projector's codes.
      {"aspect", [](CPjtInterface& p) { p.SetAspect(2); }, {0, S, 0x2008, 0, 7}},
      {"gamma", [](CPjtInterface& p) { p.SetGamma(0); }, {0, S, 0x30A1, 0, 21}},
      {"SECAM", [](CPjtInterface& p) { p.SetVideoFormat(3); }, {0, S, 0x2200, 0, 9}},
      {"composite NTSC", [](CPjtInterface& p) { p.SetCVideoFormat(1); }, {0, S, 0x2200, 1, 4}},
      {"start-up screen", [](CPjtInterface& p) { p.SetStartup(2); }, {0, S, 0x3004, 0, 32}},
      {"PinP component", [](CPjtInterface& p) { p.SetPinPInput(2); }, {0, S, 0x2302, 0, 5}},
      {"video NR offset", [](CPjtInterface& p) { p.SetVideoNR(2, 1); }, {0, S, 0x2206, 0, 3}},
      // Per-input operations carry the input in the argument.
      {"volume of input 3", [&](CPjtInterface& p) { p.GetInputSrcVolume(3, &out); }, {0, G, 0x4030, 3, 0}},
      {"bass of input 0", [](CPjtInterface& p) { p.SetInputSrcBass(0, 130); }, {0, S, 0x4032, 0, 130}},
      {"treble of input 6", [&](CPjtInterface& p) { p.DecrementInputSrcTreb(6, &out); }, {0, D, 0x4031, 6, 0}},
      {"composite format", [&](CPjtInterface& p) { p.GetVideoFormat(true, &out); }, {0, G, 0x2200, 1, 0}},
      // S-video is argument 2; 0 stays the plain video format.
      {"S-video format", [&](CPjtInterface& p) { p.GetVideoFormat(false, &out); }, {0, G, 0x2200, 2, 0}},
      // Colours, points and RGB inputs choose the setting's own code, the one
      // the generic operations reach, with no argument.
      {"gain G", [](CPjtInterface& p) { p.DecrementColorTempGain(1, 0); }, {0, D, 0x30B2, 0, 0}},
      {"gain B", [](CPjtInterface& p) { p.IncrementColorTempGain(2, 2); }, {0, I, 0x30B3, 0, 0}},
      {"offset B", [](CPjtInterface& p) { p.IncrementColorTempOffset(2, 0); }, {0, I, 0x30B7, 0, 0}},
      {"gamma point 1", [](CPjtInterface& p) { p.ExecUserGammaPReset(1); }, {0, X, 0x3090, 0, 0}},
      {"gamma point 5", [](CPjtInterface& p) { p.GetUserGammaPoint(5); }, {0, G, 0x3094, 0, 0}},
      {"gamma point 8", [](CPjtInterface& p) { p.GetUserGammaPoint(8); }, {0, G, 0x3097, 0, 0}},
      {"RGB IN 2", [&](CPjtInterface& p) { p.GetRgbIn(2, &out); }, {0, G, 0x4016, 0, 0}},
      {"auto power off step", [&](CPjtInterface& p) { p.DecrementAutoPowerOff(&out); }, {0, D, 0x3110, 0, 0}},
      // Flags travel in the argument; the projector's RGB IN values start at 2.
      {"RGB IN 1 flag", [](CPjtInterface& p) { p.SetRgbIn1(0, true); }, {0, S, 0x4015, 1, 2}},
      {"audio M1-D", [](CPjtInterface& p) { p.SetAudioM1D(32, false); }, {0, S, 0x4021, 0, 32}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Forget();
    c.call(pjt);
    EXPECT_EQ(Untagged(Sent()), c.sent);
  }
}

TEST_F(Arguments, ArgumentsOutsideTheirBoundsSendNothing) {
  pjt.SetAspect(3);  // one past the three handed over
  pjt.SetAspect(-1);
  pjt.SetGamma(1);  // a code too wide to travel
  pjt.SetVideoFormat(7);
  pjt.SetStartup(-1);
  pjt.SetPinPInput(3);
  EXPECT_EQ(pjt.SetMyMemory(8), 0);
  EXPECT_EQ(traces.size(), 7u);  // each failure is still reported

  // Selectors and values out of range.
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

  // The aspect list is read as handed over last, and never beyond its slots.
  const int aspects[] = {5};
  pjt.CopyAspectData(1, aspects);
  pjt.SetAspect(1);  // was valid with the old list of three
  pjt.m_nAspectCount = 1000;  // written straight into the member: still bounded by the 32 slots
  pjt.SetAspect(40);
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

TEST_F(Arguments, AGenericCallOnAnotherInterfaceGoesThroughThatOne) {
  ScriptedProjector other;
  CPjtInterface second;
  second.SetTransportFactory(other.Factory());
  EXPECT_EQ(pjt.Set(0x2003, 1, &second), 1);
  EXPECT_TRUE(projector.Requests().empty());
  EXPECT_EQ(other.Requests().size(), 1u);
}

}  // namespace
