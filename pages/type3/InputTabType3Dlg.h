#pragma once
// The input page of type 3: auto adjust and the signal lists (video format,
// video noise reduction, progressive, black level, HDTV).
#include "pages/common/SettingPage.h"

class CInputTabType3Dlg : public expert::pages::CSettingPage {
 public:
  explicit CInputTabType3Dlg(CWnd* pParent = nullptr);

  CPjtInterface* m_pPjt = nullptr;
  CComboBox m_cbVideoNR;
  CComboBox m_cbVideoFormat;
  CComboBox m_cbProgressive;
  CComboBox m_cbHDTV;
  CComboBox m_cbBlack;

  BOOL OnInitDialog() override;
  void InitDisp() override;

  void OnBnClickedAutoAdjust();
  void OnCbnSelchangeVideoFormat();
  void OnCbnSelchangeVideoNR();
  void OnCbnSelchangeProgressive();
  void OnCbnSelchangeBlack();
  void OnCbnSelchangeHDTV();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  DECLARE_MESSAGE_MAP()
};
