#pragma once
// Applying a profile to one projector: the dialog walked headless, and on
// each page only the settings that differ are changed, through the page's
// own handlers, as a person changes them (an item chosen, a slider let go,
// a box ticked, "+" or "-" pressed until the value is reached). What the
// page shows afterwards is what the projector took; a message box the page
// showed is the reason of a refusal.
#include <string>
#include <vector>

#include "host/profile/DialogWalk.h"
#include "host/profile/Profile.h"

namespace profile {

struct RefusedSetting {
  std::string tab, label, error;
};
struct MissingSetting {
  std::string tab, label;
};

struct ApplyReport {
  std::string name;
  // Not reached, or refused as a whole (another model, standby): why.
  // Empty when the projector was walked.
  std::string error;
  int set = 0;
  int unchanged = 0;
  std::vector<RefusedSetting> refused;
  std::vector<MissingSetting> unavailable;  // the projector did not give them, or its page lacks them

  // Every setting the projector has was taken.
  bool Ok() const { return error.empty() && refused.empty(); }
};

struct ApplyOptions {
  WalkOptions walk;
  bool powerOn = false;      // switch a projector in standby on and wait for its warm-up
  int warmupMs = 120000;     // how long to wait for it
};

// `profile` must have passed CheckProfileForModel for its model. A projector
// of another model is refused before anything is sent.
ApplyReport ApplyProfile(const Profile& profile, const host::ProjectorEntry& entry,
                         const models::ModelDatabase& database, const ApplyOptions& options = {});

}  // namespace profile
