#include "pages/common/RangeText.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>

namespace expert::pages {
namespace {

constexpr long long kLowestRaw = std::numeric_limits<std::int16_t>::min();
constexpr long long kHighestRaw = std::numeric_limits<std::uint16_t>::max();

std::string_view Trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::optional<long long> RawNumber(std::string_view text) {
  text = Trimmed(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value < kLowestRaw || value > kHighestRaw) return std::nullopt;
  return value;
}

int Shown(long long raw, int offset) {
  return static_cast<int>(std::clamp<long long>(raw - offset, std::numeric_limits<std::int16_t>::min(),
                                                std::numeric_limits<std::int16_t>::max()));
}

}  // namespace

std::optional<Range> ParseRangeText(std::string_view text, int offset) {
  const std::size_t comma = text.find(',');
  if (comma == std::string_view::npos) return std::nullopt;
  const std::optional<long long> first = RawNumber(text.substr(0, comma));
  const std::optional<long long> second = RawNumber(text.substr(comma + 1));
  if (!first || !second) return std::nullopt;
  const long long low = std::min(*first, *second);
  const long long high = std::max(*first, *second);
  return Range{Shown(low, offset), Shown(high, offset)};
}

}  // namespace expert::pages
