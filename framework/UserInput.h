#pragma once
// User input: the only source of notifications. Each function acts as a user
// would on a control and sends what the platform sends for it. A display
// forwards its widgets' user actions here; the automation driver calls them
// for its commands. None of them checks visibility or enablement: callers
// decide whether a user could reach the control (IsWindowUsable).
#include "framework/WindowState.h"

// A push button, bitmap button or check box clicked (a check box toggles first).
void UserClick(HWND control);
// A check box set to `state` by the user, then the click notification.
void UserSetCheck(HWND control, int state);
// A list item chosen (sent also when it was already selected). False if `index` is no item.
bool UserSelectListItem(HWND combo, int index);
// A tab chosen; false if `index` is no tab.
bool UserSelectTab(HWND tab, int index);
// A slider moved: the position is clamped to the range like a real slider,
// then thumb-track and end-of-scroll are sent.
void UserSlide(HWND slider, int pos);
// The pieces of a drag or key move, for displays that see them separately.
void UserSliderScroll(HWND slider, UINT code, int pos);
// Escape pressed in a dialog: its OnCancel.
void UserEscape(HWND dialog);
