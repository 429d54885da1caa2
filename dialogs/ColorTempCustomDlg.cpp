#include "dialogs/ColorTempCustomDlg.h"

#include <array>

#include "projector/CommandCodes.h"

using namespace expert::pages;
using P = CPjtInterface;

namespace {

enum : int { kOffsetBLabel = 20383 };

const ListRow kPattern{.list = 20158, .io = {pjcode::kUserGammaPattern},
                       .items = {Msg(5, 374), Msg(5, 50), Msg(5, 51), Msg(5, 52)},
                       .onRefused = ErrorBox(Msg(2201, 52))};

// Gains and offsets are read and slid on their codes, stepped by the named
// steps that take the value shown and give back the new one (the same value:
// not taken, and nothing is said). The buttons stop at -32 and 32.
constexpr SliderGroup ColorTempValue(int minus, int slider, int plus, int box, Channel io, int rangeText, int message) {
  return {.minus = minus, .slider = slider, .plus = plus, .box = box, .io = io, .offset = 128,
          .lower = StopAt(-32), .upper = StopAt(32), .rangeText = rangeText, .defaultRange = {-32, 32}, .tick = 4,
          .onStepRefused = kSilent, .onSlideRefused = ErrorBox(Msg(2201, message))};
}
template <int Colour>
constexpr Channel Gain(std::uint16_t code) {
  return {.code = code, .stepFrom = StepFrom<&P::IncrementColorTempGain, &P::DecrementColorTempGain, Colour>};
}
template <int Colour>
constexpr Channel Offset(std::uint16_t code) {
  return {.code = code, .stepFrom = StepFrom<&P::IncrementColorTempOffset, &P::DecrementColorTempOffset, Colour>};
}
const std::array<SliderGroup, 6> kValues{
    ColorTempValue(20182, 20181, 20188, 20194, Gain<0>(pjcode::kColourTemperatureGainR), 1, 38),
    ColorTempValue(20183, 21024, 20189, 20195, Gain<1>(pjcode::kColourTemperatureGainG), 2, 39),
    ColorTempValue(20184, 21025, 20190, 20196, Gain<2>(pjcode::kColourTemperatureGainB), 3, 40),
    ColorTempValue(20185, 21026, 20191, 20197, Offset<0>(pjcode::kColourTemperatureOffsetR), 4, 41),
    ColorTempValue(20186, 21027, 20192, 20198, Offset<1>(pjcode::kColourTemperatureOffsetG), 5, 42),
    ColorTempValue(20187, 21028, 20193, 20199, Offset<2>(pjcode::kColourTemperatureOffsetB), 6, 43)};
constexpr int kResetButtons[] = {20334, 20335, 20336, 20337, 20338, 20339};

// A value read back after its reset below this raw value is not shown.
constexpr int kLowestReadBack = 96;

}  // namespace

BEGIN_MESSAGE_MAP(CColorTempCustomDlg, CCustomAdjustDlg)
  ON_CBN_SELCHANGE(20158, &CColorTempCustomDlg::OnCbnSelchangeColorTempPattern)
  ON_BN_CLICKED(20182, &CColorTempCustomDlg::OnBnClickedColorTempGainRMinus)
  ON_BN_CLICKED(20188, &CColorTempCustomDlg::OnBnClickedColorTempGainRPlus)
  ON_BN_CLICKED(20183, &CColorTempCustomDlg::OnBnClickedColorTempGainGMinus)
  ON_BN_CLICKED(20189, &CColorTempCustomDlg::OnBnClickedColorTempGainGPlus)
  ON_BN_CLICKED(20184, &CColorTempCustomDlg::OnBnClickedColorTempGainBMinus)
  ON_BN_CLICKED(20190, &CColorTempCustomDlg::OnBnClickedColorTempGainBPlus)
  ON_BN_CLICKED(20185, &CColorTempCustomDlg::OnBnClickedColorTempOffsetRMinus)
  ON_BN_CLICKED(20191, &CColorTempCustomDlg::OnBnClickedColorTempOffsetRPlus)
  ON_BN_CLICKED(20186, &CColorTempCustomDlg::OnBnClickedColorTempOffsetGMinus)
  ON_BN_CLICKED(20192, &CColorTempCustomDlg::OnBnClickedColorTempOffsetGPlus)
  ON_BN_CLICKED(20187, &CColorTempCustomDlg::OnBnClickedColorTempOffsetBMinus)
  ON_BN_CLICKED(20193, &CColorTempCustomDlg::OnBnClickedColorTempOffsetBPlus)
  ON_BN_CLICKED(20334, &CColorTempCustomDlg::OnBnClickedColorTempGainRReset)
  ON_BN_CLICKED(20335, &CColorTempCustomDlg::OnBnClickedColorTempGainGReset)
  ON_BN_CLICKED(20336, &CColorTempCustomDlg::OnBnClickedColorTempGainBReset)
  ON_BN_CLICKED(20337, &CColorTempCustomDlg::OnBnClickedColorTempOffsetRReset)
  ON_BN_CLICKED(20338, &CColorTempCustomDlg::OnBnClickedColorTempOffsetGReset)
  ON_BN_CLICKED(20339, &CColorTempCustomDlg::OnBnClickedColorTempOffsetBReset)
