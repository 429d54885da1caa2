#pragma once
// What the picture pages of types 1 and 2 share, on the same control ids:
// the brightness and contrast groups, the aspect, mirror and language lists
// and the reset list. Each page hands over the rows that differ between the
// two (aspect texts, languages, resets) and adds its own rows.
#include <cstdint>

#include "pages/common/SettingPage.h"

class CPictureTwinDlg : public expert::pages::CSettingPage {
 public:
  std::int16_t m_nBrightness = 0;  // shown: raw - 128
  std::int16_t m_nContrast = 0;    // shown: raw - 128
  CComboBox m_cbReset;
  CComboBox m_cbLanguage;
  CComboBox m_cbMirror;
  CSliderCtrl m_slContrast;
  CSliderCtrl m_slBrightness;
  CComboBox m_cbAspect;

  void OnCbnSelchangeAspect();
  void OnCbnSelchangeMirror();
  void OnCbnSelchangeLanguage();
  void OnBnClickedBrightnessMinus();
  void OnBnClickedBrightnessPlus();
  void OnBnClickedContrastMinus();
  void OnBnClickedContrastPlus();
  void OnBnClickedResetExecute();
  void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) override;

 protected:
  struct OwnRows {
    const expert::pages::ListRow& aspect;
    const expert::pages::ListRow& language;
    const expert::pages::ResetList& resets;
  };
  CPictureTwinDlg(UINT templateId, CWnd* parent, CPjtInterface* const& pjt, OwnRows rows);
  void DoDataExchange(CDataExchange* pDX) override;

  // OnInitDialog: slider ranges and the shared lists.
  void SetUpShared();
  // InitDisp: enables the shared controls and selects the first reset.
  void EnableShared();
  void ReadBrightnessAndContrast();
  void ReadAspect();
  void ReadMirrorAndLanguage();
  DECLARE_MESSAGE_MAP()

 private:
  OwnRows m_own;
};
