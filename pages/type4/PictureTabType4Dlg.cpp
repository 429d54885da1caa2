#include "pages/type4/PictureTabType4Dlg.h"

#include "dialogs/ColorTempCustomDlg.h"
#include "dialogs/GammaCustomDlg.h"
#include "frame/ExpertDlg.h"
#include "pages/type4/PictureRows.h"
#include "projector/CommandCodes.h"

using namespace expert::pages;

namespace {

using namespace picture45;

enum : int { kProgressiveLabel = 20146, kProgressiveColon = 20392 };

constexpr SliderGroup PictureSlider(int minus, int slider, int plus, int box, std::uint16_t code, int rangeText,
                                    int message) {
  return {.minus = minus, .slider = slider, .plus = plus, .box = box, .io = {code}, .offset = 128,
          .lower = StopAt(-32), .upper = StopAt(32), .rangeText = rangeText, .defaultRange = {-32, 32}, .tick = 4,
          .onStepRefused = ErrorBox(Msg(2201, message))};
}
const SliderGroup kBrightness = PictureSlider(20134, 20136, 20135, 20140, pjcode::kBrightness, 17, 58);
const SliderGroup kContrast = PictureSlider(20137, 20138, 20139, 20141, pjcode::kContrast, 18, 59);
const SliderGroup kColor = PictureSlider(20147, 20151, 20149, 20153, pjcode::kColour, 27, 60);
const SliderGroup kTint = PictureSlider(21061, 21062, 21063, 20154, pjcode::kTint, 28, 15);
// Sharpness travels as shown + 125 on this page and stays within 1..5.
const SliderGroup kSharpness{.minus = 20148, .slider = 20152, .plus = 20150, .box = 20155, .io = {pjcode::kSharpness},
                             .offset = 125, .lower = StopAt(1), .upper = StopAt(5), .rangeText = 26,
                             .defaultRange = {1, 5}, .tick = 1, .onStepRefused = ErrorBox(Msg(2201, 17))};

const ListRow kProgressive{.list = 20145,
                           .io = {.code = pjcode::kProgressive, .set = Setter<&CPjtInterface::SetProgressive>}};

// On type 4 the editable modes sit at fixed places of the lists: the first
// three gamma modes and the fourth colour temperature.
bool GammaEditableAt(int position) { return position >= 0 && position <= 2; }
bool ColorTempEditableAt(int position) { return position == 3; }

}  // namespace

BEGIN_MESSAGE_MAP(CPictureTabType4Dlg, CSettingPage)
  ON_BN_CLICKED(20134, &CPictureTabType4Dlg::OnBnClickedBrightnessMinus)
  ON_BN_CLICKED(20135, &CPictureTabType4Dlg::OnBnClickedBrightnessPlus)
  ON_BN_CLICKED(20137, &CPictureTabType4Dlg::OnBnClickedContrastMinus)
  ON_BN_CLICKED(20139, &CPictureTabType4Dlg::OnBnClickedContrastPlus)
  ON_BN_CLICKED(20147, &CPictureTabType4Dlg::OnBnClickedColorMinus)
  ON_BN_CLICKED(20149, &CPictureTabType4Dlg::OnBnClickedColorPlus)
  ON_BN_CLICKED(21061, &CPictureTabType4Dlg::OnBnClickedTintMinus)
  ON_BN_CLICKED(21063, &CPictureTabType4Dlg::OnBnClickedTintPlus)
  ON_BN_CLICKED(20148, &CPictureTabType4Dlg::OnBnClickedSharpnessMinus)
  ON_BN_CLICKED(20150, &CPictureTabType4Dlg::OnBnClickedSharpnessPlus)
  ON_CBN_SELCHANGE(20144, &CPictureTabType4Dlg::OnCbnSelchangeColorTemp)
  ON_CBN_SELCHANGE(20142, &CPictureTabType4Dlg::OnCbnSelchangeGamma)
  ON_CBN_SELCHANGE(20145, &CPictureTabType4Dlg::OnCbnSelchangeProgressive)
  ON_BN_CLICKED(kMyMemoryExecute, &CPictureTabType4Dlg::OnBnClickedMyMemoryExecute)
  ON_BN_CLICKED(kResetExecute, &CPictureTabType4Dlg::OnBnClickedResetExecute)
  ON_BN_CLICKED(kGammaCustom, &CPictureTabType4Dlg::OnBnClickedGammaCustom)
  ON_BN_CLICKED(kColorTempCustom, &CPictureTabType4Dlg::OnBnClickedColorTempCustom)
END_MESSAGE_MAP()

CPictureTabType4Dlg::CPictureTabType4Dlg(CWnd* pParent) : CSettingPage(22160, pParent, m_pPjt) {}

void CPictureTabType4Dlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, 21064, m_cbMyMemory);
  DDX_Control(pDX, 20157, m_cbReset);
  DDX_Control(pDX, 20145, m_cbProgressive);
  DDX_Control(pDX, 20144, m_cbColorTemp);
  DDX_Control(pDX, 20142, m_cbGamma);
  DDX_Control(pDX, 20152, m_slSharpness);
  DDX_Control(pDX, 21062, m_slTint);
  DDX_Control(pDX, 20151, m_slColor);
  DDX_Control(pDX, 20138, m_slContrast);
  DDX_Control(pDX, 20136, m_slBrightness);
}

