// The host window on Qt's offscreen platform with the Qt display installed:
// the table fills its status columns from simulated projectors over TCP by
// itself, operations on a multiple selection ask once, fill the rows and end
// in one summary line, Cancel skips what has not started, the filter box
// narrows the rows, F5 stays available during a refresh, a row is read again
// as soon as its dialog closes, and the layout is remembered. Remove takes
// every selected entry after one question and writes the list once; with
// Chinese texts every menu, the editor's model list and the profile actions'
// messages are Chinese.
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMenuBar>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <memory>
#include <set>

#include "HostTestSupport.h"
#include "display/qt/QtDisplay.h"
#include "frame/ExpertDlg.h"
#include "framework/Dialog.h"
#include "host/app/EntryDialog.h"
#include "host/app/HelpActions.h"
#include "host/app/HostText.h"
#include "host/app/MainWindow.h"
#include "simulator/pjsim/Daemon.h"

namespace host::test {
namespace {

using Table = ProjectorTableModel;

QString Cell(MainWindow& window, int row, int column) { return window.Model().index(row, column).data().toString(); }

QAction* ActionNamed(QWidget& window, const QString& text) {
  for (QAction* action : window.findChildren<QAction*>())
    if (action->text() == text) return action;
  ADD_FAILURE() << "no action " << text.toStdString();
  return nullptr;
}

// Answers the next message box that opens with `button`; counts the boxes.
struct BoxAnswerer {
  explicit BoxAnswerer(QMessageBox::StandardButton button) {
    QObject::connect(&timer, &QTimer::timeout, [this, button] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      // A new box may take a closed one's address: the mark is on the box itself.
      if (!box || box->property("answered").toBool()) return;
      box->setProperty("answered", true);
      ++boxes;
      text = box->text();
      QAbstractButton* answer = box->button(button);
      (answer ? answer : box->buttons().front())->click();  // a box with OK alone gets OK
    });
    timer.start(20);
  }
  QTimer timer;
  int boxes = 0;
  QString text;
};

// A loopback port nobody listens on.
int ClosedPort() {
  const int probe = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (bind(probe, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
      getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length) != 0)
    ADD_FAILURE() << "no loopback port";
  ::close(probe);
  return ntohs(address.sin_port);
}

// The texts of every menu of the window and of their entries, submenus included.
std::set<QString> MenuTexts(QMainWindow& window) {
  std::set<QString> texts;
  std::vector<QMenu*> menus;
  for (QAction* action : window.menuBar()->actions())
    if (action->menu()) menus.push_back(action->menu());
  while (!menus.empty()) {
    QMenu* menu = menus.back();
    menus.pop_back();
    texts.insert(menu->title());
    for (QAction* action : menu->actions()) {
      if (!action->text().isEmpty()) texts.insert(action->text());
      if (action->menu()) menus.push_back(action->menu());
    }
  }
  return texts;
}

// The catalog in Chinese, as a Chinese desktop loads it, while it lives.
struct ChineseTexts {
  const std::string before = std::getenv("LC_ALL") ? std::getenv("LC_ALL") : "";
  ChineseTexts() {
    setenv("LC_ALL", "zh_CN.UTF-8", 1);
    LoadCatalog();
  }
  ~ChineseTexts() {
    setenv("LC_ALL", before.c_str(), 1);
    LoadCatalog();
  }
};

// The Alt+letter keys that more than one entry of one menu (or of the menu
// bar) answers to: such a key only cycles between them.
std::vector<std::string> MnemonicClashes(QMainWindow& window) {
  std::vector<std::string> clashes;
  const auto check = [&](const QList<QAction*>& actions) {
    std::map<QChar, QString> taken;
    for (const QAction* action : actions) {
      const QString text = action->text();
      for (qsizetype at = text.indexOf('&'); at >= 0 && at + 1 < text.size(); at = text.indexOf('&', at + 2)) {
        if (text[at + 1] == '&') continue;
        const auto [first, added] = taken.try_emplace(text[at + 1].toLower(), text);
        if (!added) clashes.push_back((first->second + " / " + text).toStdString());
        break;
      }
    }
  };
  check(window.menuBar()->actions());
  for (const QAction* top : window.menuBar()->actions())
    if (top->menu()) check(top->menu()->actions());
  return clashes;
}

// Simulated projectors of their own, in a list file of the user's: the test
// can reach each one's control side.
class HostWindowTest : public ::testing::Test {
 protected:
  // `options`: each projector's, by its index.
  void Start(int count, const std::function<sim::ProjectorOptions(int)>& options = {}) {
    std::string list = R"({"version": 1, "projectors": [)";
    const models::ModelDescription* model = Database().Find(4, 9);
    ASSERT_NE(model, nullptr);
    for (int i = 0; i < count; ++i) {
      std::string error;
      auto projector = std::make_shared<sim::Projector>(*model, options ? options(i) : sim::ProjectorOptions{});
      m_servers.push_back(sim::pjsim::LoopbackService::Start(projector, {}, error));
      ASSERT_TRUE(m_servers.back()) << error;
      list += std::string(i ? "," : "") + R"({"name": "Room )" + std::to_string(i) + R"(", "group": ")" +
              (i % 2 ? "Hall B" : "Hall A") + R"(", "type": 4, "model": 9, "connection": "network", )" +
              R"("address": "127.0.0.1", "port": )" + std::to_string(m_servers.back()->Port()) +
              R"(, "password": "", "timeout_ms": 2000})";
    }
    WriteFile(m_dir.file, list + "]}");
    Open();
  }
  void Open() {
    m_window.reset();
    m_session = std::make_unique<HostSession>(Database(), ProjectorStore(m_dir.file), HostSession::Mode::Normal, true);
    m_window = std::make_unique<MainWindow>(*m_session);
    m_window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
  }
  void WaitForStatus() {
    for (int r = 0; r < m_window->Model().rowCount(); ++r)
      QTRY_VERIFY_WITH_TIMEOUT(m_window->Model().StatusOf(r).has_value(), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(!m_window->Status().Busy(), 10000);
  }

  ListDir m_dir;
  qtdisplay::ScopedQtDisplay m_display;
  std::vector<std::unique_ptr<sim::pjsim::LoopbackService>> m_servers;
  std::unique_ptr<HostSession> m_session;
  std::unique_ptr<MainWindow> m_window;
};

