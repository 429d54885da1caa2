// The named operations: each runs its row of the operation table.
#include "beamlink/PjtInterface.h"

namespace {
using S = beamlink::ArgumentShape;
// An argument as the trace reports it.
beamlink::TraceValue L(long long value) { return value; }
}  // namespace

// Getters: true on success, the raw value through the pointer.
bool CPjtInterface::GetInputSource(std::int16_t* value) { return Invoke("GetInputSource", {}, value) != 0; }
bool CPjtInterface::GetMirror(std::int16_t* value) { return Invoke("GetMirror", {}, value) != 0; }
bool CPjtInterface::GetWhisper(std::int16_t* value) { return Invoke("GetWhisper", {}, value) != 0; }
bool CPjtInterface::GetKeystoneV(std::int16_t* value) { return Invoke("GetKeystoneV", {}, value) != 0; }
bool CPjtInterface::GetKeystoneH(std::int16_t* value) { return Invoke("GetKeystoneH", {}, value) != 0; }
bool CPjtInterface::GetMyButton1(std::int16_t* value) { return Invoke("GetMyButton1", {}, value) != 0; }
bool CPjtInterface::GetMyButton2(std::int16_t* value) { return Invoke("GetMyButton2", {}, value) != 0; }
bool CPjtInterface::GetProgressive(std::int16_t* value) { return Invoke("GetProgressive", {}, value) != 0; }
bool CPjtInterface::GetVideoNrVal(std::int16_t* value) { return Invoke("GetVideoNrVal", {}, value) != 0; }
bool CPjtInterface::Get3dycs(std::int16_t* value) { return Invoke("Get3dycs", {}, value) != 0; }
bool CPjtInterface::GetColorSpace(std::int16_t* value) { return Invoke("GetColorSpace", {}, value) != 0; }
bool CPjtInterface::GetComponent(std::int16_t* value) { return Invoke("GetComponent", {}, value) != 0; }
bool CPjtInterface::GetVideoFormat(bool composite, std::int16_t* value) {
  return Invoke("GetVideoFormat", {composite}, value) != 0;
}
bool CPjtInterface::GetM1d(std::int16_t* value) { return Invoke("GetM1d", {}, value) != 0; }
bool CPjtInterface::GetFrameLock(std::int16_t* value) { return Invoke("GetFrameLock", {}, value) != 0; }
bool CPjtInterface::GetRgbIn(int input, std::int16_t* value) { return Invoke("GetRgbIn", {L(input)}, value) != 0; }
bool CPjtInterface::GetFrameLockComp1(std::int16_t* value) { return Invoke("GetFrameLockComp1", {}, value) != 0; }
bool CPjtInterface::GetFrameLockComp2(std::int16_t* value) { return Invoke("GetFrameLockComp2", {}, value) != 0; }
bool CPjtInterface::GetHDMI(std::int16_t* value) { return Invoke("GetHDMI", {}, value) != 0; }
bool CPjtInterface::GetFrameLockHDMI(std::int16_t* value) { return Invoke("GetFrameLockHDMI", {}, value) != 0; }
bool CPjtInterface::GetSpeaker(std::int16_t* value) { return Invoke("GetSpeaker", {}, value) != 0; }
bool CPjtInterface::GetInputSrcVolume(int input, std::int16_t* value) {
  return Invoke("GetInputSrcVolume", {L(input)}, value) != 0;
}
bool CPjtInterface::GetInputSrcTreble(int input, std::int16_t* value) {
  return Invoke("GetInputSrcTreble", {L(input)}, value) != 0;
}
bool CPjtInterface::GetInputSrcBass(int input, std::int16_t* value) {
  return Invoke("GetInputSrcBass", {L(input)}, value) != 0;
}
bool CPjtInterface::GetSRSWOW(int input, std::int16_t* value) { return Invoke("GetSRSWOW", {L(input)}, value) != 0; }
bool CPjtInterface::GetAudioRGB1(std::int16_t* value) { return Invoke("GetAudioRGB1", {}, value) != 0; }
bool CPjtInterface::GetAudioRGB2(std::int16_t* value) { return Invoke("GetAudioRGB2", {}, value) != 0; }
bool CPjtInterface::GetAudioVideo(std::int16_t* value) { return Invoke("GetAudioVideo", {}, value) != 0; }
bool CPjtInterface::GetAudioSVideo(std::int16_t* value) { return Invoke("GetAudioSVideo", {}, value) != 0; }
bool CPjtInterface::GetAudioComponent(std::int16_t* value) { return Invoke("GetAudioComponent", {}, value) != 0; }
bool CPjtInterface::GetAudioMIU(std::int16_t* value) { return Invoke("GetAudioMIU", {}, value) != 0; }
bool CPjtInterface::GetAudioM1D(std::int16_t* value) { return Invoke("GetAudioM1D", {}, value) != 0; }
bool CPjtInterface::GetHDMIAudio(std::int16_t* value) { return Invoke("GetHDMIAudio", {}, value) != 0; }
bool CPjtInterface::GetAutoSearch(std::int16_t* value) { return Invoke("GetAutoSearch", {}, value) != 0; }
bool CPjtInterface::GetAutoKeystone(std::int16_t* value) { return Invoke("GetAutoKeystone", {}, value) != 0; }
bool CPjtInterface::GetAutoOn(std::int16_t* value) { return Invoke("GetAutoOn", {}, value) != 0; }
bool CPjtInterface::GetAutoOff(std::int16_t* value) { return Invoke("GetAutoOff", {}, value) != 0; }
bool CPjtInterface::GetCCDisplay(std::int16_t* value) { return Invoke("GetCCDisplay", {}, value) != 0; }
bool CPjtInterface::GetCCMode(std::int16_t* value) { return Invoke("GetCCMode", {}, value) != 0; }
bool CPjtInterface::GetCCChannel(std::int16_t* value) { return Invoke("GetCCChannel", {}, value) != 0; }
bool CPjtInterface::GetAutoAdjustEnable(std::int16_t* value) { return Invoke("GetAutoAdjustEnable", {}, value) != 0; }
bool CPjtInterface::GetIRRemoteFront(std::int16_t* value) { return Invoke("GetIRRemoteFront", {}, value) != 0; }
bool CPjtInterface::GetIRRemoteRear(std::int16_t* value) { return Invoke("GetIRRemoteRear", {}, value) != 0; }
bool CPjtInterface::GetIRRemoteTop(std::int16_t* value) { return Invoke("GetIRRemoteTop", {}, value) != 0; }
bool CPjtInterface::GetIRREmoteFreqNormal(std::int16_t* value) {
  return Invoke("GetIRREmoteFreqNormal", {}, value) != 0;
}
bool CPjtInterface::GetIRRemoteFreqHigh(std::int16_t* value) { return Invoke("GetIRRemoteFreqHigh", {}, value) != 0; }
bool CPjtInterface::GetFocusLock(std::int16_t* value) { return Invoke("GetFocusLock", {}, value) != 0; }

