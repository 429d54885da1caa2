#include "models/RangeText.h"

#include <cstdint>

namespace models {
namespace {

constexpr std::uint32_t kMaxRawValue = 65535;

// A run of decimal digits with a value of at most kMaxRawValue.
std::optional<std::uint32_t> ParseRawValue(std::string_view digits) {
  if (digits.empty()) return std::nullopt;
  std::uint32_t value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<std::uint32_t>(c - '0');
    if (value > kMaxRawValue) return std::nullopt;
  }
  return value;
}

}  // namespace

std::optional<std::string> RangeTextProblem(std::string_view text) {
  if (text.empty()) return std::nullopt;
  const std::size_t comma = text.find(',');
  if (comma == std::string_view::npos) {
    return "expected \"min,max\", got \"" + std::string(text) + "\"";
  }
  const auto minimum = ParseRawValue(text.substr(0, comma));
  const auto maximum = ParseRawValue(text.substr(comma + 1));
  if (!minimum || !maximum) {
    return "expected \"min,max\" with two decimal integers 0..65535, got \"" + std::string(text) +
           "\"";
  }
  if (*minimum > *maximum) {
    return "minimum exceeds maximum in \"" + std::string(text) + "\"";
  }
  return std::nullopt;
}

}  // namespace models
