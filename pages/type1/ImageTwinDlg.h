#pragma once
// What the image pages of types 1 and 2 share, on the same control ids:
// colour balance R and B, sharpness, colour and tint, and the reset command.
// The pages differ in sharpness's offset and bounds, in how the model number
// sets the colour and tint bounds, and in their reset items.
#include <cstdint>
#include <initializer_list>

#include "pages/common/SettingPage.h"

class CImageTwinDlg : public expert::pages::CSettingPage {
 public:
  std::int16_t m_nTint = 0;       // shown: raw - 128
  std::int16_t m_nColor = 0;      // shown: raw - 128
  std::int16_t m_nSharpness = 0;  // shown: raw - the page's sharpness offset
  std::int16_t m_nColorBalB = 0;  // shown: raw - 128
  std::int16_t m_nColorBalR = 0;  // shown: raw - 128
  CSliderCtrl m_slTint;
  CSliderCtrl m_slColor;
  CSliderCtrl m_slSharpness;
  CSliderCtrl m_slColorBalB;
  CSliderCtrl m_slColorBalR;

  void OnBnClickedColorBalRMinus();
  void OnBnClickedColorBalRPlus();
  void OnBnClickedColorBalBMinus();
  void OnBnClickedColorBalBPlus();
  void OnBnClickedSharpnessMinus();
  void OnBnClickedSharpnessPlus();
  void OnBnClickedColorMinus();
  void OnBnClickedColorPlus();
  void OnBnClickedTintMinus();
  void OnBnClickedTintPlus();
  void OnBnClickedResetExecute();
  void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) override;

 protected:
  using SliderGroup = expert::pages::SliderGroup;
  // Colour: ±63 (a tick every 8) or ±32 (a tick every 4); tint: ±14 or ±32.
  static const SliderGroup kColorWide, kColorNarrow, kTintNarrow, kTintWide;

  // The rows that depend on the page and the model number, looked up at
  // each use.
  struct ModelRows {
    const SliderGroup& sharpness;
    const SliderGroup& colorSlider;  // the colour slider's range
    const SliderGroup& color;        // the colour buttons' bounds
    const SliderGroup& tint;
  };
  virtual ModelRows RowsForModel() const = 0;

  CImageTwinDlg(UINT templateId, CWnd* parent, CPjtInterface* const& pjt, const expert::pages::ResetList& resets);
  void DoDataExchange(CDataExchange* pDX) override;

  // OnInitDialog: the slider ranges and the reset list.
  void SetUpShared();
  // InitDisp: enables the shared groups, then reads colour balance R, the
  // groups in `afterRed`, then B, sharpness, colour and tint, and selects
  // the first reset.
  void ReadShared(std::initializer_list<expert::pages::SliderBinding> afterRed);
  DECLARE_MESSAGE_MAP()

 private:
  const expert::pages::ResetList& m_resets;
};
