#pragma once
// The control page of types 4 and 5: power, input, picture mode, blank, mute,
// freeze, QuickPic, magnify and, by model, focus, keystone and its resets.
#include <cstdint>

#include "pages/common/SettingPage.h"

class CControlTabType4Dlg : public expert::pages::CSettingPage {
 public:
  explicit CControlTabType4Dlg(CWnd* pParent = nullptr);

  std::int16_t m_nMagnify = 0;
  std::int16_t m_nKeystoneV = 0;  // shown: raw - 128
  std::int16_t m_nKeystoneH = 0;  // shown: raw - 128
  CPjtInterface* m_pPjt = nullptr;
  CComboBox m_cbQuickPic;
  CComboBox m_cbBlank;
  CComboBox m_cbFreeze;
  CComboBox m_cbMute;
  CSliderCtrl m_slMagnify;
  CComboBox m_cbReset;
  CSliderCtrl m_slKeystoneH;
  CSliderCtrl m_slKeystoneV;
  CComboBox m_cbMode;
  CComboBox m_cbPower;
  CComboBox m_cbInput;
  CStatic m_stMode;

  BOOL OnInitDialog() override;
  void InitDisp() override;
  // The position of the first mode item whose data is `value`; -1 when none.
  int FindModeIndex(int value) const;

  void OnCbnSelchangePower();
  void OnCbnSelchangeInputSource();
  void OnCbnSelchangeMode();
  void OnCbnSelchangeBlank();
  void OnCbnSelchangeMute();
  void OnCbnSelchangeFreeze();
  void OnBnClickedMagnifyMinus();
  void OnBnClickedMagnifyPlus();
  void OnBnClickedKeystoneVMinus();
  void OnBnClickedKeystoneVPlus();
  void OnBnClickedKeystoneHMinus();
  void OnBnClickedKeystoneHPlus();
  void OnBnClickedAutoKeystone();
  void OnBnClickedResetExecute();
  void OnCbnSelchangeQuickPic();
  void OnBnClickedFocusMinus();
  void OnBnClickedFocusPlus();
  void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  DECLARE_MESSAGE_MAP()

 private:
  bool HasKeystone() const;
};
