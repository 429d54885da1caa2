#include "simulator/Setting.h"

#include <algorithm>

namespace sim {

bool Setting::Accepts(std::uint16_t value) const {
  if (!choices.empty()) return std::find(choices.begin(), choices.end(), value) != choices.end();
  return value >= min && value <= max;
}

bool Setting::AcceptsIndex(std::uint16_t index) const {
  return index == 0 || std::find(indexes.begin(), indexes.end(), index) != indexes.end();
}

}  // namespace sim
