#pragma once
// The record of projector-interface operations a session has called, in
// order, for the "events" command. The observer the session gives the
// dialog's projector interface appends to it; nothing else does, so an empty
// list means that nothing called the projector.
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "tools/driver/OrderedJson.h"

namespace driver {

// An argument or result as the operation saw it.
using CallValue = std::variant<long long, bool, std::string>;

struct ProjectorCall {
  std::string op;                           // "Get", "Inc", "SetWhisper", ...
  std::optional<std::uint16_t> code;        // generic operations: the command code
  std::optional<long long> value;           // Set, Inc, Dec: the value passed with the code
  std::optional<std::vector<CallValue>> args;  // named operations: the arguments as passed
  std::optional<CallValue> result;          // what the operation returned; none when it returns nothing
  std::optional<CallValue> out;             // the value written through a pointer, if any
  std::string error;                        // why the call failed; empty when it did not
};

// {"op":"Get","code":"0x2003","result":1,"out":130}: only the parts the call has
// ("error" only for a failed call).
OrderedJson CallToJson(const ProjectorCall& call);

class CallLog {
 public:
  void Append(ProjectorCall call) { m_calls.push_back(std::move(call)); }
  // Every call since the last Take, oldest first.
  std::vector<ProjectorCall> Take();

 private:
  std::vector<ProjectorCall> m_calls;
};

}  // namespace driver
