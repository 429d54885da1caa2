#include "pages/type2/AutoTabType2Dlg.h"

#include "frame/ExpertDlg.h"
#include "pages/type1/TwinRows.h"

using namespace expert::pages;

namespace {

enum : int {
  kAutoKeystoneLabel = 20059,
  kAutoAdjustLabel = 20060,
  kAutoPowerOffLabel = 20061,
  kAutoAdjustColon = 20392,
  kAutoKeystoneColon = 20393,
  kAutoPowerOffColon = 20394,
  kAutoAdjustExecute = 20056,
  kAutoKeystoneExecute = 21081,
};

const SliderGroup kAutoPowerOff = twin::AutoPowerOff(21119, 20057, 21118, 20058);

}  // namespace

BEGIN_MESSAGE_MAP(CAutoTabType2Dlg, CSettingPage)
  ON_BN_CLICKED(kAutoAdjustExecute, &CAutoTabType2Dlg::OnBnClickedAutoAdjustExecute)
  ON_BN_CLICKED(kAutoKeystoneExecute, &CAutoTabType2Dlg::OnBnClickedAutoKeystoneExecute)
  ON_BN_CLICKED(21119, &CAutoTabType2Dlg::OnBnClickedAutoPowerOffMinus)
  ON_BN_CLICKED(21118, &CAutoTabType2Dlg::OnBnClickedAutoPowerOffPlus)
END_MESSAGE_MAP()

CAutoTabType2Dlg::CAutoTabType2Dlg(CWnd* pParent) : CSettingPage(20013, pParent, m_pPjt) {}

void CAutoTabType2Dlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, 20057, m_slAutoPowerOff);
}

// Only models 6 and 7 have these settings here; the other type-2 models set
// auto power off on their setup page, and their auto tab stays empty.
bool CAutoTabType2Dlg::HasRows() const { return Host().m_nModelNo == 6 || Host().m_nModelNo == 7; }

BOOL CAutoTabType2Dlg::OnInitDialog() {
  CSettingPage::OnInitDialog();
  SetupSlider(kAutoPowerOff);
  if (!HasRows()) {
    HideGroup(kAutoPowerOff);
    Show({kAutoAdjustLabel, kAutoKeystoneLabel, kAutoPowerOffLabel, kAutoAdjustExecute, kAutoKeystoneExecute,
          kAutoAdjustColon, kAutoKeystoneColon, kAutoPowerOffColon},
         false);
  }
  return TRUE;
}

void CAutoTabType2Dlg::InitDisp() {
  if (!HasRows()) return;
  EnableGroup(kAutoPowerOff);
  ReadSlider(kAutoPowerOff, m_nAutoPowerOff);
}

void CAutoTabType2Dlg::OnBnClickedAutoAdjustExecute() { twin::AutoAdjust(Pjt()); }
void CAutoTabType2Dlg::OnBnClickedAutoKeystoneExecute() {
  if (Pjt()) Pjt()->ExecAutoKeyStone();
}
void CAutoTabType2Dlg::OnBnClickedAutoPowerOffMinus() { StepDown(kAutoPowerOff, m_nAutoPowerOff); }
void CAutoTabType2Dlg::OnBnClickedAutoPowerOffPlus() { StepUp(kAutoPowerOff, m_nAutoPowerOff); }

void CAutoTabType2Dlg::OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) {
  ReleaseSlider(nSBCode, pScrollBar, {{kAutoPowerOff, m_nAutoPowerOff}});
  CSettingPage::OnHScroll(nSBCode, nPos, pScrollBar);
}
