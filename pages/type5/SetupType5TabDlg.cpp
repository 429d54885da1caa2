#include "pages/type5/SetupType5TabDlg.h"

#include <algorithm>
#include <array>

#include "frame/ExpertDlg.h"
#include "pages/common/ControlView.h"
#include "pages/common/WhisperList.h"
#include "projector/CommandCodes.h"

using namespace expert::pages;

namespace {

enum : int {
  kAutoKeystone = 20305,
  kVolumeLabel = 20338,
  kVolumeColon = 20408,
  kSpeakerLabel = 20345,
  kSpeakerColon = 20409,
  kDZoomLabel = 20348,
  kDZoomColon = 20410,
  kDShiftLabel = 20349,
  kDShiftColon = 20411,
  kDShiftVLabel = 20618,
  kDShiftHLabel = 20619,
  kAudioHdmiLabel = 20346,
  kAudioHdmiColon = 20422,
  kHdmiAudioLabel = 20347,
  kHdmiAudioColon = 20423,
  kCurrentInput = 20337,
  kResetExecute = 20328,
};

const SliderGroup kKeystoneV{.minus = 20308, .slider = 20310, .plus = 20309, .box = 20314,
                             .io = {.get = Getter<&CPjtInterface::GetKeystoneV>,
                                    .set = Setter<&CPjtInterface::SetKeystoneV>,
                                    .step = Stepper<&CPjtInterface::IncrementKeystoneV,
                                                    &CPjtInterface::DecrementKeystoneV>},
                             .offset = 128, .rangeText = 19, .defaultRange = {-128, 127}, .readBeforeStep = true};
const SliderGroup kKeystoneH{.minus = 20312, .slider = 20311, .plus = 20313, .box = 20141,
                             .io = {.get = Getter<&CPjtInterface::GetKeystoneH>,
                                    .set = Setter<&CPjtInterface::SetKeystoneH>,
                                    .step = Stepper<&CPjtInterface::IncrementKeystoneH,
                                                    &CPjtInterface::DecrementKeystoneH>},
                             .offset = 128, .rangeText = 20, .defaultRange = {-128, 127}, .readBeforeStep = true};
const SourceGroup kVolume{.controls = {.minus = 20318, .slider = 20317, .plus = 20319, .box = 20142,
                                       .rangeText = 21, .defaultRange = {0, 32}},
                          .io = SourceChannelOf<&CPjtInterface::GetInputSrcVolume, &CPjtInterface::SetVolumeEachSrc,
                                                &CPjtInterface::IncrementInputSrcVol,
                                                &CPjtInterface::DecrementInputSrcVol>(),
                          .sourceBox = kCurrentInput};
// The slider is silent; its buttons report.
const SliderGroup kDZoom{.minus = 20331, .slider = 20332, .plus = 20333, .box = 20143, .io = {pjcode::kDigitalZoom},
                         .lower = StopAt(80), .upper = StopAt(100), .defaultRange = {80, 100}, .tick = 2,
                         .onStepRefused = ErrorBox(Msg(2201, 314)), .onSlideRefused = kSilent};
const ArrowPair kDShiftV{.raise = 20335, .lower = 20336, .raiseArrow = Arrow::Up, .lowerArrow = Arrow::Down,
                         .box = 20144, .io = {pjcode::kDigitalShiftVertical},
                         .onRefused = ErrorBox(Msg(2201, 315)), .offset = 128};
const ArrowPair kDShiftH{.raise = 20350, .lower = 20334, .raiseArrow = Arrow::Right, .lowerArrow = Arrow::Left,
                         .box = 20145, .io = {pjcode::kDigitalShiftHorizontal},
                         .onRefused = ErrorBox(Msg(2201, 315)), .offset = 128};

template <auto Get, auto Set>
constexpr Channel Named() {
  return {.get = Getter<Get>, .set = Setter<Set>};
}

// Every list re-reads the projector's value after a refused choice.
const ListRow kWhisper{.list = 20315, .io = Named<&CPjtInterface::GetWhisper, &CPjtInterface::SetWhisper>(),
                       .rereadWhenRefused = true};
const ListRow kMirror{.list = 20316, .io = Named<&CPjtInterface::GetMirror, &CPjtInterface::SetMirror>(),
                      .items = {Msg(5, 21), Msg(5, 22), Msg(5, 23), Msg(5, 24)}, .rereadWhenRefused = true};
const ListRow kSpeaker{.list = 20321, .io = Named<&CPjtInterface::GetSpeaker, &CPjtInterface::SetSpeaker>(),
                       .items = {Msg(5, 327), Msg(5, 329)}, .rereadWhenRefused = true, .passItemText = true};
const ListRow kAudioRgb1{.list = 20320, .io = Named<&CPjtInterface::GetAudioRGB1, &CPjtInterface::SetAudioRGB1>(),
                         .rereadWhenRefused = true};
const ListRow kAudioRgb2{.list = 20322, .io = Named<&CPjtInterface::GetAudioRGB2, &CPjtInterface::SetAudioRGB2>(),
                         .rereadWhenRefused = true};
const ListRow kAudioVideo{.list = 20323, .io = Named<&CPjtInterface::GetAudioVideo, &CPjtInterface::SetAudioVideo>(),
                          .rereadWhenRefused = true};
const ListRow kAudioSVideo{.list = 20324,
                           .io = Named<&CPjtInterface::GetAudioSVideo, &CPjtInterface::SetAudioSVideo>(),
                           .rereadWhenRefused = true};
const ListRow kAudioComponent{.list = 20325,
                              .io = Named<&CPjtInterface::GetAudioComponent, &CPjtInterface::SetAudioComponent>(),
                              .rereadWhenRefused = true};
// The MIU audio is the projector's 16, the last item (model 38: the third).
int MiuPosition(const CExpertDlg& host) { return host.m_nModelNo == 38 ? 2 : 4; }
const ListRow kAudioMiu{
    .list = 20326, .io = Named<&CPjtInterface::GetAudioMIU, &CPjtInterface::SetAudioMIU>(),
    .map = {[](const CExpertDlg& host, const CComboBox&, int value) { return value == 16 ? MiuPosition(host) : value; },
            [](const CExpertDlg& host, const CComboBox&, int position) -> std::optional<int> {
              return position == MiuPosition(host) ? 16 : position;
            }},
    .rereadWhenRefused = true};
// Only model 42 shows the HDMI rows, so the setter's model flag is always set.
const ListRow kAudioHdmi{
    .list = 20329,
    .io = {.get = Getter<&CPjtInterface::GetAudioM1D>,
           .set = [](CPjtInterface& pjt, int value) { return pjt.SetAudioM1D(value, true); }},
    .map = {[](const CExpertDlg&, const CComboBox&, int value) { return value == 32 ? 4 : value; },
            [](const CExpertDlg&, const CComboBox&, int position) -> std::optional<int> {
              return position == 4 ? 32 : position;
            }},
    .items = {Msg(5, 30), Msg(5, 40), Msg(5, 41), Msg(5, 42), Msg(5, 45)},
    .rereadWhenRefused = true, .passItemText = true};
// Another HDMI audio value leaves the list as it was.
const ListRow kHdmiAudio{
    .list = 20330, .io = Named<&CPjtInterface::GetHDMIAudio, &CPjtInterface::SetHDMIAudio>(), .map = kHdmiAudioMap,
    .rereadWhenRefused = true, .unknownKeepsSelection = true};

const ResetItem kResetKeystoneV{Msg(5, 334), &CPjtInterface::ExecKeyStoneVReset};
const ResetItem kResetKeystoneH{Msg(5, 335), &CPjtInterface::ExecKeyStoneHReset};
const ResetList kResetsKeystoneV{20327, kResetExecute, {kResetKeystoneV}};
const ResetList kResetsKeystone{20327, kResetExecute, {kResetKeystoneV, kResetKeystoneH}};
const ResetList kResetsDigital{20327, kResetExecute,
                               {kResetKeystoneV,
                                {Msg(5, 414), &CPjtInterface::ExecDZoomReset},
                                {Msg(5, 415), &CPjtInterface::ExecDShiftVReset},
                                {Msg(5, 416), &CPjtInterface::ExecDShiftHReset}}};

bool Among(int model, std::initializer_list<int> models) {
  return std::find(models.begin(), models.end(), model) != models.end();
}
// These models carry volume, speaker and audio sources on their audio page.
bool HasAudioPage(int model) { return Among(model, {30, 31, 41, 43, 46}); }

// A tick every eighth of the range's maximum, and at least one position apart.
void TickByMaximum(CWnd& page, int sliderId) {
  ControlView<CSliderCtrl> slider(ChildWindow(page, sliderId));
  slider.SetTicFreq(std::max(1, slider.GetRangeMax() / 8));
}

}  // namespace

