#include "host/app/MainWindow.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <utility>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QToolBar>

#include "host/app/DetailedSettings.h"
#include "host/app/EntryDialog.h"
#include "host/app/HelpActions.h"
#include "host/app/HostText.h"
#include "host/app/OperateActions.h"
#include "host/app/ProfileActions.h"
#include "host/app/Preferences.h"
#include "host/app/WindowSettings.h"

namespace host {

MainWindow::MainWindow(HostSession& session, QWidget* parent) : QMainWindow(parent), m_session(session) {
  setWindowTitle(HostText(Msg(7, 1)));
  m_model = new ProjectorTableModel(session, this);
  m_model->SetLimits(LoadMaintenanceLimits());
  m_filter = new ProjectorFilter(this);
  m_filter->setSourceModel(m_model);
  m_status = new StatusRefresher(*m_model, session, this);
  m_operation = new OperationRunner(*m_model, session, this);

  m_table = new QTableView;
  m_table->setObjectName("projectors");
  m_table->setModel(m_filter);
  m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
  m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // The list's order until a header is clicked.
  m_table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  m_table->setSortingEnabled(true);
  m_table->verticalHeader()->hide();
  m_table->horizontalHeader()->setStretchLastSection(true);
  m_table->horizontalHeader()->setSectionsMovable(true);
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
  auto* preferences = new QAction(HostText(Msg(7, 136)), this);
  auto* quit = new QAction(HostText(Msg(7, 11)), this);
  quit->setShortcut(QKeySequence::Quit);
  auto* findAction = new QAction(HostText(Msg(7, 135)), this);
  findAction->setShortcut(QKeySequence::Find);
  auto* documentation = new QAction(HostText(Msg(7, 141)), this);
  documentation->setShortcut(QKeySequence::HelpContents);
  auto* about = new QAction(HostText(Msg(7, 142)), this);

  connect(m_add, &QAction::triggered, this, &MainWindow::AddProjector);
  connect(m_edit, &QAction::triggered, this, &MainWindow::EditProjector);
  connect(m_remove, &QAction::triggered, this, &MainWindow::RemoveProjector);
  connect(m_settings, &QAction::triggered, this, &MainWindow::OpenDetailedSettings);
  connect(m_refresh, &QAction::triggered, this, &MainWindow::RefreshStatus);
  connect(preferences, &QAction::triggered, this, &MainWindow::EditPreferences);
  connect(quit, &QAction::triggered, this, &QWidget::close);
  connect(documentation, &QAction::triggered, this, [this] { OpenUserDocumentation(this); });
  connect(about, &QAction::triggered, this, [this] { ShowAbout(this); });
  connect(m_table, &QTableView::doubleClicked, this, &MainWindow::OpenDetailedSettings);
  connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this, &MainWindow::UpdateActions);
  connect(m_table->selectionModel(), &QItemSelectionModel::currentChanged, this, &MainWindow::UpdateActions);
  connect(m_model, &QAbstractItemModel::rowsInserted, this, &MainWindow::UpdateActions);
  connect(m_model, &QAbstractItemModel::rowsRemoved, this, &MainWindow::UpdateActions);
  connect(m_model, &QAbstractItemModel::modelReset, this, &MainWindow::UpdateActions);

  QMenu* menu = menuBar()->addMenu(HostText(Msg(7, 12)));
  menu->addActions({m_add, m_edit, m_remove});
  menu->addSeparator();
  menu->addActions({m_settings, m_refresh, findAction});
  menu->addSeparator();
  menu->addActions({preferences, quit});

  QToolBar* tools = addToolBar(HostText(Msg(7, 12)));
  tools->setObjectName("projectorToolBar");
  tools->setMovable(false);
  tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
  tools->addActions({m_add, m_edit, m_remove});
  tools->addSeparator();
  tools->addActions({m_settings, m_refresh});

