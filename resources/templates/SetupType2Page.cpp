// The setup page of type 2: one column. The infra-red receivers (models 6
// and 7) and the auto power off group (the other models) share the third row.
#include "resources/Templates.h"
#include "resources/templates/PageStyles.h"

namespace expert::resources {

DialogTemplate SetupType2PageTemplate() {
  DialogTemplate t;
  t.id = kSetupType2Page;
  t.rect = {0, 0, 400, 220};
  t.style = kPageStyle;
  using K = ControlKind;
  t.controls = {
      {K::Static, 20433, "1;Volume", {10, 13, 72, 8}, kLabel, {}},
      {K::Static, 20444, ":", {84, 13, 6, 8}, kLabel, {}},
      {K::Button, 20067, "-", {92, 10, 12, 14}, kButton, {}},
      {K::Slider, 20068, "", {106, 10, 80, 14}, kSlider, {}},
      {K::Button, 20069, "+", {188, 10, 12, 14}, kButton, {}},
      {K::Edit, 20070, "", {203, 11, 22, 12}, kValueBox, {}},
      {K::Static, 20538, "75;Whisper", {10, 33, 72, 8}, kLabel, {}},
      {K::Static, 20539, ":", {84, 33, 6, 8}, kLabel, {}},
      {K::ComboBox, 20071, "", {92, 30, 100, 60}, kDropList, {}},
      {K::Static, 20076, "80;IR Remote", {10, 53, 72, 8}, kLabel, {}},
      {K::Static, 20392, ":", {84, 53, 6, 8}, kLabel, {}},
      {K::CheckBox, 20072, "81;Front", {92, 52, 40, 10}, kCheckBox, {}},
      {K::CheckBox, 20073, "82;Rear", {134, 52, 40, 10}, kCheckBox, {}},
      {K::CheckBox, 20074, "83;Top", {176, 52, 40, 10}, kCheckBox, {}},
      {K::Static, 20075, "88;Auto Power Off", {10, 53, 72, 8}, kLabel, {}},
      {K::Static, 20393, ":", {84, 53, 6, 8}, kLabel, {}},
      {K::Button, 21104, "-", {92, 50, 12, 14}, kButton, {}},
      {K::Slider, 21105, "", {106, 50, 80, 14}, kSlider, {}},
      {K::Button, 21106, "+", {188, 50, 12, 14}, kButton, {}},
      {K::Edit, 21121, "", {203, 51, 22, 12}, kValueBox, {}},
  };
  return t;
}

}  // namespace expert::resources
