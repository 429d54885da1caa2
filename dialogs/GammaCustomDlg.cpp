#include "dialogs/GammaCustomDlg.h"

#include <array>

#include "projector/CommandCodes.h"

using namespace expert::pages;

namespace {

enum : int { kPoint8Label = 20384 };

const ListRow kPattern{.list = 20158, .io = {pjcode::kUserGammaPattern},
                       .items = {Msg(5, 374), Msg(5, 50), Msg(5, 51), Msg(5, 52)},
                       .onRefused = ErrorBox(Msg(2201, 52))};

// Point n: its controls, code 0x3090 + n - 1, range text 6 + n. The buttons
// stop at -16 and 16 whatever range the model gives the slider.
constexpr SliderGroup GammaPoint(int minus, int slider, int plus, int box, std::uint16_t code, int n) {
  return {.minus = minus, .slider = slider, .plus = plus, .box = box, .io = {code}, .offset = 128,
          .lower = StopAt(-16), .upper = StopAt(16), .rangeText = 6 + n, .defaultRange = {-16, 16}, .tick = 2,
          .onStepRefused = ErrorBox(Msg(2201, 43 + n))};
}
const std::array<SliderGroup, 8> kPoints{
    GammaPoint(20160, 20181, 20161, 20162, pjcode::kUserGammaPoint1, 1),
    GammaPoint(20163, 21024, 20164, 20165, pjcode::kUserGammaPoint2, 2),
    GammaPoint(20166, 21025, 20167, 20168, pjcode::kUserGammaPoint3, 3),
    GammaPoint(20169, 21026, 20170, 20171, pjcode::kUserGammaPoint4, 4),
    GammaPoint(20172, 21027, 20173, 20174, pjcode::kUserGammaPoint5, 5),
    GammaPoint(20175, 21028, 20176, 20177, pjcode::kUserGammaPoint6, 6),
    GammaPoint(20178, 21029, 20179, 20180, pjcode::kUserGammaPoint7, 7),
    GammaPoint(20182, 21030, 20183, 20184, pjcode::kUserGammaPoint8, 8)};
constexpr int kResetButtons[] = {20336, 20337, 20338, 20339, 20340, 20341, 20342, 20343};

// A point read back after its reset below this raw value is not shown.
constexpr int kLowestReadBack = 112;

}  // namespace

BEGIN_MESSAGE_MAP(CGammaCustomDlg, CCustomAdjustDlg)
  ON_CBN_SELCHANGE(20158, &CGammaCustomDlg::OnCbnSelchangeGammaPattern)
  ON_BN_CLICKED(20160, &CGammaCustomDlg::OnBnClickedGammaPoint1Minus)
  ON_BN_CLICKED(20161, &CGammaCustomDlg::OnBnClickedGammaPoint1Plus)
  ON_BN_CLICKED(20163, &CGammaCustomDlg::OnBnClickedGammaPoint2Minus)
  ON_BN_CLICKED(20164, &CGammaCustomDlg::OnBnClickedGammaPoint2Plus)
  ON_BN_CLICKED(20166, &CGammaCustomDlg::OnBnClickedGammaPoint3Minus)
  ON_BN_CLICKED(20167, &CGammaCustomDlg::OnBnClickedGammaPoint3Plus)
  ON_BN_CLICKED(20169, &CGammaCustomDlg::OnBnClickedGammaPoint4Minus)
  ON_BN_CLICKED(20170, &CGammaCustomDlg::OnBnClickedGammaPoint4Plus)
  ON_BN_CLICKED(20172, &CGammaCustomDlg::OnBnClickedGammaPoint5Minus)
  ON_BN_CLICKED(20173, &CGammaCustomDlg::OnBnClickedGammaPoint5Plus)
  ON_BN_CLICKED(20175, &CGammaCustomDlg::OnBnClickedGammaPoint6Minus)
  ON_BN_CLICKED(20176, &CGammaCustomDlg::OnBnClickedGammaPoint6Plus)
  ON_BN_CLICKED(20178, &CGammaCustomDlg::OnBnClickedGammaPoint7Minus)
  ON_BN_CLICKED(20179, &CGammaCustomDlg::OnBnClickedGammaPoint7Plus)
  ON_BN_CLICKED(20182, &CGammaCustomDlg::OnBnClickedGammaPoint8Minus)
  ON_BN_CLICKED(20183, &CGammaCustomDlg::OnBnClickedGammaPoint8Plus)
  ON_BN_CLICKED(20336, &CGammaCustomDlg::OnBnClickedGammaPoint1Reset)
  ON_BN_CLICKED(20337, &CGammaCustomDlg::OnBnClickedGammaPoint2Reset)
  ON_BN_CLICKED(20338, &CGammaCustomDlg::OnBnClickedGammaPoint3Reset)
  ON_BN_CLICKED(20339, &CGammaCustomDlg::OnBnClickedGammaPoint4Reset)
  ON_BN_CLICKED(20340, &CGammaCustomDlg::OnBnClickedGammaPoint5Reset)
  ON_BN_CLICKED(20341, &CGammaCustomDlg::OnBnClickedGammaPoint6Reset)
  ON_BN_CLICKED(20342, &CGammaCustomDlg::OnBnClickedGammaPoint7Reset)
  ON_BN_CLICKED(20343, &CGammaCustomDlg::OnBnClickedGammaPoint8Reset)
