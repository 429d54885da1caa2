#include <iterator>

#include "frame/ExpertDlg.h"
#include "pages/common/Rows.h"

namespace expert::pages {
namespace {

int InputPosition(const CExpertDlg& host, const CComboBox&, int value) {
  for (int i = 0; i < kHostInputSize; ++i)
    if (host.m_nInputCode[i] == value) return i;
  return -1;
}

// Only codes 0 to 6 name an input that can be chosen from the projector's
// everyday controls; any other code is not sent.
std::optional<int> SelectableInputCode(const CExpertDlg& host, const CComboBox&, int position) {
  if (position < 0 || position >= kHostInputSize) return std::nullopt;
  const int code = host.m_nInputCode[position];
  if (code < 0 || code > 6) return std::nullopt;
  return code;
}

int ItemPosition(const CExpertDlg&, const CComboBox& list, int value) {
  for (int i = 0; i < list.GetCount(); ++i)
    if (list.GetItemData(i) == static_cast<DWORD_PTR>(value)) return i;
  return -1;
}

std::optional<int> ItemValue(const CExpertDlg&, const CComboBox& list, int position) {
  if (position < 0 || position >= list.GetCount()) return std::nullopt;
  return static_cast<int>(list.GetItemData(position));
}

// An item whose data could not be had reads as CB_ERR: never a colour.
std::optional<int> BlankColourCode(const CExpertDlg& host, const CComboBox& list, int position) {
  const std::optional<int> code = ItemValue(host, list, position);
  if (!code || list.GetItemData(position) == static_cast<DWORD_PTR>(CB_ERR)) return std::nullopt;
  return code;
}

constexpr int kStartupValues[] = {0, 1, 32};

int StartupPosition(const CExpertDlg&, const CComboBox&, int value) {
  for (int i = 0; i < static_cast<int>(std::size(kStartupValues)); ++i)
    if (kStartupValues[i] == value) return i;
  return -1;
}

}  // namespace

const ListMap kPositionIsValue{};
const ListMap kSelectableInputs{InputPosition, SelectableInputCode};
const ListMap kItemData{ItemPosition, ItemValue};
const ListMap kBlankColour{ItemPosition, BlankColourCode};
const ListMap kStartup{StartupPosition, nullptr};

}  // namespace expert::pages
