// The input page of type 5.
#include "tests/pages/PageTestSupport.h"

namespace pages::testing {
namespace {

using driver::testing::Reply;
using ::testing::ElementsAre;

constexpr int kTab = 3;

TEST(InputType5Page, RowsLabelsAndItemsFollowTheModel) {
  struct Case {
    const char* model;
    bool computerFrameLock, hdmi;
    CatMsg comp1Label, rgbIn1Label, rgbInSecond;
  };
  const Case cases[] = {
      {"5/36", false, false, Msg(4, 185), Msg(4, 71), Msg(5, 103)},
      {"5/40", true, false, Msg(4, 185), Msg(4, 179), Msg(5, 103)},
      {"5/41", true, true, Msg(4, 188), Msg(4, 71), Msg(5, 98)},
      {"5/42", true, true, Msg(4, 185), Msg(4, 179), Msg(5, 103)},
  };
  for (const Case& c : cases) {
    Script script(c.model, kTab);
    const std::string dump = script.Dump();
    const auto page = Reply(script.Run(), dump);
    for (int id : {20425, 20430, 20305, 20426, 20431, 20306})
      EXPECT_EQ(Control(page, id)["visible"], c.computerFrameLock) << c.model << " " << id;
    for (int id : {20427, 20429, 20307, 20428, 20432, 20308})
      EXPECT_EQ(Control(page, id)["visible"], c.hdmi) << c.model << " " << id;
    EXPECT_EQ(Control(page, 20302)["enabled"], !c.computerFrameLock) << c.model;  // frame lock per computer instead
    EXPECT_EQ(Control(page, 20425)["text"], CatalogText(c.comp1Label)) << c.model;
    EXPECT_EQ(Control(page, 20390)["text"], CatalogText(c.rgbIn1Label)) << c.model;
    EXPECT_EQ(Control(page, 20304)["items"][1], CatalogText(c.rgbInSecond)) << c.model;
    EXPECT_EQ(Control(page, 20294)["items"], (std::vector<std::string>{CatalogText(Msg(5, 30)), "TV",
                                                                       CatalogText(Msg(5, 326))}));
  }
}

TEST(InputType5Page, ValuesMapToPositionsAndChoicesSendPositions) {
  struct Case {
    const char* model;
    std::string sim;          // projector values before the refresh
    std::vector<std::pair<int, int>> selections;  // list id, expected selection
    int choose, position;     // then the user chooses this
    std::string call;
  };
  const Case cases[] = {
      {"5/36", R"("GetVideoFormat:1":3,"GetVideoFormat:0":10)", {{20299, -1}, {20300, 0}}, 20299, 3, "SetCVideoFormat(3)"},
      {"5/36", R"("GetVideoNrVal":1,"GetRgbIn:1":2,"GetRgbIn:2":3)", {{20295, 0}, {20303, 0}, {20304, 1}}, 20295, 2,
       "SetVideoNR(2,1)"},
      {"5/40", R"("GetFrameLockComp1":1)", {{20305, 1}}, 20303, 1, "SetRgbIn1(1,false)"},
      {"5/41", R"("GetHDMI":2)", {{20307, 2}}, 20306, 1, "SetFrameLockComp2(1,true)"},
  };
  for (const Case& c : cases) {
    Script script(c.model, kTab);
    script.Reload(R"("set":{)" + c.sim + "}");
    const std::string dump = script.Dump();
    script.Events();
    script.Select(c.choose, c.position);
    const std::string chosen = script.Events();
    const auto output = script.Run();
    for (auto [id, sel] : c.selections) EXPECT_EQ(Control(Reply(output, dump), id)["sel"], sel) << c.model << " " << id;
    EXPECT_THAT(Calls(Reply(output, chosen)), ElementsAre(c.call)) << c.model;
  }
}

}  // namespace
}  // namespace pages::testing
