#include "pages/type4/SignalTabType4Dlg.h"

#include "pages/common/VideoFormat.h"
#include "projector/CommandCodes.h"

using namespace expert::pages;

namespace {

const ListRow kColorSpace{.list = 20222,
                          .io = {.code = pjcode::kColourSpace, .set = Setter<&CPjtInterface::SetColorSpace>}};
const ListRow kComponent{.list = 20223,
                         .io = {.code = pjcode::kComponentInputMode, .set = Setter<&CPjtInterface::SetComponent>}};
// The library turns the position back into the projector's format value.
const ListRow kVideoFormat{
    .list = 20224, .io = {.code = pjcode::kVideoFormat, .set = Setter<&CPjtInterface::SetVideoFormat>},
    .map = {.position = [](const CExpertDlg&, const CComboBox&, int value) {
      return VideoFmtToIdx(static_cast<std::int16_t>(value));
    }}};
const ListRow kFrameLock{.list = 20225, .io = {.code = pjcode::kFrameLock, .set = Setter<&CPjtInterface::SetFrameLock>},
                         .items = {Msg(5, 327), Msg(5, 329)}};
const ListRow kDVI{.list = 21060, .io = {.code = pjcode::kDVIInputMode, .set = Setter<&CPjtInterface::SetDVI>},
                   .items = {Msg(5, 340), Msg(5, 341)}};

}  // namespace

BEGIN_MESSAGE_MAP(CSignalTabType4Dlg, CSettingPage)
  ON_CBN_SELCHANGE(20222, &CSignalTabType4Dlg::OnCbnSelchangeColorSpace)
  ON_CBN_SELCHANGE(20223, &CSignalTabType4Dlg::OnCbnSelchangeComponent)
  ON_CBN_SELCHANGE(20224, &CSignalTabType4Dlg::OnCbnSelchangeVideoFormat)
  ON_CBN_SELCHANGE(20225, &CSignalTabType4Dlg::OnCbnSelchangeFrameLock)
  ON_CBN_SELCHANGE(21060, &CSignalTabType4Dlg::OnCbnSelchangeDVI)
END_MESSAGE_MAP()

CSignalTabType4Dlg::CSignalTabType4Dlg(CWnd* pParent) : CSettingPage(20033, pParent, m_pPjt) {}

void CSignalTabType4Dlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, kDVI.list, m_cbDVI);
  DDX_Control(pDX, kFrameLock.list, m_cbFrameLock);
  DDX_Control(pDX, kVideoFormat.list, m_cbVideoFormat);
  DDX_Control(pDX, kComponent.list, m_cbComponent);
  DDX_Control(pDX, kColorSpace.list, m_cbColorSpace);
}

BOOL CSignalTabType4Dlg::OnInitDialog() {
  CSettingPage::OnInitDialog();
  // Only "Auto" is translated; the standards' names stay as the template has them.
  ReplaceFirstItem(kColorSpace.list, Msg(5, 98));
  ReplaceFirstItem(kVideoFormat.list, Msg(5, 98));
  FillList(kFrameLock);
  FillList(kDVI);
  return TRUE;
}

void CSignalTabType4Dlg::InitDisp() {
  Enable({kColorSpace.list, kComponent.list, kVideoFormat.list, kFrameLock.list, kDVI.list});
  ReadList(kColorSpace);
  ReadList(kComponent);
  ReadList(kVideoFormat);
  ReadList(kFrameLock);
  ReadList(kDVI);
}

void CSignalTabType4Dlg::OnCbnSelchangeColorSpace() { ListChanged(kColorSpace); }
void CSignalTabType4Dlg::OnCbnSelchangeComponent() { ListChanged(kComponent); }
void CSignalTabType4Dlg::OnCbnSelchangeVideoFormat() { ListChanged(kVideoFormat); }
void CSignalTabType4Dlg::OnCbnSelchangeFrameLock() { ListChanged(kFrameLock); }
void CSignalTabType4Dlg::OnCbnSelchangeDVI() { ListChanged(kDVI); }
