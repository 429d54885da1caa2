// expert-qt-view: opens the detailed-settings dialog of one model of the
// database against an in-process simulated projector, for looking at pages
// and trying them by hand.
//
//   expert-qt-view [TYPE/MODEL] [--latency MS] [--verbose]
#include <QApplication>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <iostream>
#include <memory>
#include <string>

#include "beamlink/Log.h"
#include "display/qt/BusyCursor.h"
#include "display/qt/QtDisplay.h"
#include "frame/ExpertDlg.h"
#include "models/ModelDatabase.h"
#include "simulator/Projector.h"
#include "models/HostRecords.h"
#include "simulator/InProcessTransport.h"

namespace {

constexpr char kUsage[] =
    "usage: expert-qt-view [TYPE/MODEL] [--latency MS] [--verbose]\n"
    "\n"
    "Opens the Expert Control dialog of one model of the model database against\n"
    "an in-process simulated projector, for trying pages by hand.\n"
    "\n"
    "  TYPE/MODEL     the model, such as 4/9 (default 5/30)\n"
    "  --latency MS   the simulated projector answers each call after MS\n"
    "                 milliseconds (0 to 60000; default 0)\n"
    "  --verbose      print the projector library's diagnostics on stderr\n"
    "  --version      show the program's name and version\n"
    "  --help         show this text\n";

struct Options {
  std::string model = "5/30";
  int latencyMs = 0;
  bool help = false;
  bool version = false;
  bool verbose = false;
};

// Reads the arguments; on a bad one, says which and why in `error`.
bool ParseOptions(int argc, char** argv, Options& options, std::string& error) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--version") {
      options.version = true;
    } else if (arg == "--verbose") {
      options.verbose = true;
    } else if (arg == "--latency") {
      if (i + 1 >= argc) {
        error = "--latency needs a number of milliseconds";
        return false;
      }
      const std::string text = argv[++i];
      char* end = nullptr;
      errno = 0;
      const long value = std::strtol(text.c_str(), &end, 10);
      if (text.empty() || *end != '\0' || errno == ERANGE || value < 0 || value > 60000) {
        error = "--latency \"" + text + "\": expected a whole number of milliseconds from 0 to 60000";
        return false;
      }
      options.latencyMs = static_cast<int>(value);
    } else if (!arg.empty() && arg[0] != '-') {
      options.model = arg;
    } else {
      error = "unknown option \"" + arg + "\"";
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  // Arguments first: --help and a bad argument need no display.
  Options options;
  std::string error;
  if (!ParseOptions(argc, argv, options, error)) {
    std::cerr << "expert-qt-view: " << error << "\n" << kUsage;
    return 2;
  }
  if (options.help) {
    std::cout << kUsage;
    return 0;
  }
  if (options.version) {
    std::cout << "expert-qt-view " EXPERT_VERSION "\n";
    return 0;
  }
  if (options.verbose) beamlink::SetVerbose(true);
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM")) {
    std::cerr << "expert-qt-view: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)\n";
    return 1;
  }
  int qtArgc = 1;  // our arguments are read; Qt gets none of them
  QApplication app(qtArgc, argv);
  try {
    const models::ModelDatabase database = models::ModelDatabase::Load(models::ModelDatabase::DefaultDirectory());
    const models::ModelDescription* description = database.Find(options.model);
    if (!description) {
      std::cerr << "expert-qt-view: no model \"" << options.model << "\" in the model database\n";
      return 2;
    }
    // The host's records of the model, handed over as a host does, and a
    // simulated projector in this process at the other end of the link.
    CProjectorItem item = models::ToProjectorItem(*description);
    qtdisplay::ScopedQtDisplay display;
    CExpertDlg dialog;
    dialog.CopyData(&item);
    auto projector = std::make_shared<sim::Projector>(*description);
    projector->GetFaults().SetLatency(std::chrono::milliseconds(options.latencyMs));
    sim::ServerOptions served;
    served.password = description->connection.text2;
    dialog.m_pjt.SetTransportFactory(qtdisplay::WithBusyCursor(sim::InProcessFactory(projector, std::move(served))));
    dialog.DoModal();
  } catch (const std::exception& error) {
    std::cerr << "expert-qt-view: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
