#include "host/core/LoopbackGuard.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>

#include "beamlink/Connection.h"
#include "beamlink/Loopback.h"
#include "beamlink/SerialTransport.h"
#include "catalog/Catalog.h"

namespace host {

bool LoopbackOnlyRequested() {
  const char* value = std::getenv("EXPERT_LOOPBACK_ONLY");
  return value && *value && std::string_view(value) != "0";
}

bool IsLoopbackTarget(std::string_view address) {
  if (beamlink::IsLoopbackAddress(address)) return true;
  constexpr std::string_view kLocalhost = "localhost";
  return std::equal(address.begin(), address.end(), kLocalhost.begin(), kLocalhost.end(),
                    [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

bool IsPseudoTerminal(std::string_view devicePath) {
  constexpr std::string_view kPts = "/dev/pts/";
  if (!devicePath.starts_with(kPts) || devicePath.size() == kPts.size()) return false;
  return std::all_of(devicePath.begin() + static_cast<std::ptrdiff_t>(kPts.size()), devicePath.end(),
                     [](char c) { return c >= '0' && c <= '9'; });
}

beamlink::TransportFactory LoopbackOnlyTransports() {
  return [open = beamlink::DefaultTransportFactory()](const beamlink::Endpoint& endpoint, beamlink::Deadline deadline,
                                                      std::string& error) -> std::unique_ptr<beamlink::Transport> {
    if (endpoint.kind != 1) {
      if (!IsPseudoTerminal(endpoint.devicePath)) {
        error = CatalogText(Msg(7, 216), endpoint.devicePath.empty() ? beamlink::SerialDevicePath(endpoint.portIndex) : endpoint.devicePath);
        return nullptr;
      }
    } else if (!IsLoopbackTarget(endpoint.address)) {
      error = CatalogText(Msg(7, 210), endpoint.address);
      return nullptr;
    }
    return open(endpoint, deadline, error);
  };
}

}  // namespace host
