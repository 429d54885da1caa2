// The input page of type 2: the signal lists and the auto adjust row (last,
// as models 6 and 7 have none here) in the left column, picture-in-picture in
// the right one.
#include "resources/Templates.h"
#include "resources/templates/PageStyles.h"

namespace expert::resources {

DialogTemplate InputType2PageTemplate() {
  DialogTemplate t;
  t.id = kInputType2Page;
  t.rect = {0, 0, 400, 220};
  t.style = kPageStyle;
  using K = ControlKind;
  t.controls = {
      {K::Static, 20512, "63;BNC", {10, 13, 72, 8}, kLabel, {}},
      {K::Static, 20513, ":", {84, 13, 6, 8}, kLabel, {}},
      {K::ComboBox, 20046, "", {92, 10, 100, 60}, kDropList, {"RGB", "Component"}},
      {K::Static, 20514, "56;Video Format", {10, 33, 72, 8}, kLabel, {}},
      {K::Static, 20515, ":", {84, 33, 6, 8}, kLabel, {}},
      {K::ComboBox, 20055, "", {92, 30, 100, 100}, kDropList,
       {"Auto", "NTSC", "PAL", "SECAM", "NTSC 4.43", "M-PAL", "N-PAL"}},
      {K::Static, 20516, "64;HDTV", {10, 53, 72, 8}, kLabel, {}},
      {K::Static, 20517, ":", {84, 53, 6, 8}, kLabel, {}},
      {K::ComboBox, 20047, "", {92, 50, 100, 60}, kDropList, {"1080i", "1035i"}},
      {K::Static, 20518, "65;Sync On G", {10, 73, 72, 8}, kLabel, {}},
      {K::Static, 20519, ":", {84, 73, 6, 8}, kLabel, {}},
      {K::ComboBox, 20048, "", {92, 70, 100, 60}, kDropList, {"Off", "On"}},
      {K::Static, 20054, "13;Auto Adjust", {10, 93, 72, 8}, kLabel, {}},
      {K::Static, 20415, ":", {84, 93, 6, 8}, kLabel, {}},
      {K::Button, 20049, "17;Execute", {92, 90, 50, 14}, kButton, {}},
      // right column: picture-in-picture
      {K::Static, 20469, "42;P.IN P.Input", {206, 13, 72, 8}, kLabel, {}},
      {K::Static, 20477, ":", {280, 13, 6, 8}, kLabel, {}},
      {K::ComboBox, 20050, "", {288, 10, 100, 60}, kDropList, {"Video", "S-Video"}},
      {K::Static, 20470, "43;P.IN P.Position", {206, 33, 72, 8}, kLabel, {}},
      {K::Static, 20478, ":", {280, 33, 6, 8}, kLabel, {}},
      {K::ComboBox, 20051, "", {288, 30, 100, 80}, kDropList,
       {"Upper Left", "Upper Right", "Bottom Left", "Bottom Right"}},
      {K::Static, 20471, "44;P.IN P.Audio", {206, 53, 72, 8}, kLabel, {}},
      {K::Static, 20479, ":", {280, 53, 6, 8}, kLabel, {}},
      {K::ComboBox, 20052, "", {288, 50, 100, 60}, kDropList, {"Video", "RGB"}},
      {K::Static, 20472, "45;P.IN P.Size", {206, 73, 72, 8}, kLabel, {}},
      {K::Static, 20480, ":", {280, 73, 6, 8}, kLabel, {}},
      {K::ComboBox, 20053, "", {288, 70, 100, 60}, kDropList, {"Off", "Large", "Small"}},
  };
  return t;
}

}  // namespace expert::resources
