#include "pages/type3/PictureTabType3Dlg.h"

#include "frame/ExpertDlg.h"
#include "projector/CommandCodes.h"

using namespace expert::pages;

namespace {

// A picture level: signed, sent as shown value + 128, buttons stopping at
// ±limit, the slider's default range ±limit.
SliderGroup Level(SliderGroup row, int limit) {
  row.offset = 128;
  row.lower = StopAt(-limit);
  row.upper = StopAt(limit);
  row.defaultRange = {-limit, limit};
  return row;
}

const SliderGroup kBrightness = Level({.minus = 20078, .slider = 20079, .plus = 20080, .box = 20081,
                                       .io = {pjcode::kBrightness}, .rangeText = 17, .tick = 4,
                                       .onStepRefused = ErrorBox(Msg(2201, 58))}, 32);
// The contrast buttons stop at the slider's ends, which follow the model's
// range text (model 8 defaults to ±48).
const SliderGroup kContrast{.minus = 20082, .slider = 20083, .plus = 20084, .box = 20085,
                            .io = {pjcode::kContrast}, .offset = 128, .lower = kAtSliderEnd, .upper = kAtSliderEnd,
                            .rangeText = 18, .defaultRange = {-32, 32}, .tick = 4,
                            .onStepRefused = ErrorBox(Msg(2201, 59))};
// H phase travels as it is and is set in steps of 8.
const SliderGroup kHPhase{.minus = 20092, .slider = 20093, .plus = 20094, .box = 20095,
                          .io = {pjcode::kHorizontalPhase}, .lower = StopAt(0), .upper = StopAt(248),
                          .rangeText = 16, .defaultRange = {0, 248}, .tick = 32, .pageSize = 8, .multiple = 8,
                          .onStepRefused = ErrorBox(Msg(2201, 55))};
const SliderGroup kSharpness = Level({.minus = 21056, .slider = 21057, .plus = 21058, .box = 20100,
                                      .io = {pjcode::kSharpness}, .rangeText = 26, .tick = 1,
                                      .onStepRefused = ErrorBox(Msg(2201, 17))}, 8);
const SliderGroup kColor = Level({.minus = 21059, .slider = 21060, .plus = 21061, .box = 20101,
                                  .io = {pjcode::kColour}, .rangeText = 27, .tick = 4,
                                  .onStepRefused = ErrorBox(Msg(2201, 60))}, 18);
const SliderGroup kTint = Level({.minus = 21062, .slider = 21063, .plus = 21064, .box = 20102,
                                 .io = {pjcode::kTint}, .rangeText = 28, .tick = 4,
                                 .onStepRefused = ErrorBox(Msg(2201, 15))}, 18);
const SliderGroup kSharpnessOf10 = Level(kSharpness, 6);
const SliderGroup kColorOf10 = Level(kColor, 63);
const SliderGroup kTintOf10 = Level(kTint, 14);
const SliderGroup kColorBalR = Level({.minus = 20103, .slider = 20104, .plus = 20105, .box = 20106,
                                      .io = {pjcode::kColourBalanceR}, .rangeText = 23, .tick = 4,
                                      .onStepRefused = ErrorBox(Msg(2201, 73))}, 32);
const SliderGroup kColorBalB = Level({.minus = 21042, .slider = 21043, .plus = 21068, .box = 20107,
                                      .io = {pjcode::kColourBalanceB}, .rangeText = 25, .tick = 4,
                                      .onStepRefused = ErrorBox(Msg(2201, 72))}, 32);

// Left raises the horizontal position, right lowers it.
const ArrowPair kPositionV{.raise = 20087, .lower = 20089, .raiseArrow = Arrow::Up, .lowerArrow = Arrow::Down,
                           .box = 20090, .io = {pjcode::kVerticalPosition}, .onRefused = ErrorBox(Msg(2201, 54))};
const ArrowPair kPositionH{.raise = 20086, .lower = 20088, .raiseArrow = Arrow::Left, .lowerArrow = Arrow::Right,
                           .box = 20091, .io = {pjcode::kHorizontalPosition}, .onRefused = ErrorBox(Msg(2201, 54))};
const SliderGroup kHSize{.minus = 20096, .plus = 20098, .box = 20097, .io = {pjcode::kHorizontalSize},
                         .onStepRefused = ErrorBox(Msg(2201, 56))};

// Models 8, 10, 47 and 48 name their aspects from 5/350 on, the others from 5/1.
const ListRow kAspect{.list = 20099, .io = {.code = pjcode::kAspect, .set = Setter<&CPjtInterface::SetAspect>},
                      .codes = CodeTable{.table = HostTable::Aspect, .textBase = 1, .sendsPosition = true}};
const ListRow kAspectOf8{.list = 20099, .io = kAspect.io,
                         .codes = CodeTable{.table = HostTable::Aspect, .textBase = 350, .sendsPosition = true}};

const ResetList kResets{21069, 21073,
                        {{Msg(5, 105), &CPjtInterface::ExecBrightnessReset},
                         {Msg(5, 106), &CPjtInterface::ExecContrastReset},
                         {Msg(5, 299), &CPjtInterface::ExecVPosReset},
                         {Msg(5, 300), &CPjtInterface::ExecHPosReset},
                         {Msg(5, 301), &CPjtInterface::ExecHSizeReset},
                         {Msg(5, 292), &CPjtInterface::ExecSharpnessReset},
                         {Msg(5, 290), &CPjtInterface::ExecColorReset},
                         {Msg(5, 291), &CPjtInterface::ExecTintReset},
                         {Msg(5, 296), &CPjtInterface::ExecColorBalRReset},
                         {Msg(5, 298), &CPjtInterface::ExecColorBalBReset}}};

}  // namespace

