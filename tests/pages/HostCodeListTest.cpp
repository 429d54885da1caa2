// Host code tables.
#include <gtest/gtest.h>

#include "frame/ExpertDlg.h"
#include "pages/common/Rows.h"

namespace expert::pages {
namespace {

TEST(HostCodes, CountIsTakenAsZeroToThirtyTwo) {
  CExpertDlg host;
  for (auto [count, size] : {std::pair{-1, 0u}, {3, 3u}, {33, 32u}}) {
    host.m_nMyButtonCount = count;
    EXPECT_EQ(HostCodes(host, HostTable::MyButton).size(), size) << count;
  }
}

}  // namespace
}  // namespace expert::pages
