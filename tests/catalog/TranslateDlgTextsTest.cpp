// Coded labels of a dialog and its direct children become catalog texts.
#include <string>
#include <vector>

#include "framework/Dialog.h"
#include "tests/catalog/CatalogTestSupport.h"

namespace {

ControlTemplate Label(int id, const std::string& text) {
  ControlTemplate control;
  control.kind = ControlKind::Static;
  control.id = id;
  control.text = text;
  control.rect = {0, 0, 40, 10};
  return control;
}

const std::vector<std::pair<std::string, std::string>> kLabels = {
    {"73;Brightness\t:", "Brightness"},
    {"27;Close", "Close"},
    {"  27;x", "Close"},     // blanks before the number
    {"27; x", "Close"},      // the non-blank may follow blanks
    {"999;Unknown", "No Message Catalog"},
    {"-", "-"},
    {"+", "+"},
    {":", ":"},
    {"12;", "12;"},          // nothing after the semicolon
    {"12;  ", "12;  "},      // only blanks after it
    {"Tab1", "Tab1"},
    {"Current Input:", "Current Input:"},
    {"", ""},
    {";x", ";x"},
    {"-27;x", "-27;x"},
    {"99999;x", "99999;x"},  // no message number is that large
};

// A dialog holding every label above, with one child page that has a
// coded caption and a coded label of its own (a grandchild of the dialog).
struct TestDialog {
  CDialog dialog;
  CDialog page;

  explicit TestDialog(const std::string& caption) {
    DialogTemplate main;
    main.id = 9001;
    main.caption = caption;
    main.rect = {0, 0, 200, 200};
    for (std::size_t i = 0; i < kLabels.size(); ++i) main.controls.push_back(Label(100 + static_cast<int>(i), kLabels[i].first));
    EXPECT_TRUE(dialog.CreateIndirect(main));

    DialogTemplate child;
    child.id = 9002;
    child.caption = "73;Page";
    child.style = WS_CHILD;
    child.rect = {0, 0, 100, 100};
    child.controls.push_back(Label(500, "27;Close"));
    EXPECT_TRUE(page.CreateIndirect(child, &dialog));
  }
};

}  // namespace

TEST_F(CatalogTest, CodedLabelsOfTheDialogAndItsChildrenAreTranslated) {
  ASSERT_EQ(LoadFixtures(), 0);
  TestDialog test("155;Expert Control");
  TranslateDlgTexts(4, &test.dialog);

  EXPECT_EQ(test.dialog.GetWindowText(), "%1 - %2");  // its own caption too; no inserts given
  for (std::size_t i = 0; i < kLabels.size(); ++i) {
    EXPECT_EQ(test.dialog.GetDlgItemText(100 + static_cast<int>(i)), kLabels[i].second) << kLabels[i].first;
  }
  EXPECT_EQ(test.page.GetWindowText(), "Brightness");   // a direct child
  EXPECT_EQ(test.page.GetDlgItemText(500), "27;Close");  // a grandchild: the page's own business
}

TEST_F(CatalogTest, LabelsFollowTheLanguageOfTheLookup) {
  SetLocale("LANG", "zh_CN.UTF-8");
  ASSERT_EQ(LoadFixtures(), 0);
  TestDialog test("Expert Control");
  TranslateDlgTexts(4, &test.dialog);
  EXPECT_EQ(test.dialog.GetWindowText(), "Expert Control");
  EXPECT_EQ(test.dialog.GetDlgItemText(100), "亮度");
}

TEST_F(CatalogTest, WithoutACatalogLabelsStayCoded) {
  TestDialog test("155;Expert Control");
  TranslateDlgTexts(4, &test.dialog);
  EXPECT_EQ(test.dialog.GetWindowText(), "155;Expert Control");
  for (std::size_t i = 0; i < kLabels.size(); ++i) {
    EXPECT_EQ(test.dialog.GetDlgItemText(100 + static_cast<int>(i)), kLabels[i].first);
  }
  TranslateDlgTexts(4, nullptr);
  CDialog neverCreated;
  ASSERT_EQ(LoadFixtures(), 0);
  TranslateDlgTexts(4, &neverCreated);
}
