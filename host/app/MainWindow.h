#pragma once
// The host's main window: the projector table (several rows may be
// selected, sorted by any column, filtered by name or group), the actions on
// one entry (add, edit, detailed settings), Remove of the selected entries,
// the status of every projector kept current in the background, and
// operations on the selection with their progress, results and summary.
#include <vector>

#include <QMainWindow>

#include "host/app/OperationRunner.h"
#include "host/app/ProjectorFilter.h"
#include "host/app/ProjectorTableModel.h"
#include "host/app/StatusRefresher.h"

class QAction;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;
class QTimer;

namespace host {

class OperateActions;

class MainWindow : public QMainWindow {
 public:
  explicit MainWindow(HostSession& session, QWidget* parent = nullptr);

  // Tells the user what happened to the list file (message boxes); call once
  // the window shows.
  void ShowNotices();
  StatusRefresher& Status() { return *m_status; }
  OperationRunner& Operation() { return *m_operation; }
  ProjectorTableModel& Model() { return *m_model; }
  QTableView& Table() { return *m_table; }
  // The model's rows selected in the table, in table order.
  std::vector<int> SelectedRows() const;
  void StartOperation(const fleet::Operation& operation);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void AddProjector();
  void EditProjector();
  void RemoveProjector();
  void OpenDetailedSettings();
  void RefreshStatus();
  void EditPreferences();
  // The status columns keep themselves current while the window is on
  // screen and no dialog of the host runs.
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

  void BuildStatusBar();
  void RestoreLayout();
  void SaveLayout();
  // The model's row of the current row when it is selected; -1 for none.
  int CurrentRow() const;
  void UpdateActions();
  void OperationProgress(int finished, int total);
  void OperationEnded(const QString& summary, const std::vector<int>& rows);
  void ReportSaveFailure(bool saved, const std::string& error);

  HostSession& m_session;
  ProjectorTableModel* m_model;
  ProjectorFilter* m_filter;
  StatusRefresher* m_status;
  OperationRunner* m_operation;
  OperateActions* m_operate;
  QTableView* m_table;
  QLineEdit* m_filterBox;
  QAction* m_add;
  QAction* m_edit;
  QAction* m_remove;
  QAction* m_settings;
  QAction* m_refresh;
  QLabel* m_summary;
  QProgressBar* m_progress;
  QPushButton* m_cancel;
  QTimer* m_backgroundRefresh;
  int m_dialogsOpen = 0;
};

// How often the status columns are read again while the window shows.
inline constexpr int kStatusRefreshMs = 5000;

}  // namespace host
