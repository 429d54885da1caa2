#include "pages/type5/AudioType5Dlg.h"

#include <array>

#include "frame/ExpertDlg.h"
#include "pages/common/ControlView.h"

using namespace expert::pages;

namespace {

enum : int { kAudioM1DLabel = 20423, kHdmiAudioLabel = 20424, kHdmiAudioColon = 20456, kSrsWow = 20381 };

// A refused step or slide also empties the box.
const SourceGroup kVolume{.controls = {.minus = 20345, .slider = 20347, .plus = 20346, .box = 20355,
                                       .rangeText = 21, .defaultRange = {0, 48}, .tick = 4},
                          .io = SourceChannelOf<&CPjtInterface::GetInputSrcVolume, &CPjtInterface::SetVolumeEachSrc,
                                                &CPjtInterface::IncrementInputSrcVol,
                                                &CPjtInterface::DecrementInputSrcVol>(),
                          .emptyBoxWhenRefused = true};
const SourceGroup kTreble{.controls = {.minus = 20348, .slider = 20350, .plus = 20349, .box = 20315, .offset = 128,
                                       .rangeText = 32, .defaultRange = {-4, 4}},
                          .io = SourceChannelOf<&CPjtInterface::GetInputSrcTreble, &CPjtInterface::SetInputSrcTreble,
                                                &CPjtInterface::IncrementInputSrcTreb,
                                                &CPjtInterface::DecrementInputSrcTreb>(),
                          .emptyBoxWhenRefused = true};
const SourceGroup kBass{.controls = {.minus = 20351, .slider = 20353, .plus = 20352, .box = 20316, .offset = 128,
                                     .rangeText = 33, .defaultRange = {-4, 4}},
                        .io = SourceChannelOf<&CPjtInterface::GetInputSrcBass, &CPjtInterface::SetInputSrcBass,
                                              &CPjtInterface::IncrementInputSrcBass,
                                              &CPjtInterface::DecrementInputSrcBass>(),
                        .emptyBoxWhenRefused = true};

template <auto Get, auto Set>
constexpr Channel Named() {
  return {.get = Getter<Get>, .set = Setter<Set>};
}

// Every list hands its chosen text to the projector object (HDMI audio
// excepted) and shows the projector's value again after a refused choice.
const ListRow kSpeaker{.list = 20354, .io = Named<&CPjtInterface::GetSpeaker, &CPjtInterface::SetSpeaker>(),
                       .items = {Msg(5, 327), Msg(5, 329)}, .rereadWhenRefused = true, .passItemText = true};
const ListRow kAudioRgb1{.list = 20356, .io = Named<&CPjtInterface::GetAudioRGB1, &CPjtInterface::SetAudioRGB1>(),
                         .rereadWhenRefused = true, .passItemText = true};
const ListRow kAudioRgb2{.list = 20358, .io = Named<&CPjtInterface::GetAudioRGB2, &CPjtInterface::SetAudioRGB2>(),
                         .rereadWhenRefused = true, .passItemText = true};
const ListRow kAudioVideo{.list = 20360, .io = Named<&CPjtInterface::GetAudioVideo, &CPjtInterface::SetAudioVideo>(),
                          .rereadWhenRefused = true, .passItemText = true};
const ListRow kAudioSVideo{.list = 20361,
                           .io = Named<&CPjtInterface::GetAudioSVideo, &CPjtInterface::SetAudioSVideo>(),
                           .rereadWhenRefused = true, .passItemText = true};
const ListRow kAudioComponent{.list = 20362,
                              .io = Named<&CPjtInterface::GetAudioComponent, &CPjtInterface::SetAudioComponent>(),
                              .rereadWhenRefused = true, .passItemText = true};

// The projector's 16 (MIU) and 32 (HDMI) are the sixth item of their lists.
template <int Value>
constexpr ListMap kSixthItemIs{
    [](const CExpertDlg&, const CComboBox&, int value) { return value == Value ? 5 : value; },
    [](const CExpertDlg&, const CComboBox&, int position) -> std::optional<int> { return position == 5 ? Value : position; }};
const ListRow kAudioMiu{.list = 20363, .io = Named<&CPjtInterface::GetAudioMIU, &CPjtInterface::SetAudioMIU>(),
                        .map = kSixthItemIs<16>, .rereadWhenRefused = true, .passItemText = true};
// Models 41 and 43 (index 1) have the HDMI audio and tell the setter so.
const ListRow kAudioM1D[2] = {
    {.list = 20359,
     .io = {.get = Getter<&CPjtInterface::GetAudioM1D>,
            .set = [](CPjtInterface& pjt, int value) { return pjt.SetAudioM1D(value, false); }},
     .rereadWhenRefused = true, .passItemText = true},
    {.list = 20359,
     .io = {.get = Getter<&CPjtInterface::GetAudioM1D>,
            .set = [](CPjtInterface& pjt, int value) { return pjt.SetAudioM1D(value, true); }},
     .map = kSixthItemIs<32>, .rereadWhenRefused = true, .passItemText = true}};
const ListRow kHdmiAudio{.list = 20364, .io = Named<&CPjtInterface::GetHDMIAudio, &CPjtInterface::SetHDMIAudio>(),
                         .map = kHdmiAudioMap, .rereadWhenRefused = true, .unknownKeepsSelection = true};

// SRS WOW positions Off, Mid, High are the projector's 0, 2 and 3; a read 1
// shows as Off.
constexpr int kSrsWowValues[] = {0, 2, 3};
int SrsWowPosition(int value) { return value > 0 ? value - 1 : 0; }

}  // namespace

