#include "pages/common/ControlTabDlg.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "frame/ExpertDlg.h"
#include "projector/CommandCodes.h"

using namespace expert::pages;

namespace {

enum : int {
  kKeystoneVLabel = 20023,
  kKeystoneHLabel = 20024,
  kResetLabel = 20025,
  kZoomLabel = 20026,
  kFocusLabel = 20027,
  kDisplayPositionLabel = 20132,
  kKeystoneVColon = 20395,
  kKeystoneHColon = 20396,
  kZoomColon = 20397,
  kFocusColon = 20398,
  kDisplayPositionColon = 20399,
  kResetExecute = 21032,
};

// Power shows "On" for 1 and "Off" for anything else, cooling down included.
const ListRow kPower{.list = 21029, .io = {pjcode::kPowerStatus},
                     .map = {.position = [](const CExpertDlg&, const CComboBox&, int value) { return value == 1 ? 1 : 0; }}};
const ListRow kInput{.list = 21030, .io = {pjcode::kInputSource}, .map = kSelectableInputs,
                     .onRefused = ErrorBox(Msg(2201, 25))};
const ListRow kBlank{.list = 21085, .io = {.code = pjcode::kBlank, .set = Setter<&CPjtInterface::SetBlank>},
                     .items = {Msg(5, 30), Msg(5, 31)}};
const ListRow kMute{.list = 21053, .io = {.code = pjcode::kMute, .set = Setter<&CPjtInterface::SetMute>},
                    .items = {Msg(5, 30), Msg(5, 31)}};
const ListRow kFreeze{.list = 21107, .io = {.code = pjcode::kFreeze, .set = Setter<&CPjtInterface::SetFreeze>},
                      .items = {Msg(5, 336), Msg(5, 333)}};
const ListRow kDisplayPosition{
    .list = 21108,
    .io = {.code = pjcode::kPicturePosition, .set = Setter<&CPjtInterface::SetPicturePosition>},
    .items = {Msg(5, 130), Msg(5, 131), Msg(5, 132)}};

const SliderGroup kMagnify{.minus = 21104, .slider = 21105, .plus = 21106, .box = 21115,
                           .io = {pjcode::kMagnify}, .lower = StopAt(0), .upper = StopAt(48),
                           .rangeText = 22, .defaultRange = {0, 48}, .tick = 4,
                           .onStepRefused = ErrorBox(Msg(2201, 67))};
// The keystone buttons stop at ±64 on every model, also where the slider is
// narrower by default (model 8).
const SliderGroup kKeystoneV{.minus = 21025, .slider = 21023, .plus = 21026, .box = 21114,
                             .io = {pjcode::kKeystoneV}, .offset = 128, .lower = StopAt(-64), .upper = StopAt(64),
                             .rangeText = 19, .defaultRange = {-64, 64}, .tick = 8,
                             .onStepRefused = ErrorBox(Msg(2201, 68)),
                             .onSlideRefused = ErrorBox(Msg(2201, 25))};
const SliderGroup kKeystoneH{.minus = 21027, .slider = 21024, .plus = 21028, .box = 21110,
                             .io = {pjcode::kKeystoneH}, .offset = 128, .lower = StopAt(-64), .upper = StopAt(64),
                             .rangeText = 20, .defaultRange = {-64, 64}, .tick = 8,
                             .onStepRefused = ErrorBox(Msg(2201, 69))};

const StepButtons kZoom{.minus = 21033, .plus = 21035, .io = {pjcode::kZoom}, .onRefused = ErrorBox(Msg(2201, 70))};
const StepButtons kFocus{.minus = 21034, .plus = 21036, .io = {pjcode::kFocus}, .onRefused = ErrorBox(Msg(2201, 71))};

const ResetList kResets{21031, kResetExecute,
                        {{Msg(5, 334), &CPjtInterface::ExecKeyStoneVReset},
                         {Msg(5, 335), &CPjtInterface::ExecKeyStoneHReset}}};

}  // namespace

