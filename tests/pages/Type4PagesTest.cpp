// The input, signal, option (with its auto power off group) and setup pages of type 4.
#include "tests/pages/PageTestSupport.h"

namespace pages::testing {
namespace {

TEST(InputType4Page, Cases) {
  RunCases({
      {.model = "4/22", .tab = 3, .actions = {R"(reload "set":{"0x2206":1,"0x220A":2})"},
       .calls = {"Get 0x2207", "Get 0x220A", "Get 0x2206"},
       .controls = {R"("20220":{"sel":0},"20111":{"sel":2},"20221":{"items":["@5/30","TV","FILM"]})"}},
      {.model = "4/9", .tab = 3, .actions = {"select 20220 2", "select 20221 1", "select 20111 0"},
       .calls = {"SetVideoNR(2,1)", "SetProgressive(1)", "Set3DYCS(0)"}},
  });
}

TEST(SignalType4Page, Cases) {
  RunCases({
      {.model = "4/21", .tab = 3, .actions = {R"(reload "set":{"0x2200":2})"},
       .calls = {"Get 0x2204", "Get 0x2017", "Get 0x2200", "Get 0x3014", "Get 0x2020"},
       .controls = {R"("20222":{"items":["@5/98","RGB","SMPTE240","REC709","REC601"]},
                      "20224":{"sel":4,"items":["@5/98","NTSC","PAL","SECAM","NTSC 4.43","M-PAL","N-PAL"]})"}},
      {.model = "4/9", .tab = 4,
       .actions = {"select 20224 2", "select 20222 1", "select 20223 1", "select 20225 1", "select 21060 0"},
       .calls = {"SetVideoFormat(2)", "SetColorSpace(1)", "SetComponent(1)", "SetFrameLock(1)", "SetDVI(0)"}},
  });
}

const std::vector<std::string> kOptionReads = {"Get 0x200E", "Get 0x2016", "Get 0x2019", "Get 0x3110"};

TEST(OptionType4Page, Cases) {
  RunCases({
      {.model = "4/21", .tab = 6, .openFields = R"("host":{"ranges":{}})",
       .actions = {R"(reload "set":{"0x200E":1,"0x3110":5})"}, .calls = kOptionReads,
       .controls = {R"("20258":{"sel":1},"20287":{"max":99,"tick":8},"20263":{"text":"5"})"}},
      {.what = "the buttons hand the value over and show what comes back",
       .model = "4/9", .tab = 7, .before = {R"(reload "set":{"0x3110":5})"}, .actions = {"click 20262"},
       .calls = {"IncrementAutoPowerOff(5)"}, .controls = {R"("20263":{"text":"6"},"20287":{"pos":6})"}},
      {.what = "the same value back changes nothing",
       .model = "4/9", .tab = 7, .before = {R"(reload "set":{"0x3110":0})"}, .actions = {"click 20261"},
       .calls = {"DecrementAutoPowerOff(0)"}, .controls = {R"("20263":{"text":"0"},"20287":{"pos":0})"}},
      {.what = "a refused slide reports and snaps back",
       .model = "4/9", .tab = 7, .before = {R"(reload "set":{"0x3110":5})"},
       .actions = {R"(sim "set":{"0x6000":0})", "slide 20287 40"}, .calls = {"Set 0x3110=40"}, .boxes = {Stop(37)},
       .controls = {R"("20287":{"pos":5},"20263":{"text":"5"})"}},
      {.what = "a failed read disables the buttons and the slider",
       .model = "4/9", .tab = 7, .actions = {R"(reload "fail":["0x3110"])"}, .calls = kOptionReads,
       .controls = {R"("20261 20287 20262":{"enabled":false},"20263":{"text":""})"}},
      {.what = "the next good refresh enables them",
       .model = "4/9", .tab = 7, .before = {R"(reload "fail":["0x3110"])"}, .actions = {R"(reload "clear":true)"},
       .calls = kOptionReads, .controls = {R"("20261 20287 20262":{"enabled":true})"}},
      {.model = "4/9", .tab = 7, .actions = {"select 20258 1", "select 20259 0", "select 20260 1"},
       .calls = {"SetOneTouch(1)", "SetAutoSearch(0)", "SetAutoAdjustEnable(1)"}},
  });
}

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
