#include "frame/ModuleEntry.h"

#include "catalog/Catalog.h"
#include "resources/ModuleResources.h"

namespace {
// Module-wide state. Plain data only: it must still be usable while the
// library unloads, after other static objects may already be gone.
HINSTANCE g_hInstance = nullptr;
AFX_EXTENSION_MODULE g_extensionModule;
}  // namespace

namespace expert {
HINSTANCE ModuleHandle() { return g_hInstance; }
}  // namespace expert

BOOL DllMain(HINSTANCE hInstance, UINT reason, void*) {
  g_hInstance = hInstance;
  if (reason == DLL_PROCESS_ATTACH) {
    if (!AfxInitExtensionModule(g_extensionModule, hInstance)) return 0;
    LoadCatalog();
    new CDynLinkLibrary(g_extensionModule);  // owned by the framework's resource chain
    return 1;
  }
  if (reason == DLL_PROCESS_DETACH) {
    FreeCatalog();
    AfxTermExtensionModule(g_extensionModule);
  }
  return 1;
}

namespace {
__attribute__((constructor)) void OnLibraryLoad() {
  DllMain(expert::resources::ModuleInstance(), DLL_PROCESS_ATTACH, nullptr);
}

__attribute__((destructor)) void OnLibraryUnload() { DllMain(g_hInstance, DLL_PROCESS_DETACH, nullptr); }
}  // namespace