BEGIN_MESSAGE_MAP(CControlTabDlg, CSettingPage)
  ON_CBN_SELCHANGE(21029, &CControlTabDlg::OnCbnSelchangePower)
  ON_CBN_SELCHANGE(21030, &CControlTabDlg::OnCbnSelchangeInputSource)
  ON_CBN_SELCHANGE(21085, &CControlTabDlg::OnCbnSelchangeBlank)
  ON_CBN_SELCHANGE(21053, &CControlTabDlg::OnCbnSelchangeMute)
  ON_CBN_SELCHANGE(21107, &CControlTabDlg::OnCbnSelchangeFreeze)
  ON_CBN_SELCHANGE(21108, &CControlTabDlg::OnCbnSelchangeDisplayPosition)
  ON_BN_CLICKED(21104, &CControlTabDlg::OnBnClickedMagnifyMinus)
  ON_BN_CLICKED(21106, &CControlTabDlg::OnBnClickedMagnifyPlus)
  ON_BN_CLICKED(21025, &CControlTabDlg::OnBnClickedKeystoneVMinus)
  ON_BN_CLICKED(21026, &CControlTabDlg::OnBnClickedKeystoneVPlus)
  ON_BN_CLICKED(21027, &CControlTabDlg::OnBnClickedKeystoneHMinus)
  ON_BN_CLICKED(21028, &CControlTabDlg::OnBnClickedKeystoneHPlus)
  ON_BN_CLICKED(21033, &CControlTabDlg::OnBnClickedZoomMinus)
  ON_BN_CLICKED(21035, &CControlTabDlg::OnBnClickedZoomPlus)
  ON_BN_CLICKED(21034, &CControlTabDlg::OnBnClickedFocusMinus)
  ON_BN_CLICKED(21036, &CControlTabDlg::OnBnClickedFocusPlus)
  ON_BN_CLICKED(kResetExecute, &CControlTabDlg::OnBnClickedResetExecute)
END_MESSAGE_MAP()

CControlTabDlg::CControlTabDlg(CWnd* pParent) : CSettingPage(22152, pParent, m_pPjt) {}

void CControlTabDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, 21108, m_cbDisplayPos);
  DDX_Control(pDX, 21085, m_cbBlank);
  DDX_Control(pDX, 21107, m_cbFreeze);
  DDX_Control(pDX, 21053, m_cbMute);
  DDX_Control(pDX, 21105, m_slMagnify);
  DDX_Control(pDX, 21031, m_cbReset);
  DDX_Control(pDX, 21029, m_cbPower);
  DDX_Control(pDX, 21023, m_slKeystoneV);
  DDX_Control(pDX, 21024, m_slKeystoneH);
  DDX_Control(pDX, 21030, m_cbInput);
}

// Models 16 and 17 have no keystone on this page (their picture page has it).
bool CControlTabDlg::HasKeystone() const { return Host().m_nModelNo != 16 && Host().m_nModelNo != 17; }

BOOL CControlTabDlg::OnInitDialog() {
  CSettingPage::OnInitDialog();
  const CExpertDlg& host = Host();
  if (!HasKeystone()) {
    HideGroup(kKeystoneV);
    HideGroup(kKeystoneH);
    Show({kKeystoneVLabel, kKeystoneHLabel, kKeystoneVColon, kKeystoneHColon}, false);
    Show({kResetLabel, kResetExecute, kResets.list}, false);
  }
  const bool zoomAndFocus = host.m_nModelType == 3 && host.m_nModelNo != 8 && host.m_nModelNo != 10 &&
                            host.m_nModelNo != 47 && host.m_nModelNo != 48;
  if (!zoomAndFocus)
    Show({kZoomLabel, kFocusLabel, kZoom.minus, kFocus.minus, kZoom.plus, kFocus.plus, kZoomColon, kFocusColon},
         false);
  if (host.m_nModelType != 3) Show({kDisplayPositionLabel, kDisplayPosition.list, kDisplayPositionColon}, false);

  m_cbInput.ResetContent();
  AddInputNames(kInput.list);

  // Model 8's keystone sliders are narrower by default.
  const Range keystoneDefault = host.m_nModelNo == 8 ? Range{-48, 48} : Range{-64, 64};
  SetupSlider(kKeystoneV, keystoneDefault);
  SetupSlider(kKeystoneH, keystoneDefault);
  SetupSlider(kMagnify);

  FillList(kPower.list, std::array{Msg(5, 30), Msg(5, 31)});
  FillList(kBlank);
  FillList(kMute);
  FillList(kFreeze);
  FillList(kDisplayPosition);
  FillResets(kResets);
  return TRUE;
}

