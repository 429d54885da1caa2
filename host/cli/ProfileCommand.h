#pragma once
// expertctl profile: save one projector's settings, compare two projectors
// or files, apply a file to many projectors (docs/profiles.md).
#include "host/cli/CliOptions.h"

namespace host::cli {

extern const char kProfileUsage[];

// Runs Command::Profile; returns the exit status.
int RunProfileCommand(const CliOptions& options);

}  // namespace host::cli
