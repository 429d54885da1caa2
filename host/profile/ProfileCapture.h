#pragma once
// Saving: the dialog walked headless over one projector, every setting each
// settings page (and settings dialog) shows read from its controls. A
// setting the projector did not give (its controls disabled) is left out.
#include <optional>
#include <string>

#include "host/profile/DialogWalk.h"
#include "host/profile/Profile.h"

namespace expert::pages {
class CSettingPage;
}

namespace profile {

// The settings a page shows now, as the profile keeps them.
std::vector<Setting> SettingsShown(const expert::pages::CSettingPage& page, const PageContext& context);

struct CaptureResult {
  std::optional<Profile> profile;  // empty: `error` says why
  std::string error;
};

// The projector's power state must be on: a projector in standby gives few
// settings, and a profile of them would be mistaken for the whole.
CaptureResult CaptureProfile(const host::ProjectorEntry& entry, const models::ModelDatabase& database,
                             const WalkOptions& options = {});

// Before a walk: reads the power state; an error text for a projector not
// reached or not on. With `powerOn`, switches a projector in standby on and
// waits for its warm-up, up to `warmupMs`.
std::optional<std::string> RequirePowerOn(CPjtInterface& pjt, bool powerOn, int warmupMs);

}  // namespace profile
