// The user gamma and custom colour temperature dialogs, opened from the
// picture pages of types 4 and 5.
#include "tests/pages/PageTestSupport.h"

namespace pages::testing {
namespace {

const std::string kColorTemp17 = R"("host":{"colorTemp":[{"code":17,"name":"Custom 1"}]})";

int Right(const OrderedJson& control) { return control["rect"][0].get<int>() + control["rect"][2].get<int>(); }

TEST(CustomDialogs, OpenInTheFormOfTheirPage) {
  struct Case {
    const char *model, *openFields, *sim;
    int opener, dialog, firstReset, rightEdgeOf, closeAfter;
    bool type4;
  };
  for (const Case& c : {Case{"5/30", "", R"("clear":true)", 20133, 20026, 20336, 20158, 20384, false},
                        Case{"4/21", "", R"("clear":true)", 20133, 20026, 20336, 20158, 20384, true},
                        Case{"5/30", kColorTemp17.c_str(), R"("clear":true)", 20143, 20028, 20334, 20194, 20383, false},
                        Case{"4/21", "", R"("set":{"0x30B0":4})", 20143, 20028, 20334, 20194, 20383, true}}) {
    SCOPED_TRACE(std::string(c.model) + " " + std::to_string(c.opener));
    Script script(c.model, 1, c.openFields);
    script.Reload(c.sim);
    script.Step("click " + std::to_string(c.opener));
    const std::string dump = script.Dump();
    script.Step("close");
    const std::string back = script.Dump();
    const auto output = script.Run();
    const OrderedJson dialog = Reply(output, dump);
    EXPECT_EQ(dialog["template"], c.dialog);
    EXPECT_EQ(Control(dialog, c.firstReset)["visible"], !c.type4);
    if (c.type4) {  // type 4 has no resets: the dialog ends 15 past its last column, Close 5 past its last button
      EXPECT_EQ(dialog["rect"][2], Right(Control(dialog, c.rightEdgeOf)) + 15);
      EXPECT_EQ(Control(dialog, 1)["rect"][0], Right(Control(dialog, c.closeAfter)) + 5);
    }
    EXPECT_EQ(Reply(output, back)["template"], 22151);
  }
}

TEST(CustomDialogs, Cases) {
  RunCases({
      {.what = "gamma points step, slide and reset from what the projector holds; a failed read-back keeps the display",
       .model = "5/30", .tab = 1, .openFields = R"("host":{"ranges":{}})",
       .before = {R"(sim "set":{"0x3090":144,"0x3091":100},"fail":["0x3092"])", "click 20133"},
       .actions = {"click 20161", "click 20336", "click 20161", R"(sim "fail":["0x3094","GetUserGammaPoint"])",
                   "slide 21027 5", "click 20337"},
       .calls = {"ExecUserGammaPReset(1)", "GetUserGammaPoint(1)", "Inc 0x3090", "Get 0x3090", "Set 0x3094=133",
                 "ExecUserGammaPReset(2)", "GetUserGammaPoint(2)"},
       .boxes = {Stop(48)}, .controls = {R"("20181":{"min":-16,"max":16},"21025":{"enabled":false},"20168":{"text":""},
                      "20162":{"text":"1"},"21027":{"pos":0},"20165":{"text":"-28"})"}},
      {.what = "colour temperature steps take the value shown and resets update it; a step not taken says nothing",
       .model = "5/30", .tab = 1, .openFields = kColorTemp17,
       .before = {R"(sim "set":{"0x30B1":160,"0x30B5":100})", "click 20143"},
       .actions = {"click 20188", "click 20334", "click 20182", R"(sim "fail":["IncrementColorTempOffset","0x30B2"])",
                   "click 20191", "slide 21024 3"},
       .calls = {"ExecColorTempGainRReset()", "GetColorTempGainR()", "DecrementColorTempGain(0,0)",
                 "IncrementColorTempOffset(0,-28)", "Set 0x30B2=131"},
       .boxes = {Stop(39)}, .controls = {R"("20194":{"text":"-1"},"20197":{"text":"-28"},"21024":{"pos":0})"}},
  });
}

}  // namespace
}  // namespace pages::testing
