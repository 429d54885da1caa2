#pragma once
// The picture page of type 3: picture levels, picture position, H phase,
// H size and aspect on one page, with a reset list. Models 8 and 10, 47, 48
// differ in their default ranges and button limits.
#include <cstdint>

#include "pages/common/SettingPage.h"

class CPictureTabType3Dlg : public expert::pages::CSettingPage {
 public:
  explicit CPictureTabType3Dlg(CWnd* pParent = nullptr);

  std::int16_t m_nContrastMax = 0;  // the contrast slider's ends, where its buttons stop
  std::int16_t m_nContrastMin = 0;
  std::int16_t m_nBrightness = 0;  // shown: raw - 128, down to m_nColorBalR
  std::int16_t m_nContrast = 0;
  std::int16_t m_nTint = 0;
  std::int16_t m_nColor = 0;
  std::int16_t m_nSharpness = 0;
  std::int16_t m_nColorBalB = 0;
  std::int16_t m_nColorBalR = 0;
  std::int16_t m_nPosV = 0;  // as read
  std::int16_t m_nPosH = 0;
  std::int16_t m_nHSize = 0;
  std::int16_t m_nHPhase = 0;
  CPjtInterface* m_pPjt = nullptr;
  CComboBox m_cbReset;
  CComboBox m_cbAspect;
  CSliderCtrl m_slHPhase;
  CSliderCtrl m_slTint;
  CSliderCtrl m_slSharpness;
  CSliderCtrl m_slColor;
  CSliderCtrl m_slColorBalR;
  CSliderCtrl m_slColorBalB;
  CSliderCtrl m_slBrightness;
  CSliderCtrl m_slContrast;
  expert::pages::ArrowBitmaps m_bmpArrows;

  BOOL OnInitDialog() override;
  void InitDisp() override;

  void OnBnClickedBrightnessMinus();
  void OnBnClickedBrightnessPlus();
  void OnBnClickedContrastMinus();
  void OnBnClickedContrastPlus();
  void OnBnClickedHPhaseMinus();
  void OnBnClickedHPhasePlus();
  void OnBnClickedSharpnessMinus();
  void OnBnClickedSharpnessPlus();
  void OnBnClickedColorMinus();
  void OnBnClickedColorPlus();
  void OnBnClickedTintMinus();
  void OnBnClickedTintPlus();
  void OnBnClickedColorBalRMinus();
  void OnBnClickedColorBalRPlus();
  void OnBnClickedColorBalBMinus();
  void OnBnClickedColorBalBPlus();
  void OnBnClickedPositionUp();
  void OnBnClickedPositionDown();
  void OnBnClickedPositionLeft();
  void OnBnClickedPositionRight();
  void OnBnClickedHSizeMinus();
  void OnBnClickedHSizePlus();
  void OnCbnSelchangeAspect();
  void OnBnClickedResetExecute();
  void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  DECLARE_MESSAGE_MAP()

 private:
  // Models 10, 47 and 48 have narrower sharpness and tint and wider colour.
  bool IsModel10Family() const;
  const expert::pages::SliderGroup& Sharpness() const;
  const expert::pages::SliderGroup& Color() const;
  const expert::pages::SliderGroup& Tint() const;
  const expert::pages::ListRow& Aspect() const;
};