// Getters that return the raw value itself.
std::int16_t CPjtInterface::GetColorTempGainR() { return static_cast<std::int16_t>(Invoke("GetColorTempGainR", {})); }
std::int16_t CPjtInterface::GetColorTempGainG() { return static_cast<std::int16_t>(Invoke("GetColorTempGainG", {})); }
std::int16_t CPjtInterface::GetColorTempGainB() { return static_cast<std::int16_t>(Invoke("GetColorTempGainB", {})); }
std::int16_t CPjtInterface::GetColorTempOffsetR() {
  return static_cast<std::int16_t>(Invoke("GetColorTempOffsetR", {}));
}
std::int16_t CPjtInterface::GetColorTempOffsetG() {
  return static_cast<std::int16_t>(Invoke("GetColorTempOffsetG", {}));
}
std::int16_t CPjtInterface::GetColorTempOffsetB() {
  return static_cast<std::int16_t>(Invoke("GetColorTempOffsetB", {}));
}
std::int16_t CPjtInterface::GetUserGammaPoint(int point) {
  return static_cast<std::int16_t>(Invoke("GetUserGammaPoint", {L(point)}));
}

// Setters that report success.
bool CPjtInterface::SetBrightness(int value) { return Invoke("SetBrightness", {L(value)}) != 0; }
bool CPjtInterface::SetContrast(int value) { return Invoke("SetContrast", {L(value)}) != 0; }
bool CPjtInterface::SetColor(int value) { return Invoke("SetColor", {L(value)}) != 0; }
bool CPjtInterface::SetTint(int value) { return Invoke("SetTint", {L(value)}) != 0; }
bool CPjtInterface::SetSharpness(int value) { return Invoke("SetSharpness", {L(value)}) != 0; }
bool CPjtInterface::SetKeystoneV(int value) { return Invoke("SetKeystoneV", {L(value)}) != 0; }
bool CPjtInterface::SetKeystoneH(int value) { return Invoke("SetKeystoneH", {L(value)}) != 0; }
bool CPjtInterface::SetWhisper(int value) { return Invoke("SetWhisper", {L(value)}) != 0; }
bool CPjtInterface::SetMirror(int value) { return Invoke("SetMirror", {L(value)}) != 0; }
bool CPjtInterface::SetPowerOn() { return Invoke("SetPowerOn", {}) != 0; }
bool CPjtInterface::SetSpeaker(int value) { return Invoke("SetSpeaker", {L(value)}) != 0; }
bool CPjtInterface::SetStereo(int value) { return Invoke("SetStereo", {L(value)}) != 0; }
bool CPjtInterface::SetScreenType(int value) { return Invoke("SetScreenType", {L(value)}) != 0; }
bool CPjtInterface::SetIRFront(int value) { return Invoke("SetIRFront", {L(value)}) != 0; }
bool CPjtInterface::SetIRRear(int value) { return Invoke("SetIRRear", {L(value)}) != 0; }
bool CPjtInterface::SetIRTop(int value) { return Invoke("SetIRTop", {L(value)}) != 0; }
bool CPjtInterface::SetIPRemoteID(int value) { return Invoke("SetIPRemoteID", {L(value)}) != 0; }
bool CPjtInterface::SetAutoAdjustEnable(int value) { return Invoke("SetAutoAdjustEnable", {L(value)}) != 0; }
bool CPjtInterface::SetLensType(int value) { return Invoke("SetLensType", {L(value)}) != 0; }
bool CPjtInterface::SetLensLock(int value) { return Invoke("SetLensLock", {L(value)}) != 0; }
bool CPjtInterface::SetAutoPowerOn(int value) { return Invoke("SetAutoPowerOn", {L(value)}) != 0; }
bool CPjtInterface::SetAutoPowerOff(int value) { return Invoke("SetAutoPowerOff", {L(value)}) != 0; }
bool CPjtInterface::SetAutoSearch(int value) { return Invoke("SetAutoSearch", {L(value)}) != 0; }
bool CPjtInterface::SetAutoKeystone(int value) { return Invoke("SetAutoKeystone", {L(value)}) != 0; }
bool CPjtInterface::SetOneTouch(int value) { return Invoke("SetOneTouch", {L(value)}) != 0; }
bool CPjtInterface::SetAudioRGB1(int value) { return Invoke("SetAudioRGB1", {L(value)}) != 0; }
bool CPjtInterface::SetAudioRGB2(int value) { return Invoke("SetAudioRGB2", {L(value)}) != 0; }
bool CPjtInterface::SetAudioVideo(int value) { return Invoke("SetAudioVideo", {L(value)}) != 0; }
bool CPjtInterface::SetAudioSVideo(int value) { return Invoke("SetAudioSVideo", {L(value)}) != 0; }
bool CPjtInterface::SetAudioComponent(int value) { return Invoke("SetAudioComponent", {L(value)}) != 0; }
bool CPjtInterface::SetAudioMIU(int value) { return Invoke("SetAudioMIU", {L(value)}) != 0; }
bool CPjtInterface::SetAudioM1D(int value, bool flag) { return Invoke("SetAudioM1D", {L(value), flag}) != 0; }
bool CPjtInterface::SetHDMIAudio(int value) { return Invoke("SetHDMIAudio", {L(value)}) != 0; }
bool CPjtInterface::SetVolumeEachSrc(int input, int value) {
  return Invoke("SetVolumeEachSrc", {L(input), L(value)}) != 0;
}
bool CPjtInterface::SetInputSrcTreble(int input, int value) {
  return Invoke("SetInputSrcTreble", {L(input), L(value)}) != 0;
}
bool CPjtInterface::SetInputSrcBass(int input, int value) {
  return Invoke("SetInputSrcBass", {L(input), L(value)}) != 0;
}
bool CPjtInterface::SetSRSWOW(int input, int value) { return Invoke("SetSRSWOW", {L(input), L(value)}) != 0; }
bool CPjtInterface::SetMyButton1(int code) { return Invoke("SetMyButton1", {L(code)}) != 0; }
bool CPjtInterface::SetMyButton2(int code) { return Invoke("SetMyButton2", {L(code)}) != 0; }
bool CPjtInterface::SetIRRemoteFreqNormal(int value) { return Invoke("SetIRRemoteFreqNormal", {L(value)}) != 0; }
bool CPjtInterface::SetIRRemoteFreqHigh(int value) { return Invoke("SetIRRemoteFreqHigh", {L(value)}) != 0; }
bool CPjtInterface::SetFocusLock(int value) { return Invoke("SetFocusLock", {L(value)}) != 0; }