// The status columns fill themselves once the window is up; a projector over
// its lamp limit is marked, and the mark's tooltip says why.
TEST_F(HostWindowTest, FillsTheStatusColumnsByItselfAndMarksWhatNeedsMaintenance) {
  Start(3, [](int i) {
    sim::ProjectorOptions options;
    if (i == 1) options.lampHours = 3500;
    return options;
  });
  WaitForStatus();
  MainWindow& window = *m_window;
  for (int r = 0; r < 3; ++r) {
    EXPECT_EQ(Cell(window, r, Table::kPower), HostText(Msg(7, 28))) << r;
    EXPECT_EQ(Cell(window, r, Table::kGroup), r % 2 ? "Hall B" : "Hall A");
  }
  EXPECT_TRUE(window.Model().MaintenanceProblems(0).isEmpty());
  ASSERT_EQ(window.Model().MaintenanceProblems(1).size(), 1);
  const QModelIndex marked = window.Model().index(1, Table::kName);
  EXPECT_FALSE(marked.data(Qt::DecorationRole).isNull());
  EXPECT_TRUE(marked.data(Qt::ToolTipRole).toString().contains("3500"))
      << marked.data(Qt::ToolTipRole).toString().toStdString();
  EXPECT_TRUE(window.Model().index(0, Table::kName).data(Qt::DecorationRole).isNull());
  window.Model().SetLimits({.lampHours = 4000, .filterHours = 1000});  // as the preferences set them
  EXPECT_TRUE(window.Model().MaintenanceProblems(1).isEmpty());

  // An edited entry shows what it showed until its next reading.
  ProjectorEntry renamed = m_session->Rows()[2].entry;
  renamed.name = "Room 2, renamed";
  std::string error;
  ASSERT_TRUE(window.Model().Replace(2, renamed, error)) << error;
  EXPECT_EQ(Cell(window, 2, Table::kPower), HostText(Msg(7, 28)));

  // Input: the inputs the selection shares, by the entries' names for them.
  window.Table().selectAll();
  QMenu* inputs = window.findChild<QMenu*>("inputMenu");
  ASSERT_EQ(inputs->actions().size(), 6);
  ASSERT_EQ(inputs->actions()[3]->text(), "Video");
  inputs->actions()[3]->trigger();
  QTRY_VERIFY_WITH_TIMEOUT(!window.Operation().Running(), 10000);
  for (int r = 0; r < 3; ++r) {
    EXPECT_EQ(Cell(window, r, Table::kResult), HostText(Msg(7, 113))) << r;
    QTRY_COMPARE_WITH_TIMEOUT(Cell(window, r, Table::kInput), QString("Video"), 5000);
  }
  // A cell's tooltip gives its own text before the row's marks.
  window.Model().SetLimits({.lampHours = 3000, .filterHours = 1000});
  const QString tip = window.Model().index(1, Table::kResult).data(Qt::ToolTipRole).toString();
  EXPECT_TRUE(tip.startsWith(HostText(Msg(7, 113)) + "\n") && tip.contains("3500")) << tip.toStdString();
}

