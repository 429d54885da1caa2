#pragma once
// What the fleet engine's workers do for one projector: read its status, or
// carry out one operation. Each opens its own interface object through
// AttachEntry and talks to the projector over one connection.
#include <atomic>
#include <optional>
#include <string>

#include "beamlink/PjtInterface.h"
#include "host/core/FleetEngine.h"

namespace host::fleet {

struct Reach {
  beamlink::TransportFactory transports;
  int timeoutMs = 0;
  const models::ModelDatabase* database = nullptr;  // null: the model's inputs are unknown
};

// Points `pjt` at the entry (AttachEntry) and hands it the model's PJLink
// input table. Null with `error` when the model is unknown; the item carries
// the model's inputs as the dialog gets them.
std::optional<CProjectorItem> Prepare(CPjtInterface& pjt, const ProjectorEntry& entry, const Reach& reach,
                                      std::string& error);

// Stops between reads once `cancelled` turns true.
Status ReadStatusOf(const ProjectorEntry& entry, const Reach& reach, const std::atomic<bool>& cancelled);
Result ApplyTo(const Operation& operation, const ProjectorEntry& entry, const Reach& reach);

// Two workers never talk to the same projector at once: its address and
// port, or its serial device.
std::string ProjectorKey(const ProjectorEntry& entry);

}  // namespace host::fleet
