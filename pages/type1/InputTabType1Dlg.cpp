#include "pages/type1/InputTabType1Dlg.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "frame/ExpertDlg.h"
#include "pages/type1/TwinRows.h"
#include "projector/CommandCodes.h"

using namespace expert::pages;

namespace {

constexpr int kLastInput = 16;  // the power-up value of "Last Input", the list's first item

// "Last Input" first, then the host's inputs. Only input codes 0 to 5 can be
// chosen as the power-up input; another code is not sent.
int PowerUpPosition(const CExpertDlg& host, const CComboBox&, int value) {
  if (value == kLastInput) return 0;
  for (int i = 0; i < kHostInputSize; ++i)
    if (host.m_nInputCode[i] == value) return i + 1;
  return -1;
}
std::optional<int> PowerUpValue(const CExpertDlg& host, const CComboBox&, int position) {
  if (position == 0) return kLastInput;
  if (position < 1 || position > kHostInputSize) return std::nullopt;
  const int code = host.m_nInputCode[position - 1];
  if (code < 0 || code > 5) return std::nullopt;
  return code;
}

// The projector counts video noise reduction from 1.
bool SetVideoNR(CPjtInterface& pjt, int position) {
  pjt.SetVideoNR(position, 1);
  return true;
}

const ListRow kColorSpace{.list = 21074,
                          .io = {.code = pjcode::kColourSpace, .set = Setter<&CPjtInterface::SetColorSpace>}};
const ListRow kComponent{.list = 21075,
                         .io = {.code = pjcode::kComponentInputMode, .set = Setter<&CPjtInterface::SetComponent>}};
const ListRow kVideoFormat = twin::VideoFormat(21076);
const ListRow k3DYCS{.list = 21077, .io = {.code = pjcode::kYcs3D, .set = Setter<&CPjtInterface::Set3DYCS>}};
const ListRow kVideoNR{.list = 21053, .io = {.code = pjcode::kVideoNoiseReduction, .set = SetVideoNR},
                       .map = twin::kValueLessOne, .items = {Msg(5, 367), Msg(5, 368), Msg(5, 369)}};
const ListRow kPinPInput = twin::PinPInput(21054, {});
const ListRow kPinPPosition = twin::PinPPosition(21055);
const ListRow kPinPSize = twin::PinPSize(21061);
const ListRow kPinPAudio = twin::PinPAudio(21056, {});
const ListRow kPowerUpInput{.list = 21057, .io = {pjcode::kPowerUpInput}, .map = {PowerUpPosition, PowerUpValue},
                            .onRefused = ErrorBox(Msg(2201, 57))};
const ListRow kS2Aspect{.list = 21058, .io = {.code = pjcode::kS2Aspect, .set = Setter<&CPjtInterface::SetS2Aspect>},
                        .items = {Msg(5, 327), Msg(5, 329)}};
const ListRow kFrameLock{.list = 21059,
                         .io = {.code = pjcode::kFrameLock, .set = Setter<&CPjtInterface::SetFrameLock>},
                         .items = {Msg(5, 327), Msg(5, 329)}};
const ListRow kProgressive{.list = 21060,
                           .io = {.code = pjcode::kProgressive, .set = Setter<&CPjtInterface::SetProgressive>},
                           .items = {Msg(5, 30), Msg(5, 370), Msg(5, 326)}};

// In the order of the refresh.
const ListRow* const kRows[] = {&kColorSpace,   &kComponent, &kVideoFormat, &k3DYCS,
                                &kVideoNR,      &kPinPInput, &kPinPPosition, &kPinPSize,
                                &kPinPAudio,    &kPowerUpInput, &kS2Aspect,  &kFrameLock,
                                &kProgressive};

}  // namespace

BEGIN_MESSAGE_MAP(CInputTabType1Dlg, CSettingPage)
  ON_CBN_SELCHANGE(21074, &CInputTabType1Dlg::OnCbnSelchangeColorSpace)
  ON_CBN_SELCHANGE(21075, &CInputTabType1Dlg::OnCbnSelchangeComponent)
  ON_CBN_SELCHANGE(21076, &CInputTabType1Dlg::OnCbnSelchangeVideoFormat)
  ON_CBN_SELCHANGE(21077, &CInputTabType1Dlg::OnCbnSelchange3DYCS)
  ON_CBN_SELCHANGE(21053, &CInputTabType1Dlg::OnCbnSelchangeVideoNR)
  ON_CBN_SELCHANGE(21054, &CInputTabType1Dlg::OnCbnSelchangePinPInput)
  ON_CBN_SELCHANGE(21055, &CInputTabType1Dlg::OnCbnSelchangePinPPosition)
  ON_CBN_SELCHANGE(21056, &CInputTabType1Dlg::OnCbnSelchangePinPAudio)
  ON_CBN_SELCHANGE(21057, &CInputTabType1Dlg::OnCbnSelchangePowerUpInput)
  ON_CBN_SELCHANGE(21058, &CInputTabType1Dlg::OnCbnSelchangeS2Aspect)
  ON_CBN_SELCHANGE(21059, &CInputTabType1Dlg::OnCbnSelchangeFrameLock)
  ON_CBN_SELCHANGE(21060, &CInputTabType1Dlg::OnCbnSelchangeProgressive)
  ON_CBN_SELCHANGE(21061, &CInputTabType1Dlg::OnCbnSelchangePinPSize)
