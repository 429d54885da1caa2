#include "tools/driver/ControlLookup.h"

#include <string>

#include "tools/driver/CommandArgs.h"

namespace driver {
namespace {

HWND OwnControl(const WindowState& window, int id) {
  for (const auto& child : window.children)
    if (!IsPage(*child) && child->id == id) return child.get();
  return nullptr;
}

HWND PageControl(const WindowState& dialog, int id, bool visiblePages) {
  for (const auto& page : dialog.children) {
    if (!IsPage(*page) || page->IsVisible() != visiblePages) continue;
    if (HWND control = OwnControl(*page, id)) return control;
  }
  return nullptr;
}

std::string KindList(std::initializer_list<WindowClass> kinds) {
  std::string list;
  std::size_t i = 0;
  for (WindowClass kind : kinds) {
    if (i > 0) list += i + 1 == kinds.size() ? " or " : ", ";
    list += std::string("\"") + WindowClassName(kind) + "\"";
    ++i;
  }
  return list;
}

}  // namespace

bool IsPage(const WindowState& window) { return window.windowClass == WindowClass::Dialog; }

HWND FindTabControl(const WindowState& dialog) {
  for (const auto& child : dialog.children)
    if (child->windowClass == WindowClass::Tab) return child.get();
  return nullptr;
}

void RequireUsable(const WindowState& window, std::string_view what) {
  if (IsWindowUsable(&window)) return;
  const std::string name(what);
  if (!window.IsVisible()) throw CommandError(name + " is hidden");
  if (!window.IsEnabled()) throw CommandError(name + " is disabled");
  throw CommandError(name + " cannot be reached: a window that holds it is hidden or disabled");
}

HWND FindUsableControl(const WindowState& dialog, int id, std::initializer_list<WindowClass> kinds,
                       std::string_view command) {
  const std::string name = "control " + std::to_string(id);
  HWND control = OwnControl(dialog, id);
  if (!control) control = PageControl(dialog, id, true);
  if (!control) {
    if (HWND hidden = PageControl(dialog, id, false))
      throw CommandError(name + " is on page " + std::to_string(hidden->parent->templateId) + ", which is not shown");
    throw CommandError("no " + name + " in dialog " + std::to_string(dialog.templateId) + " or its visible page");
  }
  bool kindFits = false;
  for (WindowClass kind : kinds) kindFits = kindFits || control->windowClass == kind;
  if (!kindFits)
    throw CommandError(name + " is of kind \"" + WindowClassName(control->windowClass) + "\"; \"" +
                       std::string(command) + "\" needs kind " + KindList(kinds));
  RequireUsable(*control, name);
  return control;
}

}  // namespace driver
