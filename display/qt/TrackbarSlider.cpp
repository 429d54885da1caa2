#include "display/qt/TrackbarSlider.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>
#include <algorithm>
#include <cstdlib>

#include "framework/UserInput.h"

namespace qtdisplay {
namespace {
bool IsMoveKey(int key) {
  switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
      return true;
    default:
      return false;
  }
}
}  // namespace

TrackbarSlider::TrackbarSlider(ViewHost& host, QWidget* parent) : QSlider(Qt::Horizontal, parent), m_host(host) {
  setSingleStep(1);
  // Mouse actions: page moves on the groove, thumb drags. Qt reports the
  // new position before it applies it; the framework's answer (a position
  // notification) is what really moves the thumb.
  connect(this, &QAbstractSlider::actionTriggered, this, [this](int action) {
    switch (action) {
      case SliderPageStepAdd: Scroll(TB_PAGEDOWN, sliderPosition()); break;
      case SliderPageStepSub: Scroll(TB_PAGEUP, sliderPosition()); break;
      case SliderSingleStepAdd: Scroll(TB_LINEDOWN, sliderPosition()); break;
      case SliderSingleStepSub: Scroll(TB_LINEUP, sliderPosition()); break;
      case SliderToMinimum: Scroll(TB_TOP, sliderPosition()); break;
      case SliderToMaximum: Scroll(TB_BOTTOM, sliderPosition()); break;
      case SliderMove: Scroll(TB_THUMBTRACK, sliderPosition()); break;
      default: break;
    }
  });
  connect(this, &QAbstractSlider::sliderReleased, this, [this] {
    if (!m_endPending) return;
    Scroll(TB_THUMBPOSITION, sliderPosition());
    EndScroll();
  });
}

void TrackbarSlider::Sync(const WindowState& state, WindowChange change) {
  switch (change) {
    case WindowChange::Range:
      // A range given upside down holds the thumb between its ends all the same.
      setRange(std::min(state.rangeMin, state.rangeMax), std::max(state.rangeMin, state.rangeMax));
      m_pageSize = state.pageSize;
      setPageStep(PageSize());
      setValue(state.pos);
      break;
    case WindowChange::Position:
      setValue(state.pos);
      break;
    case WindowChange::Style:
      m_autoTicks = (state.style & TBS_AUTOTICKS) != 0;
      setTickPosition(m_autoTicks ? QSlider::TicksBelow : QSlider::NoTicks);
      break;
    case WindowChange::Ticks:
      setTickInterval(std::max(1, state.tickFreq));
      break;
    default:
      break;
  }
}

int TrackbarSlider::PageSize() const { return m_pageSize > 0 ? m_pageSize : std::max(1, (maximum() - minimum()) / 5); }

QRect TrackbarSlider::ThumbRect() const {
  QStyleOptionSlider option;
  initStyleOption(&option);
  return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
}

QPoint TrackbarSlider::PointForValue(int value) const {
  QStyleOptionSlider option;
  initStyleOption(&option);
  const QRect groove = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
  const QRect thumb = ThumbRect();
  const int span = groove.width() - thumb.width();
  const int offset = QStyle::sliderPositionFromValue(minimum(), maximum(), value, span, option.upsideDown);
  return QPoint(groove.left() + offset + thumb.width() / 2, thumb.center().y());
}

void TrackbarSlider::keyPressEvent(QKeyEvent* event) {
  if (!IsMoveKey(event->key()) || event->modifiers() & ~Qt::KeypadModifier) {
    QSlider::keyPressEvent(event);
    return;
  }
  const int pos = value();
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up: Scroll(TB_LINEUP, pos - 1); break;
    case Qt::Key_Right:
    case Qt::Key_Down: Scroll(TB_LINEDOWN, pos + 1); break;
    case Qt::Key_PageUp: Scroll(TB_PAGEUP, pos - PageSize()); break;
    case Qt::Key_PageDown: Scroll(TB_PAGEDOWN, pos + PageSize()); break;
    case Qt::Key_Home: Scroll(TB_TOP, minimum()); break;
    case Qt::Key_End: Scroll(TB_BOTTOM, maximum()); break;
    default: break;
  }
  event->accept();
}

void TrackbarSlider::keyReleaseEvent(QKeyEvent* event) {
  if (IsMoveKey(event->key()) && !event->isAutoRepeat()) {
    EndScroll();
    event->accept();
    return;
  }
  QSlider::keyReleaseEvent(event);
}

// A press on the groove ends when the button is let go; a drag ends with
// sliderReleased, which has run by now.
void TrackbarSlider::mouseReleaseEvent(QMouseEvent* event) {
  QSlider::mouseReleaseEvent(event);
  EndScroll();
}

// A wheel notch over the focused slider is a line move with its end.
void TrackbarSlider::wheelEvent(QWheelEvent* event) {
  const int delta = event->angleDelta().y() != 0 ? event->angleDelta().y() : event->angleDelta().x();
  if (!hasFocus() || delta == 0) {
    event->ignore();
    return;
  }
  if (delta > 0)
    Scroll(TB_LINEDOWN, value() + 1);
  else
    Scroll(TB_LINEUP, value() - 1);
  EndScroll();
  event->accept();
}

// The style's slider, with the tick marks drawn on their own: Fusion draws
// them in the colour it last used for a highlighted groove whenever it has
// just painted that groove afresh, so that a slider without the focus could
// show the focus colour. Drawn apart, they take the highlight colour only
// while this slider has the focus.
void TrackbarSlider::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QStyleOptionSlider option;
  initStyleOption(&option);
  option.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderHandle;
  style()->drawComplexControl(QStyle::CC_Slider, &option, &painter, this);
  if (tickPosition() == NoTicks) return;
  option.subControls = QStyle::SC_SliderTickmarks;
  style()->drawComplexControl(QStyle::CC_Slider, &option, &painter, this);
}

void TrackbarSlider::Scroll(unsigned code, int position) {
  m_endPending = true;
  m_host.Deliver(this, [code, position](HWND w) { UserSliderScroll(w, code, position); });
}

void TrackbarSlider::EndScroll() {
  if (!m_endPending) return;
  m_endPending = false;
  m_host.Deliver(this, [](HWND w) { UserSliderScroll(w, TB_ENDTRACK, 0); });
}

}  // namespace qtdisplay
