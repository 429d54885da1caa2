#pragma once
// The host's command line.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace host {

struct HostOptions {
  bool demo = false;
  std::optional<std::filesystem::path> screenshots;  // render every demo page into this directory, then exit
  std::optional<std::filesystem::path> listFile;     // in place of the one in the configuration directory
  bool help = false;
  bool version = false;
  bool verbose = false;  // the projector library's diagnostics on stderr
};

// Null with `error` for an unknown argument or a missing value.
std::optional<HostOptions> ParseHostOptions(const std::vector<std::string_view>& args, std::string& error);

extern const char kHostUsage[];

}  // namespace host