  m_operate = new OperateActions(*this);
  connect(m_operate, &OperateActions::Requested, this, &MainWindow::StartOperation);
  connect(m_operate, &OperateActions::CancelRequested, m_operation, &OperationRunner::Cancel);
  connect(m_operation, &OperationRunner::Progress, this, &MainWindow::OperationProgress);
  connect(m_operation, &OperationRunner::Ended, this, &MainWindow::OperationEnded);

  auto* profiles = new ProfileActions(*this, [this] {
    std::vector<ProjectorEntry> entries;
    for (int row : SelectedRows())
      if (!m_model->Damaged(row)) entries.push_back(m_model->SessionRow(row).entry);
    return entries;
  }, profile::WorkerOptions{.loopbackOnly = m_session.LoopbackOnly()});
  menuBar()->addMenu(profiles->Menu());

  QMenu* help = menuBar()->addMenu(HostText(Msg(7, 140)));
  help->addActions({documentation, about});

  // The filter: name or group, as typed.
  QToolBar* filterBar = addToolBar(HostText(Msg(7, 135)));
  filterBar->setObjectName("filterToolBar");
  filterBar->setMovable(false);
  m_filterBox = new QLineEdit;
  m_filterBox->setObjectName("filter");
  m_filterBox->setPlaceholderText(HostText(Msg(7, 134)));
  m_filterBox->setClearButtonEnabled(true);
  m_filterBox->setMaximumWidth(260);
  filterBar->addWidget(m_filterBox);
  connect(m_filterBox, &QLineEdit::textChanged, m_filter, &ProjectorFilter::SetText);
  connect(findAction, &QAction::triggered, this, [this] {
    m_filterBox->setFocus(Qt::ShortcutFocusReason);
    m_filterBox->selectAll();
  });

  BuildStatusBar();
  m_table->setFocus();  // the keys work on the list from the start, not on the filter
  if (m_model->rowCount() > 0) m_table->selectRow(0);
  RestoreLayout();
  UpdateActions();

  m_backgroundRefresh = new QTimer(this);
  m_backgroundRefresh->setInterval(kStatusRefreshMs);
  connect(m_backgroundRefresh, &QTimer::timeout, this, &MainWindow::RefreshInBackground);
  m_backgroundRefresh->start();
  // The first reading as soon as the window is up, not at the first F5.
  QTimer::singleShot(0, this, [this] { m_status->RefreshAll(); });
}

void MainWindow::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  m_summary = new QLabel;
  m_summary->setObjectName("summary");
  bar->addWidget(m_summary, 1);
  m_progress = new QProgressBar;
  m_progress->setObjectName("progress");
  m_progress->setMaximumWidth(200);
  m_progress->hide();
  m_cancel = new QPushButton(HostText(Msg(7, 147)));
  m_cancel->setObjectName("cancel");
  m_cancel->hide();
  connect(m_cancel, &QPushButton::clicked, m_operation, &OperationRunner::Cancel);
  // Permanent: a menu's status tips never hide where the list comes from.
  QString where;
  if (m_session.GetMode() == HostSession::Mode::Demo)
    where = HostText(Msg(7, 36));
  else if (m_session.SavesChanges())
    where = HostText(Msg(7, 40), m_session.Store().File().string());
  else
    where = HostText(Msg(7, 51), m_session.Store().File().string());
  auto* list = new QLabel(where);
  list->setObjectName("listFile");
  bar->addPermanentWidget(m_progress);
  bar->addPermanentWidget(m_cancel);
  bar->addPermanentWidget(list);
}

void MainWindow::RestoreLayout() {
  const QSettings settings = HostSettings();
  resize(1100, 460);
  restoreGeometry(settings.value("window/geometry").toByteArray());
  if (!m_table->horizontalHeader()->restoreState(settings.value("window/columns").toByteArray()))
    m_table->resizeColumnsToContents();
}

void MainWindow::SaveLayout() {
  QSettings settings = HostSettings();
  settings.setValue("window/geometry", saveGeometry());
  settings.setValue("window/columns", m_table->horizontalHeader()->saveState());
}