// Setters that return nothing.
void CPjtInterface::SetPowerOff() { Invoke("SetPowerOff", {}); }
void CPjtInterface::SetLanguage(int position) { Invoke("SetLanguage", {L(position)}); }
void CPjtInterface::SetAspect(int position) { Invoke("SetAspect", {L(position)}); }
void CPjtInterface::SetGamma(int position) { Invoke("SetGamma", {L(position)}); }
void CPjtInterface::SetBlank(int value) { Invoke("SetBlank", {L(value)}); }
void CPjtInterface::SetMute(int value) { Invoke("SetMute", {L(value)}); }
void CPjtInterface::SetFreeze(int value) { Invoke("SetFreeze", {L(value)}); }
void CPjtInterface::SetPicturePosition(int position) { Invoke("SetPicturePosition", {L(position)}); }
void CPjtInterface::SetBlankColor(int code) { Invoke("SetBlankColor", {L(code)}); }
void CPjtInterface::SetStartup(int position) { Invoke("SetStartup", {L(position)}); }
void CPjtInterface::SetMyScreenSize(int position) { Invoke("SetMyScreenSize", {L(position)}); }
void CPjtInterface::SetMyScreenLock(int position) { Invoke("SetMyScreenLock", {L(position)}); }
void CPjtInterface::SetMessage(int position) { Invoke("SetMessage", {L(position)}); }
void CPjtInterface::SetColorSpace(int position) { Invoke("SetColorSpace", {L(position)}); }
void CPjtInterface::SetComponent(int position) { Invoke("SetComponent", {L(position)}); }
void CPjtInterface::SetVideoFormat(int position) { Invoke("SetVideoFormat", {L(position)}); }
void CPjtInterface::SetCVideoFormat(int position) { Invoke("SetCVideoFormat", {L(position)}); }
void CPjtInterface::SetSVideoFormat(int position) { Invoke("SetSVideoFormat", {L(position)}); }
void CPjtInterface::Set3DYCS(int position) { Invoke("Set3DYCS", {L(position)}); }
void CPjtInterface::SetVideoNR(int position, int offset) { Invoke("SetVideoNR", {L(position), L(offset)}); }
void CPjtInterface::SetFrameLock(int position) { Invoke("SetFrameLock", {L(position)}); }
void CPjtInterface::SetProgressive(int position) { Invoke("SetProgressive", {L(position)}); }
void CPjtInterface::SetS2Aspect(int position) { Invoke("SetS2Aspect", {L(position)}); }
void CPjtInterface::SetPinPInput(int position) { Invoke("SetPinPInput", {L(position)}); }
void CPjtInterface::SetPinPPosition(int position) { Invoke("SetPinPPosition", {L(position)}); }
void CPjtInterface::SetPinPAudio(int position) { Invoke("SetPinPAudio", {L(position)}); }
void CPjtInterface::SetPinPSize(int position) { Invoke("SetPinPSize", {L(position)}); }
void CPjtInterface::SetBNC(int position) { Invoke("SetBNC", {L(position)}); }
void CPjtInterface::SetHDTV(int position) { Invoke("SetHDTV", {L(position)}); }
void CPjtInterface::SetSyncOnG(int position) { Invoke("SetSyncOnG", {L(position)}); }
void CPjtInterface::SetBlack(int position) { Invoke("SetBlack", {L(position)}); }
void CPjtInterface::SetMenuColor(int position) { Invoke("SetMenuColor", {L(position)}); }
void CPjtInterface::SetDVI(int position) { Invoke("SetDVI", {L(position)}); }
void CPjtInterface::SetM1D(int position) { Invoke("SetM1D", {L(position)}); }
void CPjtInterface::SetRgbIn1(int position, bool flag) { Invoke("SetRgbIn1", {L(position), flag}); }
void CPjtInterface::SetRgbIn2(int position, bool flag) { Invoke("SetRgbIn2", {L(position), flag}); }
void CPjtInterface::SetFrameLockComp1(int position, bool flag) { Invoke("SetFrameLockComp1", {L(position), flag}); }
void CPjtInterface::SetFrameLockComp2(int position, bool flag) { Invoke("SetFrameLockComp2", {L(position), flag}); }
void CPjtInterface::SetHDMI(int position) { Invoke("SetHDMI", {L(position)}); }
void CPjtInterface::SetFrameLockHDMI(int position) { Invoke("SetFrameLockHDMI", {L(position)}); }
void CPjtInterface::SetCCDisplay(int position) { Invoke("SetCCDisplay", {L(position)}); }
void CPjtInterface::SetCCMode(int position) { Invoke("SetCCMode", {L(position)}); }
void CPjtInterface::SetCCChannel(int channel) { Invoke("SetCCChannel", {L(channel)}); }

