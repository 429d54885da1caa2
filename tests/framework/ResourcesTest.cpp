// The resource chain: current module first, then the application, then the
// extension modules in registration order.
#include <gtest/gtest.h>

#include "framework/Controls.h"
#include "framework/Resources.h"

namespace {

ResourceModule MakeModule(const std::string& name, UINT stringId, const std::string& text) {
  ResourceModule module;
  module.name = name;
  module.strings[stringId] = text;
  module.bitmaps[7] = BitmapResource{7, {"#."}, {}};
  return module;
}

TEST(ResourceChain, CurrentModuleFirstThenExtensionModulesWhileRegistered) {
  ResourceModule module = MakeModule("ext", 22103, "from the extension");
  ResourceModule current = MakeModule("current", 22103, "current");
  AFX_EXTENSION_MODULE state;
  std::string text;
  EXPECT_EQ(AfxLoadString(22103, text), 0);
  ASSERT_TRUE(AfxInitExtensionModule(state, &module));
  new CDynLinkLibrary(state);
  HINSTANCE previous = AfxGetResourceHandle();
  AfxSetResourceHandle(&current);
  AfxLoadString(22103, text);
  EXPECT_EQ(text, "current");
  AfxSetResourceHandle(previous);
  EXPECT_GT(AfxLoadString(22103, text), 0);
  EXPECT_EQ(text, "from the extension");
  CBitmap bitmap;
  EXPECT_TRUE(bitmap.LoadBitmap(7));
  AfxTermExtensionModule(state);
  EXPECT_EQ(AfxLoadString(22103, text), 0);
  EXPECT_FALSE(bitmap.LoadBitmap(7));
  EXPECT_FALSE(AfxInitExtensionModule(state, nullptr));
}

}  // namespace
