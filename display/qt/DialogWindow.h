#pragma once
// A dialog: a top-level window (modal or not), or a child dialog such as a
// page, which is a plain child widget of its parent dialog and lets the
// dialog's tab control show through.
#include <QWidget>

#include "display/qt/WindowView.h"

namespace qtdisplay {

class DialogWindow : public QWidget, public WindowView {
 public:
  // `parent` is the owner of a top-level dialog, the parent dialog of a child one.
  DialogWindow(ViewHost& host, QWidget* parent, bool topLevel);

  QWidget* Widget() override { return this; }
  void Sync(const WindowState& state, WindowChange change) override;
  bool IsTopLevel() const { return m_topLevel; }
  // Whether the window has been placed on the screen once.
  bool Placed() const { return m_placed; }
  void SetPlaced() { m_placed = true; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  ViewHost& m_host;
  const bool m_topLevel;
  bool m_placed = false;
};

}  // namespace qtdisplay
