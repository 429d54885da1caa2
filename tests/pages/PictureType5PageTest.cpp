// The type-5 picture page.
#include "tests/pages/PageTestSupport.h"

namespace pages::testing {
namespace {

TEST(PictureType5Page, ModeListsAndTheirCustomButtonsFollowTheCodes) {
  struct Case {
    const char *host, *sim;
    int gammaSel, colorTempSel;
    bool gammaList, gammaCustom, colorTempCustom;
  };
  for (const Case& c : {Case{"", R"("set":{"0x30A1":21,"0x30B0":17})", 6, 3, true, true, true},
                        Case{"", R"("set":{"0x30A1":22,"0x30B0":3})", 7, 0, true, false, false},
                        Case{"", R"("set":{"0x30A1":99,"0x30B0":99})", -1, -1, true, false, false},
                        Case{"", R"("fail":["0x30A1","0x30B0"])", 0, 0, false, false, false},
                        Case{R"("host":{"gamma":[]})", R"("set":{"0x30B0":17})", -1, 3, false, false, true}})
    RunCase({.model = *c.host ? "5/36" : "5/31", .tab = 1, .openFields = c.host,
             .actions = {std::string("reload ") + c.sim}, .calls = {"*", CalledIf(!*c.host, "Get 0x30A1")},
             .controls = {Is(20142, "sel", c.gammaSel), Is(20144, "sel", c.colorTempSel),
                          Is(20142, "enabled", c.gammaList), Is(20133, "enabled", c.gammaCustom),
                          Is(20143, "enabled", c.colorTempCustom)}});
}

TEST(PictureType5Page, Cases) {
  RunCases({
      {.what = "items, ranges, steps at their ends (brightness + at 22, sharpness - at 2) and slides",
       .model = "5/44", .tab = 1, .openFields = R"("host":{"ranges":{"17":"100,150","26":"126,129"}})",
       .before = {R"(reload "set":{"0x2003":150,"0x2201":126})"},
       .actions = {"click 20135", "click 20148", "click 20134", "slide 20152 3"},
       .calls = {"Dec 0x2003", "Get 0x2003", "SetSharpness(127)"},
       .controls = {R"("20144":{"items":["High","Middle","Low","@5/255","7500K","9300K","Custom 1","Custom 2"]},
                      "20136":{"min":-28,"max":22},"20152":{"min":2,"max":5},
                      "20151":{"min":-32,"max":32},"20329":{"text":"21"},"20333":{"text":"3"})"}},
      {.what = "refusals snap back and only steps and lists say so; a refused My Memory does not refresh, a reset does",
       .model = "5/31", .tab = 1, .before = {R"(reload "set":{"0x30A1":22})"},
       .actions = {R"(sim "fail":["SetContrast","0x2202","0x30B0","0x3304","SetGamma","SetMyMemory","ExecTintReset"])",
                   "slide 20138 20", "click 20149", "select 20144 1", "select 20293 2", "select 20142 0",
                   "click 21065", "select 20157 3", "click 21070"},
       .calls = {"SetContrast(148)", "Inc 0x2202", "Set 0x30B0=2", "Set 0x3304=17", "SetGamma(0)", "SetMyMemory(0)",
                 "ExecTintReset()", "Get 0x2003", "Get 0x2004", "Get 0x30A1", "Get 0x30B0", "Get 0x2202", "Get 0x2203",
                 "Get 0x2201", "Get 0x3304"}, .boxes = {Stop(60), Stop(61), Stop(78)},
       .controls = {R"("20138":{"pos":0})"}},
      {.what = "a gamma choice's result is not looked at: Custom follows the code chosen", .model = "5/31", .tab = 1,
       .before = {R"(reload "set":{"0x30A1":22})"}, .actions = {R"(sim "fail":["SetGamma"])", "select 20142 0"},
       .calls = {"SetGamma(0)"}, .controls = {R"("20133":{"enabled":true})"}},
      {.what = "active iris maps through its table", .model = "5/30", .tab = 1,
       .before = {R"(reload "set":{"0x3304":17})"}, .actions = {"select 20293 1"}, .calls = {"Set 0x3304=16"}},
      {.model = "5/30", .tab = 1, .before = {R"(reload "set":{"0x3304":17})"},
       .controls = {R"("20293":{"sel":2,"enabled":true})"}},
      {.model = "5/30", .tab = 1, .before = {R"(reload "set":{"0x3304":17})", R"(reload "set":{"0x3304":5})"},
       .controls = {R"("20293":{"sel":-1,"enabled":true})"}},
      {.what = "a failed read disables it, a good one enables it", .model = "5/30", .tab = 1,
       .before = {R"(reload "set":{"0x3304":5})", R"(reload "fail":["0x3304"])"},
       .controls = {R"("20293":{"sel":-1,"enabled":false})"}},
      {.model = "5/30", .tab = 1,
       .before = {R"(reload "fail":["0x3304"])", R"(reload "clear":true,"set":{"0x3304":0})"},
       .controls = {R"("20293":{"sel":0,"enabled":true})"}},
  });
}

}  // namespace
}  // namespace pages::testing
