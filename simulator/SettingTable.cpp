#include "simulator/SettingTable.h"

#include <algorithm>
#include <initializer_list>
#include <string>

#include "models/RangeText.h"
#include "projector/CommandCodes.h"

namespace sim {
namespace {

using namespace pjcode;

bool In(int value, std::initializer_list<int> set) { return std::find(set.begin(), set.end(), value) != set.end(); }

std::uint16_t ClampRaw(int value) { return static_cast<std::uint16_t>(std::clamp(value, 0, 0xFFFF)); }

std::vector<std::uint16_t> Span(std::uint16_t first, std::uint16_t last) {
  std::vector<std::uint16_t> values;
  for (int v = first; v <= last; ++v) values.push_back(static_cast<std::uint16_t>(v));
  return values;
}

// The codes of a host list, in list order, without repeats; `fallback` when
// the model has none, so the setting still reads.
std::vector<std::uint16_t> CodesOf(const std::vector<models::ListEntry>& list, std::uint16_t fallback = 0) {
  std::vector<std::uint16_t> codes;
  for (const auto& entry : list) {
    const auto code = static_cast<std::uint16_t>(entry.code);
    if (std::find(codes.begin(), codes.end(), code) == codes.end()) codes.push_back(code);
  }
  if (codes.empty()) codes.push_back(fallback);
  return codes;
}

// Builds the map for one model.
class Builder {
 public:
  explicit Builder(const models::ModelDescription& model) : m_model(model) {}

  Setting& Level(std::uint16_t code, const char* name, int entry, int offset, int shownMin, int shownMax) {
    return m_map[code] = MakeLevel(m_model, name, entry, offset, shownMin, shownMax);
  }
  // A level no page bounds: the projector's own raw range, starting in the middle.
  Setting& Position(std::uint16_t code, const char* name) { return Level(code, name, -1, 128, -128, 127); }
  Setting& Choice(std::uint16_t code, const char* name, std::vector<std::uint16_t> values) {
    return m_map[code] = MakeChoice(name, std::move(values));
  }
  Setting& Switch(std::uint16_t code, const char* name) { return Choice(code, name, {0, 1}); }
  Setting& Positions(std::uint16_t code, const char* name, int count) {
    return Choice(code, name, Span(0, static_cast<std::uint16_t>(count - 1)));
  }
  void Special(std::uint16_t code, const char* name, SettingKind kind) {
    Setting setting;
    setting.name = name;
    setting.kind = kind;
    setting.min = 0;
    setting.max = 0xFFFF;
    m_map[code] = setting;
  }
  void Motor(std::uint16_t code, const char* name) {
    Setting& setting = Position(code, name);
    setting.kind = SettingKind::Motor;
  }
  SettingMap Take() { return std::move(m_map); }

