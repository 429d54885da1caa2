#pragma once
// The main window's table: one row per projector of the session, columns
// name, model, connection and status.
#include <QAbstractTableModel>

#include "host/core/HostSession.h"

namespace host {

class ProjectorTableModel : public QAbstractTableModel {
 public:
  enum Column { kName, kModel, kConnection, kStatus, kColumnCount };

  explicit ProjectorTableModel(HostSession& session, QObject* parent = nullptr)
      : QAbstractTableModel(parent), m_session(session) {}

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // Changes go through here so that the views follow.
  bool Add(ProjectorEntry entry, std::string& error);
  bool Replace(int row, ProjectorEntry entry, std::string& error);
  bool Remove(int row, std::string& error);
  void SetStatus(int row, const std::string& status);

 private:
  HostSession& m_session;
};

}  // namespace host
