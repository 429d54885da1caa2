#pragma once
// The screen page of type 3: blank colour, start-up screen, mirror, gamma and
// the picture-in-picture input, position, audio and size.
#include "pages/common/SettingPage.h"

class CScreenTabType3Dlg : public expert::pages::CSettingPage {
 public:
  explicit CScreenTabType3Dlg(CWnd* pParent = nullptr);

  CPjtInterface* m_pPjt = nullptr;
  CComboBox m_cbStartup;
  CComboBox m_cbPinPSize;
  CComboBox m_cbPinPPosition;
  CComboBox m_cbPinPInput;
  CComboBox m_cbPinPAudio;
  CComboBox m_cbGamma;
  CComboBox m_cbBlank;
  CComboBox m_cbMirror;

  BOOL OnInitDialog() override;
  void InitDisp() override;

  void OnCbnSelchangeBlank();
  void OnCbnSelchangeStartup();
  void OnCbnSelchangeMirror();
  void OnCbnSelchangeGamma();
  void OnCbnSelchangePinPInput();
  void OnCbnSelchangePinPPosition();
  void OnCbnSelchangePinPAudio();
  void OnCbnSelchangePinPSize();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  DECLARE_MESSAGE_MAP()
};
