#pragma once
// Demo and test runs talk to loopback addresses only. The guard is a
// transport factory for CPjtInterface that opens the library's own transports
// for 127.x.x.x and `localhost` and for pseudo-terminals, and refuses every
// other address and every real serial device, with a message that says why.
#include <string_view>

#include "beamlink/Transport.h"

namespace host {

// True when the environment variable EXPERT_LOOPBACK_ONLY is set and not
// empty or "0": the test suite sets it for everything it starts.
bool LoopbackOnlyRequested();

// 127.x.x.x, or the name `localhost` (any case). No other name passes, and no
// name is looked up to decide: a lookup may reach the network's name server,
// and what it answers is not ours to vouch for.
bool IsLoopbackTarget(std::string_view address);
// A pseudo-terminal (/dev/pts/N, as `pjsim --serial` prints): a process on
// this machine, not a line to a device.
bool IsPseudoTerminal(std::string_view devicePath);

beamlink::TransportFactory LoopbackOnlyTransports();

}  // namespace host
