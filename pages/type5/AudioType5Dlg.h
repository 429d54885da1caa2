#pragma once
// The audio page of the type-5 models with an audio tab: volume, treble, bass
// and SRS WOW of the current input source, the speaker, and the audio source
// of each input.
#include <cstdint>
#include <optional>

#include "pages/common/SettingPage.h"

class CAudioType5Dlg : public expert::pages::CSettingPage {
 public:
  explicit CAudioType5Dlg(CWnd* pParent = nullptr);

  CPjtInterface* m_pPjt = nullptr;
  std::int16_t m_nVolume = 0;
  std::int16_t m_nTreble = 0;  // shown: raw - 128
  std::int16_t m_nBass = 0;    // shown: raw - 128
  CButton m_btVolumeMinus;
  CButton m_btVolumePlus;
  CSliderCtrl m_slVolume;
  CButton m_btTrebleMinus;
  CButton m_btTreblePlus;
  CSliderCtrl m_slTreble;
  CButton m_btBassMinus;
  CButton m_btBassPlus;
  CSliderCtrl m_slBass;
  CEdit m_edVolume;
  CEdit m_edTreble;
  CEdit m_edBass;
  CComboBox m_cbSpeaker;
  CComboBox m_cbAudioRgb1;
  CComboBox m_cbAudioRgb2;
  CComboBox m_cbAudioM1D;
  CComboBox m_cbAudioVideo;
  CComboBox m_cbAudioSVideo;
  CComboBox m_cbAudioComponent;
  CComboBox m_cbAudioMiu;
  CComboBox m_cbSrsWow;

  BOOL OnInitDialog() override;
  void InitDisp() override;

  void OnBnClickedAud5Btnvolneg();
  void OnBnClickedAud5Btnvolpos();
  void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) override;
  void OnBnClickedAud5Btntreneg();
  void OnBnClickedAud5Btntrepos();
  void OnBnClickedAud5Btnbasneg();
  void OnBnClickedAud5Btnbaspos();
  void OnCbnSelchangeAud5Spekcomb();
  void OnCbnSelchangeAud5Argb1comb();
  void OnCbnSelchangeAud5Argb2comb();
  void OnCbnSelchangeAud5Am1dcomb();
  void OnCbnSelchangeAud5Avidcomb();
  void OnCbnSelchangeAud5Asvidcomb();
  void OnCbnSelchangeAud5Acompcomb();
  void OnCbnSelchangeAud5Amiucomb();
  void OnCbnSelchangeAud5Srswcomb();
  void OnCbnSelchangeAud5Hdmiaudiocomb();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  DECLARE_MESSAGE_MAP()

 private:
  bool HasHdmi() const;
  void ReadSrsWow(std::optional<int> source);
};
