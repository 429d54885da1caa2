#pragma once
// The setup page of type 5: keystone, whisper, mirror, the volume of the
// current input, speaker, the audio source of each input, a reset list, and
// on some models digital zoom and shift or the HDMI audio settings.
#include <cstdint>

#include "pages/common/SettingPage.h"

class CSetupType5TabDlg : public expert::pages::CSettingPage {
 public:
  explicit CSetupType5TabDlg(CWnd* pParent = nullptr);

  CPjtInterface* m_pPjt = nullptr;
  std::int16_t m_nKeystoneV = 0;  // shown: raw - 128
  std::int16_t m_nKeystoneH = 0;  // shown: raw - 128
  std::int16_t m_nVolume = 0;
  CSliderCtrl m_slKeystoneV;
  CEdit m_edKeystoneV;
  CButton m_btKeystoneVMinus;
  CButton m_btKeystoneVPlus;
  CSliderCtrl m_slKeystoneH;
  CEdit m_edKeystoneH;
  CButton m_btKeystoneHMinus;
  CButton m_btKeystoneHPlus;
  CComboBox m_cbWhisper;
  CComboBox m_cbMirror;
  CSliderCtrl m_slVolume;
  CEdit m_edVolume;
  CStatic m_stVolume;
  CButton m_btVolumeMinus;
  CButton m_btVolumePlus;
  CStatic m_stAudioRgb1;
  CComboBox m_cbAudioRgb1;
  CStatic m_stAudioRgb2;
  CComboBox m_cbAudioRgb2;
  CStatic m_stAudioVideo;
  CComboBox m_cbAudioVideo;
  CStatic m_stAudioSVideo;
  CComboBox m_cbAudioSVideo;
  CStatic m_stAudioComponent;
  CComboBox m_cbAudioComponent;
  CStatic m_stAudioMiu;
  CComboBox m_cbAudioMiu;
  CStatic m_stAudioColon[6];
  std::int16_t m_nDZoom = 0;
  std::int16_t m_nDShiftV = 0;  // shown: raw - 128
  std::int16_t m_nDShiftH = 0;  // shown: raw - 128
  CComboBox m_cbReset;
  CEdit m_edCurrentInput;
  expert::pages::ArrowBitmaps m_bmpArrows;

  BOOL OnInitDialog() override;
  void InitDisp() override;
  // Hides the volume, speaker and audio rows on the models with an audio
  // page (true) or relabels them on the others.
  bool HideVolAndAudio();
  // Disables the volume buttons and slider and empties the box, or enables them; 0.
  int DisableVolumeCtrl(bool disable);

  void OnBnClickedStu5Btnatks();
  void OnBnClickedStu5Btksvneg();
  void OnBnClickedStu5Btksvpos();
  void OnBnClickedStu5Btkshneg();
  void OnBnClickedStu5Btkshpos();
  void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) override;
  void OnCbnSelchangeStu5Wspcomb();
  void OnCbnSelchangeStu5Mircomb();
  void OnBnClickedStu5Btvolneg();
  void OnBnClickedStu5Btvolpos();
  void OnCbnSelchangeStu5Argb1comb();
  void OnCbnSelchangeStu5Argb2comb();
  void OnCbnSelchangeStu5Avidcomb();
  void OnCbnSelchangeStu5Asvidcomb();
  void OnCbnSelchangeStu5Acompcomb();
  void OnCbnSelchangeStu5Amiucomb();
  void OnBnClickedStu5Btreset();
  void OnCbnSelchangeStu5Speakercomb();
  void OnBnClickedDzoomDecBtn();
  void OnBnClickedDzoomIncBtn();
  void OnBnClickedDshiftLeftBtn();
  void OnBnClickedDshiftRightBtn();
  void OnBnClickedDshiftUpBtn();
  void OnBnClickedDshiftDownBtn();
  void OnCbnSelchangeStu5HdmiaudioComb();
  void OnCbnSelchangeStu5Ahdmicomb();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  DECLARE_MESSAGE_MAP()

 private:
  int Model() const;
  const expert::pages::ResetList& Resets() const;
};
