// The setup page of type 4: lamp, mirror, volume, stereo, remote receivers,
// keystone and electric zoom on the left; the audio source of each input on
// the right (models 23 to 28); the reset row at the bottom right.
#include "resources/Templates.h"
#include "resources/templates/PageStyles.h"

namespace expert::resources {

DialogTemplate SetupType4PageTemplate() {
  DialogTemplate t;
  t.id = kSetupType4Page;
  t.rect = {0, 0, 400, 220};
  t.style = kPageStyle;
  using K = ControlKind;
  const std::vector<std::string> audio = {"Off", "Audio1", "Audio2"};
  t.controls = {
      {K::Static, 20540, "75;Whisper\t\t:", {10, 13, 72, 8}, kLabel, {}},
      {K::Static, 20541, ":", {84, 13, 6, 8}, kLabel, {}},
      {K::ComboBox, 20242, "", {92, 10, 96, 60}, kDropList, {}},
      {K::Static, 20542, "40;Mirror\t\t:", {10, 33, 72, 8}, kLabel, {}},
      {K::Static, 20543, ":", {84, 33, 6, 8}, kLabel, {}},
      {K::ComboBox, 20243, "", {92, 30, 96, 60}, kDropList, {"Normal", "H Inverse", "V Inverse", "H&V Inverse"}},
      {K::Static, 20544, "1;Volume\t\t:", {10, 53, 72, 8}, kLabel, {}},
      {K::Static, 20545, ":", {84, 53, 6, 8}, kLabel, {}},
      {K::Button, 20244, "-", {92, 50, 12, 14}, kButton, {}},
      {K::Slider, 20245, "", {106, 50, 62, 14}, kSlider, {}},
      {K::Button, 20246, "+", {170, 50, 12, 14}, kButton, {}},
      {K::Edit, 20256, "", {185, 51, 24, 12}, kValueBox, {}},
      {K::Static, 20546, "153;Stereo\t\t:", {10, 73, 72, 8}, kLabel, {}},
      {K::Static, 20547, ":", {84, 73, 6, 8}, kLabel, {}},
      {K::ComboBox, 21034, "", {92, 70, 96, 60}, kDropList, {"Mono", "Stereo"}},
      {K::Static, 20548, "80;IR Remote\t:", {10, 93, 72, 8}, kLabel, {}},
      {K::Static, 20549, ":", {84, 93, 6, 8}, kLabel, {}},
      {K::CheckBox, 20247, "81;Front", {92, 92, 44, 10}, kButton, {}},
      {K::CheckBox, 20248, "83;Top", {140, 92, 44, 10}, kButton, {}},
      {K::Static, 20253, "77;Keystone\t:", {10, 113, 72, 8}, kLabel, {}},
      {K::Static, 20409, ":", {84, 113, 6, 8}, kLabel, {}},
      {K::Button, 20249, "-", {92, 110, 12, 14}, kButton, {}},
      {K::Slider, 20250, "", {106, 110, 62, 14}, kSlider, {}},
      {K::Button, 20251, "+", {170, 110, 12, 14}, kButton, {}},
      {K::Edit, 20252, "", {185, 111, 24, 12}, kValueBox, {}},
      {K::Static, 20021, "154;Electric Zoom\t:", {10, 133, 72, 8}, kLabel, {}},
      {K::Static, 20397, ":", {84, 133, 6, 8}, kLabel, {}},
      {K::Button, 21049, "-", {92, 130, 12, 14}, kButton, {}},
      {K::Slider, 21048, "", {106, 130, 62, 14}, kSlider, {}},
      {K::Button, 21050, "+", {170, 130, 12, 14}, kButton, {}},
      {K::Edit, 21118, "", {185, 131, 24, 12}, kValueBox, {}},
      // audio source of each input
      {K::Static, 20027, "139;Audio RGB 1\t\t:", {216, 13, 64, 8}, kLabel, {}},
      {K::Static, 20410, ":", {282, 13, 6, 8}, kLabel, {}},
      {K::ComboBox, 21043, "", {290, 10, 100, 60}, kDropList, audio},
      {K::Static, 20028, "140;Audio RGB 2\t\t:", {216, 33, 64, 8}, kLabel, {}},
      {K::Static, 20411, ":", {282, 33, 6, 8}, kLabel, {}},
      {K::ComboBox, 21044, "", {290, 30, 100, 60}, kDropList, audio},
      {K::Static, 20029, "141;Audio Video\t\t:", {216, 53, 64, 8}, kLabel, {}},
      {K::Static, 20412, ":", {282, 53, 6, 8}, kLabel, {}},
      {K::ComboBox, 21051, "", {290, 50, 100, 60}, kDropList, audio},
      {K::Static, 20030, "142;Audio S-Video\t\t:", {216, 73, 64, 8}, kLabel, {}},
      {K::Static, 20413, ":", {282, 73, 6, 8}, kLabel, {}},
      {K::ComboBox, 21052, "", {290, 70, 100, 60}, kDropList, audio},
      {K::Static, 20031, "143;Audio Component\t:", {216, 93, 64, 8}, kLabel, {}},
      {K::Static, 20414, ":", {282, 93, 6, 8}, kLabel, {}},
      {K::ComboBox, 21053, "", {290, 90, 100, 60}, kDropList, audio},
      // reset row, bottom right
      {K::Static, 20257, "51;Reset\t\t:", {222, 203, 40, 8}, kLabel, {}},
      {K::ComboBox, 20254, "", {264, 201, 78, 60}, kDropList, {"Keystone", "Electric Zoom"}},
      {K::Button, 20255, "17;Execute", {346, 200, 46, 14}, kButton, {}},
  };
  return t;
}

}  // namespace expert::resources
