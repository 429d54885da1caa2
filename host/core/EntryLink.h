#pragma once
// Points an interface object at one entry's projector: connection kind,
// address (a dotted IPv4 address or a host name) or serial device, password
// and reply timeout. Everything the host itself says to a projector (status,
// operations, profiles, the detailed-settings dialog after its hand-off)
// starts here, so every such call reaches the projector the way the dialog
// does.
#include <string>

#include "beamlink/PjtInterface.h"
#include "frame/ExpertDlg.h"
#include "beamlink/Transport.h"
#include "host/core/ProjectorEntry.h"

namespace host {

// An empty factory uses the library's own transports; `timeoutMs` > 0 stands
// in for the entry's reply timeout.
void AttachEntry(CPjtInterface& pjt, const ProjectorEntry& entry, const beamlink::TransportFactory& transports,
                 int timeoutMs = 0);

// The transports for one entry: a serial entry's connections open its device
// (the hand-off carries a port number only). Others pass through unchanged.
beamlink::TransportFactory EntryTransports(const ProjectorEntry& entry, beamlink::TransportFactory transports);

// "Detailed settings", short of running the dialog: hands the entry's item to
// the dialog with CopyData, as a host does, then points the dialog's
// interface at the entry (its host name or serial device, which the item
// cannot carry). False with `error` when the model is not in the database.
bool HandOffEntry(CExpertDlg& dialog, const ProjectorEntry& entry, const models::ModelDatabase& database,
                  const beamlink::TransportFactory& transports, std::string& error);

}  // namespace host
