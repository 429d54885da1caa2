#pragma once
// The library's diagnostics. Silent unless asked: EXPERT_LOG=debug in the
// environment, or a front end's --verbose (SetVerbose). What a user needs to
// know reaches them through the caller's own messages, never through stderr.
#include <string>

namespace beamlink {

void SetVerbose(bool on);
bool Verbose();
// One line "beamlink: TEXT" on stderr when verbose; nothing otherwise.
void LogDebug(const std::string& text);

}  // namespace beamlink
