#pragma once
// A byte stream to one projector: a TCP socket, a serial line, or a simulated
// projector in the same process. Every wait is bounded by a deadline.
#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

#include "beamlink/LinkLimits.h"

namespace beamlink {

using Clock = std::chrono::steady_clock;
using Deadline = Clock::time_point;

// Which protocol a connection speaks: the library's own, or PJLink.
enum class Protocol { Native, PjLink };
// The connection kind that reaches a network projector over PJLink; kind 1
// reaches it over the library's own protocol.
constexpr int kConnectPjLink = 2;
inline bool IsNetworkKind(int kind) { return kind == 1 || kind == kConnectPjLink; }

// Where and how to reach a projector, from the connection data the host hands
// over (CPjtInterface::CopyData).
struct Endpoint {
  int kind = 1;                // 1: network; anything else: serial port `portIndex`
  int portIndex = 0;
  int third = 0;               // TCP port, or baud rate; 0: the default
  std::string address;         // dotted IPv4 address or host name
  int timeoutMs = 0;           // connect and reply timeout each; 0 or less: the default
  std::string password;        // empty: none
  bool acceptNoPassword = false;  // with a password, still talk to a projector that asks for none
  std::string devicePath;      // serial only: a device to open in place of the port index's
  std::string peer;            // where the transports really go when not to the above (a test route); for messages
  Protocol protocol = Protocol::Native;
  bool operator==(const Endpoint&) const = default;
};

constexpr int kDefaultTcpPort = 4352;
constexpr int kDefaultBaudRate = 19200;
constexpr int kDefaultTimeoutMs = 2000;

// The timeout an endpoint asks for, the default when it gives none. Values
// outside the accepted range are held to it: the front ends refuse them with
// an error, and whatever reaches the library still never blocks for long.
inline int TimeoutMsOf(const Endpoint& endpoint) {
  if (endpoint.timeoutMs <= 0) return kDefaultTimeoutMs;
  return endpoint.timeoutMs < kMinTimeoutMs ? kMinTimeoutMs : std::min(endpoint.timeoutMs, kMaxTimeoutMs);
}

// Where the traffic really goes, for messages: the peer when one is set,
// else "192.168.0.10:4352" or "/dev/ttyS0".
std::string DescribeEndpoint(const Endpoint& endpoint);

class Transport {
 public:
  virtual ~Transport() = default;
  // Writes all of `bytes` before the deadline; false with `error` otherwise.
  virtual bool Write(std::span<const std::uint8_t> bytes, Deadline deadline, std::string& error) = 0;
  // Reads at least one byte and at most `buffer.size()` before the deadline.
  // 0 with `error` on time-out, end of stream or failure.
  virtual std::size_t Read(std::span<std::uint8_t> buffer, Deadline deadline, std::string& error) = 0;
};

// Opens a transport to an endpoint before the deadline; null with `error`
// when it cannot.
using TransportFactory =
    std::function<std::unique_ptr<Transport>(const Endpoint& endpoint, Deadline deadline, std::string& error)>;

}  // namespace beamlink
