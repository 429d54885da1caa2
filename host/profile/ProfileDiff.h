#pragma once
// Comparing two profiles (a projector is compared through the profile saved
// from it): the settings whose values differ, by tab and label, with both
// values as the dialog shows them; a setting one side lacks has no value there.
#include <optional>
#include <string>
#include <vector>

#include "host/profile/Profile.h"

namespace profile {

struct Difference {
  int page = 0;
  int control = 0;
  std::string tab;
  std::string label;
  std::optional<std::string> from;  // empty: the first side lacks the setting
  std::optional<std::string> to;    // empty: the second side lacks it
};

// In the first profile's order, then the settings only the second has.
std::vector<Difference> DiffProfiles(const Profile& from, const Profile& to);

}  // namespace profile
