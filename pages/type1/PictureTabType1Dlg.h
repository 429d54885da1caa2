#pragma once
// The picture page of type 1: brightness, contrast and (models 16 and 17)
// keystone, aspect, whisper, mirror and menu language, and their resets.
#include <cstdint>

#include "pages/type1/PictureTwinDlg.h"

class CPictureTabType1Dlg : public CPictureTwinDlg {
 public:
  explicit CPictureTabType1Dlg(CWnd* pParent = nullptr);

  std::int16_t m_nKeystone = 0;  // shown: raw - 128
  CPjtInterface* m_pPjt = nullptr;
  CSliderCtrl m_slKeystone;
  CComboBox m_cbWhisper;
  CStatic m_stKeystoneColon;

  BOOL OnInitDialog() override;
  void InitDisp() override;

  void OnCbnSelchangeWhisper();
  void OnBnClickedKeystoneMinus();
  void OnBnClickedKeystonePlus();
  void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  DECLARE_MESSAGE_MAP()

 private:
  bool HasKeystone() const;
};
