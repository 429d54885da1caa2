#pragma once
// A small dialog with one control of each kind, and a recorder of what its
// handlers received, shared by the framework tests.
#include <string>
#include <vector>

#include "framework/Dialog.h"
#include "framework/HeadlessDisplay.h"

enum TestIds { kButton = 100, kCheck = 101, kList = 102, kSlider = 103, kTab = 104, kLabel = 105, kEdit = 106 };

inline DialogTemplate TestTemplate(UINT style = WS_CHILD) {
  DialogTemplate t;
  t.id = 900;
  t.rect = {0, 0, 200, 100};
  t.caption = "12;Caption";
  t.style = style;
  t.controls = {
      {ControlKind::Button, kButton, "+", {10, 10, 20, 14}, WS_VISIBLE | WS_TABSTOP, {}},
      {ControlKind::CheckBox, kCheck, "9;Check", {10, 30, 60, 10}, WS_VISIBLE | BS_AUTOCHECKBOX, {}},
      {ControlKind::ComboBox, kList, "", {10, 45, 60, 80}, WS_VISIBLE, {"One", "Two"}},
      {ControlKind::Slider, kSlider, "", {80, 10, 100, 15}, WS_VISIBLE, {}},
      {ControlKind::Tab, kTab, "", {80, 30, 100, 60}, WS_VISIBLE, {}},
      {ControlKind::Static, kLabel, "73;Brightness\t:", {10, 60, 60, 8}, WS_VISIBLE, {}},
      {ControlKind::Edit, kEdit, "", {10, 70, 30, 12}, WS_VISIBLE | ES_READONLY, {}},
  };
  return t;
}

class RecordingDialog : public CDialog {
 public:
  RecordingDialog() : CDialog(900) {}
  std::vector<std::string> log;
  CComboBox m_list;
  CSliderCtrl m_slider;
  CTabCtrl m_tab;
  CButton m_check;

  void OnClickButton() { log.push_back("click"); }
  void OnClickCheck() { log.push_back("check=" + std::to_string(m_check.GetCheck())); }
  void OnSelchangeList() { log.push_back("list=" + std::to_string(m_list.GetCurSel())); }
  void OnSelchangeTab(NMHDR* header, LRESULT* result) {
    log.push_back("tab=" + std::to_string(m_tab.GetCurSel()) + " from " + std::to_string(header->idFrom));
    *result = 0;
  }
  void OnHScroll(UINT code, UINT pos, CWnd* bar) override {
    log.push_back("scroll " + std::to_string(code) + " " + std::to_string(pos) + (bar == &m_slider ? " member" : " other"));
  }
  void OnDestroy() override { log.push_back("destroy"); }

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, kList, m_list);
    DDX_Control(pDX, kSlider, m_slider);
    DDX_Control(pDX, kTab, m_tab);
    DDX_Control(pDX, kCheck, m_check);
  }
  DECLARE_MESSAGE_MAP()
};

inline BEGIN_MESSAGE_MAP(RecordingDialog, CDialog)
  ON_BN_CLICKED(kButton, &RecordingDialog::OnClickButton)
  ON_BN_CLICKED(kCheck, &RecordingDialog::OnClickCheck)
  ON_CBN_SELCHANGE(kList, &RecordingDialog::OnSelchangeList)
  ON_NOTIFY(TCN_SELCHANGE, kTab, &RecordingDialog::OnSelchangeTab)
END_MESSAGE_MAP()

inline HWND Child(CWnd& dialog, int id) { return dialog.m_hWnd->FindChild(id); }
