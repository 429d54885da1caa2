#include "host/app/StatusRefresher.h"

#include <QMetaObject>

#include "host/app/HostText.h"
#include "host/core/PowerStatus.h"

namespace host {

StatusRefresher::StatusRefresher(ProjectorTableModel& model, const HostSession& session, QObject* parent)
    : QObject(parent), m_model(model), m_session(session) {}

StatusRefresher::~StatusRefresher() { JoinAll(); }

void StatusRefresher::JoinAll() {
  for (std::thread& thread : m_threads) thread.join();
  m_threads.clear();
}

void StatusRefresher::RefreshAll(Shown shown) {
  if (Busy()) return;
  JoinAll();
  const unsigned generation = ++m_generation;
  const beamlink::TransportFactory transports = m_session.Transports();
  const std::vector<HostSession::Row>& rows = m_session.Rows();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int row = static_cast<int>(i);
    if (shown == Shown::Loudly || rows[i].status.empty()) m_model.SetStatus(row, CatalogText(Msg(7, 33)));
    ++m_pending;
    m_threads.emplace_back([this, entry = rows[i].entry, transports, generation, row] {
      const PowerStatus status = QueryPowerStatus(entry, transports);
      QMetaObject::invokeMethod(
          this,
          [this, status, generation, row] {
            if (generation == m_generation) m_model.SetStatus(row, PowerStatusText(status));
            if (--m_pending == 0) emit BusyChanged(false);
          },
          Qt::QueuedConnection);
    });
  }
  if (m_pending > 0) emit BusyChanged(true);
}

void StatusRefresher::RefreshAllNow() {
  ++m_generation;
  const beamlink::TransportFactory transports = m_session.Transports();
  const std::vector<HostSession::Row>& rows = m_session.Rows();
  for (std::size_t i = 0; i < rows.size(); ++i)
    m_model.SetStatus(static_cast<int>(i), PowerStatusText(QueryPowerStatus(rows[i].entry, transports)));
}

}  // namespace host
