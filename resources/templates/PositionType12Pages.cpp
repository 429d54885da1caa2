// The position pages of types 1 and 2: the arrow cross with the V and H
// boxes on the left, horizontal phase, size and over scan on the right.
#include "resources/Templates.h"
#include "resources/templates/TemplateRows.h"

namespace expert::resources {
namespace {

using namespace rows;

struct Arrows {
  int up, down, left, right, vBox, hBox;
};

void AddArrowCross(DialogTemplate& t, const Arrows& a) {
  using K = ControlKind;
  AddLabel(t, {20483, 20490, "48;Position"}, 10, 72, 1);
  t.controls.push_back({K::BitmapButton, a.up, "", {104, 10, 12, 12}, kButton, {}});
  t.controls.push_back({K::BitmapButton, a.left, "", {91, 23, 12, 12}, kButton, {}});
  t.controls.push_back({K::BitmapButton, a.right, "", {117, 23, 12, 12}, kButton, {}});
  t.controls.push_back({K::BitmapButton, a.down, "", {104, 36, 12, 12}, kButton, {}});
  // The labels hold "V" and "H" in English and two characters in Chinese.
  t.controls.push_back({K::Static, 20618, "52;V", {136, 15, 18, 8}, kLabel, {}});
  t.controls.push_back({K::Edit, a.vBox, "", {156, 13, 30, 12}, kValueBox, {}});
  t.controls.push_back({K::Static, 20619, "53;H", {136, 33, 18, 8}, kLabel, {}});
  t.controls.push_back({K::Edit, a.hBox, "", {156, 31, 30, 12}, kValueBox, {}});
}

const Label kHPhase{20484, 20491, "49;H Phase"};
const Label kHSize{20485, 20492, "50;H Size"};

}  // namespace

DialogTemplate PositionType1PageTemplate() {
  DialogTemplate t = Page(kPositionType1Page);
  AddArrowCross(t, {21054, 21055, 21052, 21053, 20021, 20022});
  AddGroup(t, kHPhase, 21070, 21071, 21072, 21117, 0);
  AddGroup(t, kHSize, 21074, 0, 21075, 21109, 1);
  AddGroup(t, {20482, 20489, "47;Over Scan"}, 21049, 21050, 21051, 21115, 2);
  AddReset(t, 21073, 21078, {"V Position", "H Position", "H Size", "Over Scan"});
  return t;
}

DialogTemplate PositionType2PageTemplate() {
  DialogTemplate t = Page(kPositionType2Page);
  AddArrowCross(t, {20031, 20033, 20034, 20032, 20045, 20044});
  AddGroup(t, kHPhase, 20035, 20036, 20037, 20038, 0);
  AddGroup(t, kHSize, 20039, 0, 20041, 20040, 1);
  AddLabel(t, {20482, 20620, "47;Over Scan"}, 206, 62, 2);
  t.controls.push_back({ControlKind::ComboBox, 20030, "", {278, RowY(2), 70, 60}, kDropList, {"Small", "Middle", "Large"}});
  AddReset(t, 20042, 20043, {"V Position", "H Position", "H Size"});
  return t;
}

}  // namespace expert::resources
