#include "pages/type4/SetupTabType4Dlg.h"

#include "frame/ExpertDlg.h"
#include "pages/common/WhisperList.h"
#include "projector/CommandCodes.h"

using namespace expert::pages;

namespace {

constexpr int kResetExecute = 20255;

const ListRow kWhisper{.list = 20242, .io = {.code = pjcode::kWhisper, .set = Setter<&CPjtInterface::SetWhisper>},
                       .map = kWhisperCode};
const ListRow kMirror{.list = 20243, .io = {.code = pjcode::kMirror, .set = Setter<&CPjtInterface::SetMirror>},
                      .items = {Msg(5, 21), Msg(5, 22), Msg(5, 23), Msg(5, 24)}};
// "+" stops at the end of the slider's range, which depends on the model.
const SliderGroup kVolume{.minus = 20244, .slider = 20245, .plus = 20246, .box = 20256, .io = {pjcode::kVolume},
                          .lower = StopAt(0), .upper = kAtSliderEnd, .rangeText = 21, .defaultRange = {0, 32},
                          .tick = 4, .onStepRefused = ErrorBox(Msg(2201, 65))};
const ListRow kStereo{.list = 21034, .io = {.code = pjcode::kSpeaker, .set = Setter<&CPjtInterface::SetStereo>},
                      .items = {Msg(5, 323), Msg(5, 324)}};
const CheckRow kIRFront{.box = 20247, .io = {.code = pjcode::kIRRemoteSensorFront, .set = Setter<&CPjtInterface::SetIRFront>}};
const CheckRow kIRTop{.box = 20248, .io = {.code = pjcode::kIRRemoteSensorTop, .set = Setter<&CPjtInterface::SetIRTop>}};
const SliderGroup kKeystone{.minus = 20249, .slider = 20250, .plus = 20251, .box = 20252, .io = {pjcode::kKeystoneV},
                            .offset = 128, .lower = StopAt(-128), .upper = StopAt(127), .rangeText = 19,
                            .defaultRange = {-128, 127}, .tick = 16, .onStepRefused = ErrorBox(Msg(2201, 64))};
const SliderGroup kZoom{.minus = 21049, .slider = 21048, .plus = 21050, .box = 21118, .io = {pjcode::kDigitalZoom},
                        .lower = StopAt(80), .upper = StopAt(100), .rangeText = 31, .defaultRange = {80, 100},
                        .tick = 2, .onStepRefused = ErrorBox(Msg(2201, 79))};
const ListRow kAudioRGB1{.list = 21043, .io = {.code = pjcode::kAudioForRGB1, .set = Setter<&CPjtInterface::SetAudioRGB1>}};
const ListRow kAudioRGB2{.list = 21044, .io = {.code = pjcode::kAudioForRGB2, .set = Setter<&CPjtInterface::SetAudioRGB2>}};
const ListRow kAudioVideo{.list = 21051,
                          .io = {.code = pjcode::kAudioForVideo, .set = Setter<&CPjtInterface::SetAudioVideo>}};
const ListRow kAudioSVideo{.list = 21052,
                           .io = {.code = pjcode::kAudioForSVideo, .set = Setter<&CPjtInterface::SetAudioSVideo>}};
const ListRow kAudioComponent{
    .list = 21053, .io = {.code = pjcode::kAudioForComponent, .set = Setter<&CPjtInterface::SetAudioComponent>}};
const ListRow* const kAudio[] = {&kAudioRGB1, &kAudioRGB2, &kAudioVideo, &kAudioSVideo, &kAudioComponent};

// The reset list holds keystone, and electric zoom where the model has it.
const ResetItem kKeystoneReset{Msg(5, 107), &CPjtInterface::ExecKeyStoneReset};
const ResetList kResetsKeystone{20254, kResetExecute, {kKeystoneReset}};
const ResetList kResetsKeystoneZoom{20254, kResetExecute,
                                    {kKeystoneReset, {Msg(5, 325), &CPjtInterface::ExecElectricZoomReset}}};

}  // namespace

