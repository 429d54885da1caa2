#include "display/qt/QtDisplay.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>
#include <QScreen>
#include <QSignalBlocker>
#include <QTranslator>
#include <algorithm>


#include "display/qt/ArrowButton.h"
#include "display/qt/BaseUnits.h"
#include "display/qt/BusyCursor.h"
#include "display/qt/DialogWindow.h"
#include "display/qt/QtTranslations.h"
#include "display/qt/SimpleControls.h"
#include "display/qt/StaticText.h"
#include "display/qt/TabStrip.h"
#include "display/qt/TrackbarSlider.h"
#include "display/qt/WaitProgress.h"
#include "framework/Dialog.h"
#include "framework/UserInput.h"

namespace qtdisplay {
namespace {

// Everything a window's state holds, in the order a new widget takes it on.
constexpr WindowChange kFullState[] = {WindowChange::Style,    WindowChange::Text,      WindowChange::ItemSize,
                                       WindowChange::Items,    WindowChange::Selection, WindowChange::Range,
                                       WindowChange::Position, WindowChange::Ticks,     WindowChange::Check,
                                       WindowChange::Bitmap,   WindowChange::Geometry};

bool TakesFocus(WindowClass windowClass) {
  switch (windowClass) {
    case WindowClass::Button:
    case WindowClass::CheckBox:
    case WindowClass::BitmapButton:
    case WindowClass::Edit:
    case WindowClass::ComboBox:
    case WindowClass::Slider:
      return true;
    default:
      return false;
  }
}

bool IsModal(HWND window) {
  const auto& stack = ModalDialogs();
  return std::any_of(stack.begin(), stack.end(), [&](const CDialog* d) { return d->GetSafeHwnd() == window; });
}

HWND RootOf(HWND window) {
  while (window && window->parent) window = window->parent;
  return window;
}

// The first window below `window` (depth first, top of the z-order first)
// that `match` accepts.
template <class Match>
HWND FindBelow(HWND window, const Match& match) {
  for (const auto& child : window->children) {
    if (match(child.get())) return child.get();
    if (const HWND found = FindBelow(child.get(), match)) return found;
  }
  return nullptr;
}

bool Usable(HWND window) {
  for (HWND w = window; w; w = w->parent)
    if (!w->IsVisible() || !w->IsEnabled()) return false;
  return true;
}

QWidget* OnScreen(QWidget* window) { return window && window->isVisible() ? window : nullptr; }

// The window the application shows the user now: the active one, else the
// first plain window on screen (the host's, which the module never sees).
// The progress box of a slow call is never an owner: it goes when the call
// ends, and would take the boxes it owned with it.
QWidget* ApplicationWindow() {
  QWidget* active = OnScreen(QApplication::activeWindow());
  if (active && qobject_cast<QProgressDialog*>(active)) active = OnScreen(active->parentWidget());
  if (active) return active->window();
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    const Qt::WindowType type = widget->windowType();
    if ((type == Qt::Window || type == Qt::Dialog) && widget->isVisible() && !qobject_cast<QProgressDialog*>(widget))
      return widget;
  }
  return nullptr;
}

// Centred over `over`'s frame, or on the primary screen without it.
void CentreWindow(QWidget* window, const QWidget* over) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect area = over ? over->frameGeometry() : (screen ? screen->availableGeometry() : QRect());
  const QRect frame = window->frameGeometry();
  window->move(area.center() - QPoint(frame.width() / 2, frame.height() / 2) + (window->pos() - frame.topLeft()));
}

// The style shows its focus indicator only in a window that has seen
// keyboard navigation; a dialog is used from the keyboard from its first
// moment, so its focused control shows it always.
void ShowFocusIndicator(QWidget* window) {
  if (window && !window->testAttribute(Qt::WA_KeyboardFocusChange)) {
    window->setAttribute(Qt::WA_KeyboardFocusChange);
    if (QWidget* focused = window->focusWidget()) focused->update();
  }
}

}  // namespace

// Slow projector calls show their progress box over the dialog whose modal
// run is innermost, or, while a dialog opens, over the active window. Its
// caption is the outermost dialog's, which names the projector, even while
// that dialog is still being opened and not yet on screen.
QtDisplay::QtDisplay()
    : m_qtTexts(InstallQtTranslations()),
      m_waitProgress(std::make_unique<WaitProgress>(
          [this]() -> QWidget* {
            if (!m_loops.empty()) return WidgetFor(m_loops.back().dialog->GetSafeHwnd());
            return QApplication::activeWindow();
          },
          []() -> QString {
            const auto& dialogs = ModalDialogs();
            return dialogs.empty() ? QString() : QString::fromStdString(dialogs.front()->GetWindowText());
          },
          kBusyThreshold)) {}

