// The host window on Qt's offscreen platform with the Qt display installed:
// the table shows the demo projectors, "Refresh status" fills the status
// column from the simulators over TCP, a double click opens the detailed
// settings of that projector through the real hand-off. The editor's own
// tests are in EntryDialogTest.cpp.
#include <gtest/gtest.h>

#include <cstdlib>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "HostTestSupport.h"
#include "display/qt/QtDisplay.h"
#include "frame/ExpertDlg.h"
#include "framework/Dialog.h"
#include "host/app/EntryDialog.h"
#include "host/app/MainWindow.h"
#include "host/core/PowerStatus.h"

namespace host::test {
namespace {

class HostWindowTest : public ::testing::Test {
 protected:
  HostWindowTest()
      : m_session(Database(), ProjectorStore(m_dir.Path() / "projectors.json"), HostSession::Mode::Demo, true),
        m_window(m_session) {
    m_window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&m_window));
  }

  int RowOf(int type, int model) const {
    for (std::size_t i = 0; i < m_session.Rows().size(); ++i)
      if (m_session.Rows()[i].entry.modelType == type && m_session.Rows()[i].entry.modelNo == model)
        return static_cast<int>(i);
    ADD_FAILURE() << "no row for " << type << "/" << model;
    return 0;
  }

  QString Cell(int row, int column) {
    return m_window.Table().model()->index(row, column).data().toString();
  }

  ScratchDir m_dir;
  qtdisplay::ScopedQtDisplay m_display;
  HostSession m_session;
  MainWindow m_window;
};

// The status column fills itself once the window is up, over TCP from the
// demo projectors, without "Refresh status".
TEST_F(HostWindowTest, ListsTheDemoProjectorsAndFillsTheirStatusOverTcpByItself) {
  const int row = RowOf(5, 30);
  EXPECT_TRUE(Cell(row, ProjectorTableModel::kModel).startsWith("5/30")) << Cell(row, 1).toStdString();
  EXPECT_TRUE(Cell(row, ProjectorTableModel::kModel).contains("PV-5300"));
  EXPECT_EQ(Cell(row, ProjectorTableModel::kConnection).toStdString(),
            "127.0.0.1:" + std::to_string(m_session.Rows()[static_cast<std::size_t>(row)].entry.tcpPort));

  const QString on = QString::fromStdString(PowerStatusText({true, 1, {}}));
  for (int r = 0; r < m_window.Table().model()->rowCount(); ++r)
    QTRY_COMPARE_WITH_TIMEOUT(Cell(r, ProjectorTableModel::kStatus), on, 10000);
  QTRY_VERIFY(!m_window.Status().Busy());
}

TEST_F(HostWindowTest, DoubleClickOpensTheDetailedSettingsOfThatProjector) {
  const int row = RowOf(5, 44);
  const ProjectorEntry& entry = m_session.Rows()[static_cast<std::size_t>(row)].entry;
  QTableView& table = m_window.Table();
  const QRect cell = table.visualRect(table.model()->index(row, 0));

  struct Seen {
    bool opened = false;
    std::string name, address;
    int type = 0, model = 0;
  } seen;
  // The timer belongs to the test: if no dialog opens it cannot fire later.
  QTimer inModalLoop;
  inModalLoop.setSingleShot(true);
  QObject::connect(&inModalLoop, &QTimer::timeout, [&] {
    ASSERT_FALSE(ModalDialogs().empty());
    auto* dialog = dynamic_cast<CExpertDlg*>(ModalDialogs().back());
    ASSERT_NE(dialog, nullptr);
    seen = {true, dialog->m_strProjectorName, "", dialog->m_nModelType, dialog->m_nModelNo};
    seen.address = dialog->GetWindowText();
    QWidget* widget = m_display.display().WidgetFor(dialog->GetSafeHwnd());
    ASSERT_NE(widget, nullptr);
    widget->close();  // the close box: Escape
  });
  // A press then a double click, as the window system delivers a double click.
  QTest::mouseClick(table.viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
  inModalLoop.start(0);
  QTest::mouseDClick(table.viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());

  ASSERT_TRUE(seen.opened);
  EXPECT_EQ(seen.name, entry.name);
  EXPECT_EQ(seen.type, 5);
  EXPECT_EQ(seen.model, 44);
  // The caption names the projector and the address the hand-off formatted.
  EXPECT_NE(seen.address.find("127.0.0.1"), std::string::npos) << seen.address;
  EXPECT_TRUE(ModalDialogs().empty());
}

}  // namespace
}  // namespace host::test

int main(int argc, char** argv) {
  // Never a real window, test discovery included.
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  ::testing::InitGoogleTest(&argc, argv);
  QApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
