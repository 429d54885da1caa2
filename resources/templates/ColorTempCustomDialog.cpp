// The custom colour temperature editor: test pattern, three gains and three
// offsets. The rows end at the value boxes' right edge so that the form
// without resets can be narrowed to it.
#include "resources/Templates.h"
#include "resources/templates/PageStyles.h"

namespace expert::resources {

DialogTemplate ColorTempCustomDialogTemplate() {
  DialogTemplate t;
  t.id = kColorTempCustomDialog;
  t.rect = {0, 0, 245, 175};
  t.caption = "19;Color Temp -Custom-";
  using K = ControlKind;
  t.controls = {
      // the test pattern, then one row per value: label, colon, "-", slider, "+", value box, reset
      {K::Static, 20376, "29;User Gamma Pattern\t:", {7, 13, 80, 8}, kLabel, {}},
      {K::Static, 20409, ":", {89, 13, 6, 8}, kLabel, {}},
      {K::ComboBox, 20158, "", {97, 10, 106, 70}, kDropList, {"Off", "9step Gray Scale", "15step Gray Scale", "Ramp"}},
      {K::Static, 20378, "20;Color Temp Gain R\t:", {7, 35, 80, 8}, kLabel, {}},
      {K::Static, 20410, ":", {89, 35, 6, 8}, kLabel, {}},
      {K::Button, 20182, "-", {97, 32, 12, 14}, kButton, {}},
      {K::Slider, 20181, "", {111, 32, 56, 14}, kSlider, {}},
      {K::Button, 20188, "+", {169, 32, 12, 14}, kButton, {}},
      {K::Edit, 20194, "", {183, 33, 20, 12}, kValueBox, {}},
      {K::Button, 20334, "26;Reset", {208, 32, 30, 14}, kButton, {}},
      {K::Static, 20379, "21;Color Temp Gain G\t:", {7, 55, 80, 8}, kLabel, {}},
      {K::Static, 20411, ":", {89, 55, 6, 8}, kLabel, {}},
      {K::Button, 20183, "-", {97, 52, 12, 14}, kButton, {}},
      {K::Slider, 21024, "", {111, 52, 56, 14}, kSlider, {}},
      {K::Button, 20189, "+", {169, 52, 12, 14}, kButton, {}},
      {K::Edit, 20195, "", {183, 53, 20, 12}, kValueBox, {}},
      {K::Button, 20335, "26;Reset", {208, 52, 30, 14}, kButton, {}},
      {K::Static, 20380, "22;Color Temp Gain B\t:", {7, 75, 80, 8}, kLabel, {}},
      {K::Static, 20412, ":", {89, 75, 6, 8}, kLabel, {}},
      {K::Button, 20184, "-", {97, 72, 12, 14}, kButton, {}},
      {K::Slider, 21025, "", {111, 72, 56, 14}, kSlider, {}},
      {K::Button, 20190, "+", {169, 72, 12, 14}, kButton, {}},
      {K::Edit, 20196, "", {183, 73, 20, 12}, kValueBox, {}},
      {K::Button, 20336, "26;Reset", {208, 72, 30, 14}, kButton, {}},
      {K::Static, 20381, "23;Color Temp Offset R\t:", {7, 95, 80, 8}, kLabel, {}},
      {K::Static, 20413, ":", {89, 95, 6, 8}, kLabel, {}},
      {K::Button, 20185, "-", {97, 92, 12, 14}, kButton, {}},
      {K::Slider, 21026, "", {111, 92, 56, 14}, kSlider, {}},
      {K::Button, 20191, "+", {169, 92, 12, 14}, kButton, {}},
      {K::Edit, 20197, "", {183, 93, 20, 12}, kValueBox, {}},
      {K::Button, 20337, "26;Reset", {208, 92, 30, 14}, kButton, {}},
      {K::Static, 20382, "24;Color Temp Offset G\t:", {7, 115, 80, 8}, kLabel, {}},
      {K::Static, 20414, ":", {89, 115, 6, 8}, kLabel, {}},
      {K::Button, 20186, "-", {97, 112, 12, 14}, kButton, {}},
      {K::Slider, 21027, "", {111, 112, 56, 14}, kSlider, {}},
      {K::Button, 20192, "+", {169, 112, 12, 14}, kButton, {}},
      {K::Edit, 20198, "", {183, 113, 20, 12}, kValueBox, {}},
      {K::Button, 20338, "26;Reset", {208, 112, 30, 14}, kButton, {}},
      {K::Static, 20383, "25;Color Temp Offset B\t:", {7, 135, 80, 8}, kLabel, {}},
      {K::Static, 20415, ":", {89, 135, 6, 8}, kLabel, {}},
      {K::Button, 20187, "-", {97, 132, 12, 14}, kButton, {}},
      {K::Slider, 21028, "", {111, 132, 56, 14}, kSlider, {}},
      {K::Button, 20193, "+", {169, 132, 12, 14}, kButton, {}},
      {K::Edit, 20199, "", {183, 133, 20, 12}, kValueBox, {}},
      {K::Button, 20339, "26;Reset", {208, 132, 30, 14}, kButton, {}},
      {K::Button, 1, "27;Close", {188, 154, 50, 14}, kButton, {}},
  };
  return t;
}

}  // namespace expert::resources
