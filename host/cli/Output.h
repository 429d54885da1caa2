#pragma once
// What expertctl prints: aligned columns for people (as ip and nmcli print),
// or one JSON document for scripts. Entries in list-file order.
#include <cstddef>
#include <mutex>
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

// "expertctl: `why`" on stderr; returns the exit status of a usage or input
// error (2).
int Fail(const std::string& why);

// "7 of 12" on stderr, overwritten in place; only for a person watching (a
// terminal). Steps may come from any thread.
class Progress {
 public:
  explicit Progress(std::size_t total);
  ~Progress();
  Progress(const Progress&) = delete;
  Progress& operator=(const Progress&) = delete;
  void Step();

 private:
  std::mutex m_mutex;
  std::size_t m_total;
  std::size_t m_done = 0;
  bool m_shown;
};

}  // namespace host::cli
