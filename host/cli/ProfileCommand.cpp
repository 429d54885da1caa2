#include "host/cli/ProfileCommand.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "beamlink/Log.h"
#include "host/cli/Output.h"
#include "host/cli/Targets.h"
#include "host/profile/ProfileCheck.h"
#include "host/profile/ProfileDiff.h"
#include "host/profile/ProfileFile.h"
#include "host/profile/ProfileFleet.h"
#include "host/profile/ProfileReport.h"

namespace host::cli {

const char kProfileUsage[] =
    "Usage: expertctl [OPTION]... profile save TARGET FILE\n"
    "       expertctl [OPTION]... profile diff A B\n"
    "       expertctl [OPTION]... profile apply FILE TARGET... [--power-on]\n"
    "Save the settings of one projector to FILE, compare two projectors or files\n"
    "(A and B are each an entry's name or a file), or apply FILE to projectors of\n"
    "its model. Options as for expertctl: --list FILE, --json, --parallel N,\n"
    "--timeout MS, --verbose.\n"
    "  --power-on   apply: switch a projector in standby on and wait for its warm-up\n"
    "Exit status: save and apply 0 when every projector took every setting it has,\n"
    "1 when one did not, 2 on a usage or input error (nothing sent); diff 0 equal,\n"
    "1 different, 2 trouble.\n";

namespace {

using Json = nlohmann::ordered_json;

// A damaged entry is refused as a target before anything is sent.
bool RefuseDamaged(const ListedEntries& listed, const std::vector<std::size_t>& indexes, std::string& error) {
  for (std::size_t i : indexes)
    if (i < listed.damage.size() && !listed.damage[i].empty()) {
      error = listed.entries[i].name + ": damaged entry: " + listed.damage[i];
      return true;
    }
  return false;
}

std::optional<ProjectorEntry> OneEntry(const ListedEntries& listed, const std::string& target,
                                       const char* command, std::string& error) {
  const auto indexes = ResolveTargets(listed.entries, {target}, error);
  if (!indexes || RefuseDamaged(listed, *indexes, error)) return std::nullopt;
  if (indexes->size() != 1) {
    error = std::string(command) + ": \"" + target + "\" names " + std::to_string(indexes->size()) +
            " projectors, not one";
    return std::nullopt;
  }
  return listed.entries[indexes->front()];
}

profile::WorkerOptions Worker(const CliOptions& options) {
  profile::WorkerOptions worker;
  worker.timeoutMs = options.timeoutMs;
  worker.powerOn = options.powerOn;
  return worker;
}

const models::ModelDatabase* Models(std::string& error) {
  static std::optional<models::ModelDatabase> database;
  if (!database) try {
      database.emplace(models::ModelDatabase::Load(models::ModelDatabase::DefaultDirectory()));
    } catch (const std::exception& problem) {
      error = std::string("the model database: ") + problem.what();
      return nullptr;
    }
  return &*database;
}

std::string Dump(const Json& json) { return json.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n"; }

int Save(const CliOptions& options) {
  if (options.profileWords.size() != 3) return Fail("profile save: needs TARGET and FILE");
  std::string error;
  const auto listed = ReadListFile(options.listFile, error);
  if (!listed) return Fail(error);
  const auto entry = OneEntry(*listed, options.profileWords[1], "profile save", error);
  if (!entry) return Fail(error);
  const std::string file = options.profileWords[2];
  if (std::filesystem::is_directory(file)) return Fail("profile save: " + file + ": is a directory");
  const profile::CaptureResult result = profile::SaveInWorker(*entry, Worker(options));
  if (result.profile) try {
      profile::SaveProfile(file, *result.profile);
    } catch (const profile::ProfileError& problem) {
      return Fail(problem.what());
    }
  if (options.json) {
    std::fputs(Dump({{"name", entry->name},
                     {"ok", result.profile.has_value()},
                     {"error", result.profile ? Json(nullptr) : Json(result.error)},
                     {"file", file},
                     {"settings", result.profile ? result.profile->settings.size() : 0}})
                   .c_str(),
               stdout);
  } else if (result.profile) {
    std::printf("%s  saved %zu settings to %s\n", entry->name.c_str(), result.profile->settings.size(), file.c_str());
  } else {
    std::printf("%s  not saved: %s\n", entry->name.c_str(), result.error.c_str());
  }
  return result.profile ? 0 : 1;
}

// A side of a comparison: an entry's name (or @GROUP of one) is a projector, anything else a file.
std::optional<profile::Profile> Side(const ListedEntries& listed, const std::string& side,
                                     const CliOptions& options, std::string& error) {
  std::string unused;
  if (ResolveTargets(listed.entries, {side}, unused)) {
    const auto entry = OneEntry(listed, side, "profile diff", error);
    if (!entry) return std::nullopt;
    profile::CaptureResult result = profile::SaveInWorker(*entry, Worker(options));
    if (!result.profile) error = entry->name + ": " + result.error;
    return result.profile;
  }
  try {
    return profile::LoadProfile(side);
  } catch (const profile::ProfileError& problem) {
    error = problem.what();
    return std::nullopt;
  }
}

int Diff(const CliOptions& options) {
  if (options.profileWords.size() != 3) return Fail("profile diff: needs A and B, each a projector or a file");
  std::string error;
  const auto listed = ReadListFile(options.listFile, error);
  if (!listed) return Fail(error);
  const auto from = Side(*listed, options.profileWords[1], options, error);
  if (!from) return Fail(error);
  const auto to = Side(*listed, options.profileWords[2], options, error);
  if (!to) return Fail(error);
  const std::vector<profile::Difference> differences = profile::DiffProfiles(*from, *to);
  if (options.json) {
    Json list = Json::array();
    for (const profile::Difference& d : differences)
      list.push_back({{"page", d.page}, {"control", d.control}, {"tab", d.tab}, {"label", d.label},
                      {"from", d.from ? Json(*d.from) : Json(nullptr)}, {"to", d.to ? Json(*d.to) : Json(nullptr)}});
    std::fputs(Dump({{"differences", std::move(list)}}).c_str(), stdout);
  } else if (!differences.empty()) {
    std::vector<std::vector<std::string>> rows{{"TAB", "SETTING", options.profileWords[1], options.profileWords[2]}};
    for (const profile::Difference& d : differences)
      rows.push_back({d.tab, d.label, d.from.value_or("(none)"), d.to.value_or("(none)")});
    std::fputs(Columns(rows).c_str(), stdout);
  }
  return differences.empty() ? 0 : 1;
}

std::string Summary(const profile::ApplyReport& report) {
  if (!report.error.empty()) return report.set ? "stopped: " + report.error : "not applied: " + report.error;
  return "set " + std::to_string(report.set) + ", unchanged " + std::to_string(report.unchanged) + ", refused " +
         std::to_string(report.refused.size()) + ", unavailable " + std::to_string(report.unavailable.size());
}

int Apply(const CliOptions& options) {
  if (options.profileWords.size() < 3) return Fail("profile apply: needs FILE and at least one TARGET");
  std::string error;
  const auto listed = ReadListFile(options.listFile, error);
  if (!listed) return Fail(error);
  const std::string file = options.profileWords[1];
  // The whole file is checked before anything is sent to anyone.
  profile::Profile wanted;
  try {
    wanted = profile::LoadProfile(file);
    const models::ModelDatabase* database = Models(error);
    if (!database) return Fail(error);
    profile::CheckProfileForModel(wanted, *database, file);
  } catch (const profile::ProfileError& problem) {
    return Fail(problem.what());
  }
  const std::vector<std::string> targets(options.profileWords.begin() + 2, options.profileWords.end());
  const auto indexes = ResolveTargets(listed->entries, targets, error);
  if (!indexes || RefuseDamaged(*listed, *indexes, error)) return Fail(error);
  std::vector<ProjectorEntry> chosen;
  for (std::size_t i : *indexes) chosen.push_back(listed->entries[i]);

  std::vector<profile::ApplyReport> reports(chosen.size());
  {
    Progress progress(chosen.size());
    profile::ProfileFleet runner(Worker(options), options.parallel);
    runner.Apply(wanted, chosen, [&](std::size_t index, const profile::ApplyReport& report) {
      reports[index] = report;  // each index once
      progress.Step();
    });
    runner.Wait();
  }
  bool allTook = true;
  for (std::size_t i = 0; i < reports.size(); ++i) {
    if (reports[i].name.empty()) reports[i].name = chosen[i].name;
    allTook = allTook && reports[i].Ok();
  }
  if (options.json) {
    Json results = Json::array();
    for (const profile::ApplyReport& report : reports) results.push_back(profile::ReportToJson(report));
    std::fputs(Dump({{"results", std::move(results)}}).c_str(), stdout);
  } else {
    std::vector<std::vector<std::string>> rows;
    for (const profile::ApplyReport& report : reports) {
      rows.push_back({report.name, Summary(report)});
      for (const profile::RefusedSetting& refused : report.refused)
        rows.push_back({"", "  refused " + refused.tab + ": " + refused.label + ": " + refused.error});
    }
    std::fputs(Columns(rows).c_str(), stdout);
  }
  return allTook ? 0 : 1;
}

}  // namespace

int RunProfileCommand(const CliOptions& options) {
  if (options.powerOn && (options.profileWords.empty() || options.profileWords.front() != "apply"))
    return Fail("--power-on: only profile apply takes it");
  if (options.profileWords.empty()) return Fail("profile: needs save, diff or apply");
  const std::string& sub = options.profileWords.front();
  if (sub == "save") return Save(options);
  if (sub == "diff") return Diff(options);
  if (sub == "apply") return Apply(options);
  return Fail("profile: \"" + sub + "\": unknown command (save, diff, apply)");
}

}  // namespace host::cli
