#include "host/app/StatusRefresher.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace host {
namespace {

fleet::Options EngineOptions(const HostSession& session, int parallel) {
  fleet::Options options;
  options.transports = session.Transports();
  options.database = &session.Database();
  options.parallel = parallel;
  return options;
}

// Single rows come a few at a time (a dialog closed, an entry edited, the
// targets of an operation); the whole list takes the engine's usual bound.
constexpr int kWholeListInFlight = 32;
constexpr int kRowsInFlight = 8;

}  // namespace

StatusRefresher::StatusRefresher(ProjectorTableModel& model, const HostSession& session, QObject* parent)
    : QObject(parent),
      m_model(model),
      m_session(session),
      m_all(std::make_unique<fleet::Engine>(EngineOptions(session, kWholeListInFlight))),
      m_rows(std::make_unique<fleet::Engine>(EngineOptions(session, kRowsInFlight))) {}

StatusRefresher::~StatusRefresher() {
  // The engines cancel and wait for their workers; what the workers posted
  // to this object is dropped with it.
  m_all.reset();
  m_rows.reset();
}

StatusRefresher::Job StatusRefresher::MakeJob(const std::vector<int>& rows) const {
  Job job;
  for (const int row : rows) {
    if (row < 0 || row >= m_model.rowCount() || m_model.Damaged(row)) continue;
    job.entries.push_back(m_model.SessionRow(row).entry);
    job.ids.push_back(m_model.IdOf(row));
  }
  return job;
}

void StatusRefresher::Start(fleet::Engine& engine, Job job, bool whole) {
  const bool wasBusy = Busy();
  (whole ? m_allRunning : m_rowsRunning) = true;
  for (const ProjectorTableModel::RowId id : job.ids) m_model.SetQuerying(id, true);
  const std::vector<ProjectorTableModel::RowId> ids = job.ids;
  // Only read and written on this thread.
  auto cancelled = std::make_shared<bool>(false);
  (whole ? m_allCancelled : m_rowsCancelled) = cancelled;
  engine.ReadStatus(
      std::move(job.entries),
      [this, ids, cancelled](std::size_t index, const fleet::Status& status) {
        QMetaObject::invokeMethod(
            this,
            [this, id = ids.at(index), status, cancelled] {
              if (status.reached || !*cancelled) m_model.SetStatus(id, status);
            },
            Qt::QueuedConnection);
      },
      [this, whole, ids] {
        QMetaObject::invokeMethod(this, [this, whole, ids] { Finished(whole, ids); }, Qt::QueuedConnection);
      });
  if (!wasBusy) emit BusyChanged(true);
}

void StatusRefresher::Finished(bool whole, const std::vector<ProjectorTableModel::RowId>& ids) {
  // Rows cancelled before they were asked show what they showed before.
  for (const ProjectorTableModel::RowId id : ids) m_model.SetQuerying(id, false);
  (whole ? m_allRunning : m_rowsRunning) = false;
  if (whole && std::exchange(m_allAgain, false)) {
    RefreshAll();
  } else if (!whole && !m_rowsWaiting.empty()) {
    std::vector<int> rows;
    for (const ProjectorTableModel::RowId id : std::exchange(m_rowsWaiting, {})) rows.push_back(m_model.RowOf(id));
    RefreshRows(rows);
  }
  if (!Busy()) emit BusyChanged(false);
}

void StatusRefresher::RefreshAll() {
  if (m_allRunning) {
    // The engine would queue the new job behind the old one; the old one is
    // of no use any more, so it stops first.
    m_allAgain = true;
    CancelJob(true);
    return;
  }
  std::vector<int> rows(static_cast<std::size_t>(m_model.rowCount()));
  for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = static_cast<int>(i);
  Start(*m_all, MakeJob(rows), true);
}

void StatusRefresher::RefreshRows(const std::vector<int>& rows) {
  if (m_rowsRunning) {
    for (const int row : rows)
      if (row >= 0 && row < m_model.rowCount()) m_rowsWaiting.insert(m_model.IdOf(row));
    return;
  }
  Job job = MakeJob(rows);
  if (!job.ids.empty()) Start(*m_rows, std::move(job), false);
}

void StatusRefresher::RefreshAllNow() {
  Cancel();
  m_all->Wait();
  m_rows->Wait();
  QCoreApplication::sendPostedEvents(this);
  RefreshAll();
  m_all->Wait();
  QCoreApplication::sendPostedEvents(this);
}

void StatusRefresher::CancelJob(bool whole) {
  if (const std::shared_ptr<bool>& cancelled = whole ? m_allCancelled : m_rowsCancelled) *cancelled = true;
  (whole ? m_all : m_rows)->Cancel();
}

void StatusRefresher::Cancel() {
  m_allAgain = false;
  m_rowsWaiting.clear();
  CancelJob(true);
  CancelJob(false);
}

}  // namespace host
