// Slider groups bound to the current input source.
#include <algorithm>

#include "pages/common/ControlView.h"
#include "pages/common/SettingPage.h"

namespace expert::pages {
std::optional<int> CSettingPage::CurrentSource() {
  std::int16_t source = 0;
  if (!Pjt() || !Pjt()->GetInputSource(&source)) return std::nullopt;
  return source;
}

void CSettingPage::ReadSourceSlider(const SourceGroup& row, std::optional<int> source, std::int16_t& cached) {
  const SliderGroup& group = row.controls;
  std::uint16_t raw = 0;
  const bool read = source && Pjt() && row.io.get(*Pjt(), *source, raw);
  NoteRead({.kind = group.slider ? SettingKind::Slider : SettingKind::Arrows, .control = group.slider ? group.slider : group.box,
            .lower = group.minus, .raise = group.plus, .read = read, .perSource = true, .source = source});
  if (!read) {
    EnableGroup(group, false);
    SetText(group.box, "");
    return;
  }
  EnableGroup(group);
  cached = ShownValue(raw, group.offset);
  ShowSliderValue(group, cached);
}

void CSettingPage::StepSource(const SourceGroup& row, std::int16_t& cached, bool up) {
  const std::optional<int> source = CurrentSource();
  if (!source) {
    SetText(row.controls.box, "");
    return;
  }
  if (row.sourceBox) SetText(row.sourceBox, std::to_string(*source));
  std::uint16_t raw = 0;
  if (!row.io.step(*Pjt(), *source, up, raw)) {
    if (row.emptyBoxWhenRefused) SetText(row.controls.box, "");
    return;
  }
  cached = ShownValue(raw, row.controls.offset);
  ShowSliderValue(row.controls, cached);
}

void CSettingPage::ReleaseSourceSlider(UINT code, CWnd* scrollBar, std::initializer_list<SourceBinding> groups) {
  if (code != SB_ENDSCROLL || !scrollBar) return;
  const int id = scrollBar->GetDlgCtrlID();
  for (const SourceBinding& binding : groups) {
    const SliderGroup& group = binding.row.controls;
    if (group.slider == 0 || group.slider != id) continue;
    ControlView<CSliderCtrl> slider(ChildWindow(*this, group.slider));
    const int position = slider.GetPos();
    const std::optional<int> source = CurrentSource();
    if (source && binding.row.io.set(*Pjt(), *source, position + group.offset)) {
      binding.cached = static_cast<std::int16_t>(position);
      SetText(group.box, std::to_string(position));
    } else if (binding.row.emptyBoxWhenRefused) {
      SetText(group.box, "");
    }
    slider.SetPos(binding.cached);
    return;
  }
}

}  // namespace expert::pages
