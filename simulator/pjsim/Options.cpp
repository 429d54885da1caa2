#include "simulator/pjsim/Options.h"

#include <charconv>
#include <vector>

#include "beamlink/Loopback.h"

namespace sim::pjsim {
namespace {

template <typename Number>
bool ParseNumber(std::string_view text, Number& out, Number max) {
  if (text.empty()) return false;
  Number value{};
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value > max) return false;
  out = value;
  return true;
}

}  // namespace

std::optional<Options> ParseOptions(std::span<const std::string_view> args, std::string& error) {
  Options options;
  bool listen = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    const auto value = [&]() -> std::optional<std::string_view> {
      if (i + 1 >= args.size()) {
        error = std::string(arg) + " needs a value";
        return std::nullopt;
      }
      return args[++i];
    };
    if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--serial") {
      options.serial = true;
    } else if (arg == "--model") {
      const auto v = value();
      if (!v) return std::nullopt;
      options.model = std::string(*v);
    } else if (arg == "--password") {
      const auto v = value();
      if (!v) return std::nullopt;
      options.password = std::string(*v);
    } else if (arg == "--listen") {
      const auto v = value();
      if (!v) return std::nullopt;
      const std::size_t colon = v->rfind(':');
      if (colon == std::string_view::npos || !ParseNumber(v->substr(colon + 1), options.port, std::uint16_t{65535})) {
        error = "--listen takes ADDRESS:PORT, got \"" + std::string(*v) + "\"";
        return std::nullopt;
      }
      options.address = std::string(v->substr(0, colon));
      if (!beamlink::IsLoopbackAddress(options.address)) {
        error = "--listen takes a loopback address (127.x.x.x) only, not \"" + options.address + "\"";
        return std::nullopt;
      }
      listen = true;
    } else if (arg == "--cooldown-ms" || arg == "--warmup-ms") {
      const auto v = value();
      if (!v) return std::nullopt;
      unsigned ms = 0;
      if (!ParseNumber(*v, ms, 3'600'000u)) {
        error = std::string(arg) + " takes milliseconds 0..3600000, got \"" + std::string(*v) + "\"";
        return std::nullopt;
      }
      (arg == "--warmup-ms" ? options.warmup : options.cooldown) = std::chrono::milliseconds(ms);
    } else if (arg == "--protocol") {
      const auto v = value();
      if (!v) return std::nullopt;
      if (*v != "pjlink" && *v != "native") {
        error = "--protocol takes native or pjlink, got \"" + std::string(*v) + "\"";
        return std::nullopt;
      }
      options.pjlink = *v == "pjlink";
    } else if (arg == "--class") {
      const auto v = value();
      if (!v) return std::nullopt;
      if (*v != "1" && *v != "2") {
        error = "--class takes 1 or 2, got \"" + std::string(*v) + "\"";
        return std::nullopt;
      }
      options.pjlinkClass = *v == "1" ? 1 : 2;
    } else if (arg == "--close-after-reply") {
      options.closeAfterReply = true;
    } else if (arg == "--power") {
      const auto v = value();
      if (!v) return std::nullopt;
      if (*v != "on" && *v != "off") {
        error = "--power takes on or off, got \"" + std::string(*v) + "\"";
        return std::nullopt;
      }
      options.power = *v == "on" ? Power::On : Power::Off;
    } else {
      error = "unknown argument \"" + std::string(arg) + "\"";
      return std::nullopt;
    }
  }
  if (options.help) return options;
  if (options.model.empty()) {
    error = "--model TYPE/MODEL is required";
    return std::nullopt;
  }
  if (listen == options.serial) {
    error = "give exactly one of --listen 127.0.0.1:PORT and --serial";
    return std::nullopt;
  }
  if (options.pjlink && options.serial) {
    error = "PJLink is served over TCP only: use --listen";
    return std::nullopt;
  }
  return options;
}

const char* Usage() {
  return "usage: pjsim --model TYPE/MODEL (--listen 127.0.0.1:PORT | --serial)\n"
         "             [--password P] [--cooldown-ms N] [--power on|off]\n"
         "             [--protocol native|pjlink] [--class 1|2] [--warmup-ms N]\n"
         "             [--close-after-reply]\n"
         "\n"
         "A simulated projector of the model database. --listen serves TCP on a\n"
         "loopback address (PORT 0 picks a free port); --serial serves a new\n"
         "pseudo-terminal. The place to connect to is printed on stdout as\n"
         "\"listening 127.0.0.1:PORT\" or \"serial /dev/pts/N\"; the traffic is\n"
         "logged on stderr. SIGINT or SIGTERM ends it (exit status 0).\n"
         "--protocol pjlink speaks PJLink (class 2 unless --class 1): ERR3 while\n"
         "the lamp warms up or cools down; --close-after-reply closes each\n"
         "connection after its first response.\n";
}

}  // namespace sim::pjsim
