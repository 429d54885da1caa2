#pragma once
// How a page reaches one projector setting: the generic operations on its
// command code, or named operations of the projector interface.
//
//   Channel{pjcode::kBrightness}                        Get/Set/Inc/Dec 0x2003
//   Channel{.code = pjcode::kBlank, .set = Setter<&CPjtInterface::SetBlank>}
//   Channel{.get = Getter<&CPjtInterface::GetMirror>, .set = Setter<&CPjtInterface::SetMirror>}
#include <cstdint>
#include <optional>
#include <type_traits>

#include "beamlink/PjtInterface.h"

namespace expert::pages {

struct Channel {
  std::uint16_t code = 0;
  // Named operations, where the setting is reached through them; null: the
  // generic operation on `code`.
  bool (*get)(CPjtInterface&, std::uint16_t& raw) = nullptr;
  bool (*set)(CPjtInterface&, int raw) = nullptr;
  // One step up or down; true with the new raw value when the operation
  // reports it, true without one when it must be read back.
  bool (*step)(CPjtInterface&, bool up, std::optional<std::uint16_t>& raw) = nullptr;
  // A step that takes the value as shown (raw less the row's offset) and
  // returns the new one; the same value back means the step was not taken
  // (at an end, or refused). Used instead of `step`.
  std::int16_t (*stepFrom)(CPjtInterface&, bool up, std::int16_t shown) = nullptr;
};

// The projector calls of a channel; all fail without a projector.
bool ReadRaw(CPjtInterface* pjt, const Channel& channel, std::uint16_t& raw);
bool WriteRaw(CPjtInterface* pjt, const Channel& channel, int raw);
// A step, then its new value: from the step itself or read back. `stepped`
// says whether the step was taken; the result is empty when the value
// could not be had.
std::optional<std::uint16_t> StepRaw(CPjtInterface* pjt, const Channel& channel, bool up, bool& stepped);

// Raw projector value to the value a slider shows and caches: the
// projector's 16 bits less the offset, taken as a signed 16-bit number (a
// raw 65535 without offset is -1). Unsigned readings, such as lamp hours,
// are not read through it.
inline std::int16_t ShownValue(std::uint16_t raw, int offset) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(static_cast<int>(raw) - offset));
}

// A named getter that writes a signed 16-bit value, as a channel's `get`.
template <auto Get>
bool Getter(CPjtInterface& pjt, std::uint16_t& raw) {
  std::int16_t value = 0;
  if (!(pjt.*Get)(&value)) return false;
  raw = static_cast<std::uint16_t>(value);
  return true;
}

// A named setter as a channel's `set`; a setter that reports nothing counts
// as taken (its page looks at no result).
template <auto Set>
bool Setter(CPjtInterface& pjt, int value) {
  if constexpr (std::is_void_v<decltype((pjt.*Set)(value))>) {
    (pjt.*Set)(value);
    return true;
  } else {
    return static_cast<bool>((pjt.*Set)(value));
  }
}

// Named steps that write the new value, as a channel's `step`.
template <auto Increment, auto Decrement>
bool Stepper(CPjtInterface& pjt, bool up, std::optional<std::uint16_t>& raw) {
  std::int16_t value = 0;
  if (!(up ? (pjt.*Increment)(&value) : (pjt.*Decrement)(&value))) return false;
  raw = static_cast<std::uint16_t>(value);
  return true;
}

// Named steps that take leading arguments, then the value as shown, and
// return the new value, as a channel's `stepFrom`:
//   StepFrom<&CPjtInterface::IncrementColorTempGain, &CPjtInterface::DecrementColorTempGain, 0>
template <auto Increment, auto Decrement, auto... Leading>
std::int16_t StepFrom(CPjtInterface& pjt, bool up, std::int16_t shown) {
  return up ? (pjt.*Increment)(Leading..., shown) : (pjt.*Decrement)(Leading..., shown);
}
// The same for overloaded steps that take the value alone, which the type
// of the parameters picks: ValueStepper<&CPjtInterface::IncrementAutoPowerOff, ...>.
template <std::int16_t (CPjtInterface::*Increment)(std::int16_t), std::int16_t (CPjtInterface::*Decrement)(std::int16_t)>
std::int16_t ValueStepper(CPjtInterface& pjt, bool up, std::int16_t shown) {
  return up ? (pjt.*Increment)(shown) : (pjt.*Decrement)(shown);
}

}  // namespace expert::pages
