#include "beamlink/FdTransport.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>

namespace beamlink {

std::string ErrnoText(int error) { return std::strerror(error); }

int WaitReady(int fd, short events, Deadline deadline) {
  for (;;) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    const int timeout = static_cast<int>(std::clamp<decltype(left)>(left, 0, INT_MAX));
    pollfd entry{fd, events, 0};
    const int result = poll(&entry, 1, timeout);
    if (result > 0) return 1;
    if (result == 0) {
      // poll may wake a little early; only a deadline really passed counts.
      if (Clock::now() >= deadline) return 0;
      continue;
    }
    if (errno != EINTR) return -1;
  }
}

FdTransport::~FdTransport() { close(m_fd); }

bool FdTransport::Write(std::span<const std::uint8_t> bytes, Deadline deadline, std::string& error) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t written = m_isSocket ? send(m_fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL)
                                       : write(m_fd, bytes.data() + done, bytes.size() - done);
    if (written > 0) {
      done += static_cast<std::size_t>(written);
      continue;
    }
    if (written < 0 && errno == EINTR) continue;
    if (written < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
      error = "write failed: " + ErrnoText(errno);
      return false;
    }
    const int ready = WaitReady(m_fd, POLLOUT, deadline);
    if (ready == 0) {
      error = "timed out while sending";
      return false;
    }
    if (ready < 0) {
      error = "write failed: " + ErrnoText(errno);
      return false;
    }
  }
  return true;
}

std::size_t FdTransport::Read(std::span<std::uint8_t> buffer, Deadline deadline, std::string& error) {
  if (buffer.empty()) {
    error = "no room to read into";
    return 0;
  }
  for (;;) {
    // Poll first: a reply is rarely there the moment the request has left.
    const int ready = WaitReady(m_fd, POLLIN, deadline);
    if (ready == 0) {
      error = "timed out";
      return 0;
    }
    if (ready < 0) {
      error = "read failed: " + ErrnoText(errno);
      return 0;
    }
    const ssize_t got = read(m_fd, buffer.data(), buffer.size());
    if (got > 0) return static_cast<std::size_t>(got);
    if (got == 0) {
      error = "the connection was closed";
      return 0;
    }
    if (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK) continue;
    error = "read failed: " + ErrnoText(errno);
    return 0;
  }
}

}  // namespace beamlink
