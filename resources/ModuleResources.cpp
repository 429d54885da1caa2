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
    for (DialogTemplate t : {ExpertDialogTemplate(), StatusPageTemplate(), ControlPageTemplate(), ControlType4PageTemplate()}) m->templates.emplace(t.id, std::move(t));
    for (DialogTemplate t : {PictureType3PageTemplate(), InputType3PageTemplate(), ScreenType3PageTemplate(), SetupType3PageTemplate()}) m->templates.emplace(t.id, std::move(t));
    AddArrowBitmaps(*m);
    for (std::size_t i = 0; i < kStringTableSize; ++i) m->strings.emplace(kStringTable[i].id, kStringTable[i].text);
    return m;
  }();
  return module;
}

}  // namespace expert::resources
