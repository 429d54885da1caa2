// The setup page of type 1: lists in the left column; the volume group and
// the infra-red receivers in the right one.
#include "resources/Templates.h"
#include "resources/templates/PageStyles.h"

namespace expert::resources {

DialogTemplate SetupType1PageTemplate() {
  DialogTemplate t;
  t.id = kSetupType1Page;
  t.rect = {0, 0, 400, 220};
  t.style = kPageStyle;
  using K = ControlKind;
  const std::vector<std::string> offOn = {"Off", "On"};
  t.controls = {
      {K::Static, 20437, "5;Speaker", {10, 13, 80, 8}, kLabel, {}},
      {K::Static, 20448, ":", {92, 13, 6, 8}, kLabel, {}},
      {K::ComboBox, 21054, "", {100, 10, 96, 60}, kDropList, offOn},
      {K::Static, 20544, "79;Screen Type", {10, 33, 80, 8}, kLabel, {}},
      {K::Static, 20545, ":", {92, 33, 6, 8}, kLabel, {}},
      {K::ComboBox, 21056, "", {100, 30, 96, 80}, kDropList, {"4:3", "16:9-Top", "16:9-Center", "16:9-Bottom"}},
      {K::Static, 20548, "84;IR Remote ID", {10, 53, 80, 8}, kLabel, {}},
      {K::Static, 20549, ":", {92, 53, 6, 8}, kLabel, {}},
      {K::ComboBox, 21055, "", {100, 50, 96, 80}, kDropList, {"All", "1", "2", "3"}},
      {K::Static, 20550, "85;Auto Adjust Enable", {10, 73, 80, 8}, kLabel, {}},
      {K::Static, 20551, ":", {92, 73, 6, 8}, kLabel, {}},
      {K::ComboBox, 21113, "", {100, 70, 96, 60}, kDropList, {"Disable", "Enable"}},
      {K::Static, 20552, "86;Lens Type", {10, 93, 80, 8}, kLabel, {}},
      {K::Static, 20553, ":", {92, 93, 6, 8}, kLabel, {}},
      {K::ComboBox, 21109, "", {100, 90, 96, 100}, kDropList, {"All", "1", "2", "3", "4", "5"}},
      {K::Static, 20554, "87;Lens Lock", {10, 113, 80, 8}, kLabel, {}},
      {K::Static, 20555, ":", {92, 113, 6, 8}, kLabel, {}},
      {K::ComboBox, 21110, "", {100, 110, 96, 60}, kDropList, offOn},
      // right column
      {K::Static, 20433, "1;Volume", {210, 13, 58, 8}, kLabel, {}},
      {K::Static, 20444, ":", {270, 13, 6, 8}, kLabel, {}},
      {K::Button, 21101, "-", {278, 10, 12, 14}, kButton, {}},
      {K::Slider, 21102, "", {292, 10, 62, 14}, kSlider, {}},
      {K::Button, 21103, "+", {356, 10, 12, 14}, kButton, {}},
      {K::Edit, 21120, "", {371, 11, 22, 12}, kValueBox, {}},
      {K::Static, 20546, "80;IR Remote", {210, 33, 58, 8}, kLabel, {}},
      {K::Static, 20547, ":", {270, 33, 6, 8}, kLabel, {}},
      {K::CheckBox, 21096, "81;Front", {278, 32, 38, 10}, kCheckBox, {}},
      {K::CheckBox, 21097, "82;Rear", {318, 32, 36, 10}, kCheckBox, {}},
      {K::CheckBox, 21098, "83;Top", {356, 32, 36, 10}, kCheckBox, {}},
  };
  return t;
}

}  // namespace expert::resources
