#include "pages/type4/ImageTabType4Dlg.h"

#include "frame/ExpertDlg.h"
#include "projector/CommandCodes.h"

using namespace expert::pages;

namespace {

constexpr int kAutoAdjust = 20215;
constexpr int kResetExecute = 20216;

// The projector interface holds the same aspect table and takes the position.
const ListRow kAspect{.list = 20200, .io = {.code = pjcode::kAspect, .set = Setter<&CPjtInterface::SetAspect>},
                      .codes = CodeTable{.table = HostTable::Aspect, .textBase = 1, .sendsPosition = true}};

// Over scan steps between 90 and 100 whatever range the model gives the slider.
const SliderGroup kOverScan{.minus = 20046, .slider = 20047, .plus = 20048, .box = 20049,
                            .io = {pjcode::kOverScan}, .lower = StopAt(90), .upper = StopAt(100),
                            .rangeText = 15, .defaultRange = {90, 100}, .tick = 1,
                            .onStepRefused = ErrorBox(Msg(2201, 53)), .preset = 90};
// Type 5 shows the projector's value less 90; the slider keeps projector units.
SliderGroup OverScanOfType5() {
  SliderGroup row = kOverScan;
  row.preset = 95;
  row.format = [](int value) { return std::to_string(value - 90); };
  return row;
}
const SliderGroup kOverScanType5 = OverScanOfType5();

// The "+" stops at the end of the slider's range.
const SliderGroup kHPhase{.minus = 20207, .slider = 20209, .plus = 20208, .box = 20210,
                          .io = {pjcode::kHorizontalPhase}, .lower = StopAt(0), .upper = kAtSliderEnd,
                          .rangeText = 16, .defaultRange = {0, 31}, .tick = 4,
                          .onStepRefused = ErrorBox(Msg(2201, 55))};
const SliderGroup kHSize{.minus = 20211, .plus = 20213, .box = 20212, .io = {pjcode::kHorizontalSize},
                         .onStepRefused = ErrorBox(Msg(2201, 56))};

// The left arrow raises the H position, the right one lowers it.
const ArrowPair kPositionV{.raise = 20202, .lower = 20204, .raiseArrow = Arrow::Up, .lowerArrow = Arrow::Down,
                           .box = 20205, .io = {pjcode::kVerticalPosition}, .onRefused = ErrorBox(Msg(2201, 54))};
const ArrowPair kPositionH{.raise = 20201, .lower = 20203, .raiseArrow = Arrow::Left, .lowerArrow = Arrow::Right,
                           .box = 20206, .io = {pjcode::kHorizontalPosition}, .onRefused = ErrorBox(Msg(2201, 54))};

const ResetList kResets{20214, kResetExecute,
                        {{Msg(5, 302), &CPjtInterface::ExecOverScanReset},
                         {Msg(5, 299), &CPjtInterface::ExecVPosReset},
                         {Msg(5, 300), &CPjtInterface::ExecHPosReset},
                         {Msg(5, 301), &CPjtInterface::ExecHSizeReset}}};

}  // namespace

BEGIN_MESSAGE_MAP(CImageTabType4Dlg, CSettingPage)
  ON_CBN_SELCHANGE(kAspect.list, &CImageTabType4Dlg::OnCbnSelchangeAspect)
  ON_BN_CLICKED(20046, &CImageTabType4Dlg::OnBnClickedOverScanMinus)
  ON_BN_CLICKED(20048, &CImageTabType4Dlg::OnBnClickedOverScanPlus)
  ON_BN_CLICKED(20202, &CImageTabType4Dlg::OnBnClickedPositionUp)
  ON_BN_CLICKED(20204, &CImageTabType4Dlg::OnBnClickedPositionDown)
  ON_BN_CLICKED(20201, &CImageTabType4Dlg::OnBnClickedPositionLeft)
  ON_BN_CLICKED(20203, &CImageTabType4Dlg::OnBnClickedPositionRight)
  ON_BN_CLICKED(20207, &CImageTabType4Dlg::OnBnClickedHPhaseMinus)
  ON_BN_CLICKED(20208, &CImageTabType4Dlg::OnBnClickedHPhasePlus)
  ON_BN_CLICKED(20211, &CImageTabType4Dlg::OnBnClickedHSizeMinus)
  ON_BN_CLICKED(20213, &CImageTabType4Dlg::OnBnClickedHSizePlus)
  ON_BN_CLICKED(kAutoAdjust, &CImageTabType4Dlg::OnBnClickedAutoAdjust)
  ON_BN_CLICKED(kResetExecute, &CImageTabType4Dlg::OnBnClickedResetExecute)
