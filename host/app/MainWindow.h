#pragma once
// The host's main window: the projector table, and the actions on it (add,
// edit, remove, detailed settings, refresh status).
#include <QMainWindow>

#include "host/app/ProjectorTableModel.h"
#include "host/app/StatusRefresher.h"

class QAction;
class QTableView;

namespace host {

class MainWindow : public QMainWindow {
 public:
  explicit MainWindow(HostSession& session, QWidget* parent = nullptr);

  // Tells the user what happened to the list file (message boxes); call once
  // the window shows.
  void ShowNotices();
  StatusRefresher& Status() { return *m_status; }
  QTableView& Table() { return *m_table; }

 private:
  void AddProjector();
  void EditProjector();
  void RemoveProjector();
  void OpenDetailedSettings();
  void RefreshStatus();

  int CurrentRow() const;
  void UpdateActions();
  void ReportSaveFailure(bool saved, const std::string& error);

  HostSession& m_session;
  ProjectorTableModel* m_model;
  StatusRefresher* m_status;
  QTableView* m_table;
  QAction* m_add;
  QAction* m_edit;
  QAction* m_remove;
  QAction* m_settings;
  QAction* m_refresh;
};

}  // namespace host
