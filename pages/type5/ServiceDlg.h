#pragma once
// The service dialog of the type-5 option page: auto-adjust enable, the
// remote-control receivers and frequencies, and the focus lock of model 44.
// Modal; every change is sent at once; Close ends it.
#include "pages/common/SettingPage.h"

class CServiceDlg : public expert::pages::CSettingPage {
 public:
  explicit CServiceDlg(CWnd* pParent = nullptr);

  CPjtInterface* m_pPjt = nullptr;
  CComboBox m_cbAutoAdjustEnable;
  CButton m_chkIRFront;
  CButton m_chkIRRear;
  CButton m_chkIRTop;
  CComboBox m_cbIRFreqNormal;
  CComboBox m_cbIRFreqHigh;
  CComboBox m_cbFocusLock;
  int m_nModelNo = 0;

  BOOL OnInitDialog() override;
  // Reads every value; run once, when the dialog opens.
  void InitDisp() override;

  void OnBnClickedSvcBtnclose();
  void OnCbnSelchangeSvcAtadjenbcomb();
  void OnBnClickedSvcIrfrontchk();
  void OnBnClickedSvcIrrearchk();
  void OnBnClickedSvcIrtopchk();
  void OnCbnSelchangeSvcIrfreqncomb();
  void OnCbnSelchangeSvcIrfreqhcomb();
  void OnCbnSelchangeSvcFocuslockcomb();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  DECLARE_MESSAGE_MAP()
};
