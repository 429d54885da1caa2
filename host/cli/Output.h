#pragma once
// What expertctl prints: aligned columns for people (as ip and nmcli print),
// or one JSON document for scripts. Entries in list-file order.
#include <string>
#include <vector>

#include "host/core/FleetEngine.h"

namespace host::cli {

std::string ListOutput(const std::vector<ProjectorEntry>& entries, bool json);
// `statuses[i]` and `results[i]` belong to `entries[i]`.
std::string StatusOutput(const std::vector<ProjectorEntry>& entries, const std::vector<fleet::Status>& statuses,
                         bool json);
std::string ResultsOutput(const std::vector<ProjectorEntry>& entries, const std::vector<fleet::Result>& results,
                          bool json);

// Columns padded to their widest cell (counted in characters), two spaces
// apart; the last cell of each row is not padded.
std::string Columns(const std::vector<std::vector<std::string>>& rows);

}  // namespace host::cli
