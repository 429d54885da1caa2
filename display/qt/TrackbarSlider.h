#pragma once
// A horizontal slider that reports like the platform's trackbar: line and
// page moves while a key is held or the groove is pressed, thumb tracking
// while dragging, and an end-of-scroll when the key or the mouse button is
// let go. Left and Up step down, Right and Down step up, Page Up and Page
// Down move a page (the slider's page size, by default a fifth of the range), Home and End go to the ends.
// The thumb only moves where the framework puts it.
#include <QSlider>

#include "display/qt/WindowView.h"

namespace qtdisplay {

class TrackbarSlider : public QSlider, public WindowView {
 public:
  TrackbarSlider(ViewHost& host, QWidget* parent);

  QWidget* Widget() override { return this; }
  void Sync(const WindowState& state, WindowChange change) override;

  // Where the thumb is drawn, and the point of the groove that stands for a
  // value, in widget coordinates (for tests and tools that drag it).
  QRect ThumbRect() const;
  QPoint PointForValue(int value) const;
  // A page move: the slider's page size, else a fifth of the range, at least 1.
  int PageSize() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void Scroll(unsigned code, int position);
  void EndScroll();

  ViewHost& m_host;
  bool m_endPending = false;  // moves were reported and their end-of-scroll not yet
  bool m_autoTicks = false;
  int m_pageSize = 0;  // 0: a fifth of the range
};

}  // namespace qtdisplay
