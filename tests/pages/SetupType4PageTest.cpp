// The setup page of type 4: its model variants and rows.
#include "tests/pages/PageTable.h"

namespace pages::testing {
namespace {

const std::vector<std::string> kReads9 = {"Get 0x3300", "Get 0x3001", "Get 0x2001", "Get 0x201C", "Get 0x2600", "Get 0x2602"};
const std::vector<std::string> kReads21 = Then(kReads9, {"Get 0x2007", "Get 0x300A"});

TEST(SetupType4Page, Rows) {
  const std::string noRanges = R"("host":{"ranges":{}})";
  CheckRows({
      // models 9 and 22: volume to 48, no keystone, zoom, audio or reset rows
      {"4/9", 5, noRanges, "", {}, kReads9, {},
       {{20245, "max", 48}, {20250, "visible", false}, {20254, "visible", false}, {21048, "visible", false},
        {21051, "visible", false}, {20242, "items", {CatalogText(Msg(5, 25)), CatalogText(Msg(5, 26))}}}},
      // model 21: volume to 32, keystone and electric zoom with both resets; "Bright" ends the whisper names
      {"4/21", 4, noRanges, R"("set":{"0x3300":2})", {}, kReads21, {},
       {{20245, "max", 32}, {20250, "min", -128}, {20250, "max", 127}, {21048, "min", 80}, {20254, "count", 2},
        {20242, "items", {CatalogText(Msg(5, 27)), CatalogText(Msg(5, 26))}}, {20242, "sel", 0}}},
      {"4/21", 4, R"("host":{"model":24})", "", {}, Then(kReads9, {"Get 0x2007", "Get 0x2030", "Get 0x2034", "Get 0x2031",
                                                                   "Get 0x2032", "Get 0x2035"}), {},
       {{20254, "count", 1}, {21048, "visible", false}, {21051, "visible", true}}},
      // bounds: volume at the slider's end, keystone at +127; keystone travels as shown + 128
      {"4/9", 5, noRanges, R"("set":{"0x2001":48})", {ClickOn(20246)}, {}, {}, {}},
      {"4/21", 4, "", R"("set":{"0x2007":255})", {ClickOn(20251), ClickOn(20249), SlideTo(20250, -10)},
       {"Dec 0x2007", "Get 0x2007", "Set 0x2007=118"}, {}, {{20252, "text", "-10"}}},
      {"4/21", 4, "", "", {Choose(20242, 1), ClickOn(20247), Choose(21034, 1), Choose(20243, 3)},
       {"SetWhisper(1)", "SetIRFront(0)", "SetStereo(1)", "SetMirror(3)"}, {}, {}},
      {"4/21", 4, "", "", {Choose(20254, 1), ClickOn(20255)}, Then({"ExecElectricZoomReset()"}, kReads21), {}, {}},
  });
}

}  // namespace
}  // namespace pages::testing
