#pragma once
// Writes a build output whole or not at all: a failed or interrupted run
// never leaves a half-written file for the next build step to trust.
#include <string>
#include <string_view>

namespace expert::catalog {

// Returns an error text, empty on success.
std::string WriteFileAtomically(const std::string& path, std::string_view content);

}  // namespace expert::catalog
