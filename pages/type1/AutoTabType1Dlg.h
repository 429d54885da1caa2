#pragma once
// The auto page of type 1: automatic adjustment, auto power off, auto power
// on and auto search.
#include <cstdint>

#include "pages/common/SettingPage.h"

class CAutoTabType1Dlg : public expert::pages::CSettingPage {
 public:
  explicit CAutoTabType1Dlg(CWnd* pParent = nullptr);

  CPjtInterface* m_pPjt = nullptr;
  std::int16_t m_nAutoPowerOff = 0;  // raw minutes
  CSliderCtrl m_slAutoPowerOff;
  CComboBox m_cbAutoPowerOn;
  CComboBox m_cbAutoSearch;

  BOOL OnInitDialog() override;
  void InitDisp() override;

  void OnBnClickedAutoAdjustExecute();
  void OnBnClickedAutoPowerOffMinus();
  void OnBnClickedAutoPowerOffPlus();
  void OnCbnSelchangeAutoPowerOn();
  void OnCbnSelchangeAutoSearch();
  void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  DECLARE_MESSAGE_MAP()
};
