#pragma once
// The setup page of type 2: volume, whisper and, by model, the infra-red
// receivers (models 6 and 7) or auto power off (the others).
#include <cstdint>

#include "pages/common/SettingPage.h"

class CSetupTabType2Dlg : public expert::pages::CSettingPage {
 public:
  explicit CSetupTabType2Dlg(CWnd* pParent = nullptr);

  std::int16_t m_nVolume = 0;        // raw level
  std::int16_t m_nAutoPowerOff = 0;  // raw minutes
  CPjtInterface* m_pPjt = nullptr;
  CSliderCtrl m_slAutoPowerOff;
  CComboBox m_cbWhisper;
  CSliderCtrl m_slVolume;

  BOOL OnInitDialog() override;
  void InitDisp() override;

  void OnBnClickedAutoPowerOffMinus();
  void OnBnClickedAutoPowerOffPlus();
  void OnBnClickedVolumeMinus();
  void OnBnClickedVolumePlus();
  void OnCbnSelchangeWhisper();
  void OnBnClickedIRFront();
  void OnBnClickedIRRear();
  void OnBnClickedIRTop();
  void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  DECLARE_MESSAGE_MAP()

 private:
  bool HasReceivers() const;
};