BEGIN_MESSAGE_MAP(CAudioType5Dlg, CSettingPage)
  ON_BN_CLICKED(20345, &CAudioType5Dlg::OnBnClickedAud5Btnvolneg)
  ON_BN_CLICKED(20346, &CAudioType5Dlg::OnBnClickedAud5Btnvolpos)
  ON_BN_CLICKED(20348, &CAudioType5Dlg::OnBnClickedAud5Btntreneg)
  ON_BN_CLICKED(20349, &CAudioType5Dlg::OnBnClickedAud5Btntrepos)
  ON_BN_CLICKED(20351, &CAudioType5Dlg::OnBnClickedAud5Btnbasneg)
  ON_BN_CLICKED(20352, &CAudioType5Dlg::OnBnClickedAud5Btnbaspos)
  ON_CBN_SELCHANGE(20354, &CAudioType5Dlg::OnCbnSelchangeAud5Spekcomb)
  ON_CBN_SELCHANGE(20356, &CAudioType5Dlg::OnCbnSelchangeAud5Argb1comb)
  ON_CBN_SELCHANGE(20358, &CAudioType5Dlg::OnCbnSelchangeAud5Argb2comb)
  ON_CBN_SELCHANGE(20359, &CAudioType5Dlg::OnCbnSelchangeAud5Am1dcomb)
  ON_CBN_SELCHANGE(20360, &CAudioType5Dlg::OnCbnSelchangeAud5Avidcomb)
  ON_CBN_SELCHANGE(20361, &CAudioType5Dlg::OnCbnSelchangeAud5Asvidcomb)
  ON_CBN_SELCHANGE(20362, &CAudioType5Dlg::OnCbnSelchangeAud5Acompcomb)
  ON_CBN_SELCHANGE(20363, &CAudioType5Dlg::OnCbnSelchangeAud5Amiucomb)
  ON_CBN_SELCHANGE(kSrsWow, &CAudioType5Dlg::OnCbnSelchangeAud5Srswcomb)
  ON_CBN_SELCHANGE(20364, &CAudioType5Dlg::OnCbnSelchangeAud5Hdmiaudiocomb)
END_MESSAGE_MAP()

CAudioType5Dlg::CAudioType5Dlg(CWnd* pParent) : CSettingPage(20050, pParent, m_pPjt) {}

void CAudioType5Dlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, 20345, m_btVolumeMinus);
  DDX_Control(pDX, 20346, m_btVolumePlus);
  DDX_Control(pDX, 20347, m_slVolume);
  DDX_Control(pDX, 20348, m_btTrebleMinus);
  DDX_Control(pDX, 20349, m_btTreblePlus);
  DDX_Control(pDX, 20350, m_slTreble);
  DDX_Control(pDX, 20351, m_btBassMinus);
  DDX_Control(pDX, 20352, m_btBassPlus);
  DDX_Control(pDX, 20353, m_slBass);
  DDX_Control(pDX, 20355, m_edVolume);
  DDX_Control(pDX, 20315, m_edTreble);
  DDX_Control(pDX, 20316, m_edBass);
  DDX_Control(pDX, 20354, m_cbSpeaker);
  DDX_Control(pDX, 20356, m_cbAudioRgb1);
  DDX_Control(pDX, 20358, m_cbAudioRgb2);
  DDX_Control(pDX, 20359, m_cbAudioM1D);
  DDX_Control(pDX, 20360, m_cbAudioVideo);
  DDX_Control(pDX, 20361, m_cbAudioSVideo);
  DDX_Control(pDX, 20362, m_cbAudioComponent);
  DDX_Control(pDX, 20363, m_cbAudioMiu);
  DDX_Control(pDX, kSrsWow, m_cbSrsWow);
}

bool CAudioType5Dlg::HasHdmi() const { return Host().m_nModelNo == 41 || Host().m_nModelNo == 43; }