BEGIN_MESSAGE_MAP(CSetupType5TabDlg, CSettingPage)
  ON_BN_CLICKED(kAutoKeystone, &CSetupType5TabDlg::OnBnClickedStu5Btnatks)
  ON_BN_CLICKED(20308, &CSetupType5TabDlg::OnBnClickedStu5Btksvneg)
  ON_BN_CLICKED(20309, &CSetupType5TabDlg::OnBnClickedStu5Btksvpos)
  ON_BN_CLICKED(20312, &CSetupType5TabDlg::OnBnClickedStu5Btkshneg)
  ON_BN_CLICKED(20313, &CSetupType5TabDlg::OnBnClickedStu5Btkshpos)
  ON_CBN_SELCHANGE(20315, &CSetupType5TabDlg::OnCbnSelchangeStu5Wspcomb)
  ON_CBN_SELCHANGE(20316, &CSetupType5TabDlg::OnCbnSelchangeStu5Mircomb)
  ON_BN_CLICKED(20318, &CSetupType5TabDlg::OnBnClickedStu5Btvolneg)
  ON_BN_CLICKED(20319, &CSetupType5TabDlg::OnBnClickedStu5Btvolpos)
  ON_CBN_SELCHANGE(20320, &CSetupType5TabDlg::OnCbnSelchangeStu5Argb1comb)
  ON_CBN_SELCHANGE(20322, &CSetupType5TabDlg::OnCbnSelchangeStu5Argb2comb)
  ON_CBN_SELCHANGE(20323, &CSetupType5TabDlg::OnCbnSelchangeStu5Avidcomb)
  ON_CBN_SELCHANGE(20324, &CSetupType5TabDlg::OnCbnSelchangeStu5Asvidcomb)
  ON_CBN_SELCHANGE(20325, &CSetupType5TabDlg::OnCbnSelchangeStu5Acompcomb)
  ON_CBN_SELCHANGE(20326, &CSetupType5TabDlg::OnCbnSelchangeStu5Amiucomb)
  ON_BN_CLICKED(kResetExecute, &CSetupType5TabDlg::OnBnClickedStu5Btreset)
  ON_CBN_SELCHANGE(20321, &CSetupType5TabDlg::OnCbnSelchangeStu5Speakercomb)
  ON_BN_CLICKED(20331, &CSetupType5TabDlg::OnBnClickedDzoomDecBtn)
  ON_BN_CLICKED(20333, &CSetupType5TabDlg::OnBnClickedDzoomIncBtn)
  ON_BN_CLICKED(20334, &CSetupType5TabDlg::OnBnClickedDshiftLeftBtn)
  ON_BN_CLICKED(20350, &CSetupType5TabDlg::OnBnClickedDshiftRightBtn)
  ON_BN_CLICKED(20335, &CSetupType5TabDlg::OnBnClickedDshiftUpBtn)
  ON_BN_CLICKED(20336, &CSetupType5TabDlg::OnBnClickedDshiftDownBtn)
  ON_CBN_SELCHANGE(20330, &CSetupType5TabDlg::OnCbnSelchangeStu5HdmiaudioComb)
  ON_CBN_SELCHANGE(20329, &CSetupType5TabDlg::OnCbnSelchangeStu5Ahdmicomb)
