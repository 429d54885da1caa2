#include "pages/type1/ImageTabType1Dlg.h"

#include <array>
#include <cstdio>
#include <cstdlib>

#include "frame/ExpertDlg.h"
#include "projector/CommandCodes.h"

using namespace expert::pages;

namespace {

constexpr int kMyMemoryList = 21063;

// Tenths of the gamma figure: 22 reads "2.2".
std::string GammaFigure(int tenths) {
  char text[16];
  std::snprintf(text, sizeof text, "%s%d.%d", tenths < 0 ? "-" : "", std::abs(tenths) / 10, std::abs(tenths) % 10);
  return text;
}

const SliderGroup kCustomGamma{.minus = 21046, .slider = 21047, .plus = 21048, .box = 21121,
                               .io = {pjcode::kCustomGamma}, .lower = StopAt(18), .upper = StopAt(32),
                               .rangeText = 29, .defaultRange = {18, 32}, .tick = 1,
                               .onStepRefused = ErrorBox(Msg(2201, 77)), .format = GammaFigure};
const SliderGroup kColorBalG{.minus = 21037, .slider = 21039, .plus = 21040, .box = 21123,
                             .io = {pjcode::kColourBalanceG}, .offset = 128, .lower = StopAt(-32),
                             .upper = StopAt(32), .rangeText = 24, .defaultRange = {-32, 32}, .tick = 4,
                             .onStepRefused = ErrorBox(Msg(2201, 81))};
const SliderGroup kSharpness{.minus = 21054, .slider = 21055, .plus = 21056, .box = 21125,
                             .io = {pjcode::kSharpness}, .offset = 125, .lower = StopAt(1), .upper = StopAt(5),
                             .rangeText = 26, .defaultRange = {1, 5}, .tick = 1,
                             .onStepRefused = ErrorBox(Msg(2201, 17))};

const ListRow kGamma{.list = 21045, .io = {.code = pjcode::kGamma, .set = Setter<&CPjtInterface::SetGamma>},
                     .codes = CodeTable{.table = HostTable::Gamma, .textBase = 70, .sendsPosition = true}};
const ListRow kColorTemp{.list = 21049, .io = {pjcode::kColourTemperature}, .onRefused = ErrorBox(Msg(2201, 61)),
                         .codes = CodeTable{.table = HostTable::ColorTemp, .textBase = 250}};
// The custom-user levels keep the template's figures "100" to "50".
const ListRow kCustomUserR{.list = 21050, .io = {pjcode::kColourTemperatureGainR}, .onRefused = ErrorBox(Msg(2201, 74))};
const ListRow kCustomUserG{.list = 21051, .io = {pjcode::kColourTemperatureGainG}, .onRefused = ErrorBox(Msg(2201, 75))};
const ListRow kCustomUserB{.list = 21052, .io = {pjcode::kColourTemperatureGainB}, .onRefused = ErrorBox(Msg(2201, 76))};

const ResetList kResets{21068, 21069,
                        {{Msg(5, 296), &CPjtInterface::ExecColorBalRReset},
                         {Msg(5, 297), &CPjtInterface::ExecColorBalGReset},
                         {Msg(5, 298), &CPjtInterface::ExecColorBalBReset},
                         {Msg(5, 292), &CPjtInterface::ExecSharpnessReset},
                         {Msg(5, 290), &CPjtInterface::ExecColorReset},
                         {Msg(5, 291), &CPjtInterface::ExecTintReset}}};

}  // namespace

BEGIN_MESSAGE_MAP(CImageTabType1Dlg, CImageTwinDlg)
  ON_CBN_SELCHANGE(21045, &CImageTabType1Dlg::OnCbnSelchangeGamma)
  ON_CBN_SELCHANGE(21049, &CImageTabType1Dlg::OnCbnSelchangeColorTemp)
  ON_CBN_SELCHANGE(21050, &CImageTabType1Dlg::OnCbnSelchangeCustomUserR)
  ON_CBN_SELCHANGE(21051, &CImageTabType1Dlg::OnCbnSelchangeCustomUserG)
  ON_CBN_SELCHANGE(21052, &CImageTabType1Dlg::OnCbnSelchangeCustomUserB)
  ON_BN_CLICKED(21046, &CImageTabType1Dlg::OnBnClickedCustomGammaMinus)
  ON_BN_CLICKED(21048, &CImageTabType1Dlg::OnBnClickedCustomGammaPlus)
  ON_BN_CLICKED(21037, &CImageTabType1Dlg::OnBnClickedColorBalGMinus)
  ON_BN_CLICKED(21040, &CImageTabType1Dlg::OnBnClickedColorBalGPlus)
  ON_BN_CLICKED(21064, &CImageTabType1Dlg::OnBnClickedMyMemoryExecute)