// Models 9 and 22 have no progressive scan.
bool CPictureTabType4Dlg::HasProgressive() const { return Host().m_nModelNo != 9 && Host().m_nModelNo != 22; }

BOOL CPictureTabType4Dlg::OnInitDialog() {
  CSettingPage::OnInitDialog();
  if (!HasProgressive()) Show({kProgressiveLabel, kProgressive.list, kProgressiveColon}, false);
  for (const SliderGroup* row : {&kBrightness, &kContrast, &kColor, &kTint, &kSharpness}) SetupSlider(*row);
  FillList(kGamma);
  FillList(kColorTemp);
  // "Off" and "FILM" come from the catalog; "TV" stays as the template has it.
  for (auto [position, text] : {std::pair{0, Msg(5, 30)}, std::pair{2, Msg(5, 326)}}) {
    m_cbProgressive.DeleteString(position);
    m_cbProgressive.InsertString(position, CatalogText(text));
  }
  FillList(kMyMemory);
  FillResets(kResets);
  return TRUE;
}

void CPictureTabType4Dlg::InitDisp() {
  for (const SliderGroup* row : {&kBrightness, &kContrast, &kColor, &kTint, &kSharpness}) EnableGroup(*row);
  Enable({kGamma.list, kColorTemp.list, kProgressive.list});
  ReadSlider(kBrightness, m_nBrightness);
  ReadSlider(kContrast, m_nContrast);
  const bool gammaRead = ReadList(kGamma).has_value();
  const bool colorTempRead = ReadList(kColorTemp).has_value();
  EnableCustomButtons(gammaRead, colorTempRead);
  if (HasProgressive()) ReadList(kProgressive);
  ReadSlider(kColor, m_nColor);
  ReadSlider(kTint, m_nTint);
  ReadSlider(kSharpness, m_nSharpness);
  m_cbMyMemory.SetCurSel(0);
  SelectFirstReset(kResets);
}

// A Custom button stays disabled when its list could not be read, whatever
// the list still shows.
void CPictureTabType4Dlg::EnableCustomButtons(bool gammaRead, bool colorTempRead) {
  Enable({kGammaCustom}, gammaRead && GammaEditableAt(m_cbGamma.GetCurSel()));
  Enable({kColorTempCustom}, colorTempRead && ColorTempEditableAt(m_cbColorTemp.GetCurSel()));
}

void CPictureTabType4Dlg::OnBnClickedBrightnessMinus() { StepDown(kBrightness, m_nBrightness); }
void CPictureTabType4Dlg::OnBnClickedBrightnessPlus() { StepUp(kBrightness, m_nBrightness); }
void CPictureTabType4Dlg::OnBnClickedContrastMinus() { StepDown(kContrast, m_nContrast); }
void CPictureTabType4Dlg::OnBnClickedContrastPlus() { StepUp(kContrast, m_nContrast); }
void CPictureTabType4Dlg::OnBnClickedColorMinus() { StepDown(kColor, m_nColor); }
void CPictureTabType4Dlg::OnBnClickedColorPlus() { StepUp(kColor, m_nColor); }
void CPictureTabType4Dlg::OnBnClickedTintMinus() { StepDown(kTint, m_nTint); }
void CPictureTabType4Dlg::OnBnClickedTintPlus() { StepUp(kTint, m_nTint); }
void CPictureTabType4Dlg::OnBnClickedSharpnessMinus() { StepDown(kSharpness, m_nSharpness); }
void CPictureTabType4Dlg::OnBnClickedSharpnessPlus() { StepUp(kSharpness, m_nSharpness); }

void CPictureTabType4Dlg::OnCbnSelchangeColorTemp() {
  ListChanged(kColorTemp);
  EnableCustomButtons(m_cbGamma.IsWindowEnabled(), true);
}

void CPictureTabType4Dlg::OnCbnSelchangeGamma() {
  ListChanged(kGamma);
  EnableCustomButtons(true, m_cbColorTemp.IsWindowEnabled());
}

void CPictureTabType4Dlg::OnCbnSelchangeProgressive() { ListChanged(kProgressive); }
void CPictureTabType4Dlg::OnBnClickedMyMemoryExecute() { ExecuteMyMemory(kMyMemory.list); }
void CPictureTabType4Dlg::OnBnClickedResetExecute() { ExecuteReset(kResets); }

void CPictureTabType4Dlg::OnBnClickedGammaCustom() {
  CGammaCustomDlg dialog(true);
  dialog.DoModal();
}

void CPictureTabType4Dlg::OnBnClickedColorTempCustom() {
  CColorTempCustomDlg dialog(true);
  dialog.DoModal();
}

void CPictureTabType4Dlg::OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) {
  ReleaseSlider(nSBCode, pScrollBar,
                {{kBrightness, m_nBrightness}, {kContrast, m_nContrast}, {kColor, m_nColor}, {kTint, m_nTint},
                 {kSharpness, m_nSharpness}});
  CSettingPage::OnHScroll(nSBCode, nPos, pScrollBar);
}
