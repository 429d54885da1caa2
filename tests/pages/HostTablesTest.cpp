// The host code tables the pages build their lists from: the whisper list
// (which host entries become items, and the code each item sends when some
// names are unknown, the count is out of range, or a "Bright" name ends the
// walk), the host code count, and the video-format table.
#include <gtest/gtest.h>

#include <optional>

#include "beamlink/HostRecords.h"
#include "frame/ExpertDlg.h"
#include "pages/common/Rows.h"
#include "pages/common/VideoFormat.h"
#include "pages/common/WhisperList.h"
#include "tests/framework/TestDialogs.h"

namespace {

using expert::pages::kWhisperCode;
using expert::pages::WhisperNames;

struct Case {
  std::vector<std::string> names;
  int count;
  WhisperNames rule;
  std::vector<int> items;                 // catalog 5/n of each item
  std::vector<std::optional<int>> codes;  // sent for each position; entry i holds code 10 + i
};

TEST(WhisperList, ItemsKeepTheCodesOfTheirOwnEntries) {
  const auto kEach = WhisperNames::kEachKnown, kBright = WhisperNames::kBrightEndsWalk;
  const Case cases[] = {
      {{"Normal", "Eco", "Whisper"}, 3, kEach, {25, 26}, {10, 12}},
      {{"Normal", "Whisper", "Bright"}, 40, kEach, {25, 26, 27}, {10, 11, 12}},
      {{"Normal", "Whisper"}, -1, kEach, {}, {}},
      {{"Normal", "Bright", "Whisper"}, 3, kBright, {27, 26}, {10, 11}},
      {{"Bright"}, 1, kBright, {27, 26}, {10, std::nullopt}},
  };
  for (const Case& c : cases) {
    RecordingDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(TestTemplate()));
    CExpertDlg host;
    host.m_nWhisperCount = c.count;
    for (int i = 0; i < kHostListSize; ++i) host.m_nWhisperCode[i] = 10 + i;
    for (std::size_t i = 0; i < c.names.size(); ++i) CopyNameSlot(host.m_szWhisperName[i], c.names[i]);
    expert::pages::FillWhisperList(dialog.m_list, host, c.rule);
    SCOPED_TRACE(c.names.front() + " count " + std::to_string(c.count));

    ASSERT_EQ(dialog.m_list.GetCount(), static_cast<int>(c.items.size()));
    for (int i = 0; i < dialog.m_list.GetCount(); ++i) {
      std::string text;
      dialog.m_list.GetLBText(i, text);
      EXPECT_EQ(text, CatalogText(Msg(5, c.items[i])));
      EXPECT_EQ(kWhisperCode.value(host, dialog.m_list, i), c.codes[i]);
      if (c.codes[i]) {
        EXPECT_EQ(kWhisperCode.position(host, dialog.m_list, *c.codes[i]), i);
      }
    }
    EXPECT_EQ(kWhisperCode.value(host, dialog.m_list, -1), std::nullopt);
    EXPECT_EQ(kWhisperCode.position(host, dialog.m_list, 11 + static_cast<int>(c.names.size())), -1);
  }
}

TEST(HostCodes, CountIsTakenAsZeroToThirtyTwo) {
  CExpertDlg host;
  for (auto [count, size] : {std::pair{-1, 0u}, {3, 3u}, {33, 32u}}) {
    host.m_nMyButtonCount = count;
    EXPECT_EQ(HostCodes(host, expert::pages::HostTable::MyButton).size(), size) << count;
  }
}

TEST(VideoFormatTable, FirstEntryWinsAndTheEndMarkerIsNoEntry) {
  const std::pair<std::int16_t, int> cases[] = {{10, 0}, {4, 1}, {7, 6}, {3, -1}, {0, -1}, {-1, -1}};
  for (auto [value, index] : cases) EXPECT_EQ(expert::pages::VideoFmtToIdx(value), index) << value;
}

}  // namespace