END_MESSAGE_MAP()

CColorTempCustomDlg::CColorTempCustomDlg(bool bType4, CWnd* pParent)
    : CCustomAdjustDlg(20028, pParent, m_pPjt, bType4) {}

void CColorTempCustomDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, kPattern.list, m_cbPattern);
  for (std::size_t i = 0; i < kValues.size(); ++i) DDX_Control(pDX, kValues[i].slider, m_slValue[i]);
}

BOOL CColorTempCustomDlg::OnInitDialog() {
  CCustomAdjustDlg::OnInitDialog();
  for (const SliderGroup& row : kValues) SetupSlider(row);
  if (m_bType4) NarrowWithoutResets(kResetButtons, kValues[0].box, kOffsetBLabel);
  FillList(kPattern);
  InitDisp();
  return TRUE;
}

void CColorTempCustomDlg::InitDisp() {
  Enable({kPattern.list});
  ReadList(kPattern);
  std::int16_t* cached[] = {&m_nGainR, &m_nGainG, &m_nGainB, &m_nOffsetR, &m_nOffsetG, &m_nOffsetB};
  for (std::size_t i = 0; i < kValues.size(); ++i) {
    EnableGroup(kValues[i]);
    ReadSlider(kValues[i], *cached[i]);
  }
}

void CColorTempCustomDlg::ResetValue(int value, bool (P::*reset)(), std::int16_t (P::*read)()) {
  if (!Pjt()) return;
  std::int16_t* cached[] = {&m_nGainR, &m_nGainG, &m_nGainB, &m_nOffsetR, &m_nOffsetG, &m_nOffsetB};
  const bool done = (Pjt()->*reset)();
  ShowReadBack(kValues[static_cast<std::size_t>(value)], *cached[value], done, done ? (Pjt()->*read)() : 0,
               kLowestReadBack);
}

void CColorTempCustomDlg::OnCbnSelchangeColorTempPattern() { ListChanged(kPattern); }
void CColorTempCustomDlg::OnBnClickedColorTempGainRMinus() { StepDown(kValues[0], m_nGainR); }
void CColorTempCustomDlg::OnBnClickedColorTempGainRPlus() { StepUp(kValues[0], m_nGainR); }
void CColorTempCustomDlg::OnBnClickedColorTempGainGMinus() { StepDown(kValues[1], m_nGainG); }
void CColorTempCustomDlg::OnBnClickedColorTempGainGPlus() { StepUp(kValues[1], m_nGainG); }
void CColorTempCustomDlg::OnBnClickedColorTempGainBMinus() { StepDown(kValues[2], m_nGainB); }
void CColorTempCustomDlg::OnBnClickedColorTempGainBPlus() { StepUp(kValues[2], m_nGainB); }
void CColorTempCustomDlg::OnBnClickedColorTempOffsetRMinus() { StepDown(kValues[3], m_nOffsetR); }
void CColorTempCustomDlg::OnBnClickedColorTempOffsetRPlus() { StepUp(kValues[3], m_nOffsetR); }
void CColorTempCustomDlg::OnBnClickedColorTempOffsetGMinus() { StepDown(kValues[4], m_nOffsetG); }
void CColorTempCustomDlg::OnBnClickedColorTempOffsetGPlus() { StepUp(kValues[4], m_nOffsetG); }
void CColorTempCustomDlg::OnBnClickedColorTempOffsetBMinus() { StepDown(kValues[5], m_nOffsetB); }
void CColorTempCustomDlg::OnBnClickedColorTempOffsetBPlus() { StepUp(kValues[5], m_nOffsetB); }

void CColorTempCustomDlg::OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) {
  ReleaseSlider(nSBCode, pScrollBar,
                {{kValues[0], m_nGainR}, {kValues[1], m_nGainG}, {kValues[2], m_nGainB}, {kValues[3], m_nOffsetR},
                 {kValues[4], m_nOffsetG}, {kValues[5], m_nOffsetB}});
  CCustomAdjustDlg::OnHScroll(nSBCode, nPos, pScrollBar);
}

void CColorTempCustomDlg::OnBnClickedColorTempGainRReset() { ResetValue(0, &P::ExecColorTempGainRReset, &P::GetColorTempGainR); }
void CColorTempCustomDlg::OnBnClickedColorTempGainGReset() { ResetValue(1, &P::ExecColorTempGainGReset, &P::GetColorTempGainG); }
void CColorTempCustomDlg::OnBnClickedColorTempGainBReset() { ResetValue(2, &P::ExecColorTempGainBReset, &P::GetColorTempGainB); }
void CColorTempCustomDlg::OnBnClickedColorTempOffsetRReset() { ResetValue(3, &P::ExecColorTempOffsetRReset, &P::GetColorTempOffsetR); }
void CColorTempCustomDlg::OnBnClickedColorTempOffsetGReset() { ResetValue(4, &P::ExecColorTempOffsetGReset, &P::GetColorTempOffsetG); }
void CColorTempCustomDlg::OnBnClickedColorTempOffsetBReset() { ResetValue(5, &P::ExecColorTempOffsetBReset, &P::GetColorTempOffsetB); }
