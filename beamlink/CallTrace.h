#pragma once
// What an interface object reports to its observer after each operation:
// the call as the caller made it and what the caller got back.
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace beamlink {

// An argument, a result or a value written through a pointer.
using TraceValue = std::variant<long long, bool, std::string>;

struct CallTrace {
  std::string op;                     // "Get", "Inc", "SetWhisper", ...
  std::optional<std::uint16_t> code;  // the generic operations: the code the caller named
  // The arguments as passed, the interface and result pointers left out. The
  // generic Set, Inc and Dec report their value here; Get reports nothing,
  // its second argument being always 0.
  std::vector<TraceValue> args;
  std::optional<TraceValue> result;  // what the operation returned; none when it returns nothing
  std::optional<TraceValue> out;     // the value written through the caller's pointer, when one was
  std::string error;                 // why the operation failed; empty when it did not
};

// One line for people: `Get(0x2003) -> 1, out 130`, `SetWhisper(2) -> true`.
std::string Describe(const CallTrace& trace);

}  // namespace beamlink
