#pragma once
// The profile file: readable JSON, the same in every display language.
//
//   {"format":"expert-control-profile","version":1,"model":"5/30","source":"Hall",
//    "saved":"2026-12-06T21:40:00Z","settings":[
//     {"page":107,"control":20136,"tab":"Picture","label":"Brightness","kind":"slider","value":10}, ...]}
#include <string>
#include <string_view>

#include "host/profile/Profile.h"

namespace profile {

inline constexpr char kFormatName[] = "expert-control-profile";
inline constexpr int kFormatVersion = 1;
// A profile of every page of the largest model is a few tens of KiB.
inline constexpr std::size_t kMaxFileBytes = 4 * 1024 * 1024;

std::string ProfileToJson(const Profile& profile);
// Throws ProfileError naming `fileName` and the setting at fault.
Profile ProfileFromJson(std::string_view text, const std::string& fileName);

// Throws ProfileError when the file cannot be read or is not a profile.
Profile LoadProfile(const std::string& path);
// Writes a temporary file beside `path`, flushes it and renames it over
// `path`: the old file or the new one, never half of one. Throws ProfileError.
void SaveProfile(const std::string& path, const Profile& profile);

// Now as ISO-8601 in UTC: "2026-12-06T21:40:00Z".
std::string NowIso8601();

}  // namespace profile
