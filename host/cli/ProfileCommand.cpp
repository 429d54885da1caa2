#include "host/cli/ProfileCommand.h"

#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "beamlink/Log.h"
#include "host/cli/Output.h"
#include "host/cli/Targets.h"
#include "host/core/ProjectorStore.h"
#include "host/profile/ProfileCheck.h"
#include "host/profile/ProfileDiff.h"
#include "host/profile/ProfileFile.h"
#include "host/profile/ProfileFleet.h"
#include "host/profile/ProfileReport.h"

namespace host::cli {
namespace {

using Json = nlohmann::ordered_json;

constexpr int kTrouble = 2;

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

struct ProfileOptions {
  bool json = false;
  bool verbose = false;
  bool powerOn = false;
  bool help = false;
  std::optional<std::filesystem::path> listFile;
  int parallel = 32;
  int timeoutMs = 0;
  std::vector<std::string> words;  // after "profile"
};

int Fail(const std::string& why) {
  std::fprintf(stderr, "expertctl: %s\n", why.c_str());
  return kTrouble;
}

std::optional<int> Number(std::string_view text, int least, int most) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value < least || value > most)
    return std::nullopt;
  return value;
}

bool TakesValue(std::string_view option) {
  return option == "--list" || option == "--parallel" || option == "--timeout";
}

std::optional<ProfileOptions> Parse(const std::vector<std::string_view>& args, std::string& error) {
  ProfileOptions options;
  bool ended = false, sawProfile = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (ended || arg.empty() || arg[0] != '-' || arg == "-") {
      if (sawProfile) options.words.emplace_back(arg);
      sawProfile = true;  // the first word is "profile"
      continue;
    }
    if (arg == "--") {
      ended = true;
      continue;
    }
    if (TakesValue(arg) && i + 1 >= args.size()) {
      error = std::string(arg) + ": needs a value";
      return std::nullopt;
    }
    if (arg == "--json") {
      options.json = true;
    } else if (arg == "--verbose") {
      options.verbose = true;
    } else if (arg == "--power-on") {
      options.powerOn = true;
    } else if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--list") {
      if (args[++i].empty()) {
        error = "--list: the file name is empty";
        return std::nullopt;
      }
      options.listFile = std::filesystem::path(args[i]);
    } else if (arg == "--parallel") {
      const auto n = Number(args[++i], 1, 256);
      if (!n) {
        error = "--parallel: \"" + std::string(args[i]) + "\" is not a number from 1 to 256";
        return std::nullopt;
      }
      options.parallel = *n;
    } else if (arg == "--timeout") {
      const auto n = Number(args[++i], 100, 10000);
      if (!n) {
        error = "--timeout: \"" + std::string(args[i]) + "\" is not a number of milliseconds from 100 to 10000";
        return std::nullopt;
      }
      options.timeoutMs = *n;
    } else {
      error = std::string(arg) + ": unknown option";
      return std::nullopt;
    }
  }
  return options;
}

// Why each entry of the list file cannot be used (empty: it can), in list
// order; ReadEntries fills it. A damaged entry keeps its name so that it can
// be named, and is refused as a target before anything is sent.
std::vector<std::string> g_damage;

bool RefuseDamaged(const std::vector<ProjectorEntry>& entries, const std::vector<std::size_t>& indexes,
                   std::string& error) {
  for (std::size_t i : indexes)
    if (i < g_damage.size() && !g_damage[i].empty()) {
      error = entries[i].name + ": damaged entry: " + g_damage[i];
      return true;
    }
  return false;
}

// The list file's entries; null with `error`.
std::optional<std::vector<ProjectorEntry>> ReadEntries(const ProfileOptions& options, std::string& error) {
  const ProjectorStore store(options.listFile.value_or(DefaultListFile()));
  const LoadOutcome loaded = store.Read();
  const std::string file = store.File().string();
  if (loaded.kind == LoadOutcome::Kind::Missing && options.listFile) {
    error = "--list " + file + ": no such file";
    return std::nullopt;
  }
  if (loaded.kind == LoadOutcome::Kind::Kept) {
    error = (options.listFile ? "--list " : "") + file + ": " +
            (loaded.damaged ? "damaged list file: " : "cannot be used: ") + loaded.problem;
    return std::nullopt;
  }
  std::vector<ProjectorEntry> entries;
  g_damage.clear();
  for (const ListedEntry& listed : loaded.entries) {
    entries.push_back(listed.entry);
    g_damage.push_back(listed.damage);
  }
  return entries;
}

