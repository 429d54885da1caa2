// The type-5 picture page.
#include "tests/pages/PageTestSupport.h"

namespace pages::testing {
namespace {

using driver::testing::Reply;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr int kGamma = 20142, kGammaCustom = 20133, kColorTemp = 20144, kColorTempCustom = 20143;
constexpr int kActiveIris = 20293;

TEST(PictureType5Page, ModeListsAndTheirCustomButtonsFollowTheCodes) {
  struct Case {
    const char* model;
    std::string host, sim;
    int gammaSel;
    bool gammaCustom;
    int colorTempSel;
    bool colorTempCustom;
    bool gammaRead;
  };
  const std::vector<Case> cases = {
      {"5/31", "", R"("set":{"0x30A1":21,"0x30B0":17})", 6, true, 3, true, true},
      {"5/31", "", R"("set":{"0x30A1":22,"0x30B0":3})", 7, false, 0, false, true},
      {"5/31", "", R"("set":{"0x30A1":99,"0x30B0":99})", -1, false, -1, false, true},  // unknown codes
      {"5/31", "", R"("set":{"0x30B0":18},"fail":["0x30A1","0x30B0"])", 0, false, 0, false, true},  // read fails
      {"5/36", R"("host":{"gamma":[]})", R"("set":{"0x30B0":17})", -1, false, 3, true, false},
  };
  for (const Case& c : cases) {
    Script script(c.model, 1, c.host);
    script.Events();
    script.Reload(c.sim);
    const std::string events = script.Events();
    const std::string dump = script.Dump();
    const auto output = script.Run();
    const OrderedJson page = Reply(output, dump);
    const bool failing = c.sim.find("fail") != std::string::npos;
    SCOPED_TRACE(std::string(c.model) + " " + c.sim);
    if (!failing) {
      EXPECT_EQ(Control(page, kGamma)["sel"], c.gammaSel);
      EXPECT_EQ(Control(page, kColorTemp)["sel"], c.colorTempSel);
    }
    EXPECT_EQ(Control(page, kGamma)["enabled"], c.gammaRead && !failing);
    EXPECT_EQ(Control(page, kGammaCustom)["enabled"], c.gammaCustom);
    EXPECT_EQ(Control(page, kColorTempCustom)["enabled"], c.colorTempCustom);
    const auto calls = Calls(Reply(output, events));
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "Get 0x30A1"), c.gammaRead ? 1 : 0);
  }
}

TEST(PictureType5Page, ItemsAndRangesComeFromTheModel) {
  Script script("5/44", 1, R"("host":{"ranges":{"17":"100,150","26":"126,129"}})");
  const std::string dump = script.Dump();
  const auto output = script.Run();
  const OrderedJson page = Reply(output, dump);
  std::vector<std::string> colorTemps;
  for (int code : {3, 2, 1, 5, 6, 7, 17, 18}) colorTemps.push_back(CatalogText(Msg(5, code + 250)));
  EXPECT_EQ(Control(page, kColorTemp)["items"], colorTemps);
  EXPECT_EQ(Control(page, kColorTemp)["data"], std::vector<int>({3, 2, 1, 5, 6, 7, 17, 18}));
  EXPECT_EQ(Control(page, kGamma)["items"][0], CatalogText(Msg(5, 4 + 204)));
  for (auto [slider, min, max] : {std::tuple{20136, -28, 22}, {20152, 2, 5}, {20151, -32, 32}}) {
    EXPECT_EQ(Control(page, slider)["min"], min) << slider;
    EXPECT_EQ(Control(page, slider)["max"], max) << slider;
  }
}

