// The auto page of type 1: one column of rows, the auto power off slider
// group second.
#include "resources/Templates.h"
#include "resources/templates/PageStyles.h"

namespace expert::resources {

DialogTemplate AutoType1PageTemplate() {
  DialogTemplate t;
  t.id = kAutoType1Page;
  t.rect = {0, 0, 400, 220};
  t.style = kPageStyle;
  using K = ControlKind;
  t.controls = {
      {K::Static, 20457, "175;Auto Adjust", {10, 13, 72, 8}, kLabel, {}},
      {K::Static, 20458, ":", {84, 13, 6, 8}, kLabel, {}},
      {K::Button, 21079, "17;Execute", {92, 10, 50, 14}, kButton, {}},
      {K::Static, 20459, "176;Auto Power Off", {10, 33, 72, 8}, kLabel, {}},
      {K::Static, 20460, ":", {84, 33, 6, 8}, kLabel, {}},
      {K::Button, 21119, "-", {92, 30, 12, 14}, kButton, {}},
      {K::Slider, 20289, "", {106, 30, 80, 14}, kSlider, {}},
      {K::Button, 21118, "+", {188, 30, 12, 14}, kButton, {}},
      {K::Edit, 21080, "", {203, 31, 22, 12}, kValueBox, {}},
      {K::Static, 20461, "177;Auto Power On", {10, 53, 72, 8}, kLabel, {}},
      {K::Static, 20462, ":", {84, 53, 6, 8}, kLabel, {}},
      {K::ComboBox, 21082, "", {92, 50, 100, 60}, kDropList, {"Off", "On"}},
      {K::Static, 20463, "178;Auto Search", {10, 73, 72, 8}, kLabel, {}},
      {K::Static, 20464, ":", {84, 73, 6, 8}, kLabel, {}},
      {K::ComboBox, 21083, "", {92, 70, 100, 60}, kDropList, {"Off", "On"}},
  };
  return t;
}

}  // namespace expert::resources
