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
    {"3/10", 1, "",
     {{"0x2003", {20078, 20079, 20080, 20081}, {Msg(2201, 58)}},
      {"0x2004", {20082, 20083, 20084, 20085}, {Msg(2201, 59)}},
      {"0x2100", {20087, 20089, 20090}, {Msg(2201, 54)}},
      {"0x2101", {20086, 20088, 20091}, {Msg(2201, 54)}},
      {"0x2103", {20092, 20093, 20094, 20095}, {Msg(2201, 55)}},
      {"0x2102", {20096, 20098, 20097}, {Msg(2201, 56)}},
      {"0x2008", {20099}}, {"SetAspect", {}},
      {"0x2201", {21056, 21057, 21058, 20100}, {Msg(2201, 17)}},
      {"0x2202", {21059, 21060, 21061, 20101}, {Msg(2201, 60)}},
      {"0x2203", {21062, 21063, 21064, 20102}, {Msg(2201, 15)}},
      {"0x2005", {20103, 20104, 20105, 20106}, {Msg(2201, 73)}},
      {"0x2006", {21042, 21043, 21068, 20107}, {Msg(2201, 72)}},
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
     {{"0x2001", {20120, 20121, 20122, 20123}, {Msg(2201, 65)}}, {"0x3003", {20124}}, {"SetMenuColor", {}},
      {"0x3005", {20125}}, {"SetLanguage", {}}, {"0x3110", {20126, 20127, 20128, 20129}, {Msg(2201, 37)}},
      {"IncrementAutoPowerOff", {}}, {"DecrementAutoPowerOff", {}}, {"0x3008", {20130}}, {"SetSyncOnG", {}},
      {"0x3300", {20072}}, {"SetWhisper", {}}, {"0x2600", {20073}}, {"SetIRFront", {}}, {"0x2601", {20074}},
      {"SetIRRear", {}}, {"0x2602", {20076}}, {"SetIRTop", {}}}},
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
