#pragma once
// The image page of type 2: the type-1 image page's colour balance R and B,
// sharpness (around zero), colour and tint, and their resets.
#include "pages/type1/ImageTwinDlg.h"

class CImageTabType2Dlg : public CImageTwinDlg {
 public:
  explicit CImageTabType2Dlg(CWnd* pParent = nullptr);

  CPjtInterface* m_pPjt = nullptr;
  CComboBox m_cbReset;

  BOOL OnInitDialog() override;
  void InitDisp() override;

 protected:
  ModelRows RowsForModel() const override;
  void DoDataExchange(CDataExchange* pDX) override;
};
