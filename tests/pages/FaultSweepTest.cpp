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
    {"1/3", 7, "",
     {{"0x2001", {21101, 21102, 21103, 21120}, {Msg(2201, 65)}}, {"0x201C", {21054}}, {"0x2013", {21056}},
      {"0x2600", {21096}}, {"0x2601", {21097}}, {"0x2602", {21098}}, {"0x2608", {21055}}, {"0x2019", {21113}},
      {"0x2570", {21109}}, {"0x2410", {21110}}}},
    {"2/12", 7, "",
     {{"0x2001", {20067, 20068, 20069, 20070}, {Msg(2201, 65)}},
      {"0x3110", {21104, 21105, 21106, 21121}, {Msg(2201, 37)}},
      {"0x3300", {20071}}}},
    {"2/6", 7, "", {{"0x2600", {20072}}, {"0x2601", {20073}}, {"0x2602", {20074}}}},
    {"1/3", 6, "",
     {{"0x3000", {21085}}, {"0x3004", {21086}}, {"0x3012", {21087}}, {"0x30C0", {21088}}, {"0x3017", {21092}},
      {"0x3016", {21089, 21091, 20021}, {Msg(2201, 62)}}, {"0x3015", {21090, 21057, 20022}, {Msg(2201, 62)}}}},
    {"1/3", 4, "",
     {{"0x2204", {21074}}, {"0x2017", {21075}}, {"0x2200", {21076}}, {"0x220A", {21077}}, {"0x2206", {21053}},
      {"0x2302", {21054}}, {"0x2301", {21055}}, {"0x2300", {21061}}, {"0x2303", {21056}},
      {"0x2018", {21057}, {Msg(2201, 57)}}, {"0x220B", {21058}}, {"0x3014", {21059}}, {"0x2207", {21060}}}},
    {"2/12", 4, "",
     {{"0x2011", {20046}}, {"0x2200", {20055}}, {"0x2205", {20047}}, {"0x3008", {20048}}, {"0x2302", {20050}},
      {"0x2301", {20051}}, {"0x2303", {20052}}, {"0x2300", {20053}}, {"ExecAutoAdjust", {}}}},
    {"1/3", 5, "",
     {{"0x3110", {21119, 20289, 21118, 21080}, {Msg(2201, 37)}}, {"0x3120", {21082}}, {"0x2016", {21083}}}},
    {"2/6", 5, "", {{"0x3110", {21119, 20057, 21118, 20058}, {Msg(2201, 37)}}, {"ExecAutoKeyStone", {}}}},
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
