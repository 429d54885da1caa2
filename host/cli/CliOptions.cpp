#include "host/cli/CliOptions.h"

#include <charconv>

namespace host::cli {
namespace {

std::optional<int> Number(std::string_view text, int least, int most) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value < least || value > most)
    return std::nullopt;
  return value;
}

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

// The switch commands: their word and the actions for on and off.
struct Switch {
  std::string_view word;
  fleet::Action on, off;
};
constexpr Switch kSwitches[] = {
    {"power", fleet::Action::PowerOn, fleet::Action::PowerOff},
    {"blank", fleet::Action::BlankOn, fleet::Action::BlankOff},
    {"mute", fleet::Action::MuteOn, fleet::Action::MuteOff},
    {"freeze", fleet::Action::FreezeOn, fleet::Action::FreezeOff},
};

}  // namespace

const char kCliUsage[] =
    "Usage: expertctl [OPTION]... COMMAND [ARGUMENT]... [TARGET]...\n"
    "Show and operate the projectors of the Expert Control host's list.\n"
    "\n"
    "Commands:\n"
    "  list                    the entries of the list\n"
    "  status [TARGET]...      power, input, lamp and filter hours, errors, blank,\n"
    "                          mute and freeze of each target (none: every entry)\n"
    "  power on|off TARGET...  switch the power\n"
    "  input NAME TARGET...    choose the input the entries call NAME\n"
    "  blank on|off TARGET...  blank the picture, or show it again\n"
    "  mute on|off TARGET...   mute the sound, or unmute it\n"
    "  freeze on|off TARGET... freeze the picture, or let it run\n"
    "  profile save TARGET FILE\n"
    "                          save one projector's settings into FILE\n"
    "  profile diff A B        the settings that differ; A and B are each a\n"
    "                          projector or a file (exit 1 when they differ)\n"
    "  profile apply FILE TARGET... [--power-on]\n"
    "                          set the settings of FILE that differ on each target\n"
    "                          (see docs/profiles.md)\n"
    "\n"
    "A TARGET is an entry's name, @GROUP for every entry of a group, or @all.\n"
    "\n"
    "Options:\n"
    "  --list FILE       the projector list to read (default:\n"
    "                    $XDG_CONFIG_HOME/expert-control/projectors.json); it is\n"
    "                    only read, never changed\n"
    "  --json            print JSON for scripts in place of aligned columns\n"
    "  --parallel N      talk to at most N projectors at once, 1 to 256 (default 32)\n"
    "  --timeout MS      the reply timeout for every projector, 100 to 10000 ms\n"
    "                    (default: each entry's own)\n"
    "  --verbose         the projector library's diagnostics on stderr\n"
    "  --help            display this help and exit\n"
    "  --version         output version information and exit\n"
    "\n"
    "Exit status:\n"
    "  0  every projector did what was asked (list: the list was read)\n"
    "  1  some projector did not: refused, or not reached\n"
    "  2  a usage or input error: unknown command, unknown target, bad option,\n"
    "     damaged list file; nothing was sent to any projector\n"
    "\n"
    "Results print in the order of the list file, one line per projector. Progress\n"
    "shows on stderr when it is a terminal. EXPERT_LOOPBACK_ONLY=1 restricts every\n"
    "connection to 127.0.0.0/8.\n";

std::optional<CliOptions> ParseCliOptions(const std::vector<std::string_view>& args, std::string& error) {
  CliOptions options;
  std::vector<std::string_view> words;  // the command and its arguments
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
      words.push_back(arg);
      continue;
    }
    const auto value = [&]() -> std::optional<std::string_view> {
      if (i + 1 >= args.size()) {
        error = std::string(arg) + ": needs a value";
        return std::nullopt;
      }
      return args[++i];
    };
    if (arg == "--") {
      optionsEnded = true;
    } else if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--version") {
      options.version = true;
    } else if (arg == "--verbose") {
      options.verbose = true;
    } else if (arg == "--json") {
      options.json = true;
    } else if (arg == "--power-on") {
      options.powerOn = true;
    } else if (arg == "--list") {
      const auto v = value();
      if (!v) return std::nullopt;
      if (v->empty()) {
        error = "--list: the file name is empty";
        return std::nullopt;
      }
      options.listFile = std::filesystem::path(*v);
    } else if (arg == "--parallel") {
      const auto v = value();
      if (!v) return std::nullopt;
      const auto n = Number(*v, 1, 256);
      if (!n) {
        error = "--parallel: " + Quoted(*v) + " is not a number from 1 to 256";
        return std::nullopt;
      }
      options.parallel = *n;
    } else if (arg == "--timeout") {
      const auto v = value();
      if (!v) return std::nullopt;
      const auto n = Number(*v, 100, 10000);
      if (!n) {
        error = "--timeout: " + Quoted(*v) + " is not a number of milliseconds from 100 to 10000";
        return std::nullopt;
      }
      options.timeoutMs = *n;
    } else {
      error = std::string(arg) + ": unknown option";
      return std::nullopt;
    }
  }
  if (!words.empty() && words.front() == "profile") {
    options.command = Command::Profile;
    options.commandName = "profile";
    options.profileWords.assign(words.begin() + 1, words.end());
    return options;  // its own usage and checks: ProfileCommand.h
  }
  if (options.powerOn) {
    error = "--power-on: unknown option";
    return std::nullopt;
  }
  if (options.help || options.version) return options;
  if (words.empty()) {
    error = "no command given: list, status, power, input, blank, mute or freeze";
    return std::nullopt;
  }

  const std::string_view command = words.front();
  std::size_t first = 1;  // of the targets
  options.commandName = std::string(command);
  if (command == "list") {
    options.command = Command::List;
    if (words.size() > 1) {
      error = "list: takes no argument, got " + Quoted(words[1]);
      return std::nullopt;
    }
    return options;
  } else if (command == "status") {
    options.command = Command::Status;
  } else if (command == "input") {
    options.command = Command::Operate;
    if (words.size() < 2 || words[1].empty()) {
      error = "input: needs the input's NAME and at least one TARGET";
      return std::nullopt;
    }
    options.operation = {fleet::Action::Input, std::string(words[1])};
    options.commandName += " " + std::string(words[1]);
    first = 2;
  } else {
    const Switch* found = nullptr;
    for (const Switch& s : kSwitches)
      if (s.word == command) found = &s;
    if (!found) {
      error = Quoted(command) + ": unknown command (list, status, power, input, blank, mute, freeze)";
      return std::nullopt;
    }
    if (words.size() < 2 || (words[1] != "on" && words[1] != "off")) {
      error = std::string(command) + ": " + (words.size() < 2 ? "needs on or off" : Quoted(words[1]) + " is not on or off");
      return std::nullopt;
    }
    options.command = Command::Operate;
    options.operation = {words[1] == "on" ? found->on : found->off, {}};
    options.commandName += " " + std::string(words[1]);
    first = 2;
  }
  for (std::size_t i = first; i < words.size(); ++i) options.targets.emplace_back(words[i]);
  if (options.command == Command::Operate && options.targets.empty()) {
    error = options.commandName + ": needs at least one TARGET (a name, @GROUP or @all)";
    return std::nullopt;
  }
  return options;
}

}  // namespace host::cli
