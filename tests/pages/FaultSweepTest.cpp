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

struct Fault {
  std::string failing;        // a code ("0x2003") or an operation ("SetBlank")
  std::set<int> affected;     // the controls a refresh may change
  std::vector<int> messages = {};  // the stop boxes (2201/n) the handlers may show meanwhile
};

struct SweptPage {
  std::string model;
  int tab;
  std::string openFields;
  std::vector<Fault> faults;
  std::set<int> opensDialog = {};  // buttons that open a modal dialog: not clicked
  int dialogOpener = 0;            // sweeps the modal dialog this button opens instead of the page
};

const std::vector<SweptPage> kPages = {
    {"5/30", 0, "",
     {{"0x6000", {20008}}, {"0x2000", {20009}}, {"0x6020", {20010}}, {"0x3020", {20011}}, {"0x2002", {20012}},
      {"0x3002", {20013}}, {"0x1090", {20014}}, {"0x10A0", {20015}}, {"ExecLampTimeReset", {}},
      {"ExecFilterTimeReset", {}}}},
    {"3/15", 5, "",
     {{"0x6000", {21029}, {26}}, {"SetPowerOn", {}}, {"SetPowerOff", {}},
      {"0x2000", {21030}, {25}}, {"0x3020", {21085}}, {"SetBlank", {}}, {"0x2002", {21053}}, {"SetMute", {}},
      {"0x3002", {21107}}, {"SetFreeze", {}}, {"0x2009", {21108}}, {"SetPicturePosition", {}},
      {"0x3007", {21104, 21105, 21106, 21115}, {67}},
      {"0x2007", {21025, 21023, 21026, 21114}, {68, 25}}, {"SetKeystoneV", {}, {25}},
      {"0x200B", {21027, 21024, 21028, 21110}, {69}}, {"SetKeystoneH", {}, {69}},
      {"0x2401", {}, {70}}, {"0x2400", {}, {71}}, {"ExecKeyStoneVReset", {}}, {"ExecKeyStoneHReset", {}}}},
    {"4/9", 8, R"("host":{"option2":true})",
     {{"0x6000", {20268}, {26}}, {"SetPowerOn", {}}, {"SetPowerOff", {}},
      {"0x2000", {20269}, {25}}, {"0x30BA", {21033}, {66}}, {"0x3020", {20270}}, {"SetBlank", {}},
      {"0x2002", {20271}}, {"SetMute", {}}, {"0x3002", {20272}}, {"SetFreeze", {}},
      {"0x3007", {20273, 20286, 20274, 20275}, {67}}, {"0x3500", {20288}, {80}},
      {"0x2007", {20276, 20285, 20277, 20278}, {68, 25}}, {"SetKeystoneV", {}, {25}},
      {"0x200B", {20279, 20280, 20281, 20282}, {69}}, {"SetKeystoneH", {}, {69}},
      {"ExecAutoKeyStone", {}}, {"ExecKeyStoneVReset", {}}, {"ExecKeyStoneHReset", {}}}},
    {"5/44", 7, "", {{"0x2400", {}, {71}}, {"0x3500", {20288}, {80}}}},
    {"5/30", 1, "",
     {{"0x2003", {20134, 20136, 20135, 20329}, {58}}, {"SetBrightness", {}},
      {"0x2004", {20137, 20138, 20139, 20330}, {59}}, {"SetContrast", {}},
      {"0x30A1", {20142, 20133}}, {"SetGamma", {}}, {"0x30B0", {20144, 20143}, {61}},
      {"0x2202", {20147, 20151, 20149, 20331}, {60}}, {"SetColor", {}},
      {"0x2203", {21061, 21062, 21063, 20332}, {15}}, {"SetTint", {}},
      {"0x2201", {20148, 20152, 20150, 20333}, {17}}, {"SetSharpness", {}},
      {"0x3304", {20293}, {78}}, {"SetMyMemory", {}}, {"ExecBrightnessReset", {}}},
     {20133, 20143}},
    {"4/21", 1, "",
     {{"0x2004", {20137, 20138, 20139, 20141}, {59}}, {"0x30B0", {20144, 20143}, {61}},
      {"0x2207", {20145}}, {"SetProgressive", {}}, {"0x2201", {20148, 20152, 20150, 20155}, {17}},
      {"ExecTintReset", {}}},
     {20133, 20143}},
    {"5/30", 1, "",
     {{"0x3080", {20158}, {52}}, {"0x3090", {20160, 20181, 20161, 20162}, {44}},
      {"0x3097", {20182, 21030, 20183, 20184}, {51}}, {"ExecUserGammaPReset", {}}},
     {}, 20133},
    {"5/30", 1, R"("host":{"colorTemp":[{"code":17,"name":"Custom 1"}]})",
     {{"0x3080", {20158}, {52}}, {"0x30B1", {20182, 20181, 20188, 20194}, {38}},
      {"IncrementColorTempGain", {}}, {"0x30B7", {20187, 21028, 20193, 20199}, {43}}, {"ExecColorTempGainRReset", {}}},
     {}, 20143},
    {"4/21", 2, "",
     {{"0x2008", {20200}}, {"SetAspect", {}}, {"0x2209", {20046, 20047, 20048, 20049}, {53}},
      {"0x2100", {20202, 20204, 20205}, {54}}, {"0x2101", {20201, 20203, 20206}, {54}},
      {"0x2103", {20207, 20209, 20208, 20210}, {55}}, {"0x2102", {20211, 20212, 20213}, {56}},
      {"ExecAutoAdjust", {}}, {"ExecOverScanReset", {}}}},
    {"5/36", 2, "", {{"0x2209", {20046, 20047, 20048, 20049}, {53}}}},
    {"4/21", 5, "",
     {{"0x3005", {20226}}, {"SetLanguage", {}}, {"0x3016", {20227, 20230, 20231}, {62}},
      {"0x3015", {20228, 20229, 20232}, {62}}, {"0x3018", {20233, 20234, 20235, 20236}, {63}},
      {"0x3000", {20237}}, {"SetBlankColor", {}}, {"0x3004", {21086}}, {"SetStartup", {}}, {"0x30C0", {20238}},
      {"SetMyScreenLock", {}}, {"0x3017", {20239}}, {"SetMessage", {}}, {"ExecMenuPositionVReset", {}}}},
    {"5/36", 5, "", {{"0x3018", {}}, {"0x3000", {20237}}}},
    {"4/9", 3, "",
     {{"0x2207", {20221}}, {"SetProgressive", {}}, {"0x220A", {20111}}, {"Set3DYCS", {}}, {"0x2206", {20220}},
      {"SetVideoNR", {}}}},
    {"4/9", 7, "",
     {{"0x200E", {20258}}, {"SetOneTouch", {}}, {"0x2016", {20259}}, {"SetAutoSearch", {}}, {"0x2019", {20260}},
      {"SetAutoAdjustEnable", {}}, {"0x3110", {20261, 20287, 20262, 20263}, {37}},
      {"IncrementAutoPowerOff", {}}, {"DecrementAutoPowerOff", {}}}},
    {"4/9", 4, "",
     {{"0x2204", {20222}}, {"SetColorSpace", {}}, {"0x2017", {20223}}, {"SetComponent", {}}, {"0x2200", {20224}},
      {"SetVideoFormat", {}}, {"0x3014", {20225}}, {"SetFrameLock", {}}, {"0x2020", {21060}}, {"SetDVI", {}}}},
    {"4/21", 4, R"("host":{"model":24})",
     {{"0x3300", {20242}}, {"SetWhisper", {}}, {"0x3001", {20243}}, {"SetMirror", {}},
      {"0x2001", {20244, 20245, 20246, 20256}, {65}}, {"0x201C", {21034}}, {"SetStereo", {}},
      {"0x2600", {20247}}, {"SetIRFront", {}}, {"0x2602", {20248}}, {"SetIRTop", {}},
      {"0x2007", {20249, 20250, 20251, 20252}, {64}}, {"ExecKeyStoneReset", {}}, {"0x2030", {21043}},
      {"0x2034", {21044}}, {"0x2031", {21051}}, {"0x2032", {21052}}, {"0x2035", {21053}}, {"SetAudioVideo", {}}}},
    {"4/21", 4, "", {{"0x300A", {21049, 21048, 21050, 21118}, {79}}}},
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
     {{"0x300A", {20331, 20332, 20333, 20143}, {314}}, {"0x300B", {20335, 20336, 20144}, {315}},
      {"0x300C", {20334, 20350, 20145}, {315}}, {"ExecDZoomReset", {}}}},
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
    {"1/16", 1, "",
     {{"0x2003", {21035, 21038, 21036, 21116}, {58}}, {"0x2004", {21037, 21039, 21040, 21115}, {59}},
      {"0x2007", {21046, 21045, 21047, 21117}, {64}}, {"0x2008", {21041}}, {"SetAspect", {}},
      {"0x3300", {21042}}, {"0x3001", {21033}}, {"SetMirror", {}}, {"0x3005", {21034}}, {"SetLanguage", {}},
      {"ExecBrightnessReset", {}}, {"ExecContrastReset", {}}, {"ExecKeyStoneReset", {}}}},
    {"2/6", 1, "",
     {{"0x2003", {21035, 21038, 21036, 21116}, {58}}, {"0x2004", {21037, 21039, 21040, 21115}, {59}},
      {"0x2008", {21041}}, {"0x2009", {20027}}, {"SetPicturePosition", {}}, {"0x30A1", {21045}}, {"SetGamma", {}},
      {"0x3001", {21033}}, {"0x3005", {21034}}, {"ExecBrightnessReset", {}}, {"ExecContrastReset", {}}}},
    {"1/3", 2, "",
     {{"0x30A1", {21045}}, {"SetGamma", {}}, {"0x30B0", {21049}, {61}}, {"0x30B1", {21050}, {74}},
      {"0x30B2", {21051}, {75}}, {"0x30B3", {21052}, {76}},
      {"0x30A0", {21046, 21047, 21048, 21121}, {77}}, {"0x2005", {21065, 21067, 21066, 21122}, {73}},
      {"0x2012", {21037, 21039, 21040, 21123}, {81}}, {"0x2006", {21041, 21042, 21053, 21124}, {72}},
      {"0x2201", {21054, 21055, 21056, 21125}, {17}}, {"0x2202", {21057, 21058, 21059, 21126}, {60}},
      {"0x2203", {21060, 21061, 21062, 21127}, {15}}, {"SetMyMemory", {}}, {"ExecColorBalRReset", {}},
      {"ExecColorBalGReset", {}}, {"ExecColorBalBReset", {}}, {"ExecSharpnessReset", {}}, {"ExecColorReset", {}},
      {"ExecTintReset", {}}}},
    {"2/6", 2, "",
     {{"0x2005", {21065, 21067, 21066, 21122}, {73}}, {"0x2006", {21041, 21042, 21053, 21124}, {72}},
      {"0x2201", {21054, 21055, 21056, 21125}, {17}}, {"0x2202", {21057, 21058, 21059, 21126}, {60}},
      {"0x2203", {21060, 21061, 21062, 21127}, {15}}, {"ExecColorBalRReset", {}}, {"ExecSharpnessReset", {}}}},
    {"1/3", 3, "",
     {{"0x2100", {21054, 21055, 20021}, {54}}, {"0x2101", {21052, 21053, 20022}, {54}},
      {"0x2103", {21070, 21071, 21072, 21117}, {55}}, {"0x2102", {21074, 21075, 21109}, {56}},
      {"0x2209", {21049, 21050, 21051, 21115}, {53}}, {"ExecVPosReset", {}}, {"ExecHPosReset", {}},
      {"ExecHSizeReset", {}}, {"ExecOverScanReset", {}}}},
    {"2/6", 3, "",
     {{"0x2100", {20031, 20033, 20045}, {54}}, {"0x2101", {20034, 20032, 20044}, {54}},
      {"0x2103", {20035, 20036, 20037, 20038}, {55}}, {"0x2102", {20039, 20041, 20040}, {56}},
      {"0x2209", {20030}, {53}}, {"ExecVPosReset", {}}, {"ExecHPosReset", {}}, {"ExecHSizeReset", {}}}},
    {"1/3", 7, "",
     {{"0x2001", {21101, 21102, 21103, 21120}, {65}}, {"0x201C", {21054}}, {"0x2013", {21056}},
      {"0x2600", {21096}}, {"0x2601", {21097}}, {"0x2602", {21098}}, {"0x2608", {21055}}, {"0x2019", {21113}},
      {"0x2570", {21109}}, {"0x2410", {21110}}}},
    {"2/12", 7, "",
     {{"0x2001", {20067, 20068, 20069, 20070}, {65}}, {"0x3110", {21104, 21105, 21106, 21121}, {37}},
      {"0x3300", {20071}}}},
    {"2/6", 7, "", {{"0x2600", {20072}}, {"0x2601", {20073}}, {"0x2602", {20074}}}},
    {"1/3", 6, "",
     {{"0x3000", {21085}}, {"0x3004", {21086}}, {"0x3012", {21087}}, {"0x30C0", {21088}}, {"0x3017", {21092}},
      {"0x3016", {21089, 21091, 20021}, {62}}, {"0x3015", {21090, 21057, 20022}, {62}}}},
    {"1/3", 4, "",
     {{"0x2204", {21074}}, {"0x2017", {21075}}, {"0x2200", {21076}}, {"0x220A", {21077}}, {"0x2206", {21053}},
      {"0x2302", {21054}}, {"0x2301", {21055}}, {"0x2300", {21061}}, {"0x2303", {21056}},
      {"0x2018", {21057}, {57}}, {"0x220B", {21058}}, {"0x3014", {21059}}, {"0x2207", {21060}}}},
    {"2/12", 4, "",
     {{"0x2011", {20046}}, {"0x2200", {20055}}, {"0x2205", {20047}}, {"0x3008", {20048}}, {"0x2302", {20050}},
      {"0x2301", {20051}}, {"0x2303", {20052}}, {"0x2300", {20053}}, {"ExecAutoAdjust", {}}}},
    {"1/3", 5, "",
     {{"0x3110", {21119, 20289, 21118, 21080}, {37}}, {"0x3120", {21082}}, {"0x2016", {21083}}}},
    {"2/6", 5, "", {{"0x3110", {21119, 20057, 21118, 20058}, {37}}, {"ExecAutoKeyStone", {}}}},
    {"3/10", 1, "",
     {{"0x2003", {20078, 20079, 20080, 20081}, {58}},
      {"0x2004", {20082, 20083, 20084, 20085}, {59}}, {"0x2100", {20087, 20089, 20090}, {54}},
      {"0x2101", {20086, 20088, 20091}, {54}}, {"0x2103", {20092, 20093, 20094, 20095}, {55}},
      {"0x2102", {20096, 20098, 20097}, {56}}, {"0x2008", {20099}}, {"SetAspect", {}},
      {"0x2201", {21056, 21057, 21058, 20100}, {17}}, {"0x2202", {21059, 21060, 21061, 20101}, {60}},
      {"0x2203", {21062, 21063, 21064, 20102}, {15}}, {"0x2005", {20103, 20104, 20105, 20106}, {73}},
      {"0x2006", {21042, 21043, 21068, 20107}, {72}},
      {"ExecBrightnessReset", {}}, {"ExecContrastReset", {}}, {"ExecVPosReset", {}}, {"ExecHPosReset", {}},
      {"ExecHSizeReset", {}}, {"ExecSharpnessReset", {}}, {"ExecColorReset", {}}, {"ExecTintReset", {}},
      {"ExecColorBalRReset", {}}, {"ExecColorBalBReset", {}}}},
    {"3/15", 2, "",
     {{"0x2200", {20109}}, {"SetVideoFormat", {}}, {"0x2206", {20110}}, {"SetVideoNR", {}}, {"0x2207", {21054}},
      {"SetProgressive", {}}, {"0x2208", {21055}}, {"SetBlack", {}}, {"0x2205", {20111}}, {"SetHDTV", {}},
      {"ExecAutoAdjust", {}}}},
    {"3/15", 3, "",
     {{"0x3000", {20112}}, {"SetBlankColor", {}}, {"0x3004", {20113}}, {"SetStartup", {}}, {"0x3001", {20114}},
      {"SetMirror", {}}, {"0x30A1", {20115}}, {"SetGamma", {}}, {"0x2302", {20116}}, {"SetPinPInput", {}},
      {"0x2301", {20117}}, {"SetPinPPosition", {}}, {"0x2303", {20118}}, {"SetPinPAudio", {}},
      {"0x2300", {20119}}, {"SetPinPSize", {}}}},
    {"3/10", 4, "",
     {{"0x2001", {20120, 20121, 20122, 20123}, {65}}, {"0x3003", {20124}}, {"SetMenuColor", {}},
      {"0x3005", {20125}}, {"SetLanguage", {}}, {"0x3110", {20126, 20127, 20128, 20129}, {37}},
      {"IncrementAutoPowerOff", {}}, {"DecrementAutoPowerOff", {}}, {"0x3008", {20130}}, {"SetSyncOnG", {}},
      {"0x3300", {20072}}, {"SetWhisper", {}}, {"0x2600", {20073}}, {"SetIRFront", {}}, {"0x2601", {20074}},
      {"SetIRRear", {}}, {"0x2602", {20076}}, {"SetIRTop", {}}}},
};

