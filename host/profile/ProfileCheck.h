#pragma once
// Every setting of a profile checked against its model before anything is
// sent to any projector: the model is known, each page is a settings page
// of the model (or a settings dialog), each control is a setting of that
// page of the kind the file says, each value within the control's range.
#include <string>

#include "host/profile/Profile.h"
#include "models/ModelDatabase.h"

namespace profile {

// Throws ProfileError naming `fileName` and the setting at fault.
void CheckProfileForModel(const Profile& profile, const models::ModelDatabase& database, const std::string& fileName);

}  // namespace profile