BEGIN_MESSAGE_MAP(CPictureTabType3Dlg, CSettingPage)
  ON_BN_CLICKED(20078, &CPictureTabType3Dlg::OnBnClickedBrightnessMinus)
  ON_BN_CLICKED(20080, &CPictureTabType3Dlg::OnBnClickedBrightnessPlus)
  ON_BN_CLICKED(20082, &CPictureTabType3Dlg::OnBnClickedContrastMinus)
  ON_BN_CLICKED(20084, &CPictureTabType3Dlg::OnBnClickedContrastPlus)
  ON_BN_CLICKED(20092, &CPictureTabType3Dlg::OnBnClickedHPhaseMinus)
  ON_BN_CLICKED(20094, &CPictureTabType3Dlg::OnBnClickedHPhasePlus)
  ON_BN_CLICKED(21056, &CPictureTabType3Dlg::OnBnClickedSharpnessMinus)
  ON_BN_CLICKED(21058, &CPictureTabType3Dlg::OnBnClickedSharpnessPlus)
  ON_BN_CLICKED(21059, &CPictureTabType3Dlg::OnBnClickedColorMinus)
  ON_BN_CLICKED(21061, &CPictureTabType3Dlg::OnBnClickedColorPlus)
  ON_BN_CLICKED(21062, &CPictureTabType3Dlg::OnBnClickedTintMinus)
  ON_BN_CLICKED(21064, &CPictureTabType3Dlg::OnBnClickedTintPlus)
  ON_BN_CLICKED(20103, &CPictureTabType3Dlg::OnBnClickedColorBalRMinus)
  ON_BN_CLICKED(20105, &CPictureTabType3Dlg::OnBnClickedColorBalRPlus)
  ON_BN_CLICKED(21042, &CPictureTabType3Dlg::OnBnClickedColorBalBMinus)
  ON_BN_CLICKED(21068, &CPictureTabType3Dlg::OnBnClickedColorBalBPlus)
  ON_BN_CLICKED(20087, &CPictureTabType3Dlg::OnBnClickedPositionUp)
  ON_BN_CLICKED(20089, &CPictureTabType3Dlg::OnBnClickedPositionDown)
  ON_BN_CLICKED(20086, &CPictureTabType3Dlg::OnBnClickedPositionLeft)
  ON_BN_CLICKED(20088, &CPictureTabType3Dlg::OnBnClickedPositionRight)
  ON_BN_CLICKED(20096, &CPictureTabType3Dlg::OnBnClickedHSizeMinus)
  ON_BN_CLICKED(20098, &CPictureTabType3Dlg::OnBnClickedHSizePlus)
  ON_CBN_SELCHANGE(20099, &CPictureTabType3Dlg::OnCbnSelchangeAspect)
  ON_BN_CLICKED(21073, &CPictureTabType3Dlg::OnBnClickedResetExecute)