// My Memory.
int CPjtInterface::SetMyMemory(int position) { return static_cast<int>(Invoke("SetMyMemory", {L(position)})); }

// Steps that write the new raw value through the pointer.
bool CPjtInterface::IncrementKeystoneV(std::int16_t* value) { return Invoke("IncrementKeystoneV", {}, value) != 0; }
bool CPjtInterface::DecrementKeystoneV(std::int16_t* value) { return Invoke("DecrementKeystoneV", {}, value) != 0; }
bool CPjtInterface::IncrementKeystoneH(std::int16_t* value) { return Invoke("IncrementKeystoneH", {}, value) != 0; }
bool CPjtInterface::DecrementKeystoneH(std::int16_t* value) { return Invoke("DecrementKeystoneH", {}, value) != 0; }
bool CPjtInterface::IncrementAutoPowerOff(std::int16_t* value) {
  return Invoke("IncrementAutoPowerOff", {}, value) != 0;
}
bool CPjtInterface::DecrementAutoPowerOff(std::int16_t* value) {
  return Invoke("DecrementAutoPowerOff", {}, value) != 0;
}
bool CPjtInterface::IncrementInputSrcVol(int input, std::int16_t* value) {
  return Invoke("IncrementInputSrcVol", {L(input)}, value) != 0;
}
bool CPjtInterface::DecrementInputSrcVol(int input, std::int16_t* value) {
  return Invoke("DecrementInputSrcVol", {L(input)}, value) != 0;
}
bool CPjtInterface::IncrementInputSrcTreb(int input, std::int16_t* value) {
  return Invoke("IncrementInputSrcTreb", {L(input)}, value) != 0;
}
bool CPjtInterface::DecrementInputSrcTreb(int input, std::int16_t* value) {
  return Invoke("DecrementInputSrcTreb", {L(input)}, value) != 0;
}
bool CPjtInterface::IncrementInputSrcBass(int input, std::int16_t* value) {
  return Invoke("IncrementInputSrcBass", {L(input)}, value) != 0;
}
bool CPjtInterface::DecrementInputSrcBass(int input, std::int16_t* value) {
  return Invoke("DecrementInputSrcBass", {L(input)}, value) != 0;
}

