// The screen, input, auto and setup pages of types 1 and 2, as tables of
// cases: one row per distinct behaviour.
#include "tests/pages/PageCases.h"

namespace pages::testing {
namespace {

constexpr int kSetupTab = 7;

TEST(Type1SetupPage, Cases) {
  const std::vector<PageCase> cases = {
      {.what = "the refresh shows every value; the ranges come from the model, the buttons stop at 0 and 32",
       .model = "1/3", .tab = kSetupTab,
       .before = {R"(reload "set":{"0x2001":32,"0x2600":0,"0x2608":2,"0x2570":5,"0x2013":3})"},
       .actions = {"click 21103"},
       .controls = R"({"21102":{"min":0,"max":32,"tick":2,"pos":32},"21120":{"text":"32"},"21096":{"check":0},
                      "21097":{"check":1},"21055":{"sel":2,"items":["All","1","2","3"]},
                      "21109":{"sel":5,"items":["All","1","2","3","4","5"]},"21056":{"sel":3}})"},
      {.what = "without a range text the slider runs 0..32; minus at 0 sends nothing",
       .model = "1/3", .tab = kSetupTab, .before = {R"(reload "set":{"0x2001":0})"},
       .actions = {"click 21101"},
       .controls = R"({"21102":{"min":0,"max":32}})", .openFields = R"("host":{"ranges":{}})"},
      {.what = "a narrower slider range does not move the buttons' bound",
       .model = "1/3", .tab = kSetupTab, .before = {R"(reload "set":{"0x2001":20})"},
       .actions = {"click 21103"},
       .calls = {"Inc 0x2001"}, .boxes = {StopBox(Msg(2201, 65))}, .controls = R"({"21102":{"max":20,"pos":20}})",
       .openFields = R"("host":{"ranges":{"21":"0,20"}})"},
      {.what = "a step and a slide show what the projector took",
       .model = "1/3", .tab = kSetupTab, .actions = {"click 21101", "slide 21102 9"},
       .calls = {"Dec 0x2001", "Get 0x2001", "Set 0x2001=9"}, .controls = R"({"21120":{"text":"9"},"21102":{"pos":9}})"},
      {.what = "a refused step or slide shows its message and snaps back",
       .model = "1/3", .tab = kSetupTab, .actions = {R"(sim "fail":["0x2001"])", "click 21103", "slide 21102 3"},
       .calls = {"Inc 0x2001", "Set 0x2001=3"},
       .boxes = {StopBox(Msg(2201, 65)), StopBox(Msg(2201, 65))},
       .controls = R"({"21120":{"text":"16"},"21102":{"pos":16}})"},
      {.what = "lists send their position, receivers the new check state, without a message when refused",
       .model = "1/3", .tab = kSetupTab,
       .actions = {R"(sim "fail":["SetLensLock"])", "select 21054 1", "select 21056 2", "check 21097 0",
                   "select 21055 2", "select 21113 1", "select 21109 4", "select 21110 1"},
       .calls = {"SetSpeaker(1)", "SetScreenType(2)", "SetIRRear(0)", "SetIPRemoteID(2)", "SetAutoAdjustEnable(1)",
                 "SetLensType(4)", "SetLensLock(1)"}},
      {.what = "a failed read disables its controls and empties the box until a good refresh",
       .model = "1/3", .tab = kSetupTab,
       .before = {R"(reload "fail":["0x2001","0x2601"])", R"(reload "clear":true,"set":{"0x2001":7})"},
       .controls = R"({"21101":{"enabled":true},"21102":{"enabled":true},"21120":{"text":"7"},
                                        "21097":{"enabled":true}})"},
  };
  for (const PageCase& c : cases) RunCase(c);
}

}  // namespace
}  // namespace pages::testing
