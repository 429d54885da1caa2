#pragma once
// Demo and test runs talk to loopback addresses only. The guard is a
// transport factory for CPjtInterface that opens the library's own transports
// for 127.x.x.x and refuses every other address, and every serial port, with
// a message that says why.
#include "beamlink/Transport.h"

namespace host {

// True when the environment variable EXPERT_LOOPBACK_ONLY is set and not
// empty or "0": the test suite sets it for everything it starts.
bool LoopbackOnlyRequested();

beamlink::TransportFactory LoopbackOnlyTransports();

}  // namespace host
