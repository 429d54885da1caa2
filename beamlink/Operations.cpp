#include "beamlink/Operations.h"

#include <algorithm>
#include <array>
#include <limits>
#include <vector>

namespace beamlink {
namespace {

// Command codes of the settings the named operations reach. The module keeps
// its own list of these numbers; the library repeats them rather than depend
// on the module.
constexpr std::uint16_t kLampTime = 0x1090;
constexpr std::uint16_t kFilterTime = 0x10A0;
constexpr std::uint16_t kInputSource = 0x2000;
constexpr std::uint16_t kMute = 0x2002;
constexpr std::uint16_t kBrightness = 0x2003;
constexpr std::uint16_t kContrast = 0x2004;
constexpr std::uint16_t kColourBalanceR = 0x2005;
constexpr std::uint16_t kColourBalanceB = 0x2006;
constexpr std::uint16_t kKeystoneV = 0x2007;
constexpr std::uint16_t kAspect = 0x2008;
constexpr std::uint16_t kPicturePosition = 0x2009;
constexpr std::uint16_t kKeystoneH = 0x200B;
constexpr std::uint16_t kOneTouch = 0x200E;
constexpr std::uint16_t kBnc = 0x2011;
constexpr std::uint16_t kColourBalanceG = 0x2012;
constexpr std::uint16_t kScreenType = 0x2013;
constexpr std::uint16_t kAutoSearch = 0x2016;
constexpr std::uint16_t kComponent = 0x2017;
constexpr std::uint16_t kAutoAdjustEnable = 0x2019;
constexpr std::uint16_t kSpeaker = 0x201C;
constexpr std::uint16_t kDvi = 0x2020;
constexpr std::uint16_t kAudioRgb1 = 0x2030;
constexpr std::uint16_t kAudioVideo = 0x2031;
constexpr std::uint16_t kAudioSVideo = 0x2032;
constexpr std::uint16_t kAudioRgb2 = 0x2034;
constexpr std::uint16_t kAudioComponent = 0x2035;
constexpr std::uint16_t kVPosition = 0x2100;
constexpr std::uint16_t kHPosition = 0x2101;
constexpr std::uint16_t kHSize = 0x2102;
constexpr std::uint16_t kVideoFormat = 0x2200;
constexpr std::uint16_t kSharpness = 0x2201;
constexpr std::uint16_t kColour = 0x2202;
constexpr std::uint16_t kTint = 0x2203;
constexpr std::uint16_t kColourSpace = 0x2204;
constexpr std::uint16_t kHdtv = 0x2205;
constexpr std::uint16_t kVideoNr = 0x2206;
constexpr std::uint16_t kProgressive = 0x2207;
constexpr std::uint16_t kBlack = 0x2208;
constexpr std::uint16_t kOverScan = 0x2209;
constexpr std::uint16_t k3dYcs = 0x220A;
constexpr std::uint16_t kS2Aspect = 0x220B;
constexpr std::uint16_t kPinPSize = 0x2300;
constexpr std::uint16_t kPinPPosition = 0x2301;
constexpr std::uint16_t kPinPInput = 0x2302;
constexpr std::uint16_t kPinPAudio = 0x2303;
constexpr std::uint16_t kLensLock = 0x2410;
constexpr std::uint16_t kLensType = 0x2570;
constexpr std::uint16_t kIrFront = 0x2600;
constexpr std::uint16_t kIrRear = 0x2601;
constexpr std::uint16_t kIrTop = 0x2602;
constexpr std::uint16_t kIrRemoteId = 0x2608;
constexpr std::uint16_t kBlankColour = 0x3000;
constexpr std::uint16_t kMirror = 0x3001;
constexpr std::uint16_t kFreeze = 0x3002;
constexpr std::uint16_t kMenuColour = 0x3003;
constexpr std::uint16_t kStartup = 0x3004;
constexpr std::uint16_t kLanguage = 0x3005;
constexpr std::uint16_t kSyncOnG = 0x3008;
constexpr std::uint16_t kDigitalZoom = 0x300A;
constexpr std::uint16_t kDigitalShiftV = 0x300B;
constexpr std::uint16_t kDigitalShiftH = 0x300C;
constexpr std::uint16_t kMyScreenSize = 0x3012;
constexpr std::uint16_t kFrameLock = 0x3014;
constexpr std::uint16_t kMenuPositionH = 0x3015;
constexpr std::uint16_t kMenuPositionV = 0x3016;
constexpr std::uint16_t kMessage = 0x3017;
constexpr std::uint16_t kBlank = 0x3020;
constexpr std::uint16_t kUserGammaPoint1 = 0x3090;  // points 1..8: 0x3090..0x3097
constexpr std::uint16_t kGamma = 0x30A1;
constexpr std::uint16_t kGainR = 0x30B1;  // gains R, G, B: 0x30B1..0x30B3
constexpr std::uint16_t kGainG = 0x30B2;
constexpr std::uint16_t kGainB = 0x30B3;
constexpr std::uint16_t kOffsetR = 0x30B5;  // offsets R, G, B: 0x30B5..0x30B7
constexpr std::uint16_t kOffsetG = 0x30B6;
constexpr std::uint16_t kOffsetB = 0x30B7;
constexpr std::uint16_t kMyScreenLock = 0x30C0;
constexpr std::uint16_t kAutoPowerOff = 0x3110;
constexpr std::uint16_t kAutoPowerOn = 0x3120;
constexpr std::uint16_t kWhisper = 0x3300;
constexpr std::uint16_t kPower = 0x6000;

// Settings that have no generic code: codes of our own, 0x4000..0x4FFF.
constexpr std::uint16_t kMyButton1 = 0x4000;
constexpr std::uint16_t kMyButton2 = 0x4001;
constexpr std::uint16_t kM1d = 0x4010;
constexpr std::uint16_t kHdmi = 0x4011;
constexpr std::uint16_t kFrameLockComputer1 = 0x4012;
constexpr std::uint16_t kFrameLockComputer2 = 0x4013;
constexpr std::uint16_t kFrameLockHdmi = 0x4014;
constexpr std::uint16_t kRgbIn1 = 0x4015;  // RGB IN-1, RGB IN-2: 0x4015, 0x4016
constexpr std::uint16_t kRgbIn2 = 0x4016;
constexpr std::uint16_t kAudioMiu = 0x4020;
constexpr std::uint16_t kAudioM1d = 0x4021;
constexpr std::uint16_t kHdmiAudio = 0x4022;
// Audio levels of one input, the input in the argument. They cannot share
// the volume code: the generic volume is the current input's, and argument 0
// is a real input.
constexpr std::uint16_t kInputVolume = 0x4030;
constexpr std::uint16_t kInputTreble = 0x4031;
constexpr std::uint16_t kInputBass = 0x4032;
constexpr std::uint16_t kInputSrsWow = 0x4033;
constexpr std::uint16_t kAutoKeystone = 0x4040;
constexpr std::uint16_t kCcDisplay = 0x4041;
constexpr std::uint16_t kCcMode = 0x4042;
constexpr std::uint16_t kCcChannel = 0x4043;
constexpr std::uint16_t kIrFrequencyNormal = 0x4050;
constexpr std::uint16_t kIrFrequencyHigh = 0x4051;
constexpr std::uint16_t kFocusLock = 0x4052;

// Pure actions: codes of our own, 0x7000..0x70FF.
constexpr std::uint16_t kAutoAdjust = 0x7000;
constexpr std::uint16_t kAutoKeystoneExecute = 0x7001;
constexpr std::uint16_t kMyMemoryLoad = 0x7010;  // save: 0x7011; argument: memory 1..4

using A = Action;
using S = ArgumentShape;
using R = ResultShape;
constexpr bool kOut = true;  // writes through the caller's pointer

constexpr OperationInfo kOperations[] = {
    // Generic operations: the caller names the code.
    {"Get", A::Get, 0, S::CodeAndValue, R::GenericOne, kOut},
    {"Set", A::Set, 0, S::CodeAndValue, R::GenericOne},
    {"Inc", A::Increment, 0, S::CodeAndValue, R::GenericOne},
    {"Dec", A::Decrement, 0, S::CodeAndValue, R::GenericOne},

    // Getters: flag, the raw value written through a signed 16-bit pointer.
    {"GetInputSource", A::Get, kInputSource, S::None, R::Flag, kOut},
    {"GetMirror", A::Get, kMirror, S::None, R::Flag, kOut},
    {"GetWhisper", A::Get, kWhisper, S::None, R::Flag, kOut},
    {"GetKeystoneV", A::Get, kKeystoneV, S::None, R::Flag, kOut},
    {"GetKeystoneH", A::Get, kKeystoneH, S::None, R::Flag, kOut},
    {"GetMyButton1", A::Get, kMyButton1, S::None, R::Flag, kOut},
    {"GetMyButton2", A::Get, kMyButton2, S::None, R::Flag, kOut},
    {"GetProgressive", A::Get, kProgressive, S::None, R::Flag, kOut},
    {"GetVideoNrVal", A::Get, kVideoNr, S::None, R::Flag, kOut},
    {"Get3dycs", A::Get, k3dYcs, S::None, R::Flag, kOut},
    {"GetColorSpace", A::Get, kColourSpace, S::None, R::Flag, kOut},
    {"GetComponent", A::Get, kComponent, S::None, R::Flag, kOut},
    {"GetVideoFormat", A::Get, kVideoFormat, S::VideoInput, R::Flag, kOut},
    {"GetM1d", A::Get, kM1d, S::None, R::Flag, kOut},
    {"GetFrameLock", A::Get, kFrameLock, S::None, R::Flag, kOut},
    {"GetRgbIn", A::Get, kRgbIn1, S::RgbInput, R::Flag, kOut},
    {"GetFrameLockComp1", A::Get, kFrameLockComputer1, S::None, R::Flag, kOut},
    {"GetFrameLockComp2", A::Get, kFrameLockComputer2, S::None, R::Flag, kOut},
    {"GetHDMI", A::Get, kHdmi, S::None, R::Flag, kOut},
    {"GetFrameLockHDMI", A::Get, kFrameLockHdmi, S::None, R::Flag, kOut},
    {"GetSpeaker", A::Get, kSpeaker, S::None, R::Flag, kOut},
    {"GetInputSrcVolume", A::Get, kInputVolume, S::Input, R::Flag, kOut},
    {"GetInputSrcTreble", A::Get, kInputTreble, S::Input, R::Flag, kOut},
    {"GetInputSrcBass", A::Get, kInputBass, S::Input, R::Flag, kOut},
    {"GetSRSWOW", A::Get, kInputSrsWow, S::Input, R::Flag, kOut},
    {"GetAudioRGB1", A::Get, kAudioRgb1, S::None, R::Flag, kOut},
    {"GetAudioRGB2", A::Get, kAudioRgb2, S::None, R::Flag, kOut},
    {"GetAudioVideo", A::Get, kAudioVideo, S::None, R::Flag, kOut},
    {"GetAudioSVideo", A::Get, kAudioSVideo, S::None, R::Flag, kOut},
    {"GetAudioComponent", A::Get, kAudioComponent, S::None, R::Flag, kOut},
    {"GetAudioMIU", A::Get, kAudioMiu, S::None, R::Flag, kOut},
    {"GetAudioM1D", A::Get, kAudioM1d, S::None, R::Flag, kOut},
    {"GetHDMIAudio", A::Get, kHdmiAudio, S::None, R::Flag, kOut},
    {"GetAutoSearch", A::Get, kAutoSearch, S::None, R::Flag, kOut},
    {"GetAutoKeystone", A::Get, kAutoKeystone, S::None, R::Flag, kOut},
    {"GetAutoOn", A::Get, kAutoPowerOn, S::None, R::Flag, kOut},
    {"GetAutoOff", A::Get, kAutoPowerOff, S::None, R::Flag, kOut},
    {"GetCCDisplay", A::Get, kCcDisplay, S::None, R::Flag, kOut},
    {"GetCCMode", A::Get, kCcMode, S::None, R::Flag, kOut},
    {"GetCCChannel", A::Get, kCcChannel, S::None, R::Flag, kOut},
    {"GetAutoAdjustEnable", A::Get, kAutoAdjustEnable, S::None, R::Flag, kOut},
    {"GetIRRemoteFront", A::Get, kIrFront, S::None, R::Flag, kOut},
    {"GetIRRemoteRear", A::Get, kIrRear, S::None, R::Flag, kOut},
    {"GetIRRemoteTop", A::Get, kIrTop, S::None, R::Flag, kOut},
    {"GetIRREmoteFreqNormal", A::Get, kIrFrequencyNormal, S::None, R::Flag, kOut},
    {"GetIRRemoteFreqHigh", A::Get, kIrFrequencyHigh, S::None, R::Flag, kOut},
    {"GetFocusLock", A::Get, kFocusLock, S::None, R::Flag, kOut},

    // Getters that return the raw value itself (-1 when it cannot be read).
    {"GetColorTempGainR", A::Get, kGainR, S::None, R::ValueItself},
    {"GetColorTempGainG", A::Get, kGainG, S::None, R::ValueItself},
    {"GetColorTempGainB", A::Get, kGainB, S::None, R::ValueItself},
    {"GetColorTempOffsetR", A::Get, kOffsetR, S::None, R::ValueItself},
    {"GetColorTempOffsetG", A::Get, kOffsetG, S::None, R::ValueItself},
    {"GetColorTempOffsetB", A::Get, kOffsetB, S::None, R::ValueItself},
    {"GetUserGammaPoint", A::Get, kUserGammaPoint1, S::Point, R::ValueItself},

    // Setters that report success.
    {"SetBrightness", A::Set, kBrightness, S::Value, R::Flag},
    {"SetContrast", A::Set, kContrast, S::Value, R::Flag},
    {"SetColor", A::Set, kColour, S::Value, R::Flag},
    {"SetTint", A::Set, kTint, S::Value, R::Flag},
    {"SetSharpness", A::Set, kSharpness, S::Value, R::Flag},
    {"SetKeystoneV", A::Set, kKeystoneV, S::Value, R::Flag},
    {"SetKeystoneH", A::Set, kKeystoneH, S::Value, R::Flag},
    {"SetWhisper", A::Set, kWhisper, S::Value, R::Flag},
    {"SetMirror", A::Set, kMirror, S::Value, R::Flag},
    {"SetPowerOn", A::Set, kPower, S::None, R::Flag, false, 0, 1},
    {"SetSpeaker", A::Set, kSpeaker, S::Value, R::Flag},
    {"SetStereo", A::Set, kSpeaker, S::Value, R::Flag},
    {"SetScreenType", A::Set, kScreenType, S::Value, R::Flag},
    {"SetIRFront", A::Set, kIrFront, S::Value, R::Flag},
    {"SetIRRear", A::Set, kIrRear, S::Value, R::Flag},
    {"SetIRTop", A::Set, kIrTop, S::Value, R::Flag},
    {"SetIPRemoteID", A::Set, kIrRemoteId, S::Value, R::Flag},
    {"SetAutoAdjustEnable", A::Set, kAutoAdjustEnable, S::Value, R::Flag},
    {"SetLensType", A::Set, kLensType, S::Value, R::Flag},
    {"SetLensLock", A::Set, kLensLock, S::Value, R::Flag},
    {"SetAutoPowerOn", A::Set, kAutoPowerOn, S::Value, R::Flag},
    {"SetAutoPowerOff", A::Set, kAutoPowerOff, S::Value, R::Flag},
    {"SetAutoSearch", A::Set, kAutoSearch, S::Value, R::Flag},
    {"SetAutoKeystone", A::Set, kAutoKeystone, S::Value, R::Flag},
    {"SetOneTouch", A::Set, kOneTouch, S::Value, R::Flag},
    {"SetAudioRGB1", A::Set, kAudioRgb1, S::Value, R::Flag},
    {"SetAudioRGB2", A::Set, kAudioRgb2, S::Value, R::Flag},
    {"SetAudioVideo", A::Set, kAudioVideo, S::Value, R::Flag},
    {"SetAudioSVideo", A::Set, kAudioSVideo, S::Value, R::Flag},
    {"SetAudioComponent", A::Set, kAudioComponent, S::Value, R::Flag},
    {"SetAudioMIU", A::Set, kAudioMiu, S::Value, R::Flag},
    {"SetAudioM1D", A::Set, kAudioM1d, S::ValueAndFlag, R::Flag},
    {"SetHDMIAudio", A::Set, kHdmiAudio, S::Value, R::Flag},
    {"SetVolumeEachSrc", A::Set, kInputVolume, S::InputAndValue, R::Flag},
    {"SetInputSrcTreble", A::Set, kInputTreble, S::InputAndValue, R::Flag},
    {"SetInputSrcBass", A::Set, kInputBass, S::InputAndValue, R::Flag},
    {"SetSRSWOW", A::Set, kInputSrsWow, S::InputAndValue, R::Flag},
    {"SetMyButton1", A::Set, kMyButton1, S::Value, R::Flag},
    {"SetMyButton2", A::Set, kMyButton2, S::Value, R::Flag},
    {"SetIRRemoteFreqNormal", A::Set, kIrFrequencyNormal, S::Value, R::Flag},
    {"SetIRRemoteFreqHigh", A::Set, kIrFrequencyHigh, S::Value, R::Flag},
    {"SetFocusLock", A::Set, kFocusLock, S::Value, R::Flag},

    // Setters that return nothing.
    {"SetPowerOff", A::Set, kPower, S::None, R::Nothing, false, 0, 0},
    {"SetLanguage", A::Set, kLanguage, S::Value, R::Nothing},
    {"SetAspect", A::Set, kAspect, S::AspectPosition, R::Nothing},
    {"SetGamma", A::Set, kGamma, S::GammaPosition, R::Nothing},
    {"SetBlank", A::Set, kBlank, S::Value, R::Nothing},
    {"SetMute", A::Set, kMute, S::Value, R::Nothing},
    {"SetFreeze", A::Set, kFreeze, S::Value, R::Nothing},
    {"SetPicturePosition", A::Set, kPicturePosition, S::Value, R::Nothing},
    {"SetBlankColor", A::Set, kBlankColour, S::Value, R::Nothing},
    {"SetStartup", A::Set, kStartup, S::StartupPosition, R::Nothing},
    {"SetMyScreenSize", A::Set, kMyScreenSize, S::Value, R::Nothing},
    {"SetMyScreenLock", A::Set, kMyScreenLock, S::Value, R::Nothing},
    {"SetMessage", A::Set, kMessage, S::Value, R::Nothing},
    {"SetColorSpace", A::Set, kColourSpace, S::Value, R::Nothing},
    {"SetComponent", A::Set, kComponent, S::Value, R::Nothing},
    {"SetVideoFormat", A::Set, kVideoFormat, S::VideoFormatPosition, R::Nothing},
    {"SetCVideoFormat", A::Set, kVideoFormat, S::VideoFormatPosition, R::Nothing, false, 1},
    {"SetSVideoFormat", A::Set, kVideoFormat, S::VideoFormatPosition, R::Nothing, false, 2},
    {"Set3DYCS", A::Set, k3dYcs, S::Value, R::Nothing},
    {"SetVideoNR", A::Set, kVideoNr, S::PositionPlusOffset, R::Nothing},
    {"SetFrameLock", A::Set, kFrameLock, S::Value, R::Nothing},
    {"SetProgressive", A::Set, kProgressive, S::Value, R::Nothing},
    {"SetS2Aspect", A::Set, kS2Aspect, S::Value, R::Nothing},
    {"SetPinPInput", A::Set, kPinPInput, S::PinPInputPosition, R::Nothing},
    {"SetPinPPosition", A::Set, kPinPPosition, S::Value, R::Nothing},
    {"SetPinPAudio", A::Set, kPinPAudio, S::Value, R::Nothing},
    {"SetPinPSize", A::Set, kPinPSize, S::Value, R::Nothing},
    {"SetBNC", A::Set, kBnc, S::Value, R::Nothing},
    {"SetHDTV", A::Set, kHdtv, S::Value, R::Nothing},
    {"SetSyncOnG", A::Set, kSyncOnG, S::Value, R::Nothing},
    {"SetBlack", A::Set, kBlack, S::Value, R::Nothing},
    {"SetMenuColor", A::Set, kMenuColour, S::Value, R::Nothing},
    {"SetDVI", A::Set, kDvi, S::Value, R::Nothing},
    {"SetM1D", A::Set, kM1d, S::Value, R::Nothing},
    {"SetRgbIn1", A::Set, kRgbIn1, S::RgbInPosition, R::Nothing},
    {"SetRgbIn2", A::Set, kRgbIn2, S::RgbInPosition, R::Nothing},
    {"SetFrameLockComp1", A::Set, kFrameLockComputer1, S::ValueAndFlag, R::Nothing},
    {"SetFrameLockComp2", A::Set, kFrameLockComputer2, S::ValueAndFlag, R::Nothing},
    {"SetHDMI", A::Set, kHdmi, S::Value, R::Nothing},
    {"SetFrameLockHDMI", A::Set, kFrameLockHdmi, S::Value, R::Nothing},
    {"SetCCDisplay", A::Set, kCcDisplay, S::Value, R::Nothing},
    {"SetCCMode", A::Set, kCcMode, S::Value, R::Nothing},
    {"SetCCChannel", A::Set, kCcChannel, S::Value, R::Nothing},

    // My Memory: load or save, non-zero on success.
    {"SetMyMemory", A::Execute, kMyMemoryLoad, S::MemoryPosition, R::NonZeroIsSuccess},

    // Steps that write the new raw value through the caller's pointer.
    {"IncrementKeystoneV", A::Increment, kKeystoneV, S::None, R::Flag, kOut},
    {"DecrementKeystoneV", A::Decrement, kKeystoneV, S::None, R::Flag, kOut},
    {"IncrementKeystoneH", A::Increment, kKeystoneH, S::None, R::Flag, kOut},
    {"DecrementKeystoneH", A::Decrement, kKeystoneH, S::None, R::Flag, kOut},
    {"IncrementAutoPowerOff", A::Increment, kAutoPowerOff, S::None, R::Flag, kOut},
    {"DecrementAutoPowerOff", A::Decrement, kAutoPowerOff, S::None, R::Flag, kOut},
    {"IncrementInputSrcVol", A::Increment, kInputVolume, S::Input, R::Flag, kOut},
    {"DecrementInputSrcVol", A::Decrement, kInputVolume, S::Input, R::Flag, kOut},
    {"IncrementInputSrcTreb", A::Increment, kInputTreble, S::Input, R::Flag, kOut},
    {"DecrementInputSrcTreb", A::Decrement, kInputTreble, S::Input, R::Flag, kOut},
    {"IncrementInputSrcBass", A::Increment, kInputBass, S::Input, R::Flag, kOut},
    {"DecrementInputSrcBass", A::Decrement, kInputBass, S::Input, R::Flag, kOut},

    // Steps that take the current value and return the new one.
    {"IncrementAutoPowerOff", A::Increment, kAutoPowerOff, S::CurrentValue, R::ValueItself},
    {"DecrementAutoPowerOff", A::Decrement, kAutoPowerOff, S::CurrentValue, R::ValueItself},
    {"IncrementColorTempGain", A::Increment, kGainR, S::Colour, R::ShownValueItself},
    {"DecrementColorTempGain", A::Decrement, kGainR, S::Colour, R::ShownValueItself},
    {"IncrementColorTempOffset", A::Increment, kOffsetR, S::Colour, R::ShownValueItself},
    {"DecrementColorTempOffset", A::Decrement, kOffsetR, S::Colour, R::ShownValueItself},

    // Resets: an Execute on the code of the setting they restore; 0 on success.
    {"ExecBrightnessReset", A::Execute, kBrightness, S::None, R::ZeroIsSuccess},
    {"ExecContrastReset", A::Execute, kContrast, S::None, R::ZeroIsSuccess},
    {"ExecColorReset", A::Execute, kColour, S::None, R::ZeroIsSuccess},
    {"ExecTintReset", A::Execute, kTint, S::None, R::ZeroIsSuccess},
    {"ExecSharpnessReset", A::Execute, kSharpness, S::None, R::ZeroIsSuccess},
    {"ExecColorBalRReset", A::Execute, kColourBalanceR, S::None, R::ZeroIsSuccess},
    {"ExecColorBalGReset", A::Execute, kColourBalanceG, S::None, R::ZeroIsSuccess},
    {"ExecColorBalBReset", A::Execute, kColourBalanceB, S::None, R::ZeroIsSuccess},
    {"ExecVPosReset", A::Execute, kVPosition, S::None, R::ZeroIsSuccess},
    {"ExecHPosReset", A::Execute, kHPosition, S::None, R::ZeroIsSuccess},
    {"ExecHSizeReset", A::Execute, kHSize, S::None, R::ZeroIsSuccess},
    {"ExecOverScanReset", A::Execute, kOverScan, S::None, R::ZeroIsSuccess},
    {"ExecKeyStoneReset", A::Execute, kKeystoneV, S::None, R::ZeroIsSuccess},
    {"ExecKeyStoneVReset", A::Execute, kKeystoneV, S::None, R::ZeroIsSuccess},
    {"ExecKeyStoneHReset", A::Execute, kKeystoneH, S::None, R::ZeroIsSuccess},
    {"ExecMenuPositionVReset", A::Execute, kMenuPositionV, S::None, R::ZeroIsSuccess},
    {"ExecMenuPositionHReset", A::Execute, kMenuPositionH, S::None, R::ZeroIsSuccess},
    {"ExecDZoomReset", A::Execute, kDigitalZoom, S::None, R::ZeroIsSuccess},
    {"ExecElectricZoomReset", A::Execute, kDigitalZoom, S::None, R::ZeroIsSuccess},
    {"ExecDShiftVReset", A::Execute, kDigitalShiftV, S::None, R::ZeroIsSuccess},
    {"ExecDShiftHReset", A::Execute, kDigitalShiftH, S::None, R::ZeroIsSuccess},
    {"ExecLampTimeReset", A::Execute, kLampTime, S::None, R::ZeroIsSuccess},
    {"ExecFilterTimeReset", A::Execute, kFilterTime, S::None, R::ZeroIsSuccess},

    // Resets that report a flag.
    {"ExecColorTempGainRReset", A::Execute, kGainR, S::None, R::Flag},
    {"ExecColorTempGainGReset", A::Execute, kGainG, S::None, R::Flag},
    {"ExecColorTempGainBReset", A::Execute, kGainB, S::None, R::Flag},
    {"ExecColorTempOffsetRReset", A::Execute, kOffsetR, S::None, R::Flag},
    {"ExecColorTempOffsetGReset", A::Execute, kOffsetG, S::None, R::Flag},
    {"ExecColorTempOffsetBReset", A::Execute, kOffsetB, S::None, R::Flag},
    {"ExecUserGammaPReset", A::Execute, kUserGammaPoint1, S::Point, R::Flag},

    // Actions.
    {"ExecAutoAdjust", A::Execute, kAutoAdjust, S::None, R::ZeroIsSuccess},
    {"ExecAutoKeyStone", A::Execute, kAutoKeystoneExecute, S::None, R::Nothing},
};

constexpr std::array<std::uint16_t, 7> kVideoFormatByPosition = {10, 4, 5, 9, 2, 8, 7};
constexpr std::array<std::uint16_t, 3> kStartupByPosition = {0, 1, 32};
constexpr std::array<std::uint16_t, 3> kPinPInputByPosition = {1, 2, 5};
constexpr int kMemories = 4;
constexpr int kColours = 3;
constexpr int kUserGammaPoints = 8;
constexpr int kRgbInputs = 2;

// Rows ordered by name for look-ups, each name's rows in table order.
const std::vector<const OperationInfo*>& ByName() {
  static const std::vector<const OperationInfo*> index = [] {
    std::vector<const OperationInfo*> rows;
    for (const OperationInfo& op : kOperations) rows.push_back(&op);
    std::stable_sort(rows.begin(), rows.end(), [](const OperationInfo* a, const OperationInfo* b) {
      return std::string_view(a->name) < b->name;
    });
    return rows;
  }();
  return index;
}

std::optional<std::uint16_t> As16(long long value) {
  if (value < 0 || value > std::numeric_limits<std::uint16_t>::max()) return std::nullopt;
  return static_cast<std::uint16_t>(value);
}

// The entry at `position` of `list`, as a 16-bit projector value.
template <typename List>
std::optional<std::uint16_t> AtPosition(const List& list, long long position) {
  if (position < 0 || position >= static_cast<long long>(list.size())) return std::nullopt;
  return As16(list[static_cast<std::size_t>(position)]);
}

// `code` + `index` - `first`, for an index within [first, first + count).
std::optional<std::uint16_t> CodeFor(std::uint16_t code, long long index, int first, int count) {
  if (index < first || index >= first + count) return std::nullopt;
  return As16(code + index - first);
}

}  // namespace

std::span<const OperationInfo> AllOperations() { return kOperations; }

const OperationInfo* FindOperation(std::string_view name) {
  const auto& rows = ByName();
  const auto it = std::lower_bound(rows.begin(), rows.end(), name,
                                   [](const OperationInfo* op, std::string_view key) { return op->name < key; });
  return it != rows.end() && (*it)->name == name ? *it : nullptr;
}

const OperationInfo* FindOperation(std::string_view name, ArgumentShape arguments) {
  for (const OperationInfo& op : kOperations)
    if (op.name == name && op.arguments == arguments) return &op;
  return nullptr;
}

std::optional<Request> BuildRequest(const OperationInfo& op, std::span<const long long> args,
                                    const PositionLists& lists) {
  // Every shape reads its arguments as 16-bit numbers first, so no sum below
  // can overflow; missing or out-of-range arguments fail the call.
  auto arg = [&](std::size_t i) -> std::optional<std::uint16_t> {
    return i < args.size() ? As16(args[i]) : std::nullopt;
  };
  auto flag = [&](std::size_t i) -> std::optional<std::uint16_t> {
    const auto given = arg(i);
    return given && *given <= 1 ? given : std::nullopt;
  };
  Request request{0, op.action, op.code, op.argument, op.value};
  std::optional<std::uint16_t> code = op.code, argument = op.argument, value = op.value;
  switch (op.arguments) {
    case S::None:
    case S::CurrentValue:
      break;
    case S::CodeAndValue:
      code = arg(0);
      value = arg(1);
      break;
    case S::Value:
      value = arg(0);
      break;
    case S::AspectPosition:
      value = args.empty() ? std::nullopt : AtPosition(lists.aspect, args[0]);
      break;
    case S::GammaPosition:
      value = args.empty() ? std::nullopt : AtPosition(lists.gamma, args[0]);
      break;
    case S::VideoFormatPosition:
      value = args.empty() ? std::nullopt : AtPosition(kVideoFormatByPosition, args[0]);
      break;
    case S::StartupPosition:
      value = args.empty() ? std::nullopt : AtPosition(kStartupByPosition, args[0]);
      break;
    case S::PinPInputPosition:
      value = args.empty() ? std::nullopt : AtPosition(kPinPInputByPosition, args[0]);
      break;
    case S::PositionPlusOffset:
      // The offset may be 0 or more; only the sum has to fit.
      if (arg(0) && arg(1))
        value = As16(static_cast<long long>(*arg(0)) + *arg(1));
      else
        value.reset();
      break;
    case S::RgbInPosition:
      value = arg(0) ? As16(*arg(0) + 2LL) : std::nullopt;
      argument = flag(1);
      break;
    case S::ValueAndFlag:
      value = arg(0);
      argument = flag(1);
      break;
    case S::MemoryPosition: {
      const auto position = arg(0);
      if (!position || *position >= 2 * kMemories) return std::nullopt;
      code = As16(*position < kMemories ? op.code : op.code + 1);
      argument = static_cast<std::uint16_t>(*position % kMemories + 1);
      break;
    }
    case S::Input:
      argument = arg(0);
      break;
    case S::InputAndValue:
      argument = arg(0);
      value = arg(1);
      break;
    case S::VideoInput: {
      const auto composite = flag(0);
      argument = composite ? std::optional<std::uint16_t>(*composite == 1 ? 1 : 2) : std::nullopt;
      break;
    }
    case S::Colour:
      code = args.empty() ? std::nullopt : CodeFor(op.code, args[0], 0, kColours);
      break;
    case S::Point:
      code = args.empty() ? std::nullopt : CodeFor(op.code, args[0], 1, kUserGammaPoints);
      break;
    case S::RgbInput:
      code = args.empty() ? std::nullopt : CodeFor(op.code, args[0], 1, kRgbInputs);
      break;
  }
  if (!code || !argument || !value) return std::nullopt;
  request.code = *code;
  request.argument = *argument;
  request.value = *value;
  return request;
}

bool ArgumentSelectsInstance(ArgumentShape shape) {
  return shape == S::Input || shape == S::InputAndValue || shape == S::VideoInput;
}

const char* ActionName(Action action) {
  switch (action) {
    case A::Get:
      return "Get";
    case A::Set:
      return "Set";
    case A::Increment:
      return "Increment";
    case A::Decrement:
      return "Decrement";
    case A::Execute:
      return "Execute";
  }
  return "?";
}

const char* Describe(ArgumentShape shape) {
  switch (shape) {
    case S::CodeAndValue:
      return "(code, value, interface): the code and value as given";
    case S::None:
      return "()";
    case S::Value:
      return "(value)";
    case S::AspectPosition:
      return "(position): the aspect code at that position of the aspect list";
    case S::GammaPosition:
      return "(position): the gamma code at that position of the gamma list";
    case S::VideoFormatPosition:
      return "(position): value 10, 4, 5, 9, 2, 8, 7 by position";
    case S::StartupPosition:
      return "(position): value 0, 1, 32 by position";
    case S::PinPInputPosition:
      return "(position): value 1, 2, 5 by position";
    case S::PositionPlusOffset:
      return "(position, offset): value position + offset";
    case S::RgbInPosition:
      return "(position, flag): value position + 2, argument the flag";
    case S::ValueAndFlag:
      return "(value, flag): argument the flag";
    case S::MemoryPosition:
      return "(position): 0..3 load, 4..7 save (code + 1); argument the memory 1..4";
    case S::Input:
      return "(input): argument the input";
    case S::InputAndValue:
      return "(input, value): argument the input";
    case S::VideoInput:
      return "(composite): argument 1 composite, 2 S-video";
    case S::Colour:
      return "(colour, current): code + colour 0..2";
    case S::Point:
      return "(point): code + point - 1, points 1..8";
    case S::RgbInput:
      return "(input): code + input - 1, inputs 1..2";
    case S::CurrentValue:
      return "(current): nothing travels";
  }
  return "?";
}

const char* Describe(ResultShape shape) {
  switch (shape) {
    case R::GenericOne:
      return "int: 1 on success";
    case R::Flag:
      return "bool: true on success";
    case R::ZeroIsSuccess:
      return "int: 0 on success, -1 on failure";
    case R::NonZeroIsSuccess:
      return "int: non-zero on success";
    case R::Nothing:
      return "nothing";
    case R::ValueItself:
      return "the raw value; on failure -1, or the current value for steps";
    case R::ShownValueItself:
      return "the raw value - 128; on failure the current value";
  }
  return "?";
}

}  // namespace beamlink
