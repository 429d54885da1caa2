// expertctl: the host's projector list from the command line, for scripts,
// cron and systemd timers. It reads the list file and never writes it.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "beamlink/Log.h"
#include "host/cli/CliOptions.h"
#include "host/cli/Output.h"
#include "host/cli/ProfileCommand.h"
#include "host/cli/Targets.h"
#include "host/core/FleetEngine.h"

using namespace host;

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  std::string error;
  const auto options = cli::ParseCliOptions(args, error);
  if (!options) return cli::Fail(error);
  const bool profile = options->command == cli::Command::Profile;
  if (options->help) {
    std::fputs(profile ? cli::kProfileUsage : cli::kCliUsage, stdout);
    return 0;
  }
  if (options->version) {
    std::puts("expertctl " EXPERT_VERSION);
    return 0;
  }
  beamlink::SetVerbose(options->verbose);

  if (profile) return cli::RunProfileCommand(*options);

  const auto listed = cli::ReadListFile(options->listFile, error);
  if (!listed) return cli::Fail(error);
  const std::vector<ProjectorEntry>& entries = listed->entries;
  const std::vector<std::string>& damage = listed->damage;  // every command reports a damaged entry as failed

  if (options->command == cli::Command::List) {
    std::fputs(cli::ListOutput(entries, options->json).c_str(), stdout);
    return 0;
  }

  const auto indexes = cli::ResolveTargets(entries, options->targets, error);
  if (!indexes) return cli::Fail(error);
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
    cli::Progress progress(sendable.size());
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
