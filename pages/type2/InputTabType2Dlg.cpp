#include "pages/type2/InputTabType2Dlg.h"

#include "frame/ExpertDlg.h"
#include "pages/type1/TwinRows.h"
#include "projector/CommandCodes.h"

using namespace expert::pages;

namespace {

enum : int { kAutoAdjustLabel = 20054, kAutoAdjustExecute = 20049, kAutoAdjustColon = 20415 };

const ListRow kBNC{.list = 20046, .io = {.code = pjcode::kBNCInputMode, .set = Setter<&CPjtInterface::SetBNC>},
                   .items = {Msg(5, 365), Msg(5, 364)}};
const ListRow kVideoFormat = twin::VideoFormat(20055);
const ListRow kHDTV{.list = 20047, .io = {.code = pjcode::kHDTV, .set = Setter<&CPjtInterface::SetHDTV>}};
const ListRow kSyncOnG{.list = 20048, .io = {.code = pjcode::kSyncOnG, .set = Setter<&CPjtInterface::SetSyncOnG>},
                       .items = {Msg(5, 327), Msg(5, 329)}};
const ListRow kPinPInput = twin::PinPInput(20050, {Msg(5, 87), Msg(5, 88)});
const ListRow kPinPPosition = twin::PinPPosition(20051);
const ListRow kPinPAudio = twin::PinPAudio(20052, {Msg(5, 87), Msg(5, 94)});
const ListRow kPinPSize = twin::PinPSize(20053);

// In the order of the refresh.
const ListRow* const kRows[] = {&kBNC,       &kVideoFormat,  &kHDTV,      &kSyncOnG,
                                &kPinPInput, &kPinPPosition, &kPinPAudio, &kPinPSize};

}  // namespace

BEGIN_MESSAGE_MAP(CInputTabType2Dlg, CSettingPage)
  ON_CBN_SELCHANGE(20046, &CInputTabType2Dlg::OnCbnSelchangeBNC)
  ON_CBN_SELCHANGE(20055, &CInputTabType2Dlg::OnCbnSelchangeVideoFormat)
  ON_CBN_SELCHANGE(20047, &CInputTabType2Dlg::OnCbnSelchangeHDTV)
  ON_CBN_SELCHANGE(20048, &CInputTabType2Dlg::OnCbnSelchangeSyncOnG)
  ON_CBN_SELCHANGE(20050, &CInputTabType2Dlg::OnCbnSelchangePinPInput)
  ON_CBN_SELCHANGE(20051, &CInputTabType2Dlg::OnCbnSelchangePinPPosition)
  ON_CBN_SELCHANGE(20052, &CInputTabType2Dlg::OnCbnSelchangePinPAudio)
  ON_CBN_SELCHANGE(20053, &CInputTabType2Dlg::OnCbnSelchangePinPSize)
  ON_BN_CLICKED(kAutoAdjustExecute, &CInputTabType2Dlg::OnBnClickedAutoAdjustExecute)
END_MESSAGE_MAP()

CInputTabType2Dlg::CInputTabType2Dlg(CWnd* pParent) : CSettingPage(20011, pParent, m_pPjt) {}

void CInputTabType2Dlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, 20053, m_cbPinPSize);
  DDX_Control(pDX, 20052, m_cbPinPAudio);
  DDX_Control(pDX, 20051, m_cbPinPPosition);
  DDX_Control(pDX, 20050, m_cbPinPInput);
  DDX_Control(pDX, 20048, m_cbSyncOnG);
  DDX_Control(pDX, 20047, m_cbHDTV);
  DDX_Control(pDX, 20055, m_cbVideoFormat);
  DDX_Control(pDX, 20046, m_cbBNC);
}

BOOL CInputTabType2Dlg::OnInitDialog() {
  CSettingPage::OnInitDialog();
  // Models 6 and 7 start the automatic adjustment from their auto page.
  if (Host().m_nModelNo == 6 || Host().m_nModelNo == 7)
    Show({kAutoAdjustLabel, kAutoAdjustExecute, kAutoAdjustColon}, false);
  ReplaceFirstItem(kVideoFormat.list, Msg(5, 366));
  for (const ListRow* row : {&kSyncOnG, &kPinPPosition, &kPinPSize, &kBNC, &kPinPInput, &kPinPAudio}) FillList(*row);
  return TRUE;
}

void CInputTabType2Dlg::InitDisp() {
  for (const ListRow* row : kRows) Enable({row->list});
  for (const ListRow* row : kRows) ReadList(*row);
}

void CInputTabType2Dlg::OnCbnSelchangeBNC() { ListChanged(kBNC); }
void CInputTabType2Dlg::OnCbnSelchangeVideoFormat() { ListChanged(kVideoFormat); }
void CInputTabType2Dlg::OnCbnSelchangeHDTV() { ListChanged(kHDTV); }
void CInputTabType2Dlg::OnCbnSelchangeSyncOnG() { ListChanged(kSyncOnG); }
void CInputTabType2Dlg::OnCbnSelchangePinPInput() { ListChanged(kPinPInput); }
void CInputTabType2Dlg::OnCbnSelchangePinPPosition() { ListChanged(kPinPPosition); }
void CInputTabType2Dlg::OnCbnSelchangePinPAudio() { ListChanged(kPinPAudio); }
void CInputTabType2Dlg::OnCbnSelchangePinPSize() { ListChanged(kPinPSize); }
void CInputTabType2Dlg::OnBnClickedAutoAdjustExecute() { twin::AutoAdjust(Pjt()); }
