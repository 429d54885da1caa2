// The type-4 picture page.
#include "tests/pages/PageTestSupport.h"

namespace pages::testing {
namespace {

TEST(PictureType4Page, ProgressiveRowAndCustomButtonsFollowTheModelAndPositions) {
  struct Case {
    const char *model, *sim;
    bool progressive, gammaCustom, colorTempCustom;
  };
  for (const Case& c : {Case{"4/21", R"("set":{"0x30A1":10,"0x30B0":4})", true, true, true},  // positions 2, 3
                        Case{"4/9", R"("set":{"0x30A1":22,"0x30B0":5})", false, false, false},
                        Case{"4/22", R"("set":{"0x30B0":5},"fail":["0x30A1"])", false, false, false}})
    RunCase({.model = c.model, .tab = 1, .actions = {std::string("reload ") + c.sim},
             .calls = {"*", CalledIf(c.progressive, "Get 0x2207")},
             .controls = {Shown({20146, 20145, 20392}, c.progressive), Is(20133, "enabled", c.gammaCustom),
                          Is(20143, "enabled", c.colorTempCustom)}});
}

TEST(PictureType4Page, Cases) {
  RunCases({
      {.what = "sliders, steps and lists reach their codes; contrast - at -32 does nothing", .model = "4/21",
       .tab = 1, .openFields = R"("host":{"ranges":{"26":"126,130"}})", .before = {R"(reload "set":{"0x2004":96})"},
       .actions = {"click 20137", "slide 20152 3", "click 20150", "select 20142 1", "select 20144 3", "select 20145 2"},
       .calls = {"Set 0x2201=128", "Inc 0x2201", "Get 0x2201", "SetGamma(1)", "Set 0x30B0=4", "SetProgressive(2)"},
       .controls = {R"("20152":{"min":1,"max":5},"20145":{"items":["@5/30","TV","@5/326"]},"20155":{"text":"4"})"}},
      {.what = "refusals report and snap back; only done commands refresh", .model = "4/21", .tab = 1,
       .actions = {R"(sim "fail":["0x2202","0x30B0","ExecTintReset"])", "slide 20151 12", "select 20144 3",
                   "select 20157 3", "click 21070", "select 21064 6", "click 21065"},
       .calls = {"Set 0x2202=140", "Set 0x30B0=4", "ExecTintReset()", "SetMyMemory(6)", "Get 0x2003", "Get 0x2004",
                 "Get 0x30A1", "Get 0x30B0", "Get 0x2207", "Get 0x2202", "Get 0x2203", "Get 0x2201"},
       .boxes = {Stop(60), Stop(61)}, .controls = {R"("20151":{"pos":0})"}},
  });
}

}  // namespace
}  // namespace pages::testing

#include "projector/LinkProblemText.h"

namespace pages::testing {
namespace {

// With the link down, a reset and My Memory that cannot be carried out tell
// the link problem each time, where a refused one shows nothing; a refresh,
// which the dialog does on its own, does not tell it again.
TEST(PictureType4Page, ActionsOnADeadLinkTellTheLinkProblemEachTime) {
  const std::string dead = "stop: " + LinkProblemText({beamlink::CallFailure::Unreachable, "10.0.0.2:4352"});
  RunCase({.model = "4/21", .tab = 1,
           .openFields = R"("connect":"none","host":{"connection":{"address":"10.0.0.2","third":4352}})",
           .actions = {"select 20157 3", "click 21070", "select 21064 6", "click 21065", "reload"},
           .calls = {"*", "ExecTintReset()", "SetMyMemory(6)", "Get 0x2003"}, .boxes = {dead, dead}});
}

}  // namespace
}  // namespace pages::testing
