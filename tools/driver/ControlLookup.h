#pragma once
// Finding the control a command acts on, as a user would find it: among the
// top-most modal dialog's own controls, else on its visible page. A control
// the user could not reach (hidden, disabled, on a hidden page) or of the
// wrong kind is refused with a CommandError saying why.
#include <initializer_list>
#include <string_view>

#include "framework/WindowState.h"

namespace driver {

bool IsPage(const WindowState& window);  // a child dialog window

// The dialog's first own tab control, or null.
HWND FindTabControl(const WindowState& dialog);

// The control `id` that a user could act on now, of one of `kinds`.
// `command` names the command in errors.
HWND FindUsableControl(const WindowState& dialog, int id, std::initializer_list<WindowClass> kinds,
                       std::string_view command);

// Refuses a window the user cannot reach: hidden, disabled, or inside a
// hidden or disabled window.
void RequireUsable(const WindowState& window, std::string_view what);

}  // namespace driver