END_MESSAGE_MAP()

CSetupType5TabDlg::CSetupType5TabDlg(CWnd* pParent) : CSettingPage(20048, pParent, m_pPjt) {}

void CSetupType5TabDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, 20310, m_slKeystoneV);
  DDX_Control(pDX, 20314, m_edKeystoneV);
  DDX_Control(pDX, 20308, m_btKeystoneVMinus);
  DDX_Control(pDX, 20309, m_btKeystoneVPlus);
  DDX_Control(pDX, 20311, m_slKeystoneH);
  DDX_Control(pDX, 20141, m_edKeystoneH);
  DDX_Control(pDX, 20312, m_btKeystoneHMinus);
  DDX_Control(pDX, 20313, m_btKeystoneHPlus);
  DDX_Control(pDX, 20315, m_cbWhisper);
  DDX_Control(pDX, 20316, m_cbMirror);
  DDX_Control(pDX, 20317, m_slVolume);
  DDX_Control(pDX, 20142, m_edVolume);
  DDX_Control(pDX, 20338, m_stVolume);
  DDX_Control(pDX, 20318, m_btVolumeMinus);
  DDX_Control(pDX, 20319, m_btVolumePlus);
  DDX_Control(pDX, 20339, m_stAudioRgb1);
  DDX_Control(pDX, 20320, m_cbAudioRgb1);
  DDX_Control(pDX, 20340, m_stAudioRgb2);
  DDX_Control(pDX, 20322, m_cbAudioRgb2);
  DDX_Control(pDX, 20341, m_stAudioVideo);
  DDX_Control(pDX, 20323, m_cbAudioVideo);
  DDX_Control(pDX, 20342, m_stAudioSVideo);
  DDX_Control(pDX, 20324, m_cbAudioSVideo);
  DDX_Control(pDX, 20343, m_stAudioComponent);
  DDX_Control(pDX, 20325, m_cbAudioComponent);
  DDX_Control(pDX, 20344, m_stAudioMiu);
  DDX_Control(pDX, 20326, m_cbAudioMiu);
  for (int i = 0; i < 6; ++i) DDX_Control(pDX, 20416 + i, m_stAudioColon[i]);
  DDX_Control(pDX, 20327, m_cbReset);
  DDX_Control(pDX, kCurrentInput, m_edCurrentInput);
}

