#pragma once
// How the status page reads the projector's error status: one value, 0 when
// all is clear, each other value one fault with its catalog text. The host's
// fleet view and expertctl use the same texts.
#include <cstdint>
#include <string>

namespace expert::pages {

inline constexpr std::uint16_t kErrorStatusClear = 0;

// The status page's text for an error status value ("Normal", "Fan Error",
// "Other Error" for values it does not name).
std::string ErrorStatusText(std::uint16_t value);

}  // namespace expert::pages
