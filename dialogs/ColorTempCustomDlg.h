#pragma once
// The custom colour temperature editor: the projector's test pattern and the
// red, green and blue gains and offsets, each with a slider group and,
// except from the type-4 picture page, a reset button.
#include <cstdint>

#include "dialogs/CustomAdjustDlg.h"

class CColorTempCustomDlg : public CCustomAdjustDlg {
 public:
  // `bType4`: opened from the type-4 picture page. The owner, when no parent
  // is given, is the Expert Control dialog the user is working in.
  explicit CColorTempCustomDlg(bool bType4, CWnd* pParent = nullptr);

  CPjtInterface* m_pPjt = nullptr;
  std::int16_t m_nGainR = 0;  // shown: raw - 128
  std::int16_t m_nGainG = 0;
  std::int16_t m_nGainB = 0;
  std::int16_t m_nOffsetR = 0;
  std::int16_t m_nOffsetG = 0;
  std::int16_t m_nOffsetB = 0;
  CComboBox m_cbPattern;
  CSliderCtrl m_slValue[6];

  BOOL OnInitDialog() override;
  void InitDisp() override;

  void OnCbnSelchangeColorTempPattern();
  void OnBnClickedColorTempGainRMinus();
  void OnBnClickedColorTempGainRPlus();
  void OnBnClickedColorTempGainGMinus();
  void OnBnClickedColorTempGainGPlus();
  void OnBnClickedColorTempGainBMinus();
  void OnBnClickedColorTempGainBPlus();
  void OnBnClickedColorTempOffsetRMinus();
  void OnBnClickedColorTempOffsetRPlus();
  void OnBnClickedColorTempOffsetGMinus();
  void OnBnClickedColorTempOffsetGPlus();
  void OnBnClickedColorTempOffsetBMinus();
  void OnBnClickedColorTempOffsetBPlus();
  void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) override;
  void OnBnClickedColorTempGainRReset();
  void OnBnClickedColorTempGainGReset();
  void OnBnClickedColorTempGainBReset();
  void OnBnClickedColorTempOffsetRReset();
  void OnBnClickedColorTempOffsetGReset();
  void OnBnClickedColorTempOffsetBReset();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  DECLARE_MESSAGE_MAP()

 private:
  // Value 0..5: gain R, G, B, offset R, G, B.
  void ResetValue(int value, bool (CPjtInterface::*reset)(), std::int16_t (CPjtInterface::*read)());
};
