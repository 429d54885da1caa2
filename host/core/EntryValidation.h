#pragma once
// Checks a projector entry before it is kept, whether the user typed it or it
// came from the list file: every problem is named, nothing is repaired.
#include <string>
#include <vector>

#include "beamlink/LinkLimits.h"
#include "host/core/ProjectorEntry.h"

namespace host {

enum class EntryField { Name, Model, Address, TcpPort, SerialPort, BaudRate, Password, Timeout };

struct EntryProblem {
  EntryField field;
  std::string text;  // for people, from the catalog
};

inline constexpr int kMinTimeoutMs = beamlink::kMinTimeoutMs;
inline constexpr int kMaxTimeoutMs = beamlink::kMaxTimeoutMs;
inline constexpr int kMaxSerialPorts = 256;

struct ValidationRules {
  // Null: the model is not looked up (the list file names models the
  // database of another version may lack; they are caught when used).
  const models::ModelDatabase* database = nullptr;
  // Demo and test runs reach loopback addresses only.
  bool loopbackOnly = false;
};

std::vector<EntryProblem> ValidateEntry(const ProjectorEntry& entry, const ValidationRules& rules);

}  // namespace host
