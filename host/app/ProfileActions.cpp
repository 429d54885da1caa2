#include "host/app/ProfileActions.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QHeaderView>
#include <QMenu>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "host/profile/ProfileDiff.h"
#include "host/profile/ProfileFile.h"

namespace host {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

const QString kFilter = QStringLiteral("Settings profiles (*.json);;All files (*)");

QString Outcome(const profile::ApplyReport& report) {
  if (!report.error.empty()) return report.set ? "Stopped: " + Q(report.error) : "Not applied: " + Q(report.error);
  return QString("Set %1, unchanged %2, refused %3, unavailable %4")
      .arg(report.set)
      .arg(report.unchanged)
      .arg(report.refused.size())
      .arg(report.unavailable.size());
}

}  // namespace

ProfileActions::ProfileActions(QWidget& window, Selection selected, profile::WorkerOptions worker)
    : QObject(&window), m_window(window), m_selected(std::move(selected)), m_worker(std::move(worker)) {
  m_menu = new QMenu(QStringLiteral("Settings &profiles"), &window);
  connect(m_menu->addAction(QStringLiteral("&Save settings...")), &QAction::triggered, this, &ProfileActions::Save);
  connect(m_menu->addAction(QStringLiteral("&Compare with...")), &QAction::triggered, this, &ProfileActions::Compare);
  connect(m_menu->addAction(QStringLiteral("&Apply settings to selected...")), &QAction::triggered, this,
          &ProfileActions::Apply);
}

ProfileActions::~ProfileActions() {
  if (m_fleet) m_fleet->Cancel();
  m_fleet.reset();  // waits for the workers; their callbacks post to a dead object no more
}

std::optional<ProjectorEntry> ProfileActions::OneSelected() {
  const std::vector<ProjectorEntry> entries = m_selected();
  if (entries.size() == 1) return entries.front();
  Fail(QStringLiteral("Select one projector."));
  return std::nullopt;
}

void ProfileActions::Save() {
  if (Running()) return;
  const auto entry = OneSelected();
  if (!entry) return;
  const QString file = QFileDialog::getSaveFileName(&m_window, QStringLiteral("Save settings"),
                                                    Q(entry->name) + ".json", kFilter);
  if (!file.isEmpty()) StartSave(*entry, file);
}

void ProfileActions::Compare() {
  if (Running()) return;
  const auto entry = OneSelected();
  if (!entry) return;
  const QString file = QFileDialog::getOpenFileName(&m_window, QStringLiteral("Compare with"), {}, kFilter);
  if (!file.isEmpty()) StartCompare(*entry, file);
}

void ProfileActions::Apply() {
  if (Running()) return;
  std::vector<ProjectorEntry> entries = m_selected();
  if (entries.empty()) return Fail(QStringLiteral("Select the projectors to apply the settings to."));
  const QString file = QFileDialog::getOpenFileName(&m_window, QStringLiteral("Apply settings"), {}, kFilter);
  if (file.isEmpty()) return;
  if (QMessageBox::question(&m_window, QStringLiteral("Apply settings"),
                            QString("Apply the settings of %1 to %2 projectors?").arg(file).arg(entries.size())) !=
      QMessageBox::Yes)
    return;
  StartApply(file, std::move(entries));
}

void ProfileActions::StartSave(const ProjectorEntry& entry, const QString& file) {
  Begin(1, QStringLiteral("Saving the settings of ") + Q(entry.name));
  m_fleet->Save({entry}, [this, file, name = entry.name](std::size_t, const profile::CaptureResult& result) {
    QMetaObject::invokeMethod(this, [this, file, name, result] {
      Step();
      if (!result.profile) return End("Not saved: " + Q(result.error));
      try {
        profile::SaveProfile(file.toStdString(), *result.profile);
      } catch (const profile::ProfileError& error) {
        return End("Not saved: " + Q(error.what()));
      }
      End(QString("Saved %1 settings of %2 to %3").arg(result.profile->settings.size()).arg(Q(name), file));
    }, Qt::QueuedConnection);
  });
}

void ProfileActions::StartCompare(const ProjectorEntry& entry, const QString& file) {
  profile::Profile other;
  try {
    other = profile::LoadProfile(file.toStdString());
  } catch (const profile::ProfileError& error) {
    return Fail(Q(error.what()));
  }
  Begin(1, QStringLiteral("Reading the settings of ") + Q(entry.name));
  m_fleet->Save({entry}, [this, other, file, name = entry.name](std::size_t, const profile::CaptureResult& result) {
    QMetaObject::invokeMethod(this, [this, other, file, name, result] {
      Step();
      if (!result.profile) return End("Not compared: " + Q(result.error));
      m_results.clear();
      for (const profile::Difference& d : profile::DiffProfiles(*result.profile, other))
        m_results.push_back({Q(d.tab), Q(d.label), Q(d.from.value_or("(none)")), Q(d.to.value_or("(none)"))});
      End(m_results.empty() ? Q(name) + " has the settings of " + file
                            : QString("%1 settings differ").arg(m_results.size()));
      ShowResults("Compare " + Q(name) + " with " + file,
                  {QStringLiteral("Tab"), QStringLiteral("Setting"), Q(name), QFileInfo(file).fileName()});
    }, Qt::QueuedConnection);
  });
}

