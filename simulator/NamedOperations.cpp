#include "simulator/NamedOperations.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace sim {
namespace {

using beamlink::Action;
using beamlink::ArgumentShape;
using beamlink::OperationInfo;

// Generic codes name settings below 0x4000 and status in 0x6000..0x60FF; a
// model that lacks one refuses it, whatever operation sends it. The library
// gives the other settings codes of its own, and actions 0x7000..0x70FF.
bool IsGenericCode(std::uint16_t code) { return code < 0x4000 || (code >= 0x6000 && code <= 0x60FF); }
bool IsActionCode(std::uint16_t code) { return code >= 0x7000 && code <= 0x70FF; }

// Operation names are matched without regard to case: the library's names
// are not consistent about it ("IRREmote", "Rgb", "RGB").
std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

bool Has(const std::string& lowerName, std::string_view part) { return lowerName.find(part) != std::string::npos; }

// The setting's part of an operation name: "ccmode" of "getccmode".
std::string Stem(const std::string& lowerName) {
  for (std::string_view prefix : {"get", "set", "increment", "decrement"})
    if (lowerName.rfind(prefix, 0) == 0) return lowerName.substr(prefix.size());
  return lowerName;
}

// A setting that only named operations reach, by what its name says.
Setting NamedSetting(const std::string& lowerName, const models::ModelDescription& model) {
  const int t = model.type, n = model.model;
  if (Has(lowerName, "inputsrcvol") || Has(lowerName, "volumeeachsrc")) {
    // Models with an audio page take 0..48, the others 0..32.
    const int top = t == 5 && (n == 30 || n == 31 || n == 41 || n == 43) ? 48 : 32;
    Setting s = MakeLevel(model, "volume of the input", 21, 0, 0, top);
    s.factory = std::clamp(static_cast<std::uint16_t>(top / 2), s.min, s.max);
    return s;
  }
  if (Has(lowerName, "treb")) return MakeLevel(model, "treble of the input", 32, 128, -4, 4);
  if (Has(lowerName, "bass")) return MakeLevel(model, "bass of the input", 33, 128, -4, 4);
  if (Has(lowerName, "srswow")) return MakeChoice("SRS WOW of the input", {0, 1, 2, 3});
  if (Has(lowerName, "rgbin")) return MakeChoice("RGB IN", {2, 3});
  if (Has(lowerName, "mybutton")) {
    std::vector<std::uint16_t> codes;
    for (const auto& entry : model.myButton) codes.push_back(static_cast<std::uint16_t>(entry.code));
    // The functions a model offers when its description lists none.
    if (codes.empty()) codes = {0, 4, 3, 5, 2, 1, 6, 16, 17, 18, 19, 20, 21, 22, 23, 24};
    return MakeChoice(Has(lowerName, "2") ? "My Button 2" : "My Button 1", codes);
  }
  if (Has(lowerName, "framelock")) return MakeChoice(Stem(lowerName), {0, 1});
  if (Has(lowerName, "hdmiaudio")) return MakeChoice("HDMI audio", {1, 2});
  if (Has(lowerName, "audiom1d")) return MakeChoice("audio for M1-D", {0, 1, 2, 3, 4, 32});
  if (Has(lowerName, "audiomiu")) return MakeChoice("audio for MIU", {0, 1, 2, 3, 4, 16});
  if (Has(lowerName, "hdmi")) return MakeChoice("HDMI", {0, 1, 2});
  if (Has(lowerName, "m1d")) return MakeChoice("M1-D", {0, 1});
  if (Has(lowerName, "ccdisplay")) return MakeChoice("closed caption display", {0, 1, 2});
  if (Has(lowerName, "ccmode")) return MakeChoice("closed caption mode", {0, 1});
  if (Has(lowerName, "ccchannel")) return MakeChoice("closed caption channel", {1, 2, 3, 4});
  if (Has(lowerName, "autokeystone")) return MakeChoice("auto keystone", {0, 1});
  if (Has(lowerName, "freq")) return MakeChoice(Has(lowerName, "high") ? "IR remote frequency high"
                                                                      : "IR remote frequency normal",
                                                {0, 1});
  if (Has(lowerName, "focuslock")) return MakeChoice("focus lock", {0, 1});
  // Anything else: a small list the projector keeps as it is told.
  Setting s = MakeChoice(Stem(lowerName), {});
  s.max = 255;
  return s;
}

}  // namespace

int CodeCount(const OperationInfo& op) {
  switch (op.arguments) {
    case ArgumentShape::Colour: return 3;
    case ArgumentShape::Point: return 8;
    case ArgumentShape::RgbInput: return 2;
    case ArgumentShape::MemoryPosition: return 2;
    default: return 1;
  }
}

RouteMap RouteNamedOperations(std::span<const OperationInfo> operations, const models::ModelDescription& model,
                              SettingMap& settings) {
  RouteMap routes;
  // Settings first, from the operations that read, write or step them.
  for (const OperationInfo& op : operations) {
    if (op.action == Action::Execute || IsActionCode(op.code)) continue;
    if (!settings.count(op.code) && !IsGenericCode(op.code)) {
      settings[op.code] = NamedSetting(Lower(op.name), model);
    }
    if (op.action == Action::Increment || op.action == Action::Decrement) {
      const auto found = settings.find(op.code);
      if (found != settings.end() && found->second.choices.empty()) found->second.steps = true;
    }
  }
  // Then the argument domains of settings kept per argument.
  for (const OperationInfo& op : operations) {
    if (!beamlink::ArgumentSelectsInstance(op.arguments)) continue;
    const auto found = settings.find(op.code);
    if (found == settings.end()) continue;  // a setting this model lacks
    found->second.indexes = op.arguments == ArgumentShape::VideoInput ? std::vector<std::uint16_t>{1, 2}
                                                                       : InputCodes(model);
  }
  // Then what is not a setting.
  for (const OperationInfo& op : operations) {
    if (op.arguments == ArgumentShape::MemoryPosition) {
      routes[{op.action, op.code}] = Route{RouteKind::MemoryLoad, std::string(op.name) + " (load)"};
      routes[{op.action, static_cast<std::uint16_t>(op.code + 1)}] =
          Route{RouteKind::MemorySave, std::string(op.name) + " (save)"};
    } else if (IsActionCode(op.code) ||
               (op.action == Action::Execute && !settings.count(op.code) && !IsGenericCode(op.code))) {
      routes[{op.action, op.code}] = Route{RouteKind::Action, op.name};
    }
  }
  return routes;
}

}  // namespace sim
