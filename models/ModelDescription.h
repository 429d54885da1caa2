#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace models {

// Sizes of the host's fixed record slots: the description must fit them.
inline constexpr std::size_t kMaxInputs = 7;
inline constexpr std::size_t kMaxListEntries = 32;
inline constexpr std::size_t kRangeCount = 34;
// Names and texts live in 64-byte zero-terminated slots.
inline constexpr std::size_t kMaxTextBytes = 63;

struct Input {
  std::string name;
  int code = 0;
  int code2 = 0;
  std::string pjlink;  // the PJLink input that is this one ("31"); empty: the default for its code
};

struct ListEntry {
  int code = 0;
  std::string name;
};

// How the host reaches the projector. The meaning of `third` (TCP port or baud
// rate), `fourth` (reply timeout in ms) and `text2` (password) belongs to the
// projector library; the dialog passes them through unchanged.
struct Connection {
  int kind = 1;  // 1 = network, anything else = serial
  int port = 0;  // serial port index
  int third = 0;
  std::uint32_t address = 0;  // first octet in the most significant byte
  int fourth = 0;
  std::string text2;

  // The address as "a.b.c.d", most significant byte first.
  std::string AddressText() const;
};

struct ModelDescription {
  int type = 0;   // model family 1..5
  int model = 0;  // model number within the family
  std::string name;
  std::vector<Input> inputs;
  std::vector<ListEntry> whisper, aspect, gamma, colorTemp, myButton;
  // "min,max" in raw projector units, or empty for the page's own default.
  std::array<std::string, kRangeCount> ranges;
  bool option1 = false, option2 = false;
  Connection connection;

  // "type/model", e.g. "5/30".
  std::string Key() const;
};

}  // namespace models