BEGIN_MESSAGE_MAP(CSetupTabType4Dlg, CSettingPage)
  ON_CBN_SELCHANGE(20242, &CSetupTabType4Dlg::OnCbnSelchangeWhisper)
  ON_CBN_SELCHANGE(20243, &CSetupTabType4Dlg::OnCbnSelchangeMirror)
  ON_CBN_SELCHANGE(21034, &CSetupTabType4Dlg::OnCbnSelchangeStereo)
  ON_CBN_SELCHANGE(21043, &CSetupTabType4Dlg::OnCbnSelchangeAudioRGB1)
  ON_CBN_SELCHANGE(21044, &CSetupTabType4Dlg::OnCbnSelchangeAudioRGB2)
  ON_CBN_SELCHANGE(21051, &CSetupTabType4Dlg::OnCbnSelchangeAudioVideo)
  ON_CBN_SELCHANGE(21052, &CSetupTabType4Dlg::OnCbnSelchangeAudioSVideo)
  ON_CBN_SELCHANGE(21053, &CSetupTabType4Dlg::OnCbnSelchangeAudioComponent)
  ON_BN_CLICKED(20244, &CSetupTabType4Dlg::OnBnClickedVolumeMinus)
  ON_BN_CLICKED(20246, &CSetupTabType4Dlg::OnBnClickedVolumePlus)
  ON_BN_CLICKED(20249, &CSetupTabType4Dlg::OnBnClickedKeystoneMinus)
  ON_BN_CLICKED(20251, &CSetupTabType4Dlg::OnBnClickedKeystonePlus)
  ON_BN_CLICKED(21049, &CSetupTabType4Dlg::OnBnClickedZoomMinus)
  ON_BN_CLICKED(21050, &CSetupTabType4Dlg::OnBnClickedZoomPlus)
  ON_BN_CLICKED(kResetExecute, &CSetupTabType4Dlg::OnBnClickedResetExecute)
  ON_BN_CLICKED(20247, &CSetupTabType4Dlg::OnBnClickedIRFront)
  ON_BN_CLICKED(20248, &CSetupTabType4Dlg::OnBnClickedIRTop)
END_MESSAGE_MAP()

CSetupTabType4Dlg::CSetupTabType4Dlg(CWnd* pParent) : CSettingPage(20037, pParent, m_pPjt) {}

void CSetupTabType4Dlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, 20254, m_cbReset);
  DDX_Control(pDX, kWhisper.list, m_cbWhisper);
  DDX_Control(pDX, kAudioComponent.list, m_cbAudioComponent);
  DDX_Control(pDX, kAudioSVideo.list, m_cbAudioSVideo);
  DDX_Control(pDX, kAudioVideo.list, m_cbAudioVideo);
  DDX_Control(pDX, kAudioRGB2.list, m_cbAudioRGB2);
  DDX_Control(pDX, kAudioRGB1.list, m_cbAudioRGB1);
  DDX_Control(pDX, kKeystone.slider, m_slKeystone);
  DDX_Control(pDX, kZoom.slider, m_slZoom);
  DDX_Control(pDX, kStereo.list, m_cbStereo);
  DDX_Control(pDX, kVolume.slider, m_slVolume);
  DDX_Control(pDX, kMirror.list, m_cbMirror);
}

// Models 9 and 22 have no keystone here (their control page has it), 21 and
// 29 an electric zoom, 23 to 28 the audio sources.
bool CSetupTabType4Dlg::HasKeystone() const { return Host().m_nModelNo != 9 && Host().m_nModelNo != 22; }
bool CSetupTabType4Dlg::HasZoom() const { return Host().m_nModelNo == 21 || Host().m_nModelNo == 29; }
bool CSetupTabType4Dlg::HasAudio() const { return Host().m_nModelNo >= 23 && Host().m_nModelNo <= 28; }
const ResetList& CSetupTabType4Dlg::Resets() const { return HasZoom() ? kResetsKeystoneZoom : kResetsKeystone; }

