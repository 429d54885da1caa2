#pragma once
// Coded labels: dialog templates carry "73;Brightness" where the screen shows
// message 4/73. A label is coded when it reads as a decimal number (blanks
// before it allowed), a semicolon, and at least one non-blank character after
// it. "-", "12;" and "Tab1" are not coded and are shown as they are.
#include <optional>
#include <string_view>

namespace expert::catalog {

// The message number of a coded label, or nothing.
std::optional<int> ParseCodedLabel(std::string_view label);

}  // namespace expert::catalog
