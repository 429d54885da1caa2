#include "pages/type5/PictureTabType5Dlg.h"

#include "dialogs/ColorTempCustomDlg.h"
#include "dialogs/GammaCustomDlg.h"
#include "frame/ExpertDlg.h"
#include "pages/type4/PictureRows.h"
#include "projector/CommandCodes.h"

using namespace expert::pages;

namespace {

using namespace picture45;

// The sliders write through named setters and say nothing when refused: the
// slider goes back to the value the projector holds.
constexpr SliderGroup PictureSlider(int minus, int slider, int plus, int box, Channel io, int rangeText,
                                    int message) {
  return {.minus = minus, .slider = slider, .plus = plus, .box = box, .io = io, .offset = 128,
          .lower = kAtSliderEnd, .upper = kAtSliderEnd, .rangeText = rangeText, .defaultRange = {-32, 32},
          .tick = 4, .onStepRefused = ErrorBox(Msg(2201, message)), .onSlideRefused = kSilent};
}
const SliderGroup kBrightness = PictureSlider(
    20134, 20136, 20135, 20329, {.code = pjcode::kBrightness, .set = Setter<&CPjtInterface::SetBrightness>}, 17, 58);
const SliderGroup kContrast = PictureSlider(
    20137, 20138, 20139, 20330, {.code = pjcode::kContrast, .set = Setter<&CPjtInterface::SetContrast>}, 18, 59);
const SliderGroup kColor = PictureSlider(20147, 20151, 20149, 20331,
                                         {.code = pjcode::kColour, .set = Setter<&CPjtInterface::SetColor>}, 27, 60);
const SliderGroup kTint = PictureSlider(21061, 21062, 21063, 20332,
                                        {.code = pjcode::kTint, .set = Setter<&CPjtInterface::SetTint>}, 28, 15);
// Sharpness is shown as raw - 124 and starts at 4 before each read.
const SliderGroup kSharpness{.minus = 20148, .slider = 20152, .plus = 20150, .box = 20333,
                             .io = {.code = pjcode::kSharpness, .set = Setter<&CPjtInterface::SetSharpness>},
                             .offset = 124, .lower = kAtSliderEnd, .upper = kAtSliderEnd, .rangeText = 26,
                             .defaultRange = {1, 7}, .tick = 1, .onStepRefused = ErrorBox(Msg(2201, 17)),
                             .onSlideRefused = kSilent, .preset = 4};

const ListRow kActiveIris{.list = 20293, .io = {pjcode::kActiveIris}, .map = kTableMap<ActiveIrisTable>,
                          .items = {Msg(5, 30), Msg(5, 303), Msg(5, 304)}, .onRefused = ErrorBox(Msg(2201, 78))};

// Only the user gamma modes (codes below 22) and the colour temperatures
// from 17 on can be edited.
bool GammaEditable(int code) { return code < 22; }
bool ColorTempEditable(int code) { return code >= 17; }

}  // namespace

BEGIN_MESSAGE_MAP(CPictureTabType5Dlg, CSettingPage)
  ON_BN_CLICKED(20135, &CPictureTabType5Dlg::OnBnClickedPicBgpBtn)
  ON_BN_CLICKED(20134, &CPictureTabType5Dlg::OnBnClickedPicBgnBtn)
  ON_BN_CLICKED(20139, &CPictureTabType5Dlg::OnBnClickedPicCnpBtn)
  ON_BN_CLICKED(20137, &CPictureTabType5Dlg::OnBnClickedPicCnnBtn)
  ON_BN_CLICKED(20149, &CPictureTabType5Dlg::OnBnClickedPicClrpBtn)
  ON_BN_CLICKED(20147, &CPictureTabType5Dlg::OnBnClickedPicClrnBtn)
  ON_BN_CLICKED(21063, &CPictureTabType5Dlg::OnBnClickedPicTintpBtn)
  ON_BN_CLICKED(21061, &CPictureTabType5Dlg::OnBnClickedPicTintnBtn)
  ON_BN_CLICKED(20150, &CPictureTabType5Dlg::OnBnClickedPicShppBtn)
  ON_BN_CLICKED(20148, &CPictureTabType5Dlg::OnBnClickedPicShpnBtn)
  ON_BN_CLICKED(kGammaCustom, &CPictureTabType5Dlg::OnBnClickedPicGammaBtn)
  ON_BN_CLICKED(kColorTempCustom, &CPictureTabType5Dlg::OnBnClickedPicColorBtn)
  ON_BN_CLICKED(kMyMemoryExecute, &CPictureTabType5Dlg::OnBnClickedPicMyldBtn)
  ON_CBN_SELCHANGE(20142, &CPictureTabType5Dlg::OnCbnSelchangePicGammaComb)
  ON_CBN_SELCHANGE(20144, &CPictureTabType5Dlg::OnCbnSelchangePicCctComb)
  ON_CBN_SELCHANGE(20293, &CPictureTabType5Dlg::OnCbnSelchangePic5ActilisCombo)
  ON_BN_CLICKED(kResetExecute, &CPictureTabType5Dlg::OnBnClickedPicRstBtn)
