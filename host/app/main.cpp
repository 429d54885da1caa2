// expert-host: the desktop host of the Expert Control module. Keeps the
// user's projectors, shows their power state and opens their detailed
// settings; with --demo, or on the first start, simulated projectors served
// on 127.0.0.1 by the host itself.
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "beamlink/Log.h"
#include "display/qt/QtDisplay.h"
#include "framework/Wnd.h"
#include "host/app/AppIcon.h"
#include "host/app/DisplayProbe.h"
#include "host/app/HostText.h"
#include "host/app/MainWindow.h"
#include "host/app/ScreenshotRun.h"
#include "host/core/HostOptions.h"
#include "host/core/LoopbackGuard.h"

namespace {

// Offscreen rendering: Qt's notes on what a screenless platform lacks (no
// runtime directory, no window raising) are no concern of the user's and
// would bury the one line that says what happened.
QtMessageHandler g_qtMessages = nullptr;

void QuietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && (message.startsWith("This plugin does not support") ||
                               message.startsWith("QStandardPaths: XDG_RUNTIME_DIR not set")))
    return;
  if (g_qtMessages)
    g_qtMessages(type, context, message);
  else
    std::fprintf(stderr, "%s\n", qUtf8Printable(qFormatLogMessage(type, context, message)));
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  std::string problem;
  const std::optional<host::HostOptions> options = host::ParseHostOptions(args, problem);
  if (!options) {
    std::fprintf(stderr, "expert-host: %s\n%s", problem.c_str(), host::kHostUsage);
    return 2;
  }
  if (options->help) {
    std::fputs(host::kHostUsage, stdout);
    return 0;
  }
  if (options->version) {
    std::puts("expert-host " EXPERT_VERSION);
    return 0;
  }
  if (options->verbose) beamlink::SetVerbose(true);

  const std::optional<std::filesystem::path> screenshots = options->screenshots;
  // Without a display only screenshots can be made, and only where asked for.
  if (!screenshots) {
    if (const std::optional<std::string> reason = host::NoDisplayReason(argc, argv)) {
      std::fprintf(stderr, "expert-host: %s\n", CatalogText(Msg(7, 54), *reason).c_str());
      return 1;
    }
  }
  if (screenshots) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    g_qtMessages = qInstallMessageHandler(QuietOffscreenNotes);
  }

  // Qt takes only its own arguments out of argc and argv; ours were read above.
  int qtArgc = 1;
  QApplication application(qtArgc, argv);
  QApplication::setApplicationVersion(EXPERT_VERSION);
  // The menu entry's name (Wayland matches windows to it) and its icon, on
  // every window of the host and of the dialogs it opens.
  QGuiApplication::setDesktopFileName(host::kApplicationId);
  QApplication::setWindowIcon(host::ApplicationIcon());
  // The module's message boxes carry the product's name in the user's language.
  AfxSetAppName(CatalogText(Msg(7, 1)));

  std::optional<models::ModelDatabase> database;
  try {
    database = models::ModelDatabase::Load(models::ModelDatabase::DefaultDirectory());
  } catch (const std::exception& error) {
    const std::string text = CatalogText(Msg(7, 67), error.what());
    std::fprintf(stderr, "expert-host: %s\n", text.c_str());
    if (!screenshots) QMessageBox::critical(nullptr, host::HostText(Msg(7, 1)), QString::fromStdString(text));
    return 1;
  }

  qtdisplay::ScopedQtDisplay display;
  if (screenshots) return host::RunScreenshots(*database, display.display(), *screenshots);

  const auto mode = options->demo ? host::HostSession::Mode::Demo : host::HostSession::Mode::Normal;
  std::optional<host::HostSession> session;
  try {
    session.emplace(*database, host::ProjectorStore(options->listFile.value_or(host::DefaultListFile())), mode,
                    host::LoopbackOnlyRequested());
  } catch (const std::exception& error) {
    std::fprintf(stderr, "expert-host: %s\n", error.what());
    QMessageBox::critical(nullptr, host::HostText(Msg(7, 1)), QString::fromStdString(error.what()));
    return 1;
  }
  host::MainWindow window(*session);
  window.show();
  QTimer::singleShot(0, &window, [&window] { window.ShowNotices(); });
  return application.exec();
}
