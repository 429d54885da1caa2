#include "dialogs/CustomAdjustDlg.h"

#include "frame/ExpertDlg.h"

CCustomAdjustDlg::CCustomAdjustDlg(UINT templateId, CWnd* parent, CPjtInterface*& pjt, bool type4)
    : CSettingPage(templateId, parent, pjt), m_bType4(type4), m_pjtField(pjt) {}

BOOL CCustomAdjustDlg::OnInitDialog() {
  CSettingPage::OnInitDialog();
  // Opened without a parent, the dialog is owned by the Expert Control dialog.
  auto* owner = dynamic_cast<CExpertDlg*>(GetOwner());
  m_pjtField = owner ? &owner->m_pjt : nullptr;
  return TRUE;
}

void CCustomAdjustDlg::NarrowWithoutResets(std::span<const int> resetButtons, int rightEdgeOf, int closeAfter) {
  for (int id : resetButtons) Show({id}, false);
  CWnd* edge = GetDlgItem(rightEdgeOf);
  CWnd* label = GetDlgItem(closeAfter);
  CWnd* close = GetDlgItem(IDOK);
  if (!edge || !label || !close) return;
  CRect dialog, edgeRect, labelRect, closeRect;
  GetWindowRect(&dialog);
  edge->GetWindowRect(&edgeRect);
  label->GetWindowRect(&labelRect);
  close->GetWindowRect(&closeRect);
  MoveWindow(dialog.left, dialog.top, edgeRect.right + 15, dialog.Height());
  close->MoveWindow(labelRect.right + 5, closeRect.top, closeRect.Width() + 5, closeRect.Height());
}

void CCustomAdjustDlg::ShowReadBack(const expert::pages::SliderGroup& row, std::int16_t& cached, bool reset,
                                    std::int16_t raw, int lowest) {
  if (!reset || raw < lowest) return;
  cached = static_cast<std::int16_t>(raw - row.offset);
  ShowSliderValue(row, cached);
}
