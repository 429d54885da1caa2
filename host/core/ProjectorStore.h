#pragma once
// The user's projector list on disk: one JSON file in the user's
// configuration directory. An entry that cannot be used is kept as written
// and reported with the others; a file that is not a projector list at all is
// reported and moved aside, never overwritten; every save replaces the file
// atomically.
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

// One entry of the list file.
struct ListedEntry {
  ProjectorEntry entry;  // a damaged entry: the fields that could be read
  // Non-empty: the entry as written cannot be used, and why, naming the entry
  // ("Projector \"Hall\": ..." or by its position) and the field by its label
  // in the editor.
  std::string damage;
  // A damaged entry: its JSON object as written (compact), written back
  // unchanged when the list is saved.
  std::string written;
  bool operator==(const ListedEntry&) const = default;
};

// The file's text for a list (demo entries are left out) and back. Parsing
// throws StoreFormatError when the text is not a projector list at all (not
// JSON, not an object, no list of projectors); damaged entries come back
// marked, with the good ones in their places.
std::string EntriesToJson(const std::vector<ListedEntry>& entries);
std::string EntriesToJson(const std::vector<ProjectorEntry>& entries);
std::vector<ListedEntry> EntriesFromJson(std::string_view text);

struct LoadOutcome {
  enum class Kind {
    Loaded,      // the file's entries, damaged ones marked
    Missing,     // no file yet: the first start
    MovedAside,  // the file was damaged and now lives at `movedTo`
    Kept,        // the file could not be used and was left as it is; do not save over it
  };
  Kind kind = Kind::Missing;
  std::vector<ListedEntry> entries;
  std::string problem;  // why the file was not used
  std::filesystem::path movedTo;
  bool damaged = false;  // the file is not a projector list (Read: left where it is)
};

class ProjectorStore {
 public:
  explicit ProjectorStore(std::filesystem::path file) : m_file(std::move(file)) {}
  const std::filesystem::path& File() const { return m_file; }

  LoadOutcome Load() const;
  // Load without moving a file that is no list aside: Kept, `damaged` set.
  // For readers that never touch the user's file (expertctl).
  LoadOutcome Read() const;
  // Writes a temporary file beside the list, flushes it to disk and renames
  // it over the list, so a crash leaves either the old or the new list.
  // Creates the directory (private to the user) when needed. False with
  // `error` when the list could not be written; the old file is then intact.
  bool Save(const std::vector<ListedEntry>& entries, std::string& error) const;
  bool Save(const std::vector<ProjectorEntry>& entries, std::string& error) const;

 private:
  std::filesystem::path m_file;
};

}  // namespace host
