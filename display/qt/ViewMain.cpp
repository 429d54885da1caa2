// expert-qt-view: opens the detailed-settings dialog of one model of the
// database against an in-process simulated projector, for looking at pages
// and trying them by hand.
//
//   expert-qt-view [TYPE/MODEL] [--latency MS]
#include <QApplication>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <iostream>
#include <memory>
#include <string>

#include "display/qt/BusyCursor.h"
#include "display/qt/QtDisplay.h"
#include "frame/ExpertDlg.h"
#include "models/ModelDatabase.h"
#include "simulator/Projector.h"
#include "tools/driver/HostHandOff.h"
#include "tools/driver/ProjectorLink.h"

namespace {

struct Options {
  std::string model = "5/30";
  int latencyMs = 0;
};

bool ParseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--latency" && i + 1 < argc) {
      char* end = nullptr;
      const long value = std::strtol(argv[++i], &end, 10);
      if (*end != '\0' || value < 0 || value > 60000) return false;
      options.latencyMs = static_cast<int>(value);
    } else if (!arg.empty() && arg[0] != '-') {
      options.model = arg;
    } else {
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM")) {
    std::cerr << "expert-qt-view: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)\n";
    return 1;
  }
  QApplication app(argc, argv);
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::cerr << "usage: expert-qt-view [TYPE/MODEL] [--latency MS]\n";
    return 2;
  }
  try {
    const models::ModelDatabase database = models::ModelDatabase::Load(models::ModelDatabase::DefaultDirectory());
    const models::ModelDescription* description = database.Find(options.model);
    if (!description) {
      std::cerr << "expert-qt-view: no model \"" << options.model << "\" in the model database\n";
      return 2;
    }
    driver::OpenRequest request;
    request.description = *description;

    qtdisplay::ScopedQtDisplay display;
    CExpertDlg dialog;
    driver::HandOver(dialog, request);
    auto projector = std::make_shared<sim::Projector>(*description);
    projector->GetFaults().SetLatency(std::chrono::milliseconds(options.latencyMs));
    const std::string password(dialog.m_pjt.m_szSecondText,
                               strnlen(dialog.m_pjt.m_szSecondText, sizeof dialog.m_pjt.m_szSecondText));
    dialog.m_pjt.SetTransportFactory(
        qtdisplay::WithBusyCursor(driver::MakeTransportFactory(driver::ConnectTarget{}, projector, password)));
    dialog.DoModal();
  } catch (const std::exception& error) {
    std::cerr << "expert-qt-view: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
