#pragma once
// The setup page of type 3: volume, menu colour, language, auto power off,
// sync on G, whisper and, on models 10, 47 and 48, the infra-red receivers.
#include <cstdint>

#include "pages/common/SettingPage.h"

class CSetupTabType3Dlg : public expert::pages::CSettingPage {
 public:
  explicit CSetupTabType3Dlg(CWnd* pParent = nullptr);

  std::int16_t m_nVolume = 0;
  std::int16_t m_nAutoPowerOff = 0;
  CPjtInterface* m_pPjt = nullptr;
  CComboBox m_cbSyncOnG;
  CComboBox m_cbWhisper;
  CSliderCtrl m_slAutoPowerOff;
  CComboBox m_cbLanguage;
  CComboBox m_cbMenuColor;
  CSliderCtrl m_slVolume;

  BOOL OnInitDialog() override;
  void InitDisp() override;

  void OnBnClickedVolumeMinus();
  void OnBnClickedVolumePlus();
  void OnBnClickedAutoPowerOffMinus();
  void OnBnClickedAutoPowerOffPlus();
  void OnCbnSelchangeMenuColor();
  void OnCbnSelchangeLanguage();
  void OnCbnSelchangeSyncOnG();
  void OnCbnSelchangeWhisper();
  void OnBnClickedIRFront();
  void OnBnClickedIRRear();
  void OnBnClickedIRTop();
  void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  DECLARE_MESSAGE_MAP()

 private:
  bool HasIRRemote() const;
};
