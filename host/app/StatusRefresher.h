#pragma once
// "Refresh status": asks every projector of the list for its power state at
// once, one thread per projector, so that the window stays usable while a
// projector that does not answer runs into its timeout. The answers come back
// into the table on the window's thread.
#include <thread>
#include <vector>

#include <QObject>

#include "host/app/ProjectorTableModel.h"

namespace host {

class StatusRefresher : public QObject {
  Q_OBJECT

 public:
  StatusRefresher(ProjectorTableModel& model, const HostSession& session, QObject* parent = nullptr);
  ~StatusRefresher() override;  // waits for the queries under way

  // Loudly: every row says "Querying..." until its answer comes; quietly (the
  // first and the background refreshes): a row that shows a status keeps it
  // until then.
  enum class Shown { Loudly, Quietly };
  void RefreshAll(Shown shown = Shown::Loudly);
  // The same, row by row on this thread: for screenshots.
  void RefreshAllNow();
  // Answers still under way are dropped: the rows have changed.
  void Invalidate() { ++m_generation; }
  bool Busy() const { return m_pending > 0; }

 signals:
  void BusyChanged(bool busy);

 private:
  void JoinAll();

  ProjectorTableModel& m_model;
  const HostSession& m_session;
  std::vector<std::thread> m_threads;
  unsigned m_generation = 0;
  int m_pending = 0;
};

}  // namespace host
