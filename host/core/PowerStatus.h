#pragma once
// The status column: the projector's power state, read with the library's
// generic Get within the entry's reply timeout.
#include <string>

#include "beamlink/Transport.h"
#include "host/core/ProjectorEntry.h"

namespace host {

struct PowerStatus {
  bool read = false;  // false: `error` says why
  int state = 0;      // 0 off, 1 on, 2 cooling down
  std::string error;
};

// Blocks for at most the entry's connect and reply timeouts. An empty factory
// uses the library's own transports. Safe to call from any thread: it uses
// an interface object of its own.
PowerStatus QueryPowerStatus(const ProjectorEntry& entry, const beamlink::TransportFactory& transports);

// The column's text, from the catalog.
std::string PowerStatusText(const PowerStatus& status);

}  // namespace host
