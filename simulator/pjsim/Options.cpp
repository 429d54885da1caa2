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
    } else if (arg == "--version") {
      options.version = true;
    } else if (arg == "--verbose") {
      options.verbose = true;
    } else if (arg == "--count" || arg == "--dead") {
      const auto v = value();
      if (!v) return std::nullopt;
      unsigned number = 0;
      const unsigned least = arg == "--count" ? 1 : 0;
      if (!ParseNumber(*v, number, kMaxCount) || number < least) {
        error = std::string(arg) + " takes a number " + std::to_string(least) + ".." + std::to_string(kMaxCount) +
                ", got \"" + std::string(*v) + "\"";
        return std::nullopt;
      }
      (arg == "--count" ? options.count : options.dead) = number;
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
      if (colon == std::string_view::npos) {
        error = "--listen takes ADDRESS:PORT, got \"" + std::string(*v) + "\"";
        return std::nullopt;
      }
      const std::string_view port = v->substr(colon + 1);
      unsigned long number = 0;
      if (!ParseNumber(port, number, ~0UL)) {
        error = "--listen \"" + std::string(*v) + "\": the port \"" + std::string(port) + "\" is not a number";
        return std::nullopt;
      }
      if (number > 65535) {
        error = "--listen \"" + std::string(*v) + "\": the port must be from 0 to 65535, not " + std::string(port);
        return std::nullopt;
      }
      options.port = static_cast<std::uint16_t>(number);
      options.address = std::string(v->substr(0, colon));
      if (!beamlink::IsLoopbackAddress(options.address)) {
        error = "--listen takes a loopback address (127.x.x.x) only, not \"" + options.address + "\"";
        return std::nullopt;
      }
      listen = true;
    } else if (arg == "--idle-close-ms") {
      const auto v = value();
      if (!v) return std::nullopt;
      unsigned ms = 0;
      if (!ParseNumber(*v, ms, 3'600'000u)) {
        error = "--idle-close-ms takes milliseconds 0..3600000 (0: never), got \"" + std::string(*v) + "\"";
        return std::nullopt;
      }
      options.idleClose = std::chrono::milliseconds(ms);
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
  if (options.help || options.version) return options;
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
  if (options.serial && options.count != 1) {
    error = "--count needs --listen: a pseudo-terminal serves one projector";
    return std::nullopt;
  }
  if (options.dead > options.count) {
    error = "--dead " + std::to_string(options.dead) + " is more than --count " + std::to_string(options.count);
    return std::nullopt;
  }
  if (options.port != 0 && options.port + options.count - 1 > 65535) {
    error = "--count " + std::to_string(options.count) + " from port " + std::to_string(options.port) +
            " runs past port 65535";
    return std::nullopt;
  }
  return options;
}

const char* Usage() {
  return "usage: pjsim --model TYPE/MODEL (--listen 127.0.0.1:PORT | --serial) [options]\n"
         "\n"
         "A simulated projector of the model database. The place to connect to is\n"
         "printed on stdout as \"listening 127.0.0.1:PORT\" or \"serial /dev/pts/N\";\n"
         "the traffic is logged on stderr. SIGINT or SIGTERM ends it (exit status 0).\n"
         "\n"
         "  --model TYPE/MODEL      the model, such as 5/30 (required)\n"
         "  --listen ADDRESS:PORT   serve TCP on a loopback address (127.x.x.x);\n"
         "                          PORT 0 picks a free port\n"
         "  --serial                serve a new pseudo-terminal instead\n"
         "  --password P            ask for this password (empty: none)\n"
         "  --power on|off          the power state at start (default on)\n"
         "  --warmup-ms N           how long the lamp warms up, 0 to 3600000 ms\n"
         "  --cooldown-ms N         how long the lamp cools down, 0 to 3600000 ms\n"
         "  --protocol native|pjlink\n"
         "                          our own protocol (default) or PJLink, TCP only;\n"
         "                          PJLink answers ERR3 while the lamp warms up or\n"
         "                          cools down\n"
         "  --class 1|2             the PJLink class served (default 2)\n"
         "  --close-after-reply     close each connection after its first response\n"
         "  --count N               serve N independent projectors of the model on\n"
         "                          ports PORT to PORT+N-1 (N free ports for PORT 0),\n"
         "                          one \"listening\" line each (TCP only, N up to 4096)\n"
         "  --dead K                the last K of them accept connections and never\n"
         "                          answer\n"
         "  --idle-close-ms N       PJLink: close a connection that carried no command\n"
         "                          for N ms, 0 never (default 30000)\n"
         "  --verbose               the projector library's diagnostics on stderr\n"
         "  --version               show the version\n"
         "  --help                  show this text\n";
}

}  // namespace sim::pjsim