TEST(PictureType5Page, StepsStopAtTheSliderEndsAndSlidesUseTheNamedSetters) {
  Script script("5/30", 1);
  script.Reload(R"("set":{"0x2003":160,"0x2201":125})");
  script.Events();
  script.Click(20135);  // brightness + at 32: nothing
  script.Click(20148);  // sharpness - at 1: nothing
  script.Click(20134);
  script.Slide(20152, 3);
  const std::string sent = script.Events();
  const std::string dump = script.Dump();
  const auto output = script.Run();
  EXPECT_THAT(Calls(Reply(output, sent)), ElementsAre("Dec 0x2003", "Get 0x2003", "SetSharpness(127)"));
  EXPECT_EQ(Control(Reply(output, dump), 20329)["text"], "31");
  EXPECT_EQ(Control(Reply(output, dump), 20333)["text"], "3");
}

TEST(PictureType5Page, RefusalsSnapBackAndOnlyStepsAndListsSaySo) {
  Script script("5/31", 1);
  script.Reload(R"("set":{"0x30A1":22})");
  script.Sim(R"("fail":["SetContrast","0x2202","0x30B0","0x3304","SetGamma"])");
  script.Events();
  script.Slide(20138, 20);  // silent, back on the cached value
  script.Click(20149);      // colour +
  script.Select(kColorTemp, 1);
  script.Select(kActiveIris, 2);
  script.Select(kGamma, 0);  // no result looked at; Custom follows the code chosen
  const std::string refused = script.Events();
  const std::string dump = script.Dump();
  const auto output = script.Run();
  EXPECT_THAT(Messages(Reply(output, refused)),
              ElementsAre(StopBox(Msg(2201, 60)), StopBox(Msg(2201, 61)), StopBox(Msg(2201, 78))));
  const OrderedJson page = Reply(output, dump);
  EXPECT_EQ(Control(page, 20138)["pos"], 0);
  EXPECT_EQ(Control(page, 20330)["text"], "0");
  EXPECT_EQ(Control(page, kGammaCustom)["enabled"], true);
}

TEST(PictureType5Page, ActiveIrisMapsThroughItsTable) {
  Script script("5/30", 1);
  script.Reload(R"("set":{"0x3304":17})");
  const std::string presentation = script.Dump();
  script.Reload(R"("set":{"0x3304":5})");
  const std::string unknown = script.Dump();
  script.Reload(R"("fail":["0x3304"])");
  const std::string failed = script.Dump();
  script.Reload(R"("clear":true,"set":{"0x3304":0})");
  const std::string again = script.Dump();
  script.Events();
  script.Select(kActiveIris, 1);
  const std::string chosen = script.Events();
  const auto output = script.Run();
  EXPECT_EQ(Control(Reply(output, presentation), kActiveIris)["sel"], 2);
  EXPECT_EQ(Control(Reply(output, unknown), kActiveIris)["sel"], -1);
  EXPECT_EQ(Control(Reply(output, failed), kActiveIris)["enabled"], false);
  EXPECT_EQ(Control(Reply(output, again), kActiveIris)["enabled"], true);
  EXPECT_EQ(Control(Reply(output, again), kActiveIris)["sel"], 0);
  EXPECT_THAT(Calls(Reply(output, chosen)), ElementsAre("Set 0x3304=16"));
}

TEST(PictureType5Page, MyMemoryAndResetsRefreshThePage) {
  Script script("5/30", 1);
  script.Events();
  script.Select(21064, 5);
  script.Click(21065);
  script.Select(20157, 4);
  script.Click(21070);
  script.Sim(R"("fail":["SetMyMemory"])");
  const std::string both = script.Events();
  script.Click(21065);
  const std::string refused = script.Events();
  const auto output = script.Run();
  const auto calls = Calls(Reply(output, both));
  ASSERT_GT(calls.size(), 2u);
  EXPECT_EQ(calls[0], "SetMyMemory(5)");
  EXPECT_EQ(calls[1], "Get 0x2003");
  EXPECT_EQ(std::count(calls.begin(), calls.end(), "ExecSharpnessReset()"), 1);
  EXPECT_EQ(std::count(calls.begin(), calls.end(), "Get 0x3304"), 2);
  EXPECT_THAT(Calls(Reply(output, refused)), ElementsAre("SetMyMemory(0)"));
}

}  // namespace
}  // namespace pages::testing
