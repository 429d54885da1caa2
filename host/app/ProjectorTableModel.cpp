#include "host/app/ProjectorTableModel.h"

#include <QFont>

#include "host/app/HostText.h"

namespace host {

int ProjectorTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(m_session.Rows().size());
}

int ProjectorTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

QVariant ProjectorTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const HostSession::Row& row = m_session.Rows()[static_cast<std::size_t>(index.row())];
  switch (role) {
    case Qt::DisplayRole:
      switch (index.column()) {
        case kName:
          return QString::fromStdString(row.entry.name);
        case kModel:
          return QString::fromStdString(ModelText(row.entry, m_session.Database()));
        case kConnection:
          return QString::fromStdString(ConnectionText(row.entry));
        case kStatus:
          return QString::fromStdString(row.status);
      }
      return {};
    case Qt::ToolTipRole:
      if (row.entry.demo) return HostText(Msg(7, 35), ConnectionText(row.entry));
      if (index.column() == kStatus) return QString::fromStdString(row.status);
      return {};
    case Qt::FontRole:
      if (row.entry.demo && index.column() == kName) {
        QFont font;
        font.setItalic(true);
        return font;
      }
      return {};
    default:
      return {};
  }
}

QVariant ProjectorTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  switch (section) {
    case kName:
      return HostText(Msg(7, 2));
    case kModel:
      return HostText(Msg(7, 3));
    case kConnection:
      return HostText(Msg(7, 4));
    case kStatus:
      return HostText(Msg(7, 5));
  }
  return {};
}

bool ProjectorTableModel::Add(ProjectorEntry entry, std::string& error) {
  const int row = rowCount();
  beginInsertRows({}, row, row);
  const bool saved = m_session.Add(std::move(entry), error);
  endInsertRows();
  return saved;
}

bool ProjectorTableModel::Replace(int row, ProjectorEntry entry, std::string& error) {
  const bool saved = m_session.Replace(static_cast<std::size_t>(row), std::move(entry), error);
  emit dataChanged(index(row, 0), index(row, kColumnCount - 1));
  return saved;
}

bool ProjectorTableModel::Remove(int row, std::string& error) {
  beginRemoveRows({}, row, row);
  const bool saved = m_session.Remove(static_cast<std::size_t>(row), error);
  endRemoveRows();
  return saved;
}

void ProjectorTableModel::SetStatus(int row, const std::string& status) {
  if (row < 0 || row >= rowCount()) return;
  m_session.SetStatus(static_cast<std::size_t>(row), status);
  emit dataChanged(index(row, kStatus), index(row, kStatus));
}

}  // namespace host
