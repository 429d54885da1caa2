#include "host/app/ProfileActions.h"

#include <algorithm>

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

#include "host/app/HostText.h"
#include "host/profile/ProfileDiff.h"
#include "host/profile/ProfileFile.h"

namespace host {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

// The window's own words are the user's language; what comes from a profile
// file or from a worker (settings' tabs and labels, reasons) stays as it is.
QString FileFilter() { return HostText(Msg(7, 304)) + ";;" + HostText(Msg(7, 305)); }

QString Outcome(const profile::ApplyReport& report) {
  if (!report.error.empty()) return HostText(report.set ? Msg(7, 328) : Msg(7, 329), report.error);
  return HostText(Msg(7, 330), report.set, report.unchanged, report.refused.size(), report.unavailable.size());
}

}  // namespace

ProfileActions::ProfileActions(QWidget& window, Selection selected, profile::WorkerOptions worker)
    : QObject(&window), m_window(window), m_selected(std::move(selected)), m_worker(std::move(worker)) {
  m_menu = new QMenu(HostText(Msg(7, 300)), &window);
  connect(m_menu->addAction(HostText(Msg(7, 301))), &QAction::triggered, this, &ProfileActions::Save);
  connect(m_menu->addAction(HostText(Msg(7, 302))), &QAction::triggered, this, &ProfileActions::Compare);
  connect(m_menu->addAction(HostText(Msg(7, 303))), &QAction::triggered, this, &ProfileActions::Apply);
}

ProfileActions::~ProfileActions() {
  if (m_fleet) m_fleet->Cancel();
  m_fleet.reset();  // waits for the workers; their callbacks post to a dead object no more
}

std::optional<ProjectorEntry> ProfileActions::OneSelected() {
  const std::vector<ProjectorEntry> entries = m_selected();
  if (entries.size() == 1) return entries.front();
  Fail(HostText(Msg(7, 307)));
  return std::nullopt;
}

void ProfileActions::Save() {
  if (Running()) return;
  const auto entry = OneSelected();
  if (!entry) return;
  const QString file =
      QFileDialog::getSaveFileName(&m_window, HostText(Msg(7, 309)), Q(entry->name) + ".json", FileFilter());
  if (!file.isEmpty()) StartSave(*entry, file);
}

void ProfileActions::Compare() {
  if (Running()) return;
  const auto entry = OneSelected();
  if (!entry) return;
  const QString file = QFileDialog::getOpenFileName(&m_window, HostText(Msg(7, 310)), {}, FileFilter());
  if (!file.isEmpty()) StartCompare(*entry, file);
}

void ProfileActions::Apply() {
  if (Running()) return;
  std::vector<ProjectorEntry> entries = m_selected();
  if (entries.empty()) return Fail(HostText(Msg(7, 308)));
  const QString file = QFileDialog::getOpenFileName(&m_window, HostText(Msg(7, 311)), {}, FileFilter());
  if (file.isEmpty()) return;
  if (QMessageBox::question(&m_window, HostText(Msg(7, 311)),
                            HostText(Msg(7, 312), file.toStdString(), entries.size())) != QMessageBox::Yes)
    return;
  StartApply(file, std::move(entries));
}

