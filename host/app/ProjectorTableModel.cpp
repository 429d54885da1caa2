#include "host/app/ProjectorTableModel.h"

#include <algorithm>

#include <QApplication>
#include <QFont>
#include <QStyle>

#include "host/app/HostText.h"

namespace host {
namespace {

QString PowerText(fleet::Power power) {
  switch (power) {
    case fleet::Power::Off:
      return HostText(Msg(7, 29));
    case fleet::Power::On:
      return HostText(Msg(7, 28));
    case fleet::Power::Cooling:
      return HostText(Msg(7, 30));
    case fleet::Power::Warming:
      return HostText(Msg(7, 107));
  }
  return {};
}

QString ErrorsText(const std::vector<std::string>& errors) {
  if (errors.empty()) return HostText(Msg(7, 109));
  QStringList texts;
  for (const std::string& error : errors) texts << QString::fromStdString(error);
  return texts.join(HostText(Msg(7, 133)));
}

}  // namespace

ProjectorTableModel::ProjectorTableModel(HostSession& session, QObject* parent)
    : QAbstractTableModel(parent), m_session(session) {
  m_states.resize(session.Rows().size());
  for (RowState& state : m_states) state.id = m_nextId++;
}

int ProjectorTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(m_session.Rows().size());
}

int ProjectorTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

int ProjectorTableModel::RowOf(RowId id) const {
  for (std::size_t i = 0; i < m_states.size(); ++i)
    if (m_states[i].id == id) return static_cast<int>(i);
  return -1;
}

QVariant ProjectorTableModel::Display(int row, int column) const {
  const HostSession::Row& entryRow = SessionRow(row);
  const ProjectorEntry& entry = entryRow.entry;
  const RowState& state = m_states[static_cast<std::size_t>(row)];
  switch (column) {
    case kName:
      return QString::fromStdString(entry.name);
    case kGroup:
      return QString::fromStdString(entry.group);
    case kModel:
      return QString::fromStdString(ModelText(entry, m_session.Database()));
    case kConnection:
      return QString::fromStdString(ConnectionText(entry));
    case kResult:
      return state.result;
    default:
      break;
  }
  // The status columns. A damaged entry is never asked; a row not reached
  // says why where its power would be.
  if (!entryRow.damage.empty()) return column == kPower ? HostText(Msg(7, 108), entryRow.damage) : QVariant();
  if (!state.status) return column == kPower && state.querying ? HostText(Msg(7, 33)) : QVariant();
  const fleet::Status& status = *state.status;
  if (!status.reached) return column == kPower ? HostText(Msg(7, 32), status.error) : QVariant();
  switch (column) {
    case kPower:
      return status.power ? PowerText(*status.power) : QVariant();
    case kInput:
      return status.input ? QString::fromStdString(*status.input) : QVariant();
    case kLampHours:
      return status.lampHours ? QVariant::fromValue(static_cast<qlonglong>(*status.lampHours)) : QVariant();
    case kFilterHours:
      return status.filterHours ? QVariant::fromValue(static_cast<qlonglong>(*status.filterHours)) : QVariant();
    case kErrors:
      return status.errors ? ErrorsText(*status.errors) : QVariant();
  }
  return {};
}

QStringList ProjectorTableModel::MaintenanceProblems(int row) const {
  QStringList problems;
  const std::optional<fleet::Status>& status = StatusOf(row);
  if (!status || !status->reached) return problems;
  if (status->lampHours && *status->lampHours > m_limits.lampHours)
    problems << HostText(Msg(7, 110), static_cast<int>(*status->lampHours), m_limits.lampHours);
  if (status->filterHours && *status->filterHours > m_limits.filterHours)
    problems << HostText(Msg(7, 111), static_cast<int>(*status->filterHours), m_limits.filterHours);
  if (status->errors && !status->errors->empty())
    problems << HostText(Msg(7, 112), ErrorsText(*status->errors).toStdString());
  return problems;
}

// What the row's marks and status mean, in whole sentences.
QStringList ProjectorTableModel::RowNotes(int row) const {
  const HostSession::Row& entryRow = SessionRow(row);
  if (!entryRow.damage.empty()) return {HostText(Msg(7, 108), entryRow.damage)};
  QStringList lines = MaintenanceProblems(row);
  const std::optional<fleet::Status>& status = StatusOf(row);
  if (status && !status->reached) lines << HostText(Msg(7, 32), status->error);
  if (entryRow.entry.demo) lines << HostText(Msg(7, 35), ConnectionText(entryRow.entry));
  return lines;
}

