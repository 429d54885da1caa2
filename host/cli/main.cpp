// expertctl: the host's projector list from the command line, for scripts,
// cron and systemd timers. It reads the list file and never writes it.
#include <unistd.h>

#include <cstdio>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "beamlink/Log.h"
#include "host/cli/CliOptions.h"
#include "host/cli/Output.h"
#include "host/cli/ProfileCommand.h"
#include "host/cli/Targets.h"
#include "host/core/FleetEngine.h"
#include "host/core/ProjectorStore.h"

namespace {

using namespace host;

constexpr int kUsageError = 2;

int Fail(const std::string& why) {
  std::fprintf(stderr, "expertctl: %s\n", why.c_str());
  return kUsageError;
}

// "7 of 12" on stderr, overwritten in place; only for a person watching.
class Progress {
 public:
  explicit Progress(std::size_t total) : m_total(total), m_shown(isatty(STDERR_FILENO) == 1 && total > 0) {}
  void Step() {
    if (!m_shown) return;
    std::lock_guard lock(m_mutex);
    std::fprintf(stderr, "\r%zu of %zu", ++m_done, m_total);
    std::fflush(stderr);
  }
  ~Progress() {
    if (m_shown) std::fputs("\r\033[K", stderr);
  }

 private:
  std::mutex m_mutex;
  std::size_t m_total;
  std::size_t m_done = 0;
  bool m_shown;
};

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  if (cli::IsProfileCommand(args)) return cli::RunProfileCommand(args);
  std::string error;
  const auto options = cli::ParseCliOptions(args, error);
  if (!options) return Fail(error);
  if (options->help) {
    std::fputs(cli::kCliUsage, stdout);
    return 0;
  }
  if (options->version) {
    std::puts("expertctl " EXPERT_VERSION);
    return 0;
  }
  beamlink::SetVerbose(options->verbose);

  const ProjectorStore store(options->listFile.value_or(DefaultListFile()));
  const LoadOutcome loaded = store.Read();
  const std::string file = store.File().string();
  if (loaded.kind == LoadOutcome::Kind::Missing && options->listFile)
    return Fail("--list " + file + ": no such file");
  if (loaded.kind == LoadOutcome::Kind::Kept)
    return Fail((options->listFile ? "--list " : "") + file + ": " +
                (loaded.damaged ? "damaged list file: " : "cannot be used: ") + loaded.problem);
  // A damaged entry keeps its place and its name as written, so scripts see
  // it; it is never connected to, and every command reports it as failed.
  std::vector<ProjectorEntry> entries;
  std::vector<std::string> damage;
  for (const ListedEntry& listed : loaded.entries) {
    entries.push_back(listed.entry);
    damage.push_back(listed.damage);
  }

  if (options->command == cli::Command::List) {
    std::fputs(cli::ListOutput(entries, options->json).c_str(), stdout);
    return 0;
  }

  const auto indexes = cli::ResolveTargets(entries, options->targets, error);
  if (!indexes) return Fail(error);
  std::vector<ProjectorEntry> chosen;
  std::vector<ProjectorEntry> sendable;  // the chosen entries that are not damaged
  std::vector<std::size_t> sendableAt;   // each one's place in `chosen`
  for (std::size_t i : *indexes) {
    if (damage[i].empty()) {
      sendableAt.push_back(chosen.size());
      sendable.push_back(entries[i]);
    }
    chosen.push_back(entries[i]);
  }
  auto damageOf = [&](std::size_t chosenIndex) { return "damaged entry: " + damage[(*indexes)[chosenIndex]]; };

  fleet::Options engineOptions;
  engineOptions.parallel = options->parallel;
  engineOptions.timeoutMs = options->timeoutMs;
  fleet::Engine engine(engineOptions);
  bool allDone = true;
  std::string out;
  {
    Progress progress(sendable.size());
    if (options->command == cli::Command::Status) {
      std::vector<fleet::Status> statuses(chosen.size());
      for (std::size_t i = 0; i < chosen.size(); ++i) statuses[i].error = damageOf(i);
      engine.ReadStatus(sendable, [&](std::size_t i, const fleet::Status& status) {
        statuses[sendableAt[i]] = status;
        progress.Step();
      });
      engine.Wait();
      for (const fleet::Status& status : statuses) allDone = allDone && status.reached;
      out = cli::StatusOutput(chosen, statuses, options->json);
    } else {
      std::vector<fleet::Result> results(chosen.size());
      for (std::size_t i = 0; i < chosen.size(); ++i) results[i].error = damageOf(i);
      engine.Apply(options->operation, sendable, [&](std::size_t i, const fleet::Result& result) {
        results[sendableAt[i]] = result;
        progress.Step();
      });
      engine.Wait();
      for (const fleet::Result& result : results) allDone = allDone && result.outcome == fleet::Outcome::Done;
      out = cli::ResultsOutput(chosen, results, options->json);
    }
  }
  std::fputs(out.c_str(), stdout);
  return allDone ? 0 : 1;
}
