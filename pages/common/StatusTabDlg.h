#pragma once
// The status page, tab 0 of every model type: power, input, error, blank,
// mute and freeze states and (not on type 3) lamp and filter time, with the
// lamp and filter time resets.
#include "pages/common/SettingPage.h"

class CStatusTabDlg : public expert::pages::CSettingPage {
 public:
  explicit CStatusTabDlg(CWnd* pParent = nullptr);

  CPjtInterface* m_pPjt = nullptr;
  CComboBox m_cbReset;

  BOOL OnInitDialog() override;
  void InitDisp() override;
  void OnBnClickedResetExecute();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  DECLARE_MESSAGE_MAP()
};