// Ctrl+A, Power off: one question for all, then results row by row and one
// summary line; the power column follows.
TEST_F(HostWindowTest, PowerOffOfSeveralAsksOnceAndFillsTheRows) {
  Start(4, [](int) {
    sim::ProjectorOptions options;
    options.cooldown = std::chrono::seconds(60);  // still cooling down at the second operation
    return options;
  });
  WaitForStatus();
  MainWindow& window = *m_window;
  window.Table().setFocus();
  QTest::keyClick(&window.Table(), Qt::Key_A, Qt::ControlModifier);
  ASSERT_EQ(window.SelectedRows().size(), 4u);

  BoxAnswerer yes(QMessageBox::Yes);
  ActionNamed(window, HostText(Msg(7, 119)))->trigger();
  EXPECT_EQ(yes.boxes, 1);
  EXPECT_EQ(yes.text, HostText(Msg(7, 127), 4));
  QTRY_VERIFY_WITH_TIMEOUT(!window.Operation().Running(), 10000);
  for (int r = 0; r < 4; ++r) EXPECT_EQ(Cell(window, r, Table::kResult), HostText(Msg(7, 113))) << r;
  EXPECT_EQ(window.findChild<QLabel*>("summary")->text(), HostText(Msg(7, 129), 4));
  EXPECT_EQ(window.findChild<QProgressBar*>("progress")->format(), HostText(Msg(7, 128), 4, 4));
  for (int r = 0; r < 4; ++r) QTRY_COMPARE_WITH_TIMEOUT(Cell(window, r, Table::kPower), HostText(Msg(7, 30)), 5000);

  // Once more: cooling down projectors refuse, and the summary says why, in
  // the user's language (here Chinese).
  ActionNamed(window, HostText(Msg(7, 118)))->trigger();
  EXPECT_EQ(yes.boxes, 1);  // no question for power on
  const ChineseTexts chinese;
  QTRY_VERIFY_WITH_TIMEOUT(!window.Operation().Running(), 10000);
  const QString coolingDown = HostText(Msg(7, 345));
  EXPECT_EQ(coolingDown, QString::fromUtf8("正在冷却"));
  EXPECT_EQ(window.findChild<QLabel*>("summary")->text(), HostText(Msg(7, 130), 4, coolingDown.toStdString()));
  EXPECT_EQ(Cell(window, 0, Table::kResult), HostText(Msg(7, 114), coolingDown.toStdString()));
}

