#include "pages/type3/SetupTabType3Dlg.h"

#include "frame/ExpertDlg.h"
#include "pages/common/WhisperList.h"
#include "projector/CommandCodes.h"

using namespace expert::pages;

namespace {

enum : int { kIRRemoteLabel = 20131, kIRRemoteColon = 20392 };

// The volume buttons stop at 0 and 32 even where the range text allows more.
const SliderGroup kVolume{.minus = 20120, .slider = 20121, .plus = 20122, .box = 20123, .io = {pjcode::kVolume},
                          .lower = StopAt(0), .upper = StopAt(32), .rangeText = 21, .defaultRange = {0, 32},
                          .tick = 2, .onStepRefused = ErrorBox(Msg(2201, 65))};
const SliderGroup kAutoPowerOff = AutoPowerOffGroup({.minus = 20126, .slider = 20127, .plus = 20128, .box = 20129,
                                                     .tick = 4});

const ListRow kMenuColor{.list = 20124,
                         .io = {.code = pjcode::kMenuColour, .set = Setter<&CPjtInterface::SetMenuColor>},
                         .items = {Msg(5, 150), Msg(5, 151), Msg(5, 152), Msg(5, 153), Msg(5, 154), Msg(5, 155),
                                   Msg(5, 156)}};
const ListRow kLanguage{.list = 20125,
                        .io = {.code = pjcode::kMenuLanguage, .set = Setter<&CPjtInterface::SetLanguage>},
                        .items = {Msg(5, 110), Msg(5, 111), Msg(5, 112), Msg(5, 113), Msg(5, 114), Msg(5, 115),
                                  Msg(5, 116), Msg(5, 117), Msg(5, 118)}};
const ListRow kSyncOnG{.list = 20130, .io = {.code = pjcode::kSyncOnG, .set = Setter<&CPjtInterface::SetSyncOnG>},
                       .items = {Msg(5, 327), Msg(5, 329)}};
const ListRow kWhisper{.list = 20072, .io = {.code = pjcode::kWhisper, .set = Setter<&CPjtInterface::SetWhisper>},
                       .map = kWhisperCode};

const CheckRow kIRFront{.box = 20073,
                        .io = {.code = pjcode::kIRRemoteSensorFront, .set = Setter<&CPjtInterface::SetIRFront>}};
const CheckRow kIRRear{.box = 20074,
                       .io = {.code = pjcode::kIRRemoteSensorRear, .set = Setter<&CPjtInterface::SetIRRear>}};
const CheckRow kIRTop{.box = 20076, .io = {.code = pjcode::kIRRemoteSensorTop, .set = Setter<&CPjtInterface::SetIRTop>}};

}  // namespace

BEGIN_MESSAGE_MAP(CSetupTabType3Dlg, CSettingPage)
  ON_BN_CLICKED(20120, &CSetupTabType3Dlg::OnBnClickedVolumeMinus)
  ON_BN_CLICKED(20122, &CSetupTabType3Dlg::OnBnClickedVolumePlus)
  ON_BN_CLICKED(20126, &CSetupTabType3Dlg::OnBnClickedAutoPowerOffMinus)
  ON_BN_CLICKED(20128, &CSetupTabType3Dlg::OnBnClickedAutoPowerOffPlus)
  ON_CBN_SELCHANGE(20124, &CSetupTabType3Dlg::OnCbnSelchangeMenuColor)
  ON_CBN_SELCHANGE(20125, &CSetupTabType3Dlg::OnCbnSelchangeLanguage)
  ON_CBN_SELCHANGE(20130, &CSetupTabType3Dlg::OnCbnSelchangeSyncOnG)
  ON_CBN_SELCHANGE(20072, &CSetupTabType3Dlg::OnCbnSelchangeWhisper)
  ON_BN_CLICKED(20073, &CSetupTabType3Dlg::OnBnClickedIRFront)
  ON_BN_CLICKED(20074, &CSetupTabType3Dlg::OnBnClickedIRRear)
  ON_BN_CLICKED(20076, &CSetupTabType3Dlg::OnBnClickedIRTop)
