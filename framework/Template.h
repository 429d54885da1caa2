#pragma once
// Dialog templates: what a dialog resource says, in dialog units.
#include <string>
#include <vector>

#include "framework/Types.h"

enum class ControlKind { Button, CheckBox, BitmapButton, Static, Edit, ComboBox, Slider, Tab };

// A rectangle in dialog units (x, y, width, height), as a designer draws it.
struct DluRect {
  int x = 0;
  int y = 0;
  int cx = 0;
  int cy = 0;
};

struct ControlTemplate {
  ControlKind kind = ControlKind::Static;
  int id = 0;
  std::string text;  // may be coded: "73;Brightness"
  DluRect rect;
  UINT style = WS_VISIBLE;
  std::vector<std::string> initialItems;  // list data of a drop-down list
};

struct DialogFont {
  std::string face = "MS Shell Dlg";
  int points = 8;
};

struct DialogTemplate {
  int id = 0;
  DluRect rect;  // position (for a child: in its parent) and size
  std::string caption;
  DialogFont font;
  UINT style = 0;  // WS_CHILD for pages; WS_VISIBLE when shown at creation
  std::vector<ControlTemplate> controls;
};

// Dialog base units: the average character width and the height of the
// dialog's font, in pixels. A dialog unit is a quarter of the width and an
// eighth of the height.
struct DialogBaseUnits {
  int cx = 6;
  int cy = 13;
};

// The one place where dialog units become pixels.
CRect DialogUnitsToPixels(const DluRect& rect, const DialogBaseUnits& units);
