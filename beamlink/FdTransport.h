#pragma once
// A transport over one file descriptor (a socket or a serial line). Every
// wait is bounded by the caller's deadline: a poll, or for a socket's
// replies a blocking receive under a kernel timeout armed from the deadline.
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
  // Takes ownership of `fd`. A serial line must be non-blocking; a socket
  // may block, as every send on it passes MSG_DONTWAIT, and MSG_NOSIGNAL so
  // that a peer that went away never raises SIGPIPE.
  FdTransport(int fd, bool isSocket) : m_fd(fd), m_isSocket(isSocket) {}

 private:
  // Arms SO_RCVTIMEO to end before the deadline; false when too little time
  // is left, and the read polls instead.
  bool ArmReceiveTimeout(Deadline deadline);

  int m_fd;
  bool m_isSocket;
  std::chrono::milliseconds m_armedTimeout{-1};
};

// Waits until `fd` is ready for `events` (POLLIN, POLLOUT) or the deadline
// passes. 1: ready (or hung up, which the next read or write reports);
// 0: timed out; -1: poll failed, errno set.
int WaitReady(int fd, short events, Deadline deadline);

// The text of errno, for messages.
std::string ErrnoText(int error);

}  // namespace beamlink
