#pragma once
// Replies and events are built as ordered JSON objects: their keys come out in
// the order written ("ok" or "event" first), which keeps the output readable.
#include <nlohmann/json.hpp>

namespace driver {
using OrderedJson = nlohmann::ordered_json;
}  // namespace driver
