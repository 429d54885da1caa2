// The picture page of type 3: picture levels in the left column; position
// arrows, H phase, H size and aspect in the right one; the reset row at the
// bottom right.
#include "resources/Templates.h"
#include "resources/templates/SliderRow.h"

namespace expert::resources {

DialogTemplate PictureType3PageTemplate() {
  DialogTemplate t;
  t.id = kPictureType3Page;
  t.rect = {0, 0, 400, 220};
  t.style = kPageStyle;
  using K = ControlKind;
  auto& c = t.controls;
  constexpr int kLeft = 8, kRight = 206;
  AddSliderRow(c, kLeft, 10, "73;Brightness", {20700, 20701, 20078, 20079, 20080, 20081});
  AddSliderRow(c, kLeft, 30, "74;Contrast", {20702, 20703, 20082, 20083, 20084, 20085});
  AddSliderRow(c, kLeft, 50, "118;Sharpness", {20704, 20705, 21056, 21057, 21058, 20100});
  AddSliderRow(c, kLeft, 70, "116;Color", {20706, 20707, 21059, 21060, 21061, 20101});
  AddSliderRow(c, kLeft, 90, "117;Tint", {20708, 20709, 21062, 21063, 21064, 20102});
  AddSliderRow(c, kLeft, 110, "125;Color Bal R", {20710, 20711, 20103, 20104, 20105, 20106});
  AddSliderRow(c, kLeft, 130, "127;Color Bal B", {20712, 20713, 21042, 21043, 21068, 20107});
  // Position: up and down move V, left and right move H.
  c.push_back({K::Static, 20714, "48;Position", {kRight, 13, 62, 8}, kLabel, {}});
  c.push_back({K::Static, 20715, ":", {kRight + 64, 13, 6, 8}, kLabel, {}});
  c.push_back({K::Static, 20716, "52;V", {kRight + 72, 13, 16, 8}, kLabel, {}});
  c.push_back({K::BitmapButton, 20087, "", {kRight + 90, 10, 14, 14}, kButton, {}});
  c.push_back({K::BitmapButton, 20089, "", {kRight + 106, 10, 14, 14}, kButton, {}});
  c.push_back({K::Edit, 20090, "", {kRight + 165, 11, 22, 12}, kValueBox, {}});
  c.push_back({K::Static, 20717, "53;H", {kRight + 72, 33, 16, 8}, kLabel, {}});
  c.push_back({K::BitmapButton, 20086, "", {kRight + 90, 30, 14, 14}, kButton, {}});
  c.push_back({K::BitmapButton, 20088, "", {kRight + 106, 30, 14, 14}, kButton, {}});
  c.push_back({K::Edit, 20091, "", {kRight + 165, 31, 22, 12}, kValueBox, {}});
  AddSliderRow(c, kRight, 50, "49;H Phase", {20718, 20719, 20092, 20093, 20094, 20095});
  c.push_back({K::Static, 20720, "50;H Size", {kRight, 73, 62, 8}, kLabel, {}});
  c.push_back({K::Static, 20721, ":", {kRight + 64, 73, 6, 8}, kLabel, {}});
  c.push_back({K::Button, 20096, "-", {kRight + 72, 70, 12, 14}, kButton, {}});
  c.push_back({K::Button, 20098, "+", {kRight + 150, 70, 12, 14}, kButton, {}});
  c.push_back({K::Edit, 20097, "", {kRight + 165, 71, 22, 12}, kValueBox, {}});
  c.push_back({K::Static, 20722, "46;Aspect", {kRight, 93, 62, 8}, kLabel, {}});
  c.push_back({K::Static, 20723, ":", {kRight + 64, 93, 6, 8}, kLabel, {}});
  c.push_back({K::ComboBox, 20099, "", {kRight + 72, 90, 115, 100}, kDropList, {}});
  // reset row, bottom right
  c.push_back({K::Static, 20724, "51;Reset", {kRight, 203, 62, 8}, kLabel, {}});
  c.push_back({K::Static, 20725, ":", {kRight + 64, 203, 6, 8}, kLabel, {}});
  c.push_back({K::ComboBox, 21069, "", {kRight + 72, 200, 68, 120}, kDropList,
               {"Brightness", "Contrast", "V Position", "H Position", "H Size", "Sharpness", "Color", "Tint",
                "Color Bal R", "Color Bal B"}});
  c.push_back({K::Button, 21073, "17;Execute", {kRight + 142, 200, 45, 14}, kButton, {}});
  return t;
}

}  // namespace expert::resources