BOOL CAudioType5Dlg::OnInitDialog() {
  CSettingPage::OnInitDialog();
  SetupSlider(kVolume.controls);
  ShowSliderValue(kVolume.controls, 24);
  for (const SourceGroup* row : {&kTreble, &kBass}) {
    SetupSlider(row->controls);
    ShowSliderValue(row->controls, 0);
  }
  FillList(kSpeaker);
  FillList(kSrsWow, std::array{Msg(5, 327), Msg(5, 32), Msg(5, 33)});
  const bool hdmi = HasHdmi();
  if (hdmi) SetText(kAudioM1DLabel, CatalogText(Msg(4, 183)));
  Show({kHdmiAudioLabel, kHdmiAudioColon, kHdmiAudio.list}, hdmi);
  const std::array sources{Msg(5, 30), Msg(5, 40), Msg(5, 41), Msg(5, 42), Msg(5, 43)};
  for (const ListRow* row : {&kAudioRgb1, &kAudioRgb2, &kAudioM1D[0], &kAudioVideo, &kAudioSVideo, &kAudioComponent,
                             &kAudioMiu})
    FillList(row->list, sources);
  m_cbAudioMiu.AddString(CatalogText(Msg(5, 44)));
  if (hdmi) m_cbAudioM1D.AddString(CatalogText(Msg(5, 45)));
  return TRUE;
}

// Without the current input source the levels are disabled and emptied
// rather than shown as if read.
void CAudioType5Dlg::InitDisp() {
  const std::optional<int> source = CurrentSource();
  ReadSourceSlider(kVolume, source, m_nVolume);
  ReadSourceSlider(kTreble, source, m_nTreble);
  ReadSourceSlider(kBass, source, m_nBass);
  ReadSrsWow(source);
  for (const ListRow* row : {&kSpeaker, &kAudioRgb1, &kAudioRgb2, &kAudioM1D[HasHdmi()], &kAudioVideo, &kAudioSVideo,
                             &kAudioComponent, &kAudioMiu}) {
    Enable({row->list});
    ReadList(*row);
  }
  if (!HasHdmi()) return;
  Enable({kHdmiAudio.list});
  ReadList(kHdmiAudio);
}

// SRS WOW is kept per input source, so it is read and sent with the source.
void CAudioType5Dlg::ReadSrsWow(std::optional<int> source) {
  std::int16_t value = 0;
  const bool read = source && Pjt() && Pjt()->GetSRSWOW(*source, &value);
  NoteRead({.kind = SettingKind::List, .control = kSrsWow, .read = read, .perSource = true, .source = source});
  Enable({kSrsWow}, read);
  if (read) m_cbSrsWow.SetCurSel(SrsWowPosition(value) < m_cbSrsWow.GetCount() ? SrsWowPosition(value) : -1);
}

void CAudioType5Dlg::OnCbnSelchangeAud5Srswcomb() {
  const int position = m_cbSrsWow.GetCurSel();
  if (position < 0 || position >= static_cast<int>(std::size(kSrsWowValues))) return;
  const std::optional<int> source = CurrentSource();
  if (!source) return;
  m_cbSrsWow.GetLBText(position, Pjt()->m_strSelItemText);
  if (!Pjt()->SetSRSWOW(*source, kSrsWowValues[position])) ReadSrsWow(source);
}

void CAudioType5Dlg::OnBnClickedAud5Btnvolneg() { StepSource(kVolume, m_nVolume, false); }
void CAudioType5Dlg::OnBnClickedAud5Btnvolpos() { StepSource(kVolume, m_nVolume, true); }
void CAudioType5Dlg::OnBnClickedAud5Btntreneg() { StepSource(kTreble, m_nTreble, false); }
void CAudioType5Dlg::OnBnClickedAud5Btntrepos() { StepSource(kTreble, m_nTreble, true); }
void CAudioType5Dlg::OnBnClickedAud5Btnbasneg() { StepSource(kBass, m_nBass, false); }
void CAudioType5Dlg::OnBnClickedAud5Btnbaspos() { StepSource(kBass, m_nBass, true); }
void CAudioType5Dlg::OnCbnSelchangeAud5Spekcomb() { ListChanged(kSpeaker); }
void CAudioType5Dlg::OnCbnSelchangeAud5Argb1comb() { ListChanged(kAudioRgb1); }
void CAudioType5Dlg::OnCbnSelchangeAud5Argb2comb() { ListChanged(kAudioRgb2); }
void CAudioType5Dlg::OnCbnSelchangeAud5Am1dcomb() { ListChanged(kAudioM1D[HasHdmi()]); }
void CAudioType5Dlg::OnCbnSelchangeAud5Avidcomb() { ListChanged(kAudioVideo); }
void CAudioType5Dlg::OnCbnSelchangeAud5Asvidcomb() { ListChanged(kAudioSVideo); }
void CAudioType5Dlg::OnCbnSelchangeAud5Acompcomb() { ListChanged(kAudioComponent); }
void CAudioType5Dlg::OnCbnSelchangeAud5Amiucomb() { ListChanged(kAudioMiu); }
void CAudioType5Dlg::OnCbnSelchangeAud5Hdmiaudiocomb() { ListChanged(kHdmiAudio); }

void CAudioType5Dlg::OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) {
  ReleaseSourceSlider(nSBCode, pScrollBar, {{kVolume, m_nVolume}, {kTreble, m_nTreble}, {kBass, m_nBass}});
  CSettingPage::OnHScroll(nSBCode, nPos, pScrollBar);
}
