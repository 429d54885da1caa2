#pragma once
// A tab control: tabs of a fixed width (when the control asks for one) in as
// many rows as they need, the row of the selected tab next to the display
// area, as the platform's multi-line tab control does, and a framed display
// area below them. The pages are not its children: they lie over it. It
// takes no focus, as the dialog's tab control asks.
#include <QRect>
#include <QString>
#include <QWidget>
#include <vector>

#include "display/qt/WindowView.h"

class QPainter;
class QStyleOptionTab;

namespace qtdisplay {

class TabStrip : public QWidget, public WindowView {
 public:
  TabStrip(ViewHost& host, QWidget* parent);

  QWidget* Widget() override { return this; }
  void Sync(const WindowState& state, WindowChange change) override;

  int Count() const { return static_cast<int>(m_titles.size()); }
  int Current() const { return m_current; }
  // Where tab `index` is drawn (empty for no such tab), and the display area.
  QRect TabRect(int index) const;
  QRect DisplayArea() const;
  int TabAt(const QPoint& point) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void Relayout();
  void StretchRows(const std::vector<int>& rowOf, std::vector<int>& left, std::vector<int>& widths) const;
  int NaturalWidth(int index) const;
  int RowHeight() const;
  void InitOption(QStyleOptionTab& option, int index) const;
  void DrawTab(QPainter& painter, int index) const;

  ViewHost& m_host;
  std::vector<QString> m_titles;
  int m_current = -1;
  int m_fixedWidth = 0;   // 0: tabs as wide as their titles
  int m_fixedHeight = 0;  // 0: the style's height
  bool m_multiline = false;
  std::vector<QRect> m_rects;
  int m_stripHeight = 0;
};

}  // namespace qtdisplay
