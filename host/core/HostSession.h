#pragma once
// The host's list of projectors for one run: where it comes from (the user's
// file, or the built-in demo projectors), what the status column shows, and
// when changes are written back.
//
// - Normal run: the user's file; an entry that cannot be used is a row
//   marked damaged, kept as written and never connected to. Without a file
//   (the first start), or when it was no list and was moved aside, the demo
//   projectors are shown; they are never written to the file, the user's
//   own entries are.
// - Demo run: the demo projectors only; nothing is read or written, and only
//   loopback addresses may be reached.
// - A file that exists but could not be used and could not be moved aside is
//   left alone: the run shows an empty list and saves nothing.
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "beamlink/Transport.h"
#include "host/core/DemoFleet.h"
#include "host/core/EntryValidation.h"
#include "host/core/ProjectorStore.h"

namespace host {

class HostSession {
 public:
  struct Row {
    ProjectorEntry entry;  // a damaged row: the fields that could be read
    std::string status;  // the status column; empty until refreshed
    std::string written;  // a damaged row: its entry's JSON as written, saved back unchanged
    std::string damage;  // non-empty: the entry as written could not be used, and why
  };
  // Whether the host may talk to a row's projector: never to a damaged row,
  // whose fields are not what its writer meant.
  static bool MayConnect(const Row& row) { return row.damage.empty(); }

  enum class Mode { Normal, Demo };

  // `loopbackOnly` adds the loopback rule to a normal run (the test suite
  // asks for it); a demo run always has it. Throws std::runtime_error when
  // the demo projectors cannot be started.
  HostSession(const models::ModelDatabase& database, ProjectorStore store, Mode mode, bool loopbackOnly);

  const models::ModelDatabase& Database() const { return m_database; }
  const std::vector<Row>& Rows() const { return m_rows; }
  Mode GetMode() const { return m_mode; }
  const ProjectorStore& Store() const { return m_store; }
  bool SavesChanges() const { return m_saves; }
  bool LoopbackOnly() const { return m_loopbackOnly; }
  // What the user should be told about the list file (a damaged file moved
  // aside, an unreadable one kept), once; empty when all went well.
  std::vector<std::string> TakeNotices();

  // The groups the entries name, sorted, each once, without the empty one:
  // what the editor offers.
  std::vector<std::string> Groups() const;

  ValidationRules Rules() const { return {&m_database, m_loopbackOnly}; }
  // The transports for the dialog and the status column: the library's own,
  // or the loopback guard.
  beamlink::TransportFactory Transports() const;

  // Changes are validated by the caller (Rules()). Each writes the user's
  // entries when this run saves; on a failed write the change stays in the
  // list, and false comes back with `error`. Replace keeps the row's status
  // until the next one arrives, and repairs a damaged row (its damage goes).
  bool Add(ProjectorEntry entry, std::string& error);
  bool Replace(std::size_t row, ProjectorEntry entry, std::string& error);
  bool Remove(std::size_t row, std::string& error);
  // Several rows (indices into Rows(), any order), written once.
  bool Remove(std::vector<std::size_t> rows, std::string& error);
  void SetStatus(std::size_t row, std::string status) { m_rows.at(row).status = std::move(status); }

 private:
  bool Save(std::string& error);
  void ShowDemoProjectors();

  const models::ModelDatabase& m_database;
  ProjectorStore m_store;
  Mode m_mode;
  bool m_loopbackOnly;
  bool m_saves = false;
  std::unique_ptr<DemoFleet> m_demo;
  std::vector<Row> m_rows;
  std::vector<std::string> m_notices;
};

}  // namespace host
