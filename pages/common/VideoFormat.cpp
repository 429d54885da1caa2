#include "pages/common/VideoFormat.h"

#include "framework/Controls.h"

namespace expert::pages {

constexpr std::uint16_t kEnd = 0xFFFF;
const std::uint16_t VideoFormatTable[8] = {10, 4, 5, 9, 2, 8, 7, kEnd};

int VideoFmtToIdx(std::int16_t value) {
  for (int i = 0; VideoFormatTable[i] != kEnd; ++i)
    if (VideoFormatTable[i] == static_cast<std::uint16_t>(value)) return i;
  return -1;
}

namespace {
int FormatPosition(const CExpertDlg&, const CComboBox&, int value) {
  return VideoFmtToIdx(static_cast<std::int16_t>(value));
}
std::optional<int> FormatValue(const CExpertDlg&, const CComboBox&, int position) {
  for (int i = 0; VideoFormatTable[i] != kEnd; ++i)
    if (i == position) return VideoFormatTable[i];
  return std::nullopt;
}
}  // namespace

const ListMap kVideoFormats{FormatPosition, FormatValue};

}  // namespace expert::pages
