#pragma once
// The input page of type 4: progressive scan, 3D-YCS and video noise
// reduction. Every type-4 model creates it; only models 9 and 22 show it.
#include "pages/common/SettingPage.h"

class CInputTabType4Dlg : public expert::pages::CSettingPage {
 public:
  explicit CInputTabType4Dlg(CWnd* pParent = nullptr);

  CPjtInterface* m_pPjt = nullptr;
  CComboBox m_cbVideoNR;
  CComboBox m_cb3DYCS;
  CComboBox m_cbProgressive;

  BOOL OnInitDialog() override;
  void InitDisp() override;

  void OnCbnSelchangeProgressive();
  void OnCbnSelchange3DYCS();
  void OnCbnSelchangeVideoNR();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  DECLARE_MESSAGE_MAP()

 private:
  bool HasRows() const;
};
