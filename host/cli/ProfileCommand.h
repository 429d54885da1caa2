#pragma once
// expertctl profile: save one projector's settings, compare two projectors
// or files, apply a file to many projectors (docs/profiles.md).
#include <string_view>
#include <vector>

namespace host::cli {

// Whether the command word (after the options) is "profile".
bool IsProfileCommand(const std::vector<std::string_view>& args);
// Runs it; returns the exit status.
int RunProfileCommand(const std::vector<std::string_view>& args);

}  // namespace host::cli
