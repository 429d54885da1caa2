// The control page of types 1 to 3.
#include "tests/pages/PageTestSupport.h"

namespace pages::testing {
namespace {

using driver::testing::Reply;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr int kType12Tab = 8;
constexpr int kType3Tab = 5;

bool Visible(const OrderedJson& dump, int id) { return Control(dump, id)["visible"].get<bool>(); }

TEST(ControlPage, RowsFollowTheModel) {
  struct Case {
    const char* model;
    int tab;
    bool keystone, displayPosition, zoomAndFocus;
  };
  for (const Case& c : {Case{"1/3", kType12Tab, true, false, false}, Case{"1/16", kType12Tab, false, false, false},
                        Case{"2/6", kType12Tab, true, false, false}, Case{"3/10", kType3Tab, true, true, false},
                        Case{"3/8", kType3Tab, true, true, false}, Case{"3/15", kType3Tab, true, true, true}}) {
    Script script(c.model, c.tab);
    const std::string dump = script.Dump();
    const std::string events = script.Events();
    const auto output = script.Run();
    const OrderedJson page = Reply(output, dump);
    for (int id : {20023, 20395, 21025, 21023, 21026, 21114, 20024, 21110, 20025, 21031, 21032})
      EXPECT_EQ(Visible(page, id), c.keystone) << c.model << " " << id;
    for (int id : {20132, 20399, 21108}) EXPECT_EQ(Visible(page, id), c.displayPosition) << c.model << " " << id;
    for (int id : {20026, 20027, 21033, 21034, 21035, 21036, 20397, 20398})
      EXPECT_EQ(Visible(page, id), c.zoomAndFocus) << c.model << " " << id;
    const auto calls = Calls(Reply(output, events));
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "Get 0x2007") == 1, c.keystone) << c.model;
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "Get 0x2009") == 1, c.displayPosition) << c.model;
  }
}

TEST(ControlPage, ButtonsStopAtFixedBoundsWhateverTheSliderRange) {
  // Model 8 without range texts: keystone sliders of ±48, buttons that stop at ±64.
  Script script("1/8", kType12Tab);
  const std::string dump = script.Dump();
  script.Reload(R"("set":{"0x2007":176,"0x3007":0})");
  script.Events();
  script.Click(21026);  // keystone V at 48: still steps; the projector refuses
  script.Click(21104);  // magnify at 0: nothing
  const std::string atRangeEnd = script.Events();
  script.Reload(R"("set":{"0x2007":192,"0x3007":48,"0x200B":64})");
  script.Events();
  script.Click(21026);
  script.Click(21106);
  script.Click(21027);
  const std::string atBounds = script.Events();
  const auto output = script.Run();

  EXPECT_EQ(Control(Reply(output, dump), 21023)["min"], -48);
  EXPECT_EQ(Control(Reply(output, dump), 21023)["max"], 48);
  EXPECT_THAT(Calls(Reply(output, atRangeEnd)), ElementsAre("Inc 0x2007"));
  EXPECT_THAT(Messages(Reply(output, atRangeEnd)), ElementsAre(StopBox(Msg(2201, 68))));
  EXPECT_THAT(Calls(Reply(output, atBounds)), IsEmpty());
}

TEST(ControlPage, StepsAndSlidesShowWhatTheProjectorTook) {
  Script script("3/15", kType3Tab);
  script.Events();
  script.Click(21026);
  script.Slide(21024, -10);
  script.Slide(21105, 12);
  const std::string taken = script.Events();
  const std::string dump = script.Dump();
  const auto output = script.Run();
  EXPECT_THAT(Calls(Reply(output, taken)), ElementsAre("Inc 0x2007", "Get 0x2007", "Set 0x200B=118", "Set 0x3007=12"));
  const OrderedJson page = Reply(output, dump);
  EXPECT_EQ(Control(page, 21114)["text"], "1");
  EXPECT_EQ(Control(page, 21023)["pos"], 1);
  EXPECT_EQ(Control(page, 21110)["text"], "-10");
  EXPECT_EQ(Control(page, 21115)["text"], "12");
}

TEST(ControlPage, RefusedChangesShowTheirMessageAndSnapBack) {
  Script script("3/15", kType3Tab);
  script.Sim(R"("fail":["SetKeystoneV","SetKeystoneH","0x2401","0x2400"])");
  script.Events();
  script.Slide(21023, 20);
  script.Slide(21024, 20);
  script.Click(21033);
  script.Click(21036);
  const std::string refused = script.Events();
  const std::string dump = script.Dump();
  const auto output = script.Run();
  EXPECT_THAT(Messages(Reply(output, refused)), ElementsAre(StopBox(Msg(2201, 25)), StopBox(Msg(2201, 69)),
                                                             StopBox(Msg(2201, 70)), StopBox(Msg(2201, 71))));
  const OrderedJson page = Reply(output, dump);
  EXPECT_EQ(Control(page, 21023)["pos"], 0);
  EXPECT_EQ(Control(page, 21114)["text"], "0");
  EXPECT_EQ(Control(page, 21024)["pos"], 0);
}