END_MESSAGE_MAP()

CPictureTabType3Dlg::CPictureTabType3Dlg(CWnd* pParent) : CSettingPage(20016, pParent, m_pPjt) {}

void CPictureTabType3Dlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, 21069, m_cbReset);
  DDX_Control(pDX, 20099, m_cbAspect);
  DDX_Control(pDX, 20093, m_slHPhase);
  DDX_Control(pDX, 21063, m_slTint);
  DDX_Control(pDX, 21057, m_slSharpness);
  DDX_Control(pDX, 21060, m_slColor);
  DDX_Control(pDX, 20104, m_slColorBalR);
  DDX_Control(pDX, 21043, m_slColorBalB);
  DDX_Control(pDX, 20079, m_slBrightness);
  DDX_Control(pDX, 20083, m_slContrast);
}

bool CPictureTabType3Dlg::IsModel10Family() const {
  const int model = Host().m_nModelNo;
  return model == 10 || model == 47 || model == 48;
}
const SliderGroup& CPictureTabType3Dlg::Sharpness() const { return IsModel10Family() ? kSharpnessOf10 : kSharpness; }
const SliderGroup& CPictureTabType3Dlg::Color() const { return IsModel10Family() ? kColorOf10 : kColor; }
const SliderGroup& CPictureTabType3Dlg::Tint() const { return IsModel10Family() ? kTintOf10 : kTint; }
const ListRow& CPictureTabType3Dlg::Aspect() const {
  return IsModel10Family() || Host().m_nModelNo == 8 ? kAspectOf8 : kAspect;
}

BOOL CPictureTabType3Dlg::OnInitDialog() {
  CSettingPage::OnInitDialog();
  FillList(Aspect());
  SetArrowImages(kPositionV, m_bmpArrows);
  SetArrowImages(kPositionH, m_bmpArrows);

  SetupSlider(kBrightness);
  SetupSlider(kContrast, Host().m_nModelNo == 8 ? Range{-48, 48} : kContrast.defaultRange);
  m_nContrastMin = static_cast<std::int16_t>(m_slContrast.GetRangeMin());
  m_nContrastMax = static_cast<std::int16_t>(m_slContrast.GetRangeMax());
  SetupSlider(kHPhase);
  SetupSlider(Sharpness());
  SetupSlider(Color());
  SetupSlider(Tint());
  SetupSlider(kColorBalR);
  SetupSlider(kColorBalB);
  FillResets(kResets);
  return TRUE;
}

void CPictureTabType3Dlg::InitDisp() {
  for (const SliderGroup* row : {&kBrightness, &kContrast, &kHPhase, &Sharpness(), &Color(), &Tint(), &kColorBalR,
                                 &kColorBalB, &kHSize})
    EnableGroup(*row);
  EnableArrows(kPositionV);
  EnableArrows(kPositionH);
  Enable({kAspect.list});

  ReadSlider(kBrightness, m_nBrightness);
  ReadSlider(kContrast, m_nContrast);
  ReadArrows(kPositionV, m_nPosV);
  ReadArrows(kPositionH, m_nPosH);
  ReadSlider(kHPhase, m_nHPhase);
  ReadSlider(kHSize, m_nHSize);
  ReadList(Aspect());
  ReadSlider(Sharpness(), m_nSharpness);
  ReadSlider(Color(), m_nColor);
  ReadSlider(Tint(), m_nTint);
  ReadSlider(kColorBalR, m_nColorBalR);
  ReadSlider(kColorBalB, m_nColorBalB);
  SelectFirstReset(kResets);
}

