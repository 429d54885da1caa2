#pragma once
// Faults switched on in a simulated projector by a test or by the driver:
// requests that fail, slow replies, dropped connections, garbage on the
// line, a projector that cannot be reached. Shared by every connection to
// the projector; safe to change from another thread while it serves.
#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>
#include <set>
#include <utility>

#include "beamlink/Protocol.h"

namespace sim {

enum class GarbageKind : std::uint8_t {
  Noise,        // bytes that do not start a frame
  BadChecksum,  // the right reply with a wrong checksum
};

class Faults {
 public:
  // Every request on `code` fails with an error reply until Clear().
  void FailCode(std::uint16_t code);
  // Every request with this action on this code (one operation) fails until Clear().
  void FailRequest(beamlink::Action action, std::uint16_t code);
  bool Fails(const beamlink::Request& request) const;

  // Every reply to a request waits this long.
  void SetLatency(std::chrono::milliseconds latency);
  std::chrono::milliseconds Latency() const;

  // The next `count` requests are not answered: the projector closes the
  // connection instead.
  void DropConnection(int count = 1);
  bool TakeDrop();
  // The next `count` replies are replaced by garbage.
  void AnswerGarbage(int count = 1, GarbageKind kind = GarbageKind::Noise);
  std::optional<GarbageKind> TakeGarbage();

  // New connections are refused while set.
  void SetUnreachable(bool unreachable);
  bool Unreachable() const;

  // Ends every failing code and operation; latency and the rest stay.
  void ClearFailures();
  // Switches every fault off.
  void Clear();

 private:
  mutable std::mutex m_mutex;
  std::set<std::uint16_t> m_failCodes;
  std::set<std::pair<beamlink::Action, std::uint16_t>> m_failRequests;
  std::chrono::milliseconds m_latency{0};
  int m_drops = 0;
  int m_garbage = 0;
  GarbageKind m_garbageKind = GarbageKind::Noise;
  bool m_unreachable = false;
};

}  // namespace sim
