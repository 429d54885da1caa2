#pragma once
// The open connection of a settings object. Copying the settings never
// copies the connection: a copy starts unconnected and connects on its own
// when used, and an assignment drops the target's own connection.
#include <memory>

#include "beamlink/Connection.h"
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
  // (first use, settings changed) over a new one.
  CallResult Call(const Endpoint& endpoint, const TransportFactory& factory, const Request& request) {
    if (endpoint.protocol == Protocol::PjLink) {
      m_connection.reset();
      if (!m_pjlink || !(m_pjlink->GetEndpoint() == endpoint))
        m_pjlink = std::make_unique<pjlink::Link>(endpoint, factory);
      return m_pjlink->Call(request);
    }
    m_pjlink.reset();
    if (!m_connection || !(m_connection->GetEndpoint() == endpoint))
      m_connection = std::make_unique<Connection>(endpoint, factory);
    return m_connection->Call(request);
  }
  bool IsOpen() const { return (m_connection && m_connection->IsOpen()) || (m_pjlink && m_pjlink->IsOpen()); }
  void Reset() {
    m_connection.reset();
    m_pjlink.reset();
  }

 private:
  std::unique_ptr<Connection> m_connection;
  std::unique_ptr<pjlink::Link> m_pjlink;
};

}  // namespace beamlink
