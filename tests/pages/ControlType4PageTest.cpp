// The control page of types 4 and 5.
#include "tests/pages/PageTestSupport.h"

namespace pages::testing {
namespace {

std::vector<std::string> Texts(std::initializer_list<int> numbers) {
  std::vector<std::string> texts;
  for (int number : numbers) texts.push_back(CatalogText(Msg(5, number)));
  return texts;
}

TEST(ControlType4Page, RowsAndModesFollowTheModel) {
  const std::vector<int> keystone = {20264, 20276, 20285, 20277, 20278, 20265, 20280,
                                     20282, 20026, 20267, 20266, 20283, 20284, 20395};
  struct Case {
    const char* model;
    int tab;
    const char* openFields;
    bool keystone, focus, quickPic;
    std::vector<std::string> modes;
    std::vector<int> modeData;
  };
  const std::vector<Case> cases = {
      {"4/9", 8, "", true, false, false, Texts({200, 201, 202, 206}), {0, 1, 4, 16}},
      {"4/21", 7, R"("host":{"option2":true})", false, false, true, Texts({200, 201, 202, 206}), {0, 1, 4, 16}},
      {"5/36", 7, R"("host":{"option2":false})", false, false, false, Texts({200, 201, 202, 203, 204, 205, 206}),
       {0, 1, 4, 32, 33, 34, 16}},
      {"5/44", 7, "", false, true, true, Texts({200, 201, 202, 203, 204, 205, 207, 206}), {0, 1, 4, 32, 33, 34, 64, 16}},
  };
  for (const Case& c : cases)
    RunCase({.model = c.model, .tab = c.tab, .openFields = c.openFields, .actions = {"reload"},
             .calls = {"*", CalledIf(c.quickPic, "Get 0x3500")},
             .controls = {Shown(keystone, c.keystone), Shown({20027, 20398, 21034, 21036}, c.focus),
                          Shown({20287, 20401, 20288}, c.quickPic), Is(21033, "items", c.modes),
                          Is(21033, "data", c.modeData),
                          Is(20382, "text", CatalogText(c.modes.size() > 4 ? Msg(4, 171) : Msg(4, 110)))}});
}

TEST(ControlType4Page, Cases) {
  RunCases({
      {.what = "custom mode is shown", .model = "4/9", .tab = 8, .before = {R"(reload "set":{"0x30BA":16})"},
       .controls = {R"("21033":{"sel":3})"}},
      {.what = "custom mode cannot be chosen: nothing sent, back on the projector's mode", .model = "4/9", .tab = 8,
       .before = {R"(reload "set":{"0x30BA":16})"}, .actions = {"select 21033 1", "select 21033 3"},
       .calls = {"Set 0x30BA=1", "Get 0x30BA"}, .controls = {R"("21033":{"sel":1})"}},
      {.what = "an unknown mode leaves the list as it was", .model = "4/9", .tab = 8,
       .before = {"select 21033 1", R"(reload "set":{"0x30BA":99})"}, .controls = {R"("21033":{"sel":1})"}},
      {.model = "4/9", .tab = 8, .actions = {R"(sim "fail":["0x30BA"])", "select 21033 2"}, .calls = {"*"},
       .boxes = {Stop(66)}},
      {.what = "keystone reports slides and steps with their own messages", .model = "4/9", .tab = 8,
       .actions = {R"(sim "fail":["SetKeystoneV","IncrementKeystoneV"])", "slide 20285 30", "click 20277"},
       .calls = {"*"}, .boxes = {Stop(25), Stop(68)}, .controls = {R"("20285":{"pos":0})"}},
      {.what = "keystone stops at -64", .model = "4/9", .tab = 8, .before = {R"(reload "set":{"0x2007":64})"},
       .actions = {"click 20276"}},
      {.what = "quick picture and focus", .model = "5/44", .tab = 7, .actions = {"select 20288 2", "click 21034"},
       .calls = {"Set 0x3500=2", "Dec 0x2400"}},
      {.model = "5/44", .tab = 7, .actions = {R"(sim "fail":["0x3500","0x2400"])", "select 20288 1", "click 21036"},
       .calls = {"*"}, .boxes = {Stop(80), Stop(71)}},
      {.what = "cooling down shows off and refuses every power choice", .model = "4/21", .tab = 7,
       .before = {R"(reload "set":{"0x6000":2})"}, .actions = {"select 20268 0", "select 20268 1"},
       .calls = {"Get 0x6000", "Get 0x6000"},
       .boxes = {"none: " + CatalogText(Msg(2201, 27)), "none: " + CatalogText(Msg(2201, 27))},
       .controls = {R"("20268":{"sel":0})"}},
  });
}

}  // namespace
}  // namespace pages::testing
