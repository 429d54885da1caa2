#pragma once
// expertctl's command line: the options, the command and its arguments.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/core/FleetEngine.h"

namespace host::cli {

enum class Command { List, Status, Operate, Profile };

struct CliOptions {
  bool help = false;
  bool version = false;
  bool verbose = false;
  bool json = false;
  bool powerOn = false;  // profile apply: a projector in standby is switched on first
  std::optional<std::filesystem::path> listFile;
  int parallel = 32;
  int timeoutMs = 0;  // 0: each entry's own
  Command command = Command::List;
  std::string commandName;         // as typed: "power on", "input HDMI"
  fleet::Operation operation;      // Command::Operate
  std::vector<std::string> targets;
  std::vector<std::string> profileWords;  // Command::Profile: save, diff or apply, then its arguments
};

// Null with `error`, one line naming the argument and why.
std::optional<CliOptions> ParseCliOptions(const std::vector<std::string_view>& args, std::string& error);

extern const char kCliUsage[];

}  // namespace host::cli
