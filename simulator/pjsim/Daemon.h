#pragma once
// pjsim's event loop: serves a simulated projector on a loopback TCP port
// or on a pseudo-terminal until SIGINT or SIGTERM; or, in a thread of another
// process, on 127.0.0.1 until it is no longer wanted.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "simulator/Server.h"

namespace sim::pjsim {

// Both print where to connect on `announce` ("listening 127.0.0.1:PORT",
// "serial /dev/pts/N"), then serve. They return the exit status: 0 after a
// signal, 1 when the port or terminal cannot be set up.
int ServeTcp(std::shared_ptr<Projector> projector, const ServerOptions& options, const std::string& address,
             std::uint16_t port, std::FILE* announce);
// Many independent projectors in one loop, each on its own port: `firstPort`
// and up, or free ports when it is 0; one line announced per projector. The
// last `dead` of them accept connections and never answer.
int ServeTcpFleet(std::vector<std::shared_ptr<Projector>> projectors, const ServerOptions& options,
                  const std::string& address, std::uint16_t firstPort, std::size_t dead, std::FILE* announce);
int ServeSerial(std::shared_ptr<Projector> projector, const ServerOptions& options, std::FILE* announce);

// The same loop serving 127.0.0.1 from a thread of this process, quietly,
// until destroyed: the host's demo projectors, benchmarks.
class LoopbackService {
 public:
  // `port` 0: a free port. Null with `error` when the port cannot be had.
  static std::unique_ptr<LoopbackService> Start(std::shared_ptr<Projector> projector, ServerOptions options,
                                                std::string& error, std::uint16_t port = 0);
  // Many projectors, as ServeTcpFleet serves them, from one thread.
  static std::unique_ptr<LoopbackService> Start(std::vector<std::shared_ptr<Projector>> projectors,
                                                ServerOptions options, std::string& error, std::size_t dead = 0,
                                                std::uint16_t firstPort = 0);
  ~LoopbackService();  // stops the thread and closes every connection
  LoopbackService(const LoopbackService&) = delete;
  LoopbackService& operator=(const LoopbackService&) = delete;

  std::uint16_t Port() const;  // the first projector's
  std::vector<std::uint16_t> Ports() const;
  Projector& Served(std::size_t index = 0) const;

 private:
  struct Running;
  explicit LoopbackService(std::unique_ptr<Running> running);
  std::unique_ptr<Running> m_running;
};

}  // namespace sim::pjsim
