#pragma once
// The user's projector list on disk: one JSON file in the user's
// configuration directory. A file that cannot be understood is reported and
// moved aside, never overwritten; every save replaces the file atomically.
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "host/core/ProjectorEntry.h"

namespace host {

// The list file: $XDG_CONFIG_HOME/expert-control/projectors.json, with
// ~/.config standing in when XDG_CONFIG_HOME is unset, empty or relative.
std::filesystem::path DefaultListFile();

// A list file above this size is taken as damaged: a list of a thousand
// projectors takes a fifth of it.
inline constexpr std::size_t kMaxListBytes = 1024 * 1024;

struct StoreFormatError : std::runtime_error {
  using std::runtime_error::runtime_error;
};
// A list written by a later version of the host: not damaged, only not ours
// to read or to overwrite.
struct StoreVersionError : StoreFormatError {
  using StoreFormatError::StoreFormatError;
};

// The file's text for a list (demo entries are left out) and back. Parsing
// throws StoreFormatError naming the entry and field at fault.
std::string EntriesToJson(const std::vector<ProjectorEntry>& entries);
std::vector<ProjectorEntry> EntriesFromJson(std::string_view text);

struct LoadOutcome {
  enum class Kind {
    Loaded,      // the file's entries
    Missing,     // no file yet: the first start
    MovedAside,  // the file was damaged and now lives at `movedTo`
    Kept,        // the file could not be used and was left as it is; do not save over it
  };
  Kind kind = Kind::Missing;
  std::vector<ProjectorEntry> entries;
  std::string problem;  // why the file was not used
  std::filesystem::path movedTo;
  bool damaged = false;  // the file cannot be understood (Read: left where it is)
};

class ProjectorStore {
 public:
  explicit ProjectorStore(std::filesystem::path file) : m_file(std::move(file)) {}
  const std::filesystem::path& File() const { return m_file; }

  LoadOutcome Load() const;
  // Load without moving a damaged file aside: Kept, `damaged` set. For
  // readers that never touch the user's file (expertctl).
  LoadOutcome Read() const;
  // Writes a temporary file beside the list, flushes it to disk and renames
  // it over the list, so a crash leaves either the old or the new list.
  // Creates the directory (private to the user) when needed. False with
  // `error` when the list could not be written; the old file is then intact.
  bool Save(const std::vector<ProjectorEntry>& entries, std::string& error) const;

 private:
  std::filesystem::path m_file;
};

}  // namespace host
