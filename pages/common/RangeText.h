#pragma once
// Slider ranges from the model's range texts ("minimum,maximum" in raw
// projector units, or empty).
#include <optional>
#include <string_view>

namespace expert::pages {

// A slider range in shown units.
struct Range {
  int min = 0;
  int max = 0;
  bool operator==(const Range&) const = default;
};

// The range a range text gives once `offset` is taken off both ends, or
// nothing when the text does not hold one, so that the page uses its default:
// - split at the first comma; each side a decimal integer with an optional
//   sign and blanks around it (" 5 , 9 " is 5 to 9);
// - empty, one number alone ("10"), "," or anything that is not a number
//   ("abc", "5x,9") gives nothing;
// - a number outside what 16 bits carry (below -32768 or above 65535) gives
//   nothing: no projector value can lie there;
// - ends given the wrong way round ("9,5") are put in order;
// - the shown ends are kept within a signed 16-bit value, the type of every
//   cached value.
std::optional<Range> ParseRangeText(std::string_view text, int offset);

}  // namespace expert::pages
