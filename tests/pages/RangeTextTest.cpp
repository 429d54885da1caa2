// Range texts: what each shape of text gives a slider.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "pages/common/RangeText.h"
#include "tests/pages/PageTestSupport.h"

namespace expert::pages {
namespace {

TEST(RangeText, TwoNumbersGiveTheRangeLessTheOffset) {
  EXPECT_EQ(ParseRangeText("-30,30", 0), (Range{-30, 30}));
  EXPECT_EQ(ParseRangeText("-30,30", 128), (Range{-158, -98}));
  EXPECT_EQ(ParseRangeText("64,192", 128), (Range{-64, 64}));
  EXPECT_EQ(ParseRangeText(" 5 , 9 ", 0), (Range{5, 9}));
  EXPECT_EQ(ParseRangeText("9,5", 0), (Range{5, 9}));  // ends in the wrong order
  EXPECT_EQ(ParseRangeText("0,65535", 0), (Range{0, 32767}));  // shown values are 16-bit signed
  EXPECT_EQ(ParseRangeText("1,2,3", 0), std::nullopt);  // "2,3" is not a number
}

TEST(RangeText, AnythingElseGivesTheDefault) {
  for (const char* text : {"", "abc", ",", "10", "10,", ",10", "5x,9", "0,70000", "-40000,0", "99999999999999999999,1"})
    EXPECT_EQ(ParseRangeText(text, 128), std::nullopt) << '"' << text << '"';
}

// Through the dialog: every range text, good or bad, leaves a usable slider.
TEST(RangeText, ABadRangeTextStillGivesAUsableSlider) {
  using namespace ::pages::testing;
  const std::vector<std::pair<std::string, std::pair<int, int>>> cases = {
      {"", {-64, 64}}, {"abc", {-64, 64}}, {",", {-64, 64}}, {"10", {-64, 64}},
      {" 100 , 150 ", {-28, 22}}, {"150,100", {-28, 22}}, {"0,70000", {-64, 64}}};
  for (const auto& [text, range] : cases) {
    std::string ranges = R"("ranges32":[)";
    for (int i = 0; i < 32; ++i) ranges += std::string(i ? "," : "") + "\"" + (i == 19 ? text : "") + "\"";
    const OrderedJson slider = {{"min", range.first}, {"max", range.second}, {"visible", true}, {"enabled", true}};
    RunCase({.what = '"' + text + '"', .model = "4/9", .tab = 8, .openFields = ranges + "]",
             .actions = {"slide 20285 " + std::to_string(range.first)}, .calls = {"*"},
             .controls = {"\"20285\":" + slider.dump()}});
  }
}

}  // namespace
}  // namespace expert::pages
