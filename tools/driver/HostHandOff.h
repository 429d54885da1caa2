#pragma once
// Hands a projector description to the dialog the way a host does: builds
// the host's record and calls the chosen CopyData operation, then CopyData3
// when the request carries 32 range texts.
#include "frame/ExpertDlg.h"
#include "tools/driver/OpenRequest.h"

namespace driver {

void HandOver(CExpertDlg& dialog, const OpenRequest& request);

}  // namespace driver
