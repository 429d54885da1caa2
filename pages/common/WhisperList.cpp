#include "pages/common/WhisperList.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "frame/ExpertDlg.h"

namespace expert::pages {
namespace {

const CatMsg kNormal = Msg(5, 25);
const CatMsg kWhisper = Msg(5, 26);
const CatMsg kBright = Msg(5, 27);

void AddItem(CComboBox& list, CatMsg text, int entry) {
  list.SetItemData(list.AddString(CatalogText(text)), static_cast<DWORD_PTR>(entry));
}

// The table entry of an item, when it lies within the host's count.
std::optional<int> EntryOf(const CExpertDlg& host, const CComboBox& list, int position) {
  if (position < 0 || position >= list.GetCount()) return std::nullopt;
  const DWORD_PTR entry = list.GetItemData(position);
  if (entry >= static_cast<DWORD_PTR>(WhisperCount(host))) return std::nullopt;
  return static_cast<int>(entry);
}

int CodePosition(const CExpertDlg& host, const CComboBox& list, int value) {
  for (int position = 0; position < list.GetCount(); ++position) {
    const std::optional<int> entry = EntryOf(host, list, position);
    if (entry && host.m_nWhisperCode[*entry] == value) return position;
  }
  return -1;
}

std::optional<int> CodeAt(const CExpertDlg& host, const CComboBox& list, int position) {
  const std::optional<int> entry = EntryOf(host, list, position);
  if (!entry) return std::nullopt;
  return host.m_nWhisperCode[*entry];
}

}  // namespace

int WhisperCount(const CExpertDlg& host) { return std::clamp(host.m_nWhisperCount, 0, kHostListSize); }

void FillWhisperList(CComboBox& list, const CExpertDlg& host, WhisperNames names) {
  list.ResetContent();
  for (int entry = 0; entry < WhisperCount(host); ++entry) {
    const std::string_view name(host.m_szWhisperName[entry], ::strnlen(host.m_szWhisperName[entry], kHostNameSize));
    if (name == "Normal") {
      AddItem(list, kNormal, entry);
    } else if (name == "Whisper") {
      AddItem(list, kWhisper, entry);
    } else if (name == "Bright" && names == WhisperNames::kBrightEndsWalk) {
      list.ResetContent();
      AddItem(list, kBright, 0);
      AddItem(list, kWhisper, 1);
      return;
    } else if (name == "Bright") {
      AddItem(list, kBright, entry);
    }
  }
}

const ListMap kWhisperCode{CodePosition, CodeAt};

}  // namespace expert::pages
