// The Expert Control dialog: tabs per model, caption, page creation and switching.
#include <map>

#include "frame/ModuleEntry.h"
#include "frame/PageTable.h"
#include "resources/ModuleResources.h"
#include "tests/frame/FrameFixture.h"

namespace {

TEST_F(FrameTest, TabTitlesFollowTheModelTypeAndNumber) {
  struct Case {
    int type, model;
    std::vector<std::string> titles;
  };
  const std::vector<Case> cases = {
      {1, 3, Titles({156, 157, 158, 159, 160, 161, 162, 163, 164})},
      {2, 6, Titles({156, 157, 158, 159, 160, 161, 162, 163, 164})},
      {3, 10, Titles({156, 165, 160, 167, 163, 164})},
      {3, 47, Titles({156, 165, 160, 167, 163, 164})},
      {3, 8, Titles({156, 166, 160, 167, 163, 164})},
      {4, 9, Titles({156, 166, 167, 168, 160, 165, 162, 163, 164})},
      {4, 21, Titles({156, 166, 167, 160, 165, 162, 163, 164})},
      {5, 30, Titles({156, 166, 167, 160, 165, 169, 162, 163, 164})},
      {5, 36, Titles({156, 166, 167, 160, 165, 162, 163, 164})},
      {0, 1, Titles({156})},
      {6, 1, Titles({156})},
  };
  for (const Case& c : cases) {
    CExpertDlg dialog;
    SetModel(dialog, c.type, c.model);
    Run(dialog, [&](CExpertDlg& d) {
      EXPECT_EQ(Tabs(d), c.titles) << "type " << c.type << " model " << c.model;
      EXPECT_EQ(d.m_tab.GetCurSel(), 0);
    });
  }
}

TEST_F(FrameTest, CaptionNamesTheAddressOrPortAndCloseEndsWithOkEscapeWithCancel) {
  CExpertDlg network, serial, escaped;
  SetModel(network, 5, 30);
  SetModel(serial, 5, 30, 0, 2);
  SetModel(escaped, 5, 30);
  const auto inspectNetwork = [](CExpertDlg& d) {
    EXPECT_EQ(d.GetWindowText(), CatalogText(Msg(4, 155), "Hall B", "192.168.0.10"));
    EXPECT_EQ(d.GetDlgItemText(IDOK), CatalogText(Msg(4, 27)));
  };
  EXPECT_EQ(Run(network, inspectNetwork), IDOK);
  Run(serial, [](CExpertDlg& d) { EXPECT_EQ(d.GetWindowText(), CatalogText(Msg(4, 170), "Hall B", 3)); });
  EXPECT_NE(CatalogText(Msg(4, 170), "Hall B", 3).find('3'), std::string::npos);
  EXPECT_EQ(Run(escaped, [](CExpertDlg&) {}, true), IDCANCEL);
}

// While open, the dialog's interface holds the host's lists and the module's
// resources come first; closing hands the resources back to the host's.
TEST_F(FrameTest, OpeningPreparesTheInterfaceAndTheModulesResources) {
  ResourceModule hostResources;
  HINSTANCE before = AfxGetResourceHandle();
  AfxSetResourceHandle(&hostResources);
  CExpertDlg dialog;
  CProjectorItem item;
  item.m_nModelType = 4;
  item.m_nAspectCount = 2;
  item.m_nAspectCode[0] = 3;
  item.m_nAspectCode[1] = 7;
  item.m_nGammaCount = 40;  // more than the list holds: the interface keeps 32
  dialog.CopyData(&item);
  Run(dialog, [](CExpertDlg& d) {
    EXPECT_EQ(AfxGetResourceHandle(), expert::ModuleHandle());
    EXPECT_EQ(d.m_pjt.m_nPjtModelType, 4);
    EXPECT_EQ(d.m_pjt.m_bExtFlag, 0);
    EXPECT_EQ(d.m_pjt.m_nAspectCount, 2);
    EXPECT_EQ(d.m_pjt.m_nAspectCode[1], 7);
    EXPECT_EQ(d.m_pjt.m_nGammaCount, 32);
  });
  EXPECT_EQ(AfxGetResourceHandle(), &hostResources);
  AfxSetResourceHandle(before);
}

// ---- page creation and switching, with stand-in pages that count their refreshes

std::vector<int>* g_created = nullptr;

class CountingPage : public CDialog {
 public:
  CPjtInterface* m_pPjt = nullptr;
  CPjtInterface* pjtAtInit = nullptr;
  int refreshes = 0;
  void InitDisp() { ++refreshes; }
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    pjtAtInit = m_pPjt;
    if (g_created) g_created->push_back(static_cast<int>(GetTemplateId()));
    return TRUE;
  }
};

class DialogWithPages : public CExpertDlg {
 public:
  explicit DialogWithPages(const std::vector<int>& templates) {
    for (int id : templates) RegisterPage(id, SlotOf(pages[id]));
  }
  std::map<int, CountingPage> pages;
};

