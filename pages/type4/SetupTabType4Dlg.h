#pragma once
// The setup page of type 4: whisper, mirror, volume, stereo, the remote
// receivers, keystone, electric zoom (models 21 and 29), the audio source of
// each input (models 23 to 28) and the keystone and zoom resets.
#include <cstdint>

#include "pages/common/SettingPage.h"

class CSetupTabType4Dlg : public expert::pages::CSettingPage {
 public:
  explicit CSetupTabType4Dlg(CWnd* pParent = nullptr);

  std::int16_t m_nVolumeMax = 32;
  std::int16_t m_nVolume = 0;
  std::int16_t m_nKeystone = 0;  // shown: raw - 128
  std::int16_t m_nZoom = 0;
  CPjtInterface* m_pPjt = nullptr;
  CComboBox m_cbReset;
  CComboBox m_cbWhisper;
  CComboBox m_cbAudioComponent;
  CComboBox m_cbAudioSVideo;
  CComboBox m_cbAudioVideo;
  CComboBox m_cbAudioRGB2;
  CComboBox m_cbAudioRGB1;
  CSliderCtrl m_slKeystone;
  CSliderCtrl m_slZoom;
  CComboBox m_cbStereo;
  CSliderCtrl m_slVolume;
  CComboBox m_cbMirror;

  BOOL OnInitDialog() override;
  void InitDisp() override;

  void OnCbnSelchangeWhisper();
  void OnCbnSelchangeMirror();
  void OnCbnSelchangeStereo();
  void OnCbnSelchangeAudioRGB1();
  void OnCbnSelchangeAudioRGB2();
  void OnCbnSelchangeAudioVideo();
  void OnCbnSelchangeAudioSVideo();
  void OnCbnSelchangeAudioComponent();
  void OnBnClickedVolumeMinus();
  void OnBnClickedVolumePlus();
  void OnBnClickedKeystoneMinus();
  void OnBnClickedKeystonePlus();
  void OnBnClickedZoomMinus();
  void OnBnClickedZoomPlus();
  void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) override;
  void OnBnClickedResetExecute();
  void OnBnClickedIRFront();
  void OnBnClickedIRTop();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  DECLARE_MESSAGE_MAP()

 private:
  bool HasKeystone() const;
  bool HasZoom() const;
  bool HasAudio() const;
  const expert::pages::ResetList& Resets() const;
};
