// The pages of type 3: picture, input, screen and setup.
#include "tests/pages/PageTestSupport.h"

namespace pages::testing {
namespace {

using driver::testing::Reply;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr int kPictureTab = 1, kInputTab = 2, kScreenTab = 3, kSetupTab = 4;

std::vector<std::string> Texts(std::initializer_list<int> numbers) {
  std::vector<std::string> texts;
  for (int number : numbers) texts.push_back(CatalogText(Msg(5, number)));
  return texts;
}

bool Has(const std::vector<std::string>& calls, const std::string& call) {
  return std::find(calls.begin(), calls.end(), call) != calls.end();
}

std::vector<std::string> Texts(std::initializer_list<int> numbers);

TEST(PictureType3Page, RangesAndAspectTextsFollowTheModel) {
  struct Case {
    const char* model;
    const char* ranges;
    int contrast[2], sharpness, colour, tint;
    std::vector<std::string> aspects;
  };
  const std::vector<Case> cases = {
      {"3/8", "{}", {-48, 48}, 8, 18, 18, Texts({350, 351, 352})},
      {"3/10", "{}", {-32, 32}, 6, 63, 14, Texts({350, 351, 352, 353, 360})},
      {"3/15", "{}", {-32, 32}, 8, 18, 18, Texts({1, 2, 3, 4})},
      {"3/15", R"({"18":"100,160"})", {-28, 32}, 8, 18, 18, Texts({1, 2, 3, 4})},
  };
  for (const Case& c : cases) {
    Script script(c.model, kPictureTab, std::string(R"("host":{"ranges":)") + c.ranges + "}");
    const std::string dump = script.Dump();
    const auto output = script.Run();
    const OrderedJson page = Reply(output, dump);
    const auto range = [&](int id) { return std::pair{Control(page, id)["min"].get<int>(), Control(page, id)["max"].get<int>()}; };
    EXPECT_EQ(range(20083), std::pair(c.contrast[0], c.contrast[1])) << c.model << c.ranges;
    EXPECT_EQ(range(21057), std::pair(-c.sharpness, c.sharpness)) << c.model;
    EXPECT_EQ(range(21060), std::pair(-c.colour, c.colour)) << c.model;
    EXPECT_EQ(range(21063), std::pair(-c.tint, c.tint)) << c.model;
    EXPECT_EQ(range(20093), std::pair(0, 248)) << c.model;
    EXPECT_EQ(Control(page, 20093)["page"], 8);
    EXPECT_EQ(Control(page, 20099)["items"], c.aspects) << c.model;
    EXPECT_EQ(Control(page, 21069)["items"].size(), 10u);
    EXPECT_EQ(Control(page, 20087)["bitmap"], 22157);
    EXPECT_EQ(Control(page, 20088)["bitmap"], 22154);
  }
}

TEST(PictureType3Page, ButtonsStopAtTheirModelsBounds) {
  struct Case {
    const char* model;
    const char* openFields;
    const char* set;
    int button;
    std::vector<std::string> calls;
  };
  const std::vector<Case> cases = {
      {"3/15", "", R"({"0x2202":146})", 21061, {}},  // colour at 18
      {"3/10", "", R"({"0x2202":146})", 21061, {"Inc 0x2202", "Get 0x2202"}},
      {"3/10", "", R"({"0x2202":191})", 21061, {}},  // colour at 63
      {"3/47", "", R"({"0x2201":122})", 21056, {}},  // sharpness at -6
      {"3/8", R"("host":{"ranges":{}})", R"({"0x2004":175})", 20084, {"Inc 0x2004", "Get 0x2004"}},
      {"3/8", R"("host":{"ranges":{}})", R"({"0x2004":176})", 20084, {}},  // contrast at 48
      {"3/15", R"("host":{"ranges":{"18":"100,160"}})", R"({"0x2004":100})", 20082, {}},  // contrast at -28
      {"3/15", "", R"({"0x2103":248})", 20094, {}},
      {"3/15", "", R"({"0x2100":255})", 20087, {"Inc 0x2100"}},  // no bound: the projector refuses
      {"3/15", "", R"({"0x2101":1})", 20088, {"Dec 0x2101", "Get 0x2101"}},
      {"3/15", "", R"({})", 20086, {"Inc 0x2101", "Get 0x2101"}},
      {"3/15", "", R"({})", 20098, {"Inc 0x2102", "Get 0x2102"}},
  };
  for (const Case& c : cases) {
    Script script(c.model, kPictureTab, c.openFields);
    script.Reload(std::string(R"("set":)") + c.set);
    script.Events();
    script.Click(c.button);
    const std::string events = script.Events();
    const auto output = script.Run();
    EXPECT_EQ(Calls(Reply(output, events)), c.calls) << c.model << " " << c.set << " " << c.button;
  }
}

TEST(PictureType3Page, SlidersArrowsAspectAndResets) {
  Script script("3/15", kPictureTab, R"("host":{"aspect":[{"code":0,"name":"Normal"},{"code":3,"name":"Zoom"}]})");
  script.Reload(R"("set":{"0x2008":3,"0x2102":100})");
  script.Events();
  script.Slide(20093, 77);  // H phase: a multiple of 8
  script.Select(20099, 0);
  script.Select(21069, 4);
  script.Click(21073);  // H size reset
  const std::string used = script.Events();
  const std::string afterwards = script.Dump();
  script.Sim(R"("fail":["0x2003","0x2100"])");
  script.Slide(20079, 10);
  script.Click(20089);
  const std::string refused = script.Events();
  const std::string snapped = script.Dump();
  const auto output = script.Run();
  const auto calls = Calls(Reply(output, used));
  ASSERT_GE(calls.size(), 4u);
  EXPECT_THAT(std::vector(calls.begin(), calls.begin() + 3),
              ElementsAre("Set 0x2103=72", "SetAspect(0)", "ExecHSizeReset()"));
  EXPECT_TRUE(Has(calls, "Get 0x2102"));  // the reset refreshed the page
  const OrderedJson page = Reply(output, afterwards);
  EXPECT_EQ(Control(page, 20093)["pos"], 72);
  EXPECT_EQ(Control(page, 20095)["text"], "72");
  EXPECT_EQ(Control(page, 20097)["text"], "128");
  EXPECT_EQ(Control(page, 20099)["sel"], 0);
  EXPECT_THAT(Messages(Reply(output, refused)), ElementsAre(StopBox(Msg(2201, 58)), StopBox(Msg(2201, 54))));
  EXPECT_EQ(Control(Reply(output, snapped), 20079)["pos"], 0);
}

TEST(PictureType3Page, HPhaseNeverFallsBelowTheSlidersMinimum) {
  Script script("3/15", kPictureTab, R"("host":{"ranges":{"16":"3,250"}})");
  script.Events();
  script.Slide(20093, 5);
  const std::string events = script.Events();
  const std::string dump = script.Dump();
  const auto output = script.Run();
  EXPECT_THAT(Calls(Reply(output, events)), ElementsAre("Set 0x2103=8"));
  EXPECT_EQ(Control(Reply(output, dump), 20093)["pos"], 8);
}

TEST(InputType3Page, ListsShowTheProjectorsValuesAndSendPositions) {
  Script script("3/15", kInputTab);
  script.Reload(R"("set":{"0x2200":9,"0x2206":1,"0x2207":2,"0x2208":1,"0x2205":1})");
  const std::string shown = script.Dump();
  script.Reload(R"("set":{"0x2200":3})");  // no format of the table
  const std::string unknown = script.Dump();
  script.Events();
  script.Click(20108);
  script.Select(20109, 3);
  script.Select(20110, 1);
  script.Select(21054, 2);
  script.Select(21055, 0);
  script.Select(20111, 1);
  const std::string sent = script.Events();
  const auto output = script.Run();
  const OrderedJson page = Reply(output, shown);
  EXPECT_EQ(Control(page, 20109)["items"][0], CatalogText(Msg(5, 98)));
  EXPECT_EQ(Control(page, 21054)["items"], (std::vector<std::string>{CatalogText(Msg(5, 30)), "TV", CatalogText(Msg(5, 326))}));
  for (const auto& [id, sel] : {std::pair{20109, 3}, {20110, 1}, {21054, 2}, {21055, 1}, {20111, 1}})
    EXPECT_EQ(Control(page, id)["sel"], sel) << id;
  EXPECT_EQ(Control(Reply(output, unknown), 20109)["sel"], -1);
  EXPECT_THAT(Calls(Reply(output, sent)), ElementsAre("ExecAutoAdjust()", "SetVideoFormat(3)", "SetVideoNR(1,0)",
                                                      "SetProgressive(2)", "SetBlack(0)", "SetHDTV(1)"));
}

TEST(ScreenType3Page, ListsFollowTheModelAndShowMappedValues) {
  struct Case {
    const char* model;
    const char* set;
    int blankItems, blankSel;
    std::vector<std::string> startup;
    int startupSel, pinpInputs, pinpSel;
  };
  const std::vector<Case> cases = {
      {"3/8", R"({"0x3000":64,"0x3004":0,"0x2302":5})", 7, -1, Texts({331, 330}), 0, 3, 2},
      {"3/15", R"({"0x3000":64,"0x3004":32,"0x2302":5})", 9, 8, Texts({68, 330, 67}), 2, 3, 2},
      {"3/47", R"({"0x3000":4,"0x3004":32,"0x2302":5})", 9, 4, Texts({68, 330, 67}), 2, 2, -1},
      {"3/10", R"({"0x3000":32,"0x3004":1,"0x2302":2})", 9, 7, Texts({68, 330, 67}), 1, 2, 1},
  };
  for (const Case& c : cases) {
    Script script(c.model, kScreenTab);
    script.Reload(std::string(R"("set":)") + c.set);
    const std::string dump = script.Dump();
    const auto output = script.Run();
    const OrderedJson page = Reply(output, dump);
    EXPECT_EQ(Control(page, 20112)["items"].size(), static_cast<std::size_t>(c.blankItems)) << c.model;
    EXPECT_EQ(Control(page, 20112)["sel"], c.blankSel) << c.model;
    EXPECT_EQ(Control(page, 20113)["items"], c.startup) << c.model;
    EXPECT_EQ(Control(page, 20113)["sel"], c.startupSel) << c.model;
    EXPECT_EQ(Control(page, 20116)["items"].size(), static_cast<std::size_t>(c.pinpInputs)) << c.model;
    EXPECT_EQ(Control(page, 20116)["sel"], c.pinpSel) << c.model;
    EXPECT_EQ(Control(page, 20117)["items"].size(), 4u);
    EXPECT_EQ(Control(page, 20118)["items"], Texts({87, 94}));
  }
}

TEST(ScreenType3Page, ChoicesSendItemDataCodesOrPositions) {
  Script script("3/15", kScreenTab, R"("host":{"gamma":[{"code":2,"name":"A"},{"code":5,"name":"B"}]})");
  script.Reload(R"("set":{"0x30A1":5})");
  const std::string dump = script.Dump();
  script.Events();
  for (const auto& [id, position] : {std::pair{20112, 7}, {20113, 2}, {20114, 3}, {20115, 0}, {20116, 2}, {20117, 3},
                                     {20118, 1}, {20119, 2}})
    script.Select(id, position);
  const std::string sent = script.Events();
  const auto output = script.Run();
  Script withoutGamma("3/15", kScreenTab, R"("host":{"gamma":[]})");
  const std::string noGamma = withoutGamma.Dump();
  const std::string noGammaCalls = withoutGamma.Events();
  const auto unread = withoutGamma.Run();
  EXPECT_EQ(Control(Reply(output, dump), 20115)["items"], Texts({72, 75}));
  EXPECT_EQ(Control(Reply(output, dump), 20115)["sel"], 1);
  EXPECT_THAT(Calls(Reply(output, sent)),
              ElementsAre("SetBlankColor(32)", "SetStartup(2)", "SetMirror(3)", "SetGamma(0)", "SetPinPInput(2)",
                          "SetPinPPosition(3)", "SetPinPAudio(1)", "SetPinPSize(2)"));
  EXPECT_FALSE(Usable(Control(Reply(unread, noGamma), 20115)));
  EXPECT_FALSE(Has(Calls(Reply(unread, noGammaCalls)), "Get 0x30A1"));
}

TEST(SetupType3Page, InfraRedReceiversOnlyOnModels10To48AndEnabledAgainAfterAFailedRead) {
  for (const auto& [model, ir] : {std::pair{"3/10", true}, {"3/47", true}, {"3/48", true}, {"3/8", false}, {"3/15", false}}) {
    Script script(model, kSetupTab);
    script.Reload(R"("fail":["0x2601"],"set":{"0x2600":0})");
    const std::string failed = script.Dump();
    const std::string events = script.Events();
    script.Reload(R"("clear":true)");
    const std::string recovered = script.Dump();
    script.Events();
    script.Click(20073);
    const std::string clicked = script.Events();
    const auto output = script.Run();
    const auto calls = Calls(Reply(output, events));
    EXPECT_EQ(Has(calls, "Get 0x2600") && Has(calls, "Get 0x2602"), ir) << model;
    for (int id : {20131, 20392, 20073, 20074, 20076}) EXPECT_EQ(Control(Reply(output, failed), id)["visible"], ir) << model;
    if (!ir) continue;
    EXPECT_EQ(Control(Reply(output, failed), 20073)["check"], 0);
    EXPECT_FALSE(Usable(Control(Reply(output, failed), 20074)));
    EXPECT_TRUE(Usable(Control(Reply(output, recovered), 20074)));
    EXPECT_THAT(Calls(Reply(output, clicked)), ElementsAre("SetIRFront(1)"));
  }
}

TEST(SetupType3Page, WhisperItemsFollowTheHostNamesAndSendTheirCodes) {
  struct Case {
    const char* host;
    std::vector<std::string> items;
    int value, shownAt, chosen;
    const char* sent;
  };
  const std::vector<Case> cases = {
      {R"({"whisper":[{"code":0,"name":"Normal"},{"code":2,"name":"Bright"}]})", Texts({25, 27}), 2, 1, 0, "SetWhisper(0)"},
      {R"({"whisper":[{"code":4,"name":"Eco"},{"code":7,"name":"Whisper"}]})", Texts({26}), 7, 0, 0, "SetWhisper(7)"},
      {R"({"whisper":[]})", {}, 0, -1, 0, nullptr},
  };
  for (const Case& c : cases) {
    Script script("3/47", kSetupTab, std::string(R"("host":)") + c.host);
    script.Reload(R"("set":{"0x3300":)" + std::to_string(c.value) + "}");
    const std::string dump = script.Dump();
    const std::string refresh = script.Events();
    script.Select(20072, c.chosen);
    const std::string sent = script.Events();
    const auto output = script.Run();
    const OrderedJson list = Control(Reply(output, dump), 20072);
    EXPECT_EQ(list["items"], c.items) << c.host;
    EXPECT_EQ(list["sel"], c.shownAt) << c.host;
    EXPECT_EQ(list["enabled"], c.sent != nullptr) << c.host;
    EXPECT_EQ(Has(Calls(Reply(output, refresh)), "Get 0x3300"), c.sent != nullptr) << c.host;
    if (c.sent) {
      EXPECT_THAT(Calls(Reply(output, sent)), ElementsAre(c.sent)) << c.host;
    }
  }
}

TEST(SetupType3Page, VolumeAndAutoPowerOffStopRefuseAndRecover) {
  // The range text lets the volume slider reach 48; the buttons still stop at 32.
  Script script("3/15", kSetupTab, R"("host":{"ranges":{"21":"0,48"}})");
  script.Reload(R"("set":{"0x2001":32,"0x3110":10})");
  script.Events();
  script.Click(20122);
  script.Click(20128);
  script.Sim(R"("fail":["0x2001","0x3110"])");
  script.Slide(20121, 40);
  script.Slide(20127, 20);
  const std::string used = script.Events();
  const std::string refused = script.Dump();
  script.Reload(R"("fail":["0x3110"])");
  const std::string unreadable = script.Dump();
  script.Reload(R"("clear":true)");
  const std::string recovered = script.Dump();
  const auto output = script.Run();
  EXPECT_THAT(Calls(Reply(output, used)),
              ElementsAre("IncrementAutoPowerOff(10)", "Set 0x2001=40", "Set 0x3110=20"));
  EXPECT_THAT(Messages(Reply(output, used)), ElementsAre(StopBox(Msg(2201, 65)), StopBox(Msg(2201, 37))));
  EXPECT_EQ(Control(Reply(output, refused), 20121)["pos"], 32);
  EXPECT_EQ(Control(Reply(output, refused), 20129)["text"], "11");
  for (int id : {20126, 20127, 20128}) {
    EXPECT_FALSE(Usable(Control(Reply(output, unreadable), id))) << id;
    EXPECT_TRUE(Usable(Control(Reply(output, recovered), id))) << id;
  }
  EXPECT_EQ(Control(Reply(output, unreadable), 20129)["text"], "");
}

}  // namespace
}  // namespace pages::testing
