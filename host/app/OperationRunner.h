#pragma once
// One operation (power, input, blank, mute, freeze) on the selected rows
// through the fleet engine: each row's outcome goes into its Result column
// as it comes, with the count for the progress bar, and one summary line at
// the end ("10 done, 1 refused: cooling down, 1 not reached"). Nothing here
// waits for a projector; Cancel skips the rows not yet started.
#include <memory>
#include <utility>
#include <vector>

#include <QObject>

#include "host/app/ProjectorTableModel.h"

namespace host {

class OperationRunner : public QObject {
  Q_OBJECT

 public:
  OperationRunner(ProjectorTableModel& model, const HostSession& session, QObject* parent = nullptr);
  ~OperationRunner() override;  // cancels what runs and waits for it

  // Damaged rows are left out. False when one runs already or no row is left.
  bool Start(const fleet::Operation& operation, const std::vector<int>& rows);
  void Cancel();
  bool Running() const { return m_running; }
  int Finished() const { return m_finished; }
  int Total() const { return static_cast<int>(m_ids.size()); }

 signals:
  void Progress(int finished, int total);
  // The summary line, and the rows the operation went to.
  void Ended(const QString& summary, const std::vector<int>& rows);

 private:
  void Arrived(std::size_t index, const fleet::Result& result);
  void Done();
  QString Summary() const;

  ProjectorTableModel& m_model;
  bool m_running = false;
  std::vector<ProjectorTableModel::RowId> m_ids;
  std::vector<bool> m_arrived;
  int m_finished = 0;
  int m_done = 0;
  int m_notReached = 0;
  std::vector<std::pair<std::string, int>> m_refused;  // reason, count; in order of first arrival
  std::unique_ptr<fleet::Engine> m_engine;  // last: its workers post to this object
};

}  // namespace host
