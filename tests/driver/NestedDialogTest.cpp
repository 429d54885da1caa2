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
