#include "simulator/InProcessTransport.h"

#include <algorithm>
#include <thread>

namespace sim {
namespace {

using beamlink::Clock;
using beamlink::Deadline;

// Nothing can arrive in-process unless a request is pending, so a read with
// nothing pending waits for its deadline only as a line would, and never
// longer than this.
constexpr auto kLongestIdleWait = std::chrono::seconds(30);

// A delayed reply is handed over at its due time, not whenever the thread
// happens to wake after it: a sleep can overshoot by a tenth of a
// millisecond on a virtual machine, which would add up over a page's calls
// and be blamed on the page. The sleep ends a little early and the rest is
// waited out by yielding.
void WaitUntil(Clock::time_point due) {
  constexpr auto kWakeMargin = std::chrono::microseconds(300);
  if (due - Clock::now() > kWakeMargin) std::this_thread::sleep_until(due - kWakeMargin);
  while (Clock::now() < due) std::this_thread::yield();
}

}  // namespace

InProcessTransport::InProcessTransport(std::shared_ptr<Projector> projector, ServerOptions options)
    : m_server(OpenConversation(std::move(projector), options)) {
  const auto now = Clock::now();
  for (Server::Output& output : m_server->Start())
    m_pending.push_back(Pending{std::move(output.bytes), now + output.delay, output.close});
}

bool InProcessTransport::Write(std::span<const std::uint8_t> bytes, Deadline, std::string& error) {
  if (m_closed || m_server->Closed()) {
    error = "the projector closed the connection";
    return false;
  }
  const auto now = Clock::now();
  for (Server::Output& output : m_server->Receive(bytes))
    m_pending.push_back(Pending{std::move(output.bytes), now + output.delay, output.close});
  return true;
}

std::size_t InProcessTransport::Read(std::span<std::uint8_t> buffer, Deadline deadline, std::string& error) {
  if (buffer.empty()) return 0;
  while (!m_pending.empty() && m_pending.front().bytes.empty()) {
    // A close with nothing left to send.
    if (m_pending.front().close) m_closed = true;
    m_pending.pop_front();
  }
  if (m_pending.empty()) {
    if (m_closed) {
      error = "the projector closed the connection";
      return 0;
    }
    std::this_thread::sleep_until(std::min(deadline, Clock::now() + kLongestIdleWait));
    error = "timed out";
    return 0;
  }
  Pending& next = m_pending.front();
  if (next.due > deadline) {
    std::this_thread::sleep_until(deadline);
    error = "timed out";
    return 0;
  }
  WaitUntil(next.due);
  const std::size_t count = std::min(buffer.size(), next.bytes.size());
  std::copy_n(next.bytes.begin(), count, buffer.begin());
  next.bytes.erase(next.bytes.begin(), next.bytes.begin() + static_cast<std::ptrdiff_t>(count));
  if (next.bytes.empty()) {
    if (next.close) m_closed = true;
    m_pending.pop_front();
  }
  return count;
}

beamlink::TransportFactory InProcessFactory(std::shared_ptr<Projector> projector, ServerOptions options) {
  // Stretching the password takes a while: once here, not within a call.
  if (!options.password.empty()) beamlink::ProjectorSecret(options.password);
  return [projector = std::move(projector), options = std::move(options)](
             const beamlink::Endpoint&, Deadline, std::string& error) -> std::unique_ptr<beamlink::Transport> {
    if (projector->GetFaults().Unreachable()) {
      error = "connection refused (the simulated projector is unreachable)";
      return nullptr;
    }
    return std::make_unique<InProcessTransport>(projector, options);
  };
}

}  // namespace sim
