#include "host/profile/WorkerStarter.h"

#include <poll.h>
#include <signal.h>
// glibc 2.36 declares the pidfd calls without C linkage for C++.
extern "C" {
#include <sys/pidfd.h>
}
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

#include <nlohmann/json.hpp>

namespace profile {

bool SendLine(int fd, const std::string& line, int passed) {
  for (std::size_t sent = 0; sent < line.size();) {
    iovec part{const_cast<char*>(line.data() + sent), line.size() - sent};
    msghdr message{};
    message.msg_iov = &part;
    message.msg_iovlen = 1;
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int))] = {};
    if (passed >= 0 && sent == 0) {
      message.msg_control = control;
      message.msg_controllen = sizeof control;
      cmsghdr* header = CMSG_FIRSTHDR(&message);
      header->cmsg_level = SOL_SOCKET;
      header->cmsg_type = SCM_RIGHTS;
      header->cmsg_len = CMSG_LEN(sizeof(int));
      std::memcpy(CMSG_DATA(header), &passed, sizeof(int));
    }
    const ssize_t n = ::sendmsg(fd, &message, MSG_NOSIGNAL);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    sent += static_cast<std::size_t>(n);
  }
  return true;
}

bool ReceiveLine(int fd, int timeoutMs, std::string& line, int& passed) {
  line.clear();
  passed = -1;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    int wait = -1;
    if (timeoutMs >= 0) {
      const auto left =
          std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
      if (left.count() <= 0) return false;
      wait = static_cast<int>(left.count());
    }
    pollfd waiting{fd, POLLIN, 0};
    const int ready = ::poll(&waiting, 1, wait);
    if (ready < 0 && errno != EINTR) return false;
    if (ready <= 0) continue;
    char buffer[4096];
    iovec part{buffer, sizeof buffer};
    msghdr message{};
    message.msg_iov = &part;
    message.msg_iovlen = 1;
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int))] = {};
    message.msg_control = control;
    message.msg_controllen = sizeof control;
    const ssize_t n = ::recvmsg(fd, &message, MSG_CMSG_CLOEXEC | MSG_DONTWAIT);
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (n <= 0) return false;
    for (cmsghdr* header = CMSG_FIRSTHDR(&message); header; header = CMSG_NXTHDR(&message, header))
      if (header->cmsg_level == SOL_SOCKET && header->cmsg_type == SCM_RIGHTS &&
          header->cmsg_len == CMSG_LEN(sizeof(int))) {
        int received = -1;
        std::memcpy(&received, CMSG_DATA(header), sizeof(int));
        if (passed < 0)
          passed = received;
        else
          ::close(received);  // one descriptor a line; more is no request of ours
      }
    line.append(buffer, static_cast<std::size_t>(n));
    if (const std::size_t end = line.find('\n'); end != std::string::npos) {
      if (end + 1 != line.size()) return false;
      line.pop_back();
      return true;
    }
  }
}

int RunStarter(int control, const std::function<int()>& serve) {
  const auto fault = [control](const std::string& why) {
    SendLine(control, nlohmann::json{{"fault", why}}.dump() + "\n");
  };
  for (;;) {
    // Workers that ended are reaped between requests, never before the pool
    // holds a pidfd for them: until then their pid cannot be reused.
    while (::waitpid(-1, nullptr, WNOHANG) > 0) {
    }
    std::string line;
    int passed = -1;
    if (!ReceiveLine(control, -1, line, passed)) {
      if (passed >= 0) ::close(passed);
      return 0;  // the pool closed its end (or broke the protocol): the run is over
    }
    const nlohmann::json request = nlohmann::json::parse(line, nullptr, false);
    if (passed < 0 || !request.is_object() || !request.contains("op") || request["op"] != "fork") {
      if (passed >= 0) ::close(passed);
      fault("not a fork request with its socket");
      continue;
    }
    const pid_t pid = ::fork();
    if (pid == 0) {
      ::dup2(passed, 0);  // the starter's own socket is 0 and 1: replaced here
      ::dup2(passed, 1);
      if (passed > 1) ::close(passed);
      if (control > 1) ::close(control);
      return serve();
    }
    ::close(passed);
    if (pid < 0) {
      fault(std::string("fork failed: ") + std::strerror(errno));
      continue;
    }
    const int pidfd = ::pidfd_open(pid, 0);
    if (pidfd < 0) {
      ::kill(pid, SIGKILL);  // still our unreaped child: the pid is its own
      fault(std::string("no pidfd: ") + std::strerror(errno));
      continue;
    }
    SendLine(control, nlohmann::json{{"pid", pid}}.dump() + "\n", pidfd);
    ::close(pidfd);
  }
}

}  // namespace profile
