// The option page of type 5 and its service dialog.
#include "pages/type5/Option5TabDlg.h"
#include "tests/pages/PageTestSupport.h"

namespace pages::testing {
namespace {

using driver::testing::Reply;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

// A control of the top-most dialog itself.
OrderedJson Own(const OrderedJson& dump, int id) {
  for (const OrderedJson& control : dump["controls"])
    if (control["id"] == id) return control;
  return nullptr;
}

TEST(OptionType5Page, MyButtonItemsClosedCaptionsAndRanges) {
  Script plain("5/36", 6, R"("host":{"myButton":[],"ranges":{"0":""}})");
  plain.Reload(R"("set":{"GetMyButton1":16})");
  const std::string templateItems = plain.Dump();
  Script coded("5/40", 6);
  coded.Reload(R"("set":{"GetCCChannel":1})");
  const std::string hostItems = coded.Dump();
  const auto fromTemplate = Reply(plain.Run(), templateItems);
  const auto fromHost = Reply(coded.Run(), hostItems);

  const auto myButton = Control(fromTemplate, 20371);
  EXPECT_EQ(myButton["items"].size(), 12u);
  EXPECT_EQ(myButton["data"], (std::vector<int>{0, 4, 3, 5, 2, 1, 6, 16, 17, 18, 19, 20}));
  EXPECT_EQ(myButton["sel"], 7);  // "Information"
  EXPECT_EQ(Control(fromTemplate, 20369)["max"], 99);
  for (int id : {20289, 20402, 20292, 20290, 20293, 20291, 20294}) EXPECT_FALSE(Control(fromTemplate, id)["visible"]);

  const auto items = Control(fromHost, 20372)["items"];
  EXPECT_NE(std::find(items.begin(), items.end(), CatalogText(Msg(5, 1007))), items.end());  // code 25
  EXPECT_EQ(Control(fromHost, 20294)["sel"], 0);  // channel 1
}

TEST(OptionType5Page, ChoicesStepsAndRefusals) {
  struct Case {
    const char* model;
    std::string before;
    std::string action;  // a driver command
    std::vector<std::string> calls;
    int control;
    std::string field;
    int after;
  };
  const Case cases[] = {
      {"5/40", "", R"({"cmd":"select","id":20294,"index":2})", {"SetCCChannel(3)"}, 20294, "sel", 2},
      {"5/44", R"("set":{"GetMyButton1":16})", R"({"cmd":"select","id":20371,"index":13})", {"GetMyButton1()"}, 20371,
       "sel", 6},
      {"5/36", R"("set":{"GetMyButton2":4},"fail":["SetMyButton2"])", R"({"cmd":"select","id":20372,"index":0})",
       {"SetMyButton2(0)", "GetMyButton2()"}, 20372, "sel", 1},
      {"5/36", R"("set":{"GetAutoOff":10})", R"({"cmd":"click","id":20368})",
       {"GetAutoOff()", "IncrementAutoPowerOff()"}, 20369, "pos", 11},
      {"5/36", R"("set":{"GetAutoOff":10},"fail":["SetAutoPowerOff"])", R"({"cmd":"slide","id":20369,"pos":40})",
       {"SetAutoPowerOff(40)"}, 20369, "pos", 10},
  };
  for (const Case& c : cases) {
    Script script(c.model, 6);
    if (!c.before.empty()) script.Reload(c.before);
    script.Events();
    script.Add(c.action);
    const std::string events = script.Events();
    const std::string dump = script.Dump();
    const auto output = script.Run();
    EXPECT_THAT(Calls(Reply(output, events)), ElementsAreArray(c.calls)) << c.model << " " << c.action;
    EXPECT_EQ(Control(Reply(output, dump), c.control)[c.field], c.after) << c.model << " " << c.action;
  }
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

TEST(ServiceDialog, ModelRowsRefusedChangesAndClose) {
  struct Case {
    const char* model;
    std::size_t autoAdjustItems;
    bool focusLock;
  };
  for (const Case& c : {Case{"5/36", 2, false}, Case{"5/37", 3, false}, Case{"5/44", 3, true}}) {
    Script script(c.model, 6);
    script.Sim(R"("fail":["SetIRRear"])");
    const std::string open = script.Click(20373);
    const std::string shown = script.Dump();
    script.Events();
    script.Add(R"({"cmd":"check","id":20376,"state":0})");
    const std::string refused = script.Events();
    const std::string after = script.Dump();
    script.Click(20380);
    const auto output = script.Run();
    const auto dialog = Reply(output, shown);
    EXPECT_EQ(dialog["template"], 20054) << c.model;
    EXPECT_EQ(Own(dialog, 20374)["items"].size(), c.autoAdjustItems) << c.model;
    for (int id : {20631, 20632, 20381}) EXPECT_EQ(Own(dialog, id)["visible"], c.focusLock) << c.model;
    EXPECT_THAT(Calls(Reply(output, refused)), ElementsAre("SetIRRear(0)", "GetIRRemoteRear()"));
    EXPECT_EQ(Own(Reply(output, after), 20376)["check"], 1) << c.model;
    EXPECT_TRUE(Reply(output, open)["ok"]) << c.model;
  }
}

}  // namespace
}  // namespace pages::testing
