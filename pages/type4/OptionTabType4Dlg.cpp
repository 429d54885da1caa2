#include "pages/type4/OptionTabType4Dlg.h"

#include "projector/CommandCodes.h"

using namespace expert::pages;

namespace {

const ListRow kOneTouch{.list = 20258, .io = {.code = pjcode::kOneTouch, .set = Setter<&CPjtInterface::SetOneTouch>},
                        .items = {Msg(5, 160), Msg(5, 161)}};
const ListRow kAutoSearch{.list = 20259,
                          .io = {.code = pjcode::kAutoSearch, .set = Setter<&CPjtInterface::SetAutoSearch>},
                          .items = {Msg(5, 327), Msg(5, 329)}};
const ListRow kAutoAdjustEnable{
    .list = 20260, .io = {.code = pjcode::kAutoAdjustEnable, .set = Setter<&CPjtInterface::SetAutoAdjustEnable>},
    .items = {Msg(5, 141), Msg(5, 142)}};
const SliderGroup kAutoPowerOff = AutoPowerOffGroup({.minus = 20261, .slider = 20287, .plus = 20262, .box = 20263, .tick = 8});

}  // namespace

BEGIN_MESSAGE_MAP(COptionTabType4Dlg, CSettingPage)
  ON_CBN_SELCHANGE(20258, &COptionTabType4Dlg::OnCbnSelchangeOneTouch)
  ON_CBN_SELCHANGE(20259, &COptionTabType4Dlg::OnCbnSelchangeAutoSearch)
  ON_CBN_SELCHANGE(20260, &COptionTabType4Dlg::OnCbnSelchangeAutoAdjustEnable)
  ON_BN_CLICKED(20261, &COptionTabType4Dlg::OnBnClickedAutoPowerOffMinus)
  ON_BN_CLICKED(20262, &COptionTabType4Dlg::OnBnClickedAutoPowerOffPlus)
END_MESSAGE_MAP()

COptionTabType4Dlg::COptionTabType4Dlg(CWnd* pParent) : CSettingPage(20039, pParent, m_pPjt) {}

void COptionTabType4Dlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, kAutoPowerOff.slider, m_slAutoPowerOff);
  DDX_Control(pDX, kAutoAdjustEnable.list, m_cbAutoAdjustEnable);
  DDX_Control(pDX, kAutoSearch.list, m_cbAutoSearch);
  DDX_Control(pDX, kOneTouch.list, m_cbOneTouch);
}

BOOL COptionTabType4Dlg::OnInitDialog() {
  CSettingPage::OnInitDialog();
  SetupSlider(kAutoPowerOff);
  FillList(kOneTouch);
  FillList(kAutoSearch);
  FillList(kAutoAdjustEnable);
  return TRUE;
}

void COptionTabType4Dlg::InitDisp() {
  Enable({kOneTouch.list, kAutoSearch.list, kAutoAdjustEnable.list});
  EnableGroup(kAutoPowerOff);
  ReadList(kOneTouch);
  ReadList(kAutoSearch);
  ReadList(kAutoAdjustEnable);
  ReadSlider(kAutoPowerOff, m_nAutoPowerOff);
}

void COptionTabType4Dlg::OnCbnSelchangeOneTouch() { ListChanged(kOneTouch); }
void COptionTabType4Dlg::OnCbnSelchangeAutoSearch() { ListChanged(kAutoSearch); }
void COptionTabType4Dlg::OnCbnSelchangeAutoAdjustEnable() { ListChanged(kAutoAdjustEnable); }
void COptionTabType4Dlg::OnBnClickedAutoPowerOffMinus() { StepDown(kAutoPowerOff, m_nAutoPowerOff); }
void COptionTabType4Dlg::OnBnClickedAutoPowerOffPlus() { StepUp(kAutoPowerOff, m_nAutoPowerOff); }

void COptionTabType4Dlg::OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) {
  ReleaseSlider(nSBCode, pScrollBar, {{kAutoPowerOff, m_nAutoPowerOff}});
  CSettingPage::OnHScroll(nSBCode, nPos, pScrollBar);
}
