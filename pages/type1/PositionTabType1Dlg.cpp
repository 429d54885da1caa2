#include "pages/type1/PositionTabType1Dlg.h"

#include "projector/CommandCodes.h"

using namespace expert::pages;

namespace {

const CPositionTwinDlg::PositionRows kRows{
    .vertical = {.raise = 21054, .lower = 21055, .box = 20021, .io = {pjcode::kVerticalPosition},
                 .onRefused = ErrorBox(Msg(2201, 54))},
    .horizontal = {.raise = 21052, .lower = 21053, .raiseArrow = Arrow::Left, .lowerArrow = Arrow::Right,
                   .box = 20022, .io = {pjcode::kHorizontalPosition}, .onRefused = ErrorBox(Msg(2201, 54))},
    .hSize = {.minus = 21074, .plus = 21075, .box = 21109, .io = {pjcode::kHorizontalSize},
              .onStepRefused = ErrorBox(Msg(2201, 56))},
    .hPhase = {.minus = 21070, .slider = 21071, .plus = 21072, .box = 21117, .io = {pjcode::kHorizontalPhase},
               .lower = StopAt(0), .upper = StopAt(31), .rangeText = 16, .defaultRange = {0, 31}, .tick = 4,
               .onStepRefused = ErrorBox(Msg(2201, 55))},
    .resets = {21073, 21078,
               {{Msg(5, 299), &CPjtInterface::ExecVPosReset},
                {Msg(5, 300), &CPjtInterface::ExecHPosReset},
                {Msg(5, 301), &CPjtInterface::ExecHSizeReset},
                {Msg(5, 302), &CPjtInterface::ExecOverScanReset}}}};

// A failed read leaves over scan at 90 with an empty box.
const SliderGroup kOverScan{.minus = 21049, .slider = 21050, .plus = 21051, .box = 21115, .io = {pjcode::kOverScan},
                            .lower = StopAt(90), .upper = StopAt(100), .rangeText = 15, .defaultRange = {90, 100},
                            .tick = 1, .onStepRefused = ErrorBox(Msg(2201, 53)), .preset = 90};

}  // namespace

BEGIN_MESSAGE_MAP(CPositionTabType1Dlg, CPositionTwinDlg)
  ON_BN_CLICKED(21054, &CPositionTabType1Dlg::OnBnClickedVPosUp)
  ON_BN_CLICKED(21055, &CPositionTabType1Dlg::OnBnClickedVPosDown)
  ON_BN_CLICKED(21052, &CPositionTabType1Dlg::OnBnClickedHPosLeft)
  ON_BN_CLICKED(21053, &CPositionTabType1Dlg::OnBnClickedHPosRight)
  ON_BN_CLICKED(21074, &CPositionTabType1Dlg::OnBnClickedHSizeMinus)
  ON_BN_CLICKED(21075, &CPositionTabType1Dlg::OnBnClickedHSizePlus)
  ON_BN_CLICKED(21070, &CPositionTabType1Dlg::OnBnClickedHPhaseMinus)
  ON_BN_CLICKED(21072, &CPositionTabType1Dlg::OnBnClickedHPhasePlus)
  ON_BN_CLICKED(21049, &CPositionTabType1Dlg::OnBnClickedOverScanMinus)
  ON_BN_CLICKED(21051, &CPositionTabType1Dlg::OnBnClickedOverScanPlus)
  ON_BN_CLICKED(21078, &CPositionTabType1Dlg::OnBnClickedResetExecute)
END_MESSAGE_MAP()

CPositionTabType1Dlg::CPositionTabType1Dlg(CWnd* pParent) : CPositionTwinDlg(22155, pParent, m_pPjt, kRows) {}

void CPositionTabType1Dlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, 21073, m_cbReset);
  DDX_Control(pDX, 21050, m_slOverScan);
  DDX_Control(pDX, 21071, m_slHPhase);
}

BOOL CPositionTabType1Dlg::OnInitDialog() {
  CSettingPage::OnInitDialog();
  SetUpShared();
  SetupSlider(kOverScan);
  return TRUE;
}

void CPositionTabType1Dlg::InitDisp() {
  EnableGroup(kOverScan);
  ReadShared();
  ReadSlider(kOverScan, m_nOverScan);
}

void CPositionTabType1Dlg::OnBnClickedOverScanMinus() { StepDown(kOverScan, m_nOverScan); }
void CPositionTabType1Dlg::OnBnClickedOverScanPlus() { StepUp(kOverScan, m_nOverScan); }

void CPositionTabType1Dlg::OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) {
  ReleaseSlider(nSBCode, pScrollBar, {{kOverScan, m_nOverScan}});
  CPositionTwinDlg::OnHScroll(nSBCode, nPos, pScrollBar);
}
