#pragma once
// A TCP connection to a projector, addressed by a dotted IPv4 literal or by
// a host name. A name is looked up (IPv4) within the connect deadline.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "beamlink/FdTransport.h"

namespace beamlink {

class TcpTransport : public FdTransport {
 public:
  // Connects before the deadline; null with `error` when the address is
  // neither a dotted IPv4 literal nor a host name, the name is not known,
  // the port is out of range or the connect fails.
  static std::unique_ptr<TcpTransport> Open(const std::string& address, int port, Deadline deadline,
                                            std::string& error);

 private:
  explicit TcpTransport(int fd) : FdTransport(fd, true) {}
};

// Whether `text` is written as a host name: labels of letters, digits and
// hyphens (1 to 63, no hyphen at either end) joined by dots, at most 253
// characters, the last label not all digits (so "192.168.0" is no name).
bool IsHostName(std::string_view text);

// The error text of a name that does not resolve, and its test: the
// connection turns it into CallFailure::UnknownName.
std::string UnknownNameError(const std::string& name);
bool IsUnknownNameError(const std::string& error);

// Looks `name` up; its IPv4 addresses (host order), or none with
// `notKnown` set when the name has no address. Blocking; it runs on a
// short-lived thread of its own, so a lookup that hangs costs the caller
// no more than the connect deadline.
using NameLookup = std::function<std::vector<std::uint32_t>(const std::string& name, bool& notKnown)>;
// Replaces the system's lookup (getaddrinfo), for tests that must not reach
// a name server; an empty function restores it.
void SetNameLookup(NameLookup lookup);

}  // namespace beamlink
