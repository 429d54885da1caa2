#pragma once
// The widget side of one framework window. Each widget class of the display
// implements WindowView to show what its window state holds, and reports
// user actions to its ViewHost, which turns them into framework user input.
#include <functional>

#include "framework/Display.h"

class QWidget;

namespace qtdisplay {

// A user action on a window, carried out with the framework's user-input
// functions (UserClick, UserSelectListItem, ...).
using UserAction = std::function<void(HWND window)>;

class ViewHost {
 public:
  virtual ~ViewHost() = default;
  // Runs `action` on the window that `source` shows, if it still has one.
  virtual void Deliver(QWidget* source, const UserAction& action) = 0;
  // A top-level dialog window has been painted.
  virtual void Painted(QWidget* window) = 0;
  // Keys of a top-level dialog: the next (+1) or previous (-1) tab of its
  // tab control, and Enter.
  virtual void StepTab(QWidget* dialog, int delta) = 0;
  virtual void PressDefaultButton(QWidget* dialog) = 0;
};

class WindowView {
 public:
  virtual ~WindowView() = default;
  virtual QWidget* Widget() = 0;
  // Shows the part of `state` that `change` names. Never produces a user
  // action: changes made by the module notify nobody.
  virtual void Sync(const WindowState& state, WindowChange change) = 0;
};

}  // namespace qtdisplay
