#pragma once
// The image page of types 4 and 5: aspect, over scan, picture position,
// H phase, H size, auto adjust and their resets.
#include <cstdint>

#include "pages/common/SettingPage.h"

class CImageTabType4Dlg : public expert::pages::CSettingPage {
 public:
  explicit CImageTabType4Dlg(CWnd* pParent = nullptr);

  std::int16_t m_nHSize = 0;
  std::int16_t m_nHPosition = 0;
  std::int16_t m_nVPosition = 0;
  std::int16_t m_nHPhase = 0;
  std::int16_t m_nOverScan = 0;  // projector units
  std::int16_t m_nHPhaseMax = 31;
  std::int16_t m_nHPhaseMin = 0;
  CPjtInterface* m_pPjt = nullptr;
  int m_nModelType = 0;
  CComboBox m_cbReset;
  CSliderCtrl m_slHPhase;
  CSliderCtrl m_slOverScan;
  CComboBox m_cbAspect;
  expert::pages::ArrowBitmaps m_bmpArrows;

  BOOL OnInitDialog() override;
  void InitDisp() override;

  void OnCbnSelchangeAspect();
  void OnBnClickedOverScanMinus();
  void OnBnClickedOverScanPlus();
  void OnBnClickedPositionUp();
  void OnBnClickedPositionDown();
  void OnBnClickedPositionLeft();
  void OnBnClickedPositionRight();
  void OnBnClickedHPhaseMinus();
  void OnBnClickedHPhasePlus();
  void OnBnClickedHSizeMinus();
  void OnBnClickedHSizePlus();
  void OnBnClickedAutoAdjust();
  void OnBnClickedResetExecute();
  void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  DECLARE_MESSAGE_MAP()

 private:
  // Type 5 shows over scan as the projector's value - 90.
  const expert::pages::SliderGroup& OverScan() const;
};
