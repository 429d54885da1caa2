#pragma once
// A simulated projector served on a 127.0.0.1 TCP port by a thread of the
// host process, so that the dialog reaches it through the projector library's
// real TCP transport and wire protocol.
#include <cstdint>
#include <memory>
#include <string>
#include <thread>

#include "simulator/Projector.h"
#include "simulator/Server.h"

namespace host {

class LoopbackSimulator {
 public:
  // Listens on 127.0.0.1 (`port` 0: a free port) and serves in a thread of
  // its own until destroyed. Null with `error` when the port cannot be had.
  static std::unique_ptr<LoopbackSimulator> Start(std::shared_ptr<sim::Projector> projector,
                                                  sim::ServerOptions options, std::string& error,
                                                  std::uint16_t port = 0);
  ~LoopbackSimulator();  // stops the thread and closes every connection
  LoopbackSimulator(const LoopbackSimulator&) = delete;
  LoopbackSimulator& operator=(const LoopbackSimulator&) = delete;

  std::uint16_t Port() const { return m_port; }
  sim::Projector& Projector() const { return *m_projector; }

 private:
  LoopbackSimulator(std::shared_ptr<sim::Projector> projector, sim::ServerOptions options, int listenFd,
                    int stopFd, std::uint16_t port);
  void Serve();

  std::shared_ptr<sim::Projector> m_projector;
  sim::ServerOptions m_options;
  int m_listen;
  int m_stop;  // an eventfd: written once to end the thread
  std::uint16_t m_port;
  std::thread m_thread;
};

}  // namespace host
