// Controls change only by code or by user input; only user input notifies.
#include <gtest/gtest.h>

#include "framework/UserInput.h"
#include "tests/framework/TestDialogs.h"

namespace {

class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dialog.CreateIndirect(TestTemplate())); }
  RecordingDialog dialog;
};

TEST_F(ControlsTest, UserActionsReachTheMessageMapWithTheirIdsAndCodeChangesDoNot) {
  dialog.m_tab.InsertItem(0, "A");
  dialog.m_tab.InsertItem(1, "B");
  UserClick(Child(dialog, kButton));
  UserClick(Child(dialog, kCheck));  // an automatic check box toggles before it notifies
  UserSetCheck(Child(dialog, kCheck), 1);
  ASSERT_TRUE(UserSelectListItem(Child(dialog, kList), 1));
  ASSERT_TRUE(UserSelectListItem(Child(dialog, kList), 1));  // choosing the selected item again notifies again
  ASSERT_TRUE(UserSelectTab(Child(dialog, kTab), 1));
  EXPECT_FALSE(UserSelectListItem(Child(dialog, kList), 2));
  EXPECT_FALSE(UserSelectTab(Child(dialog, kTab), -1));
  dialog.m_list.SetCurSel(0);
  dialog.m_check.SetCheck(0);
  dialog.m_tab.SetCurSel(0);
  EXPECT_EQ(dialog.log, (std::vector<std::string>{"click", "check=1", "check=1", "list=1", "list=1", "tab=1 from 104"}));
}

// A drag is clamped and ends with an end-of-scroll; later range and position
// changes from code keep the thumb inside the range without notifying.
TEST_F(ControlsTest, SliderKeepsItsThumbInsideTheRange) {
  dialog.m_slider.SetRange(-64, 64);
  UserSlide(Child(dialog, kSlider), 100);
  EXPECT_EQ(dialog.m_slider.GetPos(), 64);
  dialog.m_slider.SetRange(-10, 48);
  EXPECT_EQ(dialog.m_slider.GetPos(), 48);
  dialog.m_slider.SetPos(-300);
  EXPECT_EQ(dialog.m_slider.GetPos(), -10);
  dialog.m_slider.SetRange(30, 10);  // upside down: still confined between its ends
  dialog.m_slider.SetPos(0);
  EXPECT_EQ(dialog.m_slider.GetPos(), 10);
  EXPECT_EQ(dialog.log, (std::vector<std::string>{"scroll 5 64 member", "scroll 8 0 member"}));
}

TEST_F(ControlsTest, ListAndTabSelectionsFollowTheirItems) {
  CComboBox& list = dialog.m_list;
  EXPECT_EQ(list.GetCount(), 2);  // the template's initial items
  EXPECT_EQ(list.GetCurSel(), CB_ERR);
  EXPECT_EQ(list.SetCurSel(5), CB_ERR);
  EXPECT_EQ(list.GetCurSel(), CB_ERR);
  EXPECT_EQ(list.SetCurSel(1), 1);
  EXPECT_EQ(list.InsertString(0, "Zero"), 0);
  EXPECT_EQ(list.GetCurSel(), 2);
  EXPECT_EQ(list.DeleteString(2), 2);
  EXPECT_EQ(list.GetCurSel(), CB_ERR);
  EXPECT_EQ(list.DeleteString(7), CB_ERR);
  EXPECT_EQ(list.InsertString(9, "x"), CB_ERR);
  EXPECT_EQ(list.SetItemData(1, 64), 0);
  EXPECT_EQ(list.GetItemData(1), 64u);
  EXPECT_EQ(list.GetItemData(-1), static_cast<DWORD_PTR>(CB_ERR));
  std::string text;
  EXPECT_EQ(list.GetLBText(0, text), 4);
  EXPECT_EQ(text, "Zero");
  list.SetCurSel(0);
  list.ResetContent();
  EXPECT_EQ(list.GetCount(), 0);
  EXPECT_EQ(list.GetCurSel(), CB_ERR);

  EXPECT_EQ(dialog.m_tab.GetCurSel(), -1);
  dialog.m_tab.InsertItem(0, "Status");  // the first tab is selected once inserted
  EXPECT_EQ(dialog.m_tab.GetCurSel(), 0);
  dialog.m_tab.InsertItem(1, "Picture");
  EXPECT_EQ(dialog.m_tab.GetCurSel(), 0);
  EXPECT_EQ(dialog.m_tab.SetCurSel(4), -1);
  EXPECT_EQ(dialog.m_tab.GetItemText(1), "Picture");
}

TEST_F(ControlsTest, EnableAndShowReportThePreviousState) {
  CWnd* button = dialog.GetDlgItem(kButton);
  EXPECT_FALSE(button->EnableWindow(FALSE));
  EXPECT_TRUE(button->EnableWindow(TRUE));
  EXPECT_TRUE(button->ShowWindow(SW_HIDE));
  EXPECT_FALSE(button->IsWindowVisible());
  EXPECT_FALSE(IsWindowUsable(button->m_hWnd));
}

}  // namespace
