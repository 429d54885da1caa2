#pragma once
// The "sim" command: the control side of the in-process simulated projector
// (raw values, failing codes and operations, reply latency).
#include <nlohmann/json.hpp>

#include "simulator/Projector.h"
#include "tools/driver/OrderedJson.h"

namespace driver {

// Carries out {"cmd":"sim", "clear":true, "fail":[...], "latency_ms":N,
// "set":{...}, "get":[...]} on `projector`, in that order. Every field is
// checked before anything is applied; an entry the projector refuses (a code
// the model lacks, an unknown operation) stops the command with an error
// naming it, the parts before it having taken effect. Returns {"values":{...}}
// when "get" was given. Throws CommandError.
OrderedJson RunSimCommand(const nlohmann::json& command, sim::Projector& projector);

}  // namespace driver
