#include "framework/WindowState.h"

#include <algorithm>

#include "framework/Wnd.h"

WindowState::WindowState() = default;
WindowState::~WindowState() = default;

int WindowState::ClampToRange(int position) const {
  return std::clamp(position, std::min(rangeMin, rangeMax), std::max(rangeMin, rangeMax));
}

WindowState* WindowState::FindChild(int childId) const {
  for (const auto& child : children)
    if (child->id == childId) return child.get();
  return nullptr;
}

bool IsWindowUsable(const WindowState* window) {
  for (const WindowState* w = window; w; w = w->parent)
    if (!w->IsVisible() || !w->IsEnabled()) return false;
  return window != nullptr;
}

const char* WindowClassName(WindowClass windowClass) {
  switch (windowClass) {
    case WindowClass::Dialog: return "dialog";
    case WindowClass::Button: return "button";
    case WindowClass::CheckBox: return "check";
    case WindowClass::BitmapButton: return "bitmap";
    case WindowClass::Static: return "static";
    case WindowClass::Edit: return "edit";
    case WindowClass::ComboBox: return "list";
    case WindowClass::Slider: return "slider";
    case WindowClass::Tab: return "tab";
  }
  return "unknown";
}
