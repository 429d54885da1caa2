#include "display/qt/DialogWindow.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QShortcut>

#include "framework/UserInput.h"

namespace qtdisplay {

DialogWindow::DialogWindow(ViewHost& host, QWidget* parent, bool topLevel)
    : QWidget(parent, topLevel ? Qt::Dialog : Qt::Widget), m_host(host), m_topLevel(topLevel) {
  if (!topLevel) return;
  // Tab switching as in every tabbed dialog of the desktop. Shortcuts come
  // before the focused control, so a list never takes Ctrl+Page Down as a
  // move of its own selection.
  const auto bind = [this](QKeyCombination keys, int delta) {
    auto* shortcut = new QShortcut(QKeySequence(keys), this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, [this, delta] { m_host.StepTab(this, delta); });
  };
  bind(Qt::CTRL | Qt::Key_Tab, +1);
  bind(Qt::CTRL | Qt::Key_PageDown, +1);
  bind(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, -1);
  bind(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, -1);
  bind(Qt::CTRL | Qt::Key_PageUp, -1);
}

void DialogWindow::Sync(const WindowState& state, WindowChange change) {
  if (change == WindowChange::Text && m_topLevel) setWindowTitle(QString::fromStdString(state.text));
}

// Escape anywhere in a dialog cancels the top-level dialog, and Enter
// presses its default button: child dialogs and controls leave these keys to
// their parents.
void DialogWindow::keyPressEvent(QKeyEvent* event) {
  const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
  if (m_topLevel && modifiers == Qt::NoModifier) {
    switch (event->key()) {
      case Qt::Key_Escape:
        m_host.Deliver(this, [](HWND window) { UserEscape(window); });
        event->accept();
        return;
      case Qt::Key_Return:
      case Qt::Key_Enter:
        m_host.PressDefaultButton(this);
        event->accept();
        return;
      default:
        break;
    }
  }
  QWidget::keyPressEvent(event);
}

// The window's close box acts as Escape; the window itself goes when the
// framework destroys it.
void DialogWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (m_topLevel) m_host.Deliver(this, [](HWND window) { UserEscape(window); });
}

void DialogWindow::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  if (m_topLevel) m_host.Painted(this);
}

}  // namespace qtdisplay
