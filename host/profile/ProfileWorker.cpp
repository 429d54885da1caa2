#include "host/profile/ProfileWorker.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include <nlohmann/json.hpp>

#include "host/core/LoopbackGuard.h"
#include "host/core/ProjectorStore.h"
#include "host/profile/ProfileCheck.h"
#include "host/profile/ProfileFile.h"
#include "host/profile/ProfileReport.h"
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

// Runs the worker on `request`; the reply, or empty with `error`.
std::optional<Json> RunChild(const std::string& program, const Json& request, const std::atomic<bool>* cancelled,
                             std::string& error) {
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
  std::string name = program;
  char* argv[] = {name.data(), nullptr};
  pid_t child = 0;
  const int spawned = ::posix_spawn(&child, program.c_str(), &actions, nullptr, argv, envp.data());
  posix_spawn_file_actions_destroy(&actions);
  ::close(ends[1]);
  const int fd = ends[0];
  if (spawned != 0) {
    ::close(fd);
    error = "no worker process (" + program + "): " + std::strerror(spawned);
    return std::nullopt;
  }
  const std::string text = request.dump() + "\n";
  for (std::size_t done = 0; done < text.size();) {
    const ssize_t n = ::send(fd, text.data() + done, text.size() - done, MSG_NOSIGNAL);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;  // the child is gone: its status says why
    done += static_cast<std::size_t>(n);
  }
  ::shutdown(fd, SHUT_WR);
  std::string reply;
  bool killed = false;
  for (;;) {
    if (cancelled && cancelled->load() && !killed) {
      ::kill(child, SIGTERM);
      killed = true;
    }
    pollfd waiting{fd, POLLIN, 0};
    const int ready = ::poll(&waiting, 1, 100);
    if (ready < 0 && errno != EINTR) break;
    if (ready <= 0) continue;
    char buffer[8192];
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    reply.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (killed) {
    error = "cancelled";
    return std::nullopt;
  }
  try {
    return Json::parse(reply);
  } catch (const Json::exception&) {
    error = WIFSIGNALED(status) ? "the worker process ended on signal " + std::to_string(WTERMSIG(status))
                                : "the worker process gave no reply (exit status " +
                                      std::to_string(WEXITSTATUS(status)) + ")";
    return std::nullopt;
  }
}

Json Request(const char* op, const host::ProjectorEntry& entry, const WorkerOptions& options) {
  return {{"op", op},
          {"entry", host::EntriesToJson({entry})},
          {"timeoutMs", options.timeoutMs},
          {"powerOn", options.powerOn},
          {"loopbackOnly", options.loopbackOnly}};
}

std::string ProgramOf(const WorkerOptions& options) { return options.program.empty() ? WorkerProgram() : options.program; }

}  // namespace

std::string WorkerProgram() {
  if (const char* set = std::getenv("EXPERT_PROFILE_WORKER"); set && *set) return set;
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return "expert-profile-worker";
  // Beside the program in the build tree; with the private libraries in an
  // installed one.
  const std::filesystem::path beside = self.parent_path() / "expert-profile-worker";
  if (std::filesystem::exists(beside, error)) return beside.string();
  return (self.parent_path() / EXPERT_BIN_TO_LIB / "expert-profile-worker").lexically_normal().string();
}

CaptureResult SaveInWorker(const host::ProjectorEntry& entry, const WorkerOptions& options,
                           const std::atomic<bool>* cancelled) {
  CaptureResult result;
  std::string error;
  const std::optional<Json> reply = RunChild(ProgramOf(options), Request("save", entry, options), cancelled, error);
  try {
    if (!reply) {
      result.error = error;
    } else if (reply->at("ok").get<bool>()) {
      result.profile = ProfileFromJson(reply->at("profile").get<std::string>(), entry.name);
    } else {
      result.error = reply->at("error").get<std::string>();
    }
  } catch (const std::exception& bad) {
    result.error = std::string("the worker process gave a bad reply: ") + bad.what();
  }
  return result;
}

