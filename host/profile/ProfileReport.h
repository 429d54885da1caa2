#pragma once
// Reports as JSON: what `expertctl profile apply --json` prints for each
// projector, and what a worker process hands back to its parent.
#include <nlohmann/json.hpp>

#include "host/profile/ProfileApply.h"

namespace profile {

// {"name","ok","error","set","unchanged","refused":[{"tab","label","error"}],"unavailable":[{"tab","label"}]};
// "error" is null when the projector was walked.
nlohmann::ordered_json ReportToJson(const ApplyReport& report);
// Throws nlohmann::json::exception on a malformed report.
ApplyReport ReportFromJson(const nlohmann::json& json);

}  // namespace profile
