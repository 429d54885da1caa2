// The status page: state labels down the left, their texts beside them, the
// reset row at the bottom right. Each state text begins with its colon (": On"),
// so the texts start in the colon column of the other pages (x = 84).
#include "resources/Templates.h"
#include "resources/templates/PageStyles.h"

namespace expert::resources {

DialogTemplate StatusPageTemplate() {
  DialogTemplate t;
  t.id = kStatusPage;
  t.rect = {0, 0, 400, 220};
  t.style = kPageStyle;
  using K = ControlKind;
  t.controls = {
      {K::Static, 20000, "145;Power Status", {10, 13, 72, 8}, kLabel, {}},
      {K::Static, 20008, "", {84, 13, 214, 8}, kLabel, {}},
      {K::Static, 20001, "146;Input Source", {10, 33, 72, 8}, kLabel, {}},
      {K::Static, 20009, "  ", {84, 33, 214, 8}, kLabel, {}},
      {K::Static, 20002, "147;Error Status", {10, 53, 72, 8}, kLabel, {}},
      {K::Static, 20010, "", {84, 53, 214, 8}, kLabel, {}},
      {K::Static, 20003, "148;Blank On/Off", {10, 73, 72, 8}, kLabel, {}},
      {K::Static, 20011, "", {84, 73, 214, 8}, kLabel, {}},
      {K::Static, 20004, "149;Mute", {10, 93, 72, 8}, kLabel, {}},
      {K::Static, 20012, "", {84, 93, 214, 8}, kLabel, {}},
      {K::Static, 20005, "150;Freeze", {10, 113, 72, 8}, kLabel, {}},
      {K::Static, 20013, "   ", {84, 113, 214, 8}, kLabel, {}},
      {K::Static, 20006, "151;Lamp Time", {10, 133, 72, 8}, kLabel, {}},
      {K::Static, 20014, "   ", {84, 133, 214, 8}, kLabel, {}},
      {K::Static, 20007, "152;Filter Time", {10, 153, 72, 8}, kLabel, {}},
      {K::Static, 20015, "", {84, 153, 214, 8}, kLabel, {}},
      {K::Static, 20077, "51;Reset", {222, 203, 40, 8}, kLabel, {}},
      {K::ComboBox, 20019, "", {264, 201, 78, 60}, kDropList, {"Lamp Time", "Filter Time"}},
      {K::Button, 20018, "17;Execute", {346, 200, 46, 14}, kButton, {}},
  };
  return t;
}

}  // namespace expert::resources
