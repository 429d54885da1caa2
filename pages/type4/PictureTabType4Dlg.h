#pragma once
// The picture page of type 4: brightness, contrast, colour, tint and
// sharpness, the gamma and colour temperature modes with their custom
// editors, progressive scan (most models), My Memory and the reset of the
// five sliders.
#include <cstdint>

#include "pages/common/SettingPage.h"

class CPictureTabType4Dlg : public expert::pages::CSettingPage {
 public:
  explicit CPictureTabType4Dlg(CWnd* pParent = nullptr);

  std::int16_t m_nTint = 0;        // shown: raw - 128
  std::int16_t m_nColor = 0;       // shown: raw - 128
  std::int16_t m_nSharpness = 0;   // shown: raw - 125
  std::int16_t m_nBrightness = 0;  // shown: raw - 128
  std::int16_t m_nContrast = 0;    // shown: raw - 128
  CPjtInterface* m_pPjt = nullptr;
  CComboBox m_cbMyMemory;
  CComboBox m_cbReset;
  CComboBox m_cbProgressive;
  CComboBox m_cbColorTemp;
  CComboBox m_cbGamma;
  CSliderCtrl m_slSharpness;
  CSliderCtrl m_slTint;
  CSliderCtrl m_slColor;
  CSliderCtrl m_slContrast;
  CSliderCtrl m_slBrightness;

  BOOL OnInitDialog() override;
  void InitDisp() override;

  void OnBnClickedBrightnessMinus();
  void OnBnClickedBrightnessPlus();
  void OnBnClickedContrastMinus();
  void OnBnClickedContrastPlus();
  void OnBnClickedColorMinus();
  void OnBnClickedColorPlus();
  void OnBnClickedTintMinus();
  void OnBnClickedTintPlus();
  void OnBnClickedSharpnessMinus();
  void OnBnClickedSharpnessPlus();
  void OnCbnSelchangeColorTemp();
  void OnCbnSelchangeGamma();
  void OnCbnSelchangeProgressive();
  void OnBnClickedMyMemoryExecute();
  void OnBnClickedResetExecute();
  void OnBnClickedGammaCustom();
  void OnBnClickedColorTempCustom();
  void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  DECLARE_MESSAGE_MAP()

 private:
  bool HasProgressive() const;
  void EnableCustomButtons(bool gammaRead, bool colorTempRead);
};