int CSetupType5TabDlg::Model() const { return Host().m_nModelNo; }

BOOL CSetupType5TabDlg::OnInitDialog() {
  CSettingPage::OnInitDialog();
  const int model = Model();
  FillWhisperList(m_cbWhisper, Host());
  FillList(kMirror);
  for (const ListRow* row : {&kAudioRgb1, &kAudioRgb2, &kAudioVideo, &kAudioSVideo, &kAudioComponent, &kAudioMiu})
    ReplaceFirstItem(row->list, Msg(5, 30));
  if (model == 37)  // no third audio input on these four
    for (CComboBox* list : {&m_cbAudioRgb1, &m_cbAudioRgb2, &m_cbAudioSVideo, &m_cbAudioVideo}) list->DeleteString(3);
  if (model == 38) FillList(kAudioMiu.list, std::array{Msg(5, 30), Msg(5, 1000), Msg(5, 44)});

  SetupSlider(kKeystoneV);
  TickByMaximum(*this, kKeystoneV.slider);
  SetupSlider(kKeystoneH);
  TickByMaximum(*this, kKeystoneH.slider);
  SetupSlider(kVolume.controls);
  TickByMaximum(*this, kVolume.controls.slider);
  SetText(kVolume.controls.box, "16");

  FillList(kSpeaker);
  const bool hdmi = model == 42;
  Show({kAudioHdmiLabel, kAudioHdmiColon, kAudioHdmi.list, kHdmiAudioLabel, kHdmiAudioColon, kHdmiAudio.list}, hdmi);
  if (hdmi) FillList(kAudioHdmi);
  if (model != 44) {
    HideGroup(kDZoom);
    Show({kDZoomLabel, kDZoomColon, kDShiftLabel, kDShiftColon, kDShiftV.raise, kDShiftV.lower, kDShiftH.raise,
          kDShiftH.lower, kDShiftVLabel, kDShiftV.box, kDShiftHLabel, kDShiftH.box},
         false);
    return TRUE;
  }
  SetupSlider(kDZoom);
  SetArrowImages(kDShiftV, m_bmpArrows);
  SetArrowImages(kDShiftH, m_bmpArrows);
  Enable({kAutoKeystone}, false);  // model 44 corrects keystone on its own
  return TRUE;
}