ApplyReport ApplyInWorker(const Profile& profile, const host::ProjectorEntry& entry, const WorkerOptions& options,
                          const std::atomic<bool>* cancelled) {
  Json request = Request("apply", entry, options);
  request["profile"] = ProfileToJson(profile);
  std::string error;
  const std::optional<Json> reply = RunChild(ProgramOf(options), request, cancelled, error);
  ApplyReport report;
  report.name = entry.name;
  if (!reply) {
    report.error = error;
    return report;
  }
  try {
    return ReportFromJson(*reply);
  } catch (const std::exception& bad) {
    report.error = std::string("the worker process gave a bad reply: ") + bad.what();
    return report;
  }
}

std::optional<std::string> CheckInWorker(const Profile& profile, const std::string& fileName,
                                         const WorkerOptions& options) {
  const Json request = {{"op", "check"}, {"profile", ProfileToJson(profile)}, {"file", fileName}};
  std::string error;
  const std::optional<Json> reply = RunChild(ProgramOf(options), request, nullptr, error);
  if (!reply) return fileName + ": not checked: " + error;
  try {
    if (reply->at("ok").get<bool>()) return std::nullopt;
    return reply->at("error").get<std::string>();
  } catch (const std::exception& bad) {
    return fileName + ": not checked: the worker process gave a bad reply: " + bad.what();
  }
}

int RunWorker(std::FILE* in, std::FILE* out) {
  std::string text;
  char buffer[8192];
  while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, in)) text.append(buffer, n);
  Json reply;
  try {
    const Json request = Json::parse(text);
    const models::ModelDatabase database = models::ModelDatabase::Load(models::ModelDatabase::DefaultDirectory());
    if (request.at("op") == "check") {
      const std::string file = request.at("file").get<std::string>();
      try {
        CheckProfileForModel(ProfileFromJson(request.at("profile").get<std::string>(), file), database, file);
        reply = {{"ok", true}};
      } catch (const ProfileError& problem) {
        reply = {{"ok", false}, {"error", problem.what()}};
      }
      const std::string line = reply.dump() + "\n";
      std::fwrite(line.data(), 1, line.size(), out);
      return 0;
    }
    const std::vector<host::ListedEntry> entries = host::EntriesFromJson(request.at("entry").get<std::string>());
    if (entries.size() != 1) throw std::runtime_error("the request names " + std::to_string(entries.size()) + " entries");
    if (!entries.front().damage.empty()) throw std::runtime_error("damaged entry: " + entries.front().damage);
    const host::ProjectorEntry& entry = entries.front().entry;
    WalkOptions walk;
    walk.timeoutMs = request.at("timeoutMs").get<int>();
    if (request.at("loopbackOnly").get<bool>() || host::LoopbackOnlyRequested())
      walk.transports = host::LoopbackOnlyTransports();
    const std::string op = request.at("op").get<std::string>();
    if (op == "save") {
      const CaptureResult result = CaptureProfile(entry, database, walk);
      reply = result.profile ? Json{{"ok", true}, {"profile", ProfileToJson(*result.profile)}}
                             : Json{{"ok", false}, {"error", result.error}};
    } else if (op == "apply") {
      const Profile profile = ProfileFromJson(request.at("profile").get<std::string>(), entry.name);
      ApplyOptions options{.walk = walk, .powerOn = request.at("powerOn").get<bool>()};
      reply = ReportToJson(ApplyProfile(profile, entry, database, options));
    } else {
      throw std::runtime_error("unknown request \"" + op + "\"");
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "expert-profile-worker: %s\n", error.what());
    return 2;
  }
  const std::string line = reply.dump() + "\n";
  std::fwrite(line.data(), 1, line.size(), out);
  std::fflush(out);
  return 0;
}

}  // namespace profile
