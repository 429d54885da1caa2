// The type-5 picture page: the mode lists in the left column (gamma and
// colour temperature with their "Custom..." buttons), the five slider groups
// in the right one, the reset row at the bottom right.
#include "resources/Templates.h"
#include "resources/templates/PageStyles.h"

namespace expert::resources {

DialogTemplate PictureType5PageTemplate() {
  DialogTemplate t;
  t.id = kPictureType5Page;
  t.rect = {0, 0, 400, 220};
  t.style = kPageStyle;
  using K = ControlKind;
  t.controls = {
      // left column: label, colon, list (and its button)
      {K::Static, 20468, "41;Gamma\t\t:", {10, 13, 60, 8}, kLabel, {}},
      {K::Static, 20476, ":", {72, 13, 6, 8}, kLabel, {}},
      {K::ComboBox, 20142, "", {80, 10, 72, 100}, kDropList, {}},
      {K::Button, 20133, "120;Custom...", {155, 10, 45, 14}, kButton, {}},
      {K::Static, 20593, "115;Color Temp\t:", {10, 33, 60, 8}, kLabel, {}},
      {K::Static, 20594, ":", {72, 33, 6, 8}, kLabel, {}},
      {K::ComboBox, 20144, "", {80, 30, 72, 100}, kDropList, {}},
      {K::Button, 20143, "120;Custom...", {155, 30, 45, 14}, kButton, {}},
      {K::Static, 20621, "128;Active Iris\t:", {10, 53, 60, 8}, kLabel, {}},
      {K::Static, 20622, ":", {72, 53, 6, 8}, kLabel, {}},
      {K::ComboBox, 20293, "", {80, 50, 120, 60}, kDropList, {"Off", "Theater", "Presentation"}},
      {K::Static, 20601, "119;My Memory\t:", {10, 73, 60, 8}, kLabel, {}},
      {K::Static, 20602, ":", {72, 73, 6, 8}, kLabel, {}},
      {K::ComboBox, 21064, "", {80, 70, 72, 100}, kDropList,
       {"Load1", "Load2", "Load3", "Load4", "Save1", "Save2", "Save3", "Save4"}},
      {K::Button, 21065, "17;Execute", {155, 70, 45, 14}, kButton, {}},
      // right column: label, colon, "-", slider, "+", value box
      {K::Static, 20534, "73;Brightness\t:", {206, 13, 62, 8}, kLabel, {}},
      {K::Static, 20535, ":", {270, 13, 6, 8}, kLabel, {}},
      {K::Button, 20134, "-", {278, 10, 12, 14}, kButton, {}},
      {K::Slider, 20136, "", {292, 10, 62, 14}, kSlider, {}},
      {K::Button, 20135, "+", {356, 10, 12, 14}, kButton, {}},
      {K::Edit, 20329, "", {371, 11, 22, 12}, kValueBox, {}},
      {K::Static, 20536, "74;Contrast\t:", {206, 33, 62, 8}, kLabel, {}},
      {K::Static, 20537, ":", {270, 33, 6, 8}, kLabel, {}},
      {K::Button, 20137, "-", {278, 30, 12, 14}, kButton, {}},
      {K::Slider, 20138, "", {292, 30, 62, 14}, kSlider, {}},
      {K::Button, 20139, "+", {356, 30, 12, 14}, kButton, {}},
      {K::Edit, 20330, "", {371, 31, 22, 12}, kValueBox, {}},
      {K::Static, 20595, "116;Color\t\t:", {206, 53, 62, 8}, kLabel, {}},
      {K::Static, 20596, ":", {270, 53, 6, 8}, kLabel, {}},
      {K::Button, 20147, "-", {278, 50, 12, 14}, kButton, {}},
      {K::Slider, 20151, "", {292, 50, 62, 14}, kSlider, {}},
      {K::Button, 20149, "+", {356, 50, 12, 14}, kButton, {}},
      {K::Edit, 20331, "", {371, 51, 22, 12}, kValueBox, {}},
      {K::Static, 20597, "117;Tint\t\t:", {206, 73, 62, 8}, kLabel, {}},
      {K::Static, 20598, ":", {270, 73, 6, 8}, kLabel, {}},
      {K::Button, 21061, "-", {278, 70, 12, 14}, kButton, {}},
      {K::Slider, 21062, "", {292, 70, 62, 14}, kSlider, {}},
      {K::Button, 21063, "+", {356, 70, 12, 14}, kButton, {}},
      {K::Edit, 20332, "", {371, 71, 22, 12}, kValueBox, {}},
      {K::Static, 20599, "118;Sharpness\t:", {206, 93, 62, 8}, kLabel, {}},
      {K::Static, 20600, ":", {270, 93, 6, 8}, kLabel, {}},
      {K::Button, 20148, "-", {278, 90, 12, 14}, kButton, {}},
      {K::Slider, 20152, "", {292, 90, 62, 14}, kSlider, {}},
      {K::Button, 20150, "+", {356, 90, 12, 14}, kButton, {}},
      {K::Edit, 20333, "", {371, 91, 22, 12}, kValueBox, {}},
      // reset row, bottom right
      {K::Static, 20487, "51;Reset\t\t:", {222, 203, 40, 8}, kLabel, {}},
      {K::ComboBox, 20157, "", {264, 201, 78, 80}, kDropList, {"Brightness", "Contrast", "Color", "Tint", "Sharpness"}},
      {K::Button, 21070, "17;Execute", {346, 200, 46, 14}, kButton, {}},
  };
  return t;
}

}  // namespace expert::resources
