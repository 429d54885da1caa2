// The input page of type 5.
#include "tests/pages/PageTestSupport.h"

namespace pages::testing {
namespace {

constexpr int kTab = 3;

TEST(InputType5Page, RowsLabelsAndItemsFollowTheModel) {
  struct Case {
    const char* model;
    bool computerFrameLock, hdmi;
    CatMsg comp1Label, rgbIn1Label, rgbInSecond;
  };
  for (const Case& c : {Case{"5/36", false, false, Msg(4, 185), Msg(4, 71), Msg(5, 103)},
                        Case{"5/40", true, false, Msg(4, 185), Msg(4, 179), Msg(5, 103)},
                        Case{"5/41", true, true, Msg(4, 188), Msg(4, 71), Msg(5, 98)},
                        Case{"5/42", true, true, Msg(4, 185), Msg(4, 179), Msg(5, 103)}})
    RunCase({.model = c.model, .tab = kTab,
             .controls = {Shown({20425, 20430, 20305, 20426, 20431, 20306}, c.computerFrameLock),
                          Shown({20427, 20429, 20307, 20428, 20432, 20308}, c.hdmi),
                          Is(20302, "enabled", !c.computerFrameLock),  // frame lock per computer instead
                          Is(20425, "text", CatalogText(c.comp1Label)), Is(20390, "text", CatalogText(c.rgbIn1Label)),
                          Is(20304, "items", {"RGB", CatalogText(c.rgbInSecond)}),
                          R"("20294":{"items":["@5/30","TV","@5/326"]})"}});
}

TEST(InputType5Page, ValuesMapToPositionsAndChoicesSendPositions) {
  struct Case {
    const char* model;
    std::string sim;          // projector values before the refresh
    std::string selections;   // what the lists then show
    int choose, position;     // then the user chooses this
    std::string call;
  };
  const Case cases[] = {
      {"5/36", R"("GetVideoFormat:1":3,"GetVideoFormat:0":10)", R"("20299":{"sel":-1},"20300":{"sel":0})", 20299, 3,
       "SetCVideoFormat(3)"},
      {"5/36", R"("GetVideoNrVal":1,"GetRgbIn:1":2,"GetRgbIn:2":3)",
       R"("20295":{"sel":0},"20303":{"sel":0},"20304":{"sel":1})", 20295, 2, "SetVideoNR(2,1)"},
      {"5/40", R"("GetFrameLockComp1":1)", R"("20305":{"sel":1})", 20303, 1, "SetRgbIn1(1,false)"},
      {"5/41", R"("GetHDMI":2)", R"("20307":{"sel":2})", 20306, 1, "SetFrameLockComp2(1,true)"},
  };
  for (const Case& c : cases) {
    const std::string reload = R"(reload "set":{)" + c.sim + "}";
    RunCase({.model = c.model, .tab = kTab, .before = {reload}, .controls = {c.selections}});
    RunCase({.model = c.model, .tab = kTab, .before = {reload},
             .actions = {"select " + std::to_string(c.choose) + " " + std::to_string(c.position)}, .calls = {c.call}});
  }
}

}  // namespace
}  // namespace pages::testing
