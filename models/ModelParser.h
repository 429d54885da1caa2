#pragma once

// Reading model descriptions from JSON. The keys, shared by the database files
// and by callers that override parts of a description:
//   "type" 1..5, "model" >= 0, "name",
//   "inputs": up to 7 {"name", "code", "code2", optional "pjlink": "11".."6Z"},
//   "whisper", "aspect", "gamma", "colorTemp", "myButton": up to 32 {"code", "name"},
//   "ranges": {"0".."33": "min,max" or ""}, "option1", "option2",
//   "connection": {"kind", "port", "third", "address", "fourth", "text2"}.
// Codes are 32-bit signed integers; names and texts must fit a 64-byte
// zero-terminated slot (at most 63 bytes of UTF-8). Unknown keys are refused.

#include <string>

#include <nlohmann/json.hpp>

#include "models/ModelDescription.h"
#include "models/ModelError.h"

namespace models {

// One database document. "type", "model", "name", "inputs" and "connection"
// (with its "address") are required; the other lists are empty when absent,
// absent range entries are empty and the option flags false. Range texts must
// be empty or "min,max" with 0 <= min <= max <= 65535. An absent connection
// "kind" means network (1); the other connection values default to 0 and "".
// `source` names the document (its file) in errors.
ModelDescription ParseModel(const nlohmann::json& doc, const std::string& source);

// A description a host hands over: as a database document, but "type" may be
// any 32-bit integer (the module shows only its status tab for a type it
// does not know).
ModelDescription ParseHandOffModel(const nlohmann::json& doc, const std::string& source);

// Replaces the parts of `desc` that `partial` names, `partial` being a full or
// partial description in the same schema:
// - a list replaces the whole list;
// - "ranges" replaces the whole range table: entries it does not name become
//   empty, so "ranges": {} empties every range text;
// - "connection" replaces only the connection keys it names.
// Range texts are taken as they are (they need not be "min,max"), but must be
// strings of at most 63 bytes. On error `desc` is left unchanged.
void ApplyOverrides(ModelDescription& desc, const nlohmann::json& partial,
                    const std::string& source);

}  // namespace models
