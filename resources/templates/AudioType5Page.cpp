// The audio page of type 5: the levels of the current input and the speaker
// in the left column, the audio source of each input in the right one (HDMI
// audio, on some models only, last).
#include "resources/Templates.h"
#include "resources/templates/PageStyles.h"

namespace expert::resources {

DialogTemplate AudioType5PageTemplate() {
  DialogTemplate t;
  t.id = kAudioType5Page;
  t.rect = {0, 0, 400, 220};
  t.style = kPageStyle;
  using K = ControlKind;
  const std::vector<std::string> audio = {"Off", "Audio1", "Audio2", "Audio3", "Audio4"};
  t.controls = {
      // left column: label, colon, "-", slider, "+", value box; then lists
      {K::Static, 20433, "1;Volume", {10, 13, 60, 8}, kLabel, {}},
      {K::Static, 20444, ":", {72, 13, 6, 8}, kLabel, {}},
      {K::Button, 20345, "-", {80, 10, 12, 14}, kButton, {}},
      {K::Slider, 20347, "", {94, 10, 70, 14}, kSlider, {}},
      {K::Button, 20346, "+", {166, 10, 12, 14}, kButton, {}},
      {K::Edit, 20355, "", {181, 11, 22, 12}, kValueBox, {}},
      {K::Static, 20434, "2;Treble", {10, 33, 60, 8}, kLabel, {}},
      {K::Static, 20445, ":", {72, 33, 6, 8}, kLabel, {}},
      {K::Button, 20348, "-", {80, 30, 12, 14}, kButton, {}},
      {K::Slider, 20350, "", {94, 30, 70, 14}, kSlider, {}},
      {K::Button, 20349, "+", {166, 30, 12, 14}, kButton, {}},
      {K::Edit, 20315, "", {181, 31, 22, 12}, kValueBox, {}},
      {K::Static, 20435, "3;Base", {10, 53, 60, 8}, kLabel, {}},
      {K::Static, 20446, ":", {72, 53, 6, 8}, kLabel, {}},
      {K::Button, 20351, "-", {80, 50, 12, 14}, kButton, {}},
      {K::Slider, 20353, "", {94, 50, 70, 14}, kSlider, {}},
      {K::Button, 20352, "+", {166, 50, 12, 14}, kButton, {}},
      {K::Edit, 20316, "", {181, 51, 22, 12}, kValueBox, {}},
      {K::Static, 20436, "4;SRS WOW", {10, 73, 60, 8}, kLabel, {}},
      {K::Static, 20447, ":", {72, 73, 6, 8}, kLabel, {}},
      {K::ComboBox, 20381, "", {80, 70, 98, 60}, kDropList, {"Off", "Mid", "High"}},
      {K::Static, 20437, "5;Speaker", {10, 93, 60, 8}, kLabel, {}},
      {K::Static, 20448, ":", {72, 93, 6, 8}, kLabel, {}},
      {K::ComboBox, 20354, "", {80, 90, 98, 60}, kDropList, {"Off", "On"}},
      // right column: audio source of each input
      {K::Static, 20438, "6;Audio RGB1", {222, 13, 68, 8}, kLabel, {}},
      {K::Static, 20449, ":", {292, 13, 6, 8}, kLabel, {}},
      {K::ComboBox, 20356, "", {300, 10, 92, 80}, kDropList, audio},
      {K::Static, 20439, "7;Audio RGB2", {222, 33, 68, 8}, kLabel, {}},
      {K::Static, 20450, ":", {292, 33, 6, 8}, kLabel, {}},
      {K::ComboBox, 20358, "", {300, 30, 92, 80}, kDropList, audio},
      {K::Static, 20423, "8;Audio M1-D", {222, 53, 68, 8}, kLabel, {}},
      {K::Static, 20451, ":", {292, 53, 6, 8}, kLabel, {}},
      {K::ComboBox, 20359, "", {300, 50, 92, 80}, kDropList, audio},
      {K::Static, 20440, "9;Audio Video", {222, 73, 68, 8}, kLabel, {}},
      {K::Static, 20452, ":", {292, 73, 6, 8}, kLabel, {}},
      {K::ComboBox, 20360, "", {300, 70, 92, 80}, kDropList, audio},
      {K::Static, 20441, "10;Audio S-Video", {222, 93, 68, 8}, kLabel, {}},
      {K::Static, 20453, ":", {292, 93, 6, 8}, kLabel, {}},
      {K::ComboBox, 20361, "", {300, 90, 92, 80}, kDropList, audio},
      {K::Static, 20442, "11;Audio Component", {222, 113, 68, 8}, kLabel, {}},
      {K::Static, 20454, ":", {292, 113, 6, 8}, kLabel, {}},
      {K::ComboBox, 20362, "", {300, 110, 92, 80}, kDropList, audio},
      {K::Static, 20443, "12;Audio MIU", {222, 133, 68, 8}, kLabel, {}},
      {K::Static, 20455, ":", {292, 133, 6, 8}, kLabel, {}},
      {K::ComboBox, 20363, "", {300, 130, 92, 80}, kDropList, audio},
      {K::Static, 20424, "184;HDMI Audio", {222, 153, 68, 8}, kLabel, {}},
      {K::Static, 20456, ":", {292, 153, 6, 8}, kLabel, {}},
      {K::ComboBox, 20364, "", {300, 150, 92, 60}, kDropList, {"1", "2"}},
  };
  return t;
}

}  // namespace expert::resources
