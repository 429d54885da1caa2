// Commands that act on controls: what they reach, what they refuse, and that
// the module hears what a user's action would send. A command that opens a
// nested modal dialog is answered once that dialog has ended; meanwhile the
// driver announces the dialog and takes its commands.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/driver/DriverTestSupport.h"
#include "tests/driver/ProbePage.h"

namespace driver::testing {
namespace {

using ::testing::ElementsAre;

TEST(DriverControls, RefusesUnknownIdsIndexesKindsAndUnusableControls) {
  const auto output = RunCases(
      {Line(kOpen)},
      {
          {R"({"cmd":"tab","index":8})", ""},
          {R"({"cmd":"dump"})", ""},
          {R"({"cmd":"tab","index":9})", "out of range: the tab control has 9 items"},
          {R"({"cmd":"tab","index":-1})", "out of range"},
          {R"({"cmd":"tab","index":0,"id":1})", "kind \"button\""},
          {R"({"cmd":"click","id":4242})", "no control 4242"},
          {R"({"cmd":"select","id":1,"index":0})", "control 1 is of kind \"button\"; \"select\" needs kind \"list\""},
          {R"({"cmd":"slide","id":21016,"pos":3})", "\"slide\" needs kind \"slider\""},
          {R"({"cmd":"check","id":1,"state":1})", "\"check\" needs kind \"check\""},
          {R"({"cmd":"click","id":21016})", "needs kind \"button\", \"check\" or \"bitmap\""},
          {R"({"cmd":"key","key":"enter"})", "unknown key \"enter\""},
      },
      {Do([](Session& session) {
         session.OpenDialog()->GetDlgItem(1)->EnableWindow(FALSE);
         session.OpenDialog()->m_tab.ShowWindow(SW_HIDE);
       }),
       Line(R"({"cmd":"click","id":1,"seq":"disabled"})"), Line(R"({"cmd":"close","seq":"close"})"),
       Line(R"({"cmd":"tab","index":1,"seq":"hidden"})")});
  EXPECT_EQ(Reply(output, "2")["controls"][1]["sel"], 8);
  EXPECT_THAT(ErrorOf(output, "\"disabled\""), ::testing::HasSubstr("control 1 is disabled"));
  EXPECT_THAT(ErrorOf(output, "\"close\""), ::testing::HasSubstr("control 1 is disabled"));
  EXPECT_THAT(ErrorOf(output, "\"hidden\""), ::testing::HasSubstr("the tab control is hidden"));
  EXPECT_EQ(Reply(output, "\"o\"")["result"], 2);  // none of them closed the dialog
}

TEST(DriverControls, ControlsOfAHiddenPageAreOutOfReach) {
  ProbePage page;
  RunCases({Line(kOpen), AddProbePage(page, false)},
           {{R"({"cmd":"select","id":501,"index":0})", "control 501 is on page 30999, which is not shown"}});
  EXPECT_EQ(page.selChanges, 0);
}

TEST(DriverControls, ActOnTheVisiblePageAsAUserWould) {
  ProbePage page;
  const auto output = RunCases({Line(kOpen), AddProbePage(page, true)}, {
      {R"({"cmd":"select","id":501,"index":1})", ""},
      {R"({"cmd":"select","id":501,"index":1})", ""},  // already selected: still notified
      {R"({"cmd":"select","id":501,"index":3})", "index 3 is out of range: list 501 has 3 items"},
      {R"({"cmd":"slide","id":502,"pos":500})", ""},
      {R"({"cmd":"check","id":503,"state":1})", ""},
      {R"({"cmd":"check","id":503,"state":2})", "\"state\" must be 0 or 1"},
      {R"({"cmd":"click","id":505})", "control 505 is disabled"},
      {R"({"cmd":"select","id":506,"index":0})", "control 506 is hidden"},
      {R"({"cmd":"click","id":507})", ""},
      {R"({"cmd":"dump"})", ""},
  });
  EXPECT_EQ(page.selChanges, 2);
  EXPECT_THAT(page.scrollCodes, ElementsAre(TB_THUMBTRACK, TB_ENDTRACK));
  EXPECT_EQ(page.checkClicks, 1);

  const OrderedJson dump = Reply(output, "10");
  OrderedJson probe;  // the dialog's own pages come first
  for (const OrderedJson& shown : dump["pages"])
    if (shown["template"] == 30999) probe = shown;
  ASSERT_FALSE(probe.is_null());
  EXPECT_EQ(probe["visible"], true);
  const OrderedJson& controls = probe["controls"];
  ASSERT_EQ(controls.size(), 8u);
  EXPECT_EQ(controls[0].dump(),
            R"({"id":501,"kind":"list","text":"","visible":true,"enabled":true,"rect":[15,16,120,98],)"
            R"("items":["Low","Middle","High"],"data":[0,0,42],"sel":1})");
  // The slider's position is clamped to its range, as a real slider's is.
  EXPECT_EQ(controls[1].dump(),
            R"({"id":502,"kind":"slider","text":"","visible":true,"enabled":true,"rect":[15,49,150,24],)"
            R"("min":0,"max":100,"pos":100,"tick":1})");
  EXPECT_EQ(controls[2]["check"], 1);
  EXPECT_EQ(controls[3]["kind"], "static");
  EXPECT_FALSE(controls[3].contains("items"));
  EXPECT_EQ(controls[4]["enabled"], false);
  EXPECT_EQ(controls[5]["visible"], false);
  EXPECT_TRUE(controls[6]["bitmap"].is_null());
}

constexpr char kCustom[] = R"({"cmd":"click","id":508,"seq":"custom"})";

// The same dialog object opens three times at the same place: closed,
// escaped, then cancelled by the end of input, innermost first.
TEST(DriverNested, EndingTheNestedDialogAnswersTheClickThatOpenedIt) {
  ProbePage page;
  const auto output = RunSession({
      Line(kOpen),
      AddProbePage(page, true),
      Line(kCustom),
      Line(R"({"cmd":"dump","seq":"d"})"),
      Line(R"({"cmd":"close","seq":"c"})"),
      Line(kCustom),
      Line(R"({"cmd":"key","key":"escape","seq":"k"})"),
      Line(kCustom),
  });
  EXPECT_THAT(Trace(output),
              ElementsAre("modal 22151", "modal 30998", "ok \"d\"", "ok \"c\"", "closed 30998 1", "ok \"custom\"",
                          "modal 30998", "ok \"k\"", "closed 30998 2", "ok \"custom\"", "modal 30998",
                          "closed 30998 2", "ok \"custom\"", "closed 22151 2", "ok \"o\""));
  EXPECT_THAT(page.nestedResults, ElementsAre(IDOK, IDCANCEL, IDCANCEL));
  EXPECT_EQ(Reply(output, "\"d\"")["caption"], "Custom");  // commands went to the nested dialog
  EXPECT_EQ(output[1]["tabs"], OrderedJson::array());
  EXPECT_EQ(output[1]["tab"], -1);
}

}  // namespace
}  // namespace driver::testing
