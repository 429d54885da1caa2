// Drop-down lists and check boxes of one setting each.
#include "frame/ExpertDlg.h"
#include "pages/common/ControlView.h"
#include "pages/common/SettingPage.h"

namespace expert::pages {

void CSettingPage::FillList(int listId, std::span<const CatMsg> items) {
  ControlView<CComboBox> list(ChildWindow(*this, listId));
  list.ResetContent();
  for (const CatMsg& item : items) list.AddString(CatalogText(item));
}

void CSettingPage::FillList(const ListRow& row) {
  if (!row.items.empty()) FillList(row.list, row.items);
}

int CSettingPage::SelectedPosition(int listId) const {
  return ControlView<CComboBox>(ChildWindow(*this, listId)).GetCurSel();
}

void CSettingPage::SelectValue(const ListRow& row, int value) {
  m_listValues[row.list] = value;
  ControlView<CComboBox> list(ChildWindow(*this, row.list));
  const int position = row.map.position ? row.map.position(Host(), list, value) : value;
  if (position < 0 || position >= list.GetCount()) {
    if (!row.unknownKeepsSelection) list.SetCurSel(-1);
    return;
  }
  list.SetCurSel(position);
}

// A choice that was not sent, or that the projector refused, must not stay
// on show: the list goes back to the value last read or taken.
void CSettingPage::ShowKnownValue(const ListRow& row) {
  const auto known = m_listValues.find(row.list);
  if (known != m_listValues.end()) {
    SelectValue(row, known->second);
    return;
  }
  ControlView<CComboBox>(ChildWindow(*this, row.list)).SetCurSel(-1);
}

std::optional<int> CSettingPage::ReadList(const ListRow& row) {
  std::uint16_t raw = 0;
  if (!ReadRaw(Pjt(), row.io, raw)) {
    m_listValues.erase(row.list);
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
  const std::optional<int> value = row.map.value ? row.map.value(Host(), list, position) : position;
  if (!value) {
    ShowKnownValue(row);
    return;
  }
  if (WriteRaw(Pjt(), row.io, *value)) {
    m_listValues[row.list] = *value;
    return;
  }
  if (row.rereadWhenRefused) {
    std::uint16_t raw = 0;
    if (ReadRaw(Pjt(), row.io, raw))
      SelectValue(row, raw);
    else
      ShowKnownValue(row);
    return;
  }
  ShowKnownValue(row);
  Report(row.onRefused);
}

void CSettingPage::ReadCheck(const CheckRow& row) {
  std::uint16_t raw = 0;
  if (!ReadRaw(Pjt(), row.io, raw)) {
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
