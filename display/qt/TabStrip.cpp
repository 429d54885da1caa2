#include "display/qt/TabStrip.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <algorithm>

#include "framework/UserInput.h"

namespace qtdisplay {
namespace {
constexpr int kEdge = 2;  // room left of the first tab, as the platform leaves
}

TabStrip::TabStrip(ViewHost& host, QWidget* parent) : QWidget(parent), m_host(host) {}

void TabStrip::Sync(const WindowState& state, WindowChange change) {
  switch (change) {
    case WindowChange::Items:
      m_titles.clear();
      for (const ListItem& item : state.items) m_titles.push_back(QString::fromStdString(item.text));
      m_current = state.curSel;
      break;
    case WindowChange::Selection:
      m_current = state.curSel;
      break;
    case WindowChange::ItemSize:
    case WindowChange::Style:
      m_fixedWidth = (state.style & TCS_FIXEDWIDTH) ? state.itemSize.cx : 0;
      m_fixedHeight = state.itemSize.cy;
      m_multiline = (state.style & TCS_MULTILINE) != 0;
      break;
    default:
      return;
  }
  Relayout();
  update();
}

void TabStrip::InitOption(QStyleOptionTab& option, int index) const {
  option.initFrom(this);
  option.shape = QTabBar::RoundedNorth;
  option.text = m_titles[static_cast<std::size_t>(index)];
  option.state &= ~QStyle::State_HasFocus;
  if (index == m_current) option.state |= QStyle::State_Selected;
  if (!m_rects.empty()) option.rect = m_rects[static_cast<std::size_t>(index)];
  const int count = Count();
  option.position = count == 1 ? QStyleOptionTab::OnlyOneTab
                    : index == 0 ? QStyleOptionTab::Beginning
                    : index == count - 1 ? QStyleOptionTab::End
                                         : QStyleOptionTab::Middle;
  option.selectedPosition = m_current == index - 1   ? QStyleOptionTab::PreviousIsSelected
                            : m_current == index + 1 ? QStyleOptionTab::NextIsSelected
                                                     : QStyleOptionTab::NotAdjacent;
}

int TabStrip::NaturalWidth(int index) const {
  QStyleOptionTab option;
  InitOption(option, index);
  const QSize text(fontMetrics().horizontalAdvance(option.text) + style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &option, this),
                   fontMetrics().height() + style()->pixelMetric(QStyle::PM_TabBarTabVSpace, &option, this));
  return style()->sizeFromContents(QStyle::CT_TabBarTab, &option, text, this).width();
}

int TabStrip::RowHeight() const {
  if (m_fixedHeight > 0) return m_fixedHeight;
  QStyleOptionTab option;
  option.initFrom(this);
  option.shape = QTabBar::RoundedNorth;
  option.text = QStringLiteral("Xg");
  const QSize text(fontMetrics().horizontalAdvance(option.text),
                   fontMetrics().height() + style()->pixelMetric(QStyle::PM_TabBarTabVSpace, &option, this));
  return style()->sizeFromContents(QStyle::CT_TabBarTab, &option, text, this).height();
}

// Rows fill from the left; with several rows the row of the selected tab
// comes last (next to the display area) and the rows after it wrap round to
// the top, keeping their order, and each row is stretched to the strip's
// width, as the platform's multi-line tab control does. A multi-line strip
// is always at least two rows high, its rows at the bottom: the pages lie at
// a fixed place, so the gap above their first row stays the same whatever
// the number of tabs.
void TabStrip::Relayout() {
  m_rects.assign(m_titles.size(), QRect());
  const int count = Count();
  const int rowHeight = RowHeight();
  std::vector<int> rowOf(static_cast<std::size_t>(count), 0);
  std::vector<int> left(static_cast<std::size_t>(count), 0);
  std::vector<int> widths(static_cast<std::size_t>(count), 0);
  int row = 0;
  int x = kEdge;
  for (int i = 0; i < count; ++i) {
    const int w = m_fixedWidth > 0 ? m_fixedWidth : NaturalWidth(i);
    if (m_multiline && x > kEdge && x + w > width() - kEdge) {
      ++row;
      x = kEdge;
    }
    rowOf[static_cast<std::size_t>(i)] = row;
    left[static_cast<std::size_t>(i)] = x;
    widths[static_cast<std::size_t>(i)] = w;
    x += w;
  }
  const int rows = count > 0 ? row + 1 : 0;
  if (rows > 1) StretchRows(rowOf, left, widths);
  const int shownRows = m_multiline ? std::max(rows, 2) : rows;
  const int selectedRow = (m_current >= 0 && m_current < count) ? rowOf[static_cast<std::size_t>(m_current)] : 0;
  for (int i = 0; i < count; ++i) {
    const int r = rowOf[static_cast<std::size_t>(i)];
    const int line = shownRows - rows + (r - selectedRow + rows - 1) % rows;  // 0 is the top row
    m_rects[static_cast<std::size_t>(i)] =
        QRect(left[static_cast<std::size_t>(i)], line * rowHeight, widths[static_cast<std::size_t>(i)], rowHeight);
  }
  m_stripHeight = shownRows * rowHeight;
}

