#pragma once
// Turns the output of the demo's driver session into the text `make run` prints.
#include <string>
#include <vector>

#include "tools/driver/OrderedJson.h"

namespace demo {

// `output` holds the replies and events of a session that opened a dialog
// (reply seq "open"), dumped it (seq "dump") and closed it. Throws
// std::runtime_error when a reply failed or is missing.
std::string DescribeSession(const std::vector<driver::OrderedJson>& output);

}  // namespace demo
