// The input page of type 1: the signal lists in the left column, S2-Aspect,
// picture-in-picture and the power-up input in the right one.
#include "resources/Templates.h"
#include "resources/templates/PageStyles.h"

namespace expert::resources {

DialogTemplate InputType1PageTemplate() {
  DialogTemplate t;
  t.id = kInputType1Page;
  t.rect = {0, 0, 400, 220};
  t.style = kPageStyle;
  using K = ControlKind;
  const std::vector<std::string> offOn = {"Off", "On"};
  t.controls = {
      {K::Static, 20494, "54;Color Space", {10, 13, 72, 8}, kLabel, {}},
      {K::Static, 20502, ":", {84, 13, 6, 8}, kLabel, {}},
      {K::ComboBox, 21074, "", {92, 10, 100, 80}, kDropList, {"Auto", "RGB", "SMPTE240", "REC709", "REC601"}},
      {K::Static, 20495, "174;Component", {10, 33, 72, 8}, kLabel, {}},
      {K::Static, 20503, ":", {84, 33, 6, 8}, kLabel, {}},
      {K::ComboBox, 21075, "", {92, 30, 100, 60}, kDropList, {"Component", "Scart RGB"}},
      {K::Static, 20496, "173;Video Format", {10, 53, 72, 8}, kLabel, {}},
      {K::Static, 20504, ":", {84, 53, 6, 8}, kLabel, {}},
      {K::ComboBox, 21076, "", {92, 50, 100, 100}, kDropList,
       {"Auto", "NTSC", "PAL", "SECAM", "NTSC 4.43", "M-PAL", "N-PAL"}},
      {K::Static, 20497, "57;3D-YCS", {10, 73, 72, 8}, kLabel, {}},
      {K::Static, 20505, ":", {84, 73, 6, 8}, kLabel, {}},
      {K::ComboBox, 21077, "", {92, 70, 100, 60}, kDropList, offOn},
      {K::Static, 20498, "58;Video NR", {10, 93, 72, 8}, kLabel, {}},
      {K::Static, 20506, ":", {84, 93, 6, 8}, kLabel, {}},
      {K::ComboBox, 21053, "", {92, 90, 100, 60}, kDropList, {"Low", "Middle", "High"}},
      {K::Static, 20499, "59;Frame Lock", {10, 113, 72, 8}, kLabel, {}},
      {K::Static, 20507, ":", {84, 113, 6, 8}, kLabel, {}},
      {K::ComboBox, 21059, "", {92, 110, 100, 60}, kDropList, offOn},
      {K::Static, 20500, "60;Progressive", {10, 133, 72, 8}, kLabel, {}},
      {K::Static, 20508, ":", {84, 133, 6, 8}, kLabel, {}},
      {K::ComboBox, 21060, "", {92, 130, 100, 60}, kDropList, {"Off", "TV", "FILM"}},
      // right column
      {K::Static, 20501, "61;S2-Aspect", {206, 13, 72, 8}, kLabel, {}},
      {K::Static, 20509, ":", {280, 13, 6, 8}, kLabel, {}},
      {K::ComboBox, 21058, "", {288, 10, 100, 60}, kDropList, offOn},
      {K::Static, 20469, "42;P.IN P.Input", {206, 33, 72, 8}, kLabel, {}},
      {K::Static, 20477, ":", {280, 33, 6, 8}, kLabel, {}},
      {K::ComboBox, 21054, "", {288, 30, 100, 60}, kDropList, {"Video", "S-Video"}},
      {K::Static, 20470, "43;P.IN P.Position", {206, 53, 72, 8}, kLabel, {}},
      {K::Static, 20478, ":", {280, 53, 6, 8}, kLabel, {}},
      {K::ComboBox, 21055, "", {288, 50, 100, 80}, kDropList,
       {"Upper Left", "Upper Right", "Bottom Left", "Bottom Right"}},
      {K::Static, 20471, "44;P.IN P.Audio", {206, 73, 72, 8}, kLabel, {}},
      {K::Static, 20479, ":", {280, 73, 6, 8}, kLabel, {}},
      {K::ComboBox, 21056, "", {288, 70, 100, 60}, kDropList, {"RGB", "Video"}},
      {K::Static, 20472, "45;P.IN P.Size", {206, 93, 72, 8}, kLabel, {}},
      {K::Static, 20480, ":", {280, 93, 6, 8}, kLabel, {}},
      {K::ComboBox, 21061, "", {288, 90, 100, 60}, kDropList, {"Off", "Large", "Small"}},
      {K::Static, 20510, "62;Power Up Input", {206, 113, 72, 8}, kLabel, {}},
      {K::Static, 20511, ":", {280, 113, 6, 8}, kLabel, {}},
      {K::ComboBox, 21057, "", {288, 110, 100, 100}, kDropList, {"Last Input"}},
  };
  return t;
}

}  // namespace expert::resources
