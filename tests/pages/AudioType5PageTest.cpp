// The audio page of type 5.
#include "tests/pages/PageTestSupport.h"

namespace pages::testing {
namespace {

using driver::testing::Reply;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

constexpr int kTab = 5;

TEST(AudioType5Page, LevelsAndSrsWowFollowTheCurrentInputSource) {
  Script script("5/30", kTab);
  script.Reload(R"("set":{"GetInputSource":2,"GetInputSrcVolume:2":30,"GetInputSrcTreble:2":130,"GetSRSWOW:2":1})");
  const std::string read = script.Dump();
  script.Events();
  script.Click(20349);
  script.Select(20381, 1);
  script.Sim(R"("fail":["SetInputSrcBass"])");
  script.Slide(20353, 3);
  const std::string sent = script.Events();
  const std::string refused = script.Dump();
  script.Reload(R"("clear":true,"fail":["GetInputSource"])");
  const std::string noSource = script.Dump();
  script.Reload(R"("clear":true)");
  const std::string again = script.Dump();
  const auto output = script.Run();
  const auto page = Reply(output, read);
  EXPECT_EQ(Control(page, 20355)["text"], "30");
  EXPECT_EQ(Control(page, 20315)["text"], "2");
  EXPECT_EQ(Control(page, 20381)["sel"], 0);  // 1 shows as "Off"
  EXPECT_THAT(Calls(Reply(output, sent)),
              ElementsAre("GetInputSource()", "IncrementInputSrcTreb(2)", "GetInputSource()", "SetSRSWOW(2,2)",
                          "GetInputSource()", "SetInputSrcBass(2,131)"));
  EXPECT_EQ(Control(Reply(output, refused), 20353)["pos"], 0);
  EXPECT_EQ(Control(Reply(output, refused), 20316)["text"], "");
  for (int id : {20347, 20350, 20353, 20381}) {
    EXPECT_FALSE(Control(Reply(output, noSource), id)["enabled"]) << id;
    EXPECT_TRUE(Control(Reply(output, again), id)["enabled"]) << id;
  }
  for (int id : {20355, 20315, 20316}) EXPECT_EQ(Control(Reply(output, noSource), id)["text"], "") << id;
}

TEST(AudioType5Page, SourceListsByModel) {
  struct Case {
    const char* model;
    std::string value;  // the projector's value before the refresh
    int list, shown, choose;
    std::vector<std::string> calls;
    bool hdmiRow;
  };
  const Case cases[] = {
      {"5/41", R"("GetAudioM1D":32)", 20359, 5, 5, {"SetAudioM1D(32,true)"}, true},
      {"5/30", R"("GetAudioM1D":2)", 20359, 2, 1, {"SetAudioM1D(1,false)"}, false},
      {"5/30", R"("GetAudioMIU":16)", 20363, 5, 5, {"SetAudioMIU(16)"}, false},
      {"5/43", R"("GetHDMIAudio":2)", 20364, 1, 0, {"SetHDMIAudio(1)"}, true},
  };
  for (const Case& c : cases) {
    Script script(c.model, kTab);
    script.Reload(R"("set":{)" + c.value + "}");
    const std::string shown = script.Dump();
    script.Events();
    script.Select(c.list, c.choose);
    const std::string chosen = script.Events();
    const auto output = script.Run();
    const auto page = Reply(output, shown);
    EXPECT_EQ(Control(page, c.list)["sel"], c.shown) << c.model << " " << c.list;
    EXPECT_EQ(Control(page, 20364)["visible"], c.hdmiRow) << c.model;
    EXPECT_THAT(Calls(Reply(output, chosen)), ElementsAreArray(c.calls)) << c.model << " " << c.list;
  }
}

TEST(AudioType5Page, ARefusedChoiceShowsTheProjectorsSource) {
  Script script("5/31", kTab);
  script.Reload(R"("set":{"GetAudioRGB2":3},"fail":["SetAudioRGB2"])");
  script.Select(20358, 1);
  const std::string dump = script.Dump();
  EXPECT_EQ(Control(Reply(script.Run(), dump), 20358)["sel"], 3);
}

}  // namespace
}  // namespace pages::testing