// Projectors that accept a connection and never answer, all at one address:
// one at a time, so Cancel leaves the rest unstarted, at once, and the window
// answers meanwhile. The filter box narrows the rows by group or name.
TEST_F(HostWindowTest, CancelSkipsWhatHasNotStartedAndTheFilterNarrowsTheRows) {
  const int silent = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  ASSERT_EQ(bind(silent, reinterpret_cast<sockaddr*>(&address), length), 0);
  ASSERT_EQ(listen(silent, 64), 0);
  ASSERT_EQ(getsockname(silent, reinterpret_cast<sockaddr*>(&address), &length), 0);
  std::string list = R"({"version": 1, "projectors": [)";
  for (int i = 0; i < 6; ++i)
    list += std::string(i ? "," : "") + R"({"name": "Dead )" + std::to_string(i) + R"(", "group": ")" +
            (i < 2 ? "Annex" : "Main") +
            R"(", "type": 4, "model": 9, "connection": "network", "address": "127.0.0.1", "port": )" +
            std::to_string(ntohs(address.sin_port)) + R"(, "password": "", "timeout_ms": 1000})";
  WriteFile(m_dir.file, list + "]}");
  Open();
  MainWindow& window = *m_window;
  window.Status().Cancel();
  QTRY_VERIFY_WITH_TIMEOUT(!window.Status().Busy(), 5000);

  window.Table().selectAll();
  ActionNamed(window, HostText(Msg(7, 118)))->trigger();
  ASSERT_TRUE(window.Operation().Running());
  EXPECT_TRUE(window.findChild<QProgressBar*>("progress")->isVisible());
  EXPECT_EQ(window.findChild<QProgressBar*>("progress")->format(), HostText(Msg(7, 128), 0, 6));
  QPushButton* cancel = window.findChild<QPushButton*>("cancel");
  ASSERT_TRUE(cancel->isVisible());
  QTest::mouseClick(cancel, Qt::LeftButton);
  QTRY_VERIFY_WITH_TIMEOUT(!window.Operation().Running(), 3000);
  const QString summary = window.findChild<QLabel*>("summary")->text();
  EXPECT_TRUE(summary.contains(HostText(Msg(7, 132), 5))) << summary.toStdString();
  EXPECT_EQ(Cell(window, 5, Table::kResult), HostText(Msg(7, 116)));
  EXPECT_FALSE(cancel->isVisible());

  QLineEdit* filter = window.findChild<QLineEdit*>("filter");
  QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
  EXPECT_TRUE(filter->hasFocus());
  QTest::keyClicks(filter, "annex");
  EXPECT_EQ(window.Table().model()->rowCount(), 2);
  filter->setText("Dead 4");
  ASSERT_EQ(window.Table().model()->rowCount(), 1);
  window.Table().selectAll();
  EXPECT_EQ(window.SelectedRows(), std::vector<int>{4});
  window.Status().Cancel();
  ::close(silent);
}

