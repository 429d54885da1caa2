#pragma once
// The user gamma editor: the projector's test pattern and eight gamma
// points, each with a slider group and, except from the type-4 picture
// page, a reset button.
#include <cstdint>

#include "dialogs/CustomAdjustDlg.h"

class CGammaCustomDlg : public CCustomAdjustDlg {
 public:
  // `bType4`: opened from the type-4 picture page. The owner, when no parent
  // is given, is the Expert Control dialog the user is working in.
  explicit CGammaCustomDlg(bool bType4, CWnd* pParent = nullptr);

  CPjtInterface* m_pPjt = nullptr;
  std::int16_t m_nPoint1 = 0;  // shown: raw - 128
  std::int16_t m_nPoint2 = 0;
  std::int16_t m_nPoint3 = 0;
  std::int16_t m_nPoint4 = 0;
  std::int16_t m_nPoint5 = 0;
  std::int16_t m_nPoint6 = 0;
  std::int16_t m_nPoint7 = 0;
  std::int16_t m_nPoint8 = 0;
  CComboBox m_cbPattern;
  CSliderCtrl m_slPoint[8];

  BOOL OnInitDialog() override;
  void InitDisp() override;

  void OnCbnSelchangeGammaPattern();
  void OnBnClickedGammaPoint1Minus();
  void OnBnClickedGammaPoint1Plus();
  void OnBnClickedGammaPoint2Minus();
  void OnBnClickedGammaPoint2Plus();
  void OnBnClickedGammaPoint3Minus();
  void OnBnClickedGammaPoint3Plus();
  void OnBnClickedGammaPoint4Minus();
  void OnBnClickedGammaPoint4Plus();
  void OnBnClickedGammaPoint5Minus();
  void OnBnClickedGammaPoint5Plus();
  void OnBnClickedGammaPoint6Minus();
  void OnBnClickedGammaPoint6Plus();
  void OnBnClickedGammaPoint7Minus();
  void OnBnClickedGammaPoint7Plus();
  void OnBnClickedGammaPoint8Minus();
  void OnBnClickedGammaPoint8Plus();
  void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) override;
  void OnBnClickedGammaPoint1Reset();
  void OnBnClickedGammaPoint2Reset();
  void OnBnClickedGammaPoint3Reset();
  void OnBnClickedGammaPoint4Reset();
  void OnBnClickedGammaPoint5Reset();
  void OnBnClickedGammaPoint6Reset();
  void OnBnClickedGammaPoint7Reset();
  void OnBnClickedGammaPoint8Reset();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  DECLARE_MESSAGE_MAP()

 private:
  std::int16_t& Point(int point);  // 1..8
  void ResetPoint(int point);
};
