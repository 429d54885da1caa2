#include "beamlink/Auth.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/hmac.h>
#include <openssl/rand.h>

#include <stdexcept>

namespace beamlink {

std::array<std::uint8_t, kNonceSize> RandomNonce() {
  std::array<std::uint8_t, kNonceSize> nonce{};
  if (RAND_bytes(nonce.data(), static_cast<int>(nonce.size())) != 1)
    throw std::runtime_error("no random bytes for an authentication challenge");
  return nonce;
}

std::array<std::uint8_t, kDigestSize> AnswerFor(std::string_view password,
                                                const std::array<std::uint8_t, kNonceSize>& nonce) {
  std::array<std::uint8_t, kDigestSize> digest{};
  unsigned int length = 0;
  HMAC(EVP_sha256(), password.data(), static_cast<int>(password.size()), nonce.data(), nonce.size(), digest.data(),
       &length);
  return digest;
}

bool AnswerMatches(const std::array<std::uint8_t, kDigestSize>& answer, std::string_view password,
                   const std::array<std::uint8_t, kNonceSize>& nonce) {
  const auto expected = AnswerFor(password, nonce);
  return CRYPTO_memcmp(answer.data(), expected.data(), expected.size()) == 0;
}

}  // namespace beamlink