END_MESSAGE_MAP()

CPictureTabType5Dlg::CPictureTabType5Dlg(CWnd* pParent) : CSettingPage(107, pParent, m_pPjt) {}

void CPictureTabType5Dlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, 20136, m_slBrightness);
  DDX_Control(pDX, 20138, m_slContrast);
  DDX_Control(pDX, 20142, m_cbGamma);
  DDX_Control(pDX, 20144, m_cbColorTemp);
  DDX_Control(pDX, 20151, m_slColor);
  DDX_Control(pDX, 21062, m_slTint);
  DDX_Control(pDX, 20152, m_slSharpness);
  DDX_Control(pDX, 21064, m_cbMyMemory);
  DDX_Control(pDX, 20157, m_cbReset);
  DDX_Control(pDX, 20293, m_cbActiveIris);
  DDX_Control(pDX, 20329, m_edBrightness);
  DDX_Control(pDX, 20330, m_edContrast);
  DDX_Control(pDX, 20331, m_edColor);
  DDX_Control(pDX, 20332, m_edTint);
  DDX_Control(pDX, 20333, m_edSharpness);
}

std::uint16_t CPictureTabType5Dlg::ActIrisIdxToValue(std::int16_t index) { return ActiveIrisTable.ToValue(index); }
std::int16_t CPictureTabType5Dlg::ActIrisValueToIdx(std::uint16_t value) {
  return static_cast<std::int16_t>(ActiveIrisTable.ToIndex(value));
}

BOOL CPictureTabType5Dlg::OnInitDialog() {
  CSettingPage::OnInitDialog();
  // The plus and minus buttons stop at the slider's ends, kept here as the page's bounds.
  const auto setup = [this](const SliderGroup& row, CSliderCtrl& slider, std::int16_t& max, std::int16_t& min) {
    SetupSlider(row);
    max = static_cast<std::int16_t>(slider.GetRangeMax());
    min = static_cast<std::int16_t>(slider.GetRangeMin());
  };
  setup(kBrightness, m_slBrightness, m_nBrightnessMax, m_nBrightnessMin);
  setup(kContrast, m_slContrast, m_nContrastMax, m_nContrastMin);
  FillList(kGamma);
  FillList(kColorTemp);
  setup(kColor, m_slColor, m_nColorMax, m_nColorMin);
  setup(kTint, m_slTint, m_nTintMax, m_nTintMin);
  setup(kSharpness, m_slSharpness, m_nSharpnessMax, m_nSharpnessMin);
  m_nSharpness = 4;
  m_slSharpness.SetPos(m_nSharpness);
  FillList(kActiveIris);
  FillList(kMyMemory);
  FillResets(kResets);
  return TRUE;
}

