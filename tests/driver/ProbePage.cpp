#include "tests/driver/ProbePage.h"

namespace driver::testing {
namespace {

DialogTemplate ProbeTemplate() {
  DialogTemplate t;
  t.id = kProbeTemplate;
  t.rect = {0, 0, 400, 220};
  t.style = WS_CHILD;
  t.controls = {
      {ControlKind::ComboBox, kList, "", {10, 10, 80, 60}, WS_VISIBLE, {"Low", "Middle", "High"}},
      {ControlKind::Slider, kSlider, "", {10, 30, 100, 15}, WS_VISIBLE, {}},
      {ControlKind::CheckBox, kCheck, "Auto", {10, 50, 60, 10}, WS_VISIBLE, {}},
      {ControlKind::Static, kLabel, "Brightness", {10, 70, 60, 10}, WS_VISIBLE, {}},
      {ControlKind::Button, kDisabledButton, "Reset", {10, 90, 40, 14}, WS_VISIBLE | WS_DISABLED, {}},
      {ControlKind::ComboBox, kHiddenList, "", {10, 110, 80, 60}, 0, {"A"}},
      {ControlKind::BitmapButton, kArrow, "", {10, 130, 14, 14}, WS_VISIBLE, {}},
      {ControlKind::Button, kCustom, "Custom...", {10, 150, 40, 14}, WS_VISIBLE, {}},
  };
  return t;
}

DialogTemplate NestedTemplate() {
  DialogTemplate t;
  t.id = kNestedTemplate;
  t.rect = {0, 0, 200, 100};
  t.caption = "Custom";
  t.controls = {{ControlKind::Button, IDOK, "OK", {140, 80, 50, 14}, WS_VISIBLE, {}}};
  return t;
}

}  // namespace

BEGIN_MESSAGE_MAP(ProbePage, CDialog)
  ON_CBN_SELCHANGE(kList, &ProbePage::OnSelchangeList)
  ON_BN_CLICKED(kCheck, &ProbePage::OnClickedCheck)
  ON_BN_CLICKED(kCustom, &ProbePage::OnClickedCustom)
END_MESSAGE_MAP()

void ProbePage::DoDataExchange(CDataExchange* pDX) { DDX_Control(pDX, kList, m_list); }

void ProbePage::OnClickedCustom() {
  AfxGetInstanceHandle()->templates[kNestedTemplate] = NestedTemplate();
  CDialog nested(kNestedTemplate, this);
  nestedResults.push_back(nested.DoModal());
}

Step AddProbePage(ProbePage& page, bool shown) {
  return Do([&page, shown](Session& session) {
    ASSERT_TRUE(page.CreateIndirect(ProbeTemplate(), session.OpenDialog()));
    if (shown) page.ShowWindow(SW_SHOW);
    page.m_list.SetItemData(2, 0x2A);
  });
}

}  // namespace driver::testing
