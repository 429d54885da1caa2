#include "beamlink/FdTransport.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>

#include "beamlink/WaitHook.h"

namespace beamlink {

std::string ErrnoText(int error) { return std::strerror(error); }

int WaitReady(int fd, short events, Deadline deadline) {
  for (;;) {
    // A watched thread waits in slices and asks between them whether to go on.
    const Deadline until = SliceEnd(deadline);
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(until - Clock::now()).count();
    const int timeout = static_cast<int>(std::clamp<decltype(left)>(left, 0, INT_MAX));
    pollfd entry{fd, events, 0};
    const int result = poll(&entry, 1, timeout);
    if (result > 0) return 1;
    if (result == 0) {
      // poll may wake a little early; only a deadline really passed counts.
      if (Clock::now() >= deadline) return 0;
      if (Clock::now() >= until && !KeepWaiting()) return 0;  // abandoned: CallAbandoned() tells
      continue;
    }
    if (errno != EINTR) return -1;
  }
}

FdTransport::~FdTransport() { close(m_fd); }

bool FdTransport::Write(std::span<const std::uint8_t> bytes, Deadline deadline, std::string& error) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t written = m_isSocket ? send(m_fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL | MSG_DONTWAIT)
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
  // A watched thread reads in slices (see WaitHook.h). The slice's end is
  // fixed once: the armed receive timeout stops short of it, and a slice
  // renewed at every turn would never be seen to pass, so the hook would not
  // be asked. Once it has passed, WaitReady waits the rest and asks on its own.
  const Deadline until = SliceEnd(deadline);
  for (;;) {
    ssize_t got = 0;
    if (CallAbandoned()) {
      error = "abandoned";
      return 0;
    }
    if (m_isSocket && ArmReceiveTimeout(until)) {
      // One blocking receive instead of a poll and a read: the reply is
      // rarely there the moment the request has left, and the kernel bounds
      // the wait by the timeout just armed.
      got = recv(m_fd, buffer.data(), buffer.size(), 0);
    } else {
      const int ready = WaitReady(m_fd, POLLIN, deadline);
      if (ready == 0) {
        error = "timed out";
        return 0;
      }
      if (ready < 0) {
        error = "read failed: " + ErrnoText(errno);
        return 0;
      }
      got = m_isSocket ? recv(m_fd, buffer.data(), buffer.size(), MSG_DONTWAIT)
                       : read(m_fd, buffer.data(), buffer.size());
    }
    if (got > 0) return static_cast<std::size_t>(got);
    if (got == 0) {
      error = "the connection was closed";
      return 0;
    }
    if (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK) {
      if (Clock::now() >= deadline) {
        error = "timed out";
        return 0;
      }
      if (Clock::now() >= until && !KeepWaiting()) {
        error = "abandoned";
        return 0;
      }
      continue;
    }
    error = "read failed: " + ErrnoText(errno);
    return 0;
  }
}

bool FdTransport::ArmReceiveTimeout(Deadline deadline) {
  // The kernel rounds a receive timeout up to its timer tick; what is armed
  // stays that much short of the deadline, and the last stretch is polled.
  constexpr std::chrono::milliseconds kTimerSlack{10};
  const auto left = std::chrono::floor<std::chrono::milliseconds>(deadline - Clock::now()) - kTimerSlack;
  if (left < std::chrono::milliseconds(1)) return false;
  // Each call's first read sees the same rounded figure, so the option is
  // set once per connection in the usual case, not once per exchange.
  if (left != m_armedTimeout) {
    const timeval bound{static_cast<time_t>(left.count() / 1000), static_cast<suseconds_t>(left.count() % 1000 * 1000)};
    if (setsockopt(m_fd, SOL_SOCKET, SO_RCVTIMEO, &bound, sizeof bound) != 0) return false;
    m_armedTimeout = left;
  }
  return true;
}

}  // namespace beamlink
