#pragma once
// The plain state of one window: what the platform keeps behind a window
// handle. Controls and dialogs (CWnd and its classes) are thin wrappers that
// attach to a state; a display renders the states and is told of each change.
#include <memory>
#include <string>
#include <vector>

#include "framework/Template.h"
#include "framework/Types.h"

class CWnd;

enum class WindowClass { Dialog, Button, CheckBox, BitmapButton, Static, Edit, ComboBox, Slider, Tab };

struct ListItem {
  std::string text;
  DWORD_PTR data = 0;
};

struct WindowState {
  int id = 0;
  WindowClass windowClass = WindowClass::Static;
  std::string text;
  UINT style = 0;
  CRect rect;  // pixels, in the parent's client coordinates
  int templateId = 0;  // dialogs: the template they were created from

  WindowState* parent = nullptr;  // child windows: the parent
  WindowState* owner = nullptr;   // top-level dialogs: the owner window, if any
  std::vector<std::unique_ptr<WindowState>> children;  // creation order = z-order from the top

  // Drop-down lists and tab controls: items and the current selection (-1 none).
  std::vector<ListItem> items;
  int curSel = -1;
  CSize itemSize;  // tab controls: fixed item size

  // Sliders.
  int rangeMin = 0;
  int rangeMax = 100;
  int pos = 0;
  int tickFreq = 1;
  int pageSize = 0;  // a page move; 0: a fifth of the range

  // Check boxes: 0 or 1. Bitmap buttons: the bitmap resource shown, 0 for none.
  int check = 0;
  int bitmapId = 0;

  // The wrapper object attached to this window (a dialog or a bound control
  // member), and a wrapper the framework made for code that asked for one.
  CWnd* attached = nullptr;
  std::unique_ptr<CWnd> temporary;

  bool IsVisible() const { return (style & WS_VISIBLE) != 0; }
  bool HasItem(int index) const { return index >= 0 && index < static_cast<int>(items.size()); }
  // Where a slider's thumb may be: between the ends of its range, even a
  // range given upside down.
  int ClampToRange(int position) const;
  bool IsEnabled() const { return (style & WS_DISABLED) == 0; }
  WindowState* FindChild(int childId) const;

  WindowState();
  ~WindowState();
  WindowState(const WindowState&) = delete;
  WindowState& operator=(const WindowState&) = delete;
};

using HWND = WindowState*;

// Visible and enabled, all the way up: what a user can act on.
bool IsWindowUsable(const WindowState* window);
const char* WindowClassName(WindowClass windowClass);
