#include "host/cli/Targets.h"

#include "host/core/ProjectorStore.h"

namespace host::cli {

std::optional<ListedEntries> ReadListFile(const std::optional<std::filesystem::path>& listFile, std::string& error) {
  const ProjectorStore store(listFile.value_or(DefaultListFile()));
  const LoadOutcome loaded = store.Read();
  const std::string file = store.File().string();
  if (loaded.kind == LoadOutcome::Kind::Missing && listFile) {
    error = "--list " + file + ": no such file";
    return std::nullopt;
  }
  if (loaded.kind == LoadOutcome::Kind::Kept) {
    error = (listFile ? "--list " : "") + file + ": " + (loaded.damaged ? "damaged list file: " : "cannot be used: ") +
            loaded.problem;
    return std::nullopt;
  }
  ListedEntries listed;
  for (const ListedEntry& entry : loaded.entries) {
    listed.entries.push_back(entry.entry);
    listed.damage.push_back(entry.damage);
  }
  return listed;
}

std::optional<std::vector<std::size_t>> ResolveTargets(const std::vector<ProjectorEntry>& entries,
                                                       const std::vector<std::string>& targets, std::string& error) {
  std::vector<bool> named(entries.size(), targets.empty());
  for (const std::string& target : targets) {
    bool any = false;
    const bool group = target.size() > 1 && target[0] == '@';
    for (std::size_t i = 0; i < entries.size(); ++i) {
      const bool hit = !group                 ? entries[i].name == target
                       : target == "@all"     ? true
                                              : entries[i].group == target.substr(1);
      if (!hit) continue;
      named[i] = true;
      any = true;
    }
    if (any || target == "@all") continue;
    error = "\"" + target + "\": unknown target: " +
            (group ? "no entry is in the group \"" + target.substr(1) + "\"" : "no entry has that name") +
            " (names, @GROUP or @all)";
    return std::nullopt;
  }
  std::vector<std::size_t> indexes;
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (named[i]) indexes.push_back(i);
  return indexes;
}

}  // namespace host::cli
