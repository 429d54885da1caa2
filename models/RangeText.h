#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace models {

// Checks a range text of the database: empty, or "min,max" with two decimal
// integers 0..65535 in raw projector units and min <= max. Returns what is
// wrong, or nothing when the text is acceptable.
std::optional<std::string> RangeTextProblem(std::string_view text);

}  // namespace models
