#pragma once
// The picture page of type 5: brightness, contrast, colour, tint and
// sharpness, the gamma and colour temperature modes with their custom
// editors, Active Iris, My Memory and the reset of the five sliders.
#include <cstdint>

#include "pages/common/IndexTable.h"
#include "pages/common/SettingPage.h"

// Active Iris list position to projector value: Off, Theater, Presentation.
inline constexpr expert::pages::IndexTable<std::uint16_t, 4> ActiveIrisTable{{0x00, 0x10, 0x11, 0xFFFF}};

class CPictureTabType5Dlg : public expert::pages::CSettingPage {
 public:
  explicit CPictureTabType5Dlg(CWnd* pParent = nullptr);

  std::int16_t m_nTint = 0;        // shown: raw - 128
  std::int16_t m_nColor = 0;       // shown: raw - 128
  std::int16_t m_nSharpness = 4;   // shown: raw - 124
  std::int16_t m_nBrightness = 0;  // shown: raw - 128
  std::int16_t m_nContrast = 0;    // shown: raw - 128
  std::int16_t m_nBrightnessMax = 0, m_nBrightnessMin = 0;
  std::int16_t m_nContrastMax = 0, m_nContrastMin = 0;
  std::int16_t m_nColorMax = 0, m_nColorMin = 0;
  std::int16_t m_nTintMax = 0, m_nTintMin = 0;
  std::int16_t m_nSharpnessMax = 0, m_nSharpnessMin = 0;
  CPjtInterface* m_pPjt = nullptr;
  CSliderCtrl m_slBrightness;
  CSliderCtrl m_slContrast;
  CComboBox m_cbGamma;
  CComboBox m_cbColorTemp;
  CSliderCtrl m_slColor;
  CSliderCtrl m_slTint;
  CSliderCtrl m_slSharpness;
  CComboBox m_cbMyMemory;
  CComboBox m_cbReset;
  CComboBox m_cbActiveIris;
  CEdit m_edBrightness;
  CEdit m_edContrast;
  CEdit m_edColor;
  CEdit m_edTint;
  CEdit m_edSharpness;

  BOOL OnInitDialog() override;
  void InitDisp() override;
  // The table entry at a list index; the end marker 0xFFFF outside the table.
  static std::uint16_t ActIrisIdxToValue(std::int16_t index);
  // The index of the first entry equal to `value`; -1 when there is none.
  static std::int16_t ActIrisValueToIdx(std::uint16_t value);

  void OnBnClickedPicBgpBtn();
  void OnBnClickedPicBgnBtn();
  void OnBnClickedPicCnpBtn();
  void OnBnClickedPicCnnBtn();
  void OnBnClickedPicClrpBtn();
  void OnBnClickedPicClrnBtn();
  void OnBnClickedPicTintpBtn();
  void OnBnClickedPicTintnBtn();
  void OnBnClickedPicShppBtn();
  void OnBnClickedPicShpnBtn();
  void OnBnClickedPicGammaBtn();
  void OnBnClickedPicColorBtn();
  void OnBnClickedPicMyldBtn();
  void OnCbnSelchangePicGammaComb();
  void OnCbnSelchangePicCctComb();
  void OnCbnSelchangePic5ActilisCombo();
  void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) override;
  void OnBnClickedPicRstBtn();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  DECLARE_MESSAGE_MAP()

 private:
  void EnableCustomButtons(bool gammaRead, bool colorTempRead);
};
