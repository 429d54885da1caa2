// The picture pages of types 1 and 2: lists on the left, brightness and
// contrast (and keystone on type 1) on the right, the reset row below.
#include "resources/Templates.h"
#include "resources/templates/TemplateRows.h"

namespace expert::resources {
namespace {

using namespace rows;

const std::vector<std::string> kMirrors = {"Normal", "H Inverse", "V Inverse", "H&V Inverse"};

void AddBrightnessAndContrast(DialogTemplate& t) {
  AddGroup(t, {20534, 20535, "73;Brightness"}, 21035, 21038, 21036, 21116, 0);
  AddGroup(t, {20536, 20537, "74;Contrast"}, 21037, 21039, 21040, 21115, 1);
}

}  // namespace

DialogTemplate PictureType1PageTemplate() {
  DialogTemplate t = Page(kPictureType1Page);
  AddList(t, {20481, 20488, "46;Aspect"}, 21041, 0);
  AddList(t, {20538, 20539, "75;Whisper"}, 21042, 1);
  AddList(t, {20467, 20475, "40;Mirror"}, 21033, 2, kMirrors);
  AddList(t, {20540, 20541, "76;Language"}, 21034, 3,
          {"English", "French", "German", "Spanish", "Italian", "Norwegian", "Dutch", "Portuguese", "Japanese",
           "Simplified Chinese", "Korean", "Swedish", "Russian", "Finnish", "Polish", "Turkish", "Traditional Chinese"});
  AddBrightnessAndContrast(t);
  AddGroup(t, {20020, 20422, "77;Keystone"}, 21046, 21045, 21047, 21117, 2);
  AddReset(t, 21043, 21044, {"Brightness", "Contrast", "Keystone"});
  return t;
}

DialogTemplate PictureType2PageTemplate() {
  DialogTemplate t = Page(kPictureType2Page);
  AddList(t, {20481, 20488, "46;Aspect"}, 21041, 0);
  AddList(t, {20542, 20543, "78;Picture Position"}, 20027, 1, {"Default", "Bottom", "Top"});
  AddList(t, {20468, 20476, "41;Gamma"}, 21045, 2, {"Normal", "Cinema", "Dynamic"});
  AddList(t, {20467, 20475, "40;Mirror"}, 21033, 3, kMirrors);
  AddList(t, {20540, 20541, "76;Language"}, 21034, 4,
          {"English", "French", "German", "Spanish", "Italian", "Norwegian", "Dutch", "Portuguese", "Japanese",
           "Chinese", "Korean"});
  AddBrightnessAndContrast(t);
  AddReset(t, 21043, 21044, {"Brightness", "Contrast"});
  return t;
}

}  // namespace expert::resources
