// The module entry point: registration of the module's resources and the
// catalog's lifetime, and how the dialog reads without a catalog.
#include "frame/ModuleEntry.h"
#include "resources/ModuleResources.h"
#include "tests/frame/FrameFixture.h"

namespace {

TEST_F(FrameTest, LoadedModuleOffersItsResourcesToTheHost) {
  std::string text;
  EXPECT_GT(AfxLoadString(22127, text), 0);  // the input-source error text
  EXPECT_NE(FindBitmap(expert::resources::kArrowUp), nullptr);
  EXPECT_NE(MessageCatalog, nullptr);
}

TEST_F(FrameTest, DetachReleasesCatalogAndResourcesAndAttachRestoresThem) {
  HINSTANCE module = expert::ModuleHandle();
  ASSERT_EQ(DllMain(module, DLL_PROCESS_DETACH, nullptr), 1);
  std::string text;
  EXPECT_EQ(AfxLoadString(22127, text), 0);
  EXPECT_EQ(MessageCatalog, nullptr);
  EXPECT_EQ(DllMain(module, DLL_THREAD_ATTACH, nullptr), 1);  // other reasons change nothing
  EXPECT_EQ(MessageCatalog, nullptr);
  EXPECT_EQ(DllMain(nullptr, DLL_PROCESS_ATTACH, nullptr), 0);  // no instance: the load is refused
  ASSERT_EQ(DllMain(module, DLL_PROCESS_ATTACH, nullptr), 1);
  EXPECT_GT(AfxLoadString(22127, text), 0);
  EXPECT_NE(MessageCatalog, nullptr);
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
