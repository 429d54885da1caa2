#include "pages/type4/ControlTabType4Dlg.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "frame/ExpertDlg.h"
#include "projector/CommandCodes.h"

using namespace expert::pages;

namespace {

enum : int {
  kAutoKeystoneLabel = 20026,
  kFocusLabel = 20027,
  kKeystoneVLabel = 20264,
  kKeystoneHLabel = 20265,
  kResetLabel = 20266,
  kAutoKeystone = 20267,
  kResetExecute = 20284,
  kQuickPicLabel = 20287,
  kModeLabel = 20382,
  kKeystoneVColon = 20395,
  kKeystoneHColon = 20396,
  kFocusColon = 20398,
  kAutoKeystoneColon = 20400,
  kQuickPicColon = 20401,
};

// Power shows "Off" while the projector cools down.
const ListRow kPower{.list = 20268, .io = {pjcode::kPowerStatus},
                     .map = {.position = [](const CExpertDlg&, const CComboBox&, int value) { return value == 2 ? 0 : value; }}};
const ListRow kInput{.list = 20269, .io = {pjcode::kInputSource}, .map = kSelectableInputs,
                     .onRefused = ErrorBox(Msg(2201, 25))};
// A mode the list does not hold leaves the list as it was.
const ListRow kMode{.list = 21033, .io = {pjcode::kPictureMode}, .map = kItemData,
                    .onRefused = ErrorBox(Msg(2201, 66)), .unknownKeepsSelection = true};
const ListRow kBlank{.list = 20270, .io = {.code = pjcode::kBlank, .set = Setter<&CPjtInterface::SetBlank>},
                     .items = {Msg(5, 30), Msg(5, 31)}};
const ListRow kMute{.list = 20271, .io = {.code = pjcode::kMute, .set = Setter<&CPjtInterface::SetMute>},
                    .items = {Msg(5, 30), Msg(5, 31)}};
const ListRow kFreeze{.list = 20272, .io = {.code = pjcode::kFreeze, .set = Setter<&CPjtInterface::SetFreeze>},
                      .items = {Msg(5, 336), Msg(5, 333)}};
const ListRow kQuickPic{.list = 20288, .io = {pjcode::kQuickPic},
                        .items = {Msg(5, 337), Msg(5, 210), Msg(5, 211), Msg(5, 212), Msg(5, 213)},
                        .onRefused = ErrorBox(Msg(2201, 80))};

const SliderGroup kMagnify{.minus = 20273, .slider = 20286, .plus = 20274, .box = 20275,
                           .io = {pjcode::kMagnify}, .lower = StopAt(0), .upper = StopAt(48),
                           .rangeText = 22, .defaultRange = {0, 48}, .tick = 4,
                           .onStepRefused = ErrorBox(Msg(2201, 67))};
// The keystone V slider reports a refusal with the input message, its buttons
// with their own.
const SliderGroup kKeystoneV{.minus = 20276, .slider = 20285, .plus = 20277, .box = 20278,
                             .io = {pjcode::kKeystoneV}, .offset = 128, .lower = StopAt(-64), .upper = StopAt(64),
                             .rangeText = 19, .defaultRange = {-64, 64}, .tick = 8,
                             .onStepRefused = ErrorBox(Msg(2201, 68)),
                             .onSlideRefused = ErrorBox(Msg(2201, 25))};
const SliderGroup kKeystoneH{.minus = 20279, .slider = 20280, .plus = 20281, .box = 20282,
                             .io = {pjcode::kKeystoneH}, .offset = 128, .lower = StopAt(-64), .upper = StopAt(64),
                             .rangeText = 20, .defaultRange = {-64, 64}, .tick = 8,
                             .onStepRefused = ErrorBox(Msg(2201, 69))};

const StepButtons kFocus{.minus = 21034, .plus = 21036, .io = {pjcode::kFocus}, .onRefused = ErrorBox(Msg(2201, 71))};

const ResetList kResets{20283, kResetExecute,
                        {{Msg(5, 334), &CPjtInterface::ExecKeyStoneVReset},
                         {Msg(5, 335), &CPjtInterface::ExecKeyStoneHReset}}};

// Picture modes: catalog text and mode value. "Custom" (16) comes last.
struct Mode {
  CatMsg text;
  int value;
};
constexpr Mode kModesOfEveryType[] = {{Msg(5, 200), 0}, {Msg(5, 201), 1}, {Msg(5, 202), 4}};
constexpr Mode kModesOfType5[] = {{Msg(5, 203), 32}, {Msg(5, 204), 33}, {Msg(5, 205), 34}};
constexpr Mode kModeOfModels39To45{Msg(5, 207), 64};
constexpr Mode kCustomMode{Msg(5, 206), 16};

}  // namespace

