#pragma once
// The one rule for what counts as a loopback address, shared by the driver,
// the host and pjsim: four decimal numbers 0 to 255 without leading zeros
// (which some parsers read as octal), the first 127. Names are never
// accepted: what a name resolves to is not ours to vouch for.
#include <cstdint>
#include <optional>
#include <string_view>

namespace beamlink {

// "a.b.c.d" as a 32-bit value, first number in the most significant byte.
std::optional<std::uint32_t> ParseDottedQuad(std::string_view text);
bool IsLoopbackAddress(std::string_view text);

}  // namespace beamlink
