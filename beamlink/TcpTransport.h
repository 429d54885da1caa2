#pragma once
// A TCP connection to a projector, addressed by a dotted IPv4 literal. No
// name lookup ever happens: the host hands over addresses, not names.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "beamlink/FdTransport.h"

namespace beamlink {

class TcpTransport : public FdTransport {
 public:
  // Connects before the deadline; null with `error` when the address is not
  // a dotted IPv4 literal, the port is out of range or the connect fails.
  static std::unique_ptr<TcpTransport> Open(const std::string& address, int port, Deadline deadline,
                                            std::string& error);

 private:
  explicit TcpTransport(int fd) : FdTransport(fd, true) {}
};

}  // namespace beamlink
