// The setup page of type 3: lists in the left column; volume, auto power off
// and the infra-red receivers in the right one.
#include "resources/Templates.h"
#include "resources/templates/SliderRow.h"

namespace expert::resources {

DialogTemplate SetupType3PageTemplate() {
  DialogTemplate t;
  t.id = kSetupType3Page;
  t.rect = {0, 0, 400, 220};
  t.style = kPageStyle;
  using K = ControlKind;
  t.controls = {
      {K::Static, 20790, "89;Menu Color", {10, 13, 72, 8}, kLabel, {}},
      {K::Static, 20791, ":", {84, 13, 6, 8}, kLabel, {}},
      {K::ComboBox, 20124, "", {92, 10, 96, 100}, kDropList,
       {"Red", "Orange", "Green", "Blue", "Purple", "Transparent", "Gray"}},
      {K::Static, 20792, "76;Language", {10, 33, 72, 8}, kLabel, {}},
      {K::Static, 20793, ":", {84, 33, 6, 8}, kLabel, {}},
      {K::ComboBox, 20125, "", {92, 30, 96, 120}, kDropList,
       {"English", "French", "German", "Spanish", "Italian", "Norwegian", "Dutch", "Portuguese", "Japanese"}},
      {K::Static, 20794, "65;Sync On G", {10, 53, 72, 8}, kLabel, {}},
      {K::Static, 20795, ":", {84, 53, 6, 8}, kLabel, {}},
      {K::ComboBox, 20130, "", {92, 50, 96, 60}, kDropList, {}},
      {K::Static, 20796, "75;Whisper", {10, 73, 72, 8}, kLabel, {}},
      {K::Static, 20797, ":", {84, 73, 6, 8}, kLabel, {}},
      {K::ComboBox, 20072, "", {92, 70, 96, 60}, kDropList, {}},
  };
  AddSliderRow(t.controls, 206, 10, "1;Volume", {20798, 20799, 20120, 20121, 20122, 20123});
  AddSliderRow(t.controls, 206, 30, "88;Auto Power Off", {20800, 20801, 20126, 20127, 20128, 20129});
  t.controls.insert(t.controls.end(), {
      {K::Static, 20131, "80;IR Remote", {206, 53, 62, 8}, kLabel, {}},
      {K::Static, 20392, ":", {270, 53, 6, 8}, kLabel, {}},
      {K::CheckBox, 20073, "81;Front", {278, 52, 36, 10}, kButton | BS_AUTOCHECKBOX, {}},
      {K::CheckBox, 20074, "82;Rear", {316, 52, 36, 10}, kButton | BS_AUTOCHECKBOX, {}},
      {K::CheckBox, 20076, "83;Top", {354, 52, 36, 10}, kButton | BS_AUTOCHECKBOX, {}},
  });
  return t;
}

}  // namespace expert::resources
