// The type-4 picture page.
#include "tests/pages/PageTestSupport.h"

namespace pages::testing {
namespace {

using driver::testing::Reply;
using ::testing::ElementsAre;

TEST(PictureType4Page, ProgressiveRowAndCustomButtonsFollowTheModelAndPositions) {
  struct Case {
    const char *model, *sim;
    bool progressive, gammaCustom, colorTempCustom;
  };
  for (const Case& c : {Case{"4/21", R"("set":{"0x30A1":10,"0x30B0":4})", true, true, true},  // positions 2, 3
                        Case{"4/9", R"("set":{"0x30A1":22,"0x30B0":5})", false, false, false},
                        Case{"4/22", R"("set":{"0x30B0":5},"fail":["0x30A1"])", false, false, false}}) {
    Script script(c.model, 1);
    script.Events();
    script.Reload(c.sim);
    const std::string events = script.Events(), dump = script.Dump();
    const auto output = script.Run();
    const OrderedJson page = Reply(output, dump);
    SCOPED_TRACE(c.model);
    for (int id : {20146, 20145, 20392}) EXPECT_EQ(Control(page, id)["visible"], c.progressive) << id;
    EXPECT_EQ(Control(page, 20133)["enabled"], c.gammaCustom);
    EXPECT_EQ(Control(page, 20143)["enabled"], c.colorTempCustom);
    const auto calls = Calls(Reply(output, events));
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "Get 0x2207"), c.progressive ? 1 : 0);
  }
}

TEST(PictureType4Page, SlidersStepsAndListsReachTheirCodes) {
  Script script("4/21", 1, R"("host":{"ranges":{"26":"126,130"}})");
  script.Reload(R"("set":{"0x2004":96})");
  const std::string dump = script.Dump();
  script.Events();
  script.Click(20137);  // contrast - at -32: nothing
  script.Slide(20152, 3);
  script.Click(20150);
  script.Select(20142, 1);
  script.Select(20144, 3);
  script.Select(20145, 2);
  const std::string sent = script.Events(), after = script.Dump();
  const auto output = script.Run();
  EXPECT_EQ(Control(Reply(output, dump), 20152)["min"], 1);
  EXPECT_EQ(Control(Reply(output, dump), 20152)["max"], 5);
  EXPECT_EQ(Control(Reply(output, dump), 20145)["items"],
            std::vector<std::string>({CatalogText(Msg(5, 30)), "TV", CatalogText(Msg(5, 326))}));
  EXPECT_THAT(Calls(Reply(output, sent)), ElementsAre("Set 0x2201=128", "Inc 0x2201", "Get 0x2201", "SetGamma(1)",
                                                      "Set 0x30B0=4", "SetProgressive(2)"));
  EXPECT_EQ(Control(Reply(output, after), 20155)["text"], "4");
}

TEST(PictureType4Page, RefusalsReportAndSnapBackAndOnlyDoneCommandsRefresh) {
  Script script("4/21", 1);
  script.Sim(R"("fail":["0x2202","0x30B0","ExecTintReset"])");
  script.Events();
  script.Slide(20151, 12);
  script.Select(20144, 3);
  script.Select(20157, 3);
  script.Click(21070);
  script.Select(21064, 6);
  script.Click(21065);
  const std::string events = script.Events(), dump = script.Dump();
  const auto output = script.Run();
  EXPECT_THAT(Messages(Reply(output, events)), ElementsAre(StopBox(Msg(2201, 60)), StopBox(Msg(2201, 61))));
  const auto calls = Calls(Reply(output, events));
  EXPECT_THAT(std::vector(calls.begin() + 2, calls.begin() + 5),
              ElementsAre("ExecTintReset()", "SetMyMemory(6)", "Get 0x2003"));
  EXPECT_EQ(Control(Reply(output, dump), 20151)["pos"], 0);
}

}  // namespace
}  // namespace pages::testing