void CPictureTabType3Dlg::OnBnClickedBrightnessMinus() { StepDown(kBrightness, m_nBrightness); }
void CPictureTabType3Dlg::OnBnClickedBrightnessPlus() { StepUp(kBrightness, m_nBrightness); }
void CPictureTabType3Dlg::OnBnClickedContrastMinus() { StepDown(kContrast, m_nContrast); }
void CPictureTabType3Dlg::OnBnClickedContrastPlus() { StepUp(kContrast, m_nContrast); }
void CPictureTabType3Dlg::OnBnClickedHPhaseMinus() { StepDown(kHPhase, m_nHPhase); }
void CPictureTabType3Dlg::OnBnClickedHPhasePlus() { StepUp(kHPhase, m_nHPhase); }
void CPictureTabType3Dlg::OnBnClickedSharpnessMinus() { StepDown(Sharpness(), m_nSharpness); }
void CPictureTabType3Dlg::OnBnClickedSharpnessPlus() { StepUp(Sharpness(), m_nSharpness); }
void CPictureTabType3Dlg::OnBnClickedColorMinus() { StepDown(Color(), m_nColor); }
void CPictureTabType3Dlg::OnBnClickedColorPlus() { StepUp(Color(), m_nColor); }
void CPictureTabType3Dlg::OnBnClickedTintMinus() { StepDown(Tint(), m_nTint); }
void CPictureTabType3Dlg::OnBnClickedTintPlus() { StepUp(Tint(), m_nTint); }
void CPictureTabType3Dlg::OnBnClickedColorBalRMinus() { StepDown(kColorBalR, m_nColorBalR); }
void CPictureTabType3Dlg::OnBnClickedColorBalRPlus() { StepUp(kColorBalR, m_nColorBalR); }
void CPictureTabType3Dlg::OnBnClickedColorBalBMinus() { StepDown(kColorBalB, m_nColorBalB); }
void CPictureTabType3Dlg::OnBnClickedColorBalBPlus() { StepUp(kColorBalB, m_nColorBalB); }
void CPictureTabType3Dlg::OnBnClickedPositionUp() { ArrowClicked(kPositionV, m_nPosV, true); }
void CPictureTabType3Dlg::OnBnClickedPositionDown() { ArrowClicked(kPositionV, m_nPosV, false); }
void CPictureTabType3Dlg::OnBnClickedPositionLeft() { ArrowClicked(kPositionH, m_nPosH, true); }
void CPictureTabType3Dlg::OnBnClickedPositionRight() { ArrowClicked(kPositionH, m_nPosH, false); }
void CPictureTabType3Dlg::OnBnClickedHSizeMinus() { StepDown(kHSize, m_nHSize); }
void CPictureTabType3Dlg::OnBnClickedHSizePlus() { StepUp(kHSize, m_nHSize); }
void CPictureTabType3Dlg::OnCbnSelchangeAspect() { ListChanged(Aspect()); }
void CPictureTabType3Dlg::OnBnClickedResetExecute() { ExecuteReset(kResets); }

void CPictureTabType3Dlg::OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) {
  ReleaseSlider(nSBCode, pScrollBar,
                {{kBrightness, m_nBrightness}, {kContrast, m_nContrast}, {kHPhase, m_nHPhase},
                 {Sharpness(), m_nSharpness}, {Color(), m_nColor}, {Tint(), m_nTint},
                 {kColorBalR, m_nColorBalR}, {kColorBalB, m_nColorBalB}});
  CSettingPage::OnHScroll(nSBCode, nPos, pScrollBar);
}
