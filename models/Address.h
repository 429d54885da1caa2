#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace models {

// IPv4 addresses are kept as one 32-bit value with the first octet in the most
// significant byte, the way the host records store them.

// "a.b.c.d" with four decimal octets 0..255. Leading zeros are refused because
// some resolvers read them as octal.
std::optional<std::uint32_t> ParseDottedAddress(std::string_view text);

std::string FormatDottedAddress(std::uint32_t address);

}  // namespace models