void CPictureTabType5Dlg::InitDisp() {
  for (const SliderGroup* row : {&kBrightness, &kContrast, &kColor, &kTint, &kSharpness}) EnableGroup(*row);
  // A good read enables Active Iris again after a failed one.
  Enable({kGamma.list, kColorTemp.list, kActiveIris.list});
  ReadSlider(kBrightness, m_nBrightness);
  ReadSlider(kContrast, m_nContrast);
  const bool gammaRead = ReadList(kGamma).has_value();
  const bool colorTempRead = ReadList(kColorTemp).has_value();
  EnableCustomButtons(gammaRead, colorTempRead);
  ReadSlider(kColor, m_nColor);
  ReadSlider(kTint, m_nTint);
  ReadSlider(kSharpness, m_nSharpness);
  m_cbMyMemory.SetCurSel(0);
  SelectFirstReset(kResets);
  ReadList(kActiveIris);
}

// A Custom button opens the editor of the mode chosen; it stays disabled
// when its list could not be read, whatever the list still shows.
void CPictureTabType5Dlg::EnableCustomButtons(bool gammaRead, bool colorTempRead) {
  const std::optional<int> gamma = SelectedCode(kGamma), colorTemp = SelectedCode(kColorTemp);
  Enable({kGammaCustom}, gammaRead && gamma && GammaEditable(*gamma));
  Enable({kColorTempCustom}, colorTempRead && colorTemp && ColorTempEditable(*colorTemp));
}

void CPictureTabType5Dlg::OnBnClickedPicBgpBtn() { StepUp(kBrightness, m_nBrightness); }
void CPictureTabType5Dlg::OnBnClickedPicBgnBtn() { StepDown(kBrightness, m_nBrightness); }
void CPictureTabType5Dlg::OnBnClickedPicCnpBtn() { StepUp(kContrast, m_nContrast); }
void CPictureTabType5Dlg::OnBnClickedPicCnnBtn() { StepDown(kContrast, m_nContrast); }
void CPictureTabType5Dlg::OnBnClickedPicClrpBtn() { StepUp(kColor, m_nColor); }
void CPictureTabType5Dlg::OnBnClickedPicClrnBtn() { StepDown(kColor, m_nColor); }
void CPictureTabType5Dlg::OnBnClickedPicTintpBtn() { StepUp(kTint, m_nTint); }
void CPictureTabType5Dlg::OnBnClickedPicTintnBtn() { StepDown(kTint, m_nTint); }
void CPictureTabType5Dlg::OnBnClickedPicShppBtn() { StepUp(kSharpness, m_nSharpness); }
void CPictureTabType5Dlg::OnBnClickedPicShpnBtn() { StepDown(kSharpness, m_nSharpness); }

void CPictureTabType5Dlg::OnBnClickedPicGammaBtn() {
  CGammaCustomDlg dialog(false);
  dialog.DoModal();
}

void CPictureTabType5Dlg::OnBnClickedPicColorBtn() {
  CColorTempCustomDlg dialog(false);
  dialog.DoModal();
}

void CPictureTabType5Dlg::OnBnClickedPicMyldBtn() { ExecuteMyMemory(kMyMemory.list); }

void CPictureTabType5Dlg::OnCbnSelchangePicGammaComb() {
  ListChanged(kGamma);
  EnableCustomButtons(true, m_cbColorTemp.IsWindowEnabled());
}

void CPictureTabType5Dlg::OnCbnSelchangePicCctComb() {
  ListChanged(kColorTemp);
  EnableCustomButtons(m_cbGamma.IsWindowEnabled(), true);
}

void CPictureTabType5Dlg::OnCbnSelchangePic5ActilisCombo() { ListChanged(kActiveIris); }

void CPictureTabType5Dlg::OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) {
  ReleaseSlider(nSBCode, pScrollBar,
                {{kBrightness, m_nBrightness}, {kContrast, m_nContrast}, {kColor, m_nColor}, {kTint, m_nTint},
                 {kSharpness, m_nSharpness}});
  CSettingPage::OnHScroll(nSBCode, nPos, pScrollBar);
}

// The reset's result is not looked at: the page is read again in any case.
void CPictureTabType5Dlg::OnBnClickedPicRstBtn() {
  const int position = SelectedPosition(kResets.list);
  if (Pjt() && position >= 0 && position < static_cast<int>(kResets.items.size()))
    (Pjt()->*kResets.items[static_cast<std::size_t>(position)].run)();
  InitDisp();
}
