// The control page of types 4 and 5.
#include "tests/pages/PageTestSupport.h"

namespace pages::testing {
namespace {

using driver::testing::Reply;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::vector<std::string> Texts(std::initializer_list<int> numbers) {
  std::vector<std::string> texts;
  for (int number : numbers) texts.push_back(CatalogText(Msg(5, number)));
  return texts;
}

TEST(ControlType4Page, RowsAndModesFollowTheModel) {
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
      {"5/36", 7, R"("host":{"option2":false})", false, false, false, Texts({200, 201, 202, 203, 204, 205, 206}), {0, 1, 4, 32, 33, 34, 16}},
      {"5/44", 7, "", false, true, true, Texts({200, 201, 202, 203, 204, 205, 207, 206}), {0, 1, 4, 32, 33, 34, 64, 16}},
  };
  for (const Case& c : cases) {
    Script script(c.model, c.tab, c.openFields);
    const std::string dump = script.Dump();
    const std::string events = script.Events();
    const auto output = script.Run();
    const OrderedJson page = Reply(output, dump);
    for (int id : {20264, 20276, 20285, 20277, 20278, 20265, 20280, 20282, 20026, 20267, 20266, 20283, 20284, 20395})
      EXPECT_EQ(Control(page, id)["visible"], c.keystone) << c.model << " " << id;
    for (int id : {20027, 20398, 21034, 21036}) EXPECT_EQ(Control(page, id)["visible"], c.focus) << c.model;
    for (int id : {20287, 20401, 20288}) EXPECT_EQ(Control(page, id)["visible"], c.quickPic) << c.model;
    EXPECT_EQ(Control(page, 21033)["items"], c.modes) << c.model;
    EXPECT_EQ(Control(page, 21033)["data"], c.modeData) << c.model;
    EXPECT_EQ(Control(page, 20382)["text"], CatalogText(c.modes.size() > 4 ? Msg(4, 171) : Msg(4, 110))) << c.model;
    const auto calls = Calls(Reply(output, events));
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "Get 0x3500") == 1, c.quickPic) << c.model;
  }
}

TEST(ControlType4Page, CustomModeIsShownButCannotBeChosen) {
  Script script("4/9", 8);
  script.Reload(R"("set":{"0x30BA":16})");
  const std::string custom = script.Dump();
  script.Events();
  script.Select(21033, 1);
  script.Select(21033, 3);  // "Custom": nothing sent, back on the projector's mode
  const std::string chosen = script.Events();
  const std::string afterCustom = script.Dump();
  script.Reload(R"("set":{"0x30BA":99})");
  const std::string unknown = script.Dump();
  script.Sim(R"("fail":["0x30BA"])");
  script.Select(21033, 2);
  const std::string refused = script.Events();
  const auto output = script.Run();
  EXPECT_EQ(Control(Reply(output, custom), 21033)["sel"], 3);
  EXPECT_THAT(Calls(Reply(output, chosen)), ElementsAre("Set 0x30BA=1", "Get 0x30BA"));
  EXPECT_EQ(Control(Reply(output, afterCustom), 21033)["sel"], 1);
  EXPECT_EQ(Control(Reply(output, unknown), 21033)["sel"], 1);  // an unknown mode leaves the list as it was
  EXPECT_THAT(Messages(Reply(output, refused)), ElementsAre(StopBox(Msg(2201, 66))));
}

TEST(ControlType4Page, KeystoneReportsSlidesAndStepsWithTheirOwnMessages) {
  Script script("4/9", 8);
  script.Sim(R"("fail":["SetKeystoneV","IncrementKeystoneV"])");
  script.Events();
  script.Slide(20285, 30);
  script.Click(20277);
  const std::string refused = script.Events();
  const std::string dump = script.Dump();
  script.Reload(R"("clear":true,"set":{"0x2007":64})");
  script.Events();
  script.Click(20276);  // -64: the lower bound
  const std::string atBound = script.Events();
  const auto output = script.Run();
  EXPECT_THAT(Messages(Reply(output, refused)), ElementsAre(StopBox(Msg(2201, 25)), StopBox(Msg(2201, 68))));
  EXPECT_EQ(Control(Reply(output, dump), 20285)["pos"], 0);
  EXPECT_THAT(Calls(Reply(output, atBound)), IsEmpty());
}

TEST(ControlType4Page, QuickPicFocusAndResets) {
  Script script("5/44", 7);
  script.Events();
  script.Select(20288, 2);
  script.Click(21034);
  const std::string sent = script.Events();
  script.Sim(R"("fail":["0x3500","0x2400"])");
  script.Select(20288, 1);
  script.Click(21036);
  const std::string refused = script.Events();
  const auto output = script.Run();
  EXPECT_THAT(Calls(Reply(output, sent)), ElementsAre("Set 0x3500=2", "Dec 0x2400"));
  EXPECT_THAT(Messages(Reply(output, refused)), ElementsAre(StopBox(Msg(2201, 80)), StopBox(Msg(2201, 71))));
}

TEST(ControlType4Page, CoolingDownShowsOffAndRefusesEveryPowerChoice) {
  Script script("4/21", 7);
  script.Reload(R"("set":{"0x6000":2})");
  const std::string dump = script.Dump();
  script.Events();
  script.Select(20268, 0);
  script.Select(20268, 1);
  const std::string chosen = script.Events();
  const auto output = script.Run();
  EXPECT_EQ(Control(Reply(output, dump), 20268)["sel"], 0);
  EXPECT_THAT(Calls(Reply(output, chosen)), ElementsAre("Get 0x6000", "Get 0x6000"));
  EXPECT_EQ(Messages(Reply(output, chosen)).size(), 2u);
}

}  // namespace
}  // namespace pages::testing
