// The option page of type 4: one touch, auto search, auto power off and auto
// adjust enable in one column.
#include "resources/Templates.h"
#include "resources/templates/PageStyles.h"

namespace expert::resources {

DialogTemplate OptionType4PageTemplate() {
  DialogTemplate t;
  t.id = kOptionType4Page;
  t.rect = {0, 0, 400, 220};
  t.style = kPageStyle;
  using K = ControlKind;
  t.controls = {
      {K::Static, 20560, "90;One Touch\t\t:", {10, 13, 82, 8}, kLabel, {}},
      {K::Static, 20561, ":", {94, 13, 6, 8}, kLabel, {}},
      {K::ComboBox, 20258, "", {102, 10, 120, 60}, kDropList, {"Auto Keystone V Off", "Auto Keystone V On"}},
      {K::Static, 20562, "91;Auto Search\t\t:", {10, 33, 82, 8}, kLabel, {}},
      {K::Static, 20563, ":", {94, 33, 6, 8}, kLabel, {}},
      {K::ComboBox, 20259, "", {102, 30, 120, 60}, kDropList, {"Off", "On"}},
      {K::Static, 20564, "92;Auto Power Off\t\t:", {10, 53, 82, 8}, kLabel, {}},
      {K::Static, 20565, ":", {94, 53, 6, 8}, kLabel, {}},
      {K::Button, 20261, "-", {102, 50, 12, 14}, kButton, {}},
      {K::Slider, 20287, "", {116, 50, 78, 14}, kSlider, {}},
      {K::Button, 20262, "+", {196, 50, 12, 14}, kButton, {}},
      {K::Edit, 20263, "", {211, 51, 24, 12}, kValueBox, {}},
      {K::Static, 20566, "85;Auto Adjust Enable\t:", {10, 73, 82, 8}, kLabel, {}},
      {K::Static, 20567, ":", {94, 73, 6, 8}, kLabel, {}},
      {K::ComboBox, 20260, "", {102, 70, 120, 60}, kDropList, {"Disable", "Enable"}},
  };
  return t;
}

}  // namespace expert::resources
