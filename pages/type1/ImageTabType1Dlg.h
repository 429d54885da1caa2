#pragma once
// The image page of type 1: gamma, custom gamma, colour temperature and its
// custom-user levels, colour balance, sharpness, colour, tint, My Memory and
// the resets.
#include <cstdint>

#include "pages/type1/ImageTwinDlg.h"

class CImageTabType1Dlg : public CImageTwinDlg {
 public:
  explicit CImageTabType1Dlg(CWnd* pParent = nullptr);

  std::int16_t m_nColorBalG = 0;    // shown: raw - 128
  std::int16_t m_nCustomGamma = 0;  // raw, in tenths: 22 is shown as 2.2
  CPjtInterface* m_pPjt = nullptr;
  CComboBox m_cbReset;
  CComboBox m_cbColorTemp;
  CComboBox m_cbMyMemory;
  CSliderCtrl m_slColorBalG;
  CSliderCtrl m_slCustomGamma;
  CComboBox m_cbCustomUserB;
  CComboBox m_cbCustomUserG;
  CComboBox m_cbCustomUserR;
  CComboBox m_cbGamma;

  BOOL OnInitDialog() override;
  void InitDisp() override;

  void OnCbnSelchangeGamma();
  void OnCbnSelchangeColorTemp();
  void OnCbnSelchangeCustomUserR();
  void OnCbnSelchangeCustomUserG();
  void OnCbnSelchangeCustomUserB();
  void OnBnClickedCustomGammaMinus();
  void OnBnClickedCustomGammaPlus();
  void OnBnClickedColorBalGMinus();
  void OnBnClickedColorBalGPlus();
  void OnBnClickedMyMemoryExecute();
  void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) override;

 protected:
  ModelRows RowsForModel() const override;
  void DoDataExchange(CDataExchange* pDX) override;
  DECLARE_MESSAGE_MAP()
};
