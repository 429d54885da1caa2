// User actions on the real widgets reach the module as the same
// notifications the driver sends: the projector sees the same calls and the
// controls end in the same states. Changes made from code notify nobody.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QTest>

#include "projector/CommandCodes.h"
#include "tests/driver/DriverTestSupport.h"
#include "tests/qt/ProbeDialogs.h"
#include "tests/qt/QtTestSupport.h"
#include "tools/driver/DialogDump.h"

namespace qtdisplay::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(QtDriverParity, SlideChooseCheckAndStepMakeTheDriversCallsAndStates) {
  nlohmann::ordered_json qtCalls, qtState;
  std::vector<UINT> qtScrolls;
  {
    ProbeDialog probe;
    probe.RunDialog([&] {
      probe.open.TakeCalls();
      DragSlider(probe.Control(kSlider), 10);
      EXPECT_EQ(probe.page.m_slider.GetPos(), 10);
      ChooseItem(probe.Control(kList), 2);
      Click(probe.Control(kCheck));
      Click(probe.Control(kPlus));
      qtCalls = probe.open.TakeCalls();
      qtState = WithoutRects(driver::DumpDialog(*probe.open.dialog.GetSafeHwnd()));
    });
    qtScrolls = probe.page.scrollCodes;
  }
  // A drag tracks the thumb, then reports where it was let go and the end.
  ASSERT_GE(qtScrolls.size(), 3u);
  EXPECT_EQ(qtScrolls.front(), TB_THUMBTRACK);
  EXPECT_THAT(std::vector<UINT>(qtScrolls.end() - 2, qtScrolls.end()), ElementsAre(TB_THUMBPOSITION, TB_ENDTRACK));

  using driver::testing::Do, driver::testing::kOpen, driver::testing::Line, driver::testing::Reply,
      driver::testing::RunSession;
  ProbePage driverPage;
  const auto output = RunSession({
      Line(kOpen),
      Do([&](driver::Session& session) { AddProbePage(driverPage, *session.OpenDialog()); }),
      Line(R"({"cmd":"events","seq":"before"})"),
      Line(R"({"cmd":"slide","id":602,"pos":10})"),
      Line(R"({"cmd":"select","id":606,"index":2})"),
      Line(R"({"cmd":"check","id":607,"state":1})"),
      Line(R"({"cmd":"click","id":603})"),
      Line(R"({"cmd":"events","seq":"after"})"),
      Line(R"({"cmd":"dump","seq":"dump"})"),
      Line(R"({"cmd":"close"})"),
  });
  const nlohmann::ordered_json driverCalls = Reply(output, "\"after\"")["calls"];
  EXPECT_EQ(qtCalls, driverCalls);
  EXPECT_EQ(qtState, WithoutRects(Reply(output, "\"dump\"")));
  // The calls are the real thing: the slider's value went to the projector.
  ASSERT_FALSE(driverCalls.empty());
  EXPECT_EQ(driverCalls[0]["op"], "Set");
  EXPECT_EQ(driverCalls[0]["value"], 10 + 128);
}

