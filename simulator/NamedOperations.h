#pragma once
// The library's named operations reach the projector as plain requests
// (action, code, argument, value), most of them the generic request on their
// setting's code. This reads the library's operation table for what the
// projector must know beyond that:
//   - requests on codes of the library's own that are not settings: My
//     Memory (load and save, the memory in the argument) and pure actions;
//   - settings kept once per argument (the audio levels of each input, the
//     video format of the composite and S-video inputs);
//   - settings that have no generic code and live on a code of the library's
//     own (treble, bass, closed captions, My Button, ...).
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <utility>

#include "beamlink/Operations.h"
#include "models/ModelDescription.h"
#include "simulator/SettingTable.h"

namespace sim {

enum class RouteKind : std::uint8_t {
  MemoryLoad,  // My Memory: load memory `argument` (1..4) into the picture settings
  MemorySave,  // My Memory: save the picture settings in memory `argument` (1..4)
  Action,      // carried out at once when the power is on (auto adjust, auto keystone)
};

struct Route {
  RouteKind kind = RouteKind::Action;
  std::string operation;  // the name, for the traffic log
};

using RouteKey = std::pair<beamlink::Action, std::uint16_t>;
using RouteMap = std::map<RouteKey, Route>;

// Reads the operation table: returns the routes, and adds to `settings` the
// settings that live on codes of the library's own and the argument domains
// of settings kept per argument.
RouteMap RouteNamedOperations(std::span<const beamlink::OperationInfo> operations,
                              const models::ModelDescription& model, SettingMap& settings);

// How many consecutive codes, from the row's code, the operation's requests
// may use: the colour, point and RGB-input shapes add their argument to the
// code, and My Memory saves on the code after its load code.
int CodeCount(const beamlink::OperationInfo& operation);

}  // namespace sim
