// Arrow pairs: two bitmap buttons stepping one position setting, and its box.
#include "pages/common/ControlView.h"
#include "pages/common/SettingPage.h"
#include "resources/ModuleResources.h"

namespace expert::pages {
namespace {

UINT BitmapId(Arrow arrow) {
  switch (arrow) {
    case Arrow::Up: return resources::kArrowUp;
    case Arrow::Down: return resources::kArrowDown;
    case Arrow::Left: return resources::kArrowLeft;
    case Arrow::Right: return resources::kArrowRight;
  }
  return 0;
}

// An arrow pair steps like a slider group without a slider or bounds.
SliderGroup AsGroup(const ArrowPair& row) {
  return {.minus = row.lower, .plus = row.raise, .box = row.box, .io = row.io, .offset = row.offset,
          .onStepRefused = row.onRefused};
}

}  // namespace

void CSettingPage::SetArrowImages(const ArrowPair& row, ArrowBitmaps& bitmaps) {
  for (const auto& [button, arrow] : {std::pair{row.raise, row.raiseArrow}, std::pair{row.lower, row.lowerArrow}}) {
    CBitmap& bitmap = bitmaps[arrow];
    if (!bitmap.GetSafeHandle()) bitmap.LoadBitmap(BitmapId(arrow));
    ControlView<CButton>(ChildWindow(*this, button)).SetBitmap(bitmap);
  }
}

void CSettingPage::EnableArrows(const ArrowPair& row, bool enable) { Enable({row.raise, row.lower}, enable); }

bool CSettingPage::ReadArrows(const ArrowPair& row, std::int16_t& cached) { return ReadSlider(AsGroup(row), cached); }

void CSettingPage::ArrowClicked(const ArrowPair& row, std::int16_t& cached, bool raise) {
  Step(AsGroup(row), cached, raise);
}

}  // namespace expert::pages
