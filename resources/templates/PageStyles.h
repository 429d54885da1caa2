#pragma once
// Control styles shared by the page templates.
#include "framework/Template.h"

namespace expert::resources {

inline constexpr UINT kPageStyle = WS_CHILD;  // pages start hidden
inline constexpr UINT kLabel = WS_VISIBLE;
inline constexpr UINT kButton = WS_VISIBLE | WS_TABSTOP;
inline constexpr UINT kDropList = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL;
inline constexpr UINT kSlider = WS_VISIBLE | WS_TABSTOP | TBS_AUTOTICKS;
// Value box: read-only, right-aligned, digits only, with a border.
inline constexpr UINT kValueBox = WS_VISIBLE | WS_BORDER | ES_RIGHT | ES_READONLY | ES_NUMBER;
inline constexpr UINT kCheckBox = WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;

}  // namespace expert::resources
