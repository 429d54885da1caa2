// The input page of type 3: one column of label, colon and control.
#include "resources/Templates.h"
#include "resources/templates/PageStyles.h"

namespace expert::resources {

DialogTemplate InputType3PageTemplate() {
  DialogTemplate t;
  t.id = kInputType3Page;
  t.rect = {0, 0, 400, 220};
  t.style = kPageStyle;
  using K = ControlKind;
  const std::vector<std::string> offOn = {"Off", "On"};
  t.controls = {
      {K::Static, 20730, "13;Auto Adjust", {10, 13, 72, 8}, kLabel, {}},
      {K::Static, 20731, ":", {84, 13, 6, 8}, kLabel, {}},
      {K::Button, 20108, "17;Execute", {92, 10, 46, 14}, kButton, {}},
      {K::Static, 20732, "56;Video Format", {10, 33, 72, 8}, kLabel, {}},
      {K::Static, 20733, ":", {84, 33, 6, 8}, kLabel, {}},
      {K::ComboBox, 20109, "", {92, 30, 96, 100}, kDropList,
       {"Auto", "NTSC", "PAL", "SECAM", "NTSC 4.43", "M-PAL", "N-PAL"}},
      {K::Static, 20734, "58;Video NR", {10, 53, 72, 8}, kLabel, {}},
      {K::Static, 20735, ":", {84, 53, 6, 8}, kLabel, {}},
      {K::ComboBox, 20110, "", {92, 50, 96, 60}, kDropList, offOn},
      {K::Static, 20736, "60;Progressive", {10, 73, 72, 8}, kLabel, {}},
      {K::Static, 20737, ":", {84, 73, 6, 8}, kLabel, {}},
      {K::ComboBox, 21054, "", {92, 70, 96, 60}, kDropList, {"Off", "TV", "FILM"}},
      {K::Static, 20738, "66;Black", {10, 93, 72, 8}, kLabel, {}},
      {K::Static, 20739, ":", {84, 93, 6, 8}, kLabel, {}},
      {K::ComboBox, 21055, "", {92, 90, 96, 60}, kDropList, offOn},
      {K::Static, 20740, "64;HDTV", {10, 113, 72, 8}, kLabel, {}},
      {K::Static, 20741, ":", {84, 113, 6, 8}, kLabel, {}},
      {K::ComboBox, 20111, "", {92, 110, 96, 60}, kDropList, {"1080i", "1035i"}},
  };
  return t;
}

}  // namespace expert::resources
