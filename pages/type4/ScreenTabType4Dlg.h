#pragma once
// The screen page of types 4 and 5: menu language and position, OSD
// brightness (type 4), blank colour, start-up screen, MyScreen lock,
// messages and the menu position resets.
#include <cstdint>

#include "pages/common/SettingPage.h"

class CScreenTabType4Dlg : public expert::pages::CSettingPage {
 public:
  explicit CScreenTabType4Dlg(CWnd* pParent = nullptr);

  std::int16_t m_nOsdBright = 0;
  std::int16_t m_nMenuPosH = 0;
  std::int16_t m_nMenuPosV = 0;
  CPjtInterface* m_pPjt = nullptr;
  CSliderCtrl m_slOsdBright;
  CComboBox m_cbStartup;
  CComboBox m_cbReset;
  CComboBox m_cbMessage;
  CComboBox m_cbMyScreenLock;
  CComboBox m_cbLanguage;
  CComboBox m_cbBlank;
  expert::pages::ArrowBitmaps m_bmpArrows;

  BOOL OnInitDialog() override;
  void InitDisp() override;

  void OnCbnSelchangeLanguage();
  void OnBnClickedMenuUp();
  void OnBnClickedMenuDown();
  void OnBnClickedMenuLeft();
  void OnBnClickedMenuRight();
  void OnBnClickedOsdBrightMinus();
  void OnBnClickedOsdBrightPlus();
  void OnCbnSelchangeBlank();
  void OnCbnSelchangeStartup();
  void OnCbnSelchangeMyScreenLock();
  void OnCbnSelchangeMessage();
  void OnBnClickedResetExecute();
  void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  DECLARE_MESSAGE_MAP()

 private:
  bool HasOsdBright() const;
};
