#pragma once
// One slider-group row of a page column: label, colon, "-", slider, "+" and
// value box, 187 dialog units wide from `x`.
#include <vector>

#include "resources/templates/PageStyles.h"

namespace expert::resources {

struct SliderRowIds {
  int label, colon, minus, slider, plus, box;
};

inline void AddSliderRow(std::vector<ControlTemplate>& controls, int x, int y, const char* text, SliderRowIds id) {
  using K = ControlKind;
  controls.push_back({K::Static, id.label, text, {x, y + 3, 62, 8}, kLabel, {}});
  controls.push_back({K::Static, id.colon, ":", {x + 64, y + 3, 6, 8}, kLabel, {}});
  controls.push_back({K::Button, id.minus, "-", {x + 72, y, 12, 14}, kButton, {}});
  controls.push_back({K::Slider, id.slider, "", {x + 86, y, 62, 14}, kSlider, {}});
  controls.push_back({K::Button, id.plus, "+", {x + 150, y, 12, 14}, kButton, {}});
  controls.push_back({K::Edit, id.box, "", {x + 165, y + 1, 22, 12}, kValueBox, {}});
}

}  // namespace expert::resources
