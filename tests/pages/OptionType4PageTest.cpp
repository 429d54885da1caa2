// The option page of type 4, and the auto power off group.
#include "tests/pages/PageTestSupport.h"

namespace pages::testing {
namespace {

const std::vector<std::string> kReads = {"Get 0x200E", "Get 0x2016", "Get 0x2019", "Get 0x3110"};

TEST(OptionType4Page, Cases) {
  RunCases({
      {.model = "4/21", .tab = 6, .openFields = R"("host":{"ranges":{}})",
       .actions = {R"(reload "set":{"0x200E":1,"0x3110":5})"}, .calls = kReads,
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
       .model = "4/9", .tab = 7, .actions = {R"(reload "fail":["0x3110"])"}, .calls = kReads,
       .controls = {R"("20261 20287 20262":{"enabled":false},"20263":{"text":""})"}},
      {.what = "the next good refresh enables them",
       .model = "4/9", .tab = 7, .before = {R"(reload "fail":["0x3110"])"}, .actions = {R"(reload "clear":true)"},
       .calls = kReads, .controls = {R"("20261 20287 20262":{"enabled":true})"}},
      {.model = "4/9", .tab = 7, .actions = {"select 20258 1", "select 20259 0", "select 20260 1"},
       .calls = {"SetOneTouch(1)", "SetAutoSearch(0)", "SetAutoAdjustEnable(1)"}},
  });
}

}  // namespace
}  // namespace pages::testing
