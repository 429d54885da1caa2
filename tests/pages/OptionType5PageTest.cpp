// The option page of type 5 and its service dialog.
#include "pages/type5/Option5TabDlg.h"
#include "tests/pages/PageTestSupport.h"

namespace pages::testing {
namespace {

TEST(OptionType5Page, Cases) {
  RunCases({
      {.what = "My Button items from the template, without range texts", .model = "5/36", .tab = 6,
       .openFields = R"("host":{"myButton":[],"ranges":{"0":""}})", .before = {R"(reload "set":{"GetMyButton1":16})"},
       .controls = {R"("20371":{"count":12,"data":[0,4,3,5,2,1,6,16,17,18,19,20],"sel":7},"20369":{"max":99},
                      "20289 20402 20292 20290 20293 20291 20294":{"visible":false})"}},
      {.what = "My Button items from the host codes; closed captions", .model = "5/40", .tab = 6,
       .before = {R"(reload "set":{"GetCCChannel":1})"},
       .controls = {R"("20294":{"sel":0},"20372":{"items":["Computer1","Computer2","M1-D","Video","S-Video",
                      "Component","Information","Auto Keystone Execute","My Memory","Picture Mode","Filter Reset",
                      "@5/1007","Active Iris","Gamma","Color Temp","Resize","Audio Source"]})"}},
      {.model = "5/40", .tab = 6, .actions = {"select 20294 2"}, .calls = {"SetCCChannel(3)"},
       .controls = {R"("20294":{"sel":2})"}},
      {.model = "5/44", .tab = 6, .before = {R"(reload "set":{"GetMyButton1":16})"}, .actions = {"select 20371 13"},
       .calls = {"GetMyButton1()"}, .controls = {R"("20371":{"sel":6})"}},
      {.model = "5/36", .tab = 6, .before = {R"(reload "set":{"GetMyButton2":4},"fail":["SetMyButton2"])"},
       .actions = {"select 20372 0"}, .calls = {"SetMyButton2(0)", "GetMyButton2()"},
       .controls = {R"("20372":{"sel":1})"}},
      {.what = "model 44, items 13 and 14, the re-read fails: the list goes back to what it showed",
       .model = "5/44", .tab = 6, .before = {R"(reload "set":{"GetMyButton1":16})"},
       .actions = {R"(sim "fail":["GetMyButton1"])", "select 20371 14"}, .calls = {"GetMyButton1()"},
       .controls = {R"("20371":{"sel":6,"enabled":false})"}},
      {.what = "a refused choice whose re-read value has no item goes back to what the list showed",
       .model = "5/36", .tab = 6, .before = {R"(reload "set":{"GetMyButton2":4})"},
       .actions = {R"(sim "set":{"GetMyButton2":99},"fail":["SetMyButton2"])", "select 20372 0"},
       .calls = {"SetMyButton2(0)", "GetMyButton2()"}, .controls = {R"("20372":{"sel":1})"}},
      {.model = "5/36", .tab = 6, .before = {R"(reload "set":{"GetAutoOff":10})"}, .actions = {"click 20368"},
       .calls = {"GetAutoOff()", "IncrementAutoPowerOff()"}, .controls = {R"("20369":{"pos":11})"}},
      {.model = "5/36", .tab = 6, .before = {R"(reload "set":{"GetAutoOff":10},"fail":["SetAutoPowerOff"])"},
       .actions = {"slide 20369 40"}, .calls = {"SetAutoPowerOff(40)"}, .controls = {R"("20369":{"pos":10})"}},
  });
}

TEST(OptionType5Page, MyButtonLookupIsBoundedAndEmptyAfterInitialisation) {
  std::fill(std::begin(COption5TabDlg::MyButtonLookupTable), std::end(COption5TabDlg::MyButtonLookupTable), 7);
  EXPECT_EQ(COption5TabDlg::GetMyBtnIdx(8), -1);  // no end marker: the scan stops after 33 entries
  EXPECT_EQ(COption5TabDlg::GetMyBtnIdx(7), 0);
  EXPECT_EQ(COption5TabDlg::GetMyBtnVal(33), -1);
  EXPECT_EQ(COption5TabDlg::GetMyBtnVal(-1), -1);
  Script script("5/36", 6);
  script.Run();
  EXPECT_EQ(COption5TabDlg::GetMyBtnVal(0), -1);
  EXPECT_EQ(COption5TabDlg::GetMyBtnIdx(7), -1);
}

TEST(ServiceDialog, ModelRowsAndRefusedChanges) {
  struct Case {
    const char* model;
    std::size_t autoAdjustItems;
    bool focusLock;
  };
  for (const Case& c : {Case{"5/36", 2, false}, Case{"5/37", 3, false}, Case{"5/44", 3, true}})
    RunCase({.what = "a refused receiver shows the projector's value again", .model = c.model, .tab = 6,
             .before = {R"(sim "fail":["SetIRRear"])", "click 20373"}, .actions = {"check 20376 0"},
             .calls = {"SetIRRear(0)", "GetIRRemoteRear()"},
             .controls = {R"("dialog":{"template":20054},"20376":{"check":1})", Is(20374, "count", c.autoAdjustItems),
                          Shown({20631, 20632, 20381}, c.focusLock)}});
}

}  // namespace
}  // namespace pages::testing
