#include "pages/type5/ServiceDlg.h"

#include <array>

using namespace expert::pages;

namespace {

enum : int { kClose = 20380, kFocusLockLabel = 20631, kFocusLockColon = 20632 };

template <auto Get, auto Set>
constexpr Channel Named() {
  return {.get = Getter<Get>, .set = Setter<Set>};
}

// A refused change shows the projector's value again.
const ListRow kAutoAdjustEnable{
    .list = 20374, .io = Named<&CPjtInterface::GetAutoAdjustEnable, &CPjtInterface::SetAutoAdjustEnable>(),
    .items = {Msg(5, 141), Msg(5, 142)}, .rereadWhenRefused = true};
const CheckRow kIRFront{.box = 20375, .io = Named<&CPjtInterface::GetIRRemoteFront, &CPjtInterface::SetIRFront>(),
                        .rereadWhenRefused = true};
const CheckRow kIRRear{.box = 20376, .io = Named<&CPjtInterface::GetIRRemoteRear, &CPjtInterface::SetIRRear>(),
                       .rereadWhenRefused = true};
const CheckRow kIRTop{.box = 20377, .io = Named<&CPjtInterface::GetIRRemoteTop, &CPjtInterface::SetIRTop>(),
                      .rereadWhenRefused = true};
const ListRow kIRFreqNormal{
    .list = 20378, .io = Named<&CPjtInterface::GetIRREmoteFreqNormal, &CPjtInterface::SetIRRemoteFreqNormal>(),
    .items = {Msg(5, 141), Msg(5, 142)}, .rereadWhenRefused = true};
const ListRow kIRFreqHigh{
    .list = 20379, .io = Named<&CPjtInterface::GetIRRemoteFreqHigh, &CPjtInterface::SetIRRemoteFreqHigh>(),
    .items = {Msg(5, 141), Msg(5, 142)}, .rereadWhenRefused = true};
const ListRow kFocusLock{.list = 20381, .io = Named<&CPjtInterface::GetFocusLock, &CPjtInterface::SetFocusLock>(),
                         .items = {Msg(5, 408), Msg(5, 409)}, .rereadWhenRefused = true};

}  // namespace

BEGIN_MESSAGE_MAP(CServiceDlg, CSettingPage)
  ON_BN_CLICKED(kClose, &CServiceDlg::OnBnClickedSvcBtnclose)
  ON_CBN_SELCHANGE(20374, &CServiceDlg::OnCbnSelchangeSvcAtadjenbcomb)
  ON_BN_CLICKED(20375, &CServiceDlg::OnBnClickedSvcIrfrontchk)
  ON_BN_CLICKED(20376, &CServiceDlg::OnBnClickedSvcIrrearchk)
  ON_BN_CLICKED(20377, &CServiceDlg::OnBnClickedSvcIrtopchk)
  ON_CBN_SELCHANGE(20378, &CServiceDlg::OnCbnSelchangeSvcIrfreqncomb)
  ON_CBN_SELCHANGE(20379, &CServiceDlg::OnCbnSelchangeSvcIrfreqhcomb)
  ON_CBN_SELCHANGE(20381, &CServiceDlg::OnCbnSelchangeSvcFocuslockcomb)
END_MESSAGE_MAP()

CServiceDlg::CServiceDlg(CWnd* pParent) : CSettingPage(20054, pParent, m_pPjt) {}

void CServiceDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, 20374, m_cbAutoAdjustEnable);
  DDX_Control(pDX, 20375, m_chkIRFront);
  DDX_Control(pDX, 20376, m_chkIRRear);
  DDX_Control(pDX, 20377, m_chkIRTop);
  DDX_Control(pDX, 20378, m_cbIRFreqNormal);
  DDX_Control(pDX, 20379, m_cbIRFreqHigh);
  DDX_Control(pDX, 20381, m_cbFocusLock);
}

BOOL CServiceDlg::OnInitDialog() {
  CSettingPage::OnInitDialog();
  for (const ListRow* row : {&kAutoAdjustEnable, &kIRFreqHigh, &kIRFreqNormal, &kFocusLock}) FillList(*row);
  if (m_nModelNo >= 37 && m_nModelNo <= 45)
    FillList(kAutoAdjustEnable.list, std::array{Msg(5, 141), Msg(5, 1004), Msg(5, 1005)});
  InitDisp();
  return TRUE;
}

void CServiceDlg::InitDisp() {
  ReadList(kAutoAdjustEnable);
  ReadCheck(kIRFront);
  ReadCheck(kIRRear);
  ReadCheck(kIRTop);
  ReadList(kIRFreqNormal);
  ReadList(kIRFreqHigh);
  if (m_nModelNo != 44)
    Show({kFocusLockLabel, kFocusLockColon, kFocusLock.list}, false);
  else
    ReadList(kFocusLock);
}

void CServiceDlg::OnBnClickedSvcBtnclose() { EndDialog(IDOK); }
void CServiceDlg::OnCbnSelchangeSvcAtadjenbcomb() { ListChanged(kAutoAdjustEnable); }
void CServiceDlg::OnBnClickedSvcIrfrontchk() { CheckClicked(kIRFront); }
void CServiceDlg::OnBnClickedSvcIrrearchk() { CheckClicked(kIRRear); }
void CServiceDlg::OnBnClickedSvcIrtopchk() { CheckClicked(kIRTop); }
void CServiceDlg::OnCbnSelchangeSvcIrfreqncomb() { ListChanged(kIRFreqNormal); }
void CServiceDlg::OnCbnSelchangeSvcIrfreqhcomb() { ListChanged(kIRFreqHigh); }
void CServiceDlg::OnCbnSelchangeSvcFocuslockcomb() { ListChanged(kFocusLock); }
