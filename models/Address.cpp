#include "models/Address.h"

#include <cstdio>

#include "beamlink/Loopback.h"

namespace models {

// The projector library decides what a dotted address is, for the driver,
// the host and pjsim alike; the model database takes its word.
std::optional<std::uint32_t> ParseDottedAddress(std::string_view text) { return beamlink::ParseDottedQuad(text); }

std::string FormatDottedAddress(std::uint32_t address) {
  char text[16];
  std::snprintf(text, sizeof text, "%u.%u.%u.%u", (address >> 24) & 0xFFu,
                (address >> 16) & 0xFFu, (address >> 8) & 0xFFu, address & 0xFFu);
  return text;
}

}  // namespace models
