#include "framework/Template.h"

namespace {
// Multiplies and divides with rounding to the nearest, as the platform does.
int MulDiv(int value, int numerator, int denominator) {
  const long long product = static_cast<long long>(value) * numerator;
  const long long half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}
}  // namespace

CRect DialogUnitsToPixels(const DluRect& rect, const DialogBaseUnits& units) {
  const int left = MulDiv(rect.x, units.cx, 4);
  const int top = MulDiv(rect.y, units.cy, 8);
  return CRect{left, top, left + MulDiv(rect.cx, units.cx, 4), top + MulDiv(rect.cy, units.cy, 8)};
}
