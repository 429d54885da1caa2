#pragma once
// The control page of types 1 to 3: power, input, blank, mute, freeze,
// magnify, keystone and, on type 3, display position, zoom and focus.
#include <cstdint>

#include "pages/common/SettingPage.h"

class CControlTabDlg : public expert::pages::CSettingPage {
 public:
  explicit CControlTabDlg(CWnd* pParent = nullptr);

  std::int16_t m_nMagnify = 0;
  std::int16_t m_nKeystoneV = 0;  // shown: raw - 128
  std::int16_t m_nKeystoneH = 0;  // shown: raw - 128
  CPjtInterface* m_pPjt = nullptr;
  CComboBox m_cbDisplayPos;
  CComboBox m_cbBlank;
  CComboBox m_cbFreeze;
  CComboBox m_cbMute;
  CSliderCtrl m_slMagnify;
  CComboBox m_cbReset;
  CComboBox m_cbPower;
  CSliderCtrl m_slKeystoneV;
  CSliderCtrl m_slKeystoneH;
  CComboBox m_cbInput;

  BOOL OnInitDialog() override;
  void InitDisp() override;

  void OnCbnSelchangePower();
  void OnCbnSelchangeInputSource();
  void OnCbnSelchangeBlank();
  void OnCbnSelchangeMute();
  void OnCbnSelchangeFreeze();
  void OnCbnSelchangeDisplayPosition();
  void OnBnClickedMagnifyMinus();
  void OnBnClickedMagnifyPlus();
  void OnBnClickedKeystoneVMinus();
  void OnBnClickedKeystoneVPlus();
  void OnBnClickedKeystoneHMinus();
  void OnBnClickedKeystoneHPlus();
  void OnBnClickedZoomMinus();
  void OnBnClickedZoomPlus();
  void OnBnClickedFocusMinus();
  void OnBnClickedFocusPlus();
  void OnBnClickedResetExecute();
  void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  DECLARE_MESSAGE_MAP()

 private:
  bool HasKeystone() const;
};
