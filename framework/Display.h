#pragma once
// What the framework asks of whatever shows its windows: the headless display
// for tests and automation, the Qt display on a desktop.
#include <string>

#include "framework/Template.h"
#include "framework/WindowState.h"

class CDialog;

enum class WindowChange {
  Created,    // the window and its children exist (children are announced with it)
  Destroyed,  // about to be freed, with all its children
  Text,
  Style,      // visible, enabled
  Geometry,
  ZOrder,
  Items,      // list or tab items added, removed or reset
  Selection,
  Range,
  Position,
  Ticks,
  Check,
  Bitmap,
  ItemSize,
  Repaint,
};

struct MessageBoxRequest {
  HWND owner = nullptr;
  std::string text;
  std::string caption;
  UINT type = MB_OK;
};

// (Not called "Display": X11, which Qt's headers bring in, owns that global name.)
class DisplayBackend {
 public:
  virtual ~DisplayBackend() = default;
  virtual void OnWindowChanged(HWND window, WindowChange change) = 0;
  // Runs the modal loop of a dialog whose window exists, until the dialog has
  // ended (CDialog::EndDialog). Nested calls run nested loops.
  virtual void RunModalLoop(CDialog& dialog) = 0;
  // A dialog in a modal loop has ended, whether by a user action or from
  // code (a timer, a script): the loop may return.
  virtual void OnDialogEnded(CDialog& /*dialog*/) {}
  // Shows a modal message box and returns the button chosen (IDOK).
  virtual int ShowMessageBox(const MessageBoxRequest& request) = 0;
  // Base units of the dialog font on this display.
  virtual DialogBaseUnits BaseUnits(const DialogFont& font) = 0;
};

// The display in use. Never null: the headless display is the default.
DisplayBackend& CurrentDisplay();
// Installs a display (null restores the headless default); returns the previous one.
DisplayBackend* SetDisplay(DisplayBackend* display);
