#include "pages/type1/AutoTabType1Dlg.h"

#include "pages/type1/TwinRows.h"
#include "projector/CommandCodes.h"

using namespace expert::pages;

namespace {

constexpr int kAutoAdjustExecute = 21079;
const SliderGroup kAutoPowerOff = twin::AutoPowerOff(21119, 20289, 21118, 21080);
const ListRow kAutoPowerOn{.list = 21082,
                           .io = {.code = pjcode::kAutoPowerOn, .set = Setter<&CPjtInterface::SetAutoPowerOn>},
                           .items = {Msg(5, 30), Msg(5, 31)}};
const ListRow kAutoSearch{.list = 21083,
                          .io = {.code = pjcode::kAutoSearch, .set = Setter<&CPjtInterface::SetAutoSearch>},
                          .items = {Msg(5, 30), Msg(5, 31)}};

}  // namespace

BEGIN_MESSAGE_MAP(CAutoTabType1Dlg, CSettingPage)
  ON_BN_CLICKED(kAutoAdjustExecute, &CAutoTabType1Dlg::OnBnClickedAutoAdjustExecute)
  ON_BN_CLICKED(21119, &CAutoTabType1Dlg::OnBnClickedAutoPowerOffMinus)
  ON_BN_CLICKED(21118, &CAutoTabType1Dlg::OnBnClickedAutoPowerOffPlus)
  ON_CBN_SELCHANGE(21082, &CAutoTabType1Dlg::OnCbnSelchangeAutoPowerOn)
  ON_CBN_SELCHANGE(21083, &CAutoTabType1Dlg::OnCbnSelchangeAutoSearch)
END_MESSAGE_MAP()

CAutoTabType1Dlg::CAutoTabType1Dlg(CWnd* pParent) : CSettingPage(22157, pParent, m_pPjt) {}

void CAutoTabType1Dlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, 20289, m_slAutoPowerOff);
  DDX_Control(pDX, 21082, m_cbAutoPowerOn);
  DDX_Control(pDX, 21083, m_cbAutoSearch);
}

BOOL CAutoTabType1Dlg::OnInitDialog() {
  CSettingPage::OnInitDialog();
  SetupSlider(kAutoPowerOff);
  FillList(kAutoPowerOn);
  FillList(kAutoSearch);
  return TRUE;
}

void CAutoTabType1Dlg::InitDisp() {
  EnableGroup(kAutoPowerOff);
  Enable({kAutoPowerOn.list, kAutoSearch.list});
  ReadSlider(kAutoPowerOff, m_nAutoPowerOff);
  ReadList(kAutoPowerOn);
  ReadList(kAutoSearch);
}

void CAutoTabType1Dlg::OnBnClickedAutoAdjustExecute() { twin::AutoAdjust(Pjt()); }
void CAutoTabType1Dlg::OnBnClickedAutoPowerOffMinus() { StepDown(kAutoPowerOff, m_nAutoPowerOff); }
void CAutoTabType1Dlg::OnBnClickedAutoPowerOffPlus() { StepUp(kAutoPowerOff, m_nAutoPowerOff); }
void CAutoTabType1Dlg::OnCbnSelchangeAutoPowerOn() { ListChanged(kAutoPowerOn); }
void CAutoTabType1Dlg::OnCbnSelchangeAutoSearch() { ListChanged(kAutoSearch); }

void CAutoTabType1Dlg::OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) {
  ReleaseSlider(nSBCode, pScrollBar, {{kAutoPowerOff, m_nAutoPowerOff}});
  CSettingPage::OnHScroll(nSBCode, nPos, pScrollBar);
}
