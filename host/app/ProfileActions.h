#pragma once
// The window's settings-profile actions: "Save settings..." (the selected
// projector to a file), "Compare with..." (the selected projector against a
// file) and "Apply settings to selected..." (a file to every selected
// projector). The work runs in worker processes under the fleet engine; the
// window stays responsive, shows "Projector n of N" with Cancel, and ends
// with a results table that can be copied as text.
//
// Hook it into a window with two lines:
//   auto* profiles = new ProfileActions(*this, [this] { return SelectedEntries(); });
//   menuBar()->addMenu(profiles->Menu());
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QObject>
#include <QPointer>
#include <QString>

#include "host/core/ProjectorEntry.h"
#include "host/profile/ProfileFleet.h"

class QMenu;
class QProgressDialog;
class QWidget;

namespace host {

class ProfileActions : public QObject {
 public:
  using Selection = std::function<std::vector<ProjectorEntry>()>;

  ProfileActions(QWidget& window, Selection selected, profile::WorkerOptions worker = {});
  ~ProfileActions() override;

  // "Settings profiles": the three actions.
  QMenu* Menu() const { return m_menu; }

  // What the actions run once the user has chosen the file (tests call them).
  void StartSave(const ProjectorEntry& entry, const QString& file);
  void StartCompare(const ProjectorEntry& entry, const QString& file);
  void StartApply(const QString& file, std::vector<ProjectorEntry> entries);
  bool Running() const { return m_fleet != nullptr; }
  void Cancel();

  // The last results, one row per projector or difference, as the table
  // shows them and as "Copy" copies them (tab-separated lines).
  const std::vector<QStringList>& Results() const { return m_results; }
  QString ResultsText() const;
  // Set when the last action ended; empty while it runs.
  const QString& Summary() const { return m_summary; }

 private:
  void Save();
  void Compare();
  void Apply();
  std::optional<ProjectorEntry> OneSelected();
  void Begin(int total, const QString& what);
  void Step();
  QString ProgressText() const;
  void End(const QString& summary);
  void ShowResults(const QString& title, const QStringList& header);
  void Fail(const QString& text);

  QWidget& m_window;
  Selection m_selected;
  profile::WorkerOptions m_worker;
  QMenu* m_menu;
  std::unique_ptr<profile::ProfileFleet> m_fleet;
  QPointer<QProgressDialog> m_progress;  // cleared when the dialog is gone
  QString m_what;  // what the progress dialog counts
  int m_done = 0;
  int m_total = 0;
  int m_took = 0;
  std::vector<QStringList> m_results;
  QString m_summary;
};

}  // namespace host
