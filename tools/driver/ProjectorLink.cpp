#include "tools/driver/ProjectorLink.h"

#include "beamlink/SerialTransport.h"
#include "beamlink/TcpTransport.h"
#include "simulator/InProcessTransport.h"

namespace driver {

beamlink::TransportFactory MakeTransportFactory(const ConnectTarget& target, std::shared_ptr<sim::Projector> projector,
                                                const std::string& password) {
  using beamlink::Deadline;
  using beamlink::Endpoint;
  using beamlink::Transport;
  switch (target.kind) {
    case ConnectTarget::Kind::Simulated: {
      sim::ServerOptions options;
      options.password = password;
      return sim::InProcessFactory(std::move(projector), std::move(options));
    }
    case ConnectTarget::Kind::None:
      return [](const Endpoint&, Deadline, std::string& error) -> std::unique_ptr<Transport> {
        error = "no projector connected";
        return nullptr;
      };
    case ConnectTarget::Kind::Tcp:
    case ConnectTarget::Kind::PjLink:
      return [host = target.host, port = target.port](const Endpoint&, Deadline deadline,
                                                      std::string& error) -> std::unique_ptr<Transport> {
        return beamlink::TcpTransport::Open(host, port, deadline, error);
      };
    case ConnectTarget::Kind::Serial:
      return [path = target.path](const Endpoint& endpoint, Deadline, std::string& error) -> std::unique_ptr<Transport> {
        const int baud = endpoint.third != 0 ? endpoint.third : beamlink::kDefaultBaudRate;
        return beamlink::SerialTransport::Open(path, baud, error);
      };
  }
  return nullptr;
}

ProjectorCall ToProjectorCall(const beamlink::CallTrace& trace) {
  ProjectorCall call;
  call.op = trace.op;
  call.code = trace.code;
  if (trace.code) {
    // Set, Inc and Dec trace the value passed with the code; Get traces none.
    if (!trace.args.empty()) {
      if (const long long* value = std::get_if<long long>(&trace.args.front())) call.value = *value;
    }
  } else {
    call.args = trace.args;
  }
  call.result = trace.result;
  call.out = trace.out;
  call.error = trace.error;
  return call;
}

}  // namespace driver
