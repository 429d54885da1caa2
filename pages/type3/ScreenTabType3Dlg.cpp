#include "pages/type3/ScreenTabType3Dlg.h"

#include <span>

#include "frame/ExpertDlg.h"
#include "pages/common/IndexTable.h"
#include "projector/CommandCodes.h"

using namespace expert::pages;

namespace {

// Model 8 has the first seven colours only.
constexpr CodedItem kBlankColours[] = {{Msg(5, 60), 0}, {Msg(5, 61), 1}, {Msg(5, 62), 2}, {Msg(5, 63), 3},
                                       {Msg(5, 64), 4}, {Msg(5, 65), 5}, {Msg(5, 66), 6}, {Msg(5, 67), 32},
                                       {Msg(5, 68), 64}};
constexpr std::size_t kBlankColoursOfModel8 = 7;
// The P.IN P. inputs' values; models 10, 47 and 48 have no component input.
constexpr IndexTable<std::uint16_t, 4> kPinPInputTable{{1, 2, 5, 0xFFFF}};

const ListRow kBlank{.list = 20112,
                     .io = {.code = pjcode::kBlankColour, .set = Setter<&CPjtInterface::SetBlankColor>},
                     .map = kBlankColour};
const ListRow kStartupScreen{.list = 20113,
                             .io = {.code = pjcode::kStartUpScreen, .set = Setter<&CPjtInterface::SetStartup>},
                             .map = kStartup, .items = {Msg(5, 68), Msg(5, 330), Msg(5, 67)}};
// Model 8 starts with its own screen or none.
const ListRow kStartupOf8{.list = 20113, .io = kStartupScreen.io, .map = kStartup, .items = {Msg(5, 331), Msg(5, 330)}};
const ListRow kMirror{.list = 20114, .io = {.code = pjcode::kMirror, .set = Setter<&CPjtInterface::SetMirror>},
                      .items = {Msg(5, 21), Msg(5, 22), Msg(5, 23), Msg(5, 24)}};
const ListRow kGamma{.list = 20115, .io = {.code = pjcode::kGamma, .set = Setter<&CPjtInterface::SetGamma>},
                     .codes = CodeTable{.table = HostTable::Gamma, .textBase = 70, .sendsPosition = true}};
const ListRow kPinPInput{.list = 20116,
                         .io = {.code = pjcode::kPictureInPictureInput, .set = Setter<&CPjtInterface::SetPinPInput>},
                         .map = {kTableMap<kPinPInputTable>.position, nullptr},
                         .items = {Msg(5, 87), Msg(5, 88), Msg(5, 89)}};
const ListRow kPinPPosition{
    .list = 20117,
    .io = {.code = pjcode::kPictureInPicturePosition, .set = Setter<&CPjtInterface::SetPinPPosition>},
    .items = {Msg(5, 90), Msg(5, 91), Msg(5, 92), Msg(5, 93)}};
const ListRow kPinPAudio{.list = 20118,
                         .io = {.code = pjcode::kPictureInPictureAudio, .set = Setter<&CPjtInterface::SetPinPAudio>},
                         .items = {Msg(5, 87), Msg(5, 94)}};
const ListRow kPinPSize{.list = 20119,
                        .io = {.code = pjcode::kPictureInPictureSize, .set = Setter<&CPjtInterface::SetPinPSize>},
                        .items = {Msg(5, 330), Msg(5, 95), Msg(5, 96)}};

}  // namespace

BEGIN_MESSAGE_MAP(CScreenTabType3Dlg, CSettingPage)
  ON_CBN_SELCHANGE(20112, &CScreenTabType3Dlg::OnCbnSelchangeBlank)
  ON_CBN_SELCHANGE(20113, &CScreenTabType3Dlg::OnCbnSelchangeStartup)
  ON_CBN_SELCHANGE(20114, &CScreenTabType3Dlg::OnCbnSelchangeMirror)
  ON_CBN_SELCHANGE(20115, &CScreenTabType3Dlg::OnCbnSelchangeGamma)
  ON_CBN_SELCHANGE(20116, &CScreenTabType3Dlg::OnCbnSelchangePinPInput)
  ON_CBN_SELCHANGE(20117, &CScreenTabType3Dlg::OnCbnSelchangePinPPosition)
  ON_CBN_SELCHANGE(20118, &CScreenTabType3Dlg::OnCbnSelchangePinPAudio)
  ON_CBN_SELCHANGE(20119, &CScreenTabType3Dlg::OnCbnSelchangePinPSize)
END_MESSAGE_MAP()

CScreenTabType3Dlg::CScreenTabType3Dlg(CWnd* pParent) : CSettingPage(20020, pParent, m_pPjt) {}

void CScreenTabType3Dlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, 20113, m_cbStartup);
  DDX_Control(pDX, 20119, m_cbPinPSize);
  DDX_Control(pDX, 20117, m_cbPinPPosition);
  DDX_Control(pDX, 20116, m_cbPinPInput);
  DDX_Control(pDX, 20118, m_cbPinPAudio);
  DDX_Control(pDX, 20115, m_cbGamma);
  DDX_Control(pDX, 20112, m_cbBlank);
  DDX_Control(pDX, 20114, m_cbMirror);
}

BOOL CScreenTabType3Dlg::OnInitDialog() {
  CSettingPage::OnInitDialog();
  const int model = Host().m_nModelNo;
  const std::span<const CodedItem> colours(kBlankColours);
  FillList(kBlank.list, model == 8 ? colours.first(kBlankColoursOfModel8) : colours);
  FillList(model == 8 ? kStartupOf8 : kStartupScreen);
  FillList(kGamma);
  FillList(kMirror);
  FillList(kPinPInput);
  if (model == 10 || model == 47 || model == 48) m_cbPinPInput.DeleteString(2);
  FillList(kPinPPosition);
  FillList(kPinPAudio);
  FillList(kPinPSize);
  return TRUE;
}

void CScreenTabType3Dlg::InitDisp() {
  Enable({kBlank.list, kStartupScreen.list, kMirror.list, kGamma.list, kPinPInput.list, kPinPPosition.list,
          kPinPAudio.list, kPinPSize.list});
  ReadList(kBlank);
  ReadList(kStartupScreen);
  ReadList(kMirror);
  ReadList(kGamma);
  ReadList(kPinPInput);
  ReadList(kPinPPosition);
  ReadList(kPinPAudio);
  ReadList(kPinPSize);
}

void CScreenTabType3Dlg::OnCbnSelchangeBlank() { ListChanged(kBlank); }
void CScreenTabType3Dlg::OnCbnSelchangeStartup() { ListChanged(kStartupScreen); }
void CScreenTabType3Dlg::OnCbnSelchangeMirror() { ListChanged(kMirror); }
void CScreenTabType3Dlg::OnCbnSelchangeGamma() { ListChanged(kGamma); }
void CScreenTabType3Dlg::OnCbnSelchangePinPInput() { ListChanged(kPinPInput); }
void CScreenTabType3Dlg::OnCbnSelchangePinPPosition() { ListChanged(kPinPPosition); }
void CScreenTabType3Dlg::OnCbnSelchangePinPAudio() { ListChanged(kPinPAudio); }
void CScreenTabType3Dlg::OnCbnSelchangePinPSize() { ListChanged(kPinPSize); }
