// The setup page of type 4: its model variants and rows.
#include "tests/pages/PageTestSupport.h"

namespace pages::testing {
namespace {

const std::vector<std::string> kReads9 = {"Get 0x3300", "Get 0x3001", "Get 0x2001", "Get 0x201C", "Get 0x2600", "Get 0x2602"};

TEST(SetupType4Page, Cases) {
  const std::string noRanges = R"("host":{"ranges":{}})";
  const std::vector<std::string> reads21 = Then(kReads9, {"Get 0x2007", "Get 0x300A"});
  RunCases({
      {.what = "models 9 and 22: volume to 48, no keystone, zoom, audio or reset rows",
       .model = "4/9", .tab = 5, .openFields = noRanges, .actions = {"reload"}, .calls = kReads9,
       .controls = {R"("20245":{"max":48},"20250 20254 21048 21051":{"visible":false},
                      "20242":{"items":["@5/25","@5/26"]})"}},
      {.what = "model 21: volume to 32, keystone and electric zoom with both resets; Bright ends the whisper names",
       .model = "4/21", .tab = 4, .openFields = noRanges, .actions = {R"(reload "set":{"0x3300":2})"}, .calls = reads21,
       .controls = {R"("20245":{"max":32},"20250":{"min":-128,"max":127},"21048":{"min":80},"20254":{"count":2},
                      "20242":{"items":["@5/27","@5/26"],"sel":0})"}},
      {.what = "model 24: audio rows, one reset",
       .model = "4/21", .tab = 4, .openFields = R"("host":{"model":24})", .actions = {"reload"},
       .calls = Then(kReads9, {"Get 0x2007", "Get 0x2030", "Get 0x2034", "Get 0x2031", "Get 0x2032", "Get 0x2035"}),
       .controls = {R"("20254":{"count":1},"21048":{"visible":false},"21051":{"visible":true})"}},
      {.what = "volume stops at the slider's end",
       .model = "4/9", .tab = 5, .openFields = noRanges, .before = {R"(reload "set":{"0x2001":48})"},
       .actions = {"click 20246"}},
      {.what = "keystone stops at +127 and travels as shown + 128",
       .model = "4/21", .tab = 4, .before = {R"(reload "set":{"0x2007":255})"},
       .actions = {"click 20251", "click 20249", "slide 20250 -10"},
       .calls = {"Dec 0x2007", "Get 0x2007", "Set 0x2007=118"}, .controls = {R"("20252":{"text":"-10"})"}},
      {.model = "4/21", .tab = 4, .actions = {"select 20242 1", "click 20247", "select 21034 1", "select 20243 3"},
       .calls = {"SetWhisper(1)", "SetIRFront(0)", "SetStereo(1)", "SetMirror(3)"}},
      {.model = "4/21", .tab = 4, .actions = {"select 20254 1", "click 20255"},
       .calls = Then({"ExecElectricZoomReset()"}, reads21)},
  });
}

}  // namespace
}  // namespace pages::testing
