// The screen page of type 3: screen lists in the left column, the
// picture-in-picture lists in the right one.
#include "resources/Templates.h"
#include "resources/templates/PageStyles.h"

namespace expert::resources {

DialogTemplate ScreenType3PageTemplate() {
  DialogTemplate t;
  t.id = kScreenType3Page;
  t.rect = {0, 0, 400, 220};
  t.style = kPageStyle;
  using K = ControlKind;
  t.controls = {
      {K::Static, 20760, "38;Blank", {10, 13, 72, 8}, kLabel, {}},
      {K::Static, 20761, ":", {84, 13, 6, 8}, kLabel, {}},
      {K::ComboBox, 20112, "", {92, 10, 96, 120}, kDropList, {}},
      {K::Static, 20762, "39;Startup", {10, 33, 72, 8}, kLabel, {}},
      {K::Static, 20763, ":", {84, 33, 6, 8}, kLabel, {}},
      {K::ComboBox, 20113, "", {92, 30, 96, 60}, kDropList, {}},
      {K::Static, 20764, "40;Mirror", {10, 53, 72, 8}, kLabel, {}},
      {K::Static, 20765, ":", {84, 53, 6, 8}, kLabel, {}},
      {K::ComboBox, 20114, "", {92, 50, 96, 80}, kDropList, {"Normal", "H Inverse", "V Inverse", "H&V Inverse"}},
      {K::Static, 20766, "41;Gamma", {10, 73, 72, 8}, kLabel, {}},
      {K::Static, 20767, ":", {84, 73, 6, 8}, kLabel, {}},
      {K::ComboBox, 20115, "", {92, 70, 96, 100}, kDropList, {}},
      {K::Static, 20768, "42;P.IN P.Input", {206, 13, 80, 8}, kLabel, {}},
      {K::Static, 20769, ":", {288, 13, 6, 8}, kLabel, {}},
      {K::ComboBox, 20116, "", {296, 10, 96, 60}, kDropList, {"Video", "S-Video", "Component"}},
      {K::Static, 20770, "43;P.IN P.Position", {206, 33, 80, 8}, kLabel, {}},
      {K::Static, 20771, ":", {288, 33, 6, 8}, kLabel, {}},
      {K::ComboBox, 20117, "", {296, 30, 96, 80}, kDropList, {"Upper Left", "Upper Right", "Bottom Left", "Bottom Right"}},
      {K::Static, 20772, "44;P.IN P.Audio", {206, 53, 80, 8}, kLabel, {}},
      {K::Static, 20773, ":", {288, 53, 6, 8}, kLabel, {}},
      {K::ComboBox, 20118, "", {296, 50, 96, 60}, kDropList, {}},
      {K::Static, 20774, "45;P.IN P.Size", {206, 73, 80, 8}, kLabel, {}},
      {K::Static, 20775, ":", {288, 73, 6, 8}, kLabel, {}},
      {K::ComboBox, 20119, "", {296, 70, 96, 60}, kDropList, {"Off", "Large", "Small"}},
  };
  return t;
}

}  // namespace expert::resources
