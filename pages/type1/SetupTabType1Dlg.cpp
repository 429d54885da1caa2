#include "pages/type1/SetupTabType1Dlg.h"

#include "pages/type1/TwinRows.h"
#include "projector/CommandCodes.h"

using namespace expert::pages;

namespace {

const SliderGroup kVolume = twin::Volume(21101, 21102, 21103, 21120);
const ListRow kSpeaker{.list = 21054, .io = {.code = pjcode::kSpeaker, .set = Setter<&CPjtInterface::SetSpeaker>},
                       .items = {Msg(5, 327), Msg(5, 329)}};
const ListRow kScreenType{.list = 21056,
                          .io = {.code = pjcode::kScreenType, .set = Setter<&CPjtInterface::SetScreenType>},
                          .items = {Msg(5, 133), Msg(5, 134), Msg(5, 135), Msg(5, 136)}};
const CheckRow kIRFront = twin::IRFront(21096);
const CheckRow kIRRear = twin::IRRear(21097);
const CheckRow kIRTop = twin::IRTop(21098);
// Remote ID and lens type keep the template's numbered items after "All".
const ListRow kIRRemoteID{.list = 21055,
                          .io = {.code = pjcode::kIRRemoteID, .set = Setter<&CPjtInterface::SetIPRemoteID>}};
const ListRow kAutoAdjustEnable{
    .list = 21113, .io = {.code = pjcode::kAutoAdjustEnable, .set = Setter<&CPjtInterface::SetAutoAdjustEnable>},
    .items = {Msg(5, 141), Msg(5, 142)}};
const ListRow kLensType{.list = 21109, .io = {.code = pjcode::kLensType, .set = Setter<&CPjtInterface::SetLensType>}};
const ListRow kLensLock{.list = 21110, .io = {.code = pjcode::kLensLock, .set = Setter<&CPjtInterface::SetLensLock>},
                        .items = {Msg(5, 327), Msg(5, 329)}};

}  // namespace

BEGIN_MESSAGE_MAP(CSetupTabType1Dlg, CSettingPage)
  ON_BN_CLICKED(21101, &CSetupTabType1Dlg::OnBnClickedVolumeMinus)
  ON_BN_CLICKED(21103, &CSetupTabType1Dlg::OnBnClickedVolumePlus)
  ON_CBN_SELCHANGE(21054, &CSetupTabType1Dlg::OnCbnSelchangeSpeaker)
  ON_BN_CLICKED(21096, &CSetupTabType1Dlg::OnBnClickedIRFront)
  ON_BN_CLICKED(21097, &CSetupTabType1Dlg::OnBnClickedIRRear)
  ON_BN_CLICKED(21098, &CSetupTabType1Dlg::OnBnClickedIRTop)
  ON_CBN_SELCHANGE(21055, &CSetupTabType1Dlg::OnCbnSelchangeIRRemoteID)
  ON_CBN_SELCHANGE(21109, &CSetupTabType1Dlg::OnCbnSelchangeLensType)
  ON_CBN_SELCHANGE(21110, &CSetupTabType1Dlg::OnCbnSelchangeLensLock)
  ON_CBN_SELCHANGE(21113, &CSetupTabType1Dlg::OnCbnSelchangeAutoAdjustEnable)
  ON_CBN_SELCHANGE(21056, &CSetupTabType1Dlg::OnCbnSelchangeScreenType)
END_MESSAGE_MAP()

CSetupTabType1Dlg::CSetupTabType1Dlg(CWnd* pParent) : CSettingPage(22159, pParent, m_pPjt) {}

void CSetupTabType1Dlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, 21056, m_cbScreenType);
  DDX_Control(pDX, 21113, m_cbAutoAdjustEnable);
  DDX_Control(pDX, 21110, m_cbLensLock);
  DDX_Control(pDX, 21109, m_cbLensType);
  DDX_Control(pDX, 21055, m_cbIRRemoteID);
  DDX_Control(pDX, 21054, m_cbSpeaker);
  DDX_Control(pDX, 21102, m_slVolume);
}

BOOL CSetupTabType1Dlg::OnInitDialog() {
  CSettingPage::OnInitDialog();
  SetupSlider(kVolume);
  FillList(kSpeaker);
  FillList(kLensLock);
  FillList(kScreenType);
  ReplaceFirstItem(kIRRemoteID.list, Msg(5, 372));
  ReplaceFirstItem(kLensType.list, Msg(5, 373));
  FillList(kAutoAdjustEnable);
  return TRUE;
}

void CSetupTabType1Dlg::InitDisp() {
  EnableGroup(kVolume);
  Enable({kIRFront.box, kIRRear.box, kIRTop.box, kSpeaker.list, kScreenType.list, kIRRemoteID.list,
          kAutoAdjustEnable.list, kLensType.list, kLensLock.list});
  ReadSlider(kVolume, m_nVolume);
  ReadList(kSpeaker);
  ReadList(kScreenType);
  ReadCheck(kIRFront);
  ReadCheck(kIRRear);
  ReadCheck(kIRTop);
  ReadList(kIRRemoteID);
  ReadList(kAutoAdjustEnable);
  ReadList(kLensType);
  ReadList(kLensLock);
}

void CSetupTabType1Dlg::OnBnClickedVolumeMinus() { StepDown(kVolume, m_nVolume); }
void CSetupTabType1Dlg::OnBnClickedVolumePlus() { StepUp(kVolume, m_nVolume); }
void CSetupTabType1Dlg::OnCbnSelchangeSpeaker() { ListChanged(kSpeaker); }
void CSetupTabType1Dlg::OnBnClickedIRFront() { CheckClicked(kIRFront); }
void CSetupTabType1Dlg::OnBnClickedIRRear() { CheckClicked(kIRRear); }
void CSetupTabType1Dlg::OnBnClickedIRTop() { CheckClicked(kIRTop); }
void CSetupTabType1Dlg::OnCbnSelchangeIRRemoteID() { ListChanged(kIRRemoteID); }
void CSetupTabType1Dlg::OnCbnSelchangeLensType() { ListChanged(kLensType); }
void CSetupTabType1Dlg::OnCbnSelchangeLensLock() { ListChanged(kLensLock); }
void CSetupTabType1Dlg::OnCbnSelchangeAutoAdjustEnable() { ListChanged(kAutoAdjustEnable); }
void CSetupTabType1Dlg::OnCbnSelchangeScreenType() { ListChanged(kScreenType); }

void CSetupTabType1Dlg::OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) {
  ReleaseSlider(nSBCode, pScrollBar, {{kVolume, m_nVolume}});
  CSettingPage::OnHScroll(nSBCode, nPos, pScrollBar);
}
