#include "beamlink/TcpTransport.h"

#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

#include "beamlink/Loopback.h"

namespace beamlink {

std::unique_ptr<TcpTransport> TcpTransport::Open(const std::string& address, int port, Deadline deadline,
                                                 std::string& error) {
  // The same parser decides what is a loopback address, so no two parts of
  // the system disagree on what a text means (leading zeros, for one).
  const std::optional<std::uint32_t> ip = ParseDottedQuad(address);
  if (!ip) {
    error = "\"" + address + "\" is not a dotted IPv4 address";
    return nullptr;
  }
  if (port < 1 || port > 65535) {
    error = "TCP port " + std::to_string(port) + " is out of range";
    return nullptr;
  }
  const int fd = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd < 0) {
    error = "cannot create a socket: " + ErrnoText(errno);
    return nullptr;
  }
  // Owned from here on, so every failure below closes it.
  std::unique_ptr<TcpTransport> transport(new TcpTransport(fd));

  sockaddr_in target{};
  target.sin_family = AF_INET;
  target.sin_port = htons(static_cast<std::uint16_t>(port));
  target.sin_addr.s_addr = htonl(*ip);
  if (connect(fd, reinterpret_cast<const sockaddr*>(&target), sizeof target) != 0) {
    if (errno != EINPROGRESS && errno != EINTR) {
      error = "cannot connect: " + ErrnoText(errno);
      return nullptr;
    }
    const int ready = WaitReady(fd, POLLOUT, deadline);
    if (ready <= 0) {
      error = ready == 0 ? "timed out while connecting" : "cannot connect: " + ErrnoText(errno);
      return nullptr;
    }
    int result = 0;
    socklen_t size = sizeof result;
    if (getsockopt(fd, SOL_SOCKET, SO_ERROR, &result, &size) != 0) result = errno;
    if (result != 0) {
      error = "cannot connect: " + ErrnoText(result);
      return nullptr;
    }
  }
  // Connected: replies are now awaited by blocking receives under a timeout
  // (sends never block, see FdTransport).
  const int flags = fcntl(fd, F_GETFL);
  if (flags < 0 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
    error = "cannot configure the socket: " + ErrnoText(errno);
    return nullptr;
  }
  // Frames are a dozen bytes and each waits for its answer: send at once.
  const int on = 1;
  setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
  return transport;
}

}  // namespace beamlink
