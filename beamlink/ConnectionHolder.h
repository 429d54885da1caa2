#pragma once
// The open connection of a settings object. Copying the settings never
// copies the connection: a copy starts unconnected and connects on its own
// when used, and an assignment drops the target's own connection.
//
// After a call fails because the link is down (no answer, connection or
// password refused), the calls that follow within one timeout fail at once
// with the same result and send nothing: a page that reads eight settings
// from a dead projector waits once, not eight times. The first call after
// the hold-off tries again.
#include <memory>
#include <optional>
#include <span>

#include "beamlink/Connection.h"
#include "beamlink/WaitHook.h"
#include "beamlink/pjlink/Link.h"

namespace beamlink {

class ConnectionHolder {
 public:
  ConnectionHolder() = default;
  ConnectionHolder(const ConnectionHolder&) {}
  ConnectionHolder& operator=(const ConnectionHolder& other) {
    if (this != &other) Reset();
    return *this;
  }

  // Calls over the open connection when it leads to `endpoint`; otherwise
  // (first use, settings changed) over a new one. A new PJLink connection
  // takes the model's `inputs`; whoever changes them drops the connection.
  CallResult Call(const Endpoint& endpoint, const TransportFactory& factory, const Request& request,
                  std::span<const pjlink::InputLink> inputs = {}) {
    const bool pjlink = endpoint.protocol == Protocol::PjLink;
    if (pjlink) {
      m_connection.reset();
      if (!m_pjlink || !(m_pjlink->GetEndpoint() == endpoint)) {
        m_pjlink = std::make_unique<pjlink::Link>(endpoint, factory, inputs);
        m_heldUntil.reset();
      }
    } else {
      m_pjlink.reset();
      if (!m_connection || !(m_connection->GetEndpoint() == endpoint)) {
        m_connection = std::make_unique<Connection>(endpoint, factory);
        m_heldUntil.reset();
      }
    }
    if (m_heldUntil && Clock::now() < *m_heldUntil) return m_held;
    CallResult result;
    {
      const WaitScope waiting(DescribeEndpoint(endpoint));  // the thread's wait hook, if any, watches it
      result = pjlink ? m_pjlink->Call(request) : m_connection->Call(request);
    }
    m_heldUntil.reset();
    if (!result.ok && MeansLinkDown(result.failure)) {
      m_held = result;
      m_heldUntil = Clock::now() + std::chrono::milliseconds(TimeoutMsOf(endpoint));
    }
    return result;
  }
  bool IsOpen() const { return (m_connection && m_connection->IsOpen()) || (m_pjlink && m_pjlink->IsOpen()); }
  void Reset() {
    m_connection.reset();
    m_pjlink.reset();
    m_heldUntil.reset();
  }

 private:
  std::unique_ptr<Connection> m_connection;
  std::unique_ptr<pjlink::Link> m_pjlink;
  std::optional<Deadline> m_heldUntil;  // calls fail with m_held until then
  CallResult m_held;
};

}  // namespace beamlink
