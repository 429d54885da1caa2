#pragma once
// Which PJLink command carries which request of the library's operation
// table, and how the response becomes the value the dialog expects. PJLink
// carries power, input, blank and mute, freeze, error status, lamp and
// filter time and volume steps; every other request is refused as not
// supported, without anything being sent.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "beamlink/Operations.h"
#include "beamlink/Protocol.h"

namespace beamlink::pjlink {

// How a response's data becomes the request's value.
enum class Decode : std::uint8_t {
  Acknowledge,  // "OK": carried out, no value
  Power,        // 0 standby, 1 on, 2 cooling down, 3 warming up (shown as on)
  Input,        // "11".."6Z", through the input table
  Blank,        // AVMT: 11 or 31 is blank on
  Mute,         // AVMT: 21 or 31 is mute on
  Flag,         // "0" or "1"
  ErrorStatus,  // six digits, fan, lamp, temperature, cover, filter, other
  FirstNumber,  // "1234 1 567 0": the first number (lamp hours), capped at 65535
};

struct Mapped {
  int cls = 1;
  std::string body;
  std::string parameter;
  Decode decode = Decode::Acknowledge;
  // Sent as class 2 to a class-2 projector: its input query answers in
  // class-2 numbering only then.
  bool classTwoWhenSpoken = false;
};

// One input of the dialog (its input code) and the PJLink input that is it.
struct InputLink {
  std::uint16_t code;
  std::string input;  // "11", "31", "3A", ...
};

// The usual inputs of our models: computer 1 and 2 are RGB 1 and 2, video
// and S-video are VIDEO 1 and 2, HDMI is DIGITAL 1, component is RGB 3 and
// the network input is NETWORK 1.
std::span<const InputLink> DefaultInputs();

// Whether `text` names a PJLink input: "11".."59" in class 1, up to "6Z" in
// class 2 (terminal kind 1 to 6, then 1-9 or A-Z).
bool IsPjLinkInput(std::string_view text);
// The class that first numbers the input `text`.
int InputClass(std::string_view text);

// The table a link uses: the model's own entries (those naming a PJLink
// input; the first entry for a code or an input wins), then the default
// entries whose code and input the model leaves free.
std::vector<InputLink> InputTable(std::span<const InputLink> model);

// The command for `request`, or why PJLink cannot carry it.
std::variant<Mapped, std::string> MapRequest(const Request& request, std::span<const InputLink> inputs);
// The value the data stands for; nullopt with `error` when it is malformed.
std::optional<std::uint16_t> DecodeData(Decode decode, std::string_view data, std::span<const InputLink> inputs,
                                        std::string& error);

// The status page's error number for an ERST answer: the first fault found,
// errors before warnings, 0 when none.
std::optional<std::uint16_t> ErrorNumberOf(std::string_view erst);

}  // namespace beamlink::pjlink
