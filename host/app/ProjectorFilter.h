#pragma once
// What the table shows of the list: the rows whose name or group contains
// the filter box's text (case ignored), in the order of the column sorted on.
#include <QSortFilterProxyModel>

namespace host {

class ProjectorFilter : public QSortFilterProxyModel {
 public:
  explicit ProjectorFilter(QObject* parent = nullptr);
  void SetText(const QString& text);

 protected:
  bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

 private:
  QString m_text;
};

}  // namespace host