// Steps that take the current value and return the new one.
std::int16_t CPjtInterface::IncrementAutoPowerOff(std::int16_t current) {
  return static_cast<std::int16_t>(Invoke("IncrementAutoPowerOff", S::CurrentValue, {L(current)}, current));
}
std::int16_t CPjtInterface::DecrementAutoPowerOff(std::int16_t current) {
  return static_cast<std::int16_t>(Invoke("DecrementAutoPowerOff", S::CurrentValue, {L(current)}, current));
}
std::int16_t CPjtInterface::IncrementColorTempGain(int colour, std::int16_t current) {
  return static_cast<std::int16_t>(Invoke("IncrementColorTempGain", S::Colour, {L(colour), L(current)}, current));
}
std::int16_t CPjtInterface::DecrementColorTempGain(int colour, std::int16_t current) {
  return static_cast<std::int16_t>(Invoke("DecrementColorTempGain", S::Colour, {L(colour), L(current)}, current));
}
std::int16_t CPjtInterface::IncrementColorTempOffset(int colour, std::int16_t current) {
  return static_cast<std::int16_t>(Invoke("IncrementColorTempOffset", S::Colour, {L(colour), L(current)}, current));
}
std::int16_t CPjtInterface::DecrementColorTempOffset(int colour, std::int16_t current) {
  return static_cast<std::int16_t>(Invoke("DecrementColorTempOffset", S::Colour, {L(colour), L(current)}, current));
}

