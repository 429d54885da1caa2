#pragma once
// Checks a projector entry before it is kept, whether the user typed it or it
// came from the list file: every problem is named, nothing is repaired.
#include <string>
#include <string_view>
#include <vector>

#include "beamlink/LinkLimits.h"
#include "host/core/ProjectorEntry.h"

namespace host {

enum class EntryField {
  Name, Group, Model, Connection, Address, Protocol, TcpPort, SerialDevice, BaudRate, Password, Timeout
};

struct EntryProblem {
  EntryField field;
  std::string text;  // for people, from the catalog: a sentence naming the field
};

inline constexpr int kMinTimeoutMs = beamlink::kMinTimeoutMs;
inline constexpr int kMaxTimeoutMs = beamlink::kMaxTimeoutMs;
inline constexpr int kMaxSerialPorts = 256;
inline constexpr int kMinTcpPort = 1;
inline constexpr int kMaxTcpPort = 65535;
// Names, groups, passwords and host names travel in (or are held to) the
// library's 64-byte zero-terminated slots: 63 bytes of UTF-8.
inline constexpr std::size_t kMaxSlotText = kHostNameSize - 1;

struct ValidationRules {
  // Null: the model is not looked up (the list file names models the
  // database of another version may lack; they are caught when used).
  const models::ModelDatabase* database = nullptr;
  // Demo and test runs reach loopback addresses only.
  bool loopbackOnly = false;
};

std::vector<EntryProblem> ValidateEntry(const ProjectorEntry& entry, const ValidationRules& rules);

// The editor's label of a field ("TCP port"), from the catalog: how messages
// about the list file name a field.
std::string FieldLabel(EntryField field);

// A host name as DNS allows it: dot-separated labels of 1 to 63 letters,
// digits and hyphens, none starting or ending with a hyphen, the last not all
// digits (that is a mistyped IPv4 address).
bool IsHostName(std::string_view text);

}  // namespace host
