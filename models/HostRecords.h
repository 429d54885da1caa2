#pragma once
// Turns a model description into the records a host hands to the dialog.
#include "beamlink/HostRecords.h"
#include "models/ModelDescription.h"

namespace models {

// The projector item of the host's list: its name is the description's name.
CProjectorItem ToProjectorItem(const ModelDescription& description);
// A model record whose connection entry `connectionIndex` (0..4) holds the
// description's connection; the other entries stay empty.
CModelInfo ToModelInfo(const ModelDescription& description, int connectionIndex);

}  // namespace models
