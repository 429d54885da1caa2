#pragma once
// The signal page of type 4: colour space, component signal, video format,
// frame lock and the DVI source.
#include "pages/common/SettingPage.h"

class CSignalTabType4Dlg : public expert::pages::CSettingPage {
 public:
  explicit CSignalTabType4Dlg(CWnd* pParent = nullptr);

  CPjtInterface* m_pPjt = nullptr;
  CComboBox m_cbDVI;
  CComboBox m_cbFrameLock;
  CComboBox m_cbVideoFormat;
  CComboBox m_cbComponent;
  CComboBox m_cbColorSpace;

  BOOL OnInitDialog() override;
  void InitDisp() override;

  void OnCbnSelchangeColorSpace();
  void OnCbnSelchangeComponent();
  void OnCbnSelchangeVideoFormat();
  void OnCbnSelchangeFrameLock();
  void OnCbnSelchangeDVI();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  DECLARE_MESSAGE_MAP()
};
