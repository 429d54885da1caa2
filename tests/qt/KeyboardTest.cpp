// The keyboard: Tab walks the controls in template order, Escape cancels,
// and a slider moves while a key is held and ends its scroll when the key
// is let go, as the platform's slider does.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>
#include <QTest>
#include <set>

#include "display/qt/TrackbarSlider.h"
#include "projector/CommandCodes.h"
#include "tests/qt/ProbeDialogs.h"
#include "tests/qt/QtTestSupport.h"

namespace qtdisplay::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

using QtKeyboard = ProbeDialogTest;

TEST_F(QtKeyboard, TabFollowsTemplateOrderAndEscapeCancelsFromAnyControl) {
  std::vector<int> visited;
  const INT_PTR result = RunDialog([&] {
    // The probe alone: the dialog's own pages out of the way.
    for (const auto& child : open.dialog.GetSafeHwnd()->children)
      if (child->windowClass == WindowClass::Dialog && child.get() != page.GetSafeHwnd())
        CWnd::FromHandle(child.get())->ShowWindow(SW_HIDE);
    QWidget* window = display.WidgetFor(open.dialog.GetSafeHwnd());
    QApplication::setActiveWindow(window);
    Control(kMinus)->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 10; ++i) {
      const HWND focused = display.WindowFor(QApplication::focusWidget());
      visited.push_back(focused ? focused->id : -1);
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QTest::keyClick(Control(kSlider), Qt::Key_Escape);
  });
  // The page lies on top of the z-order, so its controls come first; the
  // arrow button and the tab control take no tab stop.
  EXPECT_THAT(visited, ElementsAre(kMinus, kSlider, kPlus, kValue, kList, kCheck, kCustom, kNotice, IDOK, kMinus));
  EXPECT_EQ(result, IDCANCEL);
}

// The tick marks take the focus colour while the slider has the focus and
// only then, also when the style has just drawn its groove afresh.
TEST_F(QtKeyboard, SliderTicksShowTheFocusColourOnlyWithTheFocus) {
  const auto tickColours = [](QWidget* slider) {
    const QImage image = slider->grab().toImage();
    std::set<QRgb> colours;
    for (int y = image.height() * 3 / 4; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
    return colours;
  };
  RunDialog([&] {
    for (const auto& child : open.dialog.GetSafeHwnd()->children)
      if (child->windowClass == WindowClass::Dialog && child.get() != page.GetSafeHwnd())
        CWnd::FromHandle(child.get())->ShowWindow(SW_HIDE);
    QWidget* window = display.WidgetFor(open.dialog.GetSafeHwnd());
    QApplication::setActiveWindow(window);
    QWidget* slider = Control(kSlider);
    Control(kMinus)->setFocus(Qt::TabFocusReason);
    tickColours(slider);
    const auto unfocused = tickColours(slider);  // the style's caches warm
    QPixmapCache::clear();
    EXPECT_EQ(tickColours(slider), unfocused);
    slider->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(slider->hasFocus());
    EXPECT_NE(tickColours(slider), unfocused);
    QTest::keyClick(slider, Qt::Key_Escape);
  });
}

TEST_F(QtKeyboard, SliderKeysMoveWhileHeldAndSendOnRelease) {
  RunDialog([&] {
    auto* slider = Control<TrackbarSlider>(kSlider);
    ASSERT_NE(slider, nullptr);
    slider->setFocus();
    open.TakeCalls();

    QTest::keyPress(slider, Qt::Key_Right);
    EXPECT_EQ(page.m_slider.GetPos(), 1);
    EXPECT_EQ(slider->value(), 1);
    EXPECT_THAT(page.scrollCodes, ElementsAre(TB_LINEDOWN));
    EXPECT_THAT(open.TakeCalls(), IsEmpty()) << "nothing is sent while the key is down";
    QTest::keyRelease(slider, Qt::Key_Right);
    EXPECT_THAT(page.scrollCodes, ElementsAre(TB_LINEDOWN, TB_ENDTRACK));
    const auto calls = open.TakeCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0]["op"], "Set");
    EXPECT_EQ(calls[0]["value"], 1 + 128);

    page.scrollCodes.clear();
    QTest::keyPress(slider, Qt::Key_PageDown);
    QTest::keyPress(slider, Qt::Key_PageDown, Qt::NoModifier);  // held: the key repeats
    QTest::keyRelease(slider, Qt::Key_PageDown);
    EXPECT_EQ(page.m_slider.GetPos(), 1 + 2 * slider->PageSize());
    QTest::keyClick(slider, Qt::Key_Up);  // up is towards the minimum, as on the platform
    QTest::keyClick(slider, Qt::Key_Home);
    EXPECT_EQ(page.m_slider.GetPos(), -32);
    QTest::keyClick(slider, Qt::Key_Left);  // at the end already: clamped, still reported
    EXPECT_THAT(page.scrollCodes, ElementsAre(TB_PAGEDOWN, TB_PAGEDOWN, TB_ENDTRACK, TB_LINEUP, TB_ENDTRACK, TB_TOP,
                                              TB_ENDTRACK, TB_LINEUP, TB_ENDTRACK));
    EXPECT_EQ(page.m_slider.GetPos(), -32);
    EXPECT_EQ(page.m_nBrightness, -32);
  });
}

// Ctrl+Tab and Ctrl+Page Down go to the next tab, Ctrl+Shift+Tab and
// Ctrl+Page Up to the previous one, round the ends; the page shown gets the
// focus, and Enter presses Close, the default button.
TEST(QtKeyboardTabs, CtrlKeysSwitchTabsFocusThePageAndEnterCloses) {
  ScopedQtDisplay qt;
  QtDisplay& display = qt.display();
  SimulatedDialog open("4/9");
  std::vector<int> tabs;
  std::vector<bool> focusOnPage, focusShown;
  // The style draws its focus indicator for a widget painted with both states.
  const auto indicatorShown = [] {
    QStyleOption option;
    if (QApplication::focusWidget()) option.initFrom(QApplication::focusWidget());
    return (option.state & QStyle::State_HasFocus) && (option.state & QStyle::State_KeyboardFocusChange);
  };
  const INT_PTR result = RunModal(display, open.dialog, [&] {
    QWidget* window = display.WidgetFor(open.dialog.GetSafeHwnd());
    QApplication::setActiveWindow(window);
    focusShown.push_back(indicatorShown());  // on opening
    const auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers) {
      window->setAttribute(Qt::WA_KeyboardFocusChange, false);  // as after a mouse click
      QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window, key, modifiers);
      tabs.push_back(open.dialog.m_tab.GetCurSel());
      const HWND focused = display.WindowFor(QApplication::focusWidget());
      focusOnPage.push_back(focused && focused->parent && focused->parent != open.dialog.GetSafeHwnd());
      focusShown.push_back(indicatorShown());
    };
    press(Qt::Key_PageUp, Qt::ControlModifier);  // round the start to the control page
    press(Qt::Key_Tab, Qt::ControlModifier);
    press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    press(Qt::Key_PageDown, Qt::ControlModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  });
  EXPECT_THAT(tabs, ElementsAre(8, 0, 8, 0));
  EXPECT_THAT(focusOnPage, ElementsAre(true, true, true, true));
  EXPECT_THAT(focusShown, ElementsAre(true, true, true, true, true));
  EXPECT_EQ(result, IDOK);
}

}  // namespace
}  // namespace qtdisplay::testing
