#pragma once
// The option page of type 4: one touch, auto search, auto power off and the
// permission of auto adjust.
#include <cstdint>

#include "pages/common/SettingPage.h"

class COptionTabType4Dlg : public expert::pages::CSettingPage {
 public:
  explicit COptionTabType4Dlg(CWnd* pParent = nullptr);

  std::int16_t m_nAutoPowerOff = 0;
  CPjtInterface* m_pPjt = nullptr;
  CSliderCtrl m_slAutoPowerOff;
  CComboBox m_cbAutoAdjustEnable;
  CComboBox m_cbAutoSearch;
  CComboBox m_cbOneTouch;

  BOOL OnInitDialog() override;
  void InitDisp() override;

  void OnCbnSelchangeOneTouch();
  void OnCbnSelchangeAutoSearch();
  void OnCbnSelchangeAutoAdjustEnable();
  void OnBnClickedAutoPowerOffMinus();
  void OnBnClickedAutoPowerOffPlus();
  void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  DECLARE_MESSAGE_MAP()
};
