// The signal page of type 4: five lists in one column.
#include "resources/Templates.h"
#include "resources/templates/PageStyles.h"

namespace expert::resources {

DialogTemplate SignalType4PageTemplate() {
  DialogTemplate t;
  t.id = kSignalType4Page;
  t.rect = {0, 0, 400, 220};
  t.style = kPageStyle;
  using K = ControlKind;
  t.controls = {
      {K::Static, 20570, "54;Color Space\t:", {10, 13, 72, 8}, kLabel, {}},
      {K::Static, 20571, ":", {84, 13, 6, 8}, kLabel, {}},
      {K::ComboBox, 20222, "", {92, 10, 96, 80}, kDropList, {"Auto", "RGB", "SMPTE240", "REC709", "REC601"}},
      {K::Static, 20572, "55;Component\t:", {10, 33, 72, 8}, kLabel, {}},
      {K::Static, 20573, ":", {84, 33, 6, 8}, kLabel, {}},
      {K::ComboBox, 20223, "", {92, 30, 96, 60}, kDropList, {"Component", "Scart RGB"}},
      {K::Static, 20574, "56;Video Format\t:", {10, 53, 72, 8}, kLabel, {}},
      {K::Static, 20575, ":", {84, 53, 6, 8}, kLabel, {}},
      {K::ComboBox, 20224, "", {92, 50, 96, 100}, kDropList, {"Auto", "NTSC", "PAL", "SECAM", "NTSC 4.43", "M-PAL", "N-PAL"}},
      {K::Static, 20576, "59;Frame Lock\t:", {10, 73, 72, 8}, kLabel, {}},
      {K::Static, 20577, ":", {84, 73, 6, 8}, kLabel, {}},
      {K::ComboBox, 20225, "", {92, 70, 96, 60}, kDropList, {"Off", "On"}},
      {K::Static, 20578, "DVI", {10, 93, 72, 8}, kLabel, {}},
      {K::Static, 20579, ":", {84, 93, 6, 8}, kLabel, {}},
      {K::ComboBox, 21060, "", {92, 90, 96, 60}, kDropList, {"DVD", "Computer"}},
  };
  return t;
}

}  // namespace expert::resources
