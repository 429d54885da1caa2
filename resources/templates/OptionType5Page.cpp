// The option page of type 5: automatic functions, My Buttons and the service
// dialog in the left column, closed captions (some models) in the right one.
#include "resources/Templates.h"
#include "resources/templates/PageStyles.h"

namespace expert::resources {

DialogTemplate OptionType5PageTemplate() {
  DialogTemplate t;
  t.id = kOptionType5Page;
  t.rect = {0, 0, 400, 220};
  t.style = kPageStyle;
  using K = ControlKind;
  const std::vector<std::string> offOn = {"Off", "On"};
  const std::vector<std::string> functions = {"RGB1",        "RGB2",      "M1-D",         "Component",
                                              "S-Video",     "Video",     "MIU",          "Information",
                                              "Auto Keystone Execute", "My Memory", "Picture Mode", "Filter Reset"};
  t.controls = {
      // left column: label, colon, control
      {K::Static, 20566, "16;Auto Search", {10, 13, 70, 8}, kLabel, {}},
      {K::Static, 20567, ":", {82, 13, 6, 8}, kLabel, {}},
      {K::ComboBox, 20364, "", {90, 10, 96, 60}, kDropList, offOn},
      {K::Static, 20568, "18;Auto Keystone", {10, 33, 70, 8}, kLabel, {}},
      {K::Static, 20569, ":", {82, 33, 6, 8}, kLabel, {}},
      {K::ComboBox, 20365, "", {90, 30, 96, 60}, kDropList, offOn},
      {K::Static, 20570, "93;Auto On", {10, 53, 70, 8}, kLabel, {}},
      {K::Static, 20571, ":", {82, 53, 6, 8}, kLabel, {}},
      {K::ComboBox, 20366, "", {90, 50, 96, 60}, kDropList, offOn},
      {K::Static, 20572, "94;Auto Off", {10, 73, 70, 8}, kLabel, {}},
      {K::Static, 20573, ":", {82, 73, 6, 8}, kLabel, {}},
      {K::Button, 20367, "-", {90, 70, 12, 14}, kButton, {}},
      {K::Slider, 20369, "", {104, 70, 70, 14}, kSlider, {}},
      {K::Button, 20368, "+", {176, 70, 12, 14}, kButton, {}},
      {K::Edit, 20370, "", {191, 71, 22, 12}, kValueBox, {}},
      {K::Static, 20574, "95;My Button-1", {10, 93, 70, 8}, kLabel, {}},
      {K::Static, 20575, ":", {82, 93, 6, 8}, kLabel, {}},
      {K::ComboBox, 20371, "", {90, 90, 123, 100}, kDropList, functions},
      {K::Static, 20576, "96;My Button-2", {10, 113, 70, 8}, kLabel, {}},
      {K::Static, 20577, ":", {82, 113, 6, 8}, kLabel, {}},
      {K::ComboBox, 20372, "", {90, 110, 123, 100}, kDropList, functions},
      {K::Static, 20578, "97;Service", {10, 133, 70, 8}, kLabel, {}},
      {K::Static, 20579, ":", {82, 133, 6, 8}, kLabel, {}},
      {K::Button, 20373, "98;Service...", {90, 130, 60, 14}, kButton, {}},
      // right column: closed captions
      {K::Static, 20289, "191;C.C. Display", {226, 13, 70, 8}, kLabel, {}},
      {K::Static, 20402, ":", {298, 13, 6, 8}, kLabel, {}},
      {K::ComboBox, 20292, "", {306, 10, 86, 60}, kDropList, {}},
      {K::Static, 20290, "192;C.C. Mode", {226, 33, 70, 8}, kLabel, {}},
      {K::Static, 20403, ":", {298, 33, 6, 8}, kLabel, {}},
      {K::ComboBox, 20293, "", {306, 30, 86, 60}, kDropList, {}},
      {K::Static, 20291, "193;C.C. Channel", {226, 53, 70, 8}, kLabel, {}},
      {K::Static, 20404, ":", {298, 53, 6, 8}, kLabel, {}},
      {K::ComboBox, 20294, "", {306, 50, 86, 60}, kDropList, {}},
  };
  return t;
}

DialogTemplate ServiceDialogTemplate() {
  DialogTemplate t;
  t.id = kServiceDialog;
  t.rect = {0, 0, 238, 130};
  t.caption = "136;Service";
  using K = ControlKind;
  const std::vector<std::string> disableEnable = {"Disable", "Enable"};
  t.controls = {
      {K::Static, 20633, "85;Auto Adjust Enable", {10, 13, 104, 8}, kLabel, {}},
      {K::Static, 20637, ":", {114, 13, 6, 8}, kLabel, {}},
      {K::ComboBox, 20374, "", {124, 10, 104, 60}, kDropList, disableEnable},
      {K::Static, 20634, "80;IR Remote", {10, 33, 104, 8}, kLabel, {}},
      {K::Static, 20638, ":", {114, 33, 6, 8}, kLabel, {}},
      {K::CheckBox, 20375, "81;Front", {124, 32, 34, 10}, kButton | BS_AUTOCHECKBOX, {}},
      {K::CheckBox, 20376, "82;Rear", {160, 32, 34, 10}, kButton | BS_AUTOCHECKBOX, {}},
      {K::CheckBox, 20377, "83;Top", {196, 32, 34, 10}, kButton | BS_AUTOCHECKBOX, {}},
      {K::Static, 20635, "134;IR Remote Frequency Normal", {10, 53, 104, 8}, kLabel, {}},
      {K::Static, 20639, ":", {114, 53, 6, 8}, kLabel, {}},
      {K::ComboBox, 20378, "", {124, 50, 104, 60}, kDropList, disableEnable},
      {K::Static, 20636, "135;IR Remote Frequency High", {10, 73, 104, 8}, kLabel, {}},
      {K::Static, 20640, ":", {114, 73, 6, 8}, kLabel, {}},
      {K::ComboBox, 20379, "", {124, 70, 104, 60}, kDropList, disableEnable},
      {K::Static, 20631, "196;Focus Lock", {10, 93, 104, 8}, kLabel, {}},
      {K::Static, 20632, ":", {114, 93, 6, 8}, kLabel, {}},
      {K::ComboBox, 20381, "", {124, 90, 104, 60}, kDropList, {}},
      {K::Button, 20380, "27;Close", {178, 110, 50, 14}, kButton, {}},
  };
  return t;
}

}  // namespace expert::resources
