#pragma once
// A transport to a simulated projector in the same process: no socket, the
// bytes go straight to a Server bound to the shared Projector. Replies wait
// out the projector's latency, within the caller's deadline, as they would
// on a line.
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "beamlink/Transport.h"
#include "simulator/Server.h"

namespace sim {

class InProcessTransport : public beamlink::Transport {
 public:
  InProcessTransport(std::shared_ptr<Projector> projector, ServerOptions options);

  bool Write(std::span<const std::uint8_t> bytes, beamlink::Deadline deadline, std::string& error) override;
  std::size_t Read(std::span<std::uint8_t> buffer, beamlink::Deadline deadline, std::string& error) override;

 private:
  struct Pending {
    std::vector<std::uint8_t> bytes;
    beamlink::Clock::time_point due;
    bool close = false;
  };

  std::unique_ptr<Conversation> m_server;
  std::deque<Pending> m_pending;
  bool m_closed = false;  // the projector closed the connection and everything before it has been read
};

// Opens in-process connections to `projector`, whatever the endpoint says:
// the password the projector asks for is `options.password`, and the
// endpoint's password is what the client answers with. Refuses while the
// projector is unreachable (Faults::SetUnreachable).
beamlink::TransportFactory InProcessFactory(std::shared_ptr<Projector> projector, ServerOptions options = {});

}  // namespace sim