void ProfileActions::StartSave(const ProjectorEntry& entry, const QString& file) {
  Begin(1, HostText(Msg(7, 313), entry.name));
  m_fleet->Save({entry}, [this, file, name = entry.name](std::size_t, const profile::CaptureResult& result) {
    QMetaObject::invokeMethod(this, [this, file, name, result] {
      Step();
      if (!result.profile) return End(HostText(Msg(7, 317), result.error));
      try {
        profile::SaveProfile(file.toStdString(), *result.profile);
      } catch (const profile::ProfileError& error) {
        return End(HostText(Msg(7, 317), error.what()));
      }
      End(HostText(Msg(7, 318), result.profile->settings.size(), name, file.toStdString()));
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
  Begin(1, HostText(Msg(7, 314), entry.name));
  m_fleet->Save({entry}, [this, other, file, name = entry.name](std::size_t, const profile::CaptureResult& result) {
    QMetaObject::invokeMethod(this, [this, other, file, name, result] {
      Step();
      if (!result.profile) return End(HostText(Msg(7, 319), result.error));
      m_results.clear();
      const QString none = HostText(Msg(7, 320));
      const auto value = [&none](const std::optional<std::string>& text) { return text ? Q(*text) : none; };
      for (const profile::Difference& d : profile::DiffProfiles(*result.profile, other))
        m_results.push_back({Q(d.tab), Q(d.label), value(d.from), value(d.to)});
      End(m_results.empty() ? HostText(Msg(7, 321), name, file.toStdString())
                            : HostText(Msg(7, 322), m_results.size()));
      ShowResults(HostText(Msg(7, 323), name, file.toStdString()),
                  {HostText(Msg(7, 324)), HostText(Msg(7, 325)), Q(name), QFileInfo(file).fileName()});
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
    m_results[i] = {Q(entries[i].name), HostText(Msg(7, 116)), {}};
  Begin(static_cast<int>(entries.size()), HostText(Msg(7, 315), file.toStdString()));
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
          End(HostText(Msg(7, 331), m_took, m_results.size()));
          ShowResults(HostText(Msg(7, 311)), {HostText(Msg(7, 326)), HostText(Msg(7, 106)), HostText(Msg(7, 327))});
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
  m_what = what;
  m_progress = new QProgressDialog(what, HostText(Msg(7, 147)), 0, total, &m_window);
  m_progress->setWindowTitle(HostText(Msg(7, 306)));
  m_progress->setWindowModality(Qt::WindowModal);
  m_progress->setMinimumDuration(0);
  m_progress->setAttribute(Qt::WA_DeleteOnClose);
  m_progress->setLabelText(ProgressText());
  connect(m_progress, &QProgressDialog::canceled, this, &ProfileActions::Cancel);
}

void ProfileActions::Step() {
  ++m_done;
  if (!m_progress) return;
  m_progress->setLabelText(ProgressText());
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

// What runs stays above the count: the count alone would not say what it counts.
QString ProfileActions::ProgressText() const { return m_what + '\n' + HostText(Msg(7, 316), m_done, m_total); }

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
    for (int column = 0; column < header.size(); ++column) {
      auto* item = new QTableWidgetItem(m_results[static_cast<std::size_t>(row)].value(column));
      item->setToolTip(item->text());
      table->setItem(row, column, item);
    }
  // A reason is read whole: the columns take their texts' width up to a
  // limit, longer texts wrap onto more lines, and the last column takes the rest.
  constexpr int kWidestColumn = 320;
  table->setWordWrap(true);
  for (int column = 0; column + 1 < header.size(); ++column) {
    table->resizeColumnToContents(column);
    table->setColumnWidth(column, std::min(table->columnWidth(column), kWidestColumn));
  }
  table->horizontalHeader()->setStretchLastSection(true);
  table->resizeRowsToContents();
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
  QPushButton* copy = buttons->addButton(HostText(Msg(7, 332)), QDialogButtonBox::ActionRole);
  connect(copy, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(ResultsText()); });
  connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::close);
  auto* layout = new QVBoxLayout(dialog);
  layout->addWidget(new QLabel(m_summary, dialog));
  layout->addWidget(table);
  layout->addWidget(buttons);
  dialog->resize(900, 420);
  dialog->show();
}

void ProfileActions::Fail(const QString& text) {
  m_summary = text;
  // Not modal to the application: the window keeps running meanwhile.
  auto* box = new QMessageBox(QMessageBox::Warning, HostText(Msg(7, 306)), text, QMessageBox::Ok, &m_window);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();
}

}  // namespace host
