#include "tools/driver/ConnectTarget.h"

#include <charconv>

#include "beamlink/Loopback.h"
#include "tools/driver/CommandArgs.h"

namespace driver {
namespace {

constexpr std::string_view kTcpScheme = "tcp://";
constexpr std::string_view kSerialScheme = "serial:";
constexpr std::string_view kPjLinkScheme = "pjlink://";

// A decimal number of at most `maxDigits` digits, nothing else.
bool ParseDecimal(std::string_view text, std::size_t maxDigits, int& value) {
  if (text.empty() || text.size() > maxDigits) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

ConnectTarget ParseTcp(std::string_view text, std::string_view scheme) {
  const std::string_view rest = text.substr(scheme.size());
  const std::size_t colon = rest.rfind(':');
  if (colon == std::string_view::npos)
    throw CommandError("connect \"" + std::string(text) + "\": expected " + std::string(scheme) + "127.x.x.x:PORT");
  const std::string_view host = rest.substr(0, colon);
  if (!beamlink::IsLoopbackAddress(host))
    throw CommandError("connect \"" + std::string(text) +
                       "\": only a loopback address written as 127.x.x.x may be connected to");
  int port = 0;
  if (!ParseDecimal(rest.substr(colon + 1), 5, port) || port < 1 || port > 65535)
    throw CommandError("connect \"" + std::string(text) + "\": the port must be a number from 1 to 65535");
  ConnectTarget target;
  target.kind = scheme == kPjLinkScheme ? ConnectTarget::Kind::PjLink : ConnectTarget::Kind::Tcp;
  target.host = std::string(host);
  target.port = port;
  return target;
}

}  // namespace

std::string ConnectTarget::Text() const {
  switch (kind) {
    case Kind::Simulated: return "sim";
    case Kind::None: return "none";
    case Kind::Tcp: return std::string(kTcpScheme) + host + ":" + std::to_string(port);
    case Kind::Serial: return std::string(kSerialScheme) + path;
    case Kind::PjLink: return std::string(kPjLinkScheme) + host + ":" + std::to_string(port);
  }
  return {};
}

std::string ConnectTarget::Peer() const {
  if (kind == Kind::Tcp || kind == Kind::PjLink) return host + ":" + std::to_string(port);
  return kind == Kind::Serial ? path : std::string();
}

ConnectTarget ParseConnectTarget(std::string_view text) {
  ConnectTarget target;
  if (text == "sim") return target;
  if (text == "none") {
    target.kind = ConnectTarget::Kind::None;
    return target;
  }
  if (text.starts_with(kTcpScheme)) return ParseTcp(text, kTcpScheme);
  if (text.starts_with(kPjLinkScheme)) return ParseTcp(text, kPjLinkScheme);
  if (text.starts_with(kSerialScheme)) {
    target.kind = ConnectTarget::Kind::Serial;
    target.path = std::string(text.substr(kSerialScheme.size()));
    if (target.path.empty() || target.path.find('\0') != std::string::npos)
      throw CommandError("connect \"" + std::string(text) + "\": expected serial:PATH with a device path");
    return target;
  }
  throw CommandError("connect \"" + std::string(text) +
                     "\": expected \"sim\", \"none\", \"tcp://127.0.0.1:PORT\", \"serial:PATH\" or \"pjlink://127.0.0.1:PORT\"");
}

}  // namespace driver
