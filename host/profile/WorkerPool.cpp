#include "host/profile/WorkerPool.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
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
#include <string_view>
#include <thread>

#include "host/profile/WorkerStarter.h"
#include "models/ModelDatabase.h"

extern char** environ;

namespace profile {
namespace {

using Json = nlohmann::json;

// The child's environment: ours, with English texts and our model database
// (the worker lives elsewhere than the programs in an installed tree, so it
// would not find the database from its own location).
std::vector<std::string> ChildEnvironment() {
  std::vector<std::string> variables;
  for (char** variable = environ; *variable; ++variable) {
    const std::string_view text(*variable);
    if (text.starts_with("LC_ALL=") || text.starts_with("LC_MESSAGES=") || text.starts_with("LANG=") ||
        text.starts_with("EXPERT_MODEL_DB="))
      continue;
    variables.emplace_back(text);
  }
  variables.emplace_back("LC_ALL=C");
  variables.emplace_back("EXPERT_MODEL_DB=" + models::ModelDatabase::DefaultDirectory().string());
  return variables;
}

// A worker ends by itself once its stdin closes; one that does not is killed.
constexpr int kExitGraceMs = 1000;
// The starter answers a fork request at once; after loading the model
// database for the first one.
constexpr int kForkReplyMs = 10000;

std::string EndedText(const std::optional<int>& status) {
  if (status && WIFSIGNALED(*status))
    return "the worker process ended on signal " + std::to_string(WTERMSIG(*status)) + " before its reply";
  if (status)
    return "the worker process ended without a reply (exit status " + std::to_string(WEXITSTATUS(*status)) + ")";
  return "the worker process ended without a reply";
}

// An idle worker with something to read has died or said more than its reply.
bool Stale(int fd) {
  pollfd waiting{fd, POLLIN, 0};
  return ::poll(&waiting, 1, 0) != 0;
}

void Signal(int pid, int pidfd, int signal) {
  if (pidfd >= 0)
    ::pidfd_send_signal(pidfd, signal, nullptr, 0);
  else
    ::kill(pid, signal);  // our own child, not yet waited for: the pid is still its own
}

}  // namespace

std::optional<WorkerPool::Child> WorkerPool::Spawn(bool starter, std::string& error) const {
  int ends[2];
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) {
    error = std::string("no worker process: ") + std::strerror(errno);
    return std::nullopt;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, ends[1], 0);
  posix_spawn_file_actions_adddup2(&actions, ends[1], 1);
  // The marker files that choose a language live in the current directory.
  posix_spawn_file_actions_addchdir_np(&actions, "/");
  std::vector<std::string> environment = ChildEnvironment();
  std::vector<char*> envp;
  for (std::string& variable : environment) envp.push_back(variable.data());
  envp.push_back(nullptr);
  std::string name = m_program;
  std::string option = "--starter";
  char* argv[] = {name.data(), starter ? option.data() : nullptr, nullptr};
  pid_t pid = 0;
  const int spawned = ::posix_spawn(&pid, m_program.c_str(), &actions, nullptr, argv, envp.data());
  posix_spawn_file_actions_destroy(&actions);
  ::close(ends[1]);
  if (spawned != 0) {
    ::close(ends[0]);
    error = "no worker process (" + m_program + "): " + std::strerror(spawned);
    return std::nullopt;
  }
  return Child{pid, ends[0], ::pidfd_open(pid, 0), true};
}

std::optional<WorkerPool::Child> WorkerPool::Fork() {
  const std::lock_guard lock(m_starterMutex);
  if (m_noStarter) return std::nullopt;
  std::string ignored;
  if (!m_starter) m_starter = Spawn(true, ignored);
  int ends[2];
  if (!m_starter || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) {
    m_noStarter = true;
    return std::nullopt;
  }
  std::string line;
  int pidfd = -1;
  const bool answered = SendLine(m_starter->fd, "{\"op\":\"fork\"}\n", ends[1]) &&
                        ReceiveLine(m_starter->fd, kForkReplyMs, line, pidfd);
  ::close(ends[1]);
  const Json reply = answered ? Json::parse(line, nullptr, false) : Json();
  const auto pid = reply.is_object() ? reply.find("pid") : reply.end();
  if (pidfd < 0 || pid == reply.end() || !pid->is_number_integer() || pid->get<int>() <= 0) {
    // An old or broken starter: ended, and this run spawns its workers.
    ::close(ends[0]);
    if (pidfd >= 0) ::close(pidfd);
    End(*m_starter, 0);
    m_starter.reset();
    m_noStarter = true;
    return std::nullopt;
  }
  return Child{pid->get<int>(), ends[0], pidfd, false};
}

std::optional<WorkerPool::Child> WorkerPool::Start(std::string& error) {
  if (m_forked)
    if (std::optional<Child> forked = Fork()) return forked;
  return Spawn(false, error);
}

