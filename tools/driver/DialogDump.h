#pragma once
// Windows as the driver reports them: the "dump" reply and the "modal" event.
#include "tools/driver/OrderedJson.h"

#include "framework/WindowState.h"

namespace driver {

// [x, y, width, height] in pixels.
OrderedJson RectToJson(const CRect& rect);

// One control: id, kind, text, its own visible flag, enabled, rect in its
// parent, and what its kind holds (items, data, sel, min, max, pos, tick,
// check, bitmap).
OrderedJson DumpControl(const WindowState& control);

// A dialog: template, caption, rect, its own controls, and its pages (child
// dialogs) with their visible flag, rect and controls.
OrderedJson DumpDialog(const WindowState& dialog);

// {"event":"modal","template":T,"caption":C,"tabs":[...],"tab":N}; without a
// tab control, tabs is empty and tab -1.
OrderedJson ModalEvent(const WindowState& dialog);

}  // namespace driver
