// The image page of types 4 and 5: aspect, over scan, the position cross
// with its V and H boxes, H phase, H size and auto adjust in one column; the
// reset row at the bottom right.
#include "resources/Templates.h"
#include "resources/templates/PageStyles.h"

namespace expert::resources {

DialogTemplate ImagePageTemplate() {
  DialogTemplate t;
  t.id = kImagePage;
  t.rect = {0, 0, 400, 220};
  t.style = kPageStyle;
  using K = ControlKind;
  t.controls = {
      {K::Static, 20520, "46;Aspect\t\t:", {10, 13, 72, 8}, kLabel, {}},
      {K::Static, 20521, ":", {84, 13, 6, 8}, kLabel, {}},
      {K::ComboBox, 20200, "", {92, 10, 96, 80}, kDropList, {}},
      {K::Static, 20522, "47;Over Scan\t:", {10, 33, 72, 8}, kLabel, {}},
      {K::Static, 20523, ":", {84, 33, 6, 8}, kLabel, {}},
      {K::Button, 20046, "-", {92, 30, 12, 14}, kButton, {}},
      {K::Slider, 20047, "", {106, 30, 62, 14}, kSlider, {}},
      {K::Button, 20048, "+", {170, 30, 12, 14}, kButton, {}},
      {K::Edit, 20049, "", {185, 31, 24, 12}, kValueBox, {}},
      // the position cross: up above, left and right beside, down below
      {K::Static, 20524, "48;Position\t\t:", {10, 67, 72, 8}, kLabel, {}},
      {K::Static, 20525, ":", {84, 67, 6, 8}, kLabel, {}},
      {K::BitmapButton, 20202, "", {106, 50, 12, 12}, kButton, {}},
      {K::BitmapButton, 20201, "", {93, 64, 12, 12}, kButton, {}},
      {K::BitmapButton, 20203, "", {119, 64, 12, 12}, kButton, {}},
      {K::BitmapButton, 20204, "", {106, 78, 12, 12}, kButton, {}},
      {K::Static, 20526, "52;V", {140, 58, 20, 8}, kLabel, {}},
      {K::Edit, 20205, "", {162, 56, 28, 12}, kValueBox, {}},
      {K::Static, 20527, "53;H", {140, 74, 20, 8}, kLabel, {}},
      {K::Edit, 20206, "", {162, 72, 28, 12}, kValueBox, {}},
      {K::Static, 20528, "49;H Phase\t\t:", {10, 99, 72, 8}, kLabel, {}},
      {K::Static, 20529, ":", {84, 99, 6, 8}, kLabel, {}},
      {K::Button, 20207, "-", {92, 96, 12, 14}, kButton, {}},
      {K::Slider, 20209, "", {106, 96, 62, 14}, kSlider, {}},
      {K::Button, 20208, "+", {170, 96, 12, 14}, kButton, {}},
      {K::Edit, 20210, "", {185, 97, 24, 12}, kValueBox, {}},
      {K::Static, 20530, "50;H Size\t\t:", {10, 119, 72, 8}, kLabel, {}},
      {K::Static, 20531, ":", {84, 119, 6, 8}, kLabel, {}},
      {K::Button, 20211, "-", {92, 116, 12, 14}, kButton, {}},
      {K::Edit, 20212, "", {106, 117, 28, 12}, kValueBox, {}},
      {K::Button, 20213, "+", {136, 116, 12, 14}, kButton, {}},
      {K::Static, 20532, "13;Auto Adjust\t:", {10, 139, 72, 8}, kLabel, {}},
      {K::Static, 20533, ":", {84, 139, 6, 8}, kLabel, {}},
      {K::Button, 20215, "17;Execute", {92, 136, 46, 14}, kButton, {}},
      // reset row, bottom right
      {K::Static, 20534, "51;Reset\t\t:", {222, 203, 40, 8}, kLabel, {}},
      {K::ComboBox, 20214, "", {264, 201, 78, 60}, kDropList, {"Over Scan", "V Position", "H Position", "H Size"}},
      {K::Button, 20216, "17;Execute", {346, 200, 46, 14}, kButton, {}},
  };
  return t;
}

}  // namespace expert::resources
