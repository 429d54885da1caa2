#pragma once
// The input page of type 5: one list per input-signal setting, each choice
// sent at once through the projector's named operations.
#include <cstdint>

#include "pages/common/SettingPage.h"
#include "pages/common/VideoFormat.h"

class CInputType5Dlg : public expert::pages::CSettingPage {
 public:
  explicit CInputType5Dlg(CWnd* pParent = nullptr);

  // The composite and S-video format values by list position (ended by 0xFFFF).
  static constexpr const std::uint16_t (&VideoFormatTable)[8] = expert::pages::VideoFormatTable;
  static int VideoFmtToIdx(std::int16_t value) { return expert::pages::VideoFmtToIdx(value); }

  CPjtInterface* m_pPjt = nullptr;
  CComboBox m_cbProgressive;
  CComboBox m_cbVideoNR;
  CComboBox m_cb3DYCS;
  CComboBox m_cbColorSpace;
  CComboBox m_cbComponent;
  CComboBox m_cbCVideoFormat;
  CComboBox m_cbSVideoFormat;
  CComboBox m_cbM1D;
  CComboBox m_cbFrameLock;
  CComboBox m_cbRgbIn1;
  CComboBox m_cbRgbIn2;

  BOOL OnInitDialog() override;
  // The page's refresh.
  void Init();
  void InitDisp() override { Init(); }

  void OnCbnSelchangeInput5ProgComb();
  void OnCbnSelchangeInput5VidnrComb();
  void OnCbnSelchangeInput53dycsComb();
  void OnCbnSelchangeInput5CospsComb();
  void OnCbnSelchangeInput5CompoComb();
  void OnCbnSelchangeInput5CvidfmtComb();
  void OnCbnSelchangeInput5SvidfmtComb();
  void OnCbnSelchangeInput5M1dComb();
  void OnCbnSelchangeInput5FrlckCombo();
  void OnCbnSelchangeInput5Rgbin1Comb();
  void OnCbnSelchangeInput5Rgbin2Comb();
  void OnCbnSelchangeInput5Framelockcomp1Comb();
  void OnCbnSelchangeInput5Framelockcomp2Comb();
  void OnCbnSelchangeInput5HdmiComb();
  void OnCbnSelchangeInput5FramelockhdmiComb();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  DECLARE_MESSAGE_MAP()

 private:
  int Model() const;
};
