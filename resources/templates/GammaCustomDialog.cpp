// The user gamma editor: test pattern and eight gamma points. The rows end
// at the pattern list's right edge so that the form without resets can be
// narrowed to it.
#include "resources/Templates.h"
#include "resources/templates/PageStyles.h"

namespace expert::resources {

DialogTemplate GammaCustomDialogTemplate() {
  DialogTemplate t;
  t.id = kGammaCustomDialog;
  t.rect = {0, 0, 245, 215};
  t.caption = "28;Gamma -Custom-";
  using K = ControlKind;
  t.controls = {
      // the test pattern, then one row per value: label, colon, "-", slider, "+", value box, reset
      {K::Static, 20376, "29;User Gamma Pattern\t:", {7, 13, 80, 8}, kLabel, {}},
      {K::Static, 20409, ":", {89, 13, 6, 8}, kLabel, {}},
      {K::ComboBox, 20158, "", {97, 10, 106, 70}, kDropList, {"Off", "9step Gray Scale", "15step Gray Scale", "Ramp"}},
      {K::Static, 20377, "30;User Gamma Point 1\t:", {7, 35, 80, 8}, kLabel, {}},
      {K::Static, 20410, ":", {89, 35, 6, 8}, kLabel, {}},
      {K::Button, 20160, "-", {97, 32, 12, 14}, kButton, {}},
      {K::Slider, 20181, "", {111, 32, 56, 14}, kSlider, {}},
      {K::Button, 20161, "+", {169, 32, 12, 14}, kButton, {}},
      {K::Edit, 20162, "", {183, 33, 20, 12}, kValueBox, {}},
      {K::Button, 20336, "26;Reset", {208, 32, 30, 14}, kButton, {}},
      {K::Static, 20378, "31;User Gamma Point 2\t:", {7, 55, 80, 8}, kLabel, {}},
      {K::Static, 20411, ":", {89, 55, 6, 8}, kLabel, {}},
      {K::Button, 20163, "-", {97, 52, 12, 14}, kButton, {}},
      {K::Slider, 21024, "", {111, 52, 56, 14}, kSlider, {}},
      {K::Button, 20164, "+", {169, 52, 12, 14}, kButton, {}},
      {K::Edit, 20165, "", {183, 53, 20, 12}, kValueBox, {}},
      {K::Button, 20337, "26;Reset", {208, 52, 30, 14}, kButton, {}},
      {K::Static, 20379, "32;User Gamma Point 3\t:", {7, 75, 80, 8}, kLabel, {}},
      {K::Static, 20412, ":", {89, 75, 6, 8}, kLabel, {}},
      {K::Button, 20166, "-", {97, 72, 12, 14}, kButton, {}},
      {K::Slider, 21025, "", {111, 72, 56, 14}, kSlider, {}},
      {K::Button, 20167, "+", {169, 72, 12, 14}, kButton, {}},
      {K::Edit, 20168, "", {183, 73, 20, 12}, kValueBox, {}},
      {K::Button, 20338, "26;Reset", {208, 72, 30, 14}, kButton, {}},
      {K::Static, 20380, "33;User Gamma Point 4\t:", {7, 95, 80, 8}, kLabel, {}},
      {K::Static, 20413, ":", {89, 95, 6, 8}, kLabel, {}},
      {K::Button, 20169, "-", {97, 92, 12, 14}, kButton, {}},
      {K::Slider, 21026, "", {111, 92, 56, 14}, kSlider, {}},
      {K::Button, 20170, "+", {169, 92, 12, 14}, kButton, {}},
      {K::Edit, 20171, "", {183, 93, 20, 12}, kValueBox, {}},
      {K::Button, 20339, "26;Reset", {208, 92, 30, 14}, kButton, {}},
      {K::Static, 20381, "34;User Gamma Point 5\t:", {7, 115, 80, 8}, kLabel, {}},
      {K::Static, 20414, ":", {89, 115, 6, 8}, kLabel, {}},
      {K::Button, 20172, "-", {97, 112, 12, 14}, kButton, {}},
      {K::Slider, 21027, "", {111, 112, 56, 14}, kSlider, {}},
      {K::Button, 20173, "+", {169, 112, 12, 14}, kButton, {}},
      {K::Edit, 20174, "", {183, 113, 20, 12}, kValueBox, {}},
      {K::Button, 20340, "26;Reset", {208, 112, 30, 14}, kButton, {}},
      {K::Static, 20382, "35;User Gamma Point 6\t:", {7, 135, 80, 8}, kLabel, {}},
      {K::Static, 20415, ":", {89, 135, 6, 8}, kLabel, {}},
      {K::Button, 20175, "-", {97, 132, 12, 14}, kButton, {}},
      {K::Slider, 21028, "", {111, 132, 56, 14}, kSlider, {}},
      {K::Button, 20176, "+", {169, 132, 12, 14}, kButton, {}},
      {K::Edit, 20177, "", {183, 133, 20, 12}, kValueBox, {}},
      {K::Button, 20341, "26;Reset", {208, 132, 30, 14}, kButton, {}},
      {K::Static, 20383, "36;User Gamma Point 7\t:", {7, 155, 80, 8}, kLabel, {}},
      {K::Static, 20416, ":", {89, 155, 6, 8}, kLabel, {}},
      {K::Button, 20178, "-", {97, 152, 12, 14}, kButton, {}},
      {K::Slider, 21029, "", {111, 152, 56, 14}, kSlider, {}},
      {K::Button, 20179, "+", {169, 152, 12, 14}, kButton, {}},
      {K::Edit, 20180, "", {183, 153, 20, 12}, kValueBox, {}},
      {K::Button, 20342, "26;Reset", {208, 152, 30, 14}, kButton, {}},
      {K::Static, 20384, "37;User Gamma Point 8\t:", {7, 175, 80, 8}, kLabel, {}},
      {K::Static, 20417, ":", {89, 175, 6, 8}, kLabel, {}},
      {K::Button, 20182, "-", {97, 172, 12, 14}, kButton, {}},
      {K::Slider, 21030, "", {111, 172, 56, 14}, kSlider, {}},
      {K::Button, 20183, "+", {169, 172, 12, 14}, kButton, {}},
      {K::Edit, 20184, "", {183, 173, 20, 12}, kValueBox, {}},
      {K::Button, 20343, "26;Reset", {208, 172, 30, 14}, kButton, {}},
      {K::Button, 1, "27;Close", {188, 194, 50, 14}, kButton, {}},
  };
  return t;
}

}  // namespace expert::resources
