#pragma once
// The simulated projector's PJLink end: the same projector state as our own
// protocol serves, reached through PJLink commands. It greets each
// connection ("PJLINK 0", or "PJLINK 1 <random>" with a password), checks
// the digest in front of the first command, answers each command line with
// its response, and reports ERR3 while the lamp warms up or cools down.
#include <chrono>
#include <memory>
#include <string>

#include "beamlink/pjlink/Codec.h"
#include "simulator/Server.h"

namespace sim::pjlink {

struct PjLinkOptions {
  int cls = 2;                        // 1: the class-1 commands only
  std::chrono::milliseconds warmup{0};  // after power on, before the projector takes commands
  bool closeAfterReply = false;       // as projectors that take one command per connection
  // A connection that carried no command for this long is closed, as
  // projectors do; 0: never.
  std::chrono::milliseconds idleClose{30'000};
};

// Connections of one simulated projector share its warm-up: the factory
// keeps it.
ConversationFactory PjLinkProtocol(PjLinkOptions options);

}  // namespace sim::pjlink
