// The control page of types 4 and 5: lists in the left column, slider groups,
// focus and auto keystone in the right one, the reset row at the bottom right.
#include "resources/Templates.h"
#include "resources/templates/PageStyles.h"

namespace expert::resources {

DialogTemplate ControlType4PageTemplate() {
  DialogTemplate t;
  t.id = kControlType4Page;
  t.rect = {0, 0, 400, 220};
  t.style = kPageStyle;
  using K = ControlKind;
  const std::vector<std::string> offOn = {"Off", "On"};
  t.controls = {
      // left column: label, colon, list
      {K::Static, 20580, "99;Power\t\t:", {10, 13, 72, 8}, kLabel, {}},
      {K::Static, 20581, ":", {84, 13, 6, 8}, kLabel, {}},
      {K::ComboBox, 20268, "", {92, 10, 96, 60}, kDropList, offOn},
      {K::Static, 20582, "100;Input Source\t:", {10, 33, 72, 8}, kLabel, {}},
      {K::Static, 20583, ":", {84, 33, 6, 8}, kLabel, {}},
      {K::ComboBox, 20269, "", {92, 30, 96, 80}, kDropList, {}},
      {K::Static, 20382, "110;Mode\t\t:", {10, 53, 72, 8}, kLabel, {}},
      {K::Static, 20592, ":", {84, 53, 6, 8}, kLabel, {}},
      {K::ComboBox, 21033, "", {92, 50, 96, 80}, kDropList, {"Normal", "Cinema", "Dynamic", "Custom"}},
      {K::Static, 20584, "101;Blank On/Off\t:", {10, 73, 72, 8}, kLabel, {}},
      {K::Static, 20585, ":", {84, 73, 6, 8}, kLabel, {}},
      {K::ComboBox, 20270, "", {92, 70, 96, 60}, kDropList, offOn},
      {K::Static, 20586, "102;Mute\t\t:", {10, 93, 72, 8}, kLabel, {}},
      {K::Static, 20587, ":", {84, 93, 6, 8}, kLabel, {}},
      {K::ComboBox, 20271, "", {92, 90, 96, 60}, kDropList, offOn},
      {K::Static, 20588, "103;Freeze\t\t:", {10, 113, 72, 8}, kLabel, {}},
      {K::Static, 20589, ":", {84, 113, 6, 8}, kLabel, {}},
      {K::ComboBox, 20272, "", {92, 110, 96, 60}, kDropList, {"Normal", "Freeze"}},
      {K::Static, 20287, "111;QuickPic\t\t:", {10, 133, 72, 8}, kLabel, {}},
      {K::Static, 20401, ":", {84, 133, 6, 8}, kLabel, {}},
      {K::ComboBox, 20288, "", {92, 130, 96, 80}, kDropList, {"Off", "Image1", "Image2", "Image3", "Image4"}},
      // right column: label, colon, "-", slider, "+", value box
      {K::Static, 20590, "104;Magnify\t\t:", {206, 13, 62, 8}, kLabel, {}},
      {K::Static, 20591, ":", {270, 13, 6, 8}, kLabel, {}},
      {K::Button, 20273, "-", {278, 10, 12, 14}, kButton, {}},
      {K::Slider, 20286, "", {292, 10, 62, 14}, kSlider, {}},
      {K::Button, 20274, "+", {356, 10, 12, 14}, kButton, {}},
      {K::Edit, 20275, "", {371, 11, 22, 12}, kValueBox, {}},
      {K::Static, 20027, "109;Foucus\t\t:", {206, 33, 62, 8}, kLabel, {}},
      {K::Static, 20398, ":", {270, 33, 6, 8}, kLabel, {}},
      {K::Button, 21034, "-", {278, 30, 12, 14}, kButton, {}},
      {K::Button, 21036, "+", {292, 30, 12, 14}, kButton, {}},
      {K::Static, 20264, "113;Keystone V\t:", {206, 53, 62, 8}, kLabel, {}},
      {K::Static, 20395, ":", {270, 53, 6, 8}, kLabel, {}},
      {K::Button, 20276, "-", {278, 50, 12, 14}, kButton, {}},
      {K::Slider, 20285, "", {292, 50, 62, 14}, kSlider, {}},
      {K::Button, 20277, "+", {356, 50, 12, 14}, kButton, {}},
      {K::Edit, 20278, "", {371, 51, 22, 12}, kValueBox, {}},
      {K::Static, 20265, "114;Keystone H\t:", {206, 73, 62, 8}, kLabel, {}},
      {K::Static, 20396, ":", {270, 73, 6, 8}, kLabel, {}},
      {K::Button, 20279, "-", {278, 70, 12, 14}, kButton, {}},
      {K::Slider, 20280, "", {292, 70, 62, 14}, kSlider, {}},
      {K::Button, 20281, "+", {356, 70, 12, 14}, kButton, {}},
      {K::Edit, 20282, "", {371, 71, 22, 12}, kValueBox, {}},
      {K::Static, 20026, "112;Auto Keystone V:", {206, 93, 62, 8}, kLabel, {}},
      {K::Static, 20400, ":", {270, 93, 6, 8}, kLabel, {}},
      {K::Button, 20267, "17;Execute", {278, 90, 46, 14}, kButton, {}},
      // reset row, bottom right
      {K::Static, 20266, "51;Reset\t\t:", {222, 203, 40, 8}, kLabel, {}},
      {K::ComboBox, 20283, "", {264, 201, 78, 60}, kDropList, {"Keystone V", "Keystone H"}},
      {K::Button, 20284, "17;Execute", {346, 200, 46, 14}, kButton, {}},
  };
  return t;
}

}  // namespace expert::resources
