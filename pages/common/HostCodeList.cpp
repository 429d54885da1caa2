// Lists filled from the dialog's host code tables (aspect, gamma, colour
// temperature, My Button).
#include <algorithm>

#include "frame/ExpertDlg.h"
#include "pages/common/ControlView.h"
#include "pages/common/SettingPage.h"

namespace expert::pages {

std::span<const int> HostCodes(const CExpertDlg& host, HostTable table) {
  const auto first = [](int count, const int (&codes)[kHostListSize]) {
    return std::span<const int>(codes, static_cast<std::size_t>(std::clamp(count, 0, kHostListSize)));
  };
  switch (table) {
    case HostTable::Aspect: return first(host.m_nAspectCount, host.m_nAspectCode);
    case HostTable::Gamma: return first(host.m_nGammaCount, host.m_nGammaCode);
    case HostTable::ColorTemp: return first(host.m_nColorTempCount, host.m_nColorTempCode);
    case HostTable::MyButton: return first(host.m_nMyButtonCount, host.m_nMyButtonCode);
  }
  return {};
}

void CSettingPage::FillCodes(const ListRow& row) {
  const CodeTable& table = *row.codes;
  ControlView<CComboBox> list(ChildWindow(*this, row.list));
  list.ResetContent();
  for (int code : HostCodes(Host(), table.table)) {
    const std::optional<CatMsg> other = table.textFor ? table.textFor(Host(), code) : std::nullopt;
    const int item = list.AddString(CatalogText(other.value_or(Msg(5, code + table.textBase))));
    if (item >= 0) list.SetItemData(item, static_cast<DWORD_PTR>(code));
  }
}

int CSettingPage::CodePosition(const CodeTable& table, int value) const {
  const std::span<const int> codes = HostCodes(Host(), table.table);
  const auto found = std::find(codes.begin(), codes.end(), value);
  return found == codes.end() ? -1 : static_cast<int>(found - codes.begin());
}

std::optional<int> CSettingPage::CodeAt(const ListRow& row, int position) const {
  if (!row.codes) return std::nullopt;
  const std::span<const int> codes = HostCodes(Host(), row.codes->table);
  if (position < 0 || position >= static_cast<int>(codes.size())) return std::nullopt;
  return codes[static_cast<std::size_t>(position)];
}

std::optional<int> CSettingPage::SelectedCode(const ListRow& row) const {
  return CodeAt(row, SelectedPosition(row.list));
}

}  // namespace expert::pages
