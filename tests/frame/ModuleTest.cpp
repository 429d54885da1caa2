// The module entry point: registration of the module's resources and the
// catalog's lifetime, and how the dialog reads without a catalog.
#include "frame/ModuleEntry.h"
#include "resources/ModuleResources.h"
#include "tests/frame/FrameFixture.h"

namespace {

// Loading the module offers its strings, bitmaps and catalog to the host;
// detaching releases them and attaching again restores them.
TEST_F(FrameTest, ModuleResourcesAndCatalogLiveFromAttachToDetach) {
  const auto expectLoaded = [](bool loaded) {
    std::string text;
    EXPECT_EQ(AfxLoadString(22127, text) > 0, loaded);  // the input-source error text
    EXPECT_EQ(FindBitmap(expert::resources::kArrowUp) != nullptr, loaded);
    EXPECT_EQ(MessageCatalog != nullptr, loaded);
  };
  expectLoaded(true);
  HINSTANCE module = expert::ModuleHandle();
  ASSERT_EQ(DllMain(module, DLL_PROCESS_DETACH, nullptr), 1);
  expectLoaded(false);
  EXPECT_EQ(DllMain(module, DLL_THREAD_ATTACH, nullptr), 1);  // other reasons change nothing
  EXPECT_EQ(DllMain(nullptr, DLL_PROCESS_ATTACH, nullptr), 0);  // no instance: the load is refused
  expectLoaded(false);
  ASSERT_EQ(DllMain(module, DLL_PROCESS_ATTACH, nullptr), 1);
  expectLoaded(true);
}

TEST_F(FrameTest, WithoutCatalogLabelsStayCodedAndLookupsSaySo) {
  FreeCatalog();
  CExpertDlg dialog;
  SetModel(dialog, 2, 6);
  Run(dialog, [](CExpertDlg& d) {
    EXPECT_EQ(d.GetDlgItemText(IDOK), "27;Close");
    const auto tabs = Tabs(d);
    ASSERT_EQ(tabs.size(), 9u);
    for (const auto& title : tabs) EXPECT_EQ(title, kNoMessageCatalog);
    EXPECT_EQ(d.GetWindowText(), kNoMessageCatalog);
  });
  LoadCatalog();
}

}  // namespace
