// The type-5 picture page.
#include "tests/pages/PageTestSupport.h"

namespace pages::testing {
namespace {

using driver::testing::Reply;
using ::testing::ElementsAre;

constexpr int kGamma = 20142, kGammaCustom = 20133, kColorTemp = 20144, kColorTempCustom = 20143, kIris = 20293;

TEST(PictureType5Page, ModeListsAndTheirCustomButtonsFollowTheCodes) {
  struct Case {
    const char *model, *host, *sim;
    int gammaSel, colorTempSel;
    bool gammaList, gammaCustom, colorTempCustom;
  };
  for (const Case& c : {Case{"5/31", "", R"("set":{"0x30A1":21,"0x30B0":17})", 6, 3, true, true, true},
                        Case{"5/31", "", R"("set":{"0x30A1":22,"0x30B0":3})", 7, 0, true, false, false},
                        Case{"5/31", "", R"("set":{"0x30A1":99,"0x30B0":99})", -1, -1, true, false, false},
                        Case{"5/31", "", R"("fail":["0x30A1","0x30B0"])", 0, 0, false, false, false},
                        Case{"5/36", R"("host":{"gamma":[]})", R"("set":{"0x30B0":17})", -1, 3, false, false, true}}) {
    Script script(c.model, 1, c.host);
    script.Events();
    script.Reload(c.sim);
    const std::string events = script.Events(), dump = script.Dump();
    const auto output = script.Run();
    const OrderedJson page = Reply(output, dump);
    SCOPED_TRACE(std::string(c.model) + c.sim);
    EXPECT_EQ(Control(page, kGamma)["sel"], c.gammaSel);
    EXPECT_EQ(Control(page, kColorTemp)["sel"], c.colorTempSel);
    EXPECT_EQ(Control(page, kGamma)["enabled"], c.gammaList);
    EXPECT_EQ(Control(page, kGammaCustom)["enabled"], c.gammaCustom);
    EXPECT_EQ(Control(page, kColorTempCustom)["enabled"], c.colorTempCustom);
    const auto calls = Calls(Reply(output, events));
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "Get 0x30A1"), std::string(c.host).empty() ? 1 : 0);
  }
}

TEST(PictureType5Page, ItemsRangesStepsAndSlides) {
  Script script("5/44", 1, R"("host":{"ranges":{"17":"100,150","26":"126,129"}})");
  script.Reload(R"("set":{"0x2003":150,"0x2201":126})");
  const std::string opened = script.Dump();
  script.Events();
  script.Click(20135);  // brightness + at the slider's end (22): nothing
  script.Click(20148);  // sharpness - at 2: nothing
  script.Click(20134);
  script.Slide(20152, 3);
  const std::string sent = script.Events(), dump = script.Dump();
  const auto output = script.Run();
  const OrderedJson page = Reply(output, opened);
  EXPECT_EQ(Control(page, kColorTemp)["items"][3], CatalogText(Msg(5, 255)));  // code 5
  for (auto [slider, min, max] : {std::tuple{20136, -28, 22}, {20152, 2, 5}, {20151, -32, 32}})
    EXPECT_EQ(std::pair(Control(page, slider)["min"].get<int>(), Control(page, slider)["max"].get<int>()),
              std::pair(min, max)) << slider;
  EXPECT_THAT(Calls(Reply(output, sent)), ElementsAre("Dec 0x2003", "Get 0x2003", "SetSharpness(127)"));
  EXPECT_EQ(Control(Reply(output, dump), 20329)["text"], "21");
  EXPECT_EQ(Control(Reply(output, dump), 20333)["text"], "3");
}

TEST(PictureType5Page, RefusalsSnapBackAndOnlyStepsAndListsSaySo) {
  Script script("5/31", 1);
  script.Reload(R"("set":{"0x30A1":22})");
  script.Sim(R"("fail":["SetContrast","0x2202","0x30B0","0x3304","SetGamma","SetMyMemory","ExecTintReset"])");
  script.Events();
  script.Slide(20138, 20);  // silent, back on the cached value
  script.Click(20149);
  script.Select(kColorTemp, 1);
  script.Select(kIris, 2);
  script.Select(kGamma, 0);  // its result is not looked at; Custom follows the code chosen
  const std::string chosen = script.Dump();
  script.Click(21065);       // My Memory refused: no refresh
  script.Select(20157, 3);
  script.Click(21070);       // a reset refreshes whatever its result
  const std::string refused = script.Events(), dump = script.Dump();
  const auto output = script.Run();
  EXPECT_THAT(Messages(Reply(output, refused)),
              ElementsAre(StopBox(Msg(2201, 60)), StopBox(Msg(2201, 61)), StopBox(Msg(2201, 78))));
  const auto calls = Calls(Reply(output, refused));
  EXPECT_THAT(std::vector(calls.begin() + 5, calls.begin() + 8),
              ElementsAre("SetMyMemory(0)", "ExecTintReset()", "Get 0x2003"));
  EXPECT_EQ(Control(Reply(output, dump), 20138)["pos"], 0);
  EXPECT_EQ(Control(Reply(output, chosen), kGammaCustom)["enabled"], true);
}

TEST(PictureType5Page, ActiveIrisMapsThroughItsTableAndAGoodReadEnablesIt) {
  Script script("5/30", 1);
  std::vector<std::string> dumps;
  for (const char* sim : {R"("set":{"0x3304":17})", R"("set":{"0x3304":5})", R"("fail":["0x3304"])",
                          R"("clear":true,"set":{"0x3304":0})"}) {
    script.Reload(sim);
    dumps.push_back(script.Dump());
  }
  script.Events();
  script.Select(kIris, 1);
  const std::string chosen = script.Events();
  const auto output = script.Run();
  std::vector<std::pair<int, bool>> shown;
  for (const std::string& dump : dumps)
    shown.emplace_back(Control(Reply(output, dump), kIris)["sel"], Control(Reply(output, dump), kIris)["enabled"]);
  EXPECT_THAT(shown, ElementsAre(std::pair(2, true), std::pair(-1, true), std::pair(-1, false), std::pair(0, true)));
  EXPECT_THAT(Calls(Reply(output, chosen)), ElementsAre("Set 0x3304=16"));
}

}  // namespace
}  // namespace pages::testing