BOOL CSetupTabType4Dlg::OnInitDialog() {
  CSettingPage::OnInitDialog();
  FillWhisperList(m_cbWhisper, Host(), WhisperNames::kBrightEndsWalk);
  FillList(kMirror);
  // Models 9 and 22 turn the volume up to 48 by default, the others to 32.
  SetupSlider(kVolume, HasKeystone() ? std::nullopt : std::optional<Range>(Range{0, 48}));
  m_nVolumeMax = static_cast<std::int16_t>(m_slVolume.GetRangeMax());
  if (HasKeystone()) {
    SetupSlider(kKeystone);
    FillResets(Resets());
  } else {
    HideGroup(kKeystone);
    Show({20253, 20409, 20257, 20254, kResetExecute}, false);
  }
  if (HasZoom()) {
    SetupSlider(kZoom);
  } else {
    HideGroup(kZoom);
    Show({20021, 20397}, false);
  }
  if (!HasAudio())
    Show({20027, 20028, 20029, 20030, 20031, 20410, 20411, 20412, 20413, 20414, kAudioRGB1.list, kAudioRGB2.list,
          kAudioVideo.list, kAudioSVideo.list, kAudioComponent.list},
         false);
  FillList(kStereo);
  // "Audio1" and "Audio2" are shown as the template has them.
  for (const ListRow* audio : kAudio) ReplaceFirstItem(audio->list, Msg(5, 30));
  return TRUE;
}

void CSetupTabType4Dlg::InitDisp() {
  Enable({kWhisper.list, kMirror.list, kStereo.list, kIRFront.box, kIRTop.box, kAudioRGB1.list, kAudioRGB2.list,
          kAudioVideo.list, kAudioSVideo.list, kAudioComponent.list});
  EnableGroup(kVolume);
  EnableGroup(kKeystone);
  EnableGroup(kZoom);
  if (WhisperCount(Host()) == 0)
    Enable({kWhisper.list}, false);
  else
    ReadList(kWhisper);
  ReadList(kMirror);
  ReadSlider(kVolume, m_nVolume);
  ReadList(kStereo);
  ReadCheck(kIRFront);
  ReadCheck(kIRTop);
  if (HasKeystone()) ReadSlider(kKeystone, m_nKeystone);
  if (HasZoom()) ReadSlider(kZoom, m_nZoom);
  if (HasAudio())
    for (const ListRow* audio : kAudio) ReadList(*audio);
  if (HasKeystone()) SelectFirstReset(Resets());
}

void CSetupTabType4Dlg::OnCbnSelchangeWhisper() { ListChanged(kWhisper); }
void CSetupTabType4Dlg::OnCbnSelchangeMirror() { ListChanged(kMirror); }
void CSetupTabType4Dlg::OnCbnSelchangeStereo() { ListChanged(kStereo); }
void CSetupTabType4Dlg::OnCbnSelchangeAudioRGB1() { ListChanged(kAudioRGB1); }
void CSetupTabType4Dlg::OnCbnSelchangeAudioRGB2() { ListChanged(kAudioRGB2); }
void CSetupTabType4Dlg::OnCbnSelchangeAudioVideo() { ListChanged(kAudioVideo); }
void CSetupTabType4Dlg::OnCbnSelchangeAudioSVideo() { ListChanged(kAudioSVideo); }
void CSetupTabType4Dlg::OnCbnSelchangeAudioComponent() { ListChanged(kAudioComponent); }
void CSetupTabType4Dlg::OnBnClickedVolumeMinus() { StepDown(kVolume, m_nVolume); }
void CSetupTabType4Dlg::OnBnClickedVolumePlus() { StepUp(kVolume, m_nVolume); }
void CSetupTabType4Dlg::OnBnClickedKeystoneMinus() { StepDown(kKeystone, m_nKeystone); }
void CSetupTabType4Dlg::OnBnClickedKeystonePlus() { StepUp(kKeystone, m_nKeystone); }
void CSetupTabType4Dlg::OnBnClickedZoomMinus() { StepDown(kZoom, m_nZoom); }
void CSetupTabType4Dlg::OnBnClickedZoomPlus() { StepUp(kZoom, m_nZoom); }
void CSetupTabType4Dlg::OnBnClickedResetExecute() { ExecuteReset(Resets()); }
void CSetupTabType4Dlg::OnBnClickedIRFront() { CheckClicked(kIRFront); }
void CSetupTabType4Dlg::OnBnClickedIRTop() { CheckClicked(kIRTop); }

void CSetupTabType4Dlg::OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) {
  ReleaseSlider(nSBCode, pScrollBar, {{kVolume, m_nVolume}, {kKeystone, m_nKeystone}, {kZoom, m_nZoom}});
  CSettingPage::OnHScroll(nSBCode, nPos, pScrollBar);
}