END_MESSAGE_MAP()

CImageTabType4Dlg::CImageTabType4Dlg(CWnd* pParent) : CSettingPage(20029, pParent, m_pPjt) {}

void CImageTabType4Dlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, kResets.list, m_cbReset);
  DDX_Control(pDX, kHPhase.slider, m_slHPhase);
  DDX_Control(pDX, kOverScan.slider, m_slOverScan);
  DDX_Control(pDX, kAspect.list, m_cbAspect);
}

const SliderGroup& CImageTabType4Dlg::OverScan() const { return m_nModelType == 5 ? kOverScanType5 : kOverScan; }

BOOL CImageTabType4Dlg::OnInitDialog() {
  CSettingPage::OnInitDialog();
  // The type decides the over scan row, so it is stored before that row is set up.
  m_nModelType = Host().m_nModelType;
  FillList(kAspect);
  SetArrowImages(kPositionV, m_bmpArrows);
  SetArrowImages(kPositionH, m_bmpArrows);
  SetupSlider(kHPhase);
  m_nHPhaseMin = static_cast<std::int16_t>(m_slHPhase.GetRangeMin());
  m_nHPhaseMax = static_cast<std::int16_t>(m_slHPhase.GetRangeMax());
  SetupSlider(OverScan());
  m_slOverScan.SetPos(OverScan().preset);
  FillResets(kResets);
  return TRUE;
}

void CImageTabType4Dlg::InitDisp() {
  Enable({kAspect.list, kAutoAdjust});
  EnableGroup(kOverScan);
  EnableArrows(kPositionV);
  EnableArrows(kPositionH);
  EnableGroup(kHPhase);
  EnableGroup(kHSize);
  ReadList(kAspect);
  ReadSlider(OverScan(), m_nOverScan);
  ReadArrows(kPositionV, m_nVPosition);
  ReadArrows(kPositionH, m_nHPosition);
  ReadSlider(kHPhase, m_nHPhase);
  ReadSlider(kHSize, m_nHSize);
  SelectFirstReset(kResets);
}

void CImageTabType4Dlg::OnCbnSelchangeAspect() { ListChanged(kAspect); }
void CImageTabType4Dlg::OnBnClickedOverScanMinus() { StepDown(OverScan(), m_nOverScan); }
void CImageTabType4Dlg::OnBnClickedOverScanPlus() { StepUp(OverScan(), m_nOverScan); }
void CImageTabType4Dlg::OnBnClickedPositionUp() { ArrowClicked(kPositionV, m_nVPosition, true); }
void CImageTabType4Dlg::OnBnClickedPositionDown() { ArrowClicked(kPositionV, m_nVPosition, false); }
void CImageTabType4Dlg::OnBnClickedPositionLeft() { ArrowClicked(kPositionH, m_nHPosition, true); }
void CImageTabType4Dlg::OnBnClickedPositionRight() { ArrowClicked(kPositionH, m_nHPosition, false); }
void CImageTabType4Dlg::OnBnClickedHPhaseMinus() { StepDown(kHPhase, m_nHPhase); }
void CImageTabType4Dlg::OnBnClickedHPhasePlus() { StepUp(kHPhase, m_nHPhase); }
void CImageTabType4Dlg::OnBnClickedHSizeMinus() { StepDown(kHSize, m_nHSize); }
void CImageTabType4Dlg::OnBnClickedHSizePlus() { StepUp(kHSize, m_nHSize); }

// The projector adjusts by itself; nothing is read back or reported.
void CImageTabType4Dlg::OnBnClickedAutoAdjust() {
  if (Pjt()) Pjt()->ExecAutoAdjust();
}

void CImageTabType4Dlg::OnBnClickedResetExecute() { ExecuteReset(kResets); }

void CImageTabType4Dlg::OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) {
  ReleaseSlider(nSBCode, pScrollBar, {{OverScan(), m_nOverScan}, {kHPhase, m_nHPhase}});
  CSettingPage::OnHScroll(nSBCode, nPos, pScrollBar);
}