void CControlTabDlg::InitDisp() {
  Enable({kPower.list, kInput.list, kBlank.list, kMute.list, kFreeze.list, kDisplayPosition.list});
  EnableGroup(kMagnify);
  EnableGroup(kKeystoneV);
  EnableGroup(kKeystoneH);
  Enable({kZoom.minus, kZoom.plus, kFocus.minus, kFocus.plus});
  SelectFirstReset(kResets);

  ReadList(kPower);
  ReadList(kInput);
  ReadList(kBlank);
  ReadList(kMute);
  ReadList(kFreeze);
  ReadSlider(kMagnify, m_nMagnify);
  if (HasKeystone()) {
    ReadSlider(kKeystoneV, m_nKeystoneV);
    ReadSlider(kKeystoneH, m_nKeystoneH);
  }
  if (Host().m_nModelType == 3) ReadList(kDisplayPosition);
}

void CControlTabDlg::OnCbnSelchangePower() { PowerChanged(kPower, Msg(2201, 26), Msg(2201, 27)); }
void CControlTabDlg::OnCbnSelchangeInputSource() { ListChanged(kInput); }
void CControlTabDlg::OnCbnSelchangeBlank() { ListChanged(kBlank); }
void CControlTabDlg::OnCbnSelchangeMute() { ListChanged(kMute); }
void CControlTabDlg::OnCbnSelchangeFreeze() { ListChanged(kFreeze); }
void CControlTabDlg::OnCbnSelchangeDisplayPosition() { ListChanged(kDisplayPosition); }
void CControlTabDlg::OnBnClickedMagnifyMinus() { StepDown(kMagnify, m_nMagnify); }
void CControlTabDlg::OnBnClickedMagnifyPlus() { StepUp(kMagnify, m_nMagnify); }
void CControlTabDlg::OnBnClickedKeystoneVMinus() { StepDown(kKeystoneV, m_nKeystoneV); }
void CControlTabDlg::OnBnClickedKeystoneVPlus() { StepUp(kKeystoneV, m_nKeystoneV); }
void CControlTabDlg::OnBnClickedKeystoneHMinus() { StepDown(kKeystoneH, m_nKeystoneH); }
void CControlTabDlg::OnBnClickedKeystoneHPlus() { StepUp(kKeystoneH, m_nKeystoneH); }
void CControlTabDlg::OnBnClickedZoomMinus() { Nudge(kZoom, false); }
void CControlTabDlg::OnBnClickedZoomPlus() { Nudge(kZoom, true); }
void CControlTabDlg::OnBnClickedFocusMinus() { Nudge(kFocus, false); }
void CControlTabDlg::OnBnClickedFocusPlus() { Nudge(kFocus, true); }
void CControlTabDlg::OnBnClickedResetExecute() { ExecuteReset(kResets); }

void CControlTabDlg::OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) {
  ReleaseSlider(nSBCode, pScrollBar,
                {{kKeystoneV, m_nKeystoneV}, {kKeystoneH, m_nKeystoneH}, {kMagnify, m_nMagnify}});
  CSettingPage::OnHScroll(nSBCode, nPos, pScrollBar);
}
