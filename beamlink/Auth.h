#pragma once
// Mutual authentication with a password, and the seals of an authenticated
// session. Both sides contribute a nonce; the password is stretched with
// scrypt over the projector's salt, so every guess at a captured exchange
// costs real time; the projector proves it knows the password before the
// client sends anything derived from it; a key of the session, made from
// both nonces, seals every later frame. The password never crosses the wire.
//
// Every OpenSSL call is checked: a failure yields nullopt or false, never a
// made-up value, and the callers then fail the connection.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <utility>

#include "beamlink/Protocol.h"

struct evp_mac_ctx_st;  // OpenSSL's EVP_MAC_CTX

namespace beamlink {

using Nonce = std::array<std::uint8_t, kNonceSize>;
using Salt = std::array<std::uint8_t, kSaltSize>;
using Digest = std::array<std::uint8_t, kDigestSize>;
using Key = Digest;

std::optional<Nonce> RandomNonce();

// scrypt with N = 2^14, r = 8, p = 1 (about 16 MiB and tens of milliseconds).
// Results are kept for the life of the process, so a client that reconnects
// or a projector that greets many clients pays once per password and salt.
std::optional<Key> StretchPassword(std::string_view password, const Salt& salt);
// The projector's salt (random, made once per password in this process) and
// its stretched password.
std::optional<std::pair<Salt, Key>> ProjectorSecret(std::string_view password);
// Makes StretchPassword cheap (N = 2^log2N): for fuzzing only, where a real
// cost per input would leave no time to explore.
void SetStretchCostForFuzzing(int log2N);

enum class Prover { Projector, Client };
// What each side sends to prove it holds the stretched password, tied to
// both nonces so that no proof can be replayed in another handshake.
std::optional<Digest> ProofOf(Prover prover, const Key& key, const Nonce& client, const Nonce& projector);
// Compares in constant time.
bool SameDigest(const Digest& a, const Digest& b);

// The seals of one authenticated session. Each side numbers the frames it
// sends and those it receives, so a frame can neither be forged nor replayed,
// dropped or reordered unnoticed.
class SessionSeals {
 public:
  static std::optional<SessionSeals> Make(const Key& key, const Nonce& client, const Nonce& projector);
  // The seal of the next frame sent, over its sealed content; nullopt when
  // the crypto provider fails.
  std::optional<Seal> Next(std::span<const std::uint8_t> content);
  // Whether `seal` is the right one for the next frame received.
  bool Check(std::span<const std::uint8_t> content, const Seal& seal);

 private:
  explicit SessionSeals(std::shared_ptr<evp_mac_ctx_st> mac) : m_mac(std::move(mac)) {}
  std::optional<Seal> SealOf(std::uint64_t number, std::span<const std::uint8_t> content) const;
  // An HMAC keyed with the session key once; each seal only starts it over.
  std::shared_ptr<evp_mac_ctx_st> m_mac;
  std::uint64_t m_sent = 0;
  std::uint64_t m_received = 0;
};

}  // namespace beamlink
