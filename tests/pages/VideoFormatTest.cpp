// The video-format table shared by the format lists of every model type.
#include <gtest/gtest.h>

#include "pages/common/VideoFormat.h"

namespace {

TEST(VideoFormatTable, FirstEntryWinsAndTheEndMarkerIsNoEntry) {
  const std::pair<std::int16_t, int> cases[] = {{10, 0}, {4, 1}, {7, 6}, {3, -1}, {0, -1}, {-1, -1}};
  for (auto [value, index] : cases) EXPECT_EQ(expert::pages::VideoFmtToIdx(value), index) << value;
}

}  // namespace
