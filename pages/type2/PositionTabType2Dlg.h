#pragma once
// The position page of type 2: the type-1 position page with a horizontal
// phase in steps of 8 and an over scan list.
#include "pages/type1/PositionTwinDlg.h"

class CPositionTabType2Dlg : public CPositionTwinDlg {
 public:
  explicit CPositionTabType2Dlg(CWnd* pParent = nullptr);

  CPjtInterface* m_pPjt = nullptr;
  CComboBox m_cbReset;
  CComboBox m_cbOverScan;
  CSliderCtrl m_slHPhase;

  BOOL OnInitDialog() override;
  void InitDisp() override;

  void OnCbnSelchangeOverScan();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  DECLARE_MESSAGE_MAP()
};