// F5 is never taken away by a refresh; a projector whose dialog has just
// closed is read again at once (here it was switched off meanwhile).
TEST_F(HostWindowTest, RefreshStaysAvailableAndARowIsReadAgainWhenItsDialogCloses) {
  Start(2);
  MainWindow& window = *m_window;
  // Only the dialog's closing may read the row again in time.
  for (QTimer* timer : window.findChildren<QTimer*>())
    if (timer->interval() == kStatusRefreshMs) timer->stop();
  QAction* refresh = ActionNamed(window, HostText(Msg(7, 10)));
  window.Status().RefreshAll();
  ASSERT_TRUE(window.Status().Busy());
  EXPECT_TRUE(refresh->isEnabled());
  QTest::keyClick(&window, Qt::Key_F5);
  EXPECT_TRUE(refresh->isEnabled());
  WaitForStatus();
  EXPECT_EQ(Cell(window, 1, Table::kPower), HostText(Msg(7, 28)));

  QTimer inModalLoop;
  inModalLoop.setSingleShot(true);
  bool opened = false;
  QObject::connect(&inModalLoop, &QTimer::timeout, [&] {
    ASSERT_FALSE(ModalDialogs().empty());
    auto* dialog = dynamic_cast<CExpertDlg*>(ModalDialogs().back());
    ASSERT_NE(dialog, nullptr);
    opened = dialog->m_strProjectorName == "Room 1";
    m_servers[1]->Served().SetValue(0x6000, 0, 0);  // switched off from the dialog
    m_display.display().WidgetFor(dialog->GetSafeHwnd())->close();
  });
  window.Table().selectRow(1);
  inModalLoop.start(0);
  QTest::keyClick(&window.Table(), Qt::Key_Return);
  ASSERT_TRUE(opened);
  QTRY_COMPARE_WITH_TIMEOUT(Cell(window, 1, Table::kPower), HostText(Msg(7, 29)), 5000);
  EXPECT_EQ(Cell(window, 0, Table::kPower), HostText(Msg(7, 28)));
}

// Three of five rows, a damaged one and one not reached among them: one
// question names how many, they go, the list is written once. A write that
// fails says so once, not once per row. The Power cell's tooltip holds the
// whole reason a narrow column cuts short.
TEST_F(HostWindowTest, RemoveTakesEverySelectedRowAfterOneQuestionAndWritesTheListOnce) {
  Start(3);
  const int closed = ClosedPort();
  std::string list = ReadFile(m_dir.file);
  list.resize(list.rfind(']'));
  list += R"(, {"name": "Broken", "type": 4, "model": 9, "connection": "network", "address": "127.0.0.1",)"
          R"( "port": 4352, "password": "", "timeout_ms": "slow"},)"
          R"( {"name": "Gone", "type": 4, "model": 9, "connection": "network", "address": "127.0.0.1",)"
          R"( "port": )" + std::to_string(closed) + R"(, "password": "", "timeout_ms": 500}]})";
  WriteFile(m_dir.file, list);
  Open();
  MainWindow& window = *m_window;
  ASSERT_EQ(window.Model().rowCount(), 5);
  ASSERT_TRUE(window.Model().Damaged(3));
  const QString notReached = HostText(Msg(7, 32), "");
  QTRY_VERIFY_WITH_TIMEOUT(Cell(window, 4, Table::kPower).startsWith(notReached), 10000);
  const QString tip = window.Model().index(4, Table::kPower).data(Qt::ToolTipRole).toString();
  EXPECT_TRUE(tip.startsWith(notReached) && tip.contains("127.0.0.1:" + QString::number(closed))) << tip.toStdString();
  window.Status().Cancel();
  QTRY_VERIFY_WITH_TIMEOUT(!window.Status().Busy(), 5000);

  window.Table().clearSelection();
  for (int row : {1, 3, 4})
    window.Table().selectionModel()->select(window.Table().model()->index(row, 0),
                                            QItemSelectionModel::Select | QItemSelectionModel::Rows);
  BoxAnswerer yes(QMessageBox::Yes);
  ActionNamed(window, HostText(Msg(7, 8)))->trigger();
  EXPECT_EQ(yes.boxes, 1);
  EXPECT_EQ(yes.text, HostText(Msg(7, 333), 3));
  ASSERT_EQ(window.Model().rowCount(), 2);
  EXPECT_EQ(Cell(window, 0, Table::kName), "Room 0");
  EXPECT_EQ(Cell(window, 1, Table::kName), "Room 2");
  EXPECT_EQ(window.SelectedRows(), std::vector<int>{1});  // the row now where the first removed one was
  {
    HostSession written(Database(), ProjectorStore(m_dir.file), HostSession::Mode::Normal, true);
    ASSERT_EQ(written.Rows().size(), 2u);
    EXPECT_EQ(written.Rows()[1].entry.name, "Room 2");
  }

  // The list's folder is gone (a file stands in its place): every write fails.
  std::filesystem::remove_all(m_dir.Path());
  WriteFile(m_dir.Path(), "");
  window.Table().selectAll();
  ActionNamed(window, HostText(Msg(7, 8)))->trigger();
  EXPECT_EQ(yes.boxes, 3);  // the question and one failure
  EXPECT_TRUE(yes.text.contains(QString::fromStdString(m_dir.file.string()))) << yes.text.toStdString();
  EXPECT_EQ(window.Model().rowCount(), 0);  // the change stays in the window
}

