// The status page: state labels down the left, their texts beside them, the
// reset row at the bottom right.
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
      {K::Static, 20000, "145;Power Status", {13, 9, 80, 8}, kLabel, {}},
      {K::Static, 20008, "", {98, 9, 200, 8}, kLabel, {}},
      {K::Static, 20001, "146;Input Source", {13, 29, 80, 8}, kLabel, {}},
      {K::Static, 20009, "  ", {98, 29, 200, 8}, kLabel, {}},
      {K::Static, 20002, "147;Error Status", {13, 49, 80, 8}, kLabel, {}},
      {K::Static, 20010, "", {98, 49, 200, 8}, kLabel, {}},
      {K::Static, 20003, "148;Blank On/Off", {13, 69, 80, 8}, kLabel, {}},
      {K::Static, 20011, "", {98, 69, 200, 8}, kLabel, {}},
      {K::Static, 20004, "149;Mute", {13, 89, 80, 8}, kLabel, {}},
      {K::Static, 20012, "", {98, 89, 200, 8}, kLabel, {}},
      {K::Static, 20005, "150;Freeze", {13, 109, 80, 8}, kLabel, {}},
      {K::Static, 20013, "   ", {98, 109, 200, 8}, kLabel, {}},
      {K::Static, 20006, "151;Lamp Time", {13, 129, 80, 8}, kLabel, {}},
      {K::Static, 20014, "   ", {98, 129, 200, 8}, kLabel, {}},
      {K::Static, 20007, "152;Filter Time", {13, 149, 80, 8}, kLabel, {}},
      {K::Static, 20015, "", {98, 149, 200, 8}, kLabel, {}},
      {K::Static, 20077, "51;Reset", {222, 203, 40, 8}, kLabel, {}},
      {K::ComboBox, 20019, "", {264, 201, 78, 60}, kDropList, {"Lamp Time", "Filter Time"}},
      {K::Button, 20018, "17;Execute", {346, 200, 46, 14}, kButton, {}},
  };
  return t;
}

}  // namespace expert::resources
