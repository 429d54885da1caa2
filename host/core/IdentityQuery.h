#pragma once
// The editor's Query button: what a PJLink projector says of itself (NAME,
// INF1, INF2, ...), read within the entry's reply timeout.
#include <optional>
#include <string>

#include "beamlink/pjlink/Link.h"
#include "host/core/ProjectorEntry.h"

namespace host {

// nullopt with `error` when the entry is not a PJLink network entry or the
// projector cannot be reached or refuses the password. An empty factory uses
// the library's own transports.
std::optional<beamlink::pjlink::Identity> QueryIdentity(const ProjectorEntry& entry,
                                                        const beamlink::TransportFactory& transports,
                                                        std::string& error);

// "Name: Hall; maker: ...; product: ... (PJLink class 2)", from the catalog.
std::string IdentityText(const beamlink::pjlink::Identity& identity);

}  // namespace host
