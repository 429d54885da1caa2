#pragma once
// The option page of type 5: automatic functions, the two My Buttons, closed
// captions on some models, and the service dialog.
#include <cstdint>

#include "pages/common/SettingPage.h"

class COption5TabDlg : public expert::pages::CSettingPage {
 public:
  explicit COption5TabDlg(CWnd* pParent = nullptr);

  // The functions of the template's My Button items when the host lists
  // none, in item order, ended by -1.
  static const int MyButtonDefaultTable[17];
  // Module-wide: every entry is -1 after each OnInitDialog of the page.
  static int MyButtonLookupTable[33];
  // The first lookup entry equal to `value`, scanning up to the first -1; -1 when none.
  static int GetMyBtnIdx(int value);
  // The lookup entry at `index`; -1 outside 0..32.
  static int GetMyBtnVal(int index);

  CPjtInterface* m_pPjt = nullptr;
  std::int16_t m_nAutoOff = 0;
  CComboBox m_cbAutoSearch;
  CComboBox m_cbAutoKeystone;
  CComboBox m_cbAutoOn;
  CSliderCtrl m_slAutoOff;
  CEdit m_edAutoOff;
  CComboBox m_cbMyButton1;
  CComboBox m_cbMyButton2;
  CButton m_btAutoOffPlus;
  CButton m_btAutoOffMinus;

  BOOL OnInitDialog() override;
  void InitDisp() override;

  void OnCbnSelchangeOpt5Atseacomb();
  void OnCbnSelchangeOpt5Atkscomb();
  void OnCbnSelchangeOpt5Atoncomb();
  void OnBnClickedOpt5Btnatoffneg();
  void OnBnClickedOpt5Btnatoffpos();
  void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) override;
  void OnCbnSelchangeOpt5Mybtn1comb();
  void OnCbnSelchangeOpt5Mybtn2comb();
  void OnBnClickedOpt5Btnsvc();
  void OnCbnSelchangeOth4CcdisplayComb();
  void OnCbnSelchangeOth4CcmodeComb();
  void OnCbnSelchangeOth4CcchannelComb();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  DECLARE_MESSAGE_MAP()

 private:
  int Model() const;
  void FillMyButtons();
  void MyButtonChanged(const expert::pages::ListRow& row);
};
