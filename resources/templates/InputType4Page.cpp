// The input page of type 4: progressive, 3D-YCS and video noise reduction.
#include "resources/Templates.h"
#include "resources/templates/PageStyles.h"

namespace expert::resources {

DialogTemplate InputType4PageTemplate() {
  DialogTemplate t;
  t.id = kInputType4Page;
  t.rect = {0, 0, 400, 220};
  t.style = kPageStyle;
  using K = ControlKind;
  t.controls = {
      {K::Static, 20217, "60;Progressive\t:", {10, 13, 72, 8}, kLabel, {}},
      {K::Static, 20508, ":", {84, 13, 6, 8}, kLabel, {}},
      {K::ComboBox, 20221, "", {92, 10, 96, 60}, kDropList, {"Off", "TV", "FILM"}},
      {K::Static, 20218, "57;3D-YCS\t\t:", {10, 33, 72, 8}, kLabel, {}},
      {K::Static, 20505, ":", {84, 33, 6, 8}, kLabel, {}},
      {K::ComboBox, 20111, "", {92, 30, 96, 60}, kDropList, {"Off", "Normal", "Still Image"}},
      {K::Static, 20219, "58;Video NR\t:", {10, 53, 72, 8}, kLabel, {}},
      {K::Static, 20506, ":", {84, 53, 6, 8}, kLabel, {}},
      {K::ComboBox, 20220, "", {92, 50, 96, 60}, kDropList, {"Low", "Middle", "High"}},
  };
  return t;
}

}  // namespace expert::resources
