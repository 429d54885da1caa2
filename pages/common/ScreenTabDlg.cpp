#include "pages/common/ScreenTabDlg.h"

#include <array>

#include "frame/ExpertDlg.h"
#include "projector/CommandCodes.h"

using namespace expert::pages;

namespace {

enum : int {
  kMessageLabel = 20062,
  kMenuPositionLabel = 20063,
  kResetLabel = 20064,
  kMenuPositionVLabel = 20065,
  kMenuPositionHLabel = 20066,
  kMessageColon = 20402,
  kMenuPositionColon = 20403,
};

const ListRow kBlankColorRow{.list = 21085,
                          .io = {.code = pjcode::kBlankColour, .set = Setter<&CPjtInterface::SetBlankColor>},
                          .map = kBlankColour};
const ListRow kStartupRow{.list = 21086, .io = {.code = pjcode::kStartUpScreen, .set = Setter<&CPjtInterface::SetStartup>},
                       .map = expert::pages::kStartup};
const ListRow kMyScreenSize{.list = 21087,
                            .io = {.code = pjcode::kMyScreenSize, .set = Setter<&CPjtInterface::SetMyScreenSize>},
                            .items = {Msg(5, 305), Msg(5, 306)}};
const ListRow kMyScreenLock{.list = 21088,
                            .io = {.code = pjcode::kMyScreenLock, .set = Setter<&CPjtInterface::SetMyScreenLock>},
                            .items = {Msg(5, 327), Msg(5, 329)}};
const ListRow kMessage{.list = 21092, .io = {.code = pjcode::kMessageDisplay, .set = Setter<&CPjtInterface::SetMessage>},
                       .items = {Msg(5, 330), Msg(5, 331)}};
const ArrowPair kMenuPosV{.raise = 21089, .lower = 21091, .raiseArrow = Arrow::Up, .lowerArrow = Arrow::Down,
                          .box = 20021, .io = {pjcode::kMenuPositionVertical}, .onRefused = ErrorBox(Msg(2201, 62))};
const ArrowPair kMenuPosH{.raise = 21057, .lower = 21090, .raiseArrow = Arrow::Right, .lowerArrow = Arrow::Left,
                          .box = 20022, .io = {pjcode::kMenuPositionHorizontal}, .onRefused = ErrorBox(Msg(2201, 62))};
const ResetList kResets{21094, 21093,
                        {{Msg(5, 307), &CPjtInterface::ExecMenuPositionVReset},
                         {Msg(5, 308), &CPjtInterface::ExecMenuPositionHReset}}};

// Models 16 and 17 offer the first three blank colours only.
const CodedItem kBlankColours[] = {{Msg(5, 63), 3}, {Msg(5, 65), 5}, {Msg(5, 66), 6}, {Msg(5, 67), 32}, {Msg(5, 68), 64}};
constexpr std::size_t kShortBlankColours = 3;

}  // namespace

BEGIN_MESSAGE_MAP(CScreenTabDlg, CSettingPage)
  ON_CBN_SELCHANGE(21085, &CScreenTabDlg::OnCbnSelchangeBlankColor)
  ON_CBN_SELCHANGE(21086, &CScreenTabDlg::OnCbnSelchangeStartup)
  ON_CBN_SELCHANGE(21087, &CScreenTabDlg::OnCbnSelchangeMyScreenSize)
  ON_CBN_SELCHANGE(21088, &CScreenTabDlg::OnCbnSelchangeMyScreenLock)
  ON_CBN_SELCHANGE(21092, &CScreenTabDlg::OnCbnSelchangeMessage)
  ON_BN_CLICKED(21089, &CScreenTabDlg::OnBnClickedMenuPosUp)
  ON_BN_CLICKED(21091, &CScreenTabDlg::OnBnClickedMenuPosDown)
  ON_BN_CLICKED(21090, &CScreenTabDlg::OnBnClickedMenuPosLeft)
  ON_BN_CLICKED(21057, &CScreenTabDlg::OnBnClickedMenuPosRight)
  ON_BN_CLICKED(21093, &CScreenTabDlg::OnBnClickedResetExecute)
