#pragma once
// The position page of type 1: picture position arrows, horizontal size,
// horizontal phase and over scan, and their resets.
#include <cstdint>

#include "pages/type1/PositionTwinDlg.h"

class CPositionTabType1Dlg : public CPositionTwinDlg {
 public:
  explicit CPositionTabType1Dlg(CWnd* pParent = nullptr);

  std::int16_t m_nOverScan = 90;
  CPjtInterface* m_pPjt = nullptr;
  CComboBox m_cbReset;
  CSliderCtrl m_slOverScan;
  CSliderCtrl m_slHPhase;

  BOOL OnInitDialog() override;
  void InitDisp() override;

  void OnBnClickedOverScanMinus();
  void OnBnClickedOverScanPlus();
  void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  DECLARE_MESSAGE_MAP()
};
