// Reset lists with their "Execute" button, and motor steps.
#include "pages/common/ControlView.h"
#include "pages/common/SettingPage.h"

namespace expert::pages {

void CSettingPage::FillResets(const ResetList& row) {
  ControlView<CComboBox> list(ChildWindow(*this, row.list));
  list.ResetContent();
  for (const ResetItem& item : row.items) list.AddString(CatalogText(item.text));
}

void CSettingPage::SelectFirstReset(const ResetList& row) {
  ControlView<CComboBox>(ChildWindow(*this, row.list)).SetCurSel(0);
}

// No confirmation is asked. A reset the projector refuses shows nothing (one
// that fails in the link is told by OnCommand); the page keeps
// what it showed.
void CSettingPage::ExecuteReset(const ResetList& row) {
  const int position = SelectedPosition(row.list);
  if (position < 0 || position >= static_cast<int>(row.items.size()) || !Pjt()) return;
  if ((Pjt()->*row.items[static_cast<std::size_t>(position)].run)() == 0) InitDisp();
}

void CSettingPage::ExecuteMyMemory(int listId) {
  const int position = SelectedPosition(listId);
  if (position < 0 || !Pjt()) return;
  if (Pjt()->SetMyMemory(position) != 0) InitDisp();
}

void CSettingPage::Nudge(const StepButtons& row, bool up) {
  CPjtInterface* pjt = Pjt();
  bool done = false;
  if (pjt && row.io.step) {
    std::optional<std::uint16_t> ignored;
    done = row.io.step(*pjt, up, ignored);
  } else if (pjt) {
    done = (up ? pjt->Inc(row.io.code, 0, pjt) : pjt->Dec(row.io.code, 0, pjt)) == 1;
  }
  if (!done) Report(row.onRefused);
}

}  // namespace expert::pages
