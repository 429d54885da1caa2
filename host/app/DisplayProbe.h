#pragma once
// Whether a window can be shown at all, decided before the application object
// exists (Qt aborts the process when its platform plugin cannot start).
#include <optional>
#include <string>

namespace host {

// Null when a display is available; otherwise why not, for one line of output.
std::optional<std::string> NoDisplayReason(int argc, char** argv);

}  // namespace host