std::optional<ProjectorEntry> OneEntry(const std::vector<ProjectorEntry>& entries, const std::string& target,
                                       const char* command, std::string& error) {
  const auto indexes = ResolveTargets(entries, {target}, error);
  if (!indexes || RefuseDamaged(entries, *indexes, error)) return std::nullopt;
  if (indexes->size() != 1) {
    error = std::string(command) + ": \"" + target + "\" names " + std::to_string(indexes->size()) +
            " projectors, not one";
    return std::nullopt;
  }
  return entries[indexes->front()];
}

profile::WorkerOptions Worker(const ProfileOptions& options) {
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

int Save(const ProfileOptions& options) {
  if (options.words.size() != 3) return Fail("profile save: needs TARGET and FILE");
  std::string error;
  const auto entries = ReadEntries(options, error);
  if (!entries) return Fail(error);
  const auto entry = OneEntry(*entries, options.words[1], "profile save", error);
  if (!entry) return Fail(error);
  const std::string file = options.words[2];
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
std::optional<profile::Profile> Side(const std::vector<ProjectorEntry>& entries, const std::string& side,
                                     const ProfileOptions& options, std::string& error) {
  std::string unused;
  if (ResolveTargets(entries, {side}, unused)) {
    const auto entry = OneEntry(entries, side, "profile diff", error);
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

int Diff(const ProfileOptions& options) {
  if (options.words.size() != 3) return Fail("profile diff: needs A and B, each a projector or a file");
  std::string error;
  const auto entries = ReadEntries(options, error);
  if (!entries) return Fail(error);
  const auto from = Side(*entries, options.words[1], options, error);
  if (!from) return Fail(error);
  const auto to = Side(*entries, options.words[2], options, error);
  if (!to) return Fail(error);
  const std::vector<profile::Difference> differences = profile::DiffProfiles(*from, *to);
  if (options.json) {
    Json list = Json::array();
    for (const profile::Difference& d : differences)
      list.push_back({{"page", d.page}, {"control", d.control}, {"tab", d.tab}, {"label", d.label},
                      {"from", d.from ? Json(*d.from) : Json(nullptr)}, {"to", d.to ? Json(*d.to) : Json(nullptr)}});
    std::fputs(Dump({{"differences", std::move(list)}}).c_str(), stdout);
  } else if (!differences.empty()) {
    std::vector<std::vector<std::string>> rows{{"TAB", "SETTING", options.words[1], options.words[2]}};
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

int Apply(const ProfileOptions& options) {
  if (options.words.size() < 3) return Fail("profile apply: needs FILE and at least one TARGET");
  std::string error;
  const auto entries = ReadEntries(options, error);
  if (!entries) return Fail(error);
  const std::string file = options.words[1];
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
  const std::vector<std::string> targets(options.words.begin() + 2, options.words.end());
  const auto indexes = ResolveTargets(*entries, targets, error);
  if (!indexes || RefuseDamaged(*entries, *indexes, error)) return Fail(error);
  std::vector<ProjectorEntry> chosen;
  for (std::size_t i : *indexes) chosen.push_back((*entries)[i]);

  std::vector<profile::ApplyReport> reports(chosen.size());
  {
    std::mutex mutex;
    std::size_t done = 0;
    const bool progress = isatty(STDERR_FILENO) == 1;
    profile::ProfileFleet runner(Worker(options), options.parallel);
    runner.Apply(wanted, chosen, [&](std::size_t index, const profile::ApplyReport& report) {
      std::lock_guard lock(mutex);
      reports[index] = report;
      if (progress) std::fprintf(stderr, "\r%zu of %zu", ++done, chosen.size());
    });
    runner.Wait();
    if (progress) std::fputs("\r\033[K", stderr);
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

bool IsProfileCommand(const std::vector<std::string_view>& args) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--") return i + 1 < args.size() && args[i + 1] == "profile";
    if (!args[i].empty() && args[i][0] == '-' && args[i] != "-") {
      if (TakesValue(args[i])) ++i;
      continue;
    }
    return args[i] == "profile";
  }
  return false;
}

int RunProfileCommand(const std::vector<std::string_view>& args) {
  std::string error;
  const auto options = Parse(args, error);
  if (!options) return Fail(error);
  if (options->help) {
    std::fputs(kProfileUsage, stdout);
    return 0;
  }
  beamlink::SetVerbose(options->verbose);
  if (options->powerOn && (options->words.empty() || options->words.front() != "apply"))
    return Fail("--power-on: only profile apply takes it");
  if (options->words.empty()) return Fail("profile: needs save, diff or apply");
  const std::string& sub = options->words.front();
  if (sub == "save") return Save(*options);
  if (sub == "diff") return Diff(*options);
  if (sub == "apply") return Apply(*options);
  return Fail("profile: \"" + sub + "\": unknown command (save, diff, apply)");
}

}  // namespace host::cli
