#pragma once
// The screen page of types 1 and 2: blank colour, start-up screen, MyScreen
// size and lock and, on type 1, the message switch, the menu position and its
// resets.
#include <cstdint>

#include "pages/common/SettingPage.h"

class CScreenTabDlg : public expert::pages::CSettingPage {
 public:
  explicit CScreenTabDlg(CWnd* pParent = nullptr);

  std::int16_t m_nMenuPosH = 0;  // raw position
  std::int16_t m_nMenuPosV = 0;  // raw position
  CPjtInterface* m_pPjt = nullptr;
  CComboBox m_cbReset;
  CComboBox m_cbMessage;
  CComboBox m_cbMyScreenLock;
  CComboBox m_cbMyScreenSize;
  CComboBox m_cbStartup;
  CComboBox m_cbBlankColor;
  expert::pages::ArrowBitmaps m_bmpArrows;  // up, down, right and left

  BOOL OnInitDialog() override;
  void InitDisp() override;

  void OnCbnSelchangeBlankColor();
  void OnCbnSelchangeStartup();
  void OnCbnSelchangeMyScreenSize();
  void OnCbnSelchangeMyScreenLock();
  void OnCbnSelchangeMessage();
  void OnBnClickedMenuPosUp();
  void OnBnClickedMenuPosDown();
  void OnBnClickedMenuPosLeft();
  void OnBnClickedMenuPosRight();
  void OnBnClickedResetExecute();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  DECLARE_MESSAGE_MAP()

 private:
  bool HasMenuRows() const;
};
