// The Qt display's costs, offscreen, with type 5 model 30 against an
// in-process simulated projector that answers at once:
// - BM_QtOpenToFirstPaint: from DoModal to the dialog's first frame painted
//   (creation, OnInitDialog with the status page's first refresh, the widgets,
//   the first paint of the whole window);
// - BM_QtTabSwitch: a click on a tab until the dialog has repainted (between
//   the status page and the control page, each switch refreshing one), with the
//   time spent waiting on projector calls measured apart ("calls_ms") and the
//   rest ("display_ms") being the module's and the display's own work. The
//   whole window is repainted, not only what changed: an upper bound.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "display/qt/QtDisplay.h"
#include "display/qt/TabStrip.h"
#include "frame/ExpertDlg.h"
#include "models/ModelDatabase.h"
#include "simulator/Projector.h"
#include "tools/driver/HostHandOff.h"
#include "tools/driver/ProjectorLink.h"

namespace {

using Clock = std::chrono::steady_clock;

const models::ModelDatabase& Database() {
  static const models::ModelDatabase database = models::ModelDatabase::Load(models::ModelDatabase::DefaultDirectory());
  return database;
}

// Adds up the time spent inside a transport: opening, writing, waiting.
class TimedTransport : public beamlink::Transport {
 public:
  TimedTransport(std::unique_ptr<beamlink::Transport> inner, Clock::duration& spent)
      : m_inner(std::move(inner)), m_spent(spent) {}
  bool Write(std::span<const std::uint8_t> bytes, beamlink::Deadline deadline, std::string& error) override {
    const auto start = Clock::now();
    const bool ok = m_inner->Write(bytes, deadline, error);
    m_spent += Clock::now() - start;
    return ok;
  }
  std::size_t Read(std::span<std::uint8_t> buffer, beamlink::Deadline deadline, std::string& error) override {
    const auto start = Clock::now();
    const std::size_t got = m_inner->Read(buffer, deadline, error);
    m_spent += Clock::now() - start;
    return got;
  }

 private:
  std::unique_ptr<beamlink::Transport> m_inner;
  Clock::duration& m_spent;
};

struct OpenDialog {
  explicit OpenDialog(const char* key) {
    const models::ModelDescription* description = Database().Find(key);
    if (!description) throw std::runtime_error("model not in the database");
    driver::OpenRequest request;
    request.description = *description;
    driver::HandOver(dialog, request);
    projector = std::make_shared<sim::Projector>(*description);
    const std::string password(dialog.m_pjt.m_szSecondText,
                               strnlen(dialog.m_pjt.m_szSecondText, sizeof dialog.m_pjt.m_szSecondText));
    auto inner = driver::MakeTransportFactory(driver::ConnectTarget{}, projector, password);
    dialog.m_pjt.SetTransportFactory([this, inner](const beamlink::Endpoint& endpoint, beamlink::Deadline deadline,
                                                   std::string& error) -> std::unique_ptr<beamlink::Transport> {
      const auto start = Clock::now();
      auto transport = inner(endpoint, deadline, error);
      callTime += Clock::now() - start;
      return transport ? std::make_unique<TimedTransport>(std::move(transport), callTime) : nullptr;
    });
  }
  std::shared_ptr<sim::Projector> projector;
  CExpertDlg dialog;
  Clock::duration callTime{};
};

void PressEscape(QWidget* widget) {
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
}

void BM_QtOpenToFirstPaint(benchmark::State& state) {
  qtdisplay::ScopedQtDisplay qt;
  for (auto _ : state) {
    OpenDialog open("5/30");
    Clock::time_point start{}, painted{};
    bool seen = false;
    qt.display().SetPaintObserver([&](HWND window) {
      if (seen || window != open.dialog.GetSafeHwnd()) return;
      seen = true;
      // The window's own paint comes first; its children follow in the same
      // frame. The frame is done when the loop comes back.
      QTimer::singleShot(0, [&] {
        painted = Clock::now();
        PressEscape(qt.display().WidgetFor(open.dialog.GetSafeHwnd()));
      });
    });
    start = Clock::now();
    open.dialog.DoModal();
    qt.display().SetPaintObserver(nullptr);
    if (!seen) {
      state.SkipWithError("the dialog was never painted");
      break;
    }
    state.SetIterationTime(std::chrono::duration<double>(painted - start).count());
  }
}
BENCHMARK(BM_QtOpenToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

void BM_QtTabSwitch(benchmark::State& state) {
  qtdisplay::ScopedQtDisplay qt;
  OpenDialog open("5/30");
  Clock::duration total{};
  Clock::duration calls{};
  long switches = 0;
  QTimer::singleShot(0, [&] {
    auto* tabs = dynamic_cast<qtdisplay::TabStrip*>(qt.display().WidgetFor(open.dialog.m_tab.GetSafeHwnd()));
    QWidget* window = qt.display().WidgetFor(open.dialog.GetSafeHwnd());
    if (!tabs) {
      state.SkipWithError("no tab control");
    } else {
      QCoreApplication::processEvents();
      int tab = 0;
      for (auto _ : state) {
        tab = tab == 0 ? tabs->Count() - 1 : 0;  // the status page and the control page, in turn
        const auto callsBefore = open.callTime;
        const auto start = Clock::now();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->TabRect(tab).center());
        window->repaint();  // the whole frame, at once
        total += Clock::now() - start;
        calls += open.callTime - callsBefore;
        ++switches;
      }
    }
    PressEscape(window);
  });
  open.dialog.DoModal();
  if (switches > 0) {
    using Ms = std::chrono::duration<double, std::milli>;
    state.counters["calls_ms"] = Ms(calls).count() / static_cast<double>(switches);
    state.counters["display_ms"] = Ms(total - calls).count() / static_cast<double>(switches);
  }
}
BENCHMARK(BM_QtTabSwitch)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