END_MESSAGE_MAP()

CImageTabType1Dlg::CImageTabType1Dlg(CWnd* pParent) : CImageTwinDlg(22154, pParent, m_pPjt, kResets) {}

void CImageTabType1Dlg::DoDataExchange(CDataExchange* pDX) {
  CImageTwinDlg::DoDataExchange(pDX);
  DDX_Control(pDX, 21068, m_cbReset);
  DDX_Control(pDX, 21049, m_cbColorTemp);
  DDX_Control(pDX, kMyMemoryList, m_cbMyMemory);
  DDX_Control(pDX, 21039, m_slColorBalG);
  DDX_Control(pDX, 21047, m_slCustomGamma);
  DDX_Control(pDX, 21052, m_cbCustomUserB);
  DDX_Control(pDX, 21051, m_cbCustomUserG);
  DDX_Control(pDX, 21050, m_cbCustomUserR);
  DDX_Control(pDX, 21045, m_cbGamma);
}

// Model 3 has wider colour and tint ranges than the other type-1 models.
CImageTwinDlg::ModelRows CImageTabType1Dlg::RowsForModel() const {
  if (Host().m_nModelNo == 3) return {kSharpness, kColorNarrow, kColorNarrow, kTintWide};
  return {kSharpness, kColorWide, kColorWide, kTintNarrow};
}

BOOL CImageTabType1Dlg::OnInitDialog() {
  CSettingPage::OnInitDialog();
  FillList(kGamma);
  FillList(kColorTemp);
  SetupSlider(kCustomGamma);
  SetupSlider(kColorBalG);
  SetUpShared();
  FillList(kMyMemoryList, std::array{Msg(5, 280), Msg(5, 281), Msg(5, 282), Msg(5, 283), Msg(5, 284),
                                     Msg(5, 285), Msg(5, 286), Msg(5, 287)});
  return TRUE;
}

void CImageTabType1Dlg::InitDisp() {
  Enable({kGamma.list, kColorTemp.list, kCustomUserR.list, kCustomUserG.list, kCustomUserB.list});
  EnableGroup(kCustomGamma);
  EnableGroup(kColorBalG);
  ReadList(kGamma);
  ReadList(kColorTemp);
  ReadList(kCustomUserR);
  ReadList(kCustomUserG);
  ReadList(kCustomUserB);
  ReadSlider(kCustomGamma, m_nCustomGamma);
  ReadShared({{kColorBalG, m_nColorBalG}});
  m_cbMyMemory.SetCurSel(0);
}

void CImageTabType1Dlg::OnCbnSelchangeGamma() { ListChanged(kGamma); }
void CImageTabType1Dlg::OnCbnSelchangeColorTemp() { ListChanged(kColorTemp); }
void CImageTabType1Dlg::OnCbnSelchangeCustomUserR() { ListChanged(kCustomUserR); }
void CImageTabType1Dlg::OnCbnSelchangeCustomUserG() { ListChanged(kCustomUserG); }
void CImageTabType1Dlg::OnCbnSelchangeCustomUserB() { ListChanged(kCustomUserB); }
void CImageTabType1Dlg::OnBnClickedCustomGammaMinus() { StepDown(kCustomGamma, m_nCustomGamma); }
void CImageTabType1Dlg::OnBnClickedCustomGammaPlus() { StepUp(kCustomGamma, m_nCustomGamma); }
void CImageTabType1Dlg::OnBnClickedColorBalGMinus() { StepDown(kColorBalG, m_nColorBalG); }
void CImageTabType1Dlg::OnBnClickedColorBalGPlus() { StepUp(kColorBalG, m_nColorBalG); }

// My Memory loads (positions 0 to 3) or saves (4 to 7) a memory; a non-zero
// result means the projector did it, and the page shows the loaded values.
void CImageTabType1Dlg::OnBnClickedMyMemoryExecute() {
  const int position = m_cbMyMemory.GetCurSel();
  if (position >= 0 && Pjt() && Pjt()->SetMyMemory(position) != 0) InitDisp();
}

void CImageTabType1Dlg::OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) {
  ReleaseSlider(nSBCode, pScrollBar, {{kCustomGamma, m_nCustomGamma}, {kColorBalG, m_nColorBalG}});
  CImageTwinDlg::OnHScroll(nSBCode, nPos, pScrollBar);
}
