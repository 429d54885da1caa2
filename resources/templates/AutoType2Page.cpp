// The auto page of type 2: one column of rows (models 6 and 7 only).
#include "resources/Templates.h"
#include "resources/templates/PageStyles.h"

namespace expert::resources {

DialogTemplate AutoType2PageTemplate() {
  DialogTemplate t;
  t.id = kAutoType2Page;
  t.rect = {0, 0, 400, 220};
  t.style = kPageStyle;
  using K = ControlKind;
  t.controls = {
      {K::Static, 20060, "13;Auto Adjust", {10, 13, 72, 8}, kLabel, {}},
      {K::Static, 20392, ":", {84, 13, 6, 8}, kLabel, {}},
      {K::Button, 20056, "17;Execute", {92, 10, 50, 14}, kButton, {}},
      {K::Static, 20059, "18;Auto Keystone", {10, 33, 72, 8}, kLabel, {}},
      {K::Static, 20393, ":", {84, 33, 6, 8}, kLabel, {}},
      {K::Button, 21081, "17;Execute", {92, 30, 50, 14}, kButton, {}},
      {K::Static, 20061, "14;Auto Power Off", {10, 53, 72, 8}, kLabel, {}},
      {K::Static, 20394, ":", {84, 53, 6, 8}, kLabel, {}},
      {K::Button, 21119, "-", {92, 50, 12, 14}, kButton, {}},
      {K::Slider, 20057, "", {106, 50, 80, 14}, kSlider, {}},
      {K::Button, 21118, "+", {188, 50, 12, 14}, kButton, {}},
      {K::Edit, 20058, "", {203, 51, 22, 12}, kValueBox, {}},
  };
  return t;
}

}  // namespace expert::resources
