#pragma once
// The auto page of type 2: automatic adjustment, automatic keystone and auto
// power off, on models 6 and 7; an empty page on the others.
#include <cstdint>

#include "pages/common/SettingPage.h"

class CAutoTabType2Dlg : public expert::pages::CSettingPage {
 public:
  explicit CAutoTabType2Dlg(CWnd* pParent = nullptr);

  CPjtInterface* m_pPjt = nullptr;
  std::int16_t m_nAutoPowerOff = 0;  // raw minutes
  CSliderCtrl m_slAutoPowerOff;

  BOOL OnInitDialog() override;
  void InitDisp() override;

  void OnBnClickedAutoAdjustExecute();
  void OnBnClickedAutoKeystoneExecute();
  void OnBnClickedAutoPowerOffMinus();
  void OnBnClickedAutoPowerOffPlus();
  void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  DECLARE_MESSAGE_MAP()

 private:
  bool HasRows() const;
};
