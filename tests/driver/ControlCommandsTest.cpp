// Commands that act on controls: what they reach, what they refuse, and that
// the module hears what a user's action would send.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/driver/DriverTestSupport.h"
#include "tests/driver/ProbePage.h"

namespace driver::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

TEST(DriverControls, TabsThatExistAreSelectedAndUnknownIdsIndexesOrKindsAreRefused) {
  const auto output = RunLines({
      kOpen,
      R"({"cmd":"tab","index":8,"seq":"t1"})",
      R"({"cmd":"dump","seq":"t2"})",
      R"({"cmd":"tab","index":9,"seq":"t3"})",
      R"({"cmd":"tab","index":-1,"seq":"t4"})",
      R"({"cmd":"tab","index":0,"id":1,"seq":"t5"})",
      R"({"cmd":"click","id":4242,"seq":1})",
      R"({"cmd":"select","id":1,"index":0,"seq":2})",
      R"({"cmd":"slide","id":21016,"pos":3,"seq":3})",
      R"({"cmd":"check","id":1,"state":1,"seq":4})",
      R"({"cmd":"click","id":21016,"seq":5})",
      R"({"cmd":"key","key":"enter","seq":6})",
  });
  EXPECT_EQ(ErrorOf(output, "\"t1\""), "");
  EXPECT_EQ(Reply(output, "\"t2\"")["controls"][1]["sel"], 8);
  EXPECT_THAT(ErrorOf(output, "\"t3\""), HasSubstr("out of range: the tab control has 9 items"));
  EXPECT_THAT(ErrorOf(output, "\"t4\""), HasSubstr("out of range"));
  EXPECT_THAT(ErrorOf(output, "\"t5\""), HasSubstr("kind \"button\""));
  EXPECT_THAT(ErrorOf(output, "1"), HasSubstr("no control 4242"));
  EXPECT_THAT(ErrorOf(output, "2"), HasSubstr("control 1 is of kind \"button\"; \"select\" needs kind \"list\""));
  EXPECT_THAT(ErrorOf(output, "3"), HasSubstr("\"slide\" needs kind \"slider\""));
  EXPECT_THAT(ErrorOf(output, "4"), HasSubstr("\"check\" needs kind \"check\""));
  EXPECT_THAT(ErrorOf(output, "5"), HasSubstr("needs kind \"button\", \"check\" or \"bitmap\""));
  EXPECT_THAT(ErrorOf(output, "6"), HasSubstr("unknown key \"enter\""));
  EXPECT_EQ(Reply(output, "\"o\"")["result"], 2);  // none of them closed the dialog
}

TEST(DriverControls, HiddenOrDisabledControlsCannotBeUsed) {
  const auto output = RunSession({
      Line(kOpen),
      Do([](Session& session) { session.OpenDialog()->GetDlgItem(1)->EnableWindow(FALSE); }),
      Line(R"({"cmd":"click","id":1,"seq":1})"),
      Line(R"({"cmd":"close","seq":2})"),
      Do([](Session& session) { session.OpenDialog()->m_tab.ShowWindow(SW_HIDE); }),
      Line(R"({"cmd":"tab","index":1,"seq":3})"),
      Line(R"({"cmd":"key","key":"escape","seq":4})"),
  });
  EXPECT_THAT(ErrorOf(output, "1"), HasSubstr("control 1 is disabled"));
  EXPECT_THAT(ErrorOf(output, "2"), HasSubstr("control 1 is disabled"));
  EXPECT_THAT(ErrorOf(output, "3"), HasSubstr("the tab control is hidden"));
  EXPECT_EQ(Reply(output, "\"o\"")["result"], 2);  // only Escape ended it
}

TEST(DriverControls, ControlsOfAHiddenPageAreOutOfReach) {
  ProbePage page;
  const auto output = RunSession({Line(kOpen), AddProbePage(page, false),
                                  Line(R"({"cmd":"select","id":501,"index":0,"seq":1})")});
  EXPECT_THAT(ErrorOf(output, "1"), HasSubstr("control 501 is on page 30999, which is not shown"));
  EXPECT_EQ(page.selChanges, 0);
}

TEST(DriverControls, ActOnTheVisiblePageAsAUserWould) {
  ProbePage page;
  const auto output = RunSession({
      Line(kOpen),
      AddProbePage(page, true),
      Line(R"({"cmd":"select","id":501,"index":1,"seq":1})"),
      Line(R"({"cmd":"select","id":501,"index":1,"seq":2})"),  // already selected: still notified
      Line(R"({"cmd":"select","id":501,"index":3,"seq":3})"),
      Line(R"({"cmd":"slide","id":502,"pos":500,"seq":4})"),
      Line(R"({"cmd":"check","id":503,"state":1,"seq":5})"),
      Line(R"({"cmd":"check","id":503,"state":2,"seq":6})"),
      Line(R"({"cmd":"click","id":505,"seq":7})"),
      Line(R"({"cmd":"select","id":506,"index":0,"seq":8})"),
      Line(R"({"cmd":"click","id":507,"seq":9})"),
      Line(R"({"cmd":"dump","seq":10})"),
  });
  for (const char* seq : {"1", "2", "4", "5", "9"}) EXPECT_EQ(ErrorOf(output, seq), "") << seq;
  EXPECT_EQ(page.selChanges, 2);
  EXPECT_THAT(ErrorOf(output, "3"), HasSubstr("index 3 is out of range: list 501 has 3 items"));
  EXPECT_THAT(page.scrollCodes, ElementsAre(TB_THUMBTRACK, TB_ENDTRACK));
  EXPECT_EQ(page.checkClicks, 1);
  EXPECT_THAT(ErrorOf(output, "6"), HasSubstr("\"state\" must be 0 or 1"));
  EXPECT_THAT(ErrorOf(output, "7"), HasSubstr("control 505 is disabled"));
  EXPECT_THAT(ErrorOf(output, "8"), HasSubstr("control 506 is hidden"));

  const OrderedJson dump = Reply(output, "10");
  OrderedJson probe;  // the dialog's own pages come first
  for (const OrderedJson& page : dump["pages"])
    if (page["template"] == 30999) probe = page;
  ASSERT_FALSE(probe.is_null());
  EXPECT_EQ(probe["visible"], true);
  const OrderedJson& controls = probe["controls"];
  ASSERT_EQ(controls.size(), 8u);
  EXPECT_EQ(controls[0].dump(),
            R"({"id":501,"kind":"list","text":"","visible":true,"enabled":true,"rect":[15,16,120,98],)"
            R"("items":["Low","Middle","High"],"data":[0,0,42],"sel":1})");
  EXPECT_EQ(controls[1]["pos"], 100);  // clamped to the range, as a real slider is
  EXPECT_EQ(controls[1]["min"], 0);
  EXPECT_EQ(controls[1]["max"], 100);
  EXPECT_TRUE(controls[1].contains("tick"));
  EXPECT_EQ(controls[2]["check"], 1);
  EXPECT_EQ(controls[3]["kind"], "static");
  EXPECT_FALSE(controls[3].contains("items"));
  EXPECT_EQ(controls[4]["enabled"], false);
  EXPECT_EQ(controls[5]["visible"], false);
  EXPECT_TRUE(controls[6]["bitmap"].is_null());
}

}  // namespace
}  // namespace driver::testing