// A choice that is not sent shows the projector's state again; a change the
// projector takes refreshes the whole page.
TEST(ControlPage, PowerChangesOnlyWhatNeedsChangingAndNotWhileCoolingDown) {
  Script script("1/3", kType12Tab);
  script.Events();
  script.Select(21029, 1);  // already on: nothing sent
  const std::string same = script.Events();
  script.Reload(R"("set":{"0x6000":2})");
  script.Events();
  script.Select(21029, 1);
  const std::string cooling = script.Events();
  const std::string coolingDump = script.Dump();
  script.Sim(R"("fail":["0x6000"])");
  script.Select(21029, 1);
  const std::string unreadable = script.Events();
  const std::string unreadableDump = script.Dump();
  script.Reload(R"("clear":true,"set":{"0x6000":0})");
  script.Events();
  script.Select(21029, 1);
  const std::string switchedOn = script.Events();
  const auto output = script.Run();
  EXPECT_THAT(Calls(Reply(output, same)), ElementsAre("Get 0x6000"));
  EXPECT_THAT(Calls(Reply(output, cooling)), ElementsAre("Get 0x6000"));
  EXPECT_THAT(Messages(Reply(output, cooling)), ElementsAre("none: " + CatalogText(Msg(2201, 27))));
  EXPECT_EQ(Control(Reply(output, coolingDump), 21029)["sel"], 0);
  EXPECT_THAT(Messages(Reply(output, unreadable)), ElementsAre(StopBox(Msg(2201, 26))));
  EXPECT_EQ(Control(Reply(output, unreadableDump), 21029)["sel"], 0);
  const auto on = Calls(Reply(output, switchedOn));
  ASSERT_GE(on.size(), 3u);
  EXPECT_THAT(std::vector<std::string>(on.begin(), on.begin() + 3), ElementsAre("Get 0x6000", "SetPowerOn()", "Get 0x6000"));
  EXPECT_GT(std::count(on.begin(), on.end(), "Get 0x2000"), 0) << "the page is read again";
}

TEST(ControlPage, ListsSendThePositionOrTheInputCode) {
  // Inputs: code 5 at position 1, code 7 (not selectable) at position 2.
  Script script("3/15", kType3Tab,
                R"("host":{"inputs":[{"name":"A","code":0,"code2":1},{"name":"B","code":5,"code2":2},)"
                R"({"name":"C","code":7,"code2":3}]})");
  script.Events();
  script.Select(21030, 1);
  script.Select(21030, 2);
  script.Select(21085, 1);
  script.Select(21053, 1);
  script.Select(21107, 1);
  script.Select(21108, 2);
  const std::string sent = script.Events();
  const std::string unsent = script.Dump();  // code 7 was not sent: input B stays on show
  script.Sim(R"("fail":["0x2000"])");
  script.Select(21030, 0);
  const std::string refused = script.Events();
  const std::string refusedDump = script.Dump();
  const auto output = script.Run();
  EXPECT_THAT(Calls(Reply(output, sent)), ElementsAre("Set 0x2000=5", "SetBlank(1)", "SetMute(1)", "SetFreeze(1)",
                                                      "SetPicturePosition(2)"));
  EXPECT_THAT(Messages(Reply(output, refused)), ElementsAre(StopBox(Msg(2201, 25))));
  EXPECT_EQ(Control(Reply(output, unsent), 21030)["sel"], 1);
  EXPECT_EQ(Control(Reply(output, refusedDump), 21030)["sel"], 1);
}

TEST(ControlPage, AFailedReadDisablesTheGroupUntilAGoodRefresh) {
  Script script("1/3", kType12Tab);
  script.Reload(R"("fail":["0x3007"])");
  const std::string failed = script.Dump();
  script.Reload(R"("clear":true,"set":{"0x3007":7})");
  const std::string recovered = script.Dump();
  const auto output = script.Run();
  for (int id : {21104, 21105, 21106}) {
    EXPECT_FALSE(Control(Reply(output, failed), id)["enabled"].get<bool>()) << id;
    EXPECT_TRUE(Control(Reply(output, recovered), id)["enabled"].get<bool>()) << id;
  }
  EXPECT_EQ(Control(Reply(output, failed), 21115)["text"], "");
  EXPECT_EQ(Control(Reply(output, recovered), 21115)["text"], "7");
}

TEST(ControlPage, AKeystoneResetRereadsThePageOnlyWhenDone) {
  Script script("1/3", kType12Tab);
  script.Sim(R"("set":{"0x200B":140})");
  script.Select(21031, 1);
  script.Events();
  script.Click(21032);
  const std::string done = script.Events();
  const std::string afterReset = script.Dump();
  script.Sim(R"("fail":["ExecKeyStoneVReset"],"set":{"0x2007":150})");
  script.Click(21032);  // the refresh put the list back on its first item
  const std::string failed = script.Events();
  const auto output = script.Run();
  const auto doneCalls = Calls(Reply(output, done));
  ASSERT_GT(doneCalls.size(), 1u);
  EXPECT_EQ(doneCalls.front(), "ExecKeyStoneHReset()");
  EXPECT_EQ(Control(Reply(output, afterReset), 21110)["text"], "0");
  EXPECT_THAT(Calls(Reply(output, failed)), ElementsAre("ExecKeyStoneVReset()"));
  EXPECT_THAT(Messages(Reply(output, failed)), IsEmpty());
}

}  // namespace
}  // namespace pages::testing
