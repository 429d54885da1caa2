#include "beamlink/SocketCtrl.h"

#include <cstring>

namespace {
void CopyText(char (&slot)[kHostNameSize], const char* text) { CopyNameSlot(slot, text ? text : ""); }

// The members are public: a slot written without a terminator must not be
// read past its end.
std::string SlotText(const char (&slot)[kHostNameSize]) { return std::string(slot, strnlen(slot, kHostNameSize)); }
}  // namespace

CSocketCtrl::CSocketCtrl() : m_factory(beamlink::DefaultTransportFactory()) {}

void CSocketCtrl::SetTarget(const char* address, int port, int timeoutMs, const char* password) {
  CopyText(m_szAddress, address);
  m_nPort = port;
  m_nTimeoutMs = timeoutMs;
  CopyText(m_szPassword, password);
}

beamlink::Endpoint CSocketCtrl::GetEndpoint() const {
  beamlink::Endpoint endpoint;
  endpoint.kind = 1;
  endpoint.address = SlotText(m_szAddress);
  endpoint.third = m_nPort;
  endpoint.timeoutMs = m_nTimeoutMs;
  endpoint.password = SlotText(m_szPassword);
  return endpoint;
}

// The endpoint is rebuilt from the members on every call, so settings changed
// in place (the members are public) lead to a new connection.
beamlink::CallResult CSocketCtrl::Call(const beamlink::Request& request) {
  return m_link.Call(GetEndpoint(), m_factory, request);
}

void CSocketCtrl::SetTransportFactory(beamlink::TransportFactory factory) {
  m_factory = std::move(factory);
  m_link.Reset();
}

CComCtrl::CComCtrl() : m_factory(beamlink::DefaultTransportFactory()) {}

void CComCtrl::SetTarget(int portIndex, int baudRate, int timeoutMs, const char* password) {
  m_nPortIndex = portIndex;
  m_nBaudRate = baudRate;
  m_nTimeoutMs = timeoutMs;
  CopyText(m_szPassword, password);
}

void CComCtrl::SetDevicePath(std::string path) { m_strDevicePath = std::move(path); }

beamlink::Endpoint CComCtrl::GetEndpoint() const {
  beamlink::Endpoint endpoint;
  endpoint.kind = 0;
  endpoint.portIndex = m_nPortIndex;
  endpoint.third = m_nBaudRate;
  endpoint.timeoutMs = m_nTimeoutMs;
  endpoint.password = SlotText(m_szPassword);
  endpoint.devicePath = m_strDevicePath;
  return endpoint;
}

beamlink::CallResult CComCtrl::Call(const beamlink::Request& request) {
  return m_link.Call(GetEndpoint(), m_factory, request);
}

void CComCtrl::SetTransportFactory(beamlink::TransportFactory factory) {
  m_factory = std::move(factory);
  m_link.Reset();
}
