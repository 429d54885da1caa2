// The setup page of type 5.
#include "tests/pages/PageTestSupport.h"

namespace pages::testing {
namespace {

using driver::testing::Reply;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

constexpr int kTab = 4;

TEST(SetupType5Page, RowsAndResetsFollowTheModel) {
  struct Case {
    const char* model;
    bool audio, hdmi, digital;
    std::size_t rgb1Items, resets;
  };
  const Case cases[] = {
      {"5/30", false, false, false, 4, 2}, {"5/36", true, false, false, 4, 1}, {"5/37", true, false, false, 3, 1},
      {"5/42", true, true, false, 4, 2},   {"5/44", true, false, true, 4, 4},
  };
  for (const Case& c : cases) {
    Script script(c.model, kTab);
    const std::string dump = script.Dump();
    const auto page = Reply(script.Run(), dump);
    for (int id : {20338, 20317, 20142, 20345, 20321, 20339, 20320, 20326, 20421})
      EXPECT_EQ(Control(page, id)["visible"], c.audio) << c.model << " " << id;
    for (int id : {20346, 20329, 20347, 20330}) EXPECT_EQ(Control(page, id)["visible"], c.hdmi) << c.model << " " << id;
    for (int id : {20348, 20332, 20143, 20349, 20335, 20334, 20144, 20145})
      EXPECT_EQ(Control(page, id)["visible"], c.digital) << c.model << " " << id;
    EXPECT_EQ(Control(page, 20305)["enabled"], !c.digital) << c.model;
    EXPECT_EQ(Control(page, 20320)["items"].size(), c.rgb1Items) << c.model;
    EXPECT_EQ(Control(page, 20325)["items"].size(), 4u) << c.model;
    EXPECT_EQ(Control(page, 20327)["items"].size(), c.resets) << c.model;
  }
}

TEST(SetupType5Page, ListMappingsAndRefusals) {
  struct Case {
    const char* model;
    std::string before;  // sim fields before the refresh
    int list, shown;     // the selection it shows
    int choose;          // the item then chosen
    std::vector<std::string> calls;
    int after;           // the selection after the choice
  };
  const Case cases[] = {
      {"5/38", R"("set":{"GetAudioMIU":16})", 20326, 2, 1, {"SetAudioMIU(1)"}, 1},
      {"5/36", R"("set":{"GetAudioMIU":16})", 20326, 4, 4, {"SetAudioMIU(16)"}, 4},
      {"5/42", R"("set":{"GetAudioM1D":32})", 20329, 4, 4, {"SetAudioM1D(32,true)"}, 4},
      {"5/42", R"("set":{"GetHDMIAudio":2})", 20330, 1, 0, {"SetHDMIAudio(1)"}, 0},
      {"5/44", R"("set":{"GetWhisper":2})", 20315, 2, 1, {"SetWhisper(1)"}, 1},
      // a refused choice shows the projector's value again
      {"5/36", R"("set":{"GetMirror":3},"fail":["SetMirror"])", 20316, 3, 1, {"SetMirror(1)", "GetMirror()"}, 3},
  };
  for (const Case& c : cases) {
    Script script(c.model, kTab);
    script.Reload(c.before);
    const std::string shown = script.Dump();
    script.Events();
    script.Select(c.list, c.choose);
    const std::string chosen = script.Events();
    const std::string after = script.Dump();
    const auto output = script.Run();
    EXPECT_EQ(Control(Reply(output, shown), c.list)["sel"], c.shown) << c.model << " " << c.list;
    EXPECT_THAT(Calls(Reply(output, chosen)), ElementsAreArray(c.calls)) << c.model << " " << c.list;
    EXPECT_EQ(Control(Reply(output, after), c.list)["sel"], c.after) << c.model << " " << c.list;
  }
}

TEST(SetupType5Page, HdmiAudioValueOutsideTheListKeepsTheSelection) {
  Script script("5/42", kTab);
  script.Reload(R"("set":{"GetHDMIAudio":2})");
  script.Reload(R"("set":{"GetHDMIAudio":3})");
  const std::string dump = script.Dump();
  EXPECT_EQ(Control(Reply(script.Run(), dump), 20330)["sel"], 1);
}

TEST(SetupType5Page, VolumeFollowsTheCurrentInputSource) {
  Script script("5/36", kTab);
  script.Reload(R"("set":{"GetInputSource":4,"GetInputSrcVolume:4":20})");
  const std::string read = script.Dump();
  script.Events();
  script.Click(20319);
  script.Slide(20317, 7);
  const std::string sent = script.Events();
  script.Sim(R"("fail":["GetInputSource"])");
  script.Click(20318);  // the source cannot be read: nothing is stepped
  script.Slide(20317, 3);
  const std::string unsent = script.Events();
  const std::string after = script.Dump();
  const auto output = script.Run();
  EXPECT_EQ(Control(Reply(output, read), 20142)["text"], "20");
  EXPECT_THAT(Calls(Reply(output, sent)), ElementsAre("GetInputSource()", "IncrementInputSrcVol(4)",
                                                      "GetInputSource()", "SetVolumeEachSrc(4,7)"));
  EXPECT_THAT(Calls(Reply(output, unsent)), ElementsAre("GetInputSource()", "GetInputSource()"));
  EXPECT_EQ(Control(Reply(output, after), 20142)["text"], "");
  EXPECT_EQ(Control(Reply(output, after), 20317)["pos"], 7);
}

TEST(SetupType5Page, DigitalZoomAndShiftBoundsMessagesAndResets) {
  Script script("5/44", kTab);
  script.Reload(R"("set":{"0x300A":100,"0x2007":140})");
  script.Events();
  script.Click(20333);  // at 100: nothing
  const std::string atBound = script.Events();
  script.Sim(R"("fail":["0x300A","0x300B"])");
  script.Select(20327, 0);
  script.Click(20328);  // keystone V reset: the new value is cached too
  script.Sim(R"("fail":["SetKeystoneV"])");
  script.Slide(20310, 30);
  script.Click(20331);
  script.Click(20335);
  const std::string refused = script.Events();
  const std::string after = script.Dump();
  script.Reload(R"("clear":true)");
  const std::string good = script.Dump();
  const auto output = script.Run();
  EXPECT_THAT(Calls(Reply(output, atBound)), IsEmpty());
  EXPECT_THAT(Messages(Reply(output, refused)), ElementsAre(StopBox(Msg(2201, 314)), StopBox(Msg(2201, 315))));
  EXPECT_EQ(Control(Reply(output, after), 20310)["pos"], 0);  // back on the value the reset left
  for (int id : {20331, 20332, 20335, 20336}) EXPECT_TRUE(Usable(Control(Reply(output, good), id))) << id;
}

TEST(SetupType5Page, KeystoneTicksAtLeastOneApartAndAFailedReadDisablesTheBox) {
  Script script("5/36", kTab, R"("host":{"ranges":{"19":"120,133"}})");
  script.Reload(R"("fail":["GetKeystoneV"])");
  const std::string failed = script.Dump();
  script.Reload(R"("clear":true)");
  const std::string again = script.Dump();
  const auto output = script.Run();
  EXPECT_EQ(Control(Reply(output, failed), 20310)["tick"], 1);
  EXPECT_FALSE(Control(Reply(output, failed), 20314)["enabled"]);
  EXPECT_TRUE(Control(Reply(output, again), 20314)["enabled"]);
}

}  // namespace
}  // namespace pages::testing
