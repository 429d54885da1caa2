#pragma once
// A program running beside a test (pjsim, mostly): its stdout on a pipe, read
// a line at a time, its stderr dropped. It is ended with SIGTERM when the
// test is done with it.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace test_support {

class ChildProgram {
 public:
  // `variables` ("NAME=value") come on top of the test's environment.
  ChildProgram(const char* program, std::vector<std::string> args, std::vector<std::string> variables = {}) {
    args.insert(args.begin(), program);
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (std::string& variable : variables) envp.push_back(variable.data());
    for (char** variable = environ; *variable; ++variable) envp.push_back(*variable);
    envp.push_back(nullptr);
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    if (posix_spawn(&m_pid, program, &actions, nullptr, argv.data(), envp.data()) != 0) m_pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    m_out = out[0];
  }
  ~ChildProgram() {
    Stop();
    if (m_out >= 0) close(m_out);
  }
  ChildProgram(const ChildProgram&) = delete;
  ChildProgram& operator=(const ChildProgram&) = delete;

  // The next line it prints within five seconds; empty when none came.
  std::string ReadLine() {
    std::string line;
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    char c = 0;
    while (m_out >= 0 && std::chrono::steady_clock::now() < until) {
      pollfd p{m_out, POLLIN, 0};
      if (poll(&p, 1, 100) <= 0) continue;
      if (read(m_out, &c, 1) != 1 || c == '\n') break;
      line += c;
    }
    return line;
  }

  // SIGTERM, then its exit status within five seconds (128 + signal when a
  // signal ended it; -1 when it was not running or does not end, and is killed).
  int Stop() {
    if (m_pid <= 0) return -1;
    kill(m_pid, SIGTERM);
    for (int i = 0; i < 500; ++i) {
      int status = 0;
      if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
        m_pid = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(m_pid, SIGKILL);
    waitpid(m_pid, nullptr, 0);
    m_pid = -1;
    return -1;
  }

 private:
  pid_t m_pid = -1;
  int m_out = -1;
};

}  // namespace test_support