std::optional<int> WorkerPool::End(const Child& child, int graceMs) {
  ::close(child.fd);
  std::optional<int> status;
  if (child.own) {
    int waited = 0;
    for (int slept = 0;; slept += 10) {
      const pid_t ended = ::waitpid(child.pid, &waited, WNOHANG);
      if (ended == child.pid) {
        status = waited;
        break;
      }
      if (ended < 0 && errno != EINTR) break;  // someone else waited for it
      if (slept >= graceMs) {
        Signal(child.pid, child.pidfd, SIGKILL);
        while (::waitpid(child.pid, &waited, 0) < 0 && errno == EINTR) {
        }
        status = waited;
        break;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  } else {
    // The starter's child: its pidfd turns readable when it has ended.
    pollfd ended{child.pidfd, POLLIN, 0};
    if (::poll(&ended, 1, graceMs) <= 0) {
      Signal(child.pid, child.pidfd, SIGKILL);
      ::poll(&ended, 1, kExitGraceMs);
    }
  }
  if (child.pidfd >= 0) ::close(child.pidfd);
  return status;
}

void WorkerPool::EndIdle() {
  std::vector<Child> idle;
  {
    const std::lock_guard lock(m_mutex);
    idle.swap(m_idle);
  }
  {
    const std::lock_guard lock(m_starterMutex);
    if (m_starter) idle.push_back(*m_starter);
    m_starter.reset();
    m_noStarter = false;
  }
  for (const Child& child : idle) ::shutdown(child.fd, SHUT_RDWR);  // all of them end at once
  for (const Child& child : idle) {
    if (child.own) {
      End(child, kExitGraceMs);
      continue;
    }
    // An idle fork ends as its socket closes, and its parent (the starter, or
    // init after it) reaps it: the run need not wait for it to wind down.
    ::close(child.fd);
    ::close(child.pidfd);
  }
}

std::optional<Json> WorkerPool::Run(const Json& request, const std::atomic<bool>* cancelled, std::string& error) {
  std::optional<Child> child;
  for (;;) {
    {
      const std::lock_guard lock(m_mutex);
      if (m_idle.empty()) break;
      child = m_idle.back();
      m_idle.pop_back();
    }
    if (!Stale(child->fd)) break;
    End(*child, 0);
    child.reset();
  }
  if (!child) child = Start(error);
  if (!child) return std::nullopt;

  const std::string text = request.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
  std::size_t sent = 0;
  std::string reply;
  bool killed = false;
  bool ended = false;  // the worker closed its end or the socket failed
  while (reply.find('\n') == std::string::npos) {
    if (cancelled && cancelled->load()) {
      Signal(child->pid, child->pidfd, SIGTERM);
      killed = true;
      break;
    }
    pollfd waiting{child->fd, static_cast<short>(POLLIN | (sent < text.size() ? POLLOUT : 0)), 0};
    const int ready = ::poll(&waiting, 1, 100);
    if (ready < 0 && errno != EINTR) {
      ended = true;
      break;
    }
    if (ready <= 0) continue;
    if ((waiting.revents & POLLOUT) && sent < text.size()) {
      const ssize_t n = ::send(child->fd, text.data() + sent, text.size() - sent, MSG_NOSIGNAL | MSG_DONTWAIT);
      if (n > 0) sent += static_cast<std::size_t>(n);
    }
    if (waiting.revents & (POLLIN | POLLHUP | POLLERR)) {
      char buffer[8192];
      const ssize_t n = ::recv(child->fd, buffer, sizeof buffer, MSG_DONTWAIT);
      if (n > 0) {
        reply.append(buffer, static_cast<std::size_t>(n));
      } else if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
        ended = true;
        break;
      }
    }
  }

  // From here on the worker is either given back whole or ended.
  const auto end = [&](int graceMs) { return End(*child, graceMs); };
  if (killed) {
    end(kExitGraceMs);
    error = "cancelled";
    return std::nullopt;
  }
  if (ended) {
    error = EndedText(end(kExitGraceMs));
    return std::nullopt;
  }
  std::optional<Json> parsed;
  if (reply.find('\n') + 1 == reply.size()) try {
      parsed = Json::parse(reply);
    } catch (const Json::exception&) {
    }
  if (!parsed || !parsed->is_object()) {
    end(0);
    error = "the worker process gave a bad reply: " + reply.substr(0, std::min<std::size_t>(reply.find('\n'), 80));
    return std::nullopt;
  }
  if (const auto fault = parsed->find("fault"); fault != parsed->end()) {
    end(kExitGraceMs);  // it exits after a fault: its state is not to be trusted
    error = "the worker process failed: " + (fault->is_string() ? fault->get<std::string>() : fault->dump());
    return std::nullopt;
  }
  const std::lock_guard lock(m_mutex);
  m_idle.push_back(*child);
  return parsed;
}

}  // namespace profile
