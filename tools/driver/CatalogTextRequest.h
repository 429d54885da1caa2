#pragma once
// The "text" command: one catalog message looked up as the module looks it
// up (language, marker files, fallbacks), with its inserts.
#include <string>

#include <nlohmann/json.hpp>

#include "tools/driver/CommandArgs.h"

namespace driver {

// {"category":4,"number":155,"inserts":["P1","127.0.0.2"]}: a JSON string is a
// text insert, a JSON integer an integer insert. Throws CommandError for
// anything else.
std::string LookUpCatalogText(const CommandArgs& args);

}  // namespace driver
