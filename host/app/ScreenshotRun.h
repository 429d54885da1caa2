#pragma once
// Screenshot mode: renders the host window and every tab of every demo
// projector, each page live from its simulated projector, into PNG files.
#include <filesystem>

#include "display/qt/QtDisplay.h"
#include "models/ModelDatabase.h"

namespace host {

// Needs the application object and the Qt display in place. Prints where the
// files are; returns the process's exit status (0 when every shot was taken).
int RunScreenshots(const models::ModelDatabase& database, qtdisplay::QtDisplay& display,
                   const std::filesystem::path& directory);

}  // namespace host