QtDisplay::~QtDisplay() {
  std::vector<QPointer<QWidget>> windows;
  for (const auto& [window, entry] : m_views)
    if (!window->parent) windows.emplace_back(entry.widget);
  m_views.clear();
  m_windows.clear();
  for (const QPointer<QWidget>& widget : windows) delete widget.data();
  // Widgets handed to deleteLater while no loop was left to delete them.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QWidget* QtDisplay::WidgetFor(HWND window) const {
  const auto it = m_views.find(window);
  return it == m_views.end() ? nullptr : it->second.widget;
}

HWND QtDisplay::WindowFor(const QWidget* widget) const {
  const auto it = m_windows.find(widget);
  return it == m_windows.end() ? nullptr : it->second;
}

DialogBaseUnits QtDisplay::BaseUnits(const DialogFont&) {
  // Dialog templates name the platform's dialog font; here that is the UI font.
  return BaseUnitsOf(QApplication::font());
}

// ---- windows to widgets ---------------------------------------------------

void QtDisplay::OnWindowChanged(HWND window, WindowChange change) {
  if (!window) return;
  if (change == WindowChange::Created) {
    CreateTree(window);
    UpdateTabOrder(RootOf(window));
    return;
  }
  const auto it = m_views.find(window);
  if (it == m_views.end()) return;
  if (change == WindowChange::Destroyed) {
    Destroy(window);
    return;
  }
  WindowView& view = *it->second.view;
  QWidget* widget = it->second.widget;
  const QSignalBlocker blocker(widget);
  switch (change) {
    case WindowChange::Style:
      widget->setEnabled(window->IsEnabled());
      if (TakesFocus(window->windowClass))
        widget->setFocusPolicy((window->style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
      view.Sync(*window, change);
      if (window->parent)
        widget->setVisible(window->IsVisible());
      else if (window->IsVisible())
        ShowTopLevel(widget);
      else
        widget->hide();
      break;
    case WindowChange::Geometry: {
      const CRect& r = window->rect;
      if (!window->parent) {
        widget->setFixedSize(r.Width(), r.Height());  // the client area; the frame is the window manager's
      } else {
        // A drop-down list's template height includes its open list.
        const int height = window->windowClass == WindowClass::ComboBox ? widget->sizeHint().height() : r.Height();
        widget->setGeometry(r.left, r.top, r.Width(), height);
      }
      view.Sync(*window, change);
      break;
    }
    case WindowChange::ZOrder:
      Restack(window->parent);
      UpdateTabOrder(RootOf(window));
      break;
    case WindowChange::Repaint:
      widget->update();
      break;
    default:
      view.Sync(*window, change);
      break;
  }
}

void QtDisplay::CreateTree(HWND window) {
  if (m_views.count(window)) return;
  CreateWindowView(window);
  for (const auto& child : window->children) CreateTree(child.get());
  if (!window->children.empty()) Restack(window);
}

void QtDisplay::CreateWindowView(HWND window) {
  QWidget* parent = nullptr;
  if (window->parent) {
    parent = WidgetFor(window->parent);
    if (!parent) return;  // its parent was made before this display was installed
  } else if (window->owner) {
    if (QWidget* owner = WidgetFor(window->owner)) parent = owner->window();
  }
  WindowView* view = nullptr;
  switch (window->windowClass) {
    case WindowClass::Dialog: view = new DialogWindow(*this, parent, window->parent == nullptr); break;
    case WindowClass::Button: view = new PushButton(*this, parent); break;
    case WindowClass::CheckBox: view = new CheckBox(*this, parent); break;
    case WindowClass::BitmapButton: view = new ArrowButton(*this, parent); break;
    case WindowClass::Static: view = new StaticText(parent); break;
    case WindowClass::Edit: view = new ValueBox(*this, parent); break;
    case WindowClass::ComboBox: view = new ListBox(*this, parent); break;
    case WindowClass::Slider: view = new TrackbarSlider(*this, parent); break;
    case WindowClass::Tab: view = new TabStrip(*this, parent); break;
  }
  QWidget* widget = view->Widget();
  m_views[window] = Entry{view, widget};
  m_windows[widget] = window;
  // Qt deletes the children of a deleted widget: forget them with it.
  QObject::connect(widget, &QObject::destroyed, &m_context, [this, window, widget] {
    const auto it = m_views.find(window);
    if (it != m_views.end() && it->second.widget == widget) m_views.erase(it);
    m_windows.erase(widget);
  });
  if (window->windowClass == WindowClass::Dialog && !window->parent && IsModal(window))
    widget->setWindowModality(Qt::ApplicationModal);
  const QSignalBlocker blocker(widget);
  for (WindowChange change : kFullState) OnWindowChanged(window, change);
}

void QtDisplay::Forget(HWND window) {
  for (const auto& child : window->children) Forget(child.get());
  const auto it = m_views.find(window);
  if (it == m_views.end()) return;
  m_windows.erase(it->second.widget);
  m_views.erase(it);
}

// The widget may be on the call stack (a dialog ended from its own button):
// it goes when control is back in the event loop.
void QtDisplay::Destroy(HWND window) {
  QWidget* widget = WidgetFor(window);
  Forget(window);
  if (!widget) return;
  // Windows it owns outlive it, as in the framework; Qt would delete them with it.
  for (const auto& [other, entry] : m_views) {
    if (other->parent) continue;
    for (QWidget* up = entry.widget->parentWidget(); up; up = up->parentWidget()) {
      if (up != widget) continue;
      entry.widget->setParent(nullptr, entry.widget->windowFlags());
      if (other->IsVisible()) entry.widget->show();  // setParent hides it
      break;
    }
  }
  widget->hide();
  widget->deleteLater();
}

// The framework keeps siblings top first; in Qt the last raised is on top.
void QtDisplay::Restack(HWND parent) {
  if (!parent) return;
  for (auto it = parent->children.rbegin(); it != parent->children.rend(); ++it)
    if (QWidget* widget = WidgetFor(it->get())) widget->raise();
}

void QtDisplay::UpdateTabOrder(HWND root) {
  std::vector<QWidget*> chain;
  const auto collect = [&](const auto& self, HWND window) -> void {
    for (const auto& child : window->children) {
      QWidget* widget = WidgetFor(child.get());
      if (!widget) continue;
      if (child->windowClass == WindowClass::Dialog)
        self(self, child.get());
      else if (widget->focusPolicy() & Qt::TabFocus)
        chain.push_back(widget);
    }
  };
  if (!root || !WidgetFor(root)) return;
  collect(collect, root);
  for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void QtDisplay::ShowTopLevel(QWidget* widget) {
  auto* dialog = dynamic_cast<DialogWindow*>(widget);
  if (dialog && !dialog->Placed()) {
    // Centred over its owner; without one, over the application's window
    // (the host's), or on the screen.
    const QWidget* owner = widget->parentWidget() ? widget->parentWidget()->window() : ApplicationWindow();
    CentreWindow(widget, owner != widget ? owner : nullptr);
    dialog->SetPlaced();
  }
  widget->show();  // which forgets any keyboard use of the window
  ShowFocusIndicator(widget);
  widget->activateWindow();
  // The first control in tab order has the focus, as in a dialog.
  if (!widget->focusWidget() || !widget->focusWidget()->isVisibleTo(widget)) {
    for (QWidget* next = widget->nextInFocusChain(); next && next != widget; next = next->nextInFocusChain()) {
      if ((next->focusPolicy() & Qt::TabFocus) && next->isVisibleTo(widget) && next->isEnabled()) {
        next->setFocus(Qt::TabFocusReason);
        break;
      }
    }
  }
}

// ---- user input and modal runs --------------------------------------------

void QtDisplay::Deliver(QWidget* source, const UserAction& action) {
  const HWND window = WindowFor(source);
  if (!window) return;  // its window is gone
  const bool tab = window->windowClass == WindowClass::Tab;
  const HWND root = RootOf(window);
  action(window);
  // The tab control never takes the focus; the page it shows does.
  if (tab && WidgetFor(root)) FocusFirstPageControl(root);
  EndFinishedLoops();
}

void QtDisplay::StepTab(QWidget* dialog, int delta) {
  const HWND root = WindowFor(dialog);
  if (!root) return;
  const HWND tab = FindBelow(root, [](HWND w) { return w->windowClass == WindowClass::Tab && Usable(w); });
  QWidget* strip = tab ? WidgetFor(tab) : nullptr;
  const int count = tab ? static_cast<int>(tab->items.size()) : 0;
  if (!strip || count < 2) return;
  const int next = ((tab->curSel < 0 ? 0 : tab->curSel + delta) % count + count) % count;
  Deliver(strip, [next](HWND w) { UserSelectTab(w, next); });
}

void QtDisplay::FocusFirstPageControl(HWND root) {
  const auto pageControl = [](HWND w) {
    return w->parent && w->parent->parent && w->parent->windowClass == WindowClass::Dialog &&
           TakesFocus(w->windowClass) && (w->style & WS_TABSTOP) && Usable(w);
  };
  if (const HWND first = FindBelow(root, pageControl))
    if (QWidget* widget = WidgetFor(first)) {
      ShowFocusIndicator(widget->window());
      widget->setFocus(Qt::TabFocusReason);
    }
}

// Enter on a focused push button presses it; anywhere else the dialog's
// default button (BS_DEFPUSHBUTTON, else the OK button), as in a dialog of
// the platform.
void QtDisplay::PressDefaultButton(QWidget* dialog) {
  const HWND root = WindowFor(dialog);
  if (!root) return;
  HWND target = WindowFor(QApplication::focusWidget());
  if (!target || target->windowClass != WindowClass::Button || RootOf(target) != root || !Usable(target)) {
    const auto button = [](HWND w) { return w->windowClass == WindowClass::Button && Usable(w); };
    target = FindBelow(root, [&](HWND w) { return button(w) && (w->style & BS_DEFPUSHBUTTON); });
    if (!target) target = FindBelow(root, [&](HWND w) { return button(w) && w->id == IDOK; });
  }
  if (QWidget* widget = target ? WidgetFor(target) : nullptr) Deliver(widget, [](HWND w) { UserClick(w); });
}

void QtDisplay::Painted(QWidget* window) {
  if (!m_paintObserver) return;
  if (const HWND dialog = WindowFor(window)) m_paintObserver(dialog);
}

void QtDisplay::EndFinishedLoops() {
  for (const ModalLoop& run : m_loops)
    if (run.dialog->HasEnded()) run.loop->exit(0);
}

void QtDisplay::OnDialogEnded(CDialog&) { EndFinishedLoops(); }

void QtDisplay::RunModalLoop(CDialog& dialog) {
  if (!WidgetFor(dialog.GetSafeHwnd())) {
    dialog.EndDialog(IDCANCEL);  // nothing a user could answer
    return;
  }
  QEventLoop loop;
  m_loops.push_back(ModalLoop{&dialog, &loop});
  while (!dialog.HasEnded()) {
    // Only a loop that Qt ends (the application quitting) returns non-zero.
    if (loop.exec(QEventLoop::DialogExec) != 0) dialog.EndDialog(IDCANCEL);
  }
  m_loops.pop_back();
  if (QWidget* widget = WidgetFor(dialog.GetSafeHwnd())) widget->hide();
}

// The window a box belongs to: its owner's window when that is on screen,
// else the innermost modal dialog on screen, else the application's window
// (a dialog that is not shown yet reports over the host's window).
QWidget* QtDisplay::MessageBoxParent(HWND owner) const {
  if (QWidget* widget = WidgetFor(owner))
    if (QWidget* window = OnScreen(widget->window())) return window;
  for (auto run = m_loops.rbegin(); run != m_loops.rend(); ++run)
    if (QWidget* window = OnScreen(WidgetFor(run->dialog->GetSafeHwnd()))) return window;
  return ApplicationWindow();
}

int QtDisplay::ShowMessageBox(const MessageBoxRequest& request) {
  const bool stop = (request.type & MB_ICONMASK) == MB_ICONSTOP;
  QWidget* parent = MessageBoxParent(request.owner);
  QMessageBox box(stop ? QMessageBox::Critical : QMessageBox::NoIcon, QString::fromStdString(request.caption),
                  QString::fromStdString(request.text), QMessageBox::Ok, parent);
  box.setWindowModality(Qt::ApplicationModal);
  // Shown first, so that it has its final size, then centred on its window
  // (the window manager may not place a transient box).
  box.show();
  CentreWindow(&box, parent);
  box.exec();
  return IDOK;
}

// ---- ScopedQtDisplay -------------------------------------------------------

ScopedQtDisplay::ScopedQtDisplay() : m_display(std::make_unique<QtDisplay>()) {
  m_previous = SetDisplay(m_display.get());
}

ScopedQtDisplay::~ScopedQtDisplay() { SetDisplay(m_previous); }

}  // namespace qtdisplay
