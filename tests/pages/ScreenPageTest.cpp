// The screen page of types 4 and 5.
#include "tests/pages/PageTestSupport.h"

namespace pages::testing {
namespace {

const std::vector<std::string> kReads5 = {"Get 0x3005", "Get 0x3016", "Get 0x3015", "Get 0x3000",
                                          "Get 0x3004", "Get 0x30C0", "Get 0x3017"};
const std::vector<std::string> kReads4 = {"Get 0x3005", "Get 0x3016", "Get 0x3015", "Get 0x3018", "Get 0x3000",
                                          "Get 0x3004", "Get 0x30C0", "Get 0x3017"};

TEST(ScreenPage, Type45Cases) {
  RunCases({
      {.what = "17 languages; blank colours by code; the arrows carry their images",
       .model = "4/21", .tab = 5, .actions = {R"(reload "set":{"0x3004":32,"0x3000":4})"}, .calls = kReads4,
       .controls = {R"("20226":{"count":17},"21086":{"sel":2},"20237":{"sel":-1},"20227":{"bitmap":22157},
                      "20228":{"bitmap":22156},"20229":{"bitmap":22154},"20230":{"bitmap":22155},
                      "20386":{"rect":[15,167,108,13]})"}},
      {.what = "15 languages on models 11 to 13",
       .model = "4/21", .tab = 5, .openFields = R"("host":{"model":11})", .actions = {"reload"}, .calls = kReads4,
       .controls = {R"("20226":{"count":15})"}},
      {.what = "type 5: no OSD brightness, read or shown; the four rows below it sit 35 pixels higher",
       .model = "5/36", .tab = 5, .actions = {R"(reload "set":{"0x3000":32})"}, .calls = kReads5,
       .controls = {R"("20237":{"sel":3},"20234 20236 20385":{"visible":false},"20386":{"rect":[15,132,108,13]},
                      "20239":{"rect":[138,225,144,98]})"}},
      {.what = "blank colours send their codes, start-up and the other lists the position", .model = "4/9", .tab = 6,
       .actions = {"select 20237 4", "select 21086 2", "select 20226 9", "select 20238 1", "select 20239 0"},
       .calls = {"SetBlankColor(64)", "SetStartup(2)", "SetLanguage(9)", "SetMyScreenLock(1)", "SetMessage(0)"}},
      {.what = "the right arrow raises the H menu position, the left one lowers it",
       .model = "5/36", .tab = 5, .actions = {"click 20229", "click 20227", "click 20228", "click 20228"},
       .calls = {"Inc 0x3015", "Get 0x3015", "Inc 0x3016", "Get 0x3016", "Dec 0x3015", "Get 0x3015", "Dec 0x3015",
                 "Get 0x3015"},
       .controls = {R"("20232":{"text":"127"},"20231":{"text":"129"})"}},
      {.what = "OSD brightness: refused steps and slides report and snap back",
       .model = "4/21", .tab = 5, .before = {R"(reload "set":{"0x3018":5})"},
       .actions = {"click 20235", "slide 20234 1", R"(sim "set":{"0x6000":0})", "slide 20234 2"},
       .calls = {"Inc 0x3018", "Set 0x3018=1", "Set 0x3018=2"}, .boxes = {Stop(63), Stop(63)},
       .controls = {R"("20234":{"pos":1},"20236":{"text":"1"})"}},
      {.model = "5/36", .tab = 5, .actions = {"select 20240 1", "click 20241"},
       .calls = Then({"ExecMenuPositionHReset()"}, kReads5)},
  });
}

}  // namespace
}  // namespace pages::testing
