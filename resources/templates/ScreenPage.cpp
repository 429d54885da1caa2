// The screen page of types 4 and 5: language, the menu position cross with
// its V and H boxes, OSD brightness, then the blank, start-up, MyScreen lock
// and message lists (on type 5 they move up into the OSD brightness row's
// place); the reset row at the bottom right.
#include "resources/Templates.h"
#include "resources/templates/PageStyles.h"

namespace expert::resources {

DialogTemplate ScreenPageTemplate() {
  DialogTemplate t;
  t.id = kScreenPage;
  t.rect = {0, 0, 400, 220};
  t.style = kPageStyle;
  using K = ControlKind;
  t.controls = {
      {K::Static, 20380, "76;Language\t:", {10, 13, 72, 8}, kLabel, {}},
      {K::Static, 20390, ":", {84, 13, 6, 8}, kLabel, {}},
      {K::ComboBox, 20226, "", {92, 10, 96, 120}, kDropList,
       {"English", "French", "German", "Spanish", "Italian", "Norwegian", "Dutch", "Portuguese", "Japanese",
        "Simplified Chinese", "Korean", "Swedish", "Russian", "Finnish", "Polish", "Turkish", "Traditional Chinese"}},
      // the menu position cross: up above, left and right beside, down below
      {K::Static, 20381, "132;Menu Position\t:", {10, 47, 72, 8}, kLabel, {}},
      {K::Static, 20391, ":", {84, 47, 6, 8}, kLabel, {}},
      {K::BitmapButton, 20227, "", {106, 30, 12, 12}, kButton, {}},
      {K::BitmapButton, 20228, "", {93, 44, 12, 12}, kButton, {}},
      {K::BitmapButton, 20229, "", {119, 44, 12, 12}, kButton, {}},
      {K::BitmapButton, 20230, "", {106, 58, 12, 12}, kButton, {}},
      {K::Static, 20392, "52;V", {140, 38, 20, 8}, kLabel, {}},
      {K::Edit, 20231, "", {162, 36, 28, 12}, kValueBox, {}},
      {K::Static, 20393, "53;H", {140, 54, 20, 8}, kLabel, {}},
      {K::Edit, 20232, "", {162, 52, 28, 12}, kValueBox, {}},
      {K::Static, 20385, "133;OSD Bright\t:", {10, 81, 72, 8}, kLabel, {}},
      {K::Static, 20404, ":", {84, 81, 6, 8}, kLabel, {}},
      {K::Button, 20233, "-", {92, 78, 12, 14}, kButton, {}},
      {K::Slider, 20234, "", {106, 78, 62, 14}, kSlider, {}},
      {K::Button, 20235, "+", {170, 78, 12, 14}, kButton, {}},
      {K::Edit, 20236, "", {185, 79, 24, 12}, kValueBox, {}},
      // these four rows move up on type 5
      {K::Static, 20386, "38;Blank\t\t:", {10, 103, 72, 8}, kLabel, {}},
      {K::Static, 20405, ":", {84, 103, 6, 8}, kLabel, {}},
      {K::ComboBox, 20237, "", {92, 100, 96, 80}, kDropList, {"Blue", "White", "Black", "MyScreen", "Original"}},
      {K::Static, 20387, "39;Startup\t\t:", {10, 123, 72, 8}, kLabel, {}},
      {K::Static, 20406, ":", {84, 123, 6, 8}, kLabel, {}},
      {K::ComboBox, 21086, "", {92, 120, 96, 60}, kDropList, {"Original", "Off", "MyScreen"}},
      {K::Static, 20388, "130;MyScreen Lock\t:", {10, 143, 72, 8}, kLabel, {}},
      {K::Static, 20407, ":", {84, 143, 6, 8}, kLabel, {}},
      {K::ComboBox, 20238, "", {92, 140, 96, 60}, kDropList, {"Off", "On"}},
      {K::Static, 20389, "131;Message\t:", {10, 163, 72, 8}, kLabel, {}},
      {K::Static, 20402, ":", {84, 163, 6, 8}, kLabel, {}},
      {K::ComboBox, 20239, "", {92, 160, 96, 60}, kDropList, {"Off", "On"}},
      // reset row, bottom right
      {K::Static, 20394, "51;Reset\t\t:", {222, 203, 40, 8}, kLabel, {}},
      {K::ComboBox, 20240, "", {264, 201, 78, 60}, kDropList, {"Menu Position V", "Menu Position H"}},
      {K::Button, 20241, "17;Execute", {346, 200, 46, 14}, kButton, {}},
  };
  return t;
}

}  // namespace expert::resources
