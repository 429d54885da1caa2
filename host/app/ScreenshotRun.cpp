#include "host/app/ScreenshotRun.h"

#include <cstdio>
#include <exception>
#include <optional>
#include <span>

#include <QApplication>
#include <QMessageBox>
#include <QPixmap>
#include <QTableView>
#include <QTimer>
#include <QWidget>

#include "frame/PageTable.h"
#include "framework/UserInput.h"
#include "host/app/DetailedSettings.h"
#include "host/app/MainWindow.h"

namespace host {
namespace {

namespace fs = std::filesystem;

// "pv-5300-demo" of "PV-5300 (demo)": lower-case ASCII letters and digits,
// anything else one dash; empty when nothing is left.
std::string FileNamePart(const std::string& text) {
  std::string part;
  for (const char c : text) {
    if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
      part += c;
    else if (c >= 'A' && c <= 'Z')
      part += static_cast<char>(c - 'A' + 'a');
    else if (!part.empty() && part.back() != '-')
      part += '-';
  }
  while (!part.empty() && part.back() == '-') part.pop_back();
  return part;
}

bool Save(const QPixmap& shot, const fs::path& file, int& written) {
  if (shot.isNull() || !shot.save(QString::fromStdString(file.string()), "PNG")) {
    std::fprintf(stderr, "expert-host: %s: %s\n", file.string().c_str(), CatalogText(Msg(7, 65)).c_str());
    return false;
  }
  ++written;
  return true;
}

// File names are the same in every language: the tab's title in English.
std::string EnglishTabTitle(const CExpertDlg& dialog, int tab) {
  if (tab == 0) return CatalogTextIn(kLangEnglishUS, Msg(4, 156));
  const std::span<const expert::TabEntry> tabs = expert::TabsAfterStatus(dialog.m_nModelType, dialog.m_nModelNo);
  const auto index = static_cast<std::size_t>(tab - 1);
  return index < tabs.size() ? CatalogTextIn(kLangEnglishUS, tabs[index].title) : "";
}

// A demo projector's name in English ("PV-1030 (demo)"); any other name as it is.
std::string EnglishName(const ProjectorEntry& entry, const models::ModelDatabase& database) {
  const models::ModelDescription* model = database.Find(entry.modelType, entry.modelNo);
  if (!model) return entry.name;
  const std::string shortName = model->name.substr(0, model->name.find(" ("));
  if (entry.name != CatalogText(Msg(7, 34), shortName)) return entry.name;
  return CatalogTextIn(kLangEnglishUS, Msg(7, 34), shortName);
}

// Every tab of the open dialog, chosen as a user chooses it.
bool ShootTabs(CExpertDlg& dialog, qtdisplay::QtDisplay& display, const fs::path& directory,
               const std::string& projector, int& written) {
  QWidget* widget = display.WidgetFor(dialog.GetSafeHwnd());
  if (!widget) {
    std::fprintf(stderr, "expert-host: %s: %s\n", projector.c_str(), CatalogText(Msg(7, 66)).c_str());
    return false;
  }
  bool ok = true;
  for (int tab = 0; tab < dialog.m_tab.GetItemCount(); ++tab) {
    UserSelectTab(dialog.m_tab.GetSafeHwnd(), tab);
    QApplication::processEvents();
    std::string name = projector + "_tab" + std::to_string(tab);
    const std::string title = FileNamePart(EnglishTabTitle(dialog, tab));
    if (!title.empty()) name += "-" + title;
    ok = Save(widget->grab(), directory / (name + ".png"), written) && ok;
  }
  return ok;
}

}  // namespace

int RunScreenshots(const models::ModelDatabase& database, qtdisplay::QtDisplay& display,
                   const fs::path& directory) {
  std::error_code made;
  fs::create_directories(directory, made);
  if (made) {
    std::fprintf(stderr, "expert-host: %s: %s\n", directory.string().c_str(), made.message().c_str());
    return 1;
  }
  // The demo run reads and writes no list file.
  std::optional<HostSession> demo;
  try {
    demo.emplace(database, ProjectorStore(DefaultListFile()), HostSession::Mode::Demo, true);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "expert-host: %s\n", error.what());
    return 1;
  }
  HostSession& session = *demo;
  // Nobody is there to answer a message box: one that opens while a page
  // refreshes is reported and answered OK, so the run cannot hang on it.
  QTimer boxWatch;
  QObject::connect(&boxWatch, &QTimer::timeout, [] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      std::fprintf(stderr, "expert-host: %s\n", qUtf8Printable(box->text()));
      box->done(QMessageBox::Ok);
    }
  });
  boxWatch.start(200);

  int written = 0;
  bool ok = true;
  {
    MainWindow window(session);
    window.Status().RefreshAllNow();
    window.Table().resizeColumnsToContents();
    window.resize(1100, 460);  // the same picture whatever size the user's window remembers
    window.show();
    QApplication::processEvents();
    ok = Save(window.grab(), directory / "host.png", written);
  }
  const std::vector<HostSession::Row>& rows = session.Rows();
  for (const HostSession::Row& row : rows) {
    const std::string projector = FileNamePart(EnglishName(row.entry, database));
    std::string error;
    bool shot = false;
    const bool ran = RunDetailedSettings(session, row.entry, error, [&](CExpertDlg& dialog) {
      shot = ShootTabs(dialog, display, directory, projector, written);
      dialog.EndDialog(IDCANCEL);
    });
    if (!ran) std::fprintf(stderr, "expert-host: %s: %s\n", row.entry.name.c_str(), error.c_str());
    ok = ok && ran && shot;
  }
  const fs::path where = fs::absolute(directory).lexically_normal();
  std::printf("%s\n", CatalogText(Msg(7, 55), written, where.string()).c_str());
  return ok ? 0 : 1;
}

}  // namespace host
