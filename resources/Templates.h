#pragma once
// Every dialog template of the module, one function per template.
#include "framework/Template.h"

namespace expert::resources {
constexpr int kExpertDialogTemplate = 22151;
// Page templates.
constexpr int kStatusPage = 20000;
constexpr int kControlPage = 22152;       // types 1 to 3
constexpr int kControlType4Page = 20041;  // types 4 and 5
constexpr int kPictureType4Page = 22160;
constexpr int kPictureType5Page = 107;
// Modal dialogs the picture pages of types 4 and 5 open.
constexpr int kGammaCustomDialog = 20026;
constexpr int kColorTempCustomDialog = 20028;
// Pages of types 4 and 5, and of type 4 only.
constexpr int kImagePage = 20029;        // types 4 and 5
constexpr int kInputType4Page = 20031;
constexpr int kSignalType4Page = 20033;
constexpr int kScreenPage = 20035;       // types 4 and 5
constexpr int kSetupType4Page = 20037;
constexpr int kOptionType4Page = 20039;
constexpr int kInputType5Page = 20046;
constexpr int kSetupType5Page = 20048;
constexpr int kAudioType5Page = 20050;
constexpr int kOptionType5Page = 20052;
constexpr int kServiceDialog = 20054;  // opened from the type-5 option page
constexpr int kPictureType1Page = 22153;
constexpr int kPictureType2Page = 20003;
constexpr int kImageType1Page = 22154;
constexpr int kImageType2Page = 20005;
constexpr int kPositionType1Page = 22155;
constexpr int kPositionType2Page = 20009;
constexpr int kScreenType12Page = 22158;  // types 1 and 2
constexpr int kInputType1Page = 22156;
constexpr int kAutoType1Page = 22157;
constexpr int kSetupType1Page = 22159;
constexpr int kInputType2Page = 20011;
constexpr int kAutoType2Page = 20013;
constexpr int kSetupType2Page = 20014;
constexpr int kPictureType3Page = 20016;
constexpr int kInputType3Page = 20018;
constexpr int kScreenType3Page = 20020;
constexpr int kSetupType3Page = 20022;

DialogTemplate ExpertDialogTemplate();
DialogTemplate StatusPageTemplate();
DialogTemplate ControlPageTemplate();
DialogTemplate ControlType4PageTemplate();
DialogTemplate PictureType4PageTemplate();
DialogTemplate PictureType5PageTemplate();
DialogTemplate GammaCustomDialogTemplate();
DialogTemplate ColorTempCustomDialogTemplate();
DialogTemplate ImagePageTemplate();
DialogTemplate ScreenPageTemplate();
DialogTemplate InputType4PageTemplate();
DialogTemplate SignalType4PageTemplate();
DialogTemplate SetupType4PageTemplate();
DialogTemplate OptionType4PageTemplate();
DialogTemplate InputType5PageTemplate();
DialogTemplate SetupType5PageTemplate();
DialogTemplate AudioType5PageTemplate();
DialogTemplate OptionType5PageTemplate();
DialogTemplate ServiceDialogTemplate();
DialogTemplate PictureType1PageTemplate();
DialogTemplate PictureType2PageTemplate();
DialogTemplate ImageType1PageTemplate();
DialogTemplate ImageType2PageTemplate();
DialogTemplate PositionType1PageTemplate();
DialogTemplate PositionType2PageTemplate();
DialogTemplate ScreenType12PageTemplate();
DialogTemplate InputType1PageTemplate();
DialogTemplate AutoType1PageTemplate();
DialogTemplate SetupType1PageTemplate();
DialogTemplate InputType2PageTemplate();
DialogTemplate AutoType2PageTemplate();
DialogTemplate SetupType2PageTemplate();
DialogTemplate PictureType3PageTemplate();
DialogTemplate InputType3PageTemplate();
DialogTemplate ScreenType3PageTemplate();
DialogTemplate SetupType3PageTemplate();
}  // namespace expert::resources
