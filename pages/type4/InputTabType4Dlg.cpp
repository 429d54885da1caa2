#include "pages/type4/InputTabType4Dlg.h"

#include "frame/ExpertDlg.h"
#include "projector/CommandCodes.h"

using namespace expert::pages;

namespace {

const ListRow kProgressive{.list = 20221,
                           .io = {.code = pjcode::kProgressive, .set = Setter<&CPjtInterface::SetProgressive>}};
const ListRow k3DYCS{.list = 20111, .io = {.code = pjcode::kYcs3D, .set = Setter<&CPjtInterface::Set3DYCS>},
                     .items = {Msg(5, 30), Msg(5, 338), Msg(5, 97)}};
// The projector counts noise reduction from 1; the library adds the 1 back
// to the position it is given.
const ListRow kVideoNR{
    .list = 20220,
    .io = {.code = pjcode::kVideoNoiseReduction,
           .set = [](CPjtInterface& pjt, int position) { pjt.SetVideoNR(position, 1); return true; }},
    .map = {.position = [](const CExpertDlg&, const CComboBox&, int value) { return value - 1; }},
    .items = {Msg(5, 251), Msg(5, 252), Msg(5, 253)}};

}  // namespace

BEGIN_MESSAGE_MAP(CInputTabType4Dlg, CSettingPage)
  ON_CBN_SELCHANGE(20221, &CInputTabType4Dlg::OnCbnSelchangeProgressive)
  ON_CBN_SELCHANGE(20111, &CInputTabType4Dlg::OnCbnSelchange3DYCS)
  ON_CBN_SELCHANGE(20220, &CInputTabType4Dlg::OnCbnSelchangeVideoNR)
END_MESSAGE_MAP()

CInputTabType4Dlg::CInputTabType4Dlg(CWnd* pParent) : CSettingPage(20031, pParent, m_pPjt) {}

void CInputTabType4Dlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, kVideoNR.list, m_cbVideoNR);
  DDX_Control(pDX, k3DYCS.list, m_cb3DYCS);
  DDX_Control(pDX, kProgressive.list, m_cbProgressive);
}

// Only models 9 and 22 have these settings (and a tab for this page).
bool CInputTabType4Dlg::HasRows() const { return Host().m_nModelNo == 9 || Host().m_nModelNo == 22; }

BOOL CInputTabType4Dlg::OnInitDialog() {
  CSettingPage::OnInitDialog();
  if (!HasRows()) Show({kProgressive.list, k3DYCS.list, kVideoNR.list, 20217, 20218, 20219}, false);
  // "TV" and "FILM" are shown as the template has them.
  ReplaceFirstItem(kProgressive.list, Msg(5, 30));
  FillList(k3DYCS);
  FillList(kVideoNR);
  return TRUE;
}

void CInputTabType4Dlg::InitDisp() {
  Enable({kProgressive.list, k3DYCS.list, kVideoNR.list});
  if (!HasRows()) return;
  ReadList(kProgressive);
  ReadList(k3DYCS);
  ReadList(kVideoNR);
}

void CInputTabType4Dlg::OnCbnSelchangeProgressive() { ListChanged(kProgressive); }
void CInputTabType4Dlg::OnCbnSelchange3DYCS() { ListChanged(k3DYCS); }
void CInputTabType4Dlg::OnCbnSelchangeVideoNR() { ListChanged(kVideoNR); }
