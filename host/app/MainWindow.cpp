#include "host/app/MainWindow.h"

#include <cstdio>

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QKeySequence>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QToolBar>

#include "host/app/DetailedSettings.h"
#include "host/app/EntryDialog.h"
#include "host/app/HostText.h"

namespace host {

MainWindow::MainWindow(HostSession& session, QWidget* parent) : QMainWindow(parent), m_session(session) {
  setWindowTitle(HostText(Msg(7, 1)));
  m_model = new ProjectorTableModel(session, this);
  m_status = new StatusRefresher(*m_model, session, this);

  m_table = new QTableView;
  m_table->setModel(m_model);
  m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_table->setSelectionMode(QAbstractItemView::SingleSelection);
  m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_table->verticalHeader()->hide();
  m_table->horizontalHeader()->setStretchLastSection(true);
  m_table->setAlternatingRowColors(true);
  m_table->setWordWrap(false);
  setCentralWidget(m_table);

  m_add = new QAction(HostText(Msg(7, 6)), this);
  m_add->setShortcut(QKeySequence::New);
  m_edit = new QAction(HostText(Msg(7, 7)), this);
  m_remove = new QAction(HostText(Msg(7, 8)), this);
  m_remove->setShortcut(QKeySequence::Delete);
  m_settings = new QAction(HostText(Msg(7, 9)), this);
  m_settings->setShortcut(Qt::Key_Return);
  m_refresh = new QAction(HostText(Msg(7, 10)), this);
  m_refresh->setShortcut(QKeySequence::Refresh);
  auto* quit = new QAction(HostText(Msg(7, 11)), this);
  quit->setShortcut(QKeySequence::Quit);

  connect(m_add, &QAction::triggered, this, &MainWindow::AddProjector);
  connect(m_edit, &QAction::triggered, this, &MainWindow::EditProjector);
  connect(m_remove, &QAction::triggered, this, &MainWindow::RemoveProjector);
  connect(m_settings, &QAction::triggered, this, &MainWindow::OpenDetailedSettings);
  connect(m_refresh, &QAction::triggered, this, &MainWindow::RefreshStatus);
  connect(quit, &QAction::triggered, this, &QWidget::close);
  connect(m_table, &QTableView::doubleClicked, this, &MainWindow::OpenDetailedSettings);
  connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this, &MainWindow::UpdateActions);
  connect(m_status, &StatusRefresher::BusyChanged, this, &MainWindow::UpdateActions);

  QMenu* menu = menuBar()->addMenu(HostText(Msg(7, 12)));
  menu->addActions({m_add, m_edit, m_remove});
  menu->addSeparator();
  menu->addActions({m_settings, m_refresh});
  menu->addSeparator();
  menu->addAction(quit);

  QToolBar* tools = addToolBar(HostText(Msg(7, 12)));
  tools->setMovable(false);
  tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
  tools->addActions({m_add, m_edit, m_remove});
  tools->addSeparator();
  tools->addActions({m_settings, m_refresh});

  if (session.GetMode() == HostSession::Mode::Demo)
    statusBar()->showMessage(HostText(Msg(7, 36)));
  else if (session.SavesChanges())
    statusBar()->showMessage(HostText(Msg(7, 40), session.Store().File().string()));
  else
    statusBar()->showMessage(HostText(Msg(7, 51), session.Store().File().string()));

  if (m_model->rowCount() > 0) m_table->selectRow(0);
  m_table->resizeColumnsToContents();
  resize(960, 420);
  UpdateActions();

  m_backgroundRefresh = new QTimer(this);
  m_backgroundRefresh->setInterval(kStatusRefreshMs);
  connect(m_backgroundRefresh, &QTimer::timeout, this, &MainWindow::RefreshInBackground);
  m_backgroundRefresh->start();
  // The first reading as soon as the window is up, not at the first F5.
  QTimer::singleShot(0, this, [this] {
    m_status->RefreshAll(StatusRefresher::Shown::Quietly);
    UpdateActions();
  });
}

void MainWindow::RefreshInBackground() {
  if (!isVisible() || isMinimized() || m_dialogsOpen > 0 || m_status->Busy()) return;
  m_status->RefreshAll(StatusRefresher::Shown::Quietly);
}

// Also on stderr, where a user who started the host from a terminal, or a
// log, keeps it after the box is gone.
void MainWindow::ShowNotices() {
  for (const std::string& notice : m_session.TakeNotices()) {
    std::fprintf(stderr, "expert-host: %s\n", notice.c_str());
    QMessageBox::warning(this, HostText(Msg(7, 1)), QString::fromStdString(notice));
  }
}

int MainWindow::CurrentRow() const {
  const QModelIndexList rows = m_table->selectionModel()->selectedRows();
  return rows.isEmpty() ? -1 : rows.front().row();
}

void MainWindow::UpdateActions() {
  const bool selected = CurrentRow() >= 0;
  m_edit->setEnabled(selected);
  m_remove->setEnabled(selected);
  m_settings->setEnabled(selected);
  m_refresh->setEnabled(!m_status->Busy() && m_model->rowCount() > 0);
}

void MainWindow::ReportSaveFailure(bool saved, const std::string& error) {
  if (!saved) QMessageBox::critical(this, HostText(Msg(7, 1)), QString::fromStdString(error));
}

void MainWindow::AddProjector() {
  EntryDialog dialog(m_session.Database(), m_session.Rules(), nullptr, this);
  if (WithoutBackgroundRefresh([&] { return dialog.exec(); }) != QDialog::Accepted) return;
  m_status->Invalidate();
  std::string error;
  ReportSaveFailure(m_model->Add(dialog.Entry(), error), error);
  m_table->selectRow(m_model->rowCount() - 1);
  UpdateActions();
}

void MainWindow::EditProjector() {
  const int row = CurrentRow();
  if (row < 0) return;
  EntryDialog dialog(m_session.Database(), m_session.Rules(), &m_session.Rows()[static_cast<std::size_t>(row)].entry,
                     this);
  if (WithoutBackgroundRefresh([&] { return dialog.exec(); }) != QDialog::Accepted) return;
  m_status->Invalidate();
  std::string error;
  ReportSaveFailure(m_model->Replace(row, dialog.Entry(), error), error);
}

void MainWindow::RemoveProjector() {
  const int row = CurrentRow();
  if (row < 0) return;
  const std::string& name = m_session.Rows()[static_cast<std::size_t>(row)].entry.name;
  const auto answer = WithoutBackgroundRefresh(
      [&] { return QMessageBox::question(this, HostText(Msg(7, 1)), HostText(Msg(7, 13), name)); });
  if (answer != QMessageBox::Yes) return;
  m_status->Invalidate();
  std::string error;
  ReportSaveFailure(m_model->Remove(row, error), error);
  UpdateActions();
}

void MainWindow::OpenDetailedSettings() {
  const int row = CurrentRow();
  if (row < 0) return;
  // A copy: the list may not change while the dialog runs, but the entry must
  // outlive any change anyway.
  const ProjectorEntry entry = m_session.Rows()[static_cast<std::size_t>(row)].entry;
  std::string error;
  // The dialog has the projector to itself while it runs.
  if (!WithoutBackgroundRefresh([&] { return RunDetailedSettings(m_session, entry, error); }))
    QMessageBox::critical(this, HostText(Msg(7, 1)), QString::fromStdString(error));
}

void MainWindow::RefreshStatus() {
  m_status->RefreshAll();
  UpdateActions();
}

}  // namespace host
