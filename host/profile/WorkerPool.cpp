#include "host/profile/WorkerPool.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <string_view>
#include <thread>

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

// Waits for `pid` to end, at most `graceMs`, then kills it; its wait status.
int Reap(int pid, int graceMs) {
  int status = 0;
  for (int waited = 0;; waited += 10) {
    const pid_t ended = ::waitpid(pid, &status, WNOHANG);
    if (ended == pid) return status;
    if (ended < 0 && errno != EINTR) return 0;  // someone else reaped it
    if (waited >= graceMs) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ::kill(pid, SIGKILL);
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return status;
}

// A worker ends by itself once its stdin closes; one that does not is killed.
constexpr int kExitGraceMs = 1000;

std::string EndedText(int status) {
  if (WIFSIGNALED(status))
    return "the worker process ended on signal " + std::to_string(WTERMSIG(status)) + " before its reply";
  return "the worker process ended without a reply (exit status " + std::to_string(WEXITSTATUS(status)) + ")";
}

// An idle worker with something to read has died or said more than its reply.
bool Stale(int fd) {
  pollfd waiting{fd, POLLIN, 0};
  return ::poll(&waiting, 1, 0) != 0;
}

}  // namespace

std::optional<WorkerPool::Child> WorkerPool::Start(std::string& error) const {
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
  char* argv[] = {name.data(), nullptr};
  pid_t pid = 0;
  const int spawned = ::posix_spawn(&pid, m_program.c_str(), &actions, nullptr, argv, envp.data());
  posix_spawn_file_actions_destroy(&actions);
  ::close(ends[1]);
  if (spawned != 0) {
    ::close(ends[0]);
    error = "no worker process (" + m_program + "): " + std::strerror(spawned);
    return std::nullopt;
  }
  return Child{pid, ends[0]};
}

void WorkerPool::EndIdle() {
  std::vector<Child> idle;
  {
    const std::lock_guard lock(m_mutex);
    idle.swap(m_idle);
  }
  for (const Child& child : idle) ::close(child.fd);  // all of them exit at once
  for (const Child& child : idle) Reap(child.pid, kExitGraceMs);
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
    ::close(child->fd);
    Reap(child->pid, 0);
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
      ::kill(child->pid, SIGTERM);
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
  const auto end = [&](int graceMs) {
    ::close(child->fd);
    return Reap(child->pid, graceMs);
  };
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