END_MESSAGE_MAP()

CScreenTabDlg::CScreenTabDlg(CWnd* pParent) : CSettingPage(22158, pParent, m_pPjt) {}

void CScreenTabDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, 21094, m_cbReset);
  DDX_Control(pDX, 21092, m_cbMessage);
  DDX_Control(pDX, 21088, m_cbMyScreenLock);
  DDX_Control(pDX, 21087, m_cbMyScreenSize);
  DDX_Control(pDX, 21086, m_cbStartup);
  DDX_Control(pDX, 21085, m_cbBlankColor);
}

// Type 2 has no message switch and no menu position on this page.
bool CScreenTabDlg::HasMenuRows() const { return Host().m_nModelType != 2; }

BOOL CScreenTabDlg::OnInitDialog() {
  CSettingPage::OnInitDialog();
  SetArrowImages(kMenuPosV, m_bmpArrows);
  SetArrowImages(kMenuPosH, m_bmpArrows);
  const bool shortLists = Host().m_nModelNo == 16 || Host().m_nModelNo == 17;
  FillList(kBlankColorRow.list, std::span(kBlankColours).first(shortLists ? kShortBlankColours : std::size(kBlankColours)));
  if (shortLists)
    FillList(kStartupRow.list, std::array{Msg(5, 331), Msg(5, 330)});
  else
    FillList(kStartupRow.list, std::array{Msg(5, 68), Msg(5, 330), Msg(5, 67)});
  if (!HasMenuRows()) {
    Show({kMessageLabel, kMessage.list, kMessageColon, kMenuPositionLabel, kMenuPositionColon, kMenuPosV.raise,
          kMenuPosV.lower, kMenuPosH.raise, kMenuPosH.lower, kMenuPositionVLabel, kMenuPositionHLabel, kMenuPosV.box,
          kMenuPosH.box, kResetLabel, kResets.list, kResets.execute},
         false);
  }
  FillList(kMyScreenSize);
  FillList(kMessage);
  FillList(kMyScreenLock);
  FillResets(kResets);
  return TRUE;
}

void CScreenTabDlg::InitDisp() {
  Enable({kBlankColorRow.list, kStartupRow.list, kMyScreenSize.list, kMyScreenLock.list, kMessage.list});
  EnableArrows(kMenuPosV);
  EnableArrows(kMenuPosH);
  ReadList(kBlankColorRow);
  ReadList(kStartupRow);
  ReadList(kMyScreenSize);
  ReadList(kMyScreenLock);
  if (!HasMenuRows()) return;
  ReadArrows(kMenuPosV, m_nMenuPosV);
  ReadArrows(kMenuPosH, m_nMenuPosH);
  ReadList(kMessage);
  SelectFirstReset(kResets);
}

void CScreenTabDlg::OnCbnSelchangeBlankColor() { ListChanged(kBlankColorRow); }
void CScreenTabDlg::OnCbnSelchangeStartup() { ListChanged(kStartupRow); }
void CScreenTabDlg::OnCbnSelchangeMyScreenSize() { ListChanged(kMyScreenSize); }
void CScreenTabDlg::OnCbnSelchangeMyScreenLock() { ListChanged(kMyScreenLock); }
void CScreenTabDlg::OnCbnSelchangeMessage() { ListChanged(kMessage); }
void CScreenTabDlg::OnBnClickedMenuPosUp() { ArrowClicked(kMenuPosV, m_nMenuPosV, true); }
void CScreenTabDlg::OnBnClickedMenuPosDown() { ArrowClicked(kMenuPosV, m_nMenuPosV, false); }
void CScreenTabDlg::OnBnClickedMenuPosLeft() { ArrowClicked(kMenuPosH, m_nMenuPosH, false); }
void CScreenTabDlg::OnBnClickedMenuPosRight() { ArrowClicked(kMenuPosH, m_nMenuPosH, true); }
void CScreenTabDlg::OnBnClickedResetExecute() { ExecuteReset(kResets); }
