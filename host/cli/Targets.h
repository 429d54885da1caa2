#pragma once
// Which entries a command's targets name: an entry's name, @GROUP, @all.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "host/core/ProjectorEntry.h"

namespace host::cli {

// The list file's entries (`listFile`, else the default one), and why each
// cannot be used (empty: it can), in list order. A damaged entry keeps its
// place and its name as written, so that it can be named; it is never
// connected to. Null with `error` when the file cannot be used at all.
struct ListedEntries {
  std::vector<ProjectorEntry> entries;
  std::vector<std::string> damage;
};
std::optional<ListedEntries> ReadListFile(const std::optional<std::filesystem::path>& listFile, std::string& error);

// The indexes of the entries named, each once, in list-file order; no
// targets at all names every entry. Null with `error` naming the first
// target that names nothing: then nothing is sent to anyone.
std::optional<std::vector<std::size_t>> ResolveTargets(const std::vector<ProjectorEntry>& entries,
                                                       const std::vector<std::string>& targets, std::string& error);

}  // namespace host::cli