END_MESSAGE_MAP()

CGammaCustomDlg::CGammaCustomDlg(bool bType4, CWnd* pParent) : CCustomAdjustDlg(20026, pParent, m_pPjt, bType4) {}

void CGammaCustomDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, kPattern.list, m_cbPattern);
  for (std::size_t i = 0; i < kPoints.size(); ++i) DDX_Control(pDX, kPoints[i].slider, m_slPoint[i]);
}

std::int16_t& CGammaCustomDlg::Point(int point) {
  std::int16_t* points[] = {&m_nPoint1, &m_nPoint2, &m_nPoint3, &m_nPoint4,
                            &m_nPoint5, &m_nPoint6, &m_nPoint7, &m_nPoint8};
  return *points[point - 1];
}

BOOL CGammaCustomDlg::OnInitDialog() {
  CCustomAdjustDlg::OnInitDialog();
  for (const SliderGroup& row : kPoints) SetupSlider(row);
  if (m_bType4) NarrowWithoutResets(kResetButtons, kPattern.list, kPoint8Label);
  FillList(kPattern);
  InitDisp();
  return TRUE;
}

void CGammaCustomDlg::InitDisp() {
  Enable({kPattern.list});
  ReadList(kPattern);
  for (int n = 1; n <= 8; ++n) {
    EnableGroup(kPoints[n - 1]);
    ReadSlider(kPoints[n - 1], Point(n));
  }
}

void CGammaCustomDlg::ResetPoint(int point) {
  if (!Pjt()) return;
  const bool reset = Pjt()->ExecUserGammaPReset(point);
  ShowReadBack(kPoints[point - 1], Point(point), reset, reset ? Pjt()->GetUserGammaPoint(point) : 0, kLowestReadBack);
}

void CGammaCustomDlg::OnCbnSelchangeGammaPattern() { ListChanged(kPattern); }
void CGammaCustomDlg::OnBnClickedGammaPoint1Minus() { StepDown(kPoints[0], m_nPoint1); }
void CGammaCustomDlg::OnBnClickedGammaPoint1Plus() { StepUp(kPoints[0], m_nPoint1); }
void CGammaCustomDlg::OnBnClickedGammaPoint2Minus() { StepDown(kPoints[1], m_nPoint2); }
void CGammaCustomDlg::OnBnClickedGammaPoint2Plus() { StepUp(kPoints[1], m_nPoint2); }
void CGammaCustomDlg::OnBnClickedGammaPoint3Minus() { StepDown(kPoints[2], m_nPoint3); }
void CGammaCustomDlg::OnBnClickedGammaPoint3Plus() { StepUp(kPoints[2], m_nPoint3); }
void CGammaCustomDlg::OnBnClickedGammaPoint4Minus() { StepDown(kPoints[3], m_nPoint4); }
void CGammaCustomDlg::OnBnClickedGammaPoint4Plus() { StepUp(kPoints[3], m_nPoint4); }
void CGammaCustomDlg::OnBnClickedGammaPoint5Minus() { StepDown(kPoints[4], m_nPoint5); }
void CGammaCustomDlg::OnBnClickedGammaPoint5Plus() { StepUp(kPoints[4], m_nPoint5); }
void CGammaCustomDlg::OnBnClickedGammaPoint6Minus() { StepDown(kPoints[5], m_nPoint6); }
void CGammaCustomDlg::OnBnClickedGammaPoint6Plus() { StepUp(kPoints[5], m_nPoint6); }
void CGammaCustomDlg::OnBnClickedGammaPoint7Minus() { StepDown(kPoints[6], m_nPoint7); }
void CGammaCustomDlg::OnBnClickedGammaPoint7Plus() { StepUp(kPoints[6], m_nPoint7); }
void CGammaCustomDlg::OnBnClickedGammaPoint8Minus() { StepDown(kPoints[7], m_nPoint8); }
void CGammaCustomDlg::OnBnClickedGammaPoint8Plus() { StepUp(kPoints[7], m_nPoint8); }

void CGammaCustomDlg::OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) {
  ReleaseSlider(nSBCode, pScrollBar,
                {{kPoints[0], m_nPoint1}, {kPoints[1], m_nPoint2}, {kPoints[2], m_nPoint3}, {kPoints[3], m_nPoint4},
                 {kPoints[4], m_nPoint5}, {kPoints[5], m_nPoint6}, {kPoints[6], m_nPoint7}, {kPoints[7], m_nPoint8}});
  CCustomAdjustDlg::OnHScroll(nSBCode, nPos, pScrollBar);
}

void CGammaCustomDlg::OnBnClickedGammaPoint1Reset() { ResetPoint(1); }
void CGammaCustomDlg::OnBnClickedGammaPoint2Reset() { ResetPoint(2); }
void CGammaCustomDlg::OnBnClickedGammaPoint3Reset() { ResetPoint(3); }
void CGammaCustomDlg::OnBnClickedGammaPoint4Reset() { ResetPoint(4); }
void CGammaCustomDlg::OnBnClickedGammaPoint5Reset() { ResetPoint(5); }
void CGammaCustomDlg::OnBnClickedGammaPoint6Reset() { ResetPoint(6); }
void CGammaCustomDlg::OnBnClickedGammaPoint7Reset() { ResetPoint(7); }
void CGammaCustomDlg::OnBnClickedGammaPoint8Reset() { ResetPoint(8); }
