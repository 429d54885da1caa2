#pragma once
// Every dialog template of the module, one function per template.
#include "framework/Template.h"

namespace expert::resources {
constexpr int kExpertDialogTemplate = 22151;
// Page templates.
constexpr int kStatusPage = 20000;
constexpr int kControlPage = 22152;       // types 1 to 3
constexpr int kControlType4Page = 20041;  // types 4 and 5
constexpr int kPictureType1Page = 22153;
constexpr int kPictureType2Page = 20003;
constexpr int kImageType1Page = 22154;
constexpr int kImageType2Page = 20005;
constexpr int kPositionType1Page = 22155;
constexpr int kPositionType2Page = 20009;

DialogTemplate ExpertDialogTemplate();
DialogTemplate StatusPageTemplate();
DialogTemplate ControlPageTemplate();
DialogTemplate ControlType4PageTemplate();
DialogTemplate PictureType1PageTemplate();
DialogTemplate PictureType2PageTemplate();
DialogTemplate ImageType1PageTemplate();
DialogTemplate ImageType2PageTemplate();
DialogTemplate PositionType1PageTemplate();
DialogTemplate PositionType2PageTemplate();
}  // namespace expert::resources