void MainWindow::closeEvent(QCloseEvent* event) {
  SaveLayout();
  QMainWindow::closeEvent(event);
}

void MainWindow::RefreshInBackground() {
  if (!isVisible() || isMinimized() || m_dialogsOpen > 0 || m_status->Busy() || m_operation->Running()) return;
  m_status->RefreshAll();
}

// Also on stderr, where a user who started the host from a terminal, or a
// log, keeps it after the box is gone.
void MainWindow::ShowNotices() {
  for (const std::string& notice : m_session.TakeNotices()) {
    std::fprintf(stderr, "expert-host: %s\n", notice.c_str());
    QMessageBox::warning(this, HostText(Msg(7, 1)), QString::fromStdString(notice));
  }
}

std::vector<int> MainWindow::SelectedRows() const {
  std::vector<std::pair<int, int>> rows;  // table row, model row
  for (const QModelIndex& index : m_table->selectionModel()->selectedRows())
    rows.emplace_back(index.row(), m_filter->mapToSource(index).row());
  std::sort(rows.begin(), rows.end());
  std::vector<int> model;
  for (const auto& row : rows) model.push_back(row.second);
  return model;
}

int MainWindow::CurrentRow() const {
  const QModelIndex current = m_table->selectionModel()->currentIndex();
  if (current.isValid() && m_table->selectionModel()->isRowSelected(current.row(), {}))
    return m_filter->mapToSource(current).row();
  const std::vector<int> rows = SelectedRows();
  return rows.empty() ? -1 : rows.front();
}

void MainWindow::UpdateActions() {
  const int row = CurrentRow();
  m_edit->setEnabled(row >= 0);
  m_remove->setEnabled(row >= 0);
  m_settings->setEnabled(row >= 0 && !m_model->Damaged(row));
  // A refresh under way never takes F5 away: F5 starts it again.
  m_refresh->setEnabled(m_model->rowCount() > 0);

  // The inputs every selected projector has, in the order of the first one's
  // model, by the names the Input column and the dialog give them.
  std::vector<int> targets = SelectedRows();
  std::erase_if(targets, [this](int r) { return m_model->Damaged(r); });
  std::map<std::pair<int, int>, QStringList> inputsOfModel;
  QStringList shared;
  for (std::size_t i = 0; i < targets.size(); ++i) {
    const ProjectorEntry& entry = m_model->SessionRow(targets[i]).entry;
    const auto [known, added] = inputsOfModel.try_emplace({entry.modelType, entry.modelNo});
    if (added) {
      std::string unknownModel;
      if (const std::optional<CProjectorItem> item = MakeProjectorItem(entry, m_session.Database(), unknownModel))
        for (int input = 0; input < item->m_nInputCount && input < kHostInputSize; ++input)
          known->second << QString::fromStdString(item->m_szInputName[input]);
    }
    const QStringList& inputs = known->second;
    if (i == 0)
      shared = inputs;
    else
      shared.removeIf([&](const QString& input) { return !inputs.contains(input); });
  }
  m_operate->SetInputs(shared);
  m_operate->Update(!targets.empty(), m_operation->Running());
}

void MainWindow::ReportSaveFailure(bool saved, const std::string& error) {
  if (!saved) QMessageBox::critical(this, HostText(Msg(7, 1)), QString::fromStdString(error));
}

void MainWindow::AddProjector() {
  EntryDialog dialog(m_session.Database(), m_session.Rules(), nullptr, this);
  dialog.SetGroups(m_session.Groups());
  if (WithoutBackgroundRefresh([&] { return dialog.exec(); }) != QDialog::Accepted) return;
  std::string error;
  ReportSaveFailure(m_model->Add(dialog.Entry(), error), error);
  const int row = m_model->rowCount() - 1;
  m_table->clearSelection();
  m_table->selectRow(m_filter->mapFromSource(m_model->index(row, 0)).row());
  m_status->RefreshRows({row});
  UpdateActions();
}

