#pragma once
// The host's main window: the projector table, and the actions on it (add,
// edit, remove, detailed settings, refresh status).
#include <QMainWindow>

#include "host/app/ProjectorTableModel.h"
#include "host/app/StatusRefresher.h"

class QAction;
class QTableView;
class QTimer;

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
  // The status column keeps itself current while the window is on screen
  // and no dialog of the host runs.
  void RefreshInBackground();
  // Runs a modal dialog of the host; no background refresh meanwhile.
  template <class Run>
  auto WithoutBackgroundRefresh(Run run) {
    ++m_dialogsOpen;
    struct Closer {
      int& open;
      ~Closer() { --open; }
    } closer{m_dialogsOpen};
    return run();
  }

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
  QTimer* m_backgroundRefresh;
  int m_dialogsOpen = 0;
};

// How often the status column is read again while the window shows.
inline constexpr int kStatusRefreshMs = 5000;

}  // namespace host
