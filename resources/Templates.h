#pragma once
// Every dialog template of the module, one function per template.
#include "framework/Template.h"

namespace expert::resources {
constexpr int kExpertDialogTemplate = 22151;
// Page templates.
constexpr int kStatusPage = 20000;
constexpr int kControlPage = 22152;       // types 1 to 3
constexpr int kControlType4Page = 20041;  // types 4 and 5
constexpr int kScreenPage = 22158;        // types 1 and 2
constexpr int kInputType1Page = 22156;
constexpr int kAutoType1Page = 22157;
constexpr int kSetupType1Page = 22159;
constexpr int kInputType2Page = 20011;
constexpr int kAutoType2Page = 20013;
constexpr int kSetupType2Page = 20014;

DialogTemplate ExpertDialogTemplate();
DialogTemplate StatusPageTemplate();
DialogTemplate ControlPageTemplate();
DialogTemplate ControlType4PageTemplate();
DialogTemplate ScreenPageTemplate();
DialogTemplate InputType1PageTemplate();
DialogTemplate AutoType1PageTemplate();
DialogTemplate SetupType1PageTemplate();
DialogTemplate InputType2PageTemplate();
DialogTemplate AutoType2PageTemplate();
DialogTemplate SetupType2PageTemplate();
}  // namespace expert::resources
