#include "host/core/EntryLink.h"

#include "beamlink/Connection.h"

namespace host {

beamlink::TransportFactory EntryTransports(const ProjectorEntry& entry, beamlink::TransportFactory transports) {
  if (!transports) transports = beamlink::DefaultTransportFactory();
  if (entry.link != Link::Serial) return transports;
  return [open = std::move(transports), device = SerialDeviceOf(entry)](
             const beamlink::Endpoint& endpoint, beamlink::Deadline deadline,
             std::string& error) -> std::unique_ptr<beamlink::Transport> {
    beamlink::Endpoint onDevice = endpoint;
    if (!beamlink::IsNetworkKind(endpoint.kind)) onDevice.devicePath = device;
    return open(onDevice, deadline, error);
  };
}

void AttachEntry(CPjtInterface& pjt, const ProjectorEntry& entry, const beamlink::TransportFactory& transports,
                 int timeoutMs) {
  // Messages about the link name the device, not the port number's device.
  pjt.SetTransportFactory(EntryTransports(entry, transports),
                          entry.link == Link::Serial ? SerialDeviceOf(entry) : std::string{});
  const int timeout = timeoutMs > 0 ? timeoutMs : entry.timeoutMs;
  if (entry.link == Link::Network)
    pjt.CopyData(ConnectKindOf(entry), 0, entry.tcpPort, entry.address.c_str(), timeout, entry.password.c_str());
  else
    pjt.CopyData(0, entry.serialPort, entry.baudRate, "", timeout, entry.password.c_str());
}

bool HandOffEntry(CExpertDlg& dialog, const ProjectorEntry& entry, const models::ModelDatabase& database,
                  const beamlink::TransportFactory& transports, std::string& error) {
  const std::optional<CProjectorItem> item = MakeProjectorItem(entry, database, error);
  if (!item) return false;
  dialog.CopyData(&*item);
  AttachEntry(dialog.m_pjt, entry, transports);
  return true;
}

}  // namespace host
