#pragma once
// "Detailed settings...": runs the module's dialog for one projector the way
// its host does: construct CExpertDlg, hand over the projector item with
// CopyData, run it modally.
#include <functional>
#include <string>

#include "frame/ExpertDlg.h"
#include "host/core/HostSession.h"

namespace host {

// Returns when the dialog has been closed. False with `error` when it could
// not be opened. `whileOpen`, when given, runs once inside the dialog's modal
// loop, as soon as the loop runs; it may end the dialog.
bool RunDetailedSettings(const HostSession& session, const ProjectorEntry& entry, std::string& error,
                         const std::function<void(CExpertDlg&)>& whileOpen = {});

}  // namespace host
