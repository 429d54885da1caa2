#include "pages/type2/PositionTabType2Dlg.h"

#include "projector/CommandCodes.h"

using namespace expert::pages;

namespace {

const CPositionTwinDlg::PositionRows kRows{
    .vertical = {.raise = 20031, .lower = 20033, .box = 20045, .io = {pjcode::kVerticalPosition},
                 .onRefused = ErrorBox(Msg(2201, 54))},
    .horizontal = {.raise = 20034, .lower = 20032, .raiseArrow = Arrow::Left, .lowerArrow = Arrow::Right,
                   .box = 20044, .io = {pjcode::kHorizontalPosition}, .onRefused = ErrorBox(Msg(2201, 54))},
    .hSize = {.minus = 20039, .plus = 20041, .box = 20040, .io = {pjcode::kHorizontalSize},
              .onStepRefused = ErrorBox(Msg(2201, 56))},
    .hPhase = {.minus = 20035, .slider = 20036, .plus = 20037, .box = 20038, .io = {pjcode::kHorizontalPhase},
               .lower = StopAt(0), .upper = StopAt(248), .rangeText = 16, .defaultRange = {0, 248}, .tick = 32,
               .pageSize = 8, .multiple = 8, .onStepRefused = ErrorBox(Msg(2201, 55))},
    .resets = {20042, 20043,
               {{Msg(5, 299), &CPjtInterface::ExecVPosReset},
                {Msg(5, 300), &CPjtInterface::ExecHPosReset},
                {Msg(5, 301), &CPjtInterface::ExecHSizeReset}}}};

const ListRow kOverScan{.list = 20030, .io = {pjcode::kOverScan}, .items = {Msg(5, 361), Msg(5, 362), Msg(5, 363)},
                        .onRefused = ErrorBox(Msg(2201, 53))};

}  // namespace

BEGIN_MESSAGE_MAP(CPositionTabType2Dlg, CPositionTwinDlg)
  ON_BN_CLICKED(20031, &CPositionTabType2Dlg::OnBnClickedVPosUp)
  ON_BN_CLICKED(20033, &CPositionTabType2Dlg::OnBnClickedVPosDown)
  ON_BN_CLICKED(20034, &CPositionTabType2Dlg::OnBnClickedHPosLeft)
  ON_BN_CLICKED(20032, &CPositionTabType2Dlg::OnBnClickedHPosRight)
  ON_BN_CLICKED(20039, &CPositionTabType2Dlg::OnBnClickedHSizeMinus)
  ON_BN_CLICKED(20041, &CPositionTabType2Dlg::OnBnClickedHSizePlus)
  ON_BN_CLICKED(20035, &CPositionTabType2Dlg::OnBnClickedHPhaseMinus)
  ON_BN_CLICKED(20037, &CPositionTabType2Dlg::OnBnClickedHPhasePlus)
  ON_CBN_SELCHANGE(20030, &CPositionTabType2Dlg::OnCbnSelchangeOverScan)
  ON_BN_CLICKED(20043, &CPositionTabType2Dlg::OnBnClickedResetExecute)
END_MESSAGE_MAP()

CPositionTabType2Dlg::CPositionTabType2Dlg(CWnd* pParent) : CPositionTwinDlg(20009, pParent, m_pPjt, kRows) {}

void CPositionTabType2Dlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, 20042, m_cbReset);
  DDX_Control(pDX, 20030, m_cbOverScan);
  DDX_Control(pDX, 20036, m_slHPhase);
}

BOOL CPositionTabType2Dlg::OnInitDialog() {
  CSettingPage::OnInitDialog();
  SetUpShared();
  FillList(kOverScan);
  return TRUE;
}

void CPositionTabType2Dlg::InitDisp() {
  Enable({kOverScan.list});
  ReadShared();
  ReadList(kOverScan);
}

void CPositionTabType2Dlg::OnCbnSelchangeOverScan() { ListChanged(kOverScan); }
