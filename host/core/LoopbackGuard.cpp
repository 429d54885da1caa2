#include "host/core/LoopbackGuard.h"

#include <cstdlib>
#include <string_view>

#include "beamlink/Connection.h"
#include "beamlink/Loopback.h"
#include "catalog/Catalog.h"
#include "host/core/EntryValidation.h"

namespace host {

bool LoopbackOnlyRequested() {
  const char* value = std::getenv("EXPERT_LOOPBACK_ONLY");
  return value && *value && std::string_view(value) != "0";
}

beamlink::TransportFactory LoopbackOnlyTransports() {
  return [open = beamlink::DefaultTransportFactory()](const beamlink::Endpoint& endpoint, beamlink::Deadline deadline,
                                                      std::string& error) -> std::unique_ptr<beamlink::Transport> {
    if (endpoint.kind != 1) {
      error = CatalogText(Msg(7, 58));
      return nullptr;
    }
    if (!beamlink::IsLoopbackAddress(endpoint.address)) {
      error = CatalogText(Msg(7, 50), endpoint.address);
      return nullptr;
    }
    return open(endpoint, deadline, error);
  };
}

}  // namespace host
