#include "pages/type4/ScreenTabType4Dlg.h"

#include "frame/ExpertDlg.h"
#include "projector/CommandCodes.h"

using namespace expert::pages;

namespace {

enum : int {
  kOsdBrightLabel = 20385,
  kOsdBrightColon = 20404,
  kBlankLabel = 20386,
  kResetExecute = 20241,
};

const ListRow kLanguage{.list = 20226, .io = {.code = pjcode::kMenuLanguage, .set = Setter<&CPjtInterface::SetLanguage>},
                        .items = {Msg(5, 110), Msg(5, 111), Msg(5, 112), Msg(5, 113), Msg(5, 114), Msg(5, 115),
                                  Msg(5, 116), Msg(5, 117), Msg(5, 118), Msg(5, 119), Msg(5, 120), Msg(5, 121),
                                  Msg(5, 122), Msg(5, 123), Msg(5, 124), Msg(5, 125), Msg(5, 126)}};
// The right arrow raises the H menu position, the left one lowers it.
const ArrowPair kMenuV{.raise = 20227, .lower = 20230, .raiseArrow = Arrow::Up, .lowerArrow = Arrow::Down,
                       .box = 20231, .io = {pjcode::kMenuPositionVertical}, .onRefused = ErrorBox(Msg(2201, 62))};
const ArrowPair kMenuH{.raise = 20229, .lower = 20228, .raiseArrow = Arrow::Right, .lowerArrow = Arrow::Left,
                       .box = 20232, .io = {pjcode::kMenuPositionHorizontal}, .onRefused = ErrorBox(Msg(2201, 62))};
const SliderGroup kOsdBright{.minus = 20233, .slider = 20234, .plus = 20235, .box = 20236,
                             .io = {pjcode::kOSDBrightness}, .rangeText = 30, .defaultRange = {1, 5}, .tick = 1,
                             .onStepRefused = ErrorBox(Msg(2201, 63))};
const CodedItem kBlankColours[] = {{Msg(5, 63), 3}, {Msg(5, 65), 5}, {Msg(5, 66), 6}, {Msg(5, 67), 32}, {Msg(5, 68), 64}};
const ListRow kBlank{.list = 20237, .io = {.code = pjcode::kBlankColour, .set = Setter<&CPjtInterface::SetBlankColor>},
                     .map = kBlankColour};
const ListRow kStartupScreen{.list = 21086,
                             .io = {.code = pjcode::kStartUpScreen, .set = Setter<&CPjtInterface::SetStartup>},
                             .map = kStartup, .items = {Msg(5, 68), Msg(5, 330), Msg(5, 67)}};
const ListRow kMyScreenLock{.list = 20238,
                            .io = {.code = pjcode::kMyScreenLock, .set = Setter<&CPjtInterface::SetMyScreenLock>},
                            .items = {Msg(5, 327), Msg(5, 329)}};
const ListRow kMessage{.list = 20239, .io = {.code = pjcode::kMessageDisplay, .set = Setter<&CPjtInterface::SetMessage>},
                       .items = {Msg(5, 330), Msg(5, 331)}};
const ResetList kResets{20240, kResetExecute,
                        {{Msg(5, 307), &CPjtInterface::ExecMenuPositionVReset},
                         {Msg(5, 308), &CPjtInterface::ExecMenuPositionHReset}}};

}  // namespace

BEGIN_MESSAGE_MAP(CScreenTabType4Dlg, CSettingPage)
  ON_CBN_SELCHANGE(20226, &CScreenTabType4Dlg::OnCbnSelchangeLanguage)
  ON_BN_CLICKED(20227, &CScreenTabType4Dlg::OnBnClickedMenuUp)
  ON_BN_CLICKED(20230, &CScreenTabType4Dlg::OnBnClickedMenuDown)
  ON_BN_CLICKED(20228, &CScreenTabType4Dlg::OnBnClickedMenuLeft)
  ON_BN_CLICKED(20229, &CScreenTabType4Dlg::OnBnClickedMenuRight)
  ON_BN_CLICKED(20233, &CScreenTabType4Dlg::OnBnClickedOsdBrightMinus)
  ON_BN_CLICKED(20235, &CScreenTabType4Dlg::OnBnClickedOsdBrightPlus)
  ON_CBN_SELCHANGE(20237, &CScreenTabType4Dlg::OnCbnSelchangeBlank)
  ON_CBN_SELCHANGE(21086, &CScreenTabType4Dlg::OnCbnSelchangeStartup)
  ON_CBN_SELCHANGE(20238, &CScreenTabType4Dlg::OnCbnSelchangeMyScreenLock)
  ON_CBN_SELCHANGE(20239, &CScreenTabType4Dlg::OnCbnSelchangeMessage)
  ON_BN_CLICKED(kResetExecute, &CScreenTabType4Dlg::OnBnClickedResetExecute)
END_MESSAGE_MAP()

