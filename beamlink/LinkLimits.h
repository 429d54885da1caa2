#pragma once
// Limits every front end (host editor, model database, driver) holds the
// connection data to, so that a projector that does not answer costs seconds,
// not minutes.
#include <string>

namespace beamlink {

// The reply timeout (also the connect timeout) in milliseconds. 0 in the
// connection data means the library's default.
inline constexpr int kMinTimeoutMs = 100;
inline constexpr int kMaxTimeoutMs = 10000;

inline bool TimeoutInRange(long long ms) { return ms >= kMinTimeoutMs && ms <= kMaxTimeoutMs; }

inline std::string TimeoutRangeText() {
  return "a reply timeout from " + std::to_string(kMinTimeoutMs) + " to " + std::to_string(kMaxTimeoutMs) + " ms";
}

}  // namespace beamlink
