// Drop-down lists and check boxes of one setting each.
#include <algorithm>
#include <cstring>

#include "frame/ExpertDlg.h"
#include "pages/common/ControlView.h"
#include "pages/common/SettingPage.h"

namespace expert::pages {

void CSettingPage::FillList(int listId, std::span<const CatMsg> items) {
  ControlView<CComboBox> list(ChildWindow(*this, listId));
  list.ResetContent();
  for (const CatMsg& item : items) list.AddString(CatalogText(item));
}

void CSettingPage::AddInputNames(int listId) {
  ControlView<CComboBox> list(ChildWindow(*this, listId));
  for (int i = 0; i < std::clamp(Host().m_nInputCount, 0, kHostInputSize); ++i) list.AddString(InputName(i));
}

std::string CSettingPage::InputName(int index) const {
  const char* slot = Host().m_szInputName[index];
  return std::string(slot, ::strnlen(slot, kHostNameSize));
}

void CSettingPage::ReplaceFirstItem(int listId, CatMsg text) {
  ControlView<CComboBox> list(ChildWindow(*this, listId));
  list.DeleteString(0);
  list.InsertString(0, CatalogText(text));
}

void CSettingPage::FillList(int listId, std::span<const CodedItem> items) {
  ControlView<CComboBox> list(ChildWindow(*this, listId));
  list.ResetContent();
  for (const CodedItem& item : items)
    list.SetItemData(list.AddString(CatalogText(item.text)), static_cast<DWORD_PTR>(item.code));
}

void CSettingPage::FillList(const ListRow& row) {
  if (row.codes)
    FillCodes(row);
  else if (!row.items.empty())
    FillList(row.list, row.items);
}

int CSettingPage::SelectedPosition(int listId) const {
  return ControlView<CComboBox>(ChildWindow(*this, listId)).GetCurSel();
}

int CSettingPage::PositionOf(const ListRow& row, int value) const {
  ControlView<CComboBox> list(ChildWindow(*this, row.list));
  const int position = row.codes           ? CodePosition(*row.codes, value)
                       : row.map.position ? row.map.position(Host(), list, value)
                                          : value;
  return position >= 0 && position < list.GetCount() ? position : -1;
}

bool CSettingPage::HasPosition(const ListRow& row, int value) const { return PositionOf(row, value) >= 0; }

void CSettingPage::SelectValue(const ListRow& row, int value) {
  ControlView<CComboBox> list(ChildWindow(*this, row.list));
  const int position = PositionOf(row, value);
  if (position < 0) {
    if (!row.unknownKeepsSelection) list.SetCurSel(-1);
  } else {
    list.SetCurSel(position);
  }
  m_listShown[row.list] = list.GetCurSel();
}

// A choice that was not sent, or that the projector refused, must not stay
// on show: the list goes back to what the last read or taken choice showed.
void CSettingPage::ShowKnownValue(const ListRow& row) {
  const auto known = m_listShown.find(row.list);
  ControlView<CComboBox>(ChildWindow(*this, row.list)).SetCurSel(known != m_listShown.end() ? known->second : -1);
}

std::optional<int> CSettingPage::ReadList(const ListRow& row) {
  std::uint16_t raw = 0;
  const bool read = !(row.codes && HostCodes(Host(), row.codes->table).empty()) && ReadRaw(Pjt(), row.io, raw);
  NoteRead({.kind = SettingKind::List, .control = row.list, .read = read});
  if (!read) {
    m_listShown.erase(row.list);
    Enable({row.list}, false);
    return std::nullopt;
  }
  SelectValue(row, raw);
  return raw;
}

void CSettingPage::ListChanged(const ListRow& row) {
  ControlView<CComboBox> list(ChildWindow(*this, row.list));
  const int position = list.GetCurSel();
  if (position < 0 || position >= list.GetCount()) return;
  std::optional<int> value = position;
  if (row.codes) {
    value = CodeAt(row, position);  // a position beyond the table sends nothing
    if (value && row.codes->sendsPosition) value = position;
  } else if (row.map.value) {
    value = row.map.value(Host(), list, position);
  }
  if (!value) {
    ShowKnownValue(row);
    return;
  }
  if (row.passItemText && Pjt()) list.GetLBText(position, Pjt()->m_strSelItemText);
  if (WriteRaw(Pjt(), row.io, *value)) {
    m_listShown[row.list] = position;
    return;
  }
  ShowKnownValue(row);
  if (row.rereadWhenRefused) {
    // The projector's value, when it has an item; otherwise the list keeps
    // the position last shown (never the refused choice).
    std::uint16_t raw = 0;
    if (ReadRaw(Pjt(), row.io, raw) && HasPosition(row, raw)) SelectValue(row, raw);
    return;
  }
  Report(row.onRefused);
}

void CSettingPage::ReadCheck(const CheckRow& row) {
  std::uint16_t raw = 0;
  const bool read = ReadRaw(Pjt(), row.io, raw);
  NoteRead({.kind = SettingKind::Check, .control = row.box, .read = read});
  if (!read) {
    Enable({row.box}, false);
    return;
  }
  ControlView<CButton>(ChildWindow(*this, row.box)).SetCheck(raw != 0 ? 1 : 0);
}

void CSettingPage::CheckClicked(const CheckRow& row) {
  ControlView<CButton> box(ChildWindow(*this, row.box));
  if (!box.m_hWnd) return;
  if (WriteRaw(Pjt(), row.io, box.GetCheck())) return;
  if (row.rereadWhenRefused) {
    std::uint16_t raw = 0;
    if (ReadRaw(Pjt(), row.io, raw)) box.SetCheck(raw != 0 ? 1 : 0);
    return;
  }
  Report(row.onRefused);
}

}  // namespace expert::pages

namespace expert::pages {

void CSettingPage::PowerChanged(const ListRow& row, CatMsg readFailure, CatMsg coolingDown) {
  constexpr std::uint16_t kCoolingDown = 2;
  const int position = SelectedPosition(row.list);
  if (position < 0) return;
  std::uint16_t power = 0;
  if (!ReadRaw(Pjt(), row.io, power)) {
    ShowKnownValue(row);
    ShowError(readFailure);
    return;
  }
  // From here on the list shows the state just read, unless a change is taken.
  SelectValue(row, power);
  if (power == kCoolingDown) {
    ShowNotice(coolingDown);
    return;
  }
  if (position == power || !Pjt()) return;
  bool taken = true;  // switching off reports nothing
  if (position == 0)
    Pjt()->SetPowerOff();
  else
    taken = Pjt()->SetPowerOn();
  // The other settings follow the power state: show them as they now are.
  if (taken) InitDisp();
}

}  // namespace expert::pages