// With Chinese texts no menu entry reads as it does in English (input names
// such as "RGB 1" and "DVI" aside), the editor names models as the Model
// column does, and the profile actions speak Chinese too. In both languages
// every Alt+letter of a menu leads to one entry.
TEST_F(HostWindowTest, SpeaksChineseInEveryMenuTheEditorAndTheProfileActions) {
  Start(2);
  m_window->Table().selectAll();
  const std::set<QString> english = MenuTexts(*m_window);
  EXPECT_EQ(MnemonicClashes(*m_window), std::vector<std::string>{});

  const ChineseTexts chinese;
  Open();
  MainWindow& window = *m_window;
  window.Table().selectAll();
  const std::set<QString> texts = MenuTexts(window);
  for (const QString& text : texts)
    EXPECT_TRUE(!english.contains(text) || text == text.toUpper()) << text.toStdString();
  EXPECT_EQ(MnemonicClashes(window), std::vector<std::string>{});
  for (const char* text : {"设置配置文件(&S)", "保存设置(&S)...", "与配置文件比较(&C)...", "将设置应用到所选投影机(&A)...", "视频"})
    EXPECT_TRUE(texts.contains(QString::fromUtf8(text))) << text;

  EntryDialog editor(Database(), m_session->Rules(), nullptr, &window);
  const QComboBox* models = editor.findChild<QComboBox*>("model");
  EXPECT_EQ(models->itemText(models->findData("5/30")), QString::fromUtf8("PV-5300（类型 5，型号 30）"));

  // Save settings... wants one projector: the box says so in Chinese.
  ActionNamed(window, QString::fromUtf8("保存设置(&S)..."))->trigger();
  auto* box = window.findChild<QMessageBox*>();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->windowTitle(), QString::fromUtf8("设置配置文件"));
  EXPECT_EQ(box->text(), QString::fromUtf8("请选择一台投影机。"));
  box->close();
}

// Geometry and column widths come back in the next window.
TEST_F(HostWindowTest, RemembersItsLayoutAndKeepsWhereTheListComesFromInTheStatusBar) {
  Start(1);
  m_window->resize(900, 380);
  m_window->Table().setColumnWidth(Table::kGroup, 177);
  m_window->close();
  Open();
  EXPECT_EQ(m_window->size(), QSize(900, 380));
  EXPECT_EQ(m_window->Table().columnWidth(Table::kGroup), 177);

  // Where the list comes from stays in the bar whatever a menu shows there.
  m_window->statusBar()->showMessage("a menu's status tip");
  EXPECT_TRUE(m_window->findChild<QLabel*>("listFile")->isVisible());
  EXPECT_TRUE(UserDocumentationFile().endsWith("/README.md")) << UserDocumentationFile().toStdString();
}

}  // namespace
}  // namespace host::test

int main(int argc, char** argv) {
  // Never a real window, test discovery included.
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  ::testing::InitGoogleTest(&argc, argv);
  QApplication application(argc, argv);
  // The window's settings go to a directory of the test's own, never the user's.
  host::test::ScratchDir settings;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(settings.Path().string()));
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QString::fromStdString(settings.Path().string()));
  return RUN_ALL_TESTS();
}