END_MESSAGE_MAP()

CSetupTabType3Dlg::CSetupTabType3Dlg(CWnd* pParent) : CSettingPage(20022, pParent, m_pPjt) {}

void CSetupTabType3Dlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, 20130, m_cbSyncOnG);
  DDX_Control(pDX, 20072, m_cbWhisper);
  DDX_Control(pDX, 20127, m_slAutoPowerOff);
  DDX_Control(pDX, 20125, m_cbLanguage);
  DDX_Control(pDX, 20124, m_cbMenuColor);
  DDX_Control(pDX, 20121, m_slVolume);
}

bool CSetupTabType3Dlg::HasIRRemote() const {
  const int model = Host().m_nModelNo;
  return model == 10 || model == 47 || model == 48;
}

BOOL CSetupTabType3Dlg::OnInitDialog() {
  CSettingPage::OnInitDialog();
  FillWhisperList(m_cbWhisper, Host());
  SetupSlider(kVolume);
  SetupSlider(kAutoPowerOff);
  if (!HasIRRemote()) Show({kIRRemoteLabel, kIRFront.box, kIRRear.box, kIRTop.box, kIRRemoteColon}, false);
  FillList(kMenuColor);
  FillList(kLanguage);
  FillList(kSyncOnG);
  return TRUE;
}

void CSetupTabType3Dlg::InitDisp() {
  EnableGroup(kVolume);
  EnableGroup(kAutoPowerOff);
  Enable({kMenuColor.list, kLanguage.list, kWhisper.list, kSyncOnG.list});
  ReadSlider(kVolume, m_nVolume);
  ReadList(kMenuColor);
  ReadList(kLanguage);
  ReadSlider(kAutoPowerOff, m_nAutoPowerOff);
  ReadList(kSyncOnG);
  if (WhisperCount(Host()) == 0)
    Enable({kWhisper.list}, false);
  else
    ReadList(kWhisper);
  if (!HasIRRemote()) return;
  // The receivers are enabled again at each refresh, like every other row.
  Enable({kIRFront.box, kIRRear.box, kIRTop.box});
  ReadCheck(kIRFront);
  ReadCheck(kIRRear);
  ReadCheck(kIRTop);
}

void CSetupTabType3Dlg::OnBnClickedVolumeMinus() { StepDown(kVolume, m_nVolume); }
void CSetupTabType3Dlg::OnBnClickedVolumePlus() { StepUp(kVolume, m_nVolume); }
void CSetupTabType3Dlg::OnBnClickedAutoPowerOffMinus() { StepDown(kAutoPowerOff, m_nAutoPowerOff); }
void CSetupTabType3Dlg::OnBnClickedAutoPowerOffPlus() { StepUp(kAutoPowerOff, m_nAutoPowerOff); }
void CSetupTabType3Dlg::OnCbnSelchangeMenuColor() { ListChanged(kMenuColor); }
void CSetupTabType3Dlg::OnCbnSelchangeLanguage() { ListChanged(kLanguage); }
void CSetupTabType3Dlg::OnCbnSelchangeSyncOnG() { ListChanged(kSyncOnG); }
void CSetupTabType3Dlg::OnCbnSelchangeWhisper() { ListChanged(kWhisper); }
void CSetupTabType3Dlg::OnBnClickedIRFront() { CheckClicked(kIRFront); }
void CSetupTabType3Dlg::OnBnClickedIRRear() { CheckClicked(kIRRear); }
void CSetupTabType3Dlg::OnBnClickedIRTop() { CheckClicked(kIRTop); }

void CSetupTabType3Dlg::OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) {
  ReleaseSlider(nSBCode, pScrollBar, {{kVolume, m_nVolume}, {kAutoPowerOff, m_nAutoPowerOff}});
  CSettingPage::OnHScroll(nSBCode, nPos, pScrollBar);
}
