#include "framework/Resources.h"

#include <algorithm>

namespace {
// Framework state lives on the heap for the life of the process, so that a
// module's unload code may still use it whatever order the libraries go in.
struct ResourceChain {
  ResourceModule application{"application", {}, {}, {}};
  HINSTANCE current = &application;
  std::vector<CDynLinkLibrary*> extensions;  // registration order
};

ResourceChain& Chain() {
  static auto* chain = new ResourceChain;
  return *chain;
}

// Calls `find` on the current module, the application and each extension
// module in turn, and returns the first hit.
template <class Find>
auto SearchChain(Find find) -> decltype(find(HINSTANCE{})) {
  ResourceChain& chain = Chain();
  if (auto hit = find(chain.current)) return hit;
  if (auto hit = find(&chain.application)) return hit;
  for (const CDynLinkLibrary* library : chain.extensions)
    if (library->Module())
      if (auto hit = find(library->Module())) return hit;
  return nullptr;
}
}  // namespace

HINSTANCE AfxGetInstanceHandle() { return &Chain().application; }
HINSTANCE AfxGetResourceHandle() { return Chain().current; }
void AfxSetResourceHandle(HINSTANCE module) { Chain().current = module ? module : &Chain().application; }

const DialogTemplate* FindDialogTemplate(int id) {
  return SearchChain([id](HINSTANCE module) -> const DialogTemplate* {
    const auto it = module->templates.find(id);
    return it == module->templates.end() ? nullptr : &it->second;
  });
}

HBITMAP FindBitmap(int id) {
  if (id == 0) return nullptr;
  return SearchChain([id](HINSTANCE module) -> HBITMAP {
    const auto it = module->bitmaps.find(id);
    return it == module->bitmaps.end() ? nullptr : &it->second;
  });
}

int AfxLoadString(UINT id, std::string& text) {
  const std::string* found = SearchChain([id](HINSTANCE module) -> const std::string* {
    const auto it = module->strings.find(id);
    return it == module->strings.end() ? nullptr : &it->second;
  });
  text = found ? *found : std::string();
  return static_cast<int>(text.size());
}

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HINSTANCE module) {
  if (!module) return FALSE;
  state.hModule = module;
  state.bInitialized = true;
  return TRUE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state) {
  if (!state.bInitialized) return;
  // The libraries registered for this module go with it (they are made with new).
  std::vector<CDynLinkLibrary*> doomed;
  for (CDynLinkLibrary* library : Chain().extensions)
    if (library->Module() == state.hModule) doomed.push_back(library);
  for (CDynLinkLibrary* library : doomed) delete library;
  if (Chain().current == state.hModule) Chain().current = &Chain().application;
  state.bInitialized = false;
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state) : m_module(state.hModule) {
  Chain().extensions.push_back(this);
}

CDynLinkLibrary::~CDynLinkLibrary() {
  auto& extensions = Chain().extensions;
  extensions.erase(std::remove(extensions.begin(), extensions.end(), this), extensions.end());
}

std::vector<HINSTANCE> ExtensionModules() {
  std::vector<HINSTANCE> modules;
  for (const CDynLinkLibrary* library : Chain().extensions) modules.push_back(library->Module());
  return modules;
}
