// Coded labels of a dialog and its direct children become catalog texts.
#include <string>
#include <vector>

#include "framework/Dialog.h"
#include "tests/catalog/CatalogTestSupport.h"

namespace {

struct Label {
  std::string coded, translated;
};
const Label kLabels[] = {
    {"73;Brightness\t:", "Brightness"}, {"27;Close", "Close"}, {"999;Unknown", "No Message Catalog"},
    {"  27;x", "Close"}, {"27; x", "Close"},  // blanks before the number, or before the text after it
    {"12;", "12;"}, {"12;  ", "12;  "},       // nothing but blanks after the semicolon
    {"-", "-"}, {"+", "+"}, {":", ":"}, {"Tab1", "Tab1"}, {"Current Input:", "Current Input:"}, {"", ""},
    {";x", ";x"}, {"-27;x", "-27;x"}, {"99999;x", "99999;x"},  // no message number is that large
};
constexpr int kFirstLabel = 100;

std::vector<std::string> Expected(std::string Label::*text) {
  std::vector<std::string> texts;
  for (const Label& label : kLabels) texts.push_back(label.*text);
  return texts;
}

// A dialog holding every label above, with one child page that has a
// coded caption and a coded label of its own (a grandchild of the dialog).
struct TestDialog {
  CDialog dialog, page;

  explicit TestDialog(const std::string& caption) {
    DialogTemplate main{9001, {0, 0, 200, 200}, caption, {}, 0, {}};
    for (const Label& label : kLabels) {
      const int id = kFirstLabel + static_cast<int>(main.controls.size());
      main.controls.push_back({ControlKind::Static, id, label.coded, {0, 0, 40, 10}, WS_VISIBLE, {}});
    }
    EXPECT_TRUE(dialog.CreateIndirect(main));
    const ControlTemplate grandchild{ControlKind::Static, 500, "27;Close", {0, 0, 40, 10}, WS_VISIBLE, {}};
    EXPECT_TRUE(page.CreateIndirect({9002, {0, 0, 100, 100}, "73;Page", {}, WS_CHILD, {grandchild}}, &dialog));
  }

  std::vector<std::string> Shown() {
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < std::size(kLabels); ++i)
      texts.push_back(dialog.GetDlgItemText(kFirstLabel + static_cast<int>(i)));
    return texts;
  }
};

}  // namespace

TEST_F(CatalogTest, CodedLabelsOfTheDialogAndItsChildrenAreTranslated) {
  ASSERT_EQ(LoadFixtures(), 0);
  TestDialog test("155;Expert Control");
  TranslateDlgTexts(4, &test.dialog);
  EXPECT_EQ(test.dialog.GetWindowText(), "%1 - %2");  // its own caption too; no inserts given
  EXPECT_EQ(test.Shown(), Expected(&Label::translated));
  EXPECT_EQ(test.page.GetWindowText(), "Brightness");   // a direct child
  EXPECT_EQ(test.page.GetDlgItemText(500), "27;Close");  // a grandchild: the page's own business
}

TEST_F(CatalogTest, WithoutACatalogLabelsStayCoded) {
  TestDialog test("155;Expert Control");
  TranslateDlgTexts(4, &test.dialog);
  EXPECT_EQ(test.dialog.GetWindowText(), "155;Expert Control");
  EXPECT_EQ(test.Shown(), Expected(&Label::coded));
  TranslateDlgTexts(4, nullptr);
  CDialog neverCreated;
  ASSERT_EQ(LoadFixtures(), 0);
  TranslateDlgTexts(4, &neverCreated);
}
