#include "pages/type2/SetupTabType2Dlg.h"

#include "frame/ExpertDlg.h"
#include "pages/common/WhisperList.h"
#include "pages/type1/TwinRows.h"
#include "projector/CommandCodes.h"

using namespace expert::pages;

namespace {

enum : int { kAutoPowerOffLabel = 20075, kIRRemoteLabel = 20076, kIRRemoteColon = 20392, kAutoPowerOffColon = 20393 };

const SliderGroup kVolume = twin::Volume(20067, 20068, 20069, 20070);
const ListRow kWhisper{.list = 20071, .io = {.code = pjcode::kWhisper, .set = Setter<&CPjtInterface::SetWhisper>},
                       .map = kWhisperCode};
const CheckRow kIRFront = twin::IRFront(20072);
const CheckRow kIRRear = twin::IRRear(20073);
const CheckRow kIRTop = twin::IRTop(20074);
// Here a step that changes nothing leaves the box as it was.
const SliderGroup kAutoPowerOff =
    AutoPowerOffGroup({.minus = 21104, .slider = 21105, .plus = 21106, .box = 21121, .tick = 4});

}  // namespace

BEGIN_MESSAGE_MAP(CSetupTabType2Dlg, CSettingPage)
  ON_BN_CLICKED(21104, &CSetupTabType2Dlg::OnBnClickedAutoPowerOffMinus)
  ON_BN_CLICKED(21106, &CSetupTabType2Dlg::OnBnClickedAutoPowerOffPlus)
  ON_BN_CLICKED(20067, &CSetupTabType2Dlg::OnBnClickedVolumeMinus)
  ON_BN_CLICKED(20069, &CSetupTabType2Dlg::OnBnClickedVolumePlus)
  ON_CBN_SELCHANGE(20071, &CSetupTabType2Dlg::OnCbnSelchangeWhisper)
  ON_BN_CLICKED(20072, &CSetupTabType2Dlg::OnBnClickedIRFront)
  ON_BN_CLICKED(20073, &CSetupTabType2Dlg::OnBnClickedIRRear)
  ON_BN_CLICKED(20074, &CSetupTabType2Dlg::OnBnClickedIRTop)
END_MESSAGE_MAP()

CSetupTabType2Dlg::CSetupTabType2Dlg(CWnd* pParent) : CSettingPage(20014, pParent, m_pPjt) {}

void CSetupTabType2Dlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, 21105, m_slAutoPowerOff);
  DDX_Control(pDX, 20071, m_cbWhisper);
  DDX_Control(pDX, 20068, m_slVolume);
}

// Models 6 and 7 have the receivers here and auto power off on their auto
// page; the other models the reverse.
bool CSetupTabType2Dlg::HasReceivers() const { return Host().m_nModelNo == 6 || Host().m_nModelNo == 7; }

BOOL CSetupTabType2Dlg::OnInitDialog() {
  CSettingPage::OnInitDialog();
  FillWhisperList(m_cbWhisper, Host());
  SetupSlider(kVolume);
  SetupSlider(kAutoPowerOff);
  if (HasReceivers()) {
    HideGroup(kAutoPowerOff);
    Show({kAutoPowerOffLabel, kAutoPowerOffColon}, false);
  } else {
    Show({kIRRemoteLabel, kIRFront.box, kIRRear.box, kIRTop.box, kIRRemoteColon}, false);
  }
  return TRUE;
}

void CSetupTabType2Dlg::InitDisp() {
  EnableGroup(kVolume);
  EnableGroup(kAutoPowerOff);
  Enable({kWhisper.list, kIRFront.box, kIRRear.box, kIRTop.box});
  ReadSlider(kVolume, m_nVolume);
  if (!HasReceivers()) ReadSlider(kAutoPowerOff, m_nAutoPowerOff);
  if (WhisperCount(Host()) == 0)
    Enable({kWhisper.list}, false);
  else
    ReadList(kWhisper);
  if (HasReceivers()) {
    ReadCheck(kIRFront);
    ReadCheck(kIRRear);
    ReadCheck(kIRTop);
  }
}

void CSetupTabType2Dlg::OnBnClickedAutoPowerOffMinus() { StepDown(kAutoPowerOff, m_nAutoPowerOff); }
void CSetupTabType2Dlg::OnBnClickedAutoPowerOffPlus() { StepUp(kAutoPowerOff, m_nAutoPowerOff); }
void CSetupTabType2Dlg::OnBnClickedVolumeMinus() { StepDown(kVolume, m_nVolume); }
void CSetupTabType2Dlg::OnBnClickedVolumePlus() { StepUp(kVolume, m_nVolume); }
void CSetupTabType2Dlg::OnCbnSelchangeWhisper() { ListChanged(kWhisper); }
void CSetupTabType2Dlg::OnBnClickedIRFront() { CheckClicked(kIRFront); }
void CSetupTabType2Dlg::OnBnClickedIRRear() { CheckClicked(kIRRear); }
void CSetupTabType2Dlg::OnBnClickedIRTop() { CheckClicked(kIRTop); }

void CSetupTabType2Dlg::OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) {
  ReleaseSlider(nSBCode, pScrollBar, {{kVolume, m_nVolume}, {kAutoPowerOff, m_nAutoPowerOff}});
  CSettingPage::OnHScroll(nSBCode, nPos, pScrollBar);
}
