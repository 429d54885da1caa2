#pragma once
// The picture page of type 2: the type-1 picture page without keystone and
// whisper, with picture position and gamma lists instead.
#include "pages/type1/PictureTwinDlg.h"

class CPictureTabType2Dlg : public CPictureTwinDlg {
 public:
  explicit CPictureTabType2Dlg(CWnd* pParent = nullptr);

  CPjtInterface* m_pPjt = nullptr;
  CComboBox m_cbPicturePosition;
  CComboBox m_cbGamma;

  BOOL OnInitDialog() override;
  void InitDisp() override;

  void OnCbnSelchangePicturePosition();
  void OnCbnSelchangeGamma();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  DECLARE_MESSAGE_MAP()
};
