#include "host/app/ProjectorFilter.h"

#include "host/app/ProjectorTableModel.h"

namespace host {

ProjectorFilter::ProjectorFilter(QObject* parent) : QSortFilterProxyModel(parent) {
  setSortRole(ProjectorTableModel::kSortRole);
  setSortCaseSensitivity(Qt::CaseInsensitive);
  setSortLocaleAware(true);
}

void ProjectorFilter::SetText(const QString& text) {
  const QString trimmed = text.trimmed();
  if (trimmed == m_text) return;
  m_text = trimmed;
  invalidateRowsFilter();
}

bool ProjectorFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
  if (m_text.isEmpty()) return true;
  const QAbstractItemModel* model = sourceModel();
  for (const int column : {ProjectorTableModel::kName, ProjectorTableModel::kGroup})
    if (model->index(sourceRow, column, sourceParent).data().toString().contains(m_text, Qt::CaseInsensitive))
      return true;
  return false;
}

}  // namespace host