CScreenTabType4Dlg::CScreenTabType4Dlg(CWnd* pParent) : CSettingPage(20035, pParent, m_pPjt) {}

void CScreenTabType4Dlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, kOsdBright.slider, m_slOsdBright);
  DDX_Control(pDX, kStartupScreen.list, m_cbStartup);
  DDX_Control(pDX, kResets.list, m_cbReset);
  DDX_Control(pDX, kMessage.list, m_cbMessage);
  DDX_Control(pDX, kMyScreenLock.list, m_cbMyScreenLock);
  DDX_Control(pDX, kLanguage.list, m_cbLanguage);
  DDX_Control(pDX, kBlank.list, m_cbBlank);
}

// Type 5 has no OSD brightness.
bool CScreenTabType4Dlg::HasOsdBright() const { return Host().m_nModelType != 5; }

BOOL CScreenTabType4Dlg::OnInitDialog() {
  CSettingPage::OnInitDialog();
  SetArrowImages(kMenuV, m_bmpArrows);
  SetArrowImages(kMenuH, m_bmpArrows);
  SetupSlider(kOsdBright);
  FillList(kLanguage);
  // Models 11 to 13 have no Turkish or Traditional Chinese menu.
  if (Host().m_nModelNo >= 11 && Host().m_nModelNo <= 13) {
    m_cbLanguage.DeleteString(16);
    m_cbLanguage.DeleteString(15);
  }
  FillList(kBlank.list, kBlankColours);
  FillList(kStartupScreen);
  FillList(kMyScreenLock);
  FillList(kMessage);
  FillResets(kResets);
  if (!HasOsdBright()) {
    // The four rows below move up into the OSD brightness row's place.
    CRect osd, blank;
    GetDlgItem(kOsdBrightLabel)->GetWindowRect(&osd);
    GetDlgItem(kBlankLabel)->GetWindowRect(&blank);
    const int up = blank.top - osd.top;
    for (int id : std::initializer_list<int>{kBlankLabel, 20387, 20388, 20389, kBlank.list, kStartupScreen.list,
                                             kMyScreenLock.list, kMessage.list, 20405, 20406, 20407, 20402}) {
      CWnd* control = GetDlgItem(id);
      CRect rect;
      control->GetWindowRect(&rect);
      control->MoveWindow(rect.left, rect.top - up, rect.Width(), rect.Height());
    }
    HideGroup(kOsdBright);
    Show({kOsdBrightLabel, kOsdBrightColon}, false);
  }
  return TRUE;
}

void CScreenTabType4Dlg::InitDisp() {
  Enable({kLanguage.list, kBlank.list, kStartupScreen.list, kMyScreenLock.list, kMessage.list});
  EnableArrows(kMenuV);
  EnableArrows(kMenuH);
  EnableGroup(kOsdBright);
  ReadList(kLanguage);
  ReadArrows(kMenuV, m_nMenuPosV);
  ReadArrows(kMenuH, m_nMenuPosH);
  if (HasOsdBright()) ReadSlider(kOsdBright, m_nOsdBright);
  ReadList(kBlank);
  ReadList(kStartupScreen);
  ReadList(kMyScreenLock);
  ReadList(kMessage);
  SelectFirstReset(kResets);
}

void CScreenTabType4Dlg::OnCbnSelchangeLanguage() { ListChanged(kLanguage); }
void CScreenTabType4Dlg::OnBnClickedMenuUp() { ArrowClicked(kMenuV, m_nMenuPosV, true); }
void CScreenTabType4Dlg::OnBnClickedMenuDown() { ArrowClicked(kMenuV, m_nMenuPosV, false); }
void CScreenTabType4Dlg::OnBnClickedMenuLeft() { ArrowClicked(kMenuH, m_nMenuPosH, false); }
void CScreenTabType4Dlg::OnBnClickedMenuRight() { ArrowClicked(kMenuH, m_nMenuPosH, true); }
void CScreenTabType4Dlg::OnBnClickedOsdBrightMinus() { StepDown(kOsdBright, m_nOsdBright); }
void CScreenTabType4Dlg::OnBnClickedOsdBrightPlus() { StepUp(kOsdBright, m_nOsdBright); }
void CScreenTabType4Dlg::OnCbnSelchangeBlank() { ListChanged(kBlank); }
void CScreenTabType4Dlg::OnCbnSelchangeStartup() { ListChanged(kStartupScreen); }
void CScreenTabType4Dlg::OnCbnSelchangeMyScreenLock() { ListChanged(kMyScreenLock); }
void CScreenTabType4Dlg::OnCbnSelchangeMessage() { ListChanged(kMessage); }
void CScreenTabType4Dlg::OnBnClickedResetExecute() { ExecuteReset(kResets); }

void CScreenTabType4Dlg::OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) {
  ReleaseSlider(nSBCode, pScrollBar, {{kOsdBright, m_nOsdBright}});
  CSettingPage::OnHScroll(nSBCode, nPos, pScrollBar);
}
