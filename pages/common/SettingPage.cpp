#include "pages/common/SettingPage.h"

#include "frame/ExpertDlg.h"
#include "pages/common/ControlView.h"
#include "projector/LinkProblemText.h"

namespace expert::pages {
namespace {
// What a page reads when it has no Expert Control dialog above it (a page
// made on its own): an empty description.
const CExpertDlg& EmptyHost() {
  static const CExpertDlg* none = new CExpertDlg;
  return *none;
}

// Message boxes the pages have shown, over every page and sub-dialog: an
// action that opens a sub-dialog counts the boxes shown inside it too.
unsigned long long g_boxesShown = 0;
}  // namespace

CSettingPage::CSettingPage(UINT templateId, CWnd* parent, CPjtInterface* const& pjt)
    : CDialog(templateId, parent), m_pjt(pjt) {}

BOOL CSettingPage::OnInitDialog() {
  CDialog::OnInitDialog();
  m_host = dynamic_cast<const CExpertDlg*>(GetParent());
  TranslateDlgTexts(4, this);
  return TRUE;
}

BOOL CSettingPage::OnCommand(int notification, int id) {
  CPjtInterface* pjt = Pjt();
  if (!pjt) return CDialog::OnCommand(notification, id);
  const unsigned long long failures = pjt->LinkFailureCount();
  const unsigned long long boxes = g_boxesShown;
  const BOOL handled = CDialog::OnCommand(notification, id);
  if (pjt->LinkFailureCount() != failures && g_boxesShown == boxes && pjt->LinkProblem() && GetSafeHwnd()) {
    ++g_boxesShown;
    MessageBox(LinkProblemText(*pjt->LinkProblem()), AfxGetAppName().c_str(), MB_OK | MB_ICONSTOP);
  }
  return handled;
}

const CExpertDlg& CSettingPage::Host() const { return m_host ? *m_host : EmptyHost(); }

void CSettingPage::Show(std::initializer_list<int> ids, bool show) {
  for (int id : ids)
    if (CWnd* control = GetDlgItem(id)) control->ShowWindow(show ? SW_SHOW : SW_HIDE);
}

void CSettingPage::Enable(std::initializer_list<int> ids, bool enable) {
  for (int id : ids)
    if (CWnd* control = GetDlgItem(id)) control->EnableWindow(enable ? TRUE : FALSE);
}

void CSettingPage::SetText(int id, const std::string& text) {
  if (CWnd* control = GetDlgItem(id)) control->SetWindowText(text);
}

void CSettingPage::ShowError(CatMsg message) {
  char text[kCatalogTextSize];
  GetCatalogText(message, text);
  ++g_boxesShown;
  MessageBox(text, AfxGetAppName().c_str(), MB_OK | MB_ICONSTOP);
}

void CSettingPage::ShowNotice(CatMsg message) {
  char text[kCatalogTextSize];
  GetCatalogText(message, text);
  ++g_boxesShown;
  MessageBox(text, AfxGetAppName().c_str(), MB_OK);
}

void CSettingPage::Report(const Refusal& refusal) {
  if (!refusal.silent) ShowError(refusal.message);
}

}  // namespace expert::pages
