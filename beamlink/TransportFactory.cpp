// The transports the library opens by itself: TCP for network endpoints,
// serial lines for the others.
#include "beamlink/Connection.h"
#include "beamlink/SerialTransport.h"
#include "beamlink/TcpTransport.h"

namespace beamlink {
namespace {

int TcpPortOf(const Endpoint& endpoint) { return endpoint.third != 0 ? endpoint.third : kDefaultTcpPort; }
int BaudRateOf(const Endpoint& endpoint) { return endpoint.third != 0 ? endpoint.third : kDefaultBaudRate; }

std::string DevicePathOf(const Endpoint& endpoint) {
  return endpoint.devicePath.empty() ? SerialDevicePath(endpoint.portIndex) : endpoint.devicePath;
}

}  // namespace

std::string DescribeEndpoint(const Endpoint& endpoint) {
  if (!endpoint.peer.empty()) return endpoint.peer;
  if (endpoint.kind == 1) return endpoint.address + ":" + std::to_string(TcpPortOf(endpoint));
  return DevicePathOf(endpoint);
}

TransportFactory DefaultTransportFactory() {
  return [](const Endpoint& endpoint, Deadline deadline, std::string& error) -> std::unique_ptr<Transport> {
    if (endpoint.kind == 1) return TcpTransport::Open(endpoint.address, TcpPortOf(endpoint), deadline, error);
    if (endpoint.devicePath.empty()) return SerialTransport::Open(endpoint.portIndex, BaudRateOf(endpoint), error);
    return SerialTransport::Open(endpoint.devicePath, BaudRateOf(endpoint), error);
  };
}

}  // namespace beamlink
