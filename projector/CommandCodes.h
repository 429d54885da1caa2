#pragma once
// Command codes: the 16-bit numbers that name projector settings in the
// generic Get, Set, Inc and Dec operations. Signed settings travel as the
// shown value plus 128 unless a page says otherwise.
#include <cstdint>
#include <span>

namespace pjcode {

inline constexpr std::uint16_t kLampTime = 0x1090;  // lamp time, hours; Get; number
inline constexpr std::uint16_t kFilterTime = 0x10A0;  // filter time, hours; Get; number
inline constexpr std::uint16_t kInputSource = 0x2000;  // input source; Get, Set; input code (matched against the input list)
inline constexpr std::uint16_t kVolume = 0x2001;  // volume; Get, Set, Inc, Dec; raw level
inline constexpr std::uint16_t kMute = 0x2002;  // mute; Get; 0 off, 1 on
inline constexpr std::uint16_t kBrightness = 0x2003;  // brightness; Get, Set, Inc, Dec; signed value + 128
inline constexpr std::uint16_t kContrast = 0x2004;  // contrast; Get, Set, Inc, Dec; signed value + 128
inline constexpr std::uint16_t kColourBalanceR = 0x2005;  // colour balance R; Get, Set, Inc, Dec; signed value + 128
inline constexpr std::uint16_t kColourBalanceB = 0x2006;  // colour balance B; Get, Set, Inc, Dec; signed value + 128
inline constexpr std::uint16_t kKeystoneV = 0x2007;  // keystone V (type-4 label: keystone); Get, Set, Inc, Dec; signed value + 128
inline constexpr std::uint16_t kAspect = 0x2008;  // aspect; Get; aspect code (matched against the aspect list)
inline constexpr std::uint16_t kPicturePosition = 0x2009;  // picture position / display position; Get; list value
inline constexpr std::uint16_t kKeystoneH = 0x200B;  // keystone H; Get, Set, Inc, Dec; signed value + 128
inline constexpr std::uint16_t kOneTouch = 0x200E;  // one touch; Get; list value
inline constexpr std::uint16_t kBNCInputMode = 0x2011;  // BNC input mode; Get; list value
inline constexpr std::uint16_t kColourBalanceG = 0x2012;  // colour balance G; Get, Set, Inc, Dec; signed value + 128
inline constexpr std::uint16_t kScreenType = 0x2013;  // screen type; Get; list value
inline constexpr std::uint16_t kAutoSearch = 0x2016;  // auto search; Get; list value
inline constexpr std::uint16_t kComponentInputMode = 0x2017;  // component input mode; Get; list value
inline constexpr std::uint16_t kPowerUpInput = 0x2018;  // power-up input; Get, Set; list value
inline constexpr std::uint16_t kAutoAdjustEnable = 0x2019;  // auto adjust enable; Get; list value
inline constexpr std::uint16_t kSpeaker = 0x201C;  // speaker (type-4 label: stereo); Get; list value
inline constexpr std::uint16_t kDVIInputMode = 0x2020;  // DVI input mode; Get; list value
inline constexpr std::uint16_t kAudioForRGB1 = 0x2030;  // audio for RGB 1; Get; list value
inline constexpr std::uint16_t kAudioForVideo = 0x2031;  // audio for video; Get; list value
inline constexpr std::uint16_t kAudioForSVideo = 0x2032;  // audio for S-video; Get; list value
inline constexpr std::uint16_t kAudioForRGB2 = 0x2034;  // audio for RGB 2; Get; list value
inline constexpr std::uint16_t kAudioForComponent = 0x2035;  // audio for component; Get; list value
inline constexpr std::uint16_t kVerticalPosition = 0x2100;  // vertical position; Get, Inc, Dec; raw position
inline constexpr std::uint16_t kHorizontalPosition = 0x2101;  // horizontal position; Get, Inc, Dec; raw position
inline constexpr std::uint16_t kHorizontalSize = 0x2102;  // horizontal size; Get, Inc, Dec; raw size
inline constexpr std::uint16_t kHorizontalPhase = 0x2103;  // horizontal phase; Get, Set, Inc, Dec; raw phase
inline constexpr std::uint16_t kVideoFormat = 0x2200;  // video format; Get; list value (mapped by the page's video-format table)
inline constexpr std::uint16_t kSharpness = 0x2201;  // sharpness; Get, Set, Inc, Dec; shown value + offset; the offset is 124, 125 or 128 depending on the page
inline constexpr std::uint16_t kColour = 0x2202;  // colour (saturation); Get, Set, Inc, Dec; signed value + 128
inline constexpr std::uint16_t kTint = 0x2203;  // tint; Get, Set, Inc, Dec; signed value + 128
inline constexpr std::uint16_t kColourSpace = 0x2204;  // colour space; Get; list value
inline constexpr std::uint16_t kHDTV = 0x2205;  // HDTV; Get; list value
inline constexpr std::uint16_t kVideoNoiseReduction = 0x2206;  // video noise reduction; Get; list value
inline constexpr std::uint16_t kProgressive = 0x2207;  // progressive; Get; list value
inline constexpr std::uint16_t kBlackLevel = 0x2208;  // black level; Get; list value
inline constexpr std::uint16_t kOverScan = 0x2209;  // over scan; Get, Set, Inc, Dec; raw level
inline constexpr std::uint16_t kYcs3D = 0x220A;  // 3D-YCS; Get; list value
inline constexpr std::uint16_t kS2Aspect = 0x220B;  // S2 aspect; Get; list value
inline constexpr std::uint16_t kPictureInPictureSize = 0x2300;  // picture-in-picture size; Get; list value
inline constexpr std::uint16_t kPictureInPicturePosition = 0x2301;  // picture-in-picture position; Get; list value
inline constexpr std::uint16_t kPictureInPictureInput = 0x2302;  // picture-in-picture input; Get; list value
inline constexpr std::uint16_t kPictureInPictureAudio = 0x2303;  // picture-in-picture audio; Get; list value
inline constexpr std::uint16_t kFocus = 0x2400;  // focus (step); Inc, Dec; no value
inline constexpr std::uint16_t kZoom = 0x2401;  // zoom (step); Inc, Dec; no value
inline constexpr std::uint16_t kLensLock = 0x2410;  // lens lock; Get; list value
inline constexpr std::uint16_t kLensType = 0x2570;  // lens type; Get; list value
inline constexpr std::uint16_t kIRRemoteSensorFront = 0x2600;  // IR remote sensor front; Get; 0 off, 1 on
inline constexpr std::uint16_t kIRRemoteSensorRear = 0x2601;  // IR remote sensor rear; Get; 0 off, 1 on
inline constexpr std::uint16_t kIRRemoteSensorTop = 0x2602;  // IR remote sensor top; Get; 0 off, 1 on
inline constexpr std::uint16_t kIRRemoteID = 0x2608;  // IR remote ID; Get; list value
inline constexpr std::uint16_t kBlankColour = 0x3000;  // blank colour; Get; list value
inline constexpr std::uint16_t kMirror = 0x3001;  // mirror; Get; list value
inline constexpr std::uint16_t kFreeze = 0x3002;  // freeze; Get; 0 normal, 1 frozen
inline constexpr std::uint16_t kMenuColour = 0x3003;  // menu colour; Get; list value
inline constexpr std::uint16_t kStartUpScreen = 0x3004;  // start-up screen; Get; list value
inline constexpr std::uint16_t kMenuLanguage = 0x3005;  // menu language; Get; list value
inline constexpr std::uint16_t kMagnify = 0x3007;  // magnify; Get, Set, Inc, Dec; raw level
inline constexpr std::uint16_t kSyncOnG = 0x3008;  // sync on G; Get; list value
inline constexpr std::uint16_t kDigitalZoom = 0x300A;  // digital zoom; Get, Set, Inc, Dec; raw level
inline constexpr std::uint16_t kDigitalShiftVertical = 0x300B;  // digital shift vertical; Get, Inc, Dec; signed value + 128
inline constexpr std::uint16_t kDigitalShiftHorizontal = 0x300C;  // digital shift horizontal; Get, Inc, Dec; signed value + 128
inline constexpr std::uint16_t kMyScreenSize = 0x3012;  // MyScreen size; Get; list value
inline constexpr std::uint16_t kFrameLock = 0x3014;  // frame lock; Get; list value
inline constexpr std::uint16_t kMenuPositionHorizontal = 0x3015;  // menu position horizontal; Get, Inc, Dec; raw position
inline constexpr std::uint16_t kMenuPositionVertical = 0x3016;  // menu position vertical; Get, Inc, Dec; raw position
inline constexpr std::uint16_t kMessageDisplay = 0x3017;  // message display; Get; list value
inline constexpr std::uint16_t kOSDBrightness = 0x3018;  // OSD brightness; Get, Set, Inc, Dec; raw level
inline constexpr std::uint16_t kBlank = 0x3020;  // blank on/off; Get; 0 off, 1 on
inline constexpr std::uint16_t kUserGammaPattern = 0x3080;  // user gamma pattern; Get, Set; list value
inline constexpr std::uint16_t kUserGammaPoint1 = 0x3090;  // user gamma point 1; Get, Set, Inc, Dec; signed value + 128
inline constexpr std::uint16_t kUserGammaPoint2 = 0x3091;  // user gamma point 2; Get, Set, Inc, Dec; signed value + 128
inline constexpr std::uint16_t kUserGammaPoint3 = 0x3092;  // user gamma point 3; Get, Set, Inc, Dec; signed value + 128
inline constexpr std::uint16_t kUserGammaPoint4 = 0x3093;  // user gamma point 4; Get, Set, Inc, Dec; signed value + 128
inline constexpr std::uint16_t kUserGammaPoint5 = 0x3094;  // user gamma point 5; Get, Set, Inc, Dec; signed value + 128
inline constexpr std::uint16_t kUserGammaPoint6 = 0x3095;  // user gamma point 6; Get, Set, Inc, Dec; signed value + 128
inline constexpr std::uint16_t kUserGammaPoint7 = 0x3096;  // user gamma point 7; Get, Set, Inc, Dec; signed value + 128
inline constexpr std::uint16_t kUserGammaPoint8 = 0x3097;  // user gamma point 8; Get, Set, Inc, Dec; signed value + 128
inline constexpr std::uint16_t kCustomGamma = 0x30A0;  // custom gamma; Get, Set, Inc, Dec; gamma in tenths, no offset (18 is shown as 1.8)
inline constexpr std::uint16_t kGamma = 0x30A1;  // gamma; Get; gamma code
inline constexpr std::uint16_t kColourTemperature = 0x30B0;  // colour temperature; Get, Set; colour-temperature code
inline constexpr std::uint16_t kColourTemperatureGainR = 0x30B1;  // colour temperature gain R; Get, Set; shown value + 128 in ; on the type-1 image page the custom-user R level list sends its positio
inline constexpr std::uint16_t kColourTemperatureGainG = 0x30B2;  // colour temperature gain G; Get, Set; shown value + 128 in ; on the type-1 image page the custom-user G level list sends its positio
inline constexpr std::uint16_t kColourTemperatureGainB = 0x30B3;  // colour temperature gain B; Get, Set; shown value + 128 in ; on the type-1 image page the custom-user B level list sends its positio
inline constexpr std::uint16_t kColourTemperatureOffsetR = 0x30B5;  // colour temperature offset R; Get, Set; value + 128 when set
inline constexpr std::uint16_t kColourTemperatureOffsetG = 0x30B6;  // colour temperature offset G; Get, Set; value + 128 when set
inline constexpr std::uint16_t kColourTemperatureOffsetB = 0x30B7;  // colour temperature offset B; Get, Set; value + 128 when set
inline constexpr std::uint16_t kPictureMode = 0x30BA;  // picture mode; Get, Set; mode code
inline constexpr std::uint16_t kMyScreenLock = 0x30C0;  // MyScreen lock; Get; list value
inline constexpr std::uint16_t kAutoPowerOff = 0x3110;  // auto power off; Get, Set; raw value
inline constexpr std::uint16_t kAutoPowerOn = 0x3120;  // auto power on; Get; list value
inline constexpr std::uint16_t kWhisper = 0x3300;  // whisper (lamp mode); Get; whisper code
inline constexpr std::uint16_t kActiveIris = 0x3304;  // active iris; Get, Set; code from a fixed table
inline constexpr std::uint16_t kQuickPic = 0x3500;  // QuickPic; Get, Set; list value
inline constexpr std::uint16_t kPowerStatus = 0x6000;  // power status; Get; 0 off, 1 on, 2 cooling down
inline constexpr std::uint16_t kErrorStatus = 0x6020;  // error status; Get; error number

// Which generic operations a code accepts.
enum Operations : unsigned { kGet = 1, kSet = 2, kInc = 4, kDec = 8 };

struct CodeInfo {
  std::uint16_t code;
  const char* name;
  unsigned operations;
};

// Every code, ascending.
std::span<const CodeInfo> AllCodes();
// The entry of `code`, or null.
const CodeInfo* FindCode(std::uint16_t code);

}  // namespace pjcode