TEST(QtDriverParity, ChangesFromCodeShowButNotifyNobody) {
  ProbeDialog probe;
  probe.open.projector->SetValue(pjcode::kBrightness, 0, 128 - 7);
  probe.open.projector->SetValue(pjcode::kQuickPic, 0, 3);
  probe.open.projector->SetValue(pjcode::kMute, 0, 1);
  ProbePage& page = probe.page;
  BoxAnswerer boxes;
  probe.RunDialog([&] {  // adding the page refreshes it: slider, list and check set from code
    auto* slider = probe.Control<QSlider>(kSlider);
    auto* list = probe.Control<QComboBox>(kList);
    auto* check = probe.Control<QCheckBox>(kCheck);
    EXPECT_EQ(slider->value(), -7);
    EXPECT_EQ(list->currentIndex(), 3);
    EXPECT_EQ(list->currentText(), "Dynamic");
    EXPECT_TRUE(check->isChecked());
    EXPECT_EQ(probe.Control<QLineEdit>(kValue)->text(), "-7");

    page.m_slider.SetPos(12);
    page.m_list.SetCurSel(-1);
    page.m_check.SetCheck(0);
    page.m_slider.SetRange(-5, 5);  // the thumb is kept inside the new range
    EXPECT_EQ(slider->value(), 5);
    EXPECT_EQ(slider->maximum(), 5);
    EXPECT_EQ(list->currentIndex(), -1);
    EXPECT_FALSE(check->isChecked());
    Click(probe.Control(kNotice));
  });
  // A plain notice keeps its caption and shows no icon.
  ASSERT_EQ(boxes.Boxes().size(), 1u);
  EXPECT_EQ(boxes.Boxes()[0].text, kNoticeText);
  EXPECT_EQ(boxes.Boxes()[0].caption, "Notice");
  EXPECT_EQ(boxes.Boxes()[0].icon, QMessageBox::NoIcon);
  EXPECT_THAT(page.scrollCodes, IsEmpty());
  EXPECT_EQ(page.listChanges, 0);
  for (const auto& call : probe.open.TakeCalls()) EXPECT_EQ(call["op"], "Get") << call.dump();
}

TEST(QtDriverParity, NestedModalDialogRunsInsideTheModalRunAndNarrowsItself) {
  ProbeDialog probe;
  probe.RunDialog([&] {
    QWidget* main = probe.display.WidgetFor(probe.open.dialog.GetSafeHwnd());
    QTimer::singleShot(0, [&] {
      ASSERT_EQ(ModalDialogs().size(), 2u);
      CDialog& nested = *ModalDialogs().back();
      QWidget* window = probe.display.WidgetFor(nested.GetSafeHwnd());
      ASSERT_NE(window, nullptr);
      EXPECT_EQ(QApplication::activeModalWidget(), window);
      EXPECT_EQ(window->parentWidget(), main);
      EXPECT_EQ(window->windowTitle(), "Custom");
      // The dialog moved its own edges and button from code: the widgets follow.
      CRect slider, label, button;
      nested.GetDlgItem(702)->GetWindowRect(&slider);
      nested.GetDlgItem(701)->GetWindowRect(&label);
      nested.GetDlgItem(IDOK)->GetWindowRect(&button);
      EXPECT_EQ(window->width(), slider.right + 15);
      QWidget* close = probe.display.WidgetFor(nested.GetDlgItem(IDOK)->GetSafeHwnd());
      EXPECT_EQ(close->geometry(), QRect(label.right + 5, button.top, button.Width(), button.Height()));
      EXPECT_LE(close->geometry().right(), window->width());
      Click(close);
    });
    Click(probe.Control(kCustom));  // returns once the nested dialog has ended
    EXPECT_THAT(probe.page.nestedResults, ElementsAre(IDOK));
    QTimer::singleShot(0, [&] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
    Click(probe.Control(kCustom));
    EXPECT_THAT(probe.page.nestedResults, ElementsAre(IDOK, IDCANCEL));
    EXPECT_EQ(QApplication::activeModalWidget(), main);
  });
}

// A script or a timer may end a dialog from code; the modal run must return
// without waiting for some user action.
TEST(QtDriverParity, EndDialogFromCodeEndsTheModalRun) {
  ScopedQtDisplay qt;
  SimulatedDialog open("5/30");
  bool rescued = false;
  QObject watchdog;  // its timer dies with it when the run returns in time
  QTimer::singleShot(3000, &watchdog, [&] {
    rescued = true;
    if (QWidget* widget = qt.display().WidgetFor(open.dialog.GetSafeHwnd())) QTest::keyClick(widget, Qt::Key_Escape);
  });
  EXPECT_EQ(RunModal(qt.display(), open.dialog, [&] { open.dialog.EndDialog(IDCANCEL + 40); }), IDCANCEL + 40);
  EXPECT_FALSE(rescued) << "the modal run waited for a user action";
}

}  // namespace
}  // namespace qtdisplay::testing
