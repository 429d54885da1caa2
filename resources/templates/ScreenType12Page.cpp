// The screen page of types 1 and 2: lists in the left column (the message
// row last, as type 2 has none), the menu-position cross and its boxes in the
// right one, the reset row at the bottom right.
#include "resources/Templates.h"
#include "resources/templates/PageStyles.h"

namespace expert::resources {

DialogTemplate ScreenType12PageTemplate() {
  DialogTemplate t;
  t.id = kScreenType12Page;
  t.rect = {0, 0, 400, 220};
  t.style = kPageStyle;
  using K = ControlKind;
  const std::vector<std::string> offOn = {"Off", "On"};
  t.controls = {
      {K::Static, 20465, "38;Blank", {10, 13, 72, 8}, kLabel, {}},
      {K::Static, 20398, ":", {84, 13, 6, 8}, kLabel, {}},
      {K::ComboBox, 21085, "", {92, 10, 96, 80}, kDropList, {"Blue", "White", "Black", "MyScreen", "Original"}},
      {K::Static, 20466, "39;Startup", {10, 33, 72, 8}, kLabel, {}},
      {K::Static, 20399, ":", {84, 33, 6, 8}, kLabel, {}},
      {K::ComboBox, 21086, "", {92, 30, 96, 60}, kDropList, {"Original", "Off", "MyScreen"}},
      {K::Static, 20623, "129;MyScreen Size", {10, 53, 72, 8}, kLabel, {}},
      {K::Static, 20400, ":", {84, 53, 6, 8}, kLabel, {}},
      {K::ComboBox, 21087, "", {92, 50, 96, 60}, kDropList, {"Full", "x1"}},
      {K::Static, 20625, "130;MyScreen Lock", {10, 73, 72, 8}, kLabel, {}},
      {K::Static, 20401, ":", {84, 73, 6, 8}, kLabel, {}},
      {K::ComboBox, 21088, "", {92, 70, 96, 60}, kDropList, offOn},
      {K::Static, 20062, "131;Message", {10, 93, 72, 8}, kLabel, {}},
      {K::Static, 20402, ":", {84, 93, 6, 8}, kLabel, {}},
      {K::ComboBox, 21092, "", {92, 90, 96, 60}, kDropList, offOn},
      // menu position: four arrows as a cross, then the V and H boxes
      {K::Static, 20063, "132;Menu Position", {206, 25, 62, 8}, kLabel, {}},
      {K::Static, 20403, ":", {270, 25, 6, 8}, kLabel, {}},
      {K::BitmapButton, 21089, "", {294, 8, 14, 12}, kButton, {}},
      {K::BitmapButton, 21090, "", {280, 22, 14, 12}, kButton, {}},
      {K::BitmapButton, 21057, "", {308, 22, 14, 12}, kButton, {}},
      {K::BitmapButton, 21091, "", {294, 36, 14, 12}, kButton, {}},
      {K::Static, 20065, "52;V", {332, 13, 24, 8}, kLabel, {}},
      {K::Edit, 20021, "", {358, 11, 30, 12}, kValueBox, {}},
      {K::Static, 20066, "53;H", {332, 37, 24, 8}, kLabel, {}},
      {K::Edit, 20022, "", {358, 35, 30, 12}, kValueBox, {}},
      // reset row, bottom right
      {K::Static, 20064, "51;Reset", {222, 203, 40, 8}, kLabel, {}},
      {K::ComboBox, 21094, "", {264, 201, 78, 60}, kDropList, {"Menu Position V", "Menu Position H"}},
      {K::Button, 21093, "17;Execute", {346, 200, 46, 14}, kButton, {}},
  };
  return t;
}

}  // namespace expert::resources