// One use of every handler a user can reach: each button clicked, each list
// choosing the item it shows (so power stays as it is), each slider let go
// where it is. Close (1) and buttons that open a dialog are left alone.
void UseEveryHandler(Script& script, const OrderedJson& dump, const std::set<int>& opensDialog) {
  for (const OrderedJson& control : VisibleControls(dump)) {
    if (!Usable(control)) continue;
    const int id = control["id"];
    if (id == 1 || opensDialog.count(id)) continue;
    const std::string kind = control["kind"];
    const std::string target = " " + std::to_string(id) + " ";
    if (kind == "button" || kind == "bitmap" || kind == "check") script.Step("click" + target);
    if (kind == "list" && !control["items"].empty())
      script.Step("select" + target + std::to_string(std::max(0, control["sel"].get<int>())));
    if (kind == "slider") script.Step("slide" + target + control["pos"].dump());
  }
}

TEST(FaultSweep, AFailingSettingTouchesOnlyItsOwnControls) {
  for (const SweptPage& page : kPages) {
    for (const Fault& fault : page.faults) {
      SCOPED_TRACE(page.model + " tab " + std::to_string(page.tab) + " failing " + fault.failing);
      const std::string failing = R"("fail":[")" + fault.failing + "\"]";

      // A modal dialog reads its values when it opens: it is opened again with the fault.
      const auto reload = [&](Script& script) {
        if (page.dialogOpener == 0) return script.Reload(failing);
        script.Step("close");
        script.Step("sim " + failing);
        script.Step("click " + std::to_string(page.dialogOpener));
      };
      Script refresh(page.model, page.tab, page.openFields);
      if (page.dialogOpener) refresh.Step("click " + std::to_string(page.dialogOpener));
      const std::string before = refresh.Dump();
      reload(refresh);
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
        // A slider has no text: only disabling it says that its value is unknown.
        const bool slider = afterControls[i]["kind"] == "slider";
        EXPECT_TRUE(disabled || (!slider && (text.empty() || text == ": -")))
            << "control " << id << " still shows a value";
      }

      Script use(page.model, page.tab, page.openFields);
      if (page.dialogOpener) use.Step("click " + std::to_string(page.dialogOpener));
      reload(use);
      use.Events();
      UseEveryHandler(use, Reply(refreshed, after), page.opensDialog);
      const std::string events = use.Events();
      const auto used = use.Run();
      std::vector<std::string> allowed;
      for (int message : fault.messages) allowed.push_back(Stop(message));
      for (const std::string& box : Messages(Reply(used, events)))
        EXPECT_NE(std::find(allowed.begin(), allowed.end(), box), allowed.end()) << "unexpected box " << box;
    }
  }
}

}  // namespace
}  // namespace pages::testing
