// A command that opens a nested modal dialog is answered once that dialog has
// ended; meanwhile the driver announces the dialog and takes its commands.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/driver/DriverTestSupport.h"
#include "tests/driver/ProbePage.h"

namespace driver::testing {
namespace {

using ::testing::ElementsAre;

constexpr char kCustom[] = R"({"cmd":"click","id":508,"seq":"custom"})";

TEST(DriverNested, ClosingTheNestedDialogAnswersTheClickThatOpenedIt) {
  ProbePage page;
  const auto output = RunSession({
      Line(kOpen),
      AddProbePage(page, true),
      Line(kCustom),
      Line(R"({"cmd":"dump","seq":"d"})"),
      Line(R"({"cmd":"close","seq":"c"})"),
      Line(kCustom),  // the same dialog object again, at the same place
      Line(R"({"cmd":"key","key":"escape","seq":"k"})"),
      Line(R"({"cmd":"close","seq":"main"})"),
  });
  EXPECT_THAT(Trace(output),
              ElementsAre("modal 22151", "modal 30998", "ok \"d\"", "ok \"c\"", "closed 30998 1", "ok \"custom\"",
                          "modal 30998", "ok \"k\"", "closed 30998 2", "ok \"custom\"", "ok \"main\"",
                          "closed 22151 1", "ok \"o\""));
  EXPECT_THAT(page.nestedResults, ElementsAre(IDOK, IDCANCEL));
  EXPECT_EQ(Reply(output, "\"d\"")["caption"], "Custom");  // commands went to the nested dialog
  const OrderedJson nested = output[1];
  EXPECT_EQ(nested["tabs"], OrderedJson::array());
  EXPECT_EQ(nested["tab"], -1);
}

TEST(DriverNested, EndOfInputCancelsInnermostFirst) {
  ProbePage page;
  const auto output = RunSession({Line(kOpen), AddProbePage(page, true), Line(kCustom)});
  EXPECT_THAT(Trace(output), ElementsAre("modal 22151", "modal 30998", "closed 30998 2", "ok \"custom\"",
                                         "closed 22151 2", "ok \"o\""));
  EXPECT_THAT(page.nestedResults, ElementsAre(IDCANCEL));
}

}  // namespace
}  // namespace driver::testing
