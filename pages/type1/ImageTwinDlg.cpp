#include "pages/type1/ImageTwinDlg.h"

#include "projector/CommandCodes.h"

using namespace expert::pages;

namespace {

const SliderGroup kColorBalR{.minus = 21065, .slider = 21067, .plus = 21066, .box = 21122,
                             .io = {pjcode::kColourBalanceR}, .offset = 128, .lower = StopAt(-32),
                             .upper = StopAt(32), .rangeText = 23, .defaultRange = {-32, 32}, .tick = 4,
                             .onStepRefused = ErrorBox(Msg(2201, 73))};
const SliderGroup kColorBalB{.minus = 21041, .slider = 21042, .plus = 21053, .box = 21124,
                             .io = {pjcode::kColourBalanceB}, .offset = 128, .lower = StopAt(-32),
                             .upper = StopAt(32), .rangeText = 25, .defaultRange = {-32, 32}, .tick = 4,
                             .onStepRefused = ErrorBox(Msg(2201, 72))};

constexpr SliderGroup ColorRow(int bound, int tick) {
  return {.minus = 21057, .slider = 21058, .plus = 21059, .box = 21126, .io = {pjcode::kColour}, .offset = 128,
          .lower = StopAt(-bound), .upper = StopAt(bound), .rangeText = 27, .defaultRange = {-bound, bound},
          .tick = tick, .onStepRefused = ErrorBox(Msg(2201, 60))};
}
constexpr SliderGroup TintRow(int bound) {
  return {.minus = 21060, .slider = 21061, .plus = 21062, .box = 21127, .io = {pjcode::kTint}, .offset = 128,
          .lower = StopAt(-bound), .upper = StopAt(bound), .rangeText = 28, .defaultRange = {-bound, bound},
          .tick = 4, .onStepRefused = ErrorBox(Msg(2201, 15))};
}

}  // namespace

const SliderGroup CImageTwinDlg::kColorWide = ColorRow(63, 8);
const SliderGroup CImageTwinDlg::kColorNarrow = ColorRow(32, 4);
const SliderGroup CImageTwinDlg::kTintNarrow = TintRow(14);
const SliderGroup CImageTwinDlg::kTintWide = TintRow(32);

BEGIN_MESSAGE_MAP(CImageTwinDlg, CSettingPage)
  ON_BN_CLICKED(21065, &CImageTwinDlg::OnBnClickedColorBalRMinus)
  ON_BN_CLICKED(21066, &CImageTwinDlg::OnBnClickedColorBalRPlus)
  ON_BN_CLICKED(21041, &CImageTwinDlg::OnBnClickedColorBalBMinus)
  ON_BN_CLICKED(21053, &CImageTwinDlg::OnBnClickedColorBalBPlus)
  ON_BN_CLICKED(21054, &CImageTwinDlg::OnBnClickedSharpnessMinus)
  ON_BN_CLICKED(21056, &CImageTwinDlg::OnBnClickedSharpnessPlus)
  ON_BN_CLICKED(21057, &CImageTwinDlg::OnBnClickedColorMinus)
  ON_BN_CLICKED(21059, &CImageTwinDlg::OnBnClickedColorPlus)
  ON_BN_CLICKED(21060, &CImageTwinDlg::OnBnClickedTintMinus)
  ON_BN_CLICKED(21062, &CImageTwinDlg::OnBnClickedTintPlus)
  ON_BN_CLICKED(21069, &CImageTwinDlg::OnBnClickedResetExecute)
END_MESSAGE_MAP()

CImageTwinDlg::CImageTwinDlg(UINT templateId, CWnd* parent, CPjtInterface* const& pjt, const ResetList& resets)
    : CSettingPage(templateId, parent, pjt), m_resets(resets) {}

void CImageTwinDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, 21061, m_slTint);
  DDX_Control(pDX, 21058, m_slColor);
  DDX_Control(pDX, 21055, m_slSharpness);
  DDX_Control(pDX, 21042, m_slColorBalB);
  DDX_Control(pDX, 21067, m_slColorBalR);
}

void CImageTwinDlg::SetUpShared() {
  const ModelRows rows = RowsForModel();
  SetupSlider(kColorBalR);
  SetupSlider(kColorBalB);
  SetupSlider(rows.sharpness);
  SetupSlider(rows.colorSlider);
  SetupSlider(rows.tint);
  FillResets(m_resets);
}

void CImageTwinDlg::ReadShared(std::initializer_list<SliderBinding> afterRed) {
  const ModelRows rows = RowsForModel();
  for (const SliderGroup* row : {&kColorBalR, &kColorBalB, &rows.sharpness, &rows.color, &rows.tint}) EnableGroup(*row);
  ReadSlider(kColorBalR, m_nColorBalR);
  for (const SliderBinding& group : afterRed) ReadSlider(group.row, group.cached);
  ReadSlider(kColorBalB, m_nColorBalB);
  ReadSlider(rows.sharpness, m_nSharpness);
  ReadSlider(rows.color, m_nColor);
  ReadSlider(rows.tint, m_nTint);
  SelectFirstReset(m_resets);
}

void CImageTwinDlg::OnBnClickedColorBalRMinus() { StepDown(kColorBalR, m_nColorBalR); }
void CImageTwinDlg::OnBnClickedColorBalRPlus() { StepUp(kColorBalR, m_nColorBalR); }
void CImageTwinDlg::OnBnClickedColorBalBMinus() { StepDown(kColorBalB, m_nColorBalB); }
void CImageTwinDlg::OnBnClickedColorBalBPlus() { StepUp(kColorBalB, m_nColorBalB); }
void CImageTwinDlg::OnBnClickedSharpnessMinus() { StepDown(RowsForModel().sharpness, m_nSharpness); }
void CImageTwinDlg::OnBnClickedSharpnessPlus() { StepUp(RowsForModel().sharpness, m_nSharpness); }
void CImageTwinDlg::OnBnClickedColorMinus() { StepDown(RowsForModel().color, m_nColor); }
void CImageTwinDlg::OnBnClickedColorPlus() { StepUp(RowsForModel().color, m_nColor); }
void CImageTwinDlg::OnBnClickedTintMinus() { StepDown(RowsForModel().tint, m_nTint); }
void CImageTwinDlg::OnBnClickedTintPlus() { StepUp(RowsForModel().tint, m_nTint); }
void CImageTwinDlg::OnBnClickedResetExecute() { ExecuteReset(m_resets); }

void CImageTwinDlg::OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) {
  const ModelRows rows = RowsForModel();
  ReleaseSlider(nSBCode, pScrollBar,
                {{kColorBalR, m_nColorBalR}, {kColorBalB, m_nColorBalB}, {rows.sharpness, m_nSharpness},
                 {rows.color, m_nColor}, {rows.tint, m_nTint}});
  CSettingPage::OnHScroll(nSBCode, nPos, pScrollBar);
}
