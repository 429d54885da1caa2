#include "pages/type3/InputTabType3Dlg.h"

#include <array>

#include "frame/ExpertDlg.h"
#include "pages/common/VideoFormat.h"
#include "projector/CommandCodes.h"

using namespace expert::pages;

namespace {

constexpr int kAutoAdjust = 20108;

// The projector reports the format's value; the library takes the list
// position and turns it into that value itself.
const ListRow kVideoFormat{
    .list = 20109,
    .io = {.code = pjcode::kVideoFormat, .set = Setter<&CPjtInterface::SetVideoFormat>},
    .map = {.position = [](const CExpertDlg&, const CComboBox&, int value) {
      return VideoFmtToIdx(static_cast<std::int16_t>(value));
    }}};
// Video NR always goes with a second argument of 0.
const ListRow kVideoNR{.list = 20110,
                       .io = {.code = pjcode::kVideoNoiseReduction,
                              .set = [](CPjtInterface& pjt, int position) {
                                pjt.SetVideoNR(position, 0);
                                return true;
                              }},
                       .items = {Msg(5, 30), Msg(5, 31)}};
// Progressive keeps its template item "TV" between "Off" and "FILM".
const ListRow kProgressive{.list = 21054,
                           .io = {.code = pjcode::kProgressive, .set = Setter<&CPjtInterface::SetProgressive>}};
const ListRow kBlack{.list = 21055, .io = {.code = pjcode::kBlackLevel, .set = Setter<&CPjtInterface::SetBlack>},
                     .items = {Msg(5, 30), Msg(5, 31)}};
const ListRow kHDTV{.list = 20111, .io = {.code = pjcode::kHDTV, .set = Setter<&CPjtInterface::SetHDTV>}};

}  // namespace

BEGIN_MESSAGE_MAP(CInputTabType3Dlg, CSettingPage)
  ON_BN_CLICKED(kAutoAdjust, &CInputTabType3Dlg::OnBnClickedAutoAdjust)
  ON_CBN_SELCHANGE(20109, &CInputTabType3Dlg::OnCbnSelchangeVideoFormat)
  ON_CBN_SELCHANGE(20110, &CInputTabType3Dlg::OnCbnSelchangeVideoNR)
  ON_CBN_SELCHANGE(21054, &CInputTabType3Dlg::OnCbnSelchangeProgressive)
  ON_CBN_SELCHANGE(21055, &CInputTabType3Dlg::OnCbnSelchangeBlack)
  ON_CBN_SELCHANGE(20111, &CInputTabType3Dlg::OnCbnSelchangeHDTV)
END_MESSAGE_MAP()

CInputTabType3Dlg::CInputTabType3Dlg(CWnd* pParent) : CSettingPage(20018, pParent, m_pPjt) {}

void CInputTabType3Dlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, 20110, m_cbVideoNR);
  DDX_Control(pDX, 20109, m_cbVideoFormat);
  DDX_Control(pDX, 21054, m_cbProgressive);
  DDX_Control(pDX, 20111, m_cbHDTV);
  DDX_Control(pDX, 21055, m_cbBlack);
}

BOOL CInputTabType3Dlg::OnInitDialog() {
  CSettingPage::OnInitDialog();
  ReplaceFirstItem(kVideoFormat.list, Msg(5, 98));
  FillList(kVideoNR);
  FillList(kBlack);
  ReplaceFirstItem(kProgressive.list, Msg(5, 30));
  m_cbProgressive.DeleteString(2);
  m_cbProgressive.InsertString(2, CatalogText(Msg(5, 326)));
  return TRUE;
}

void CInputTabType3Dlg::InitDisp() {
  Enable({kVideoFormat.list, kVideoNR.list, kProgressive.list, kBlack.list, kHDTV.list});
  ReadList(kVideoFormat);
  ReadList(kVideoNR);
  ReadList(kProgressive);
  ReadList(kBlack);
  ReadList(kHDTV);
}

// Nothing is read back: the projector adjusts by itself.
void CInputTabType3Dlg::OnBnClickedAutoAdjust() {
  if (Pjt()) Pjt()->ExecAutoAdjust();
}

void CInputTabType3Dlg::OnCbnSelchangeVideoFormat() { ListChanged(kVideoFormat); }
void CInputTabType3Dlg::OnCbnSelchangeVideoNR() { ListChanged(kVideoNR); }
void CInputTabType3Dlg::OnCbnSelchangeProgressive() { ListChanged(kProgressive); }
void CInputTabType3Dlg::OnCbnSelchangeBlack() { ListChanged(kBlack); }
void CInputTabType3Dlg::OnCbnSelchangeHDTV() { ListChanged(kHDTV); }
