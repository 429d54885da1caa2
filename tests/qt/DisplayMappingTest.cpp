// How framework windows look as widgets: geometry in the framework's pixels
// from the real font, pages over the tab control's display area, fixed-width
// tabs, styles and texts kept in step, arrow images and tab-aligned labels.
#include <gtest/gtest.h>

#include <algorithm>

#include <QApplication>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QSlider>
#include <QtMath>

#include "display/qt/ArrowButton.h"
#include "display/qt/StaticText.h"
#include "display/qt/TabStrip.h"
#include "tests/qt/ProbeDialogs.h"
#include "tests/qt/QtTestSupport.h"

namespace qtdisplay::testing {
namespace {

QRect ToQRect(const CRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

// The leftmost and rightmost columns holding ink in a rendered widget.
std::pair<int, int> InkColumns(const QImage& image, QRgb background) {
  int first = image.width(), last = -1;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != background) {
        first = std::min(first, x);
        last = std::max(last, x);
      }
  return {first, last};
}

QImage Render(QWidget* widget, qreal scale) {
  QImage image(widget->size() * scale, QImage::Format_RGB32);
  image.setDevicePixelRatio(scale);
  image.fill(Qt::white);
  widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
  return image;
}

using QtDisplayMapping = ProbeDialogTest;

TEST_F(QtDisplayMapping, WindowsTakeTheFrameworksPixelsFromTheRealFont) {
  const DialogBaseUnits units = display.BaseUnits(DialogFont{});
  EXPECT_EQ(units.cy, QFontMetrics(QApplication::font()).height());
  EXPECT_GT(units.cx, 2);
  RunDialog([&] {
    QWidget* window = display.WidgetFor(open.dialog.GetSafeHwnd());
    EXPECT_EQ(window->size(), ToQRect(DialogUnitsToPixels({0, 0, 441, 293}, units)).size());
    EXPECT_TRUE(window->isWindow());
    EXPECT_EQ(window->windowTitle().toStdString(), open.dialog.GetWindowText());
    EXPECT_EQ(display.WidgetFor(open.dialog.GetDlgItem(IDOK)->GetSafeHwnd())->geometry(),
              ToQRect(DialogUnitsToPixels({384, 272, 50, 14}, units)));

    // The page: a child widget of the dialog at (20, 64), above the tab control.
    QWidget* pageWidget = display.WidgetFor(page.GetSafeHwnd());
    EXPECT_EQ(pageWidget->parentWidget(), window);
    EXPECT_EQ(pageWidget->geometry(), QRect(QPoint(20, 64), ToQRect(DialogUnitsToPixels({0, 0, 400, 220}, units)).size()));
    auto* tabs = WidgetOf<TabStrip>(display, open.dialog.GetDlgItem(21016));
    ASSERT_NE(tabs, nullptr);
    const QObjectList& stack = window->children();
    EXPECT_GT(stack.indexOf(pageWidget), stack.indexOf(tabs)) << "the page lies under the tab control";
    const QRect area = tabs->DisplayArea().translated(tabs->pos());
    EXPECT_TRUE(area.contains(pageWidget->geometry())) << "page outside the display area";

    // Tabs of at least the fixed width, in as many rows as they need, each
    // row stretched to the strip's width, the selected row lowest.
    ASSERT_EQ(tabs->Count(), open.dialog.m_tab.GetItemCount());
    for (int i = 0; i < tabs->Count(); ++i) {
      EXPECT_GE(tabs->TabRect(i).width(), 120) << "tab " << i;
      EXPECT_TRUE(tabs->rect().contains(tabs->TabRect(i))) << "tab " << i;
      if (i + 1 == tabs->Count() || tabs->TabRect(i + 1).top() != tabs->TabRect(i).top()) {
        EXPECT_GE(tabs->TabRect(i).right(), tabs->width() - 4) << "row of tab " << i << " is ragged";
      }
    }
    // Nine tabs of 120 pixels take two rows; the selected tab's row is lowest.
    const int last = tabs->Count() - 1;
    EXPECT_GT(tabs->TabRect(0).top(), tabs->TabRect(last).top());
    ClickTab(tabs, last);
    EXPECT_EQ(open.dialog.m_tab.GetCurSel(), last);
    EXPECT_EQ(tabs->Current(), last);
    EXPECT_GT(tabs->TabRect(last).top(), tabs->TabRect(0).top());
    ClickTab(tabs, 0);
    EXPECT_EQ(open.dialog.m_tab.GetCurSel(), 0);

    // A drop-down list keeps its width and is as tall as a closed list is.
    QWidget* list = Control(kList);
    const QRect listRect = ToQRect(DialogUnitsToPixels({78, 30, 80, 60}, units));
    EXPECT_EQ(list->geometry().topLeft(), listRect.topLeft());
    EXPECT_EQ(list->width(), listRect.width());
    EXPECT_LT(list->height(), listRect.height());
  });
}

TEST_F(QtDisplayMapping, StyleTextAndOrderChangesShowAtOnce) {
  RunDialog([&] {
    auto* value = Control<QLineEdit>(kValue);
    ASSERT_NE(value, nullptr);
    EXPECT_TRUE(value->isReadOnly());
    EXPECT_TRUE(value->alignment() & Qt::AlignRight);
    page.SetDlgItemText(kValue, "");
    EXPECT_EQ(value->text(), "");

    QWidget* slider = Control(kSlider);
    page.m_slider.EnableWindow(FALSE);
    EXPECT_FALSE(slider->isEnabled());
    page.m_slider.EnableWindow(TRUE);
    EXPECT_TRUE(slider->isEnabled());
    auto* qslider = static_cast<QSlider*>(slider);
    EXPECT_EQ(qslider->tickPosition(), QSlider::TicksBelow);
    EXPECT_EQ(qslider->tickInterval(), 8);

    QWidget* pageWidget = display.WidgetFor(page.GetSafeHwnd());
    page.ShowWindow(SW_HIDE);
    EXPECT_FALSE(pageWidget->isVisible());
    EXPECT_FALSE(slider->isVisible());
    page.ShowWindow(SW_SHOW);
    EXPECT_TRUE(slider->isVisible());

    // Moving another window to the top of the z-order restacks the widgets.
    QWidget* window = pageWidget->parentWidget();
    CWnd* tab = open.dialog.GetDlgItem(21016);
    tab->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_GT(window->children().indexOf(display.WidgetFor(tab->GetSafeHwnd())), window->children().indexOf(pageWidget));
    page.SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_GT(window->children().indexOf(pageWidget), window->children().indexOf(display.WidgetFor(tab->GetSafeHwnd())));
  });
}

// A dialog owned by another outlives its owner, as the framework keeps it.
TEST_F(QtDisplayMapping, OwnedDialogOutlivesItsOwner) {
  DialogTemplate owned;
  owned.rect = {0, 0, 100, 40};
  owned.style = WS_VISIBLE;
  owned.caption = "Owned";
  owned.controls = {{ControlKind::Button, IDOK, "OK", {40, 20, 50, 14}, WS_VISIBLE, {}}};
  CDialog owner;
  CDialog dialog;
  ASSERT_TRUE(owner.CreateIndirect(owned));
  ASSERT_TRUE(dialog.CreateIndirect(owned, &owner));
  EXPECT_EQ(display.WidgetFor(dialog.GetSafeHwnd())->parentWidget(), display.WidgetFor(owner.GetSafeHwnd()));
  owner.DestroyWindow();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QWidget* widget = display.WidgetFor(dialog.GetSafeHwnd());
  ASSERT_NE(widget, nullptr);
  EXPECT_TRUE(widget->isVisible());
  dialog.SetWindowText("Still here");
  EXPECT_EQ(widget->windowTitle(), "Still here");
  dialog.DestroyWindow();
  EXPECT_EQ(display.WidgetFor(dialog.GetSafeHwnd()), nullptr);
}

TEST_F(QtDisplayMapping, ArrowImagesComeFromTheBitmapsOutlineAtAnyScale) {
  RunDialog([&] {
    auto* arrow = Control<ArrowButton>(kArrow);
    ASSERT_NE(arrow, nullptr);
    // Each arrow points where its name says: its tip is the extreme point.
    const struct { int id; qreal dx, dy; } arrows[] = {{22154, 1, 0}, {22155, 0, 1}, {22156, -1, 0}, {22157, 0, -1}};
    for (const auto& expected : arrows) {
      CBitmap bitmap;
      ASSERT_TRUE(bitmap.LoadBitmap(expected.id));
      page.m_arrow.SetBitmap(bitmap);
      EXPECT_EQ(arrow->BitmapId(), expected.id);
      const QRectF shape = arrow->ImagePath().boundingRect();
      ASSERT_FALSE(shape.isEmpty());
      EXPECT_TRUE(arrow->ImageRect().adjusted(-0.5, -0.5, 0.5, 0.5).contains(shape));
      const QPointF tip = shape.center() + QPointF(expected.dx * (shape.width() / 2 - 0.5),
                                                   expected.dy * (shape.height() / 2 - 0.5));
      EXPECT_TRUE(arrow->ImagePath().contains(tip)) << expected.id;
    }
    // Drawn, not scaled up: at three times the pixels the anti-aliased edge
    // stays about one device pixel wide instead of growing with the scale.
    for (qreal scale : {1.0, 3.0}) {
      const QImage image = Render(arrow, scale);
      const QRectF area = arrow->ImageRect();
      int ink = 0, edge = 0;
      for (int y = qFloor(area.top() * scale); y < qCeil(area.bottom() * scale); ++y)
        for (int x = qFloor(area.left() * scale); x < qCeil(area.right() * scale); ++x) {
          const int grey = qGray(image.pixel(x, y));
          if (grey < 64)
            ++ink;
          else if (grey < 160)
            ++edge;
        }
      const qreal perimeter = arrow->ImagePath().length() * scale;
      EXPECT_GT(ink, 0) << "scale " << scale;
      EXPECT_LT(edge, perimeter) << "scale " << scale;
    }
  });
}

TEST_F(QtDisplayMapping, TabCharactersInLabelsLineUp) {
  RunDialog([&] {
    auto* brightness = Control<StaticText>(kLabel);
    auto* contrast = Control<StaticText>(kPlainLabel);
    ASSERT_NE(brightness, nullptr);
    ASSERT_NE(contrast, nullptr);
    EXPECT_EQ(brightness->Text(), "Power\t\t:");
    const QRgb background = QColor(Qt::white).rgb();
    const auto [brightFirst, brightLast] = InkColumns(Render(brightness, 1), background);
    const auto [contrastFirst, contrastLast] = InkColumns(Render(contrast, 1), background);
    EXPECT_EQ(brightFirst, contrastFirst);
    EXPECT_EQ(brightLast, contrastLast) << "the colons do not line up";
    EXPECT_GE(brightLast, brightness->TabStop());
  });
}

}  // namespace
}  // namespace qtdisplay::testing