BEGIN_MESSAGE_MAP(CControlTabType4Dlg, CSettingPage)
  ON_CBN_SELCHANGE(20268, &CControlTabType4Dlg::OnCbnSelchangePower)
  ON_CBN_SELCHANGE(20269, &CControlTabType4Dlg::OnCbnSelchangeInputSource)
  ON_CBN_SELCHANGE(21033, &CControlTabType4Dlg::OnCbnSelchangeMode)
  ON_CBN_SELCHANGE(20270, &CControlTabType4Dlg::OnCbnSelchangeBlank)
  ON_CBN_SELCHANGE(20271, &CControlTabType4Dlg::OnCbnSelchangeMute)
  ON_CBN_SELCHANGE(20272, &CControlTabType4Dlg::OnCbnSelchangeFreeze)
  ON_BN_CLICKED(20273, &CControlTabType4Dlg::OnBnClickedMagnifyMinus)
  ON_BN_CLICKED(20274, &CControlTabType4Dlg::OnBnClickedMagnifyPlus)
  ON_BN_CLICKED(20276, &CControlTabType4Dlg::OnBnClickedKeystoneVMinus)
  ON_BN_CLICKED(20277, &CControlTabType4Dlg::OnBnClickedKeystoneVPlus)
  ON_BN_CLICKED(20279, &CControlTabType4Dlg::OnBnClickedKeystoneHMinus)
  ON_BN_CLICKED(20281, &CControlTabType4Dlg::OnBnClickedKeystoneHPlus)
  ON_BN_CLICKED(kAutoKeystone, &CControlTabType4Dlg::OnBnClickedAutoKeystone)
  ON_BN_CLICKED(kResetExecute, &CControlTabType4Dlg::OnBnClickedResetExecute)
  ON_CBN_SELCHANGE(20288, &CControlTabType4Dlg::OnCbnSelchangeQuickPic)
  ON_BN_CLICKED(21034, &CControlTabType4Dlg::OnBnClickedFocusMinus)
  ON_BN_CLICKED(21036, &CControlTabType4Dlg::OnBnClickedFocusPlus)
END_MESSAGE_MAP()

CControlTabType4Dlg::CControlTabType4Dlg(CWnd* pParent) : CSettingPage(20041, pParent, m_pPjt) {}

void CControlTabType4Dlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, 20288, m_cbQuickPic);
  DDX_Control(pDX, 20270, m_cbBlank);
  DDX_Control(pDX, 20272, m_cbFreeze);
  DDX_Control(pDX, 20271, m_cbMute);
  DDX_Control(pDX, 20286, m_slMagnify);
  DDX_Control(pDX, 20283, m_cbReset);
  DDX_Control(pDX, 20280, m_slKeystoneH);
  DDX_Control(pDX, 20285, m_slKeystoneV);
  DDX_Control(pDX, 21033, m_cbMode);
  DDX_Control(pDX, 20268, m_cbPower);
  DDX_Control(pDX, 20269, m_cbInput);
  DDX_Control(pDX, kModeLabel, m_stMode);
}

// Only models 9 and 22 have keystone on this page.
bool CControlTabType4Dlg::HasKeystone() const { return Host().m_nModelNo == 9 || Host().m_nModelNo == 22; }

int CControlTabType4Dlg::FindModeIndex(int value) const {
  for (int i = 0; i < m_cbMode.GetCount(); ++i)
    if (m_cbMode.GetItemData(i) == static_cast<DWORD_PTR>(value)) return i;
  return -1;
}

BOOL CControlTabType4Dlg::OnInitDialog() {
  CSettingPage::OnInitDialog();
  const CExpertDlg& host = Host();
  if (!HasKeystone()) {
    HideGroup(kKeystoneV);
    HideGroup(kKeystoneH);
    Show({kKeystoneVLabel, kKeystoneHLabel, kAutoKeystoneLabel, kResetLabel, kResetExecute, kAutoKeystone,
          kResets.list, kAutoKeystoneColon, kKeystoneHColon, kKeystoneVColon},
         false);
  }
  // Only model 44 has a focus motor.
  if (host.m_nModelNo != 44) Show({kFocusLabel, kFocusColon, kFocus.minus, kFocus.plus}, false);

  m_cbInput.ResetContent();
  AddInputNames(kInput.list);

  SetupSlider(kKeystoneV);
  SetupSlider(kKeystoneH);
  SetupSlider(kMagnify);

  m_cbMode.ResetContent();
  const auto addMode = [this](const Mode& mode) {
    m_cbMode.SetItemData(m_cbMode.AddString(CatalogText(mode.text)), static_cast<DWORD_PTR>(mode.value));
  };
  for (const Mode& mode : kModesOfEveryType) addMode(mode);
  if (host.m_nModelType == 5) {
    for (const Mode& mode : kModesOfType5) addMode(mode);
    if (host.m_nModelNo >= 39 && host.m_nModelNo <= 45) addMode(kModeOfModels39To45);
    m_stMode.SetWindowText(CatalogText(Msg(4, 171)));
  }
  addMode(kCustomMode);

  FillList(kPower.list, std::array{Msg(5, 30), Msg(5, 31)});
  FillList(kBlank);
  FillList(kMute);
  FillList(kFreeze);
  FillList(kQuickPic);
  FillResets(kResets);
  return TRUE;
}

