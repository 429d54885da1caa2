#pragma once
// pjsim's event loop: serves a simulated projector on a loopback TCP port
// or on a pseudo-terminal until SIGINT or SIGTERM.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "simulator/Server.h"

namespace sim::pjsim {

// Both print where to connect on `announce` ("listening 127.0.0.1:PORT",
// "serial /dev/pts/N"), then serve. They return the exit status: 0 after a
// signal, 1 when the port or terminal cannot be set up.
int ServeTcp(std::shared_ptr<Projector> projector, const ServerOptions& options, const std::string& address,
             std::uint16_t port, std::FILE* announce);
int ServeSerial(std::shared_ptr<Projector> projector, const ServerOptions& options, std::FILE* announce);

}  // namespace sim::pjsim
