#pragma once
// The settings each projector model answers, by command code, with their raw
// ranges and value lists. Derived from the model's type and number (which
// settings its pages offer) and from its description (range texts, input,
// aspect, gamma, colour-temperature, whisper and My Button lists).
#include <cstdint>
#include <map>
#include <optional>
#include <string_view>
#include <utility>

#include "models/ModelDescription.h"
#include "simulator/Setting.h"

namespace sim {

using SettingMap = std::map<std::uint16_t, Setting>;

// Every generic command code the model supports.
SettingMap BuiltInSettings(const models::ModelDescription& model);

// "min,max" in raw units; nullopt for an empty or malformed text.
std::optional<std::pair<std::uint16_t, std::uint16_t>> ParseRangeText(std::string_view text);

// A level kept by the projector: raw min..max from range text `entry` of
// the description when it holds one, else the shown default range moved by
// `offset` (128 for signed settings). The factory value is the shown 0 when
// it lies in the range, else the middle of the range.
Setting MakeLevel(const models::ModelDescription& model, std::string name, int entry, int offset, int shownMin,
                  int shownMax);

// The model's input codes, without repeats; {0} for a model without inputs.
std::vector<std::uint16_t> InputCodes(const models::ModelDescription& model);

// One of a fixed set of raw values; the factory value is the first.
Setting MakeChoice(std::string name, std::vector<std::uint16_t> values);

}  // namespace sim
