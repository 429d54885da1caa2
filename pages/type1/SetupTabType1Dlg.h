#pragma once
// The setup page of type 1: volume, speaker, screen type, the infra-red
// receivers and remote ID, auto adjust enable, lens type and lens lock.
#include <cstdint>

#include "pages/common/SettingPage.h"

class CSetupTabType1Dlg : public expert::pages::CSettingPage {
 public:
  explicit CSetupTabType1Dlg(CWnd* pParent = nullptr);

  std::int16_t m_nVolume = 0;  // raw level
  CPjtInterface* m_pPjt = nullptr;
  CComboBox m_cbScreenType;
  CComboBox m_cbAutoAdjustEnable;
  CComboBox m_cbLensLock;
  CComboBox m_cbLensType;
  CComboBox m_cbIRRemoteID;
  CComboBox m_cbSpeaker;
  CSliderCtrl m_slVolume;

  BOOL OnInitDialog() override;
  void InitDisp() override;

  void OnBnClickedVolumeMinus();
  void OnBnClickedVolumePlus();
  void OnCbnSelchangeSpeaker();
  void OnBnClickedIRFront();
  void OnBnClickedIRRear();
  void OnBnClickedIRTop();
  void OnCbnSelchangeIRRemoteID();
  void OnCbnSelchangeLensType();
  void OnCbnSelchangeLensLock();
  void OnCbnSelchangeAutoAdjustEnable();
  void OnCbnSelchangeScreenType();
  void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  DECLARE_MESSAGE_MAP()
};
