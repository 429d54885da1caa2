#pragma once
// The input page of type 2: BNC, video format, HDTV, sync on G, picture in
// picture and, except on models 6 and 7, the automatic adjustment.
#include "pages/common/SettingPage.h"

class CInputTabType2Dlg : public expert::pages::CSettingPage {
 public:
  explicit CInputTabType2Dlg(CWnd* pParent = nullptr);

  CPjtInterface* m_pPjt = nullptr;
  CComboBox m_cbPinPSize;
  CComboBox m_cbPinPAudio;
  CComboBox m_cbPinPPosition;
  CComboBox m_cbPinPInput;
  CComboBox m_cbSyncOnG;
  CComboBox m_cbHDTV;
  CComboBox m_cbVideoFormat;
  CComboBox m_cbBNC;

  BOOL OnInitDialog() override;
  void InitDisp() override;

  void OnCbnSelchangeBNC();
  void OnCbnSelchangeVideoFormat();
  void OnCbnSelchangeHDTV();
  void OnCbnSelchangeSyncOnG();
  void OnCbnSelchangePinPInput();
  void OnCbnSelchangePinPPosition();
  void OnCbnSelchangePinPAudio();
  void OnCbnSelchangePinPSize();
  void OnBnClickedAutoAdjustExecute();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  DECLARE_MESSAGE_MAP()
};
