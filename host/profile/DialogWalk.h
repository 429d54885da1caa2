#pragma once
// Runs the Expert Control dialog headless for one projector, as the
// automation driver runs it, and shows each settings page in tab order and
// each settings dialog the page opens, so that a visitor can read or change
// what the page shows. The status and control tabs hold state, not
// settings, and are not visited.
//
// The dialog framework keeps process-wide state (the modal stack, the
// current display, the resource chain), so one walk runs at a time in a
// process: WalkDialog waits for the one before it. Many projectors are
// walked at once in child processes (ProfileFleet.h).
#include <functional>
#include <optional>
#include <string>

#include "beamlink/PjtInterface.h"
#include "beamlink/Transport.h"
#include "host/core/ProjectorEntry.h"
#include "host/profile/Profile.h"
#include "models/ModelDatabase.h"
#include "pages/common/SettingRecord.h"

namespace expert::pages {
class CSettingPage;
}

namespace profile {

// The profile's kind of a setting the pages noted.
Kind KindOf(expert::pages::SettingKind kind);

struct PageContext {
  int templateId = 0;  // the page's, or the settings dialog's
  int tabIndex = 0;
  std::string tab;     // the tab's title
  bool dialog = false;  // a settings dialog opened from the tab's page
};

using PageVisitor = std::function<void(expert::pages::CSettingPage& page, const PageContext& context)>;

struct WalkOptions {
  beamlink::TransportFactory transports;  // empty: the library's own
  int timeoutMs = 0;                      // > 0: in place of the entry's reply timeout
  // Runs on the dialog's interface before the dialog opens; an error text
  // stops the walk there.
  std::function<std::optional<std::string>(CPjtInterface& pjt)> before;
};

// Empty when the walk ran; else why not (the model is unknown, `before`
// refused, the dialog could not be made).
std::optional<std::string> WalkDialog(const host::ProjectorEntry& entry, const models::ModelDatabase& database,
                                      const WalkOptions& options, const PageVisitor& visit);

// The English label of a control, from its page's template: the coded
// labels left of it on its row ("Position: V"), and a check box's own.
std::string ControlLabel(int templateId, int controlId);

// A page of `modelType` that holds settings (not the status or a control page).
bool IsSettingsPage(int templateId);

}  // namespace profile
