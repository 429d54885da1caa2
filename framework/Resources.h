#pragma once
// Resource modules: what an instance handle refers to. A module carries dialog
// templates, bitmaps and a string table. Lookups start at the current
// resource handle and then follow the chain of registered modules (the
// application first, then extension modules in registration order).
#include <map>
#include <string>
#include <vector>

#include "framework/Template.h"

// A monochrome bitmap: `rows` are equally long strings where '#' is ink and
// any other character is background. `outline` is the same shape as a polygon
// in 0..1 coordinates, so a display can draw it crisp at any scale.
struct BitmapResource {
  int id = 0;
  std::vector<std::string> rows;
  std::vector<std::pair<float, float>> outline;
  int Width() const { return rows.empty() ? 0 : static_cast<int>(rows.front().size()); }
  int Height() const { return static_cast<int>(rows.size()); }
};
using HBITMAP = const BitmapResource*;

struct ResourceModule {
  std::string name;
  std::map<int, DialogTemplate> templates;
  std::map<int, BitmapResource> bitmaps;
  std::map<UINT, std::string> strings;
};
using HINSTANCE = ResourceModule*;

// The application's own module: the first link of the resource chain.
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE module);

const DialogTemplate* FindDialogTemplate(int id);
HBITMAP FindBitmap(int id);
// Copies string `id` into `text`; returns its length, 0 when it is not found.
int AfxLoadString(UINT id, std::string& text);

// Extension modules: a library registers itself so that its resources join
// the chain while it is loaded.
struct AFX_EXTENSION_MODULE {
  bool bInitialized = false;
  HINSTANCE hModule = nullptr;
};
BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HINSTANCE module);
// Takes the module's resources off the chain, deleting the CDynLinkLibrary
// objects made for it.
void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state);

// Puts a module on the resource chain while it lives. Made with new; deleted
// by AfxTermExtensionModule.
class CDynLinkLibrary {
 public:
  explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state);
  ~CDynLinkLibrary();
  CDynLinkLibrary(const CDynLinkLibrary&) = delete;
  CDynLinkLibrary& operator=(const CDynLinkLibrary&) = delete;
  HINSTANCE Module() const { return m_module; }

 private:
  HINSTANCE m_module;
};
// The modules on the chain after the application, in registration order.
std::vector<HINSTANCE> ExtensionModules();
