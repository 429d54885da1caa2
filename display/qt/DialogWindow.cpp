#include "display/qt/DialogWindow.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include "framework/UserInput.h"

namespace qtdisplay {

DialogWindow::DialogWindow(ViewHost& host, QWidget* parent, bool topLevel)
    : QWidget(parent, topLevel ? Qt::Dialog : Qt::Widget), m_host(host), m_topLevel(topLevel) {}

void DialogWindow::Sync(const WindowState& state, WindowChange change) {
  if (change == WindowChange::Text && m_topLevel) setWindowTitle(QString::fromStdString(state.text));
}

// Escape anywhere in a dialog cancels the top-level dialog: child dialogs
// and controls leave the key to their parents.
void DialogWindow::keyPressEvent(QKeyEvent* event) {
  if (m_topLevel && event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    m_host.Deliver(this, [](HWND window) { UserEscape(window); });
    event->accept();
    return;
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
