#include "tests/qt/ProbeDialogs.h"

#include "projector/CommandCodes.h"

namespace qtdisplay::testing {
namespace {

constexpr int kNestedLabel = 701;
constexpr int kNestedSlider = 702;
constexpr short kLowest = -32;
constexpr short kHighest = 32;
constexpr int kArrowRight = 22154;

DialogTemplate PageTemplate() {
  DialogTemplate t;
  t.id = kProbePageTemplate;
  t.rect = {0, 0, 400, 220};
  t.style = WS_CHILD;
  const UINT tab = WS_VISIBLE | WS_TABSTOP;
  t.controls = {
      {ControlKind::Static, kLabel, "Power\t\t:", {4, 12, 72, 8}, WS_VISIBLE, {}},
      {ControlKind::Button, kMinus, "-", {78, 10, 12, 12}, tab, {}},
      {ControlKind::Slider, kSlider, "", {90, 8, 120, 16}, tab | TBS_AUTOTICKS, {}},
      {ControlKind::Button, kPlus, "+", {213, 10, 12, 12}, tab, {}},
      {ControlKind::Edit, kValue, "", {230, 10, 30, 12}, tab | ES_READONLY | ES_RIGHT | ES_NUMBER | WS_BORDER, {}},
      {ControlKind::Static, kPlainLabel, "Input Source\t:", {4, 32, 72, 8}, WS_VISIBLE, {}},
      {ControlKind::ComboBox, kList, "", {78, 30, 80, 60}, tab | WS_VSCROLL, {}},
      {ControlKind::CheckBox, kCheck, "Mute", {78, 50, 60, 10}, tab | BS_AUTOCHECKBOX, {}},
      {ControlKind::BitmapButton, kArrow, "", {78, 66, 14, 14}, WS_VISIBLE, {}},
      {ControlKind::Button, kCustom, "Custom...", {78, 86, 50, 14}, tab, {}},
      {ControlKind::Button, kNotice, "Notice", {130, 86, 50, 14}, tab, {}},
  };
  return t;
}

DialogTemplate NestedTemplate() {
  DialogTemplate t;
  t.id = kProbeNestedTemplate;
  t.rect = {0, 0, 245, 100};
  t.caption = "Custom";
  t.controls = {
      {ControlKind::Static, kNestedLabel, "Point", {7, 12, 40, 8}, WS_VISIBLE, {}},
      {ControlKind::Slider, kNestedSlider, "", {50, 8, 100, 16}, WS_VISIBLE | WS_TABSTOP, {}},
      {ControlKind::Button, IDOK, "Close", {188, 80, 50, 14}, WS_VISIBLE | WS_TABSTOP, {}},
  };
  return t;
}

}  // namespace

BEGIN_MESSAGE_MAP(ProbePage, CDialog)
  ON_BN_CLICKED(kPlus, &ProbePage::OnBnClickedPlus)
  ON_CBN_SELCHANGE(kList, &ProbePage::OnCbnSelchangeList)
  ON_BN_CLICKED(kCheck, &ProbePage::OnBnClickedCheck)
  ON_BN_CLICKED(kCustom, &ProbePage::OnBnClickedCustom)
  ON_BN_CLICKED(kNotice, &ProbePage::OnBnClickedNotice)
END_MESSAGE_MAP()

void ProbePage::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, kSlider, m_slider);
  DDX_Control(pDX, kList, m_list);
  DDX_Control(pDX, kCheck, m_check);
  DDX_Control(pDX, kArrow, m_arrow);
}

BOOL ProbePage::OnInitDialog() {
  CDialog::OnInitDialog();
  m_slider.SetRange(kLowest, kHighest);
  m_slider.SetTicFreq(8);
  m_list.ResetContent();
  for (const char* item : {"Off", "Standard", "Cinema", "Dynamic", "Natural"}) m_list.AddString(item);
  if (m_arrowBitmap.LoadBitmap(kArrowRight)) m_arrow.SetBitmap(m_arrowBitmap);
  return TRUE;
}

void ProbePage::ShowBrightness(short value) {
  m_nBrightness = value;
  SetDlgItemText(kValue, std::to_string(value));
  m_slider.SetPos(value);
}

void ProbePage::InitDisp() {
  std::uint16_t raw = 0;
  if (m_pPjt->Get(pjcode::kBrightness, 0, m_pPjt, &raw) == 1) ShowBrightness(static_cast<short>(raw - 128));
  if (m_pPjt->Get(pjcode::kQuickPic, 0, m_pPjt, &raw) == 1) m_list.SetCurSel(raw);
  if (m_pPjt->Get(pjcode::kMute, 0, m_pPjt, &raw) == 1) m_check.SetCheck(raw != 0);
}

void ProbePage::OnHScroll(UINT code, UINT, CWnd* scrollBar) {
  scrollCodes.push_back(code);
  const int pos = m_slider.GetPos();
  if (code == TB_ENDTRACK && scrollBar == &m_slider && m_pPjt->Set(pjcode::kBrightness, pos + 128, m_pPjt) == 1)
    ShowBrightness(static_cast<short>(pos));
}

void ProbePage::OnBnClickedPlus() {
  if (m_nBrightness >= kHighest) return;
  std::uint16_t raw = 0;
  if (m_pPjt->Inc(pjcode::kBrightness, 0, m_pPjt) == 1 && m_pPjt->Get(pjcode::kBrightness, 0, m_pPjt, &raw) == 1)
    ShowBrightness(static_cast<short>(raw - 128));
}

void ProbePage::OnCbnSelchangeList() {
  ++listChanges;
  m_pPjt->Set(pjcode::kQuickPic, m_list.GetCurSel(), m_pPjt);
}

void ProbePage::OnBnClickedCheck() { m_pPjt->Set(pjcode::kMute, m_check.GetCheck(), m_pPjt); }

void ProbePage::OnBnClickedCustom() {
  AfxGetInstanceHandle()->templates[kProbeNestedTemplate] = NestedTemplate();
  ProbeNested nested(this);
  nestedResults.push_back(nested.DoModal());
}

void ProbePage::OnBnClickedNotice() { MessageBox(kNoticeText, "Notice", MB_OK); }

BOOL ProbeNested::OnInitDialog() {
  CDialog::OnInitDialog();
  CRect dialog, slider, label, button;
  GetWindowRect(&dialog);
  GetDlgItem(kNestedSlider)->GetWindowRect(&slider);
  GetDlgItem(kNestedLabel)->GetWindowRect(&label);
  CWnd* ok = GetDlgItem(IDOK);
  ok->GetWindowRect(&button);
  MoveWindow(dialog.left, dialog.top, slider.right + 15 - dialog.left, dialog.Height());
  ok->MoveWindow(label.right + 5, button.top, button.Width() + 5, button.Height());
  return TRUE;
}

void AddProbePage(ProbePage& page, CExpertDlg& dialog) {
  page.m_pPjt = &dialog.m_pjt;
  AfxGetInstanceHandle()->templates[kProbePageTemplate] = PageTemplate();
  page.Create(kProbePageTemplate, &dialog);
  page.SetWindowPos(&CWnd::wndTop, 20, 64, 0, 0, SWP_NOSIZE);
  page.ShowWindow(SW_SHOW);
  page.InitDisp();
}

INT_PTR ProbeDialog::RunDialog(std::function<void()> script) {
  return RunModal(display, open.dialog, [this, script = std::move(script)] {
    AddProbePage(page, open.dialog);
    script();
    if (!open.dialog.HasEnded() && open.dialog.GetSafeHwnd()) ClickOk();
  });
}

}  // namespace qtdisplay::testing
