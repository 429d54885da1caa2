#pragma once
// What an "open" command asks for: the projector description (a model of
// the database, optionally overridden by "host"), how the host hands it to
// the dialog, and where projector traffic would go.
#include <array>
#include <optional>
#include <string>

#include "models/ModelDatabase.h"
#include "tools/driver/CommandArgs.h"
#include "tools/driver/ConnectTarget.h"

namespace driver {

enum class HandOffKind {
  Item,       // CopyData with a CProjectorItem (what the host does today)
  ModelInfo,  // CopyData with a CModelInfo and a connection index
  Args,       // the first CopyData overload, with separate arguments
  Args2,      // CopyData2
};

struct OpenRequest {
  models::ModelDescription description;
  HandOffKind handOff = HandOffKind::Item;
  int connectionIndex = 0;  // ModelInfo only
  std::optional<std::array<std::string, 32>> ranges32;  // then CopyData3
  ConnectTarget connect;
};

// Reads the fields of "open":
// - "model": "type/model" of the database; "host" overrides the parts it names.
// - "host" without "model" must carry "type" and "model": a model of the
//   database is then overridden as above, any other is read as a complete
//   description.
// Throws CommandError (model errors included, with their text).
OpenRequest ReadOpenRequest(const CommandArgs& args, const models::ModelDatabase& database);

}  // namespace driver
