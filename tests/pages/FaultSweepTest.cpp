// The fault sweep: for every page and every code and named operation it uses,
// the projector fails that one thing. A refresh may then change only the
// controls of that setting (disabled, emptied or ": -"), and every handler of
// the page, used once with the fault in place, may show only the messages of
// that setting. A new page joins with one entry in kPages.
#include <algorithm>
#include <set>

#include "tests/pages/PageTestSupport.h"

namespace pages::testing {
namespace {

using driver::testing::Reply;

struct Fault {
  std::string failing;        // a code ("0x2003") or an operation ("SetBlank")
  std::set<int> affected;     // the controls a refresh may change
  std::vector<CatMsg> messages = {};  // what the handlers may show meanwhile
};

struct SweptPage {
  std::string model;
  int tab;
  std::string openFields;
  std::vector<Fault> faults;
};

const std::vector<SweptPage> kPages = {
    {"5/30", 0, "",
     {{"0x6000", {20008}}, {"0x2000", {20009}}, {"0x6020", {20010}}, {"0x3020", {20011}}, {"0x2002", {20012}},
      {"0x3002", {20013}}, {"0x1090", {20014}}, {"0x10A0", {20015}}, {"ExecLampTimeReset", {}},
      {"ExecFilterTimeReset", {}}}},
    {"3/15", 5, "",
     {{"0x6000", {21029}, {Msg(2201, 26)}},
      {"SetPowerOn", {}},
      {"SetPowerOff", {}},
      {"0x2000", {21030}, {Msg(2201, 25)}},
      {"0x3020", {21085}},
      {"SetBlank", {}},
      {"0x2002", {21053}},
      {"SetMute", {}},
      {"0x3002", {21107}},
      {"SetFreeze", {}},
      {"0x2009", {21108}},
      {"SetPicturePosition", {}},
      {"0x3007", {21104, 21105, 21106, 21115}, {Msg(2201, 67)}},
      {"0x2007", {21025, 21023, 21026, 21114}, {Msg(2201, 68), Msg(2201, 25)}},
      {"SetKeystoneV", {}, {Msg(2201, 25)}},
      {"0x200B", {21027, 21024, 21028, 21110}, {Msg(2201, 69)}},
      {"SetKeystoneH", {}, {Msg(2201, 69)}},
      {"0x2401", {}, {Msg(2201, 70)}},
      {"0x2400", {}, {Msg(2201, 71)}},
      {"ExecKeyStoneVReset", {}},
      {"ExecKeyStoneHReset", {}}}},
    {"4/9", 8, R"("host":{"option2":true})",
     {{"0x6000", {20268}, {Msg(2201, 26)}},
      {"SetPowerOn", {}},
      {"SetPowerOff", {}},
      {"0x2000", {20269}, {Msg(2201, 25)}},
      {"0x30BA", {21033}, {Msg(2201, 66)}},
      {"0x3020", {20270}},
      {"SetBlank", {}},
      {"0x2002", {20271}},
      {"SetMute", {}},
      {"0x3002", {20272}},
      {"SetFreeze", {}},
      {"0x3007", {20273, 20286, 20274, 20275}, {Msg(2201, 67)}},
      {"0x3500", {20288}, {Msg(2201, 80)}},
      {"0x2007", {20276, 20285, 20277, 20278}, {Msg(2201, 68), Msg(2201, 25)}},
      {"SetKeystoneV", {}, {Msg(2201, 25)}},
      {"0x200B", {20279, 20280, 20281, 20282}, {Msg(2201, 69)}},
      {"SetKeystoneH", {}, {Msg(2201, 69)}},
      {"ExecAutoKeyStone", {}},
      {"ExecKeyStoneVReset", {}},
      {"ExecKeyStoneHReset", {}}}},
    {"5/44", 7, "", {{"0x2400", {}, {Msg(2201, 71)}}, {"0x3500", {20288}, {Msg(2201, 80)}}}},
    {"5/42", 3, "",
     {{"GetProgressive", {20294}}, {"GetVideoNrVal", {20295}}, {"Get3dycs", {20296}}, {"GetColorSpace", {20297}},
      {"GetComponent", {20298}}, {"GetVideoFormat", {20299, 20300}}, {"GetM1d", {20301}}, {"GetRgbIn", {20303, 20304}},
      {"GetFrameLockComp1", {20305}}, {"GetFrameLockComp2", {20306}}, {"GetHDMI", {20307}},
      {"GetFrameLockHDMI", {20308}}}},
    {"5/36", 3, "", {{"GetFrameLock", {20302}}}},
    {"5/42", 4, "",
     {{"GetKeystoneV", {20308, 20310, 20309, 20314}}, {"GetKeystoneH", {20312, 20311, 20313, 20141}},
      {"GetWhisper", {20315}}, {"GetMirror", {20316}}, {"GetInputSource", {20318, 20317, 20319, 20142}},
      {"GetInputSrcVolume", {20318, 20317, 20319, 20142}}, {"GetSpeaker", {20321}}, {"GetAudioRGB1", {20320}},
      {"GetAudioRGB2", {20322}}, {"GetAudioVideo", {20323}}, {"GetAudioSVideo", {20324}},
      {"GetAudioComponent", {20325}}, {"GetAudioMIU", {20326}}, {"GetAudioM1D", {20329}}, {"GetHDMIAudio", {20330}},
      {"SetKeystoneV", {}}, {"IncrementKeystoneV", {}}, {"SetVolumeEachSrc", {}}, {"SetAudioMIU", {}},
      {"ExecKeyStoneHReset", {}}, {"ExecAutoKeyStone", {}}}},
    {"5/44", 4, "",
     {{"0x300A", {20331, 20332, 20333, 20143}, {Msg(2201, 314)}}, {"0x300B", {20335, 20336, 20144}, {Msg(2201, 315)}},
      {"0x300C", {20334, 20350, 20145}, {Msg(2201, 315)}}, {"ExecDZoomReset", {}}}},
    {"5/44", 6, "",
     {{"GetAutoSearch", {20364}}, {"GetAutoKeystone", {20365}}, {"GetAutoOn", {20366}},
      {"GetAutoOff", {20367, 20369, 20368, 20370}}, {"GetMyButton1", {20371}}, {"GetMyButton2", {20372}},
      {"GetCCDisplay", {20292}}, {"GetCCMode", {20293}}, {"GetCCChannel", {20294}}, {"SetMyButton1", {}},
      {"IncrementAutoPowerOff", {}}, {"SetAutoPowerOff", {}}}},
    {"5/41", 5, "",
     {{"GetInputSource", {20345, 20347, 20346, 20355, 20348, 20350, 20349, 20315, 20351, 20353, 20352, 20316, 20381}},
      {"GetInputSrcVolume", {20345, 20347, 20346, 20355}}, {"GetInputSrcTreble", {20348, 20350, 20349, 20315}},
      {"GetInputSrcBass", {20351, 20353, 20352, 20316}}, {"GetSRSWOW", {20381}}, {"GetSpeaker", {20354}},
      {"GetAudioRGB1", {20356}}, {"GetAudioRGB2", {20358}}, {"GetAudioM1D", {20359}}, {"GetAudioVideo", {20360}},
      {"GetAudioSVideo", {20361}}, {"GetAudioComponent", {20362}}, {"GetAudioMIU", {20363}},
      {"GetHDMIAudio", {20364}}, {"SetSRSWOW", {}}, {"IncrementInputSrcVol", {}}, {"SetInputSrcTreble", {}}}},
};

std::vector<OrderedJson> VisibleControls(const OrderedJson& dump) {
  for (const OrderedJson& page : dump["pages"])
    if (page["visible"].get<bool>()) return page["controls"];
  return {};
}

// One use of every handler a user can reach: each button clicked, each list
// choosing the item it shows (so power stays as it is), each slider let go
// where it is.
void UseEveryHandler(Script& script, const OrderedJson& dump) {
  for (const OrderedJson& control : VisibleControls(dump)) {
    if (!Usable(control)) continue;
    const int id = control["id"];
    const std::string kind = control["kind"];
    if (kind == "button" || kind == "bitmap" || kind == "check") script.Click(id);
    if (kind == "list" && !control["items"].empty()) script.Select(id, std::max(0, control["sel"].get<int>()));
    if (kind == "slider") script.Slide(id, control["pos"]);
  }
}

TEST(FaultSweep, AFailingSettingTouchesOnlyItsOwnControls) {
  for (const SweptPage& page : kPages) {
    for (const Fault& fault : page.faults) {
      SCOPED_TRACE(page.model + " tab " + std::to_string(page.tab) + " failing " + fault.failing);
      const std::string failing = R"("fail":[")" + fault.failing + "\"]";

      Script refresh(page.model, page.tab, page.openFields);
      const std::string before = refresh.Dump();
      refresh.Reload(failing);
      const std::string after = refresh.Dump();
      const auto refreshed = refresh.Run();
      const auto beforeControls = VisibleControls(Reply(refreshed, before));
      const auto afterControls = VisibleControls(Reply(refreshed, after));
      ASSERT_EQ(beforeControls.size(), afterControls.size());
      ASSERT_FALSE(beforeControls.empty());
      for (std::size_t i = 0; i < beforeControls.size(); ++i) {
        const int id = beforeControls[i]["id"];
        if (fault.affected.count(id) == 0) {
          EXPECT_EQ(afterControls[i], beforeControls[i]) << "control " << id << " changed";
          continue;
        }
        const bool disabled = !afterControls[i]["enabled"].get<bool>();
        const std::string text = afterControls[i]["text"];
        EXPECT_TRUE(disabled || text.empty() || text == ": -") << "control " << id << " still shows a value";
      }

      Script use(page.model, page.tab, page.openFields);
      use.Reload(failing);
      use.Events();
      UseEveryHandler(use, Reply(refreshed, after));
      const std::string events = use.Events();
      const auto used = use.Run();
      std::vector<std::string> allowed;
      for (const CatMsg& message : fault.messages) allowed.push_back(StopBox(message));
      for (const std::string& box : Messages(Reply(used, events)))
        EXPECT_NE(std::find(allowed.begin(), allowed.end(), box), allowed.end()) << "unexpected box " << box;
    }
  }
}

}  // namespace
}  // namespace pages::testing
