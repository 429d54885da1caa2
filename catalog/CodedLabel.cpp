#include "catalog/CodedLabel.h"

namespace expert::catalog {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

}  // namespace

std::optional<int> ParseCodedLabel(std::string_view label) {
  std::size_t i = 0;
  while (i < label.size() && IsSpace(label[i])) ++i;
  const std::size_t digits = i;
  int number = 0;
  while (i < label.size() && label[i] >= '0' && label[i] <= '9') {
    number = number * 10 + (label[i] - '0');
    if (number > 0xFFFF) return std::nullopt;  // no message number is that large
    ++i;
  }
  if (i == digits || i == label.size() || label[i] != ';') return std::nullopt;
  for (++i; i < label.size(); ++i) {
    if (!IsSpace(label[i])) return number;
  }
  return std::nullopt;
}

}  // namespace expert::catalog
