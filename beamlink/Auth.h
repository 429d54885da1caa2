#pragma once
// Challenge and response: the projector sends a random nonce, the client
// answers with HMAC-SHA-256 keyed by the password. The password never
// crosses the wire.
#include <array>
#include <cstdint>
#include <string_view>

#include "beamlink/Protocol.h"

namespace beamlink {

std::array<std::uint8_t, kNonceSize> RandomNonce();
std::array<std::uint8_t, kDigestSize> AnswerFor(std::string_view password,
                                                const std::array<std::uint8_t, kNonceSize>& nonce);
// Compares in constant time.
bool AnswerMatches(const std::array<std::uint8_t, kDigestSize>& answer, std::string_view password,
                   const std::array<std::uint8_t, kNonceSize>& nonce);

}  // namespace beamlink
