#include "host/core/IdentityQuery.h"

#include "catalog/Catalog.h"

namespace host {

std::optional<beamlink::pjlink::Identity> QueryIdentity(const ProjectorEntry& entry,
                                                        const beamlink::TransportFactory& transports,
                                                        std::string& error) {
  if (entry.link != Link::Network || !entry.pjlink) {
    error = CatalogText(Msg(7, 73), "PJLink");
    return std::nullopt;
  }
  beamlink::Endpoint endpoint;
  endpoint.address = entry.address;
  endpoint.third = entry.tcpPort;
  endpoint.timeoutMs = entry.timeoutMs;
  endpoint.password = entry.password;
  endpoint.protocol = beamlink::Protocol::PjLink;
  std::string why;
  auto identity = beamlink::pjlink::QueryIdentity(
      endpoint, transports ? transports : beamlink::DefaultTransportFactory(), why);
  if (!identity) error = CatalogText(Msg(7, 73), why);
  return identity;
}

std::string IdentityText(const beamlink::pjlink::Identity& identity) {
  return CatalogText(Msg(7, 72), identity.name, identity.manufacturer, identity.product, identity.projectorClass);
}

}  // namespace host