bool CSetupType5TabDlg::HideVolAndAudio() {
  const int model = Model();
  if (HasAudioPage(model)) {
    HideGroup(kVolume.controls);
    Show({kVolumeLabel, kVolumeColon, kSpeakerLabel, kSpeakerColon, kSpeaker.list}, false);
    for (CWnd* control : std::initializer_list<CWnd*>{
             &m_stAudioRgb1, &m_cbAudioRgb1, &m_stAudioRgb2, &m_cbAudioRgb2, &m_stAudioVideo, &m_cbAudioVideo,
             &m_stAudioSVideo, &m_cbAudioSVideo, &m_stAudioComponent, &m_cbAudioComponent, &m_stAudioMiu,
             &m_cbAudioMiu, &m_stAudioColon[0], &m_stAudioColon[1], &m_stAudioColon[2], &m_stAudioColon[3],
             &m_stAudioColon[4], &m_stAudioColon[5]})
      control->ShowWindow(SW_HIDE);
    return true;
  }
  if (Among(model, {37, 38, 39, 40, 42, 44, 45})) {
    m_stAudioRgb1.SetWindowText(CatalogText(Msg(4, 181)));
    m_stAudioRgb2.SetWindowText(CatalogText(Msg(4, 182)));
    Show({kVolumeColon}, false);
  }
  return false;
}

int CSetupType5TabDlg::DisableVolumeCtrl(bool disable) {
  EnableGroup(kVolume.controls, !disable);
  if (disable) SetText(kVolume.controls.box, "");
  return 0;
}

const ResetList& CSetupType5TabDlg::Resets() const {
  const int model = Model();
  if (model == 44) return kResetsDigital;
  return HasAudioPage(model) || model == 42 ? kResetsKeystone : kResetsKeystoneV;
}

void CSetupType5TabDlg::InitDisp() {
  const int model = Model();
  for (const SliderGroup* row : {&kKeystoneV, &kKeystoneH}) {
    EnableGroup(*row);
    Enable({row->box});
    if (!ReadSlider(*row, row == &kKeystoneV ? m_nKeystoneV : m_nKeystoneH)) Enable({row->box}, false);
  }
  Enable({kWhisper.list, kMirror.list});
  ReadList(kWhisper);
  ReadList(kMirror);
  if (!HideVolAndAudio()) {
    ReadSourceSlider(kVolume, CurrentSource(), m_nVolume);
    for (const ListRow* row : {&kSpeaker, &kAudioRgb1, &kAudioRgb2, &kAudioVideo, &kAudioSVideo, &kAudioComponent,
                               &kAudioMiu}) {
      Enable({row->list});
      ReadList(*row);
    }
    if (model == 42)
      for (const ListRow* row : {&kAudioHdmi, &kHdmiAudio}) {
        Enable({row->list});
        ReadList(*row);
      }
  }
  if (model == 44) {
    EnableGroup(kDZoom);
    ReadSlider(kDZoom, m_nDZoom);
    EnableArrows(kDShiftV);
    ReadArrows(kDShiftV, m_nDShiftV);
    EnableArrows(kDShiftH);
    ReadArrows(kDShiftH, m_nDShiftH);
  }
  FillResets(Resets());
  SelectFirstReset(Resets());
}

// A reset that is done shows the new value of its setting only; the cached
// value follows it, so bounds and snap-backs act on the projector's state.
// When the new value cannot be read the group is disabled until the next
// refresh, and the cache keeps the last value known rather than the preset 0.
void CSetupType5TabDlg::OnBnClickedStu5Btreset() {
  const ResetList& resets = Resets();
  const int position = SelectedPosition(resets.list);
  if (position < 0 || position >= static_cast<int>(resets.items.size()) || !Pjt()) return;
  const auto run = resets.items[static_cast<std::size_t>(position)].run;
  if ((Pjt()->*run)() != 0) return;
  const auto readBack = [this](auto read, const auto& row, std::int16_t& cached) {
    const std::int16_t known = cached;
    if (!(this->*read)(row, cached)) cached = known;
  };
  if (run == &CPjtInterface::ExecKeyStoneVReset) readBack(&CSetupType5TabDlg::ReadSlider, kKeystoneV, m_nKeystoneV);
  if (run == &CPjtInterface::ExecKeyStoneHReset) readBack(&CSetupType5TabDlg::ReadSlider, kKeystoneH, m_nKeystoneH);
  if (run == &CPjtInterface::ExecDZoomReset) readBack(&CSetupType5TabDlg::ReadSlider, kDZoom, m_nDZoom);
  if (run == &CPjtInterface::ExecDShiftVReset) readBack(&CSetupType5TabDlg::ReadArrows, kDShiftV, m_nDShiftV);
  if (run == &CPjtInterface::ExecDShiftHReset) readBack(&CSetupType5TabDlg::ReadArrows, kDShiftH, m_nDShiftH);
}

