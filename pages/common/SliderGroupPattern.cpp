// The slider group: "-", slider, "+" and value box of one numeric setting.
#include <algorithm>

#include "frame/ExpertDlg.h"
#include "pages/common/ControlView.h"
#include "pages/common/SettingPage.h"

namespace expert::pages {
namespace {

std::string BoxText(const SliderGroup& row, int shown) {
  return row.format ? row.format(shown) : std::to_string(shown);
}

// The position a released slider sends: cut down to the row's multiple, or
// up to the next one where cutting down would leave the slider's range.
int SentPosition(const SliderGroup& row, const CSliderCtrl& slider) {
  const int position = slider.GetPos();
  if (row.multiple <= 1) return position;
  const int floor = position - ((position % row.multiple) + row.multiple) % row.multiple;
  if (floor >= std::min(slider.GetRangeMin(), slider.GetRangeMax())) return floor;
  return std::min(floor + row.multiple, std::max(slider.GetRangeMin(), slider.GetRangeMax()));
}

}  // namespace

void CSettingPage::SetupSlider(const SliderGroup& row, std::optional<Range> fallback) {
  ControlView<CSliderCtrl> slider(ChildWindow(*this, row.slider));
  std::optional<Range> range;
  if (row.rangeText >= 0 && row.rangeText < kHostRangeCount)
    range = ParseRangeText(Host().m_strRange[row.rangeText], row.offset);
  const Range chosen = range.value_or(fallback.value_or(row.defaultRange));
  slider.SetRange(chosen.min, chosen.max, FALSE);
  slider.SetTicFreq(row.tick);
  if (row.pageSize > 0) slider.SetPageSize(row.pageSize);
}

void CSettingPage::EnableGroup(const SliderGroup& row, bool enable) {
  Enable({row.minus, row.slider, row.plus}, enable);
}

void CSettingPage::HideGroup(const SliderGroup& row) { Show({row.minus, row.slider, row.plus, row.box}, false); }

void CSettingPage::ShowSliderValue(const SliderGroup& row, int shown) {
  SetText(row.box, BoxText(row, shown));
  ControlView<CSliderCtrl>(ChildWindow(*this, row.slider)).SetPos(shown);
}

bool CSettingPage::ReadSlider(const SliderGroup& row, std::int16_t& cached) {
  cached = static_cast<std::int16_t>(row.preset);
  SetText(row.box, BoxText(row, cached));
  std::uint16_t raw = 0;
  const bool read = ReadRaw(Pjt(), row.io, raw);
  // A slider is the setting; without one, the box and the buttons that step it.
  if (row.slider)
    NoteRead({.kind = SettingKind::Slider, .control = row.slider, .read = read});
  else if (row.box && (row.minus || row.plus))
    NoteRead({.kind = SettingKind::Arrows, .control = row.box, .lower = row.minus, .raise = row.plus, .read = read});
  if (!read) {
    EnableGroup(row, false);
    SetText(row.box, "");
    if (row.presetSliderWhenUnread) ControlView<CSliderCtrl>(ChildWindow(*this, row.slider)).SetPos(cached);
    return false;
  }
  cached = ShownValue(raw, row.offset);
  ShowSliderValue(row, cached);
  return true;
}

bool CSettingPage::WithinBound(const SliderGroup& row, std::int16_t cached, bool up) const {
  const Bound& bound = up ? row.upper : row.lower;
  int limit = bound.value;
  switch (bound.kind) {
    case Bound::Kind::None:
      return true;
    case Bound::Kind::Fixed:
      break;
    case Bound::Kind::SliderEnd: {
      ControlView<CSliderCtrl> slider(ChildWindow(*this, row.slider));
      limit = up ? slider.GetRangeMax() : slider.GetRangeMin();
      break;
    }
  }
  return up ? cached < limit : cached > limit;
}

void CSettingPage::Step(const SliderGroup& row, std::int16_t& cached, bool up) {
  if (!WithinBound(row, cached, up)) return;
  std::uint16_t answered = 0;
  if (row.readBeforeStep && !ReadRaw(Pjt(), row.io, answered)) return;
  if (row.io.stepFrom) {  // the value as shown goes in, the new one comes back
    const std::int16_t next = Pjt() ? row.io.stepFrom(*Pjt(), up, cached) : cached;
    if (next == cached) {
      ControlView<CSliderCtrl>(ChildWindow(*this, row.slider)).SetPos(cached);
      if (row.emptyBoxWhenUnchanged) SetText(row.box, "");
      Report(row.onStepRefused);
      return;
    }
    cached = next;
    ShowSliderValue(row, cached);
    return;
  }
  bool stepped = false;
  const std::optional<std::uint16_t> raw = StepRaw(Pjt(), row.io, up, stepped);
  if (!stepped) {
    ControlView<CSliderCtrl>(ChildWindow(*this, row.slider)).SetPos(cached);
    if (row.emptyBoxWhenUnchanged) SetText(row.box, "");
    Report(row.onStepRefused);
    return;
  }
  if (!raw) return;  // stepped, but the new value could not be read: the display stays
  cached = ShownValue(*raw, row.offset);
  ShowSliderValue(row, cached);
}

void CSettingPage::ReleaseSlider(UINT code, CWnd* scrollBar, std::initializer_list<SliderBinding> groups) {
  if (code != SB_ENDSCROLL || !scrollBar) return;
  const int id = scrollBar->GetDlgCtrlID();
  for (const SliderBinding& group : groups) {
    const SliderGroup& row = group.row;
    if (row.slider == 0 || row.slider != id) continue;
    ControlView<CSliderCtrl> slider(ChildWindow(*this, row.slider));
    const int position = SentPosition(row, slider);
    if (WriteRaw(Pjt(), row.io, position + row.offset)) {
      group.cached = static_cast<std::int16_t>(position);
      SetText(row.box, BoxText(row, position));
    } else {
      if (row.emptyBoxWhenUnchanged) SetText(row.box, "");
      Report(row.onSlideRefused.value_or(row.onStepRefused));
    }
    slider.SetPos(row.snapBack ? group.cached : position);
    return;
  }
}

}  // namespace expert::pages
