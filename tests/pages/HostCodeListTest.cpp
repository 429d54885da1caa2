// Index-to-value tables and host code tables.
#include <gtest/gtest.h>

#include "frame/ExpertDlg.h"
#include "pages/common/IndexTable.h"

namespace expert::pages {
namespace {

constexpr IndexTable<std::uint16_t, 5> kTable{{0x00, 0x10, 0x10, 0x11, 0xFFFF}};
constexpr IndexTable<int, 4> kSigned{{7, -1, 9, -1}};  // entries after the first marker do not count

TEST(IndexTable, LooksUpBeforeTheEndMarkerOnly) {
  struct Case { int index; std::uint16_t value; std::optional<int> sent; };
  for (const Case& c : {Case{0, 0x00, 0}, Case{2, 0x10, 0x10}, Case{3, 0x11, 0x11}, Case{4, 0xFFFF, {}},
                        Case{-1, 0xFFFF, {}}})
    EXPECT_EQ(std::pair(kTable.ToValue(c.index), kTable.ValueFor(c.index)), std::pair(c.value, c.sent)) << c.index;
  struct Find { long long value; int index; };
  for (const Find& f : {Find{0x10, 1}, Find{0x11, 3}, Find{0x12, -1}, Find{0xFFFF, -1}})
    EXPECT_EQ(kTable.ToIndex(f.value), f.index) << f.value;
  EXPECT_EQ(kSigned.Size(), 1);
  EXPECT_EQ(kSigned.ToIndex(9), -1);
  EXPECT_EQ(kSigned.ToValue(2), -1);
}

TEST(HostCodes, CountIsTakenAsZeroToThirtyTwo) {
  CExpertDlg host;
  host.m_nGammaCode[0] = 5;
  for (auto [count, size] : {std::pair{-1, 0u}, {0, 0u}, {3, 3u}, {33, 32u}, {1 << 30, 32u}}) {
    host.m_nGammaCount = count;
    EXPECT_EQ(HostCodes(host, HostTable::Gamma).size(), size) << count;
  }
  host.m_nMyButtonCount = 1;
  host.m_nMyButtonCode[0] = 16;
  EXPECT_EQ(HostCodes(host, HostTable::MyButton)[0], 16);
}

}  // namespace
}  // namespace expert::pages
