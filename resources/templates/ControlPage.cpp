// The control page of types 1 to 3: lists in the left column, slider groups
// and motor buttons in the right one, the reset row at the bottom right.
#include "resources/Templates.h"
#include "resources/templates/PageStyles.h"

namespace expert::resources {

DialogTemplate ControlPageTemplate() {
  DialogTemplate t;
  t.id = kControlPage;
  t.rect = {0, 0, 400, 220};
  t.style = kPageStyle;
  using K = ControlKind;
  const std::vector<std::string> offOn = {"Off", "On"};
  t.controls = {
      // left column: label, colon, list
      {K::Static, 20580, "99;Power", {10, 13, 72, 8}, kLabel, {}},
      {K::Static, 20581, ":", {84, 13, 6, 8}, kLabel, {}},
      {K::ComboBox, 21029, "", {92, 10, 96, 60}, kDropList, offOn},
      {K::Static, 20582, "100;Input Source", {10, 33, 72, 8}, kLabel, {}},
      {K::Static, 20583, ":", {84, 33, 6, 8}, kLabel, {}},
      {K::ComboBox, 21030, "", {92, 30, 96, 80}, kDropList, {}},
      {K::Static, 20584, "101;Blank On/Off", {10, 53, 72, 8}, kLabel, {}},
      {K::Static, 20585, ":", {84, 53, 6, 8}, kLabel, {}},
      {K::ComboBox, 21085, "", {92, 50, 96, 60}, kDropList, offOn},
      {K::Static, 20586, "102;Mute", {10, 73, 72, 8}, kLabel, {}},
      {K::Static, 20587, ":", {84, 73, 6, 8}, kLabel, {}},
      {K::ComboBox, 21053, "", {92, 70, 96, 60}, kDropList, offOn},
      {K::Static, 20588, "103;Freeze", {10, 93, 72, 8}, kLabel, {}},
      {K::Static, 20589, ":", {84, 93, 6, 8}, kLabel, {}},
      {K::ComboBox, 21107, "", {92, 90, 96, 60}, kDropList, {"Normal", "Freeze"}},
      {K::Static, 20132, "105;Display Position", {10, 113, 72, 8}, kLabel, {}},
      {K::Static, 20399, ":", {84, 113, 6, 8}, kLabel, {}},
      {K::ComboBox, 21108, "", {92, 110, 96, 60}, kDropList, {"Default", "Bottom", "Top"}},
      // right column: label, colon, "-", slider, "+", value box
      {K::Static, 20590, "104;Magnify", {206, 13, 62, 8}, kLabel, {}},
      {K::Static, 20591, ":", {270, 13, 6, 8}, kLabel, {}},
      {K::Button, 21104, "-", {278, 10, 12, 14}, kButton, {}},
      {K::Slider, 21105, "", {292, 10, 62, 14}, kSlider, {}},
      {K::Button, 21106, "+", {356, 10, 12, 14}, kButton, {}},
      {K::Edit, 21115, "", {371, 11, 22, 12}, kValueBox, {}},
      {K::Static, 20023, "106;Keystone V", {206, 33, 62, 8}, kLabel, {}},
      {K::Static, 20395, ":", {270, 33, 6, 8}, kLabel, {}},
      {K::Button, 21025, "-", {278, 30, 12, 14}, kButton, {}},
      {K::Slider, 21023, "", {292, 30, 62, 14}, kSlider, {}},
      {K::Button, 21026, "+", {356, 30, 12, 14}, kButton, {}},
      {K::Edit, 21114, "", {371, 31, 22, 12}, kValueBox, {}},
      {K::Static, 20024, "107;Keystone H", {206, 53, 62, 8}, kLabel, {}},
      {K::Static, 20396, ":", {270, 53, 6, 8}, kLabel, {}},
      {K::Button, 21027, "-", {278, 50, 12, 14}, kButton, {}},
      {K::Slider, 21024, "", {292, 50, 62, 14}, kSlider, {}},
      {K::Button, 21028, "+", {356, 50, 12, 14}, kButton, {}},
      {K::Edit, 21110, "", {371, 51, 22, 12}, kValueBox, {}},
      {K::Static, 20026, "108;Zoom", {206, 73, 62, 8}, kLabel, {}},
      {K::Static, 20397, ":", {270, 73, 6, 8}, kLabel, {}},
      {K::Button, 21033, "-", {278, 70, 12, 14}, kButton, {}},
      {K::Button, 21035, "+", {292, 70, 12, 14}, kButton, {}},
      {K::Static, 20027, "109;Foucus", {206, 93, 62, 8}, kLabel, {}},
      {K::Static, 20398, ":", {270, 93, 6, 8}, kLabel, {}},
      {K::Button, 21034, "-", {278, 90, 12, 14}, kButton, {}},
      {K::Button, 21036, "+", {292, 90, 12, 14}, kButton, {}},
      // reset row, bottom right
      {K::Static, 20025, "51;Reset", {222, 203, 40, 8}, kLabel, {}},
      {K::ComboBox, 21031, "", {264, 201, 78, 60}, kDropList, {"Keystone V", "Keystone H"}},
      {K::Button, 21032, "17;Execute", {346, 200, 46, 14}, kButton, {}},
  };
  return t;
}

}  // namespace expert::resources
