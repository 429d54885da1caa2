// Dialog creation from templates, modal runs and destruction.
#include <gtest/gtest.h>

#include <functional>
#include <queue>

#include "framework/UserInput.h"
#include "tests/framework/TestDialogs.h"

namespace {

// Registers the test template with the application's resources for DoModal.
class ModalTest : public ::testing::Test {
 protected:
  void SetUp() override {
    AfxGetInstanceHandle()->templates[900] = TestTemplate(0);
    TheHeadlessDisplay().TakeMessageBoxes();
  }
  void TearDown() override {
    AfxGetInstanceHandle()->templates.erase(900);
    TheHeadlessDisplay().SetPump(nullptr);
  }
  // Runs one scripted step per pump call; the script running out ends the input.
  void Script(std::vector<std::function<void(CDialog&)>> steps) {
    auto queue = std::make_shared<std::queue<std::function<void(CDialog&)>>>();
    for (auto& step : steps) queue->push(std::move(step));
    TheHeadlessDisplay().SetPump([queue](CDialog& top) {
      if (queue->empty()) return false;
      auto step = std::move(queue->front());
      queue->pop();
      step(top);
      return true;
    });
  }
};

TEST(DialogCreation, ControlsArePlacedInRoundedPixelsInTemplateOrder) {
  RecordingDialog dialog;
  ASSERT_TRUE(dialog.CreateIndirect(TestTemplate()));
  CRect rect;
  dialog.GetWindowRect(&rect);
  EXPECT_EQ(rect, (CRect{0, 0, 300, 163}));  // 200 x 100 units at 6 x 13 base units
  std::vector<int> ids;
  for (CWnd* child = dialog.GetWindow(GW_CHILD); child; child = child->GetWindow(GW_HWNDNEXT))
    ids.push_back(child->GetDlgCtrlID());
  EXPECT_EQ(ids, (std::vector<int>{kButton, kCheck, kList, kSlider, kTab, kLabel, kEdit}));
  dialog.GetDlgItem(kSlider)->GetWindowRect(&rect);
  EXPECT_EQ(rect, (CRect{120, 16, 270, 40}));
  EXPECT_EQ(dialog.GetDlgItem(kLabel)->GetWindowText(), "73;Brightness\t:");
  EXPECT_EQ(CWnd::FromHandle(Child(dialog, kList)), &dialog.m_list);  // a bound member is the control's object
  EXPECT_EQ(DialogUnitsToPixels({1, 1, 3, 3}, {6, 13}), (CRect{2, 2, 7, 7}));  // position and size round separately
  EXPECT_EQ(DialogUnitsToPixels({20, 64, 400, 220}, {7, 16}), (CRect{35, 128, 735, 568}));
}

TEST(DialogCreation, ChildDialogLivesInItsParentAndCanBeRaised) {
  RecordingDialog parent, first, second;
  ASSERT_TRUE(parent.CreateIndirect(TestTemplate()));
  ASSERT_TRUE(first.CreateIndirect(TestTemplate(), &parent));
  ASSERT_TRUE(second.CreateIndirect(TestTemplate(), &parent));
  EXPECT_EQ(first.GetParent(), &parent);
  first.SetWindowPos(&CWnd::wndTop, 20, 64, 0, 0, SWP_NOSIZE);
  EXPECT_EQ(parent.GetWindow(GW_CHILD), &first);
  CRect rect;
  first.GetWindowRect(&rect);
  EXPECT_EQ(rect, (CRect{20, 64, 320, 227}));
}

TEST(DialogCreation, DestroyingSendsOnDestroyAndUnbindsMembers) {
  RecordingDialog dialog;
  ASSERT_TRUE(dialog.CreateIndirect(TestTemplate()));
  ASSERT_TRUE(dialog.DestroyWindow());
  EXPECT_EQ(dialog.log, std::vector<std::string>{"destroy"});
  EXPECT_EQ(dialog.m_hWnd, nullptr);
  EXPECT_EQ(dialog.m_list.m_hWnd, nullptr);
  EXPECT_EQ(dialog.m_list.GetCurSel(), CB_ERR);  // a control without a window answers safely
}

TEST_F(ModalTest, EndDialogGivesTheResultEscapeCancelsAndNoTemplateFails) {
  RecordingDialog dialog;
  Script({[](CDialog& top) { UserClick(top.m_hWnd->FindChild(kButton)); },
          [](CDialog& top) { top.EndDialog(IDOK); }});
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.log, (std::vector<std::string>{"click", "destroy"}));
  EXPECT_EQ(dialog.m_hWnd, nullptr);
  EXPECT_TRUE(ModalDialogs().empty());

  Script({[](CDialog& top) { UserEscape(top.m_hWnd); }});
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);  // the same dialog may run again
  CDialog missing(12345);
  EXPECT_EQ(missing.DoModal(), -1);
}

TEST_F(ModalTest, NestedRunsSeeTheInnermostOnTopAndEndOfInputCancelsThemAll) {
  RecordingDialog outer, inner;
  std::vector<CDialog*> tops;
  INT_PTR innerResult = 0;
  const auto openInner = [&](CDialog& top) {
    tops.push_back(&top);
    innerResult = inner.DoModal();
  };
  Script({openInner,
          [&](CDialog& top) {
            tops.push_back(&top);
            EXPECT_EQ(ModalDialogs().size(), 2u);
            top.EndDialog(7);
          },
          [&](CDialog& top) {
            tops.push_back(&top);
            top.EndDialog(IDOK);
          }});
  EXPECT_EQ(outer.DoModal(), IDOK);
  EXPECT_EQ(innerResult, 7);
  EXPECT_EQ(tops, (std::vector<CDialog*>{&outer, &inner, &outer}));

  Script({openInner});  // the input ends while the inner run is open
  EXPECT_EQ(outer.DoModal(), IDCANCEL);
  EXPECT_EQ(innerResult, IDCANCEL);
  EXPECT_EQ(tops.back(), &outer);
}

TEST_F(ModalTest, MessageBoxesAreRecordedAndAnsweredOk) {
  RecordingDialog dialog;
  ASSERT_TRUE(dialog.CreateIndirect(TestTemplate()));
  EXPECT_EQ(dialog.MessageBox("The brightness could not be changed.", nullptr, MB_ICONSTOP), IDOK);
  AfxMessageBox("Cooling down.");
  const auto boxes = TheHeadlessDisplay().TakeMessageBoxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].type & MB_ICONMASK, MB_ICONSTOP);
  EXPECT_EQ(boxes[1].caption, AfxGetAppName());
  EXPECT_EQ(boxes[1].type & MB_ICONMASK, 0u);
}

}  // namespace
