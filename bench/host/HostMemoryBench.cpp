// The host window's resident memory with a list of 1,000 projectors, on Qt's
// offscreen platform: the list file is generated in a scratch directory, the
// window is built over it, shown, and every status read once through the
// fleet engine (the entries point at closed loopback ports, so every row
// ends "Not reached" with its reason, as an office full of switched-off
// projectors would). VmRSS is read from /proc/self/status at each step, and
// the longest time the window's event loop did not run during the reading is
// reported (how responsive the window stays).
//
//   bench_host_memory [ENTRIES]     (default 1000; target: under 100 MB)
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "display/qt/QtDisplay.h"
#include "host/app/MainWindow.h"

namespace {

long ResidentKiB() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  return -1;
}

void Report(const char* step, long kib) { std::printf("%-40s %8.1f MB\n", step, kib / 1024.0); }

}  // namespace

int main(int argc, char** argv) {
  const int entries = argc > 1 ? std::atoi(argv[1]) : 1000;
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  char pattern[] = "/tmp/expert-host-bench-XXXXXX";
  if (!mkdtemp(pattern)) return 1;
  const std::filesystem::path directory = pattern;
  const std::filesystem::path list = directory / "projectors.json";
  {
    std::ofstream out(list);
    out << R"({"version": 1, "projectors": [)";
    for (int i = 0; i < entries; ++i)
      out << (i ? "," : "") << R"({"name": "Room )" << i << R"(", "group": "Building )" << i / 50
          << R"(", "type": 5, "model": 30, "connection": "network", "address": "127.0.9.)" << 1 + i % 250
          << R"(", "port": 9, "password": "", "timeout_ms": 2000})";
    out << "]}";
  }

  int qtArgc = 1;
  QApplication application(qtArgc, argv);
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(directory.string()));
  Report("Qt application", ResidentKiB());
  const models::ModelDatabase database = models::ModelDatabase::Load(models::ModelDatabase::DefaultDirectory());
  qtdisplay::ScopedQtDisplay display;
  int status = 0;
  {
    host::HostSession session(database, host::ProjectorStore(list), host::HostSession::Mode::Normal, true);
    host::MainWindow window(session);
    window.show();
    Report("window shown", ResidentKiB());
    // The first reading starts by itself once the window is up. From then on
    // a 10 ms timer measures how long the window's event loop is ever kept
    // from running while the answers come in.
    QElapsedTimer clock;
    clock.start();
    while (!window.Status().Busy() && clock.elapsed() < 10000) application.processEvents(QEventLoop::AllEvents, 10);
    QElapsedTimer sinceTick;
    sinceTick.start();
    qint64 longestPause = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] { longestPause = std::max(longestPause, sinceTick.restart()); });
    tick.start(10);
    while (window.Status().Busy() && clock.elapsed() < 120000)
      application.processEvents(QEventLoop::WaitForMoreEvents, 50);
    tick.stop();
    const long resident = ResidentKiB();
    int read = 0;
    for (int row = 0; row < window.Model().rowCount(); ++row) read += window.Model().StatusOf(row).has_value();
    char step[80];
    std::snprintf(step, sizeof step, "%zu rows, %d statuses read (%lld ms)", session.Rows().size(), read,
                  static_cast<long long>(clock.elapsed()));
    Report(step, resident);
    std::printf("longest pause of the event loop while the answers came: %lld ms (timer every 10 ms)\n",
                static_cast<long long>(longestPause));
    std::printf(
        "row 1000 says: %s\n",
        qUtf8Printable(
            window.Model().index(window.Model().rowCount() - 1, host::ProjectorTableModel::kPower).data().toString()));
    const bool met = resident < 100 * 1024 && read == window.Model().rowCount();
    std::printf("target: every row read, under 100 MB resident: %s\n", met ? "met" : "NOT met");
    status = met ? 0 : 1;
  }
  std::filesystem::remove_all(directory);
  return status;
}