END_MESSAGE_MAP()

CInputTabType1Dlg::CInputTabType1Dlg(CWnd* pParent) : CSettingPage(22156, pParent, m_pPjt) {}

void CInputTabType1Dlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, 21061, m_cbPinPSize);
  DDX_Control(pDX, 21060, m_cbProgressive);
  DDX_Control(pDX, 21059, m_cbFrameLock);
  DDX_Control(pDX, 21053, m_cbVideoNR);
  DDX_Control(pDX, 21076, m_cbVideoFormat);
  DDX_Control(pDX, 21058, m_cbS2Aspect);
  DDX_Control(pDX, 21057, m_cbPowerUpInput);
  DDX_Control(pDX, 21055, m_cbPinPPosition);
  DDX_Control(pDX, 21054, m_cbPinPInput);
  DDX_Control(pDX, 21056, m_cbPinPAudio);
  DDX_Control(pDX, 21075, m_cbComponent);
  DDX_Control(pDX, 21074, m_cbColorSpace);
  DDX_Control(pDX, 21077, m_cb3DYCS);
}

BOOL CInputTabType1Dlg::OnInitDialog() {
  CSettingPage::OnInitDialog();
  const CExpertDlg& host = Host();
  FillList(kPowerUpInput.list, std::array{Msg(5, 371)});
  AddInputNames(kPowerUpInput.list);
  // Models 16 and 17 tell a normal from a still-image 3D-YCS.
  if (host.m_nModelNo == 16 || host.m_nModelNo == 17)
    FillList(k3DYCS.list, std::array{Msg(5, 30), Msg(5, 338), Msg(5, 97)});
  else
    FillList(k3DYCS.list, std::array{Msg(5, 30), Msg(5, 31)});
  ReplaceFirstItem(kColorSpace.list, Msg(5, 98));
  ReplaceFirstItem(kVideoFormat.list, Msg(5, 98));
  for (const ListRow* row : {&kVideoNR, &kProgressive, &kFrameLock, &kS2Aspect, &kPinPPosition, &kPinPSize})
    FillList(*row);
  return TRUE;
}

void CInputTabType1Dlg::InitDisp() {
  for (const ListRow* row : kRows) Enable({row->list});
  for (const ListRow* row : kRows) ReadList(*row);
}

void CInputTabType1Dlg::OnCbnSelchangeColorSpace() { ListChanged(kColorSpace); }
void CInputTabType1Dlg::OnCbnSelchangeComponent() { ListChanged(kComponent); }
void CInputTabType1Dlg::OnCbnSelchangeVideoFormat() { ListChanged(kVideoFormat); }
void CInputTabType1Dlg::OnCbnSelchange3DYCS() { ListChanged(k3DYCS); }
void CInputTabType1Dlg::OnCbnSelchangeVideoNR() { ListChanged(kVideoNR); }
void CInputTabType1Dlg::OnCbnSelchangePinPInput() { ListChanged(kPinPInput); }
void CInputTabType1Dlg::OnCbnSelchangePinPPosition() { ListChanged(kPinPPosition); }
void CInputTabType1Dlg::OnCbnSelchangePinPAudio() { ListChanged(kPinPAudio); }
void CInputTabType1Dlg::OnCbnSelchangePowerUpInput() { ListChanged(kPowerUpInput); }
void CInputTabType1Dlg::OnCbnSelchangeS2Aspect() { ListChanged(kS2Aspect); }
void CInputTabType1Dlg::OnCbnSelchangeFrameLock() { ListChanged(kFrameLock); }
void CInputTabType1Dlg::OnCbnSelchangeProgressive() { ListChanged(kProgressive); }
void CInputTabType1Dlg::OnCbnSelchangePinPSize() { ListChanged(kPinPSize); }