void ProfileActions::StartApply(const QString& file, std::vector<ProjectorEntry> entries) {
  // The whole file is checked before anything is sent to anyone.
  // The check walks the dialog headless: in a worker, as this process's display is the window's.
  profile::Profile wanted;
  try {
    wanted = profile::LoadProfile(file.toStdString());
  } catch (const profile::ProfileError& error) {
    return Fail(Q(error.what()));
  }
  if (const auto unfit = profile::CheckInWorker(wanted, file.toStdString(), m_worker)) return Fail(Q(*unfit));
  m_results.assign(entries.size(), QStringList{});
  for (std::size_t i = 0; i < entries.size(); ++i)
    m_results[i] = {Q(entries[i].name), QStringLiteral("Not started"), {}};
  Begin(static_cast<int>(entries.size()), QStringLiteral("Applying ") + file);
  m_fleet->Apply(
      wanted, entries,
      [this](std::size_t index, const profile::ApplyReport& report) {
        QMetaObject::invokeMethod(this, [this, index, report] {
          QString details;
          for (const auto& refused : report.refused)
            details += (details.isEmpty() ? "" : "; ") + Q(refused.tab + ": " + refused.label + ": " + refused.error);
          m_results[index] = {m_results[index].value(0), Outcome(report), details};
          m_took += report.Ok();
          Step();
        }, Qt::QueuedConnection);
      },
      [this] {
        QMetaObject::invokeMethod(this, [this] {
          End(QString("%1 of %2 projectors took every setting they have").arg(m_took).arg(m_results.size()));
          ShowResults(QStringLiteral("Apply settings"),
                      {QStringLiteral("Projector"), QStringLiteral("Result"), QStringLiteral("Refused")});
        }, Qt::QueuedConnection);
      });
}

void ProfileActions::Cancel() {
  if (m_fleet) m_fleet->Cancel();
}

void ProfileActions::Begin(int total, const QString& what) {
  m_summary.clear();
  m_done = 0;
  m_took = 0;
  m_total = total;
  m_fleet = std::make_unique<profile::ProfileFleet>(m_worker);
  m_progress = new QProgressDialog(what, QStringLiteral("Cancel"), 0, total, &m_window);
  m_progress->setWindowModality(Qt::WindowModal);
  m_progress->setMinimumDuration(0);
  m_progress->setAttribute(Qt::WA_DeleteOnClose);
  m_progress->setLabelText(what + QString("\nProjector 0 of %1").arg(total));
  connect(m_progress, &QProgressDialog::canceled, this, &ProfileActions::Cancel);
}

void ProfileActions::Step() {
  ++m_done;
  if (!m_progress) return;
  m_progress->setLabelText(QString("Projector %1 of %2").arg(m_done).arg(m_total));
  // A window-modal progress dialog runs the event loop inside setValue: the
  // end of the run may come in meanwhile and close it, so it is touched last.
  m_progress->setValue(m_done);
}

void ProfileActions::End(const QString& summary) {
  m_summary = summary;
  if (m_progress) m_progress->close();
  m_progress = nullptr;
  m_fleet.reset();  // runs on the window's thread: waits, at most briefly, for the engine to wind down
}

QString ProfileActions::ResultsText() const {
  QString text;
  for (const QStringList& row : m_results) text += row.join('\t') + '\n';
  return text;
}

void ProfileActions::ShowResults(const QString& title, const QStringList& header) {
  auto* dialog = new QDialog(&m_window);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setWindowTitle(title);
  auto* table = new QTableWidget(static_cast<int>(m_results.size()), header.size(), dialog);
  table->setHorizontalHeaderLabels(header);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  for (int row = 0; row < table->rowCount(); ++row)
    for (int column = 0; column < header.size(); ++column)
      table->setItem(row, column, new QTableWidgetItem(m_results[static_cast<std::size_t>(row)].value(column)));
  table->horizontalHeader()->setStretchLastSection(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
  QPushButton* copy = buttons->addButton(QStringLiteral("&Copy"), QDialogButtonBox::ActionRole);
  connect(copy, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(ResultsText()); });
  connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::close);
  auto* layout = new QVBoxLayout(dialog);
  layout->addWidget(new QLabel(m_summary, dialog));
  layout->addWidget(table);
  layout->addWidget(buttons);
  dialog->resize(720, 360);
  dialog->show();
}

void ProfileActions::Fail(const QString& text) {
  m_summary = text;
  // Not modal to the application: the window keeps running meanwhile.
  auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Settings profiles"), text, QMessageBox::Ok, &m_window);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();
}

}  // namespace host
