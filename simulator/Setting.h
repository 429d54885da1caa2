#pragma once
// What the simulated projector knows about one command code: what kind of
// thing it names, which raw values it accepts and what it holds when it
// leaves the factory.
#include <cstdint>
#include <string>
#include <vector>

namespace sim {

enum class SettingKind : std::uint8_t {
  Value,        // a setting: Get, Set, Execute (factory value); Increment and Decrement when `steps`
  Motor,        // focus, zoom: Increment and Decrement move it; there is nothing to read
  Hours,        // lamp and filter time: Get; Execute zeroes it; counts up while the lamp burns
  PowerStatus,  // 0 off, 1 on, 2 cooling down; Set 1 or 0 switches the power
  ErrorStatus,  // an error number; Execute clears it
};

struct Setting {
  std::string name;
  SettingKind kind = SettingKind::Value;
  // Accepted raw values: exactly `choices` when not empty, else min..max.
  std::uint16_t min = 0;
  std::uint16_t max = 0;
  std::vector<std::uint16_t> choices;
  bool steps = false;  // Increment and Decrement move the value by one within min..max
  std::uint16_t factory = 0;
  // A setting kept once per argument (per input, or for the composite and
  // S-video inputs) accepts these arguments, and 0 for the plain value.
  // Empty: one value, and the request's argument only qualifies the request.
  std::vector<std::uint16_t> indexes;
  bool picture = false;  // saved and loaded by My Memory

  bool Accepts(std::uint16_t value) const;
  bool AcceptsIndex(std::uint16_t index) const;
};

}  // namespace sim
