// The image page of types 4 and 5.
#include "tests/pages/PageTable.h"

namespace pages::testing {
namespace {

const std::vector<std::string> kReads = {"Get 0x2008", "Get 0x2209", "Get 0x2100", "Get 0x2101", "Get 0x2103", "Get 0x2102"};

TEST(ImagePage, Rows) {
  const std::string powerOff = Cmd("sim", R"("set":{"0x6000":0})");
  CheckRows({
      // over scan as read on type 4, less 90 on type 5; the arrows carry their images
      {"4/21", 2, "", R"("set":{"0x2209":95})", {}, kReads, {},
       {{20049, "text", "95"}, {20047, "pos", 95}, {20202, "bitmap", 22157}, {20201, "bitmap", 22156},
        {20203, "bitmap", 22154}, {20204, "bitmap", 22155}}},
      {"5/36", 2, "", R"("set":{"0x2209":95})", {}, kReads, {}, {{20049, "text", "5"}, {20047, "pos", 95}}},
      // aspect: no codes, no list and no read; a value outside the table selects nothing; the position is sent
      {"4/21", 2, R"("host":{"aspect":[]})", "", {}, {kReads.begin() + 1, kReads.end()}, {},
       {{20200, "enabled", false}, {20200, "count", 0}}},
      {"4/9", 2, "", R"("set":{"0x2008":4})", {}, kReads, {}, {{20200, "sel", -1}}},
      // over scan steps only between 90 and 100, whatever range the slider has
      {"4/21", 2, R"("host":{"ranges":{"15":"80,110"}})", R"("set":{"0x2209":100})", {ClickOn(20048)}, {}, {}, {}},
      {"5/36", 2, "", R"("set":{"0x2209":90})", {ClickOn(20046), ClickOn(20048)}, {"Inc 0x2209", "Get 0x2209"}, {},
       {{20049, "text", "1"}, {20047, "pos", 91}}},
      // H phase "+" stops at the range text's maximum
      {"4/21", 2, R"("host":{"ranges":{"16":"0,63"}})", R"("set":{"0x2103":62})", {ClickOn(20208), ClickOn(20208)},
       {"Inc 0x2103", "Get 0x2103"}, {}, {{20210, "text", "63"}, {20209, "pos", 63}}},
      // the left arrow raises the H position and the right one lowers it; no bound of the page's own
      {"4/9", 2, "", "", {ClickOn(20201), ClickOn(20203), ClickOn(20203)},
       {"Inc 0x2101", "Get 0x2101", "Dec 0x2101", "Get 0x2101", "Dec 0x2101", "Get 0x2101"}, {}, {{20206, "text", "127"}}},
      {"4/9", 2, "", R"("set":{"0x2100":255})", {ClickOn(20202)}, {"Inc 0x2100"}, {StopBox(Msg(2201, 54))},
       {{20205, "text", "255"}}},
      // a refused slide snaps back to the last accepted value
      {"5/36", 2, "", "", {powerOff, SlideTo(20047, 98)}, {"Set 0x2209=98"}, {StopBox(Msg(2201, 53))},
       {{20047, "pos", 95}, {20049, "text", "5"}}},
      // the next good refresh enables a row that a failed read disabled
      {"4/21", 2, "", R"("fail":["0x2100"])", {Cmd("sim", R"("clear":true)"), Cmd("tab", R"("index":2)")}, kReads, {},
       {{20202, "enabled", true}, {20204, "enabled", true}, {20205, "text", "128"}}},
      // a done reset refreshes the page; auto adjust reads nothing back
      {"4/21", 2, "", "", {Choose(20214, 3), ClickOn(20216), ClickOn(20215), Choose(20200, 2)},
       Then(Then({"ExecHSizeReset()"}, kReads), {"ExecAutoAdjust()", "SetAspect(2)"}), {}, {}},
  });
}

}  // namespace
}  // namespace pages::testing