QVariant ProjectorTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const int row = index.row();
  switch (role) {
    case Qt::DisplayRole:
      return Display(row, index.column());
    case kSortRole: {
      const QVariant shown = Display(row, index.column());
      // Rows without a reading sort below every number.
      if (index.column() == kLampHours || index.column() == kFilterHours)
        return shown.isValid() ? shown : QVariant::fromValue(qlonglong{-1});
      return shown.toString();
    }
    case Qt::ToolTipRole: {
      // The cell's whole text first (a narrow column cuts a reason short),
      // then the row's notes that it does not already say.
      QStringList lines;
      if (const QString shown = Display(row, index.column()).toString(); !shown.isEmpty()) lines << shown;
      for (const QString& note : RowNotes(row))
        if (!lines.contains(note)) lines << note;
      return lines.isEmpty() ? QVariant() : QVariant(lines.join('\n'));
    }
    case Qt::DecorationRole:
      if (index.column() != kName) return {};
      if (Damaged(row)) return QApplication::style()->standardIcon(QStyle::SP_MessageBoxCritical);
      if (!MaintenanceProblems(row).isEmpty()) return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
      return {};
    case Qt::FontRole:
      if (SessionRow(row).entry.demo && index.column() == kName) {
        QFont font;
        font.setItalic(true);
        return font;
      }
      return {};
    case Qt::TextAlignmentRole:
      if (index.column() == kLampHours || index.column() == kFilterHours)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
      return {};
    default:
      return {};
  }
}

QVariant ProjectorTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  static constexpr CatMsg kHeaders[kColumnCount] = {Msg(7, 2),   Msg(7, 100), Msg(7, 3),   Msg(7, 4),   Msg(7, 101),
                                                    Msg(7, 102), Msg(7, 103), Msg(7, 104), Msg(7, 105), Msg(7, 106)};
  if (section < 0 || section >= kColumnCount) return {};
  return HostText(kHeaders[section]);
}

bool ProjectorTableModel::Add(ProjectorEntry entry, std::string& error) {
  const int row = rowCount();
  beginInsertRows({}, row, row);
  const bool saved = m_session.Add(std::move(entry), error);
  m_states.push_back({m_nextId++, {}, false, {}});
  endInsertRows();
  return saved;
}

bool ProjectorTableModel::Replace(int row, ProjectorEntry entry, std::string& error) {
  const bool saved = m_session.Replace(static_cast<std::size_t>(row), std::move(entry), error);
  ChangedRow(row);
  return saved;
}

bool ProjectorTableModel::Remove(std::vector<int> rows, std::string& error) {
  std::erase_if(rows, [this](int row) { return row < 0 || row >= rowCount(); });
  if (rows.empty()) return true;
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  // The list is written once for all of them, so the rows cannot leave one
  // removal at a time: the views hear of a reset, which keeps their columns.
  beginResetModel();
  const bool saved = m_session.Remove(std::vector<std::size_t>(rows.begin(), rows.end()), error);
  for (auto row = rows.rbegin(); row != rows.rend(); ++row) m_states.erase(m_states.begin() + *row);
  endResetModel();
  return saved;
}

void ProjectorTableModel::ChangedRow(int row) { emit dataChanged(index(row, 0), index(row, kColumnCount - 1)); }

void ProjectorTableModel::SetQuerying(RowId id, bool querying) {
  const int row = RowOf(id);
  if (row < 0 || m_states[static_cast<std::size_t>(row)].querying == querying) return;
  m_states[static_cast<std::size_t>(row)].querying = querying;
  ChangedRow(row);
}

void ProjectorTableModel::SetStatus(RowId id, const fleet::Status& status) {
  const int row = RowOf(id);
  if (row < 0) return;
  RowState& state = m_states[static_cast<std::size_t>(row)];
  state.status = status;
  state.querying = false;
  ChangedRow(row);
}

void ProjectorTableModel::SetResult(RowId id, const QString& result) {
  const int row = RowOf(id);
  if (row < 0) return;
  m_states[static_cast<std::size_t>(row)].result = result;
  emit dataChanged(index(row, kResult), index(row, kResult));
}

void ProjectorTableModel::SetLimits(MaintenanceLimits limits) {
  if (limits == m_limits) return;
  m_limits = limits;
  if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1));
}

}  // namespace host
