#include "host/core/EntryLink.h"

namespace host {

void AttachEntry(CPjtInterface& pjt, const ProjectorEntry& entry, const beamlink::TransportFactory& transports,
                 int timeoutMs) {
  if (transports) pjt.SetTransportFactory(transports);
  const int timeout = timeoutMs > 0 ? timeoutMs : entry.timeoutMs;
  if (entry.link == Link::Network)
    pjt.CopyData(ConnectKindOf(entry), 0, entry.tcpPort, entry.address.c_str(), timeout, entry.password.c_str());
  else
    pjt.CopyData(0, entry.serialPort, entry.baudRate, "", timeout, entry.password.c_str());
}

}  // namespace host
