#include "beamlink/Auth.h"

#include <openssl/core_names.h>
#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/hmac.h>
#include <openssl/params.h>
#include <openssl/rand.h>

#include <algorithm>
#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace beamlink {
namespace {

std::atomic<int> g_log2N{14};
constexpr std::uint64_t kScryptR = 8;
constexpr std::uint64_t kScryptP = 1;
constexpr std::size_t kRememberedKeys = 32;

// HMAC-SHA-256 over the concatenation of `parts`.
std::optional<Digest> Hmac(const Key& key, std::initializer_list<std::span<const std::uint8_t>> parts) {
  std::vector<std::uint8_t> message;
  for (const auto& part : parts) message.insert(message.end(), part.begin(), part.end());
  Digest digest{};
  unsigned int length = 0;
  if (!HMAC(EVP_sha256(), key.data(), static_cast<int>(key.size()), message.data(), message.size(), digest.data(),
            &length) ||
      length != digest.size())
    return std::nullopt;
  return digest;
}

std::span<const std::uint8_t> Bytes(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

struct KeyCache {
  std::mutex mutex;
  std::map<std::pair<std::string, Salt>, Key> stretched;
  std::map<std::string, Salt> projectorSalts;
};

KeyCache& Cache() {
  static KeyCache cache;
  return cache;
}

}  // namespace

std::optional<Nonce> RandomNonce() {
  Nonce nonce{};
  if (RAND_bytes(nonce.data(), static_cast<int>(nonce.size())) != 1) return std::nullopt;
  return nonce;
}

void SetStretchCostForFuzzing(int log2N) { g_log2N = log2N; }

std::optional<Key> StretchPassword(std::string_view password, const Salt& salt) {
  KeyCache& cache = Cache();
  const int log2N = g_log2N;
  const auto id = std::make_pair(std::string(password) + '\0' + std::to_string(log2N), salt);
  {
    const std::lock_guard lock(cache.mutex);
    if (const auto it = cache.stretched.find(id); it != cache.stretched.end()) return it->second;
  }
  Key key{};
  if (EVP_PBE_scrypt(password.data(), password.size(), salt.data(), salt.size(), std::uint64_t{1} << log2N, kScryptR,
                     kScryptP, 64ull << 20, key.data(), key.size()) != 1)
    return std::nullopt;
  const std::lock_guard lock(cache.mutex);
  if (cache.stretched.size() >= kRememberedKeys) cache.stretched.clear();
  cache.stretched.emplace(id, key);
  return key;
}

std::optional<std::pair<Salt, Key>> ProjectorSecret(std::string_view password) {
  Salt salt{};
  {
    KeyCache& cache = Cache();
    const std::lock_guard lock(cache.mutex);
    const auto it = cache.projectorSalts.find(std::string(password));
    if (it != cache.projectorSalts.end()) {
      salt = it->second;
    } else {
      if (RAND_bytes(salt.data(), static_cast<int>(salt.size())) != 1) return std::nullopt;
      cache.projectorSalts.emplace(std::string(password), salt);
    }
  }
  const std::optional<Key> key = StretchPassword(password, salt);
  if (!key) return std::nullopt;
  return std::make_pair(salt, *key);
}

std::optional<Digest> ProofOf(Prover prover, const Key& key, const Nonce& client, const Nonce& projector) {
  return Hmac(key, {Bytes(prover == Prover::Projector ? "projector proof" : "client proof"), client, projector});
}

bool SameDigest(const Digest& a, const Digest& b) { return CRYPTO_memcmp(a.data(), b.data(), a.size()) == 0; }

std::optional<SessionSeals> SessionSeals::Make(const Key& key, const Nonce& client, const Nonce& projector) {
  std::optional<Digest> session = Hmac(key, {Bytes("session key"), client, projector});
  static EVP_MAC* const hmac = EVP_MAC_fetch(nullptr, "HMAC", nullptr);
  std::shared_ptr<EVP_MAC_CTX> mac(hmac ? EVP_MAC_CTX_new(hmac) : nullptr, EVP_MAC_CTX_free);
  char digestName[] = "SHA256";
  const OSSL_PARAM params[] = {OSSL_PARAM_construct_utf8_string("digest", digestName, 0), OSSL_PARAM_construct_end()};
  const bool ready = session && mac && EVP_MAC_init(mac.get(), session->data(), session->size(), params) == 1;
  OPENSSL_cleanse(session ? session->data() : nullptr, session ? session->size() : 0);
  if (!ready) return std::nullopt;
  return SessionSeals(std::move(mac));
}

std::optional<Seal> SessionSeals::SealOf(std::uint64_t number, std::span<const std::uint8_t> content) const {
  std::array<std::uint8_t, 8> counter{};
  for (int i = 0; i < 8; ++i) counter[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(number >> (56 - 8 * i));
  Digest digest{};
  std::size_t length = 0;
  if (EVP_MAC_init(m_mac.get(), nullptr, 0, nullptr) != 1 || EVP_MAC_update(m_mac.get(), counter.data(), 8) != 1 ||
      EVP_MAC_update(m_mac.get(), content.data(), content.size()) != 1 ||
      EVP_MAC_final(m_mac.get(), digest.data(), &length, digest.size()) != 1 || length != digest.size())
    return std::nullopt;
  Seal seal{};
  std::copy_n(digest.begin(), seal.size(), seal.begin());
  return seal;
}

std::optional<Seal> SessionSeals::Next(std::span<const std::uint8_t> content) {
  std::optional<Seal> seal = SealOf(m_sent, content);
  if (seal) ++m_sent;
  return seal;
}

bool SessionSeals::Check(std::span<const std::uint8_t> content, const Seal& seal) {
  const std::optional<Seal> expected = SealOf(m_received, content);
  if (!expected || CRYPTO_memcmp(expected->data(), seal.data(), seal.size()) != 0) return false;
  ++m_received;
  return true;
}

}  // namespace beamlink
