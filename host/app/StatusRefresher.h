#pragma once
// The status columns: reads what the status page reads of every projector of
// the list through the fleet engine (a bounded pool of workers, never a
// thread per projector), and puts each answer into the table on the window's
// thread as it comes. Nothing here waits for a projector.
//
// A whole-list refresh and the reading of single rows (a projector whose
// dialog has just closed, an edited entry, the targets of an operation) run
// on engines of their own, so that one row never waits behind a hundred.
// Damaged entries are never asked.
#include <memory>
#include <set>
#include <vector>

#include <QObject>

#include "host/app/ProjectorTableModel.h"

namespace host {

class StatusRefresher : public QObject {
  Q_OBJECT

 public:
  StatusRefresher(ProjectorTableModel& model, const HostSession& session, QObject* parent = nullptr);
  ~StatusRefresher() override;  // cancels what runs and waits for it

  // Every row. During a refresh the one that runs is cancelled and a new one
  // starts as soon as it has stopped. A row keeps what it shows until its
  // new answer comes.
  void RefreshAll();
  // These rows of the model, now or right after the reading of rows that runs.
  void RefreshRows(const std::vector<int>& rows);
  // Every row, waiting here for the answers: for screenshots only.
  void RefreshAllNow();
  // Stops what runs (within one reply timeout) and forgets what waits.
  void Cancel();
  bool Busy() const { return m_allRunning || m_rowsRunning; }

 signals:
  void BusyChanged(bool busy);

 private:
  struct Job {
    std::vector<ProjectorEntry> entries;
    std::vector<ProjectorTableModel::RowId> ids;
  };
  Job MakeJob(const std::vector<int>& rows) const;
  void Start(fleet::Engine& engine, Job job, bool whole);
  void CancelJob(bool whole);
  void Finished(bool whole, const std::vector<ProjectorTableModel::RowId>& ids);

  ProjectorTableModel& m_model;
  const HostSession& m_session;
  bool m_allRunning = false;
  bool m_allAgain = false;
  bool m_rowsRunning = false;
  std::set<ProjectorTableModel::RowId> m_rowsWaiting;
  // Set when the job that runs is cancelled: a reading it cuts short is no
  // news about the projector, and the row keeps what it showed.
  std::shared_ptr<bool> m_allCancelled;
  std::shared_ptr<bool> m_rowsCancelled;
  // Last, so that they go first: their workers post to this object.
  std::unique_ptr<fleet::Engine> m_all;
  std::unique_ptr<fleet::Engine> m_rows;
};

}  // namespace host
