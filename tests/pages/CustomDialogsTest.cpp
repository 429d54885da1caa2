// The user gamma and custom colour temperature dialogs, opened from the
// picture pages of types 4 and 5.
#include "tests/pages/PageTestSupport.h"

namespace pages::testing {
namespace {

using driver::testing::Reply;
using ::testing::ElementsAre;

constexpr char kColorTemp17[] = R"("host":{"colorTemp":[{"code":17,"name":"Custom 1"}]})";

OrderedJson Item(const OrderedJson& dump, int id) {
  for (const OrderedJson& control : dump["controls"])
    if (control["id"] == id) return control;
  return nullptr;
}
int Right(const OrderedJson& control) { return control["rect"][0].get<int>() + control["rect"][2].get<int>(); }

TEST(CustomDialogs, OpenInTheFormOfTheirPage) {
  struct Case {
    const char *model, *openFields, *sim;
    int opener, dialog, firstReset, rightEdgeOf, closeAfter;
    bool type4;
  };
  for (const Case& c : {Case{"5/30", "", R"("clear":true)", 20133, 20026, 20336, 20158, 20384, false},
                        Case{"4/21", "", R"("clear":true)", 20133, 20026, 20336, 20158, 20384, true},
                        Case{"5/30", kColorTemp17, R"("clear":true)", 20143, 20028, 20334, 20194, 20383, false},
                        Case{"4/21", "", R"("set":{"0x30B0":4})", 20143, 20028, 20334, 20194, 20383, true}}) {
    SCOPED_TRACE(std::string(c.model) + " " + std::to_string(c.opener));
    Script script(c.model, 1, c.openFields);
    script.Reload(c.sim);
    script.Click(c.opener);
    const std::string dump = script.Dump();
    script.Add(R"({"cmd":"close"})");
    const std::string back = script.Dump();
    const auto output = script.Run();
    const OrderedJson dialog = Reply(output, dump);
    EXPECT_EQ(dialog["template"], c.dialog);
    EXPECT_EQ(Item(dialog, c.firstReset)["visible"], !c.type4);
    if (c.type4) {
      EXPECT_EQ(dialog["rect"][2], Right(Item(dialog, c.rightEdgeOf)) + 15);
      EXPECT_EQ(Item(dialog, 1)["rect"][0], Right(Item(dialog, c.closeAfter)) + 5);
    }
    EXPECT_EQ(Reply(output, back)["template"], 22151);
  }
}

TEST(CustomDialogs, GammaPointsStepSlideAndResetFromWhatTheProjectorHolds) {
  Script script("5/30", 1, R"("host":{"ranges":{}})");
  script.Sim(R"("set":{"0x3090":144,"0x3091":100},"fail":["0x3092"])");
  script.Click(20133);
  const std::string opened = script.Dump();
  script.Events();
  script.Click(20161);  // point 1 at 16: nothing
  script.Click(20336);  // reset point 1 to 0: + steps again
  script.Click(20161);
  script.Sim(R"("fail":["0x3094","GetUserGammaPoint"])");
  script.Slide(21027, 5);
  script.Click(20337);  // the read-back fails: the display stays
  const std::string calls = script.Events(), after = script.Dump();
  const auto output = script.Run();
  const OrderedJson dialog = Reply(output, opened), shown = Reply(output, after);
  EXPECT_EQ(std::pair(Item(dialog, 20181)["min"].get<int>(), Item(dialog, 20181)["max"].get<int>()), std::pair(-16, 16));
  EXPECT_EQ(Item(dialog, 21025)["enabled"], false);
  EXPECT_EQ(Item(dialog, 20168)["text"], "");
  EXPECT_THAT(Calls(Reply(output, calls)),
              ElementsAre("ExecUserGammaPReset(1)", "GetUserGammaPoint(1)", "Inc 0x3090", "Get 0x3090",
                          "Set 0x3094=133", "ExecUserGammaPReset(2)", "GetUserGammaPoint(2)"));
  EXPECT_THAT(Messages(Reply(output, calls)), ElementsAre(StopBox(Msg(2201, 48))));
  EXPECT_EQ(Item(shown, 20162)["text"], "1");
  EXPECT_EQ(Item(shown, 21027)["pos"], 0);
  EXPECT_EQ(Item(shown, 20165)["text"], "-28");
}

TEST(CustomDialogs, ColorTempStepsTakeTheValueShownAndResetsUpdateIt) {
  Script script("5/30", 1, kColorTemp17);
  script.Sim(R"("set":{"0x30B1":160,"0x30B5":100})");
  script.Click(20143);
  script.Events();
  script.Click(20188);  // gain R + at 32: nothing
  script.Click(20334);  // reset gain R to 0
  script.Click(20182);
  script.Sim(R"("fail":["IncrementColorTempOffset","0x30B2"])");
  script.Click(20191);  // not taken: nothing changes, nothing is said
  script.Slide(21024, 3);
  const std::string calls = script.Events(), dump = script.Dump();
  const auto output = script.Run();
  EXPECT_THAT(Calls(Reply(output, calls)),
              ElementsAre("ExecColorTempGainRReset()", "GetColorTempGainR()", "DecrementColorTempGain(0,0)",
                          "IncrementColorTempOffset(0,-28)", "Set 0x30B2=131"));
  EXPECT_THAT(Messages(Reply(output, calls)), ElementsAre(StopBox(Msg(2201, 39))));
  const OrderedJson shown = Reply(output, dump);
  EXPECT_EQ(Item(shown, 20194)["text"], "-1");
  EXPECT_EQ(Item(shown, 20197)["text"], "-28");
  EXPECT_EQ(Item(shown, 21024)["pos"], 0);
}

}  // namespace
}  // namespace pages::testing
