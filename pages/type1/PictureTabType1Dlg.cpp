#include "pages/type1/PictureTabType1Dlg.h"

#include "frame/ExpertDlg.h"
#include "pages/common/WhisperList.h"
#include "projector/CommandCodes.h"

using namespace expert::pages;

namespace {

enum : int { kKeystoneLabel = 20020, kKeystoneColon = 20422 };

const SliderGroup kKeystone{.minus = 21046, .slider = 21045, .plus = 21047, .box = 21117,
                            .io = {pjcode::kKeystoneV}, .offset = 128, .lower = StopAt(-128), .upper = StopAt(127),
                            .rangeText = 19, .defaultRange = {-128, 127}, .tick = 16,
                            .onStepRefused = ErrorBox(Msg(2201, 64))};
const ListRow kAspect{.list = 21041, .io = {.code = pjcode::kAspect, .set = Setter<&CPjtInterface::SetAspect>},
                      .codes = CodeTable{.table = HostTable::Aspect, .textBase = 1, .sendsPosition = true}};
const ListRow kWhisper{.list = 21042, .io = {.code = pjcode::kWhisper, .set = Setter<&CPjtInterface::SetWhisper>},
                       .map = kWhisperCode};
// Models other than 3 lack the last two languages; OnInitDialog removes them.
const ListRow kLanguage{.list = 21034, .io = {.code = pjcode::kMenuLanguage, .set = Setter<&CPjtInterface::SetLanguage>},
                        .items = {Msg(5, 110), Msg(5, 111), Msg(5, 112), Msg(5, 113), Msg(5, 114), Msg(5, 115),
                                  Msg(5, 116), Msg(5, 117), Msg(5, 118), Msg(5, 119), Msg(5, 120), Msg(5, 121),
                                  Msg(5, 122), Msg(5, 123), Msg(5, 124), Msg(5, 125), Msg(5, 126)}};
// The keystone item is removed on models without keystone.
const ResetList kResets{21043, 21044,
                        {{Msg(5, 105), &CPjtInterface::ExecBrightnessReset},
                         {Msg(5, 106), &CPjtInterface::ExecContrastReset},
                         {Msg(5, 107), &CPjtInterface::ExecKeyStoneReset}}};

}  // namespace

BEGIN_MESSAGE_MAP(CPictureTabType1Dlg, CPictureTwinDlg)
  ON_CBN_SELCHANGE(21042, &CPictureTabType1Dlg::OnCbnSelchangeWhisper)
  ON_BN_CLICKED(21046, &CPictureTabType1Dlg::OnBnClickedKeystoneMinus)
  ON_BN_CLICKED(21047, &CPictureTabType1Dlg::OnBnClickedKeystonePlus)
END_MESSAGE_MAP()

CPictureTabType1Dlg::CPictureTabType1Dlg(CWnd* pParent)
    : CPictureTwinDlg(22153, pParent, m_pPjt, {kAspect, kLanguage, kResets}) {}

void CPictureTabType1Dlg::DoDataExchange(CDataExchange* pDX) {
  CPictureTwinDlg::DoDataExchange(pDX);
  DDX_Control(pDX, 21045, m_slKeystone);
  DDX_Control(pDX, 21042, m_cbWhisper);
  DDX_Control(pDX, kKeystoneColon, m_stKeystoneColon);
}

bool CPictureTabType1Dlg::HasKeystone() const { return Host().m_nModelNo == 16 || Host().m_nModelNo == 17; }

BOOL CPictureTabType1Dlg::OnInitDialog() {
  CSettingPage::OnInitDialog();
  SetUpShared();
  FillWhisperList(m_cbWhisper, Host());
  if (HasKeystone()) {
    SetupSlider(kKeystone);
  } else {
    HideGroup(kKeystone);
    Show({kKeystoneLabel, kKeystoneColon}, false);
    m_cbReset.DeleteString(2);
  }
  if (Host().m_nModelNo != 3) {
    m_cbLanguage.DeleteString(16);
    m_cbLanguage.DeleteString(15);
  }
  return TRUE;
}

void CPictureTabType1Dlg::InitDisp() {
  EnableShared();
  EnableGroup(kKeystone);
  Enable({kWhisper.list});
  ReadBrightnessAndContrast();
  if (HasKeystone()) ReadSlider(kKeystone, m_nKeystone);
  ReadAspect();
  // An empty whisper table leaves the list disabled, unread.
  if (WhisperCount(Host()) == 0)
    Enable({kWhisper.list}, false);
  else
    ReadList(kWhisper);
  ReadMirrorAndLanguage();
}

void CPictureTabType1Dlg::OnCbnSelchangeWhisper() { ListChanged(kWhisper); }
void CPictureTabType1Dlg::OnBnClickedKeystoneMinus() { StepDown(kKeystone, m_nKeystone); }
void CPictureTabType1Dlg::OnBnClickedKeystonePlus() { StepUp(kKeystone, m_nKeystone); }

void CPictureTabType1Dlg::OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) {
  if (HasKeystone()) ReleaseSlider(nSBCode, pScrollBar, {{kKeystone, m_nKeystone}});
  CPictureTwinDlg::OnHScroll(nSBCode, nPos, pScrollBar);
}
