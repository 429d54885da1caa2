// Every tab of one model per type renders offscreen: the picture is not
// blank, and every visible control lies inside the dialog without
// overlapping its visible siblings. The pictures are kept for people.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QSet>
#include <QTest>
#include <QWidget>

#include "display/qt/TabStrip.h"
#include "projector/CommandCodes.h"
#include "tests/qt/QtTestSupport.h"

namespace qtdisplay::testing {
namespace {

bool IsChildDialog(const WindowState& window) { return window.windowClass == WindowClass::Dialog; }

// Where a window's widget lies in the dialog.
QRect InDialog(const QtDisplay& display, const WindowState& window, QWidget* dialog) {
  QWidget* widget = display.WidgetFor(const_cast<HWND>(&window));
  return widget ? QRect(widget->mapTo(dialog, QPoint(0, 0)), widget->size()) : QRect();
}

// The visible controls under `parent` (looking into its visible child
// dialogs) lie inside the dialog and apart from one another. Pages lie over
// the tab control by design, so a child dialog is compared with nothing.
void CheckLayout(const QtDisplay& display, const WindowState& parent, QWidget* dialog, const std::string& where) {
  std::vector<const WindowState*> controls;
  for (const auto& child : parent.children) {
    if (!child->IsVisible()) continue;
    if (IsChildDialog(*child)) {
      CheckLayout(display, *child, dialog, where);
      continue;
    }
    controls.push_back(child.get());
  }
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const QRect rect = InDialog(display, *controls[i], dialog);
    EXPECT_FALSE(rect.isEmpty()) << where << ": control " << controls[i]->id << " has no size";
    EXPECT_TRUE(dialog->rect().contains(rect)) << where << ": control " << controls[i]->id << " leaves the dialog";
    for (std::size_t j = i + 1; j < controls.size(); ++j)
      EXPECT_FALSE(rect.intersects(InDialog(display, *controls[j], dialog)))
          << where << ": controls " << controls[i]->id << " and " << controls[j]->id << " overlap";
  }
}

int DistinctColours(const QImage& image) {
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); y += 2)
    for (int x = 0; x < image.width(); x += 2) colours.insert(image.pixel(x, y));
  return colours.size();
}

class QtScreenshots : public ::testing::TestWithParam<const char*> {};

TEST_P(QtScreenshots, EveryTabRendersWithItsControlsInPlace) {
  const std::string model = GetParam();
  ScopedQtDisplay qt;
  QtDisplay& display = qt.display();
  SimulatedDialog open(model);
  QDir().mkpath(EXPERT_QT_SCREENS_DIR);
  int tabsSeen = 0;
  int tabCount = 0;
  RunModal(display, open.dialog, [&] {
    QWidget* dialog = display.WidgetFor(open.dialog.GetSafeHwnd());
    auto* tabs = WidgetOf<TabStrip>(display, open.dialog.GetDlgItem(21016));
    ASSERT_NE(tabs, nullptr);
    tabCount = open.dialog.m_tab.GetItemCount();
    for (int tab = 0; tab < tabs->Count(); ++tab) {
      if (tab != tabs->Current()) ClickTab(tabs, tab);
      QCoreApplication::processEvents();
      const std::string where = "model " + model + " tab " + std::to_string(tab);
      const QImage image = dialog->grab().toImage();
      ASSERT_FALSE(image.isNull()) << where;
      EXPECT_GE(DistinctColours(image), 4) << where << " looks blank";
      std::string name = model;
      std::replace(name.begin(), name.end(), '/', '-');
      image.save(QString::fromStdString(std::string(EXPERT_QT_SCREENS_DIR) + "/type" + name + "-tab" +
                                        std::to_string(tab) + ".png"));
      CheckLayout(display, *open.dialog.GetSafeHwnd(), dialog, where);
      ++tabsSeen;
    }
    Click(display.WidgetFor(open.dialog.GetDlgItem(IDOK)->GetSafeHwnd()));
  });
  EXPECT_EQ(tabsSeen, tabCount);
  EXPECT_GT(tabsSeen, 1);
}

// One model per type.
INSTANTIATE_TEST_SUITE_P(OnePerType, QtScreenshots, ::testing::Values("1/3", "2/6", "3/10", "4/9", "5/30", "5/42", "5/44"),
                         [](const auto& info) {
                           std::string name = info.param;
                           return "type" + name.replace(name.find('/'), 1, "_");
                         });

// The custom dialogs of the picture pages, in the form of each page type:
// modal, centred over the Expert Control dialog, laid out inside, closed by Escape.
TEST(QtCustomDialogs, OpenCentredInTheirFormAndCloseOnEscape) {
  for (auto [model, opener, name] : {std::tuple{"5/30", 20133, "gamma-type5"}, {"5/30", 20143, "colortemp-type5"},
                                     {"4/21", 20133, "gamma-type4"}, {"4/21", 20143, "colortemp-type4"}}) {
    ScopedQtDisplay qt;
    QtDisplay& display = qt.display();
    SimulatedDialog open(model);
    open.projector->SetValue(pjcode::kColourTemperature, 0, model[0] == '5' ? 17 : 4);  // an editable mode
    bool seen = false;
    RunModal(display, open.dialog, [&] {
      QWidget* main = display.WidgetFor(open.dialog.GetSafeHwnd());
      ClickTab(display.WidgetFor(open.dialog.m_tab.GetSafeHwnd()), 1);
      QTimer::singleShot(0, [&] {
        CDialog& nested = *ModalDialogs().back();
        QWidget* window = display.WidgetFor(nested.GetSafeHwnd());
        ASSERT_NE(window, main);
        EXPECT_EQ(QApplication::activeModalWidget(), window) << name;
        EXPECT_LE((window->geometry().center() - main->geometry().center()).manhattanLength(), 4) << name;
        QCoreApplication::processEvents();
        QDir().mkpath(EXPERT_QT_SCREENS_DIR);
        window->grab().save(QString::fromStdString(std::string(EXPERT_QT_SCREENS_DIR) + "/" + name + ".png"));
        CheckLayout(display, *nested.GetSafeHwnd(), window, name);
        seen = true;
        QTest::keyClick(window, Qt::Key_Escape);
      });
      const CDialog* page = open.dialog.PageForTemplate(model[0] == '5' ? 107 : 22160);
      Click(display.WidgetFor(page->GetDlgItem(opener)->GetSafeHwnd()));  // returns once the nested one has ended
      EXPECT_EQ(QApplication::activeModalWidget(), main);
      Click(display.WidgetFor(open.dialog.GetDlgItem(IDOK)->GetSafeHwnd()));
    });
    EXPECT_TRUE(seen) << name;
  }
}

}  // namespace
}  // namespace qtdisplay::testing
