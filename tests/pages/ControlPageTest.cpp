// The control page of types 1 to 3.
#include "tests/pages/PageTestSupport.h"

namespace pages::testing {
namespace {

constexpr int kType12Tab = 8;
constexpr int kType3Tab = 5;

TEST(ControlPage, RowsFollowTheModel) {
  const std::vector<int> keystone = {20023, 20395, 21025, 21023, 21026, 21114, 20024, 21110, 20025, 21031, 21032};
  const std::vector<int> displayPosition = {20132, 20399, 21108};
  const std::vector<int> zoomAndFocus = {20026, 20027, 21033, 21034, 21035, 21036, 20397, 20398};
  struct Case {
    const char* model;
    int tab;
    bool keystone, displayPosition, zoomAndFocus;
  };
  for (const Case& c : {Case{"1/3", kType12Tab, true, false, false}, Case{"1/16", kType12Tab, false, false, false},
                        Case{"2/6", kType12Tab, true, false, false}, Case{"3/10", kType3Tab, true, true, false},
                        Case{"3/8", kType3Tab, true, true, false}, Case{"3/15", kType3Tab, true, true, true}})
    RunCase({.model = c.model, .tab = c.tab, .actions = {"reload"},
             .calls = {"*", CalledIf(c.keystone, "Get 0x2007"), CalledIf(c.displayPosition, "Get 0x2009")},
             .controls = {Shown(keystone, c.keystone), Shown(displayPosition, c.displayPosition),
                          Shown(zoomAndFocus, c.zoomAndFocus)}});
}

TEST(ControlPage, Cases) {
  const std::string inputs = R"("host":{"inputs":[{"name":"A","code":0,"code2":1},{"name":"B","code":5,"code2":2},)"
                             R"({"name":"C","code":7,"code2":3}]})";
  const std::vector<std::string> refresh = {"Get 0x6000", "Get 0x2000", "Get 0x3020", "Get 0x2002",
                                            "Get 0x3002", "Get 0x3007", "Get 0x2007", "Get 0x200B"};
  RunCases({
      {.what = "model 8 without range texts: keystone sliders of ±48; the buttons step on to ±64",
       .model = "1/8", .tab = kType12Tab, .before = {R"(reload "set":{"0x2007":176,"0x3007":0})"},
       .actions = {"click 21026", "click 21104"}, .calls = {"Inc 0x2007"}, .boxes = {Stop(68)},
       .controls = {R"("21023":{"min":-48,"max":48})"}},
      {.what = "keystone and magnify buttons stop at their fixed bounds",
       .model = "1/8", .tab = kType12Tab, .before = {R"(reload "set":{"0x2007":192,"0x3007":48,"0x200B":64})"},
       .actions = {"click 21026", "click 21106", "click 21027"}},
      {.what = "steps and slides show what the projector took",
       .model = "3/15", .tab = kType3Tab, .actions = {"click 21026", "slide 21024 -10", "slide 21105 12"},
       .calls = {"Inc 0x2007", "Get 0x2007", "Set 0x200B=118", "Set 0x3007=12"},
       .controls = {R"("21114":{"text":"1"},"21023":{"pos":1},"21110":{"text":"-10"},"21115":{"text":"12"})"}},
      {.what = "refused changes show their message and snap back", .model = "3/15", .tab = kType3Tab,
       .actions = {R"(sim "fail":["SetKeystoneV","SetKeystoneH","0x2401","0x2400"])", "slide 21023 20",
                   "slide 21024 20", "click 21033", "click 21036"},
       .calls = {"*"}, .boxes = {Stop(25), Stop(69), Stop(70), Stop(71)},
       .controls = {R"("21023":{"pos":0},"21114":{"text":"0"},"21024":{"pos":0})"}},
      {.what = "power already on: nothing sent", .model = "1/3", .tab = kType12Tab, .actions = {"select 21029 1"},
       .calls = {"Get 0x6000"}},
      {.what = "no power change while cooling down", .model = "1/3", .tab = kType12Tab,
       .before = {R"(reload "set":{"0x6000":2})"}, .actions = {"select 21029 1"}, .calls = {"Get 0x6000"},
       .boxes = {"none: " + CatalogText(Msg(2201, 27))}, .controls = {R"("21029":{"sel":0})"}},
      {.what = "a power state that cannot be read", .model = "1/3", .tab = kType12Tab,
       .before = {R"(reload "set":{"0x6000":2})"}, .actions = {R"(sim "fail":["0x6000"])", "select 21029 1"},
       .calls = {"*"}, .boxes = {Stop(26)}, .controls = {R"("21029":{"sel":0})"}},
      {.what = "switching on rereads the page", .model = "1/3", .tab = kType12Tab,
       .before = {R"(reload "set":{"0x6000":0})"}, .actions = {"select 21029 1"},
       .calls = Then({"Get 0x6000", "SetPowerOn()"}, refresh)},
      {.what = "lists send the position or the input code; code 7 is not sent and input B stays on show",
       .model = "3/15", .tab = kType3Tab, .openFields = inputs,
       .actions = {"select 21030 1", "select 21030 2", "select 21085 1", "select 21053 1", "select 21107 1",
                   "select 21108 2"},
       .calls = {"Set 0x2000=5", "SetBlank(1)", "SetMute(1)", "SetFreeze(1)", "SetPicturePosition(2)"},
       .controls = {R"("21030":{"sel":1})"}},
      {.what = "a refused input reports and shows the projector's input", .model = "3/15", .tab = kType3Tab,
       .openFields = inputs, .before = {"select 21030 1"}, .actions = {R"(sim "fail":["0x2000"])", "select 21030 0"},
       .calls = {"Set 0x2000=0"}, .boxes = {Stop(25)}, .controls = {R"("21030":{"sel":1})"}},
      {.what = "a failed read disables the group", .model = "1/3", .tab = kType12Tab,
       .before = {R"(reload "fail":["0x3007"])"},
       .controls = {R"("21104 21105 21106":{"enabled":false},"21115":{"text":""})"}},
      {.what = "a good refresh enables it again", .model = "1/3", .tab = kType12Tab,
       .before = {R"(reload "fail":["0x3007"])", R"(reload "clear":true,"set":{"0x3007":7})"},
       .controls = {R"("21104 21105 21106":{"enabled":true},"21115":{"text":"7"})"}},
      {.what = "a done keystone reset rereads the page", .model = "1/3", .tab = kType12Tab,
       .before = {R"(sim "set":{"0x200B":140})", "select 21031 1"}, .actions = {"click 21032"},
       .calls = Then({"ExecKeyStoneHReset()"}, refresh), .controls = {R"("21110":{"text":"0"})"}},
      {.what = "a failed one does not, and says nothing; the refresh put the list back on its first item",
       .model = "1/3", .tab = kType12Tab, .before = {R"(sim "set":{"0x200B":140})", "select 21031 1", "click 21032",
                  R"(sim "fail":["ExecKeyStoneVReset"],"set":{"0x2007":150})"},
       .actions = {"click 21032"}, .calls = {"ExecKeyStoneVReset()"}},
  });
}

}  // namespace
}  // namespace pages::testing
