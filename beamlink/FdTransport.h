#pragma once
// A transport over one non-blocking file descriptor (a socket or a serial
// line): every wait is a poll bounded by the caller's deadline.
#include <string>

#include "beamlink/Transport.h"

namespace beamlink {

class FdTransport : public Transport {
 public:
  ~FdTransport() override;
  FdTransport(const FdTransport&) = delete;
  FdTransport& operator=(const FdTransport&) = delete;

  bool Write(std::span<const std::uint8_t> bytes, Deadline deadline, std::string& error) override;
  std::size_t Read(std::span<std::uint8_t> buffer, Deadline deadline, std::string& error) override;

 protected:
  // Takes ownership of `fd`, which must be non-blocking. Sockets are written
  // with MSG_NOSIGNAL, so a peer that went away never raises SIGPIPE.
  FdTransport(int fd, bool isSocket) : m_fd(fd), m_isSocket(isSocket) {}

 private:
  int m_fd;
  bool m_isSocket;
};

// Waits until `fd` is ready for `events` (POLLIN, POLLOUT) or the deadline
// passes. 1: ready (or hung up, which the next read or write reports);
// 0: timed out; -1: poll failed, errno set.
int WaitReady(int fd, short events, Deadline deadline);

// The text of errno, for messages.
std::string ErrnoText(int error);

}  // namespace beamlink
