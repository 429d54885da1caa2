#pragma once
// Every dialog template of the module, one function per template.
#include "framework/Template.h"

namespace expert::resources {
constexpr int kExpertDialogTemplate = 22151;
// Page templates.
constexpr int kStatusPage = 20000;
constexpr int kControlPage = 22152;       // types 1 to 3
constexpr int kControlType4Page = 20041;  // types 4 and 5
constexpr int kPictureType3Page = 20016;
constexpr int kInputType3Page = 20018;
constexpr int kScreenType3Page = 20020;
constexpr int kSetupType3Page = 20022;

DialogTemplate ExpertDialogTemplate();
DialogTemplate StatusPageTemplate();
DialogTemplate ControlPageTemplate();
DialogTemplate ControlType4PageTemplate();
DialogTemplate PictureType3PageTemplate();
DialogTemplate InputType3PageTemplate();
DialogTemplate ScreenType3PageTemplate();
DialogTemplate SetupType3PageTemplate();
}  // namespace expert::resources
