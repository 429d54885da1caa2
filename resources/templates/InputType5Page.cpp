// The input page of type 5: video lists in the left column, frame lock and the
// computer and HDMI inputs in the right one. The rows only some models have
// come last in the right column, so hiding them leaves no gap.
#include "resources/Templates.h"
#include "resources/templates/PageStyles.h"

namespace expert::resources {

DialogTemplate InputType5PageTemplate() {
  DialogTemplate t;
  t.id = kInputType5Page;
  t.rect = {0, 0, 400, 220};
  t.style = kPageStyle;
  using K = ControlKind;
  const std::vector<std::string> formats = {"Auto", "NTSC", "PAL", "SECAM", "NTSC4.43", "M-PAL", "N-PAL"};
  const std::vector<std::string> offOn = {"Off", "On"};
  t.controls = {
      // left column: label, colon, list
      {K::Static, 20500, "60;Progressive", {10, 13, 84, 8}, kLabel, {}},
      {K::Static, 20508, ":", {96, 13, 6, 8}, kLabel, {}},
      {K::ComboBox, 20294, "", {104, 10, 90, 60}, kDropList, {"Off", "TV", "FILM"}},
      {K::Static, 20498, "58;Video NR", {10, 33, 84, 8}, kLabel, {}},
      {K::Static, 20506, ":", {96, 33, 6, 8}, kLabel, {}},
      {K::ComboBox, 20295, "", {104, 30, 90, 60}, kDropList, {"Low", "Middle", "High"}},
      {K::Static, 20497, "57;3D-YCS", {10, 53, 84, 8}, kLabel, {}},
      {K::Static, 20505, ":", {96, 53, 6, 8}, kLabel, {}},
      {K::ComboBox, 20296, "", {104, 50, 90, 60}, kDropList, {"Off", "Movie", "Still Image"}},
      {K::Static, 20494, "54;Color Space", {10, 73, 84, 8}, kLabel, {}},
      {K::Static, 20502, ":", {96, 73, 6, 8}, kLabel, {}},
      {K::ComboBox, 20297, "", {104, 70, 90, 80}, kDropList, {"Auto", "RGB", "SMPTE240", "REC709", "REC601"}},
      {K::Static, 20522, "55;Component", {10, 93, 84, 8}, kLabel, {}},
      {K::Static, 20523, ":", {96, 93, 6, 8}, kLabel, {}},
      {K::ComboBox, 20298, "", {104, 90, 90, 60}, kDropList, {"Component", "Scart RGB"}},
      {K::Static, 20526, "68;C-Video Format", {10, 113, 84, 8}, kLabel, {}},
      {K::Static, 20527, ":", {96, 113, 6, 8}, kLabel, {}},
      {K::ComboBox, 20299, "", {104, 110, 90, 90}, kDropList, formats},
      {K::Static, 20528, "69;S-Video Format", {10, 133, 84, 8}, kLabel, {}},
      {K::Static, 20529, ":", {96, 133, 6, 8}, kLabel, {}},
      {K::ComboBox, 20300, "", {104, 130, 90, 90}, kDropList, formats},
      {K::Static, 20530, "70;M1-D", {10, 153, 84, 8}, kLabel, {}},
      {K::Static, 20531, ":", {96, 153, 6, 8}, kLabel, {}},
      {K::ComboBox, 20301, "", {104, 150, 90, 60}, kDropList, {"Normal", "Enhanced"}},
      // right column
      {K::Static, 20499, "59;Frame Lock", {206, 13, 90, 8}, kLabel, {}},
      {K::Static, 20507, ":", {298, 13, 6, 8}, kLabel, {}},
      {K::ComboBox, 20302, "", {306, 10, 86, 60}, kDropList, offOn},
      {K::Static, 20390, "71;RGB IN-1", {206, 33, 90, 8}, kLabel, {}},
      {K::Static, 20532, ":", {298, 33, 6, 8}, kLabel, {}},
      {K::ComboBox, 20303, "", {306, 30, 86, 60}, kDropList, {"RGB", "Component"}},
      {K::Static, 20391, "72;RGB IN-2", {206, 53, 90, 8}, kLabel, {}},
      {K::Static, 20533, ":", {298, 53, 6, 8}, kLabel, {}},
      {K::ComboBox, 20304, "", {306, 50, 86, 60}, kDropList, {"RGB", "Component"}},
      {K::Static, 20425, "185;Frame Lock-Computer1", {206, 73, 90, 8}, kLabel, {}},
      {K::Static, 20430, ":", {298, 73, 6, 8}, kLabel, {}},
      {K::ComboBox, 20305, "", {306, 70, 86, 60}, kDropList, offOn},
      {K::Static, 20426, "186;Frame Lock-Computer2", {206, 93, 90, 8}, kLabel, {}},
      {K::Static, 20431, ":", {298, 93, 6, 8}, kLabel, {}},
      {K::ComboBox, 20306, "", {306, 90, 86, 60}, kDropList, offOn},
      {K::Static, 20427, "187;HDMI", {206, 113, 90, 8}, kLabel, {}},
      {K::Static, 20429, ":", {298, 113, 6, 8}, kLabel, {}},
      {K::ComboBox, 20307, "", {306, 110, 86, 60}, kDropList, {}},
      {K::Static, 20428, "190;Frame Lock-HDMI", {206, 133, 90, 8}, kLabel, {}},
      {K::Static, 20432, ":", {298, 133, 6, 8}, kLabel, {}},
      {K::ComboBox, 20308, "", {306, 130, 86, 60}, kDropList, offOn},
  };
  return t;
}

}  // namespace expert::resources
