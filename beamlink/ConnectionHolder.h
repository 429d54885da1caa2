#pragma once
// The open connection of a settings object. Copying the settings never
// copies the connection: a copy starts unconnected and connects on its own
// when used, and an assignment drops the target's own connection.
#include <memory>

#include "beamlink/Connection.h"

namespace beamlink {

class ConnectionHolder {
 public:
  ConnectionHolder() = default;
  ConnectionHolder(const ConnectionHolder&) {}
  ConnectionHolder& operator=(const ConnectionHolder& other) {
    if (this != &other) m_connection.reset();
    return *this;
  }

  // Calls over the open connection when it leads to `endpoint`; otherwise
  // (first use, settings changed) over a new one.
  CallResult Call(const Endpoint& endpoint, const TransportFactory& factory, const Request& request) {
    if (!m_connection || !(m_connection->GetEndpoint() == endpoint))
      m_connection = std::make_unique<Connection>(endpoint, factory);
    return m_connection->Call(request);
  }
  bool IsOpen() const { return m_connection && m_connection->IsOpen(); }
  void Reset() { m_connection.reset(); }

 private:
  std::unique_ptr<Connection> m_connection;
};

}  // namespace beamlink