void CControlTabType4Dlg::InitDisp() {
  Enable({kPower.list, kInput.list, kMode.list, kBlank.list, kMute.list, kFreeze.list});
  EnableGroup(kKeystoneV);
  EnableGroup(kKeystoneH);
  EnableGroup(kMagnify);
  SelectFirstReset(kResets);

  ReadList(kPower);
  ReadList(kInput);
  ReadList(kMode);
  ReadList(kBlank);
  ReadList(kMute);
  ReadList(kFreeze);
  ReadSlider(kMagnify, m_nMagnify);
  // Models without QuickPic lose the row; the others enable it on a good read.
  if (Host().m_bOption2 == 0) {
    Show({kQuickPicLabel, kQuickPicColon, kQuickPic.list}, false);
  } else if (ReadList(kQuickPic)) {
    Enable({kQuickPic.list});
  }
  if (HasKeystone()) {
    ReadSlider(kKeystoneV, m_nKeystoneV);
    ReadSlider(kKeystoneH, m_nKeystoneH);
  }
}

void CControlTabType4Dlg::OnCbnSelchangePower() { PowerChanged(kPower, Msg(2201, 26), Msg(2201, 27)); }
void CControlTabType4Dlg::OnCbnSelchangeInputSource() { ListChanged(kInput); }

// "Custom" can be shown but not chosen: choosing it sends nothing and puts
// the list back on the projector's mode.
void CControlTabType4Dlg::OnCbnSelchangeMode() {
  const int position = m_cbMode.GetCurSel();
  if (position < 0) return;
  if (m_cbMode.GetItemData(position) != static_cast<DWORD_PTR>(kCustomMode.value)) {
    ListChanged(kMode);
    return;
  }
  std::uint16_t mode = 0;
  if (!ReadRaw(Pjt(), kMode.io, mode)) return;
  if (const int current = FindModeIndex(mode); current != -1) m_cbMode.SetCurSel(current);
}

void CControlTabType4Dlg::OnCbnSelchangeBlank() { ListChanged(kBlank); }
void CControlTabType4Dlg::OnCbnSelchangeMute() { ListChanged(kMute); }
void CControlTabType4Dlg::OnCbnSelchangeFreeze() { ListChanged(kFreeze); }
void CControlTabType4Dlg::OnBnClickedMagnifyMinus() { StepDown(kMagnify, m_nMagnify); }
void CControlTabType4Dlg::OnBnClickedMagnifyPlus() { StepUp(kMagnify, m_nMagnify); }
void CControlTabType4Dlg::OnBnClickedKeystoneVMinus() { StepDown(kKeystoneV, m_nKeystoneV); }
void CControlTabType4Dlg::OnBnClickedKeystoneVPlus() { StepUp(kKeystoneV, m_nKeystoneV); }
void CControlTabType4Dlg::OnBnClickedKeystoneHMinus() { StepDown(kKeystoneH, m_nKeystoneH); }
void CControlTabType4Dlg::OnBnClickedKeystoneHPlus() { StepUp(kKeystoneH, m_nKeystoneH); }

// Nothing is read back: the projector corrects keystone by itself.
void CControlTabType4Dlg::OnBnClickedAutoKeystone() {
  if (Pjt()) Pjt()->ExecAutoKeyStone();
}

void CControlTabType4Dlg::OnBnClickedResetExecute() { ExecuteReset(kResets); }
void CControlTabType4Dlg::OnCbnSelchangeQuickPic() { ListChanged(kQuickPic); }
void CControlTabType4Dlg::OnBnClickedFocusMinus() { Nudge(kFocus, false); }
void CControlTabType4Dlg::OnBnClickedFocusPlus() { Nudge(kFocus, true); }

void CControlTabType4Dlg::OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) {
  ReleaseSlider(nSBCode, pScrollBar,
                {{kKeystoneV, m_nKeystoneV}, {kKeystoneH, m_nKeystoneH}, {kMagnify, m_nMagnify}});
  CSettingPage::OnHScroll(nSBCode, nPos, pScrollBar);
}