// Resets.
int CPjtInterface::ExecBrightnessReset() { return static_cast<int>(Invoke("ExecBrightnessReset", {})); }
int CPjtInterface::ExecContrastReset() { return static_cast<int>(Invoke("ExecContrastReset", {})); }
int CPjtInterface::ExecColorReset() { return static_cast<int>(Invoke("ExecColorReset", {})); }
int CPjtInterface::ExecTintReset() { return static_cast<int>(Invoke("ExecTintReset", {})); }
int CPjtInterface::ExecSharpnessReset() { return static_cast<int>(Invoke("ExecSharpnessReset", {})); }
int CPjtInterface::ExecColorBalRReset() { return static_cast<int>(Invoke("ExecColorBalRReset", {})); }
int CPjtInterface::ExecColorBalGReset() { return static_cast<int>(Invoke("ExecColorBalGReset", {})); }
int CPjtInterface::ExecColorBalBReset() { return static_cast<int>(Invoke("ExecColorBalBReset", {})); }
int CPjtInterface::ExecVPosReset() { return static_cast<int>(Invoke("ExecVPosReset", {})); }
int CPjtInterface::ExecHPosReset() { return static_cast<int>(Invoke("ExecHPosReset", {})); }
int CPjtInterface::ExecHSizeReset() { return static_cast<int>(Invoke("ExecHSizeReset", {})); }
int CPjtInterface::ExecOverScanReset() { return static_cast<int>(Invoke("ExecOverScanReset", {})); }
int CPjtInterface::ExecKeyStoneReset() { return static_cast<int>(Invoke("ExecKeyStoneReset", {})); }
int CPjtInterface::ExecKeyStoneVReset() { return static_cast<int>(Invoke("ExecKeyStoneVReset", {})); }
int CPjtInterface::ExecKeyStoneHReset() { return static_cast<int>(Invoke("ExecKeyStoneHReset", {})); }
int CPjtInterface::ExecMenuPositionVReset() { return static_cast<int>(Invoke("ExecMenuPositionVReset", {})); }
int CPjtInterface::ExecMenuPositionHReset() { return static_cast<int>(Invoke("ExecMenuPositionHReset", {})); }
int CPjtInterface::ExecDZoomReset() { return static_cast<int>(Invoke("ExecDZoomReset", {})); }
int CPjtInterface::ExecElectricZoomReset() { return static_cast<int>(Invoke("ExecElectricZoomReset", {})); }
int CPjtInterface::ExecDShiftVReset() { return static_cast<int>(Invoke("ExecDShiftVReset", {})); }
int CPjtInterface::ExecDShiftHReset() { return static_cast<int>(Invoke("ExecDShiftHReset", {})); }
int CPjtInterface::ExecLampTimeReset() { return static_cast<int>(Invoke("ExecLampTimeReset", {})); }
int CPjtInterface::ExecFilterTimeReset() { return static_cast<int>(Invoke("ExecFilterTimeReset", {})); }
bool CPjtInterface::ExecColorTempGainRReset() { return Invoke("ExecColorTempGainRReset", {}) != 0; }
bool CPjtInterface::ExecColorTempGainGReset() { return Invoke("ExecColorTempGainGReset", {}) != 0; }
bool CPjtInterface::ExecColorTempGainBReset() { return Invoke("ExecColorTempGainBReset", {}) != 0; }
bool CPjtInterface::ExecColorTempOffsetRReset() { return Invoke("ExecColorTempOffsetRReset", {}) != 0; }
bool CPjtInterface::ExecColorTempOffsetGReset() { return Invoke("ExecColorTempOffsetGReset", {}) != 0; }
bool CPjtInterface::ExecColorTempOffsetBReset() { return Invoke("ExecColorTempOffsetBReset", {}) != 0; }
bool CPjtInterface::ExecUserGammaPReset(int point) { return Invoke("ExecUserGammaPReset", {L(point)}) != 0; }

// Actions.
int CPjtInterface::ExecAutoAdjust() { return static_cast<int>(Invoke("ExecAutoAdjust", {})); }
void CPjtInterface::ExecAutoKeyStone() { Invoke("ExecAutoKeyStone", {}); }
