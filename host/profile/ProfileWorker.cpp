#include "host/profile/ProfileWorker.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include <nlohmann/json.hpp>

#include "beamlink/Auth.h"
#include "host/core/LoopbackGuard.h"
#include "host/core/ProjectorStore.h"
#include "host/profile/ProfileCheck.h"
#include "host/profile/ProfileFile.h"
#include "host/profile/ProfileReport.h"
#include "host/profile/WorkerStarter.h"
#include "models/ModelDatabase.h"

namespace profile {
namespace {

using Json = nlohmann::json;

// Runs `request` in `pool`, or in a worker of its own, started for it.
std::optional<Json> RunInWorker(const std::string& program, WorkerPool* pool, const Json& request,
                                const std::atomic<bool>* cancelled, std::string& error) {
  if (pool) return pool->Run(request, cancelled, error);
  WorkerPool own(program, false);
  return own.Run(request, cancelled, error);
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
                           const std::atomic<bool>* cancelled, WorkerPool* pool) {
  CaptureResult result;
  std::string error;
  const std::optional<Json> reply =
      RunInWorker(ProgramOf(options), pool, Request("save", entry, options), cancelled, error);
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
                          const std::atomic<bool>* cancelled, WorkerPool* pool) {
  Json request = Request("apply", entry, options);
  request["profile"] = ProfileToJson(profile);
  std::string error;
  const std::optional<Json> reply = RunInWorker(ProgramOf(options), pool, request, cancelled, error);
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
  const std::optional<Json> reply = RunInWorker(ProgramOf(options), nullptr, request, nullptr, error);
  if (!reply) return fileName + ": not checked: " + error;
  try {
    if (reply->at("ok").get<bool>()) return std::nullopt;
    return reply->at("error").get<std::string>();
  } catch (const std::exception& bad) {
    return fileName + ": not checked: the worker process gave a bad reply: " + bad.what();
  }
}

namespace {

// One request of the worker's: its reply. Throws what keeps it from running.
Json Serve(const Json& request, std::optional<models::ModelDatabase>& database) {
  // Read on the first request, so that a database that cannot be read is
  // that request's answer.
  if (!database) database.emplace(models::ModelDatabase::Load(models::ModelDatabase::DefaultDirectory()));
  const std::string op = request.at("op").get<std::string>();
  if (op == "check") {
    const std::string file = request.at("file").get<std::string>();
    try {
      CheckProfileForModel(ProfileFromJson(request.at("profile").get<std::string>(), file), *database, file);
      return {{"ok", true}};
    } catch (const ProfileError& problem) {
      return {{"ok", false}, {"error", problem.what()}};
    }
  }
  const std::vector<host::ListedEntry> entries = host::EntriesFromJson(request.at("entry").get<std::string>());
  if (entries.size() != 1) throw std::runtime_error("the request names " + std::to_string(entries.size()) + " entries");
  if (!entries.front().damage.empty()) throw std::runtime_error("damaged entry: " + entries.front().damage);
  const host::ProjectorEntry& entry = entries.front().entry;
  WalkOptions walk;
  walk.timeoutMs = request.at("timeoutMs").get<int>();
  if (request.at("loopbackOnly").get<bool>() || host::LoopbackOnlyRequested())
    walk.transports = host::LoopbackOnlyTransports();
  if (op == "save") {
    const CaptureResult result = CaptureProfile(entry, *database, walk);
    return result.profile ? Json{{"ok", true}, {"profile", ProfileToJson(*result.profile)}}
                          : Json{{"ok", false}, {"error", result.error}};
  }
  if (op == "apply") {
    const Profile profile = ProfileFromJson(request.at("profile").get<std::string>(), entry.name);
    ApplyOptions options{.walk = walk, .powerOn = request.at("powerOn").get<bool>()};
    return ReportToJson(ApplyProfile(profile, entry, *database, options));
  }
  throw std::runtime_error("unknown request \"" + op + "\"");
}

// Requests from `in` until it ends, each reply on `out`.
int ServeRequests(std::FILE* in, std::FILE* out, std::optional<models::ModelDatabase>& database) {
  char* line = nullptr;
  std::size_t capacity = 0;
  int status = 0;
  for (ssize_t length; status == 0 && (length = ::getline(&line, &capacity, in)) > 0;) {
    const std::string_view text(line, static_cast<std::size_t>(length));
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) continue;
    Json reply;
    try {
      reply = Serve(Json::parse(text), database);
    } catch (const std::exception& error) {
      // Whatever failed may have left the dialog framework half way: the
      // parent hears why, and this process ends rather than walk again.
      reply = {{"fault", error.what()}};
      status = 2;
    }
    const std::string written = reply.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
    std::fwrite(written.data(), 1, written.size(), out);
    std::fflush(out);
  }
  std::free(line);
  return status;
}

}  // namespace

int RunWorker(std::FILE* in, std::FILE* out) {
  std::optional<models::ModelDatabase> database;
  return ServeRequests(in, out, database);
}

int RunWorkerStarter() {
  std::optional<models::ModelDatabase> database;
  try {
    database.emplace(models::ModelDatabase::Load(models::ModelDatabase::DefaultDirectory()));
  } catch (const std::exception&) {
    // Each worker tries again on its first request, and answers why it cannot.
  }
  // Seeds the random generator the sign-in's nonces come from, once for all
  // workers; each fork reseeds its own on first use.
  (void)beamlink::RandomNonce();
  return RunStarter(STDIN_FILENO, [&database] { return ServeRequests(stdin, stdout, database); });
}

}  // namespace profile
