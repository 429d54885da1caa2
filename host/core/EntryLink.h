#pragma once
// Points an interface object at one entry's projector: connection kind,
// address or serial line, password and reply timeout. Everything the host
// itself says to a projector (status, operations, profiles) starts here, so
// every such call reaches the projector the way the dialog does.
#include "beamlink/PjtInterface.h"
#include "beamlink/Transport.h"
#include "host/core/ProjectorEntry.h"

namespace host {

// An empty factory uses the library's own transports; `timeoutMs` > 0 stands
// in for the entry's reply timeout.
void AttachEntry(CPjtInterface& pjt, const ProjectorEntry& entry, const beamlink::TransportFactory& transports,
                 int timeoutMs = 0);

}  // namespace host
