// The option page of type 4, and the auto power off group.
#include "tests/pages/PageTable.h"

namespace pages::testing {
namespace {

const std::vector<std::string> kReads = {"Get 0x200E", "Get 0x2016", "Get 0x2019", "Get 0x3110"};

TEST(OptionType4Page, Rows) {
  CheckRows({
      {"4/21", 6, R"("host":{"ranges":{}})", R"("set":{"0x200E":1,"0x3110":5})", {}, kReads, {},
       {{20258, "sel", 1}, {20287, "max", 99}, {20287, "tick", 8}, {20263, "text", "5"}}},
      // the buttons hand the value over and show what comes back; the same value changes nothing
      {"4/9", 7, "", R"("set":{"0x3110":5})", {ClickOn(20262)}, {"IncrementAutoPowerOff(5)"}, {},
       {{20263, "text", "6"}, {20287, "pos", 6}}},
      {"4/9", 7, "", R"("set":{"0x3110":0})", {ClickOn(20261)}, {"DecrementAutoPowerOff(0)"}, {},
       {{20263, "text", "0"}, {20287, "pos", 0}}},
      // a refused slide reports and snaps back
      {"4/9", 7, "", R"("set":{"0x3110":5})", {Cmd("sim", R"("set":{"0x6000":0})"), SlideTo(20287, 40)},
       {"Set 0x3110=40"}, {StopBox(Msg(2201, 37))}, {{20287, "pos", 5}, {20263, "text", "5"}}},
      // a failed read disables the buttons and the slider; the next good refresh enables them
      {"4/9", 7, "", R"("fail":["0x3110"])", {}, kReads, {},
       {{20261, "enabled", false}, {20287, "enabled", false}, {20262, "enabled", false}, {20263, "text", ""}}},
      {"4/9", 7, "", R"("fail":["0x3110"])", {Cmd("sim", R"("clear":true)"), Cmd("tab", R"("index":7)")}, kReads, {},
       {{20261, "enabled", true}, {20287, "enabled", true}, {20262, "enabled", true}}},
      {"4/9", 7, "", "", {Choose(20258, 1), Choose(20259, 0), Choose(20260, 1)},
       {"SetOneTouch(1)", "SetAutoSearch(0)", "SetAutoAdjustEnable(1)"}, {}, {}},
  });
}

}  // namespace
}  // namespace pages::testing
