// The screen page of types 4 and 5.
#include "tests/pages/PageTable.h"

namespace pages::testing {
namespace {

const std::vector<std::string> kReads5 = {"Get 0x3005", "Get 0x3016", "Get 0x3015", "Get 0x3000",
                                          "Get 0x3004", "Get 0x30C0", "Get 0x3017"};
const std::vector<std::string> kReads4 = {"Get 0x3005", "Get 0x3016", "Get 0x3015", "Get 0x3018", "Get 0x3000",
                                          "Get 0x3004", "Get 0x30C0", "Get 0x3017"};

TEST(ScreenPage, Rows) {
  CheckRows({
      // 17 languages, 15 on models 11 to 13; the arrows carry their images
      {"4/21", 5, "", R"("set":{"0x3004":32,"0x3000":4})", {}, kReads4, {},
       {{20226, "count", 17}, {21086, "sel", 2}, {20237, "sel", -1}, {20227, "bitmap", 22157}, {20228, "bitmap", 22156},
        {20229, "bitmap", 22154}, {20230, "bitmap", 22155}, {20386, "rect", {15, 167, 108, 13}}}},
      {"4/21", 5, R"("host":{"model":11})", "", {}, kReads4, {}, {{20226, "count", 15}}},
      // type 5: no OSD brightness, read or shown; the four rows below it sit 35 pixels higher
      {"5/36", 5, "", R"("set":{"0x3000":32})", {}, kReads5, {},
       {{20237, "sel", 3}, {20234, "visible", false}, {20236, "visible", false}, {20385, "visible", false},
        {20386, "rect", {15, 132, 108, 13}}, {20239, "rect", {138, 225, 144, 98}}}},
      // blank colours send their codes, start-up and the other lists the position
      {"4/9", 6, "", "", {Choose(20237, 4), Choose(21086, 2), Choose(20226, 9), Choose(20238, 1), Choose(20239, 0)},
       {"SetBlankColor(64)", "SetStartup(2)", "SetLanguage(9)", "SetMyScreenLock(1)", "SetMessage(0)"}, {}, {}},
      // the right arrow raises the H menu position, the left one lowers it
      {"5/36", 5, "", "", {ClickOn(20229), ClickOn(20227), ClickOn(20228), ClickOn(20228)},
       {"Inc 0x3015", "Get 0x3015", "Inc 0x3016", "Get 0x3016", "Dec 0x3015", "Get 0x3015", "Dec 0x3015", "Get 0x3015"}, {},
       {{20232, "text", "127"}, {20231, "text", "129"}}},
      // OSD brightness: refused steps and slides report and snap back
      {"4/21", 5, "", R"("set":{"0x3018":5})", {ClickOn(20235), SlideTo(20234, 1), Cmd("sim", R"("set":{"0x6000":0})"),
                                               SlideTo(20234, 2)},
       {"Inc 0x3018", "Set 0x3018=1", "Set 0x3018=2"}, {StopBox(Msg(2201, 63)), StopBox(Msg(2201, 63))},
       {{20234, "pos", 1}, {20236, "text", "1"}}},
      {"5/36", 5, "", "", {Choose(20240, 1), ClickOn(20241)}, Then({"ExecMenuPositionHReset()"}, kReads5), {}, {}},
  });
}

}  // namespace
}  // namespace pages::testing
