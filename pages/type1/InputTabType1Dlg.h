#pragma once
// The input page of type 1: colour space, component, video format, 3D-YCS,
// video noise reduction, frame lock, progressive, S2 aspect, picture in
// picture and the input chosen at power-up.
#include "pages/common/SettingPage.h"

class CInputTabType1Dlg : public expert::pages::CSettingPage {
 public:
  explicit CInputTabType1Dlg(CWnd* pParent = nullptr);

  CPjtInterface* m_pPjt = nullptr;
  CComboBox m_cbPinPSize;
  CComboBox m_cbProgressive;
  CComboBox m_cbFrameLock;
  CComboBox m_cbVideoNR;
  CComboBox m_cbVideoFormat;
  CComboBox m_cbS2Aspect;
  CComboBox m_cbPowerUpInput;
  CComboBox m_cbPinPPosition;
  CComboBox m_cbPinPInput;
  CComboBox m_cbPinPAudio;
  CComboBox m_cbComponent;
  CComboBox m_cbColorSpace;
  CComboBox m_cb3DYCS;

  BOOL OnInitDialog() override;
  void InitDisp() override;

  void OnCbnSelchangeColorSpace();
  void OnCbnSelchangeComponent();
  void OnCbnSelchangeVideoFormat();
  void OnCbnSelchange3DYCS();
  void OnCbnSelchangeVideoNR();
  void OnCbnSelchangePinPInput();
  void OnCbnSelchangePinPPosition();
  void OnCbnSelchangePinPAudio();
  void OnCbnSelchangePowerUpInput();
  void OnCbnSelchangeS2Aspect();
  void OnCbnSelchangeFrameLock();
  void OnCbnSelchangeProgressive();
  void OnCbnSelchangePinPSize();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  DECLARE_MESSAGE_MAP()
};
