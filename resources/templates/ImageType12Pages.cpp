// The image pages of types 1 and 2. Type 1: lists on the left, with My
// Memory and its "Execute" last; slider groups on the right. Type 2 has only
// slider groups, in the left column.
#include "resources/Templates.h"
#include "resources/templates/TemplateRows.h"

namespace expert::resources {
namespace {

using namespace rows;

// Colour balance R at `firstRow`, then `gap` rows for type 1's G, then B,
// sharpness, colour and tint.
void AddColourGroups(DialogTemplate& t, int firstRow, int gap, int column) {
  int row = firstRow;
  AddGroup(t, {20612, 20613, "125;Color Bal R"}, 21065, 21067, 21066, 21122, row++, column);
  row += gap;
  AddGroup(t, {20616, 20617, "127;Color Bal B"}, 21041, 21042, 21053, 21124, row++, column);
  AddGroup(t, {20599, 20600, "118;Sharpness"}, 21054, 21055, 21056, 21125, row++, column);
  AddGroup(t, {20595, 20596, "116;Color"}, 21057, 21058, 21059, 21126, row++, column);
  AddGroup(t, {20597, 20598, "117;Tint"}, 21060, 21061, 21062, 21127, row, column);
}

}  // namespace

DialogTemplate ImageType1PageTemplate() {
  DialogTemplate t = Page(kImageType1Page);
  const std::vector<std::string> levels = {"100", "90", "80", "70", "60", "50"};
  AddList(t, {20468, 20476, "41;Gamma"}, 21045, 0);
  AddList(t, {20593, 20594, "115;Color Temp"}, 21049, 1);
  AddList(t, {20606, 20607, "122;Custom User R"}, 21050, 2, levels);
  AddList(t, {20608, 20609, "123;Custom User G"}, 21051, 3, levels);
  AddList(t, {20610, 20611, "124;Custom User B"}, 21052, 4, levels);
  AddLabel(t, {20601, 20602, "119;My Memory"}, 10, 72, 5);
  t.controls.push_back({ControlKind::ComboBox, 21063, "", {92, RowY(5), 50, 80}, kDropList,
                        {"Load1", "Load2", "Load3", "Load4", "Save1", "Save2", "Save3", "Save4"}});
  t.controls.push_back({ControlKind::Button, 21064, "17;Execute", {146, RowY(5), 42, 14}, kButton, {}});
  AddGroup(t, {20603, 20604, "121;Custom Gamma"}, 21046, 21047, 21048, 21121, 0);
  AddGroup(t, {20614, 20615, "126;Color Bal G"}, 21037, 21039, 21040, 21123, 2);
  AddColourGroups(t, 1, 1, 1);
  AddReset(t, 21068, 21069, {"Color Bal R", "Color Bal G", "Color Bal B", "Sharpness", "Color", "Tint"});
  return t;
}

DialogTemplate ImageType2PageTemplate() {
  DialogTemplate t = Page(kImageType2Page);
  AddColourGroups(t, 0, 0, 0);
  AddReset(t, 20029, 21069, {"Color Bal R", "Color Bal B", "Sharpness", "Color", "Tint"});
  return t;
}

}  // namespace expert::resources
