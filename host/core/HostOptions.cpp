#include "host/core/HostOptions.h"

namespace host {

const char kHostUsage[] =
    "usage: expert-host [--demo] [--list FILE] [--screenshots DIR]\n"
    "\n"
    "Lists your projectors and opens their detailed settings.\n"
    "\n"
    "  --demo             show the built-in simulated projectors only (served on\n"
    "                     127.0.0.1 by this program); your list is not touched\n"
    "  --list FILE        keep the projector list in FILE instead of\n"
    "                     $XDG_CONFIG_HOME/expert-control/projectors.json\n"
    "  --screenshots DIR  render the host window and every tab of every demo\n"
    "                     projector into DIR as PNG files, without a display, and exit\n"
    "  --verbose          print the projector library's diagnostics on stderr\n"
    "  --version          show the program's name and version\n"
    "  --help             show this text\n"
    "\n"
    "Without a display (no DISPLAY or WAYLAND_DISPLAY, or the platform plugin\n"
    "fails) the host can only render screenshots: without --screenshots it says\n"
    "so and exits with status 1.\n";

std::optional<HostOptions> ParseHostOptions(const std::vector<std::string_view>& args, std::string& error) {
  HostOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    auto value = [&](std::string_view name) -> std::optional<std::string> {
      const std::string prefix = std::string(name) + "=";
      if (arg.starts_with(prefix)) return std::string(arg.substr(prefix.size()));
      if (i + 1 < args.size()) return std::string(args[++i]);
      error = std::string(name) + " needs a value";
      return std::nullopt;
    };
    if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--version") {
      options.version = true;
    } else if (arg == "--verbose") {
      options.verbose = true;
    } else if (arg == "--demo") {
      options.demo = true;
    } else if (arg == "--screenshots" || arg.starts_with("--screenshots=")) {
      const std::optional<std::string> dir = value("--screenshots");
      if (!dir) return std::nullopt;
      if (dir->empty()) {
        error = "--screenshots needs a directory";
        return std::nullopt;
      }
      options.screenshots = *dir;
    } else if (arg == "--list" || arg.starts_with("--list=")) {
      const std::optional<std::string> file = value("--list");
      if (!file) return std::nullopt;
      if (file->empty()) {
        error = "--list needs a file";
        return std::nullopt;
      }
      options.listFile = *file;
    } else if (arg.starts_with("-")) {
      error = "unknown option \"" + std::string(arg) + "\" (see --help)";
      return std::nullopt;
    } else {
      error = "unknown argument \"" + std::string(arg) + "\"";
      return std::nullopt;
    }
  }
  if (options.demo && options.listFile) {
    error = "--demo and --list cannot be combined: the demo shows only its own projectors and never uses a list";
    return std::nullopt;
  }
  return options;
}

}  // namespace host
