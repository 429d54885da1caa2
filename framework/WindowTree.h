#pragma once
// Creating and freeing window states: children belong to their parent,
// top-level windows to the framework.
#include <memory>

#include "framework/WindowState.h"

// Adds a new window under `parent` (or as a top-level window when null) at
// the bottom of the z-order, and returns it. The display is not told yet.
HWND CreateWindowState(HWND parent);
// Tells the display, sends OnDestroy to every attached object (parent first),
// detaches the wrappers and frees the window with all its children.
void DestroyWindowState(HWND window);