void CSetupType5TabDlg::OnBnClickedStu5Btnatks() {
  if (Pjt()) Pjt()->ExecAutoKeyStone();
}
void CSetupType5TabDlg::OnBnClickedStu5Btksvneg() { StepDown(kKeystoneV, m_nKeystoneV); }
void CSetupType5TabDlg::OnBnClickedStu5Btksvpos() { StepUp(kKeystoneV, m_nKeystoneV); }
void CSetupType5TabDlg::OnBnClickedStu5Btkshneg() { StepDown(kKeystoneH, m_nKeystoneH); }
void CSetupType5TabDlg::OnBnClickedStu5Btkshpos() { StepUp(kKeystoneH, m_nKeystoneH); }
void CSetupType5TabDlg::OnCbnSelchangeStu5Wspcomb() { ListChanged(kWhisper); }
void CSetupType5TabDlg::OnCbnSelchangeStu5Mircomb() { ListChanged(kMirror); }
void CSetupType5TabDlg::OnBnClickedStu5Btvolneg() { StepSource(kVolume, m_nVolume, false); }
void CSetupType5TabDlg::OnBnClickedStu5Btvolpos() { StepSource(kVolume, m_nVolume, true); }
void CSetupType5TabDlg::OnCbnSelchangeStu5Argb1comb() { ListChanged(kAudioRgb1); }
void CSetupType5TabDlg::OnCbnSelchangeStu5Argb2comb() { ListChanged(kAudioRgb2); }
void CSetupType5TabDlg::OnCbnSelchangeStu5Avidcomb() { ListChanged(kAudioVideo); }
void CSetupType5TabDlg::OnCbnSelchangeStu5Asvidcomb() { ListChanged(kAudioSVideo); }
void CSetupType5TabDlg::OnCbnSelchangeStu5Acompcomb() { ListChanged(kAudioComponent); }
void CSetupType5TabDlg::OnCbnSelchangeStu5Amiucomb() { ListChanged(kAudioMiu); }
void CSetupType5TabDlg::OnCbnSelchangeStu5Speakercomb() { ListChanged(kSpeaker); }
void CSetupType5TabDlg::OnBnClickedDzoomDecBtn() { StepDown(kDZoom, m_nDZoom); }
void CSetupType5TabDlg::OnBnClickedDzoomIncBtn() { StepUp(kDZoom, m_nDZoom); }
void CSetupType5TabDlg::OnBnClickedDshiftLeftBtn() { ArrowClicked(kDShiftH, m_nDShiftH, false); }
void CSetupType5TabDlg::OnBnClickedDshiftRightBtn() { ArrowClicked(kDShiftH, m_nDShiftH, true); }
void CSetupType5TabDlg::OnBnClickedDshiftUpBtn() { ArrowClicked(kDShiftV, m_nDShiftV, true); }
void CSetupType5TabDlg::OnBnClickedDshiftDownBtn() { ArrowClicked(kDShiftV, m_nDShiftV, false); }
void CSetupType5TabDlg::OnCbnSelchangeStu5HdmiaudioComb() { ListChanged(kHdmiAudio); }
void CSetupType5TabDlg::OnCbnSelchangeStu5Ahdmicomb() { ListChanged(kAudioHdmi); }

void CSetupType5TabDlg::OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) {
  ReleaseSlider(nSBCode, pScrollBar, {{kKeystoneV, m_nKeystoneV}, {kKeystoneH, m_nKeystoneH}, {kDZoom, m_nDZoom}});
  ReleaseSourceSlider(nSBCode, pScrollBar, {{kVolume, m_nVolume}});
  CSettingPage::OnHScroll(nSBCode, nPos, pScrollBar);
}
