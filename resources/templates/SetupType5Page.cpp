// The setup page of type 5: keystone, lamp, mirror, volume, speaker and the
// digital zoom and shift in the left column, the audio source of each input
// in the right one, the reset row at the bottom right. Rows only some models
// have come last in their column.
#include "resources/Templates.h"
#include "resources/templates/PageStyles.h"

namespace expert::resources {

DialogTemplate SetupType5PageTemplate() {
  DialogTemplate t;
  t.id = kSetupType5Page;
  t.rect = {0, 0, 400, 220};
  t.style = kPageStyle;
  using K = ControlKind;
  const std::vector<std::string> audio = {"Off", "Audio1", "Audio2", "Audio3"};
  t.controls = {
      // left column: label, colon, controls
      {K::Static, 20590, "18;Auto Keystone", {8, 13, 62, 8}, kLabel, {}},
      {K::Static, 20591, ":", {70, 13, 6, 8}, kLabel, {}},
      {K::Button, 20305, "17;Execute", {78, 10, 46, 14}, kButton, {}},
      {K::Static, 20592, "137;Keystone V", {8, 33, 62, 8}, kLabel, {}},
      {K::Static, 20593, ":", {70, 33, 6, 8}, kLabel, {}},
      {K::Button, 20308, "-", {78, 30, 12, 14}, kButton, {}},
      {K::Slider, 20310, "", {92, 30, 70, 14}, kSlider, {}},
      {K::Button, 20309, "+", {164, 30, 12, 14}, kButton, {}},
      {K::Edit, 20314, "", {179, 31, 22, 12}, kValueBox, {}},
      {K::Static, 20594, "138;Keystone H", {8, 53, 62, 8}, kLabel, {}},
      {K::Static, 20595, ":", {70, 53, 6, 8}, kLabel, {}},
      {K::Button, 20312, "-", {78, 50, 12, 14}, kButton, {}},
      {K::Slider, 20311, "", {92, 50, 70, 14}, kSlider, {}},
      {K::Button, 20313, "+", {164, 50, 12, 14}, kButton, {}},
      {K::Edit, 20141, "", {179, 51, 22, 12}, kValueBox, {}},
      {K::Static, 20596, "75;Whisper", {8, 73, 62, 8}, kLabel, {}},
      {K::Static, 20597, ":", {70, 73, 6, 8}, kLabel, {}},
      {K::ComboBox, 20315, "", {78, 70, 98, 60}, kDropList, {}},
      {K::Static, 20598, "40;Mirror", {8, 93, 62, 8}, kLabel, {}},
      {K::Static, 20599, ":", {70, 93, 6, 8}, kLabel, {}},
      {K::ComboBox, 20316, "", {78, 90, 98, 80}, kDropList, {}},
      {K::Static, 20338, "1;Volume", {8, 113, 62, 8}, kLabel, {}},
      {K::Static, 20408, ":", {70, 113, 6, 8}, kLabel, {}},
      {K::Button, 20318, "-", {78, 110, 12, 14}, kButton, {}},
      {K::Slider, 20317, "", {92, 110, 70, 14}, kSlider, {}},
      {K::Button, 20319, "+", {164, 110, 12, 14}, kButton, {}},
      {K::Edit, 20142, "", {179, 111, 22, 12}, kValueBox, {}},
      {K::Edit, 20337, "", {179, 111, 22, 12}, ES_READONLY, {}},  // never shown: the source a volume step used
      {K::Static, 20345, "5;Speaker", {8, 133, 62, 8}, kLabel, {}},
      {K::Static, 20409, ":", {70, 133, 6, 8}, kLabel, {}},
      {K::ComboBox, 20321, "", {78, 130, 98, 60}, kDropList, {}},
      {K::Static, 20348, "194;D-Zoom", {8, 153, 62, 8}, kLabel, {}},
      {K::Static, 20410, ":", {70, 153, 6, 8}, kLabel, {}},
      {K::Button, 20331, "-", {78, 150, 12, 14}, kButton, {}},
      {K::Slider, 20332, "", {92, 150, 70, 14}, kSlider, {}},
      {K::Button, 20333, "+", {164, 150, 12, 14}, kButton, {}},
      {K::Edit, 20143, "", {179, 151, 22, 12}, kValueBox, {}},
      {K::Static, 20349, "195;D-Shift", {8, 173, 62, 8}, kLabel, {}},
      {K::Static, 20411, ":", {70, 173, 6, 8}, kLabel, {}},
      // "V" and "H" take two characters in Chinese.
      {K::BitmapButton, 20335, "", {78, 170, 13, 14}, kButton, {}},
      {K::BitmapButton, 20336, "", {93, 170, 13, 14}, kButton, {}},
      {K::Static, 20618, "52;V", {109, 173, 17, 8}, kLabel, {}},
      {K::Edit, 20144, "", {127, 171, 20, 12}, kValueBox, {}},
      {K::BitmapButton, 20334, "", {150, 170, 13, 14}, kButton, {}},
      {K::BitmapButton, 20350, "", {165, 170, 13, 14}, kButton, {}},
      {K::Static, 20619, "53;H", {181, 173, 17, 8}, kLabel, {}},
      {K::Edit, 20145, "", {199, 171, 20, 12}, kValueBox, {}},
      // right column: audio source of each input
      {K::Static, 20339, "139;Audio RGB1", {222, 13, 68, 8}, kLabel, {}},
      {K::Static, 20416, ":", {292, 13, 6, 8}, kLabel, {}},
      {K::ComboBox, 20320, "", {300, 10, 92, 60}, kDropList, audio},
      {K::Static, 20340, "140;Audio RGB2", {222, 33, 68, 8}, kLabel, {}},
      {K::Static, 20417, ":", {292, 33, 6, 8}, kLabel, {}},
      {K::ComboBox, 20322, "", {300, 30, 92, 60}, kDropList, audio},
      {K::Static, 20341, "141;Audio Video", {222, 53, 68, 8}, kLabel, {}},
      {K::Static, 20418, ":", {292, 53, 6, 8}, kLabel, {}},
      {K::ComboBox, 20323, "", {300, 50, 92, 60}, kDropList, audio},
      {K::Static, 20342, "142;Audio S-Video", {222, 73, 68, 8}, kLabel, {}},
      {K::Static, 20419, ":", {292, 73, 6, 8}, kLabel, {}},
      {K::ComboBox, 20324, "", {300, 70, 92, 60}, kDropList, audio},
      {K::Static, 20343, "143;Audio Component", {222, 93, 68, 8}, kLabel, {}},
      {K::Static, 20420, ":", {292, 93, 6, 8}, kLabel, {}},
      {K::ComboBox, 20325, "", {300, 90, 92, 60}, kDropList, audio},
      {K::Static, 20344, "144;Audio MIU", {222, 113, 68, 8}, kLabel, {}},
      {K::Static, 20421, ":", {292, 113, 6, 8}, kLabel, {}},
      {K::ComboBox, 20326, "", {300, 110, 92, 70}, kDropList, {"Off", "Audio1", "Audio2", "Audio3", "Audio MIU"}},
      {K::Static, 20346, "183;Audio HDMI", {222, 133, 68, 8}, kLabel, {}},
      {K::Static, 20422, ":", {292, 133, 6, 8}, kLabel, {}},
      {K::ComboBox, 20329, "", {300, 130, 92, 70}, kDropList, {}},
      {K::Static, 20347, "184;HDMI Audio", {222, 153, 68, 8}, kLabel, {}},
      {K::Static, 20423, ":", {292, 153, 6, 8}, kLabel, {}},
      {K::ComboBox, 20330, "", {300, 150, 92, 60}, kDropList, {"1", "2"}},
      // reset row, bottom right
      {K::Static, 20600, "51;Reset", {222, 203, 40, 8}, kLabel, {}},
      {K::ComboBox, 20327, "", {264, 201, 78, 60}, kDropList, {}},
      {K::Button, 20328, "17;Execute", {346, 200, 46, 14}, kButton, {}},
  };
  return t;
}

}  // namespace expert::resources
