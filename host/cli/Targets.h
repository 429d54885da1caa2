#pragma once
// Which entries a command's targets name: an entry's name, @GROUP, @all.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "host/core/ProjectorEntry.h"

namespace host::cli {

// The indexes of the entries named, each once, in list-file order; no
// targets at all names every entry. Null with `error` naming the first
// target that names nothing: then nothing is sent to anyone.
std::optional<std::vector<std::size_t>> ResolveTargets(const std::vector<ProjectorEntry>& entries,
                                                       const std::vector<std::string>& targets, std::string& error);

}  // namespace host::cli
