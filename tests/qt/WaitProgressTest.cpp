// A projector that takes the connection and never answers, reached from the
// running dialog: the window keeps its event loop, a window-modal box over
// the dialog names where the call waits, and Cancel ends the call at once as
// a link failure that the dialog reports once, with nothing sent again.
#include <gtest/gtest.h>

#include <QApplication>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <chrono>

#include "beamlink/Connection.h"
#include "projector/LinkProblemText.h"
#include "tests/beamlink/FakeProjector.h"
#include "tests/qt/QtTestSupport.h"

namespace qtdisplay::testing {
namespace {

TEST(QtWaitProgress, ASlowCallShowsTheBoxOverTheDialogAndCancelEndsItAsALinkProblem) {
  ScopedQtDisplay qt;
  QtDisplay& display = qt.display();
  const beamlink::test::FakeProjector silent({[](beamlink::test::PeerStream& peer) {
    while (peer.Receive()) {
    }
  }});
  const std::string peer = "127.0.0.1:" + std::to_string(silent.Port());
  SimulatedDialog open("5/30");
  BoxAnswerer boxes;
  QString label, title, caption;
  bool overTheDialog = false, windowModal = false;
  std::chrono::steady_clock::duration took{};
  RunModal(display, open.dialog, [&] {
    QWidget* window = display.WidgetFor(open.dialog.GetSafeHwnd());
    caption = window->windowTitle();
    // From now on the dialog's projector answers nothing (10 s reply timeout).
    open.dialog.m_pjt.CopyData(1, 0, silent.Port(), "127.0.0.1", 10000, "");
    open.dialog.m_pjt.SetTransportFactory(beamlink::DefaultTransportFactory());
    QTimer watcher;
    watcher.setInterval(20);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
      auto* box = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
      if (!box || !box->isVisible()) return;
      watcher.stop();
      label = box->labelText();
      title = box->windowTitle();
      overTheDialog = box->parentWidget() == window;
      windowModal = box->windowModality() == Qt::WindowModal;
      QPushButton* cancel = box->findChild<QPushButton*>();
      ASSERT_NE(cancel, nullptr);
      QTest::mouseClick(cancel, Qt::LeftButton);
    });
    watcher.start();
    const auto start = std::chrono::steady_clock::now();
    ClickTab(display.WidgetFor(open.dialog.m_tab.GetSafeHwnd()), 1);  // the picture page reads its values
    took = std::chrono::steady_clock::now() - start;
    Click(display.WidgetFor(open.dialog.GetDlgItem(IDOK)->GetSafeHwnd()));
  });
  // The watcher's timer ran inside the call's wait: the event loop kept going.
  EXPECT_TRUE(label.contains(QString::fromStdString(peer))) << label.toStdString();
  EXPECT_EQ(title, caption);
  EXPECT_TRUE(overTheDialog);
  EXPECT_TRUE(windowModal);
  EXPECT_LT(took, std::chrono::seconds(3));
  ASSERT_EQ(boxes.Boxes().size(), 1u);
  EXPECT_EQ(boxes.Boxes()[0].text.toStdString(), LinkProblemText({beamlink::CallFailure::Cancelled, peer}));
  EXPECT_EQ(silent.Connections(), 1);  // the page's other reads were not tried
}

}  // namespace
}  // namespace qtdisplay::testing
