#pragma once
// How a session connects the dialog's projector interface: where its traffic
// goes (the "connect" option of "open") and how each operation it carries out
// reaches the "events" list.
#include <memory>
#include <string>

#include "beamlink/CallTrace.h"
#include "beamlink/Transport.h"
#include "simulator/Projector.h"
#include "tools/driver/CallLog.h"
#include "tools/driver/ConnectTarget.h"

namespace driver {

// The transports for `target`:
// - Simulated: in-process connections to `projector`, which asks for
//   `password` when it is not empty;
// - None: every connection is refused ("no projector connected");
// - Tcp, PjLink: the target's loopback address and port; Serial: the target's device,
//   at the baud rate of the handed-over third value (0: the default).
// The address, port and device of the handed-over connection data are never
// used; its password and reply timeout still are, by the interface.
beamlink::TransportFactory MakeTransportFactory(const ConnectTarget& target, std::shared_ptr<sim::Projector> projector,
                                                const std::string& password);

// One traced operation as "events" reports it: the generic operations with
// their code and value, the named ones with their arguments.
ProjectorCall ToProjectorCall(const beamlink::CallTrace& trace);

}  // namespace driver
