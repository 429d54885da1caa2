// The busy cursor: a projector call longer than the threshold sets it while
// the call is still running, and the event loop takes it away again; shorter
// calls never show it. Calls stay synchronous either way.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>

#include "beamlink/PjtInterface.h"
#include "display/qt/BusyCursor.h"
#include "projector/CommandCodes.h"
#include "simulator/InProcessTransport.h"
#include "tests/driver/DriverTestSupport.h"

namespace qtdisplay::testing {
namespace {

using namespace std::chrono_literals;

struct SlowProjector {
  explicit SlowProjector(std::chrono::milliseconds latency)
      : projector(std::make_shared<sim::Projector>(*driver::testing::Database().Find("5/30"))) {
    projector->GetFaults().SetLatency(latency);
    pjt.SetTransportFactory(WithBusyCursor(sim::InProcessFactory(projector)));
  }
  bool ReadBrightness() {
    std::uint16_t raw = 0;
    return pjt.Get(pjcode::kBrightness, 0, &pjt, &raw) == 1;
  }
  std::shared_ptr<sim::Projector> projector;
  CPjtInterface pjt;
};

TEST(QtBusyCursor, ShowsOnlyDuringACallLongerThanTheThresholdUntilTheLoopRuns) {
  SlowProjector slow(kBusyThreshold + 80ms);
  ASSERT_TRUE(slow.ReadBrightness());
  EXPECT_TRUE(BusyCursorShown());
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
  QCoreApplication::processEvents();
  EXPECT_FALSE(BusyCursorShown());
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

  SlowProjector quick(kBusyThreshold - 150ms);
  ASSERT_TRUE(quick.ReadBrightness());
  EXPECT_FALSE(BusyCursorShown());
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  // A projector that cannot be reached fails at once, without the cursor.
  quick.projector->GetFaults().SetUnreachable(true);
  quick.projector->GetFaults().DropConnection();
  EXPECT_FALSE(quick.ReadBrightness());
  EXPECT_FALSE(BusyCursorShown());
}

}  // namespace
}  // namespace qtdisplay::testing
