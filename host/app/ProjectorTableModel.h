#pragma once
// The main window's table: one row per projector of the session with what
// the fleet engine last read of it, the outcome of the last operation on it,
// and its maintenance mark.
#include <QAbstractTableModel>
#include <cstdint>
#include <optional>
#include <vector>

#include "host/app/Preferences.h"
#include "host/core/FleetEngine.h"
#include "host/core/HostSession.h"

namespace host {

class ProjectorTableModel : public QAbstractTableModel {
 public:
  enum Column {
    kName,
    kGroup,
    kModel,
    kConnection,
    kPower,
    kInput,
    kLampHours,
    kFilterHours,
    kErrors,
    kResult,
    kColumnCount
  };
  // Numbers as numbers, for sorting the hours columns.
  static constexpr int kSortRole = Qt::UserRole;
  // A row is known to the window's jobs by an id that outlives inserts and
  // removals of other rows.
  using RowId = std::uint64_t;

  explicit ProjectorTableModel(HostSession& session, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // Changes go through here so that the views follow. An edited entry keeps
  // the status last read until the next reading.
  bool Add(ProjectorEntry entry, std::string& error);
  bool Replace(int row, ProjectorEntry entry, std::string& error);
  // The rows (any order) go together, and the list is written once.
  bool Remove(std::vector<int> rows, std::string& error);

  const HostSession::Row& SessionRow(int row) const { return m_session.Rows().at(static_cast<std::size_t>(row)); }
  bool Damaged(int row) const { return !SessionRow(row).damage.empty(); }
  RowId IdOf(int row) const { return m_states.at(static_cast<std::size_t>(row)).id; }
  int RowOf(RowId id) const;  // -1: the row is gone

  void SetQuerying(RowId id, bool querying);
  void SetStatus(RowId id, const fleet::Status& status);
  void SetResult(RowId id, const QString& result);
  const std::optional<fleet::Status>& StatusOf(int row) const {
    return m_states.at(static_cast<std::size_t>(row)).status;
  }

  void SetLimits(MaintenanceLimits limits);
  // What needs attention: hours over the limits, an error status that is not
  // all clear; empty when nothing does.
  QStringList MaintenanceProblems(int row) const;

 private:
  struct RowState {
    RowId id = 0;
    std::optional<fleet::Status> status;
    bool querying = false;
    QString result;
  };
  QVariant Display(int row, int column) const;
  QStringList RowNotes(int row) const;
  void ChangedRow(int row);

  HostSession& m_session;
  std::vector<RowState> m_states;  // parallel to the session's rows
  RowId m_nextId = 1;
  MaintenanceLimits m_limits;
};

}  // namespace host
