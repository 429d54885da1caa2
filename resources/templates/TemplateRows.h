#pragma once
// Rows of the two-column setting pages, in dialog units: lists on the left
// (label, colon, list), slider groups on the right (label, colon, "-",
// slider, "+", value box), a row every 20 units from the top; the reset row
// sits at the bottom right.
#include <string>
#include <vector>

#include "resources/templates/PageStyles.h"

namespace expert::resources::rows {

inline int RowY(int row) { return 10 + 20 * row; }

struct Label {
  int id;
  int colon;
  std::string text;
};

inline DialogTemplate Page(int id) {
  DialogTemplate t;
  t.id = id;
  t.rect = {0, 0, 400, 220};
  t.style = kPageStyle;
  return t;
}

inline void AddLabel(DialogTemplate& t, const Label& label, int x, int width, int row) {
  t.controls.push_back({ControlKind::Static, label.id, label.text, {x, RowY(row) + 3, width, 8}, kLabel, {}});
  t.controls.push_back({ControlKind::Static, label.colon, ":", {x + width + 2, RowY(row) + 3, 6, 8}, kLabel, {}});
}

// Left column.
inline void AddList(DialogTemplate& t, const Label& label, int list, int row, std::vector<std::string> items = {}) {
  AddLabel(t, label, 10, 72, row);
  t.controls.push_back({ControlKind::ComboBox, list, "", {92, RowY(row), 96, 80}, kDropList, std::move(items)});
}

// A slider group in the right column (or the left one, `column` 0);
// `slider` 0 leaves a pair of buttons before the value box.
inline void AddGroup(DialogTemplate& t, const Label& label, int minus, int slider, int plus, int box, int row,
                     int column = 1) {
  const int x = column == 0 ? 10 : 206;
  const int y = RowY(row);
  AddLabel(t, label, x, 62, row);
  t.controls.push_back({ControlKind::Button, minus, "-", {x + 72, y, 12, 14}, kButton, {}});
  if (slider) t.controls.push_back({ControlKind::Slider, slider, "", {x + 86, y, 62, 14}, kSlider, {}});
  t.controls.push_back({ControlKind::Button, plus, "+", {x + (slider ? 150 : 86), y, 12, 14}, kButton, {}});
  t.controls.push_back({ControlKind::Edit, box, "", {x + 165, y + 1, 22, 12}, kValueBox, {}});
}

// Bottom right: "Reset" label, list and "Execute".
inline void AddReset(DialogTemplate& t, int list, int execute, std::vector<std::string> items) {
  t.controls.push_back({ControlKind::Static, 20487, "51;Reset", {222, 203, 40, 8}, kLabel, {}});
  t.controls.push_back({ControlKind::ComboBox, list, "", {264, 201, 78, 80}, kDropList, std::move(items)});
  t.controls.push_back({ControlKind::Button, execute, "17;Execute", {346, 200, 46, 14}, kButton, {}});
}

}  // namespace expert::resources::rows
