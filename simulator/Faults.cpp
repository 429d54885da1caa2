#include "simulator/Faults.h"

#include <algorithm>

namespace sim {

void Faults::FailCode(std::uint16_t code) {
  std::lock_guard lock(m_mutex);
  m_failCodes.insert(code);
}

void Faults::FailRequest(beamlink::Action action, std::uint16_t code) {
  std::lock_guard lock(m_mutex);
  m_failRequests.insert({action, code});
}

bool Faults::Fails(const beamlink::Request& request) const {
  std::lock_guard lock(m_mutex);
  return m_failCodes.count(request.code) || m_failRequests.count({request.action, request.code});
}

void Faults::SetLatency(std::chrono::milliseconds latency) {
  std::lock_guard lock(m_mutex);
  m_latency = std::max(latency, std::chrono::milliseconds(0));
}

std::chrono::milliseconds Faults::Latency() const {
  std::lock_guard lock(m_mutex);
  return m_latency;
}

void Faults::DropConnection(int count) {
  std::lock_guard lock(m_mutex);
  m_drops = std::max(count, 0);
}

bool Faults::TakeDrop() {
  std::lock_guard lock(m_mutex);
  if (m_drops == 0) return false;
  --m_drops;
  return true;
}

void Faults::AnswerGarbage(int count, GarbageKind kind) {
  std::lock_guard lock(m_mutex);
  m_garbage = std::max(count, 0);
  m_garbageKind = kind;
}

std::optional<GarbageKind> Faults::TakeGarbage() {
  std::lock_guard lock(m_mutex);
  if (m_garbage == 0) return std::nullopt;
  --m_garbage;
  return m_garbageKind;
}

void Faults::SetUnreachable(bool unreachable) {
  std::lock_guard lock(m_mutex);
  m_unreachable = unreachable;
}

bool Faults::Unreachable() const {
  std::lock_guard lock(m_mutex);
  return m_unreachable;
}

void Faults::ClearFailures() {
  std::lock_guard lock(m_mutex);
  m_failCodes.clear();
  m_failRequests.clear();
}

void Faults::Clear() {
  std::lock_guard lock(m_mutex);
  m_failCodes.clear();
  m_failRequests.clear();
  m_latency = std::chrono::milliseconds(0);
  m_drops = 0;
  m_garbage = 0;
  m_unreachable = false;
}

}  // namespace sim
