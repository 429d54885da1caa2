#pragma once
// The pieces every fuzz target shares: a check that aborts, so that both
// libFuzzer and the corpus replay report it, and the fuzz input played as
// the peer's side of a connection.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

namespace beamlink::fuzz {

inline void Require(bool condition) {
  if (!condition) std::abort();
}

// Hands out the remaining input in reads of at most `piece` bytes; its end
// is the end of the stream. Nothing waits, so a run does not depend on time.
class InputInPieces {
 public:
  InputInPieces(std::span<const std::uint8_t>& remaining, std::size_t piece) : m_remaining(remaining), m_piece(piece) {}
  std::size_t Read(std::span<std::uint8_t> buffer, std::string& error) {
    if (m_remaining.empty()) {
      error = "the connection was closed";
      return 0;
    }
    const std::size_t n = std::min({m_piece, buffer.size(), m_remaining.size()});
    std::copy_n(m_remaining.begin(), n, buffer.begin());
    m_remaining = m_remaining.subspan(n);
    return n;
  }

 private:
  std::span<const std::uint8_t>& m_remaining;
  std::size_t m_piece;
};

}  // namespace beamlink::fuzz