class PageSwitchingTest : public FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    for (int type = 1; type <= 5; ++type) {
      for (int id : AllPages(type)) {
        AfxGetInstanceHandle()->templates[id] = DialogTemplate{id, {0, 0, 400, 220}, "", {}, WS_CHILD, {}};
        registered.push_back(id);
      }
    }
    g_created = &created;
  }
  void TearDown() override {
    g_created = nullptr;
    for (int id : registered) AfxGetInstanceHandle()->templates.erase(id);
    FrameTest::TearDown();
  }
  static std::vector<int> AllPages(int type) {
    std::vector<int> ids{expert::kStatusPageTemplate};
    for (int id : expert::CreationOrder(type)) ids.push_back(id);
    return ids;
  }
  static std::vector<int> Visible(DialogWithPages& d) {
    std::vector<int> ids;
    for (auto& [id, page] : d.pages)
      if (page.IsWindowVisible()) ids.push_back(id);
    return ids;
  }
  std::vector<int> created;
  std::vector<int> registered;
};

// Type 4 also creates a page that no tab shows.
TEST_F(PageSwitchingTest, PagesAreCreatedInOrderWithTheInterfaceAlreadySet) {
  DialogWithPages dialog(AllPages(4));
  SetModel(dialog, 4, 21);
  Run(dialog, [&](CExpertDlg& d) {
    EXPECT_EQ(created, (std::vector<int>{20000, 22160, 20029, 20031, 20033, 20035, 20037, 20039, 20041}));
    for (auto& [id, page] : dialog.pages) {
      EXPECT_EQ(page.pjtAtInit, &d.m_pjt) << id;
      CRect rect;
      page.GetWindowRect(&rect);
      EXPECT_EQ(rect.left, 20);
      EXPECT_EQ(rect.top, 64);
      EXPECT_EQ(rect.Width(), 600);  // 400 dialog units, left as the template gives it
    }
    for (int tab = 0; tab < d.m_tab.GetItemCount(); ++tab) {
      UserSelectTab(d.m_tab.m_hWnd, tab);
      EXPECT_EQ(dialog.pages[20031].refreshes, 0);
    }
  });
}

TEST_F(PageSwitchingTest, EachSelectionShowsOnePageAndRereadsIt) {
  DialogWithPages dialog(AllPages(1));
  SetModel(dialog, 1, 3);
  Run(dialog, [&](CExpertDlg& d) {
    EXPECT_EQ(Visible(dialog), std::vector<int>{20000});
    EXPECT_EQ(dialog.pages[20000].refreshes, 1);
    HWND tab = d.m_tab.m_hWnd;
    UserSelectTab(tab, 6);
    EXPECT_EQ(Visible(dialog), std::vector<int>{22158});
    UserSelectTab(tab, 0);
    UserSelectTab(tab, 0);
    EXPECT_EQ(dialog.pages[20000].refreshes, 3);
    EXPECT_EQ(dialog.pages[22158].refreshes, 1);
    UserSelectTab(tab, 8);
    EXPECT_EQ(Visible(dialog), std::vector<int>{22152});
  });
}

TEST_F(PageSwitchingTest, Type5TabsFiveToSevenDependOnTheAudioTab) {
  for (int model : {30, 36}) {
    DialogWithPages dialog(AllPages(5));
    SetModel(dialog, 5, model);
    Run(dialog, [&](CExpertDlg& d) {
      const bool audio = model == 30;
      EXPECT_EQ(d.m_bAudioTab, audio ? 1 : 0);
      EXPECT_EQ(d.m_pTab5Page, &dialog.pages[audio ? 20050 : 20035]);
      EXPECT_EQ(d.m_pTab6Page, &dialog.pages[audio ? 20035 : 20052]);
      EXPECT_EQ(d.m_pTab7Page, &dialog.pages[audio ? 20052 : 20041]);
      UserSelectTab(d.m_tab.m_hWnd, 7);
      EXPECT_EQ(Visible(dialog), std::vector<int>{audio ? 20052 : 20041});
    });
  }
}

TEST_F(PageSwitchingTest, UnknownTypeShowsOnlyTheStatusPage) {
  DialogWithPages dialog(AllPages(5));
  SetModel(dialog, 7, 30);
  Run(dialog, [&](CExpertDlg&) {
    EXPECT_EQ(created, std::vector<int>{20000});
    EXPECT_EQ(Visible(dialog), std::vector<int>{20000});
  });
}

TEST_F(PageSwitchingTest, PageWhoseTemplateIsMissingIsNeverShown) {
  // Neither the application nor the module holds the page's template.
  auto& moduleTemplates = expert::resources::ModuleInstance()->templates;
  auto kept = moduleTemplates.extract(22153);
  AfxGetInstanceHandle()->templates.erase(22153);
  DialogWithPages dialog(AllPages(1));
  SetModel(dialog, 1, 3);
  Run(dialog, [&](CExpertDlg& d) {
    UserSelectTab(d.m_tab.m_hWnd, 1);
    EXPECT_TRUE(Visible(dialog).empty());
    EXPECT_EQ(dialog.pages[22153].refreshes, 0);
  });
  if (kept) moduleTemplates.insert(std::move(kept));
}

}  // namespace
