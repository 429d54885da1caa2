#include "resources/ModuleResources.h"

#include "resources/StringTable.h"
#include "resources/Templates.h"

namespace expert::resources {
void AddArrowBitmaps(ResourceModule& module);

HINSTANCE ModuleInstance() {
  // Never freed: the framework may still look at it while libraries unload.
  static ResourceModule* module = [] {
    auto* m = new ResourceModule;
    m->name = "expert";
    for (DialogTemplate t : {ExpertDialogTemplate(), StatusPageTemplate(), ControlPageTemplate(), ControlType4PageTemplate(),
                              PictureType4PageTemplate(), PictureType5PageTemplate(), GammaCustomDialogTemplate(),
                              ColorTempCustomDialogTemplate()}) m->templates.emplace(t.id, std::move(t));
    for (DialogTemplate t : {ImagePageTemplate(), ScreenPageTemplate(), InputType4PageTemplate(),
                           SignalType4PageTemplate(), SetupType4PageTemplate(), OptionType4PageTemplate()}) m->templates.emplace(t.id, std::move(t));
    for (DialogTemplate t : {InputType5PageTemplate(), SetupType5PageTemplate(),
                           OptionType5PageTemplate(), ServiceDialogTemplate(), AudioType5PageTemplate()}) m->templates.emplace(t.id, std::move(t));
    for (DialogTemplate t : {PictureType1PageTemplate(), PictureType2PageTemplate(), ImageType1PageTemplate(), ImageType2PageTemplate(), PositionType1PageTemplate(), PositionType2PageTemplate()}) m->templates.emplace(t.id, std::move(t));
    for (DialogTemplate t : {ScreenType12PageTemplate(), InputType1PageTemplate(), AutoType1PageTemplate(), SetupType1PageTemplate(),
                             InputType2PageTemplate(), AutoType2PageTemplate(), SetupType2PageTemplate()})
      m->templates.emplace(t.id, std::move(t));
    for (DialogTemplate t : {PictureType3PageTemplate(), InputType3PageTemplate(), ScreenType3PageTemplate(), SetupType3PageTemplate()}) m->templates.emplace(t.id, std::move(t));
    AddArrowBitmaps(*m);
    for (std::size_t i = 0; i < kStringTableSize; ++i) m->strings.emplace(kStringTable[i].id, kStringTable[i].text);
    return m;
  }();
  return module;
}

}  // namespace expert::resources