// Shares the room left at the end of each row among its tabs.
void TabStrip::StretchRows(const std::vector<int>& rowOf, std::vector<int>& left, std::vector<int>& widths) const {
  const int count = Count();
  for (int first = 0; first < count;) {
    int last = first;
    while (last + 1 < count && rowOf[static_cast<std::size_t>(last + 1)] == rowOf[static_cast<std::size_t>(first)]) ++last;
    const int tabs = last - first + 1;
    const int used = left[static_cast<std::size_t>(last)] + widths[static_cast<std::size_t>(last)];
    const int spare = std::max(0, width() - kEdge - used);
    int x = kEdge;
    for (int i = first; i <= last; ++i) {
      const int k = i - first;
      widths[static_cast<std::size_t>(i)] += spare * (k + 1) / tabs - spare * k / tabs;
      left[static_cast<std::size_t>(i)] = x;
      x += widths[static_cast<std::size_t>(i)];
    }
    first = last + 1;
  }
}

QRect TabStrip::TabRect(int index) const {
  return index >= 0 && index < Count() ? m_rects[static_cast<std::size_t>(index)] : QRect();
}

QRect TabStrip::DisplayArea() const {
  const int overlap = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, this);
  return QRect(0, std::max(0, m_stripHeight - overlap), width(), height() - std::max(0, m_stripHeight - overlap));
}

int TabStrip::TabAt(const QPoint& point) const {
  for (int i = 0; i < Count(); ++i)
    if (m_rects[static_cast<std::size_t>(i)].contains(point)) return i;
  return -1;
}

void TabStrip::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QStyleOptionTabWidgetFrame frame;
  frame.initFrom(this);
  frame.rect = DisplayArea();
  frame.shape = QTabBar::RoundedNorth;
  frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
  style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
  // The selected tab last, so that it covers the edges of its neighbours.
  for (int i = 0; i < Count(); ++i)
    if (i != m_current) DrawTab(painter, i);
  if (m_current >= 0 && m_current < Count()) DrawTab(painter, m_current);
}

// A style draws a tab for a tab bar of one row and may paint below it (the
// selected tab joins the display area): a tab in an upper row is kept to
// its own row, with a pixel or two to meet the display area.
void TabStrip::DrawTab(QPainter& painter, int index) const {
  QStyleOptionTab option;
  InitOption(option, index);
  const int overlap = style()->pixelMetric(QStyle::PM_TabBarTabOverlap, &option, this);
  painter.save();
  painter.setClipRect(option.rect.adjusted(-overlap - 1, 0, overlap + 1, 2));
  style()->drawControl(QStyle::CE_TabBarTab, &option, &painter, this);
  painter.restore();
}

// Choosing the tab already selected changes nothing and notifies nobody.
void TabStrip::mousePressEvent(QMouseEvent* event) {
  const int index = event->button() == Qt::LeftButton ? TabAt(event->position().toPoint()) : -1;
  if (index < 0 || index == m_current) {
    QWidget::mousePressEvent(event);
    return;
  }
  event->accept();
  m_host.Deliver(this, [index](HWND w) { UserSelectTab(w, index); });
}

void TabStrip::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Relayout();
}

void TabStrip::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) Relayout();
}

}  // namespace qtdisplay