 private:
  const models::ModelDescription& m_model;
  SettingMap m_map;
};

void AddStatusAndControl(Builder& b, const models::ModelDescription& m) {
  const int t = m.type, n = m.model;
  b.Special(kPowerStatus, "power status", SettingKind::PowerStatus);
  b.Special(kErrorStatus, "error status", SettingKind::ErrorStatus);
  // Type 3 keeps no lamp or filter time.
  if (t != 3) {
    b.Special(kLampTime, "lamp time", SettingKind::Hours);
    b.Special(kFilterTime, "filter time", SettingKind::Hours);
  }
  b.Choice(kInputSource, "input source", InputCodes(m));
  b.Switch(kMute, "mute");
  b.Switch(kBlank, "blank");
  b.Switch(kFreeze, "freeze");
  b.Level(kMagnify, "magnify", 22, 0, 0, 48);

  // Keystone: types 1 to 3 on the control page (models 16 and 17 have
  // vertical keystone only, on their picture page, with a wider range); type 4
  // on the setup page, or on the control page for models 9 and 22; type 5 on
  // the setup page.
  const int narrow = n == 8 ? 48 : 64;
  if (t >= 1 && t <= 3) {
    if (t == 1 && In(n, {16, 17})) {
      b.Level(kKeystoneV, "keystone V", 19, 128, -128, 127);
    } else {
      b.Level(kKeystoneV, "keystone V", 19, 128, -narrow, narrow);
      b.Level(kKeystoneH, "keystone H", 20, 128, -narrow, narrow);
    }
  } else if (t == 4) {
    if (In(n, {9, 22})) {
      b.Level(kKeystoneV, "keystone V", 19, 128, -64, 64);
      b.Level(kKeystoneH, "keystone H", 20, 128, -64, 64);
    } else {
      b.Level(kKeystoneV, "keystone", 19, 128, -128, 127);
    }
  } else if (t == 5) {
    b.Level(kKeystoneV, "keystone V", 19, 128, -128, 127);
    b.Level(kKeystoneH, "keystone H", 20, 128, -128, 127);
  }
  if (In(t, {2, 3})) b.Positions(kPicturePosition, "picture position", 3);
  const bool lensMotors = t == 3 && !In(n, {8, 10, 47, 48});
  if (lensMotors || (t == 5 && n == 44)) b.Motor(kFocus, "focus");
  if (lensMotors) b.Motor(kZoom, "zoom");
  if (In(t, {4, 5})) {
    std::vector<std::uint16_t> modes{0, 1, 4, 16};
    if (t == 5) modes = {0, 1, 4, 32, 33, 34, 16};
    if (t == 5 && n >= 39 && n <= 45) modes.push_back(64);
    b.Choice(kPictureMode, "picture mode", modes);
    b.Positions(kQuickPic, "QuickPic", 5);
  }
}

void AddPicture(Builder& b, const models::ModelDescription& m) {
  const int t = m.type, n = m.model;
  const bool wideType3 = t == 3 && In(n, {10, 47, 48});
  b.Level(kBrightness, "brightness", 17, 128, -32, 32).picture = true;
  const int contrast = t == 3 && n == 8 ? 48 : 32;
  b.Level(kContrast, "contrast", 18, 128, -contrast, contrast).picture = true;

  // Sharpness travels with an offset of 125 (types 1, 4), 124 (type 5) or 128.
  if (In(t, {1, 4})) b.Level(kSharpness, "sharpness", 26, 125, 1, 5).picture = true;
  if (t == 2) b.Level(kSharpness, "sharpness", 26, 128, -6, 6).picture = true;
  if (t == 3) b.Level(kSharpness, "sharpness", 26, 128, wideType3 ? -6 : -8, wideType3 ? 6 : 8).picture = true;
  if (t == 5) b.Level(kSharpness, "sharpness", 26, 124, 1, 7).picture = true;

  int colour = 32, tint = 32;
  if (t == 1) colour = n == 3 ? 32 : 63, tint = n == 3 ? 32 : 14;
  if (t == 2) colour = 63, tint = 14;
  if (t == 3) colour = wideType3 ? 63 : 18, tint = wideType3 ? 14 : 18;
  b.Level(kColour, "colour", 27, 128, -colour, colour).picture = true;
  b.Level(kTint, "tint", 28, 128, -tint, tint).picture = true;

  if (In(t, {1, 2, 3})) {
    b.Level(kColourBalanceR, "colour balance R", 23, 128, -32, 32).picture = true;
    b.Level(kColourBalanceB, "colour balance B", 25, 128, -32, 32).picture = true;
  }
  if (t == 1) {
    b.Level(kColourBalanceG, "colour balance G", 24, 128, -32, 32).picture = true;
    b.Level(kCustomGamma, "custom gamma", 29, 0, 18, 32).picture = true;
    // The custom-user levels of type 1 are list positions (100 % down to 50 %).
    b.Positions(kColourTemperatureGainR, "custom user R", 6).picture = true;
    b.Positions(kColourTemperatureGainG, "custom user G", 6).picture = true;
    b.Positions(kColourTemperatureGainB, "custom user B", 6).picture = true;
  }
  if (In(t, {4, 5})) {
    const std::uint16_t gains[] = {kColourTemperatureGainR, kColourTemperatureGainG, kColourTemperatureGainB};
    const std::uint16_t offsets[] = {kColourTemperatureOffsetR, kColourTemperatureOffsetG, kColourTemperatureOffsetB};
    const char* gainNames[] = {"colour temperature gain R", "colour temperature gain G", "colour temperature gain B"};
    const char* offsetNames[] = {"colour temperature offset R", "colour temperature offset G",
                                 "colour temperature offset B"};
    for (int i = 0; i < 3; ++i) {
      b.Level(gains[i], gainNames[i], 1 + i, 128, -32, 32).picture = true;
      b.Level(offsets[i], offsetNames[i], 4 + i, 128, -32, 32).picture = true;
    }
    b.Positions(kUserGammaPattern, "user gamma pattern", 4);
    for (int point = 0; point < 8; ++point) {
      const std::string name = "user gamma point " + std::to_string(point + 1);
      b.Level(static_cast<std::uint16_t>(kUserGammaPoint1 + point), name.c_str(), 7 + point, 128, -16, 16).picture =
          true;
    }
  }
  b.Choice(kGamma, "gamma", CodesOf(m.gamma)).picture = true;
  b.Choice(kAspect, "aspect", CodesOf(m.aspect));
  if (In(t, {1, 4, 5})) b.Choice(kColourTemperature, "colour temperature", CodesOf(m.colorTemp)).picture = true;
  if (t == 5) b.Choice(kActiveIris, "active iris", {0x00, 0x10, 0x11}).picture = true;
  if (In(t, {1, 3, 4, 5})) b.Positions(kProgressive, "progressive", 3);
}

void AddPositionAndSignal(Builder& b, const models::ModelDescription& m) {
  const int t = m.type, n = m.model;
  if (t < 1 || t > 5) return;
  b.Position(kVerticalPosition, "vertical position");
  b.Position(kHorizontalPosition, "horizontal position");
  b.Position(kHorizontalSize, "horizontal size");
  const int phase = In(t, {2, 3}) ? 248 : 31;
  b.Level(kHorizontalPhase, "horizontal phase", 16, 0, 0, phase);
  if (t == 2) {
    b.Positions(kOverScan, "over scan", 3).factory = 1;  // small, middle, large
  } else if (t != 3) {
    b.Level(kOverScan, "over scan", 15, 0, 90, 100);
  }

  // Video format values; the pages turn them into list positions.
  b.Choice(kVideoFormat, "video format", {10, 4, 5, 9, 2, 8, 7});
  if (In(t, {1, 4, 5})) {
    b.Positions(kColourSpace, "colour space", 5);
    b.Switch(kComponentInputMode, "component input mode");
    b.Choice(kVideoNoiseReduction, "video noise reduction", {1, 2, 3});  // low, middle, high
  }
  if (t == 3) b.Switch(kVideoNoiseReduction, "video noise reduction");
  if (In(t, {1, 4, 5})) {
    b.Positions(kYcs3D, "3D-YCS", 3);
    b.Switch(kFrameLock, "frame lock");
  }
  if (t == 1) {
    b.Switch(kS2Aspect, "S2 aspect");
    // Power-up input: 16 is "last input", else an input code.
    std::vector<std::uint16_t> powerUp{16};
    for (std::uint16_t code : InputCodes(m)) powerUp.push_back(code);
    b.Choice(kPowerUpInput, "power-up input", powerUp);
  }
  if (In(t, {1, 2, 3})) {
    b.Positions(kPictureInPictureSize, "picture-in-picture size", 3);
    b.Positions(kPictureInPicturePosition, "picture-in-picture position", 4);
    b.Switch(kPictureInPictureAudio, "picture-in-picture audio");
    const bool thirdInput = t == 3 && !In(n, {10, 47, 48});
    b.Choice(kPictureInPictureInput, "picture-in-picture input",
             thirdInput ? std::vector<std::uint16_t>{1, 2, 5} : std::vector<std::uint16_t>{1, 2});
  }
  if (t == 2) b.Switch(kBNCInputMode, "BNC input mode");
  if (In(t, {2, 3})) {
    b.Switch(kHDTV, "HDTV");
    b.Switch(kSyncOnG, "sync on G");
  }
  if (t == 3) b.Switch(kBlackLevel, "black level");
  if (t == 4) b.Switch(kDVIInputMode, "DVI input mode");
}

void AddSetupAndScreen(Builder& b, const models::ModelDescription& m) {
  const int t = m.type, n = m.model;
  if (t < 1 || t > 5) return;
  b.Level(kAutoPowerOff, "auto power off", 0, 0, 0, 99);
  b.Choice(kWhisper, "whisper", CodesOf(m.whisper));
  b.Positions(kMirror, "mirror", 4);

  int volume = 32;
  if ((t == 4 && In(n, {9, 22})) || (t == 5 && In(n, {30, 31, 41, 43}))) volume = 48;
  b.Level(kVolume, "volume", 21, 0, 0, volume).factory = static_cast<std::uint16_t>(volume / 2);

  int languages = 17;
  if (t == 1 && n != 3) languages = 15;
  if (t == 2) languages = 11;
  if (t == 3) languages = 9;
  if (In(t, {4, 5}) && In(n, {11, 12, 13})) languages = 15;
  b.Positions(kMenuLanguage, "menu language", languages);

  // Infra-red receivers start switched on.
  b.Switch(kIRRemoteSensorFront, "IR remote sensor front").factory = 1;
  b.Switch(kIRRemoteSensorTop, "IR remote sensor top").factory = 1;
  if (t != 4) b.Switch(kIRRemoteSensorRear, "IR remote sensor rear").factory = 1;

  if (In(t, {1, 4, 5})) b.Switch(kSpeaker, "speaker");
  if (In(t, {1, 2, 4})) b.Switch(kAutoAdjustEnable, "auto adjust enable");
  if (t == 5) b.Positions(kAutoAdjustEnable, "auto adjust enable", 3);
  if (In(t, {1, 4, 5})) b.Switch(kAutoSearch, "auto search");
  if (t == 1) {
    b.Switch(kAutoPowerOn, "auto power on");
    b.Positions(kScreenType, "screen type", 4);
    b.Positions(kIRRemoteID, "IR remote ID", 4);
    b.Positions(kLensType, "lens type", 6);
    b.Switch(kLensLock, "lens lock");
  }
  if (t == 5) b.Switch(kAutoPowerOn, "auto power on");
  if (t == 3) b.Positions(kMenuColour, "menu colour", 7);
  if (t == 4) b.Switch(kOneTouch, "one touch");

  // Audio source of each input: off, then the audio inputs.
  if (In(t, {4, 5})) {
    const int sources = t == 4 ? 3 : 5;
    b.Positions(kAudioForRGB1, "audio for RGB 1", sources);
    b.Positions(kAudioForRGB2, "audio for RGB 2", sources);
    b.Positions(kAudioForVideo, "audio for video", sources);
    b.Positions(kAudioForSVideo, "audio for S-video", sources);
    b.Positions(kAudioForComponent, "audio for component", sources);
  }
  if ((t == 4 && In(n, {21, 29})) || (t == 5 && n == 44)) {
    b.Level(kDigitalZoom, "digital zoom", 31, 0, 80, 100).factory = 100;
  }
  if (t == 5 && n == 44) {
    b.Level(kDigitalShiftVertical, "digital shift vertical", -1, 128, -64, 64);
    b.Level(kDigitalShiftHorizontal, "digital shift horizontal", -1, 128, -64, 64);
  }

  // Screen: blank colour codes and the start-up screen (0, 1 or 32).
  std::vector<std::uint16_t> blank{3, 5, 6, 32, 64};
  if (In(t, {1, 2}) && In(n, {16, 17})) blank = {3, 5, 6};
  if (t == 3) blank = n == 8 ? Span(0, 6) : std::vector<std::uint16_t>{0, 1, 2, 3, 4, 5, 6, 32, 64};
  b.Choice(kBlankColour, "blank colour", blank);
  const bool shortStartUp = (In(t, {1, 2}) && In(n, {16, 17})) || (t == 3 && n == 8);
  b.Choice(kStartUpScreen, "start-up screen",
           shortStartUp ? std::vector<std::uint16_t>{0, 1} : std::vector<std::uint16_t>{0, 1, 32});
  if (In(t, {1, 2})) b.Switch(kMyScreenSize, "MyScreen size");
  if (t != 3) b.Switch(kMyScreenLock, "MyScreen lock");
  if (In(t, {1, 4, 5})) {
    b.Switch(kMessageDisplay, "message display");
    b.Position(kMenuPositionHorizontal, "menu position horizontal");
    b.Position(kMenuPositionVertical, "menu position vertical");
  }
  if (t == 4) b.Level(kOSDBrightness, "OSD brightness", 30, 0, 1, 5);
}

}  // namespace

std::optional<std::pair<std::uint16_t, std::uint16_t>> ParseRangeText(std::string_view text) {
  if (text.empty() || models::RangeTextProblem(text)) return std::nullopt;
  const std::size_t comma = text.find(',');
  const auto number = [](std::string_view digits) {
    unsigned value = 0;
    for (char c : digits) value = value * 10 + static_cast<unsigned>(c - '0');
    return static_cast<std::uint16_t>(value);
  };
  return std::pair{number(text.substr(0, comma)), number(text.substr(comma + 1))};
}

Setting MakeLevel(const models::ModelDescription& model, std::string name, int entry, int offset, int shownMin,
                  int shownMax) {
  Setting setting;
  setting.name = std::move(name);
  setting.steps = true;
  setting.min = ClampRaw(shownMin + offset);
  setting.max = ClampRaw(shownMax + offset);
  if (entry >= 0 && entry < static_cast<int>(model.ranges.size())) {
    if (const auto range = ParseRangeText(model.ranges[static_cast<std::size_t>(entry)])) {
      setting.min = range->first;
      setting.max = range->second;
    }
  }
  const int zero = offset;
  setting.factory = zero >= setting.min && zero <= setting.max
                        ? static_cast<std::uint16_t>(zero)
                        : static_cast<std::uint16_t>((setting.min + setting.max) / 2);
  return setting;
}

std::vector<std::uint16_t> InputCodes(const models::ModelDescription& model) {
  std::vector<std::uint16_t> codes;
  for (const auto& input : model.inputs) {
    const auto code = static_cast<std::uint16_t>(input.code);
    if (std::find(codes.begin(), codes.end(), code) == codes.end()) codes.push_back(code);
  }
  if (codes.empty()) codes.push_back(0);
  return codes;
}

Setting MakeChoice(std::string name, std::vector<std::uint16_t> values) {
  Setting setting;
  setting.name = std::move(name);
  setting.choices = std::move(values);
  setting.factory = setting.choices.empty() ? 0 : setting.choices.front();
  return setting;
}

SettingMap BuiltInSettings(const models::ModelDescription& model) {
  Builder builder(model);
  AddStatusAndControl(builder, model);
  if (model.type >= 1 && model.type <= 5) AddPicture(builder, model);
  AddPositionAndSignal(builder, model);
  AddSetupAndScreen(builder, model);
  SettingMap settings = builder.Take();
  // A range text may have moved a range away from the factory value chosen above.
  for (auto& [code, setting] : settings) {
    if (setting.choices.empty() && setting.min <= setting.max)
      setting.factory = std::clamp(setting.factory, setting.min, setting.max);
  }
  return settings;
}

}  // namespace sim