void MainWindow::EditProjector() {
  const int row = CurrentRow();
  if (row < 0) return;
  const HostSession::Row& edited = m_model->SessionRow(row);
  EntryDialog dialog(m_session.Database(), m_session.Rules(), &edited.entry, this);
  dialog.SetGroups(m_session.Groups());
  if (!edited.damage.empty()) dialog.SetDamage(edited.damage);
  if (WithoutBackgroundRefresh([&] { return dialog.exec(); }) != QDialog::Accepted) return;
  std::string error;
  ReportSaveFailure(m_model->Replace(row, dialog.Entry(), error), error);
  m_status->RefreshRows({row});
  UpdateActions();
}

// Every selected row, damaged ones included, after one question.
void MainWindow::RemoveProjector() {
  const std::vector<int> rows = SelectedRows();
  if (rows.empty()) return;
  const QString question = rows.size() == 1 ? HostText(Msg(7, 13), m_model->SessionRow(rows.front()).entry.name)
                                            : HostText(Msg(7, 333), rows.size());
  const auto answer =
      WithoutBackgroundRefresh([&] { return QMessageBox::question(this, HostText(Msg(7, 1)), question); });
  if (answer != QMessageBox::Yes) return;
  // The row that comes where the first removed one was is selected after.
  int first = m_filter->rowCount();
  for (const QModelIndex& index : m_table->selectionModel()->selectedRows()) first = std::min(first, index.row());
  std::string error;
  ReportSaveFailure(m_model->Remove(rows, error), error);
  if (const int left = m_filter->rowCount(); left > 0) m_table->selectRow(std::min(first, left - 1));
  UpdateActions();
}

void MainWindow::OpenDetailedSettings() {
  const int row = CurrentRow();
  if (row < 0 || m_model->Damaged(row)) return;
  // A copy: the list may not change while the dialog runs, but the entry must
  // outlive any change anyway.
  const ProjectorEntry entry = m_model->SessionRow(row).entry;
  const ProjectorTableModel::RowId id = m_model->IdOf(row);
  std::string error;
  // The dialog has the projector to itself while it runs.
  m_status->Cancel();
  if (!WithoutBackgroundRefresh([&] { return RunDetailedSettings(m_session, entry, error); }))
    QMessageBox::critical(this, HostText(Msg(7, 1)), QString::fromStdString(error));
  // What the dialog changed shows at once.
  m_status->RefreshRows({m_model->RowOf(id)});
}

void MainWindow::RefreshStatus() { m_status->RefreshAll(); }

void MainWindow::EditPreferences() {
  PreferencesDialog dialog(LoadMaintenanceLimits(), this);
  if (WithoutBackgroundRefresh([&] { return dialog.exec(); }) != QDialog::Accepted) return;
  SaveMaintenanceLimits(dialog.Limits());
  m_model->SetLimits(dialog.Limits());
}

void MainWindow::StartOperation(const fleet::Operation& operation) {
  std::vector<int> rows = SelectedRows();
  std::erase_if(rows, [this](int r) { return m_model->Damaged(r); });
  if (rows.empty() || m_operation->Running()) return;
  if (operation.action == fleet::Action::PowerOff && rows.size() > 1) {
    const auto answer = WithoutBackgroundRefresh([&] {
      return QMessageBox::question(this, HostText(Msg(7, 1)), HostText(Msg(7, 127), static_cast<int>(rows.size())));
    });
    if (answer != QMessageBox::Yes) return;
  }
  m_summary->clear();
  if (!m_operation->Start(operation, rows)) return;
  m_progress->show();
  m_cancel->show();
  UpdateActions();
}

void MainWindow::OperationProgress(int finished, int total) {
  m_progress->setRange(0, total);
  m_progress->setValue(finished);
  m_progress->setFormat(HostText(Msg(7, 128), finished, total));
}

void MainWindow::OperationEnded(const QString& summary, const std::vector<int>& rows) {
  m_progress->hide();
  m_cancel->hide();
  m_summary->setText(summary);
  UpdateActions();
  // The status columns follow what was done.
  m_status->RefreshRows(rows);
}

}  // namespace host
