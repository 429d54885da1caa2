#include "host/app/OperationRunner.h"

#include <algorithm>

#include <QMetaObject>

#include "host/app/HostText.h"

namespace host {

OperationRunner::OperationRunner(ProjectorTableModel& model, const HostSession& session, QObject* parent)
    : QObject(parent), m_model(model) {
  fleet::Options options;
  options.transports = session.Transports();
  options.database = &session.Database();
  m_engine = std::make_unique<fleet::Engine>(options);
}

OperationRunner::~OperationRunner() { m_engine.reset(); }

bool OperationRunner::Start(const fleet::Operation& operation, const std::vector<int>& rows) {
  if (m_running) return false;
  std::vector<ProjectorEntry> entries;
  m_ids.clear();
  for (const int row : rows) {
    if (row < 0 || row >= m_model.rowCount() || m_model.Damaged(row)) continue;
    entries.push_back(m_model.SessionRow(row).entry);
    m_ids.push_back(m_model.IdOf(row));
  }
  if (m_ids.empty()) return false;
  m_running = true;
  m_finished = m_done = m_notReached = 0;
  m_refused.clear();
  m_arrived.assign(m_ids.size(), false);
  for (const ProjectorTableModel::RowId id : m_ids) m_model.SetResult(id, HostText(Msg(7, 115)));
  m_engine->Apply(
      operation, std::move(entries),
      [this](std::size_t index, const fleet::Result& result) {
        QMetaObject::invokeMethod(this, [this, index, result] { Arrived(index, result); }, Qt::QueuedConnection);
      },
      [this] { QMetaObject::invokeMethod(this, [this] { Done(); }, Qt::QueuedConnection); });
  emit Progress(0, Total());
  return true;
}

void OperationRunner::Cancel() {
  if (m_running) m_engine->Cancel();
}

namespace {

// A refusal in the user's language; a reason the window does not know by
// name (a model database fault, an input the projector lacks) as the engine
// words it.
std::string RefusalText(const fleet::Result& result) {
  switch (result.refusal) {
    case fleet::Refusal::WrongPassword: return CatalogText(Msg(7, 340));
    case fleet::Refusal::PasswordRequired: return CatalogText(Msg(7, 341));
    case fleet::Refusal::NotSupported: return CatalogText(Msg(7, 342));
    case fleet::Refusal::PowerOff: return CatalogText(Msg(7, 343));
    case fleet::Refusal::OutOfRange: return CatalogText(Msg(7, 344));
    case fleet::Refusal::CoolingDown: return CatalogText(Msg(7, 345));
    case fleet::Refusal::WarmingUp: return CatalogText(Msg(7, 346));
    case fleet::Refusal::Busy: return CatalogText(Msg(7, 347));
    case fleet::Refusal::Other: break;
  }
  return result.error;
}

}  // namespace

void OperationRunner::Arrived(std::size_t index, const fleet::Result& result) {
  if (index >= m_ids.size() || m_arrived[index]) return;
  m_arrived[index] = true;
  QString text;
  switch (result.outcome) {
    case fleet::Outcome::Done:
      ++m_done;
      text = HostText(Msg(7, 113));
      break;
    case fleet::Outcome::Refused: {
      const std::string reason = RefusalText(result);
      text = HostText(Msg(7, 114), reason);
      auto known =
          std::find_if(m_refused.begin(), m_refused.end(), [&](const auto& counted) { return counted.first == reason; });
      if (known == m_refused.end())
        m_refused.emplace_back(reason, 1);
      else
        ++known->second;
      break;
    }
    case fleet::Outcome::NotReached:
      ++m_notReached;
      text = HostText(Msg(7, 32), result.error);
      break;
  }
  m_model.SetResult(m_ids[index], text);
  emit Progress(++m_finished, Total());
}

void OperationRunner::Done() {
  m_running = false;
  std::vector<int> rows;
  for (std::size_t i = 0; i < m_ids.size(); ++i) {
    if (!m_arrived[i]) m_model.SetResult(m_ids[i], HostText(Msg(7, 116)));  // skipped by Cancel
    if (const int row = m_model.RowOf(m_ids[i]); row >= 0) rows.push_back(row);
  }
  emit Ended(Summary(), rows);
}

QString OperationRunner::Summary() const {
  QStringList parts;
  if (m_done > 0) parts << HostText(Msg(7, 129), m_done);
  for (const auto& [reason, count] : m_refused) parts << HostText(Msg(7, 130), count, reason);
  if (m_notReached > 0) parts << HostText(Msg(7, 131), m_notReached);
  if (const int skipped = Total() - m_finished; skipped > 0) parts << HostText(Msg(7, 132), skipped);
  return parts.join(HostText(Msg(7, 133)));
}

}  // namespace host
