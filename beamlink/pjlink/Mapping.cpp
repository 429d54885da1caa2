#include "beamlink/pjlink/Mapping.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace beamlink::pjlink {
namespace {

// The settings PJLink carries, by the library's command codes.
constexpr std::uint16_t kLampTime = 0x1090;
constexpr std::uint16_t kFilterTime = 0x10A0;
constexpr std::uint16_t kInputSource = 0x2000;
constexpr std::uint16_t kVolume = 0x2001;
constexpr std::uint16_t kMute = 0x2002;
constexpr std::uint16_t kFreeze = 0x3002;
constexpr std::uint16_t kBlank = 0x3020;
constexpr std::uint16_t kPower = 0x6000;
constexpr std::uint16_t kErrorStatus = 0x6020;

const InputLink kDefaultInputs[] = {
    {0, "11"}, {4, "12"}, {5, "13"}, {1, "21"}, {2, "22"}, {3, "31"}, {6, "51"},
};

// Status page error numbers by ERST position (fan, lamp, temperature, cover,
// filter, other), for an error and for a warning. A lamp warning is the
// lamp's replacement time.
constexpr std::array<std::uint16_t, 6> kErrorNumbers = {2, 3, 4, 1, 8, 9};
constexpr std::array<std::uint16_t, 6> kWarningNumbers = {2, 6, 4, 1, 8, 9};

Mapped Query(int cls, const char* body, Decode decode) { return Mapped{cls, body, "?", decode}; }

std::variant<Mapped, std::string> Switch(const char* body, int cls, std::uint16_t value, const char* off,
                                         const char* on) {
  if (value > 1) return std::string("PJLink takes only 0 and 1 for ") + body;
  return Mapped{cls, body, value ? on : off, Decode::Acknowledge};
}

}  // namespace

std::span<const InputLink> DefaultInputs() { return kDefaultInputs; }

bool IsPjLinkInput(std::string_view text) {
  return text.size() == 2 && text[0] >= '1' && text[0] <= '6' &&
         ((text[1] >= '1' && text[1] <= '9') || (text[1] >= 'A' && text[1] <= 'Z'));
}

int InputClass(std::string_view text) {
  return text.size() == 2 && (text[0] == '6' || (text[1] >= 'A' && text[1] <= 'Z')) ? 2 : 1;
}

std::vector<InputLink> InputTable(std::span<const InputLink> model) {
  std::vector<InputLink> table;
  const auto add = [&](const InputLink& link) {
    const bool taken = std::any_of(table.begin(), table.end(),
                                   [&](const InputLink& t) { return t.code == link.code || t.input == link.input; });
    if (IsPjLinkInput(link.input) && !taken) table.push_back(link);
  };
  for (const InputLink& link : model) add(link);
  for (const InputLink& link : DefaultInputs()) add(link);
  return table;
}

std::variant<Mapped, std::string> MapRequest(const Request& request, std::span<const InputLink> inputs) {
  const auto unsupported = [&] {
    return std::string("PJLink carries no ") + ActionName(request.action) + " of this setting";
  };
  if (request.argument != 0) return unsupported();
  const std::uint16_t value = request.value;
  switch (request.action) {
    case Action::Get:
      switch (request.code) {
        case kPower: return Query(1, "POWR", Decode::Power);
        case kInputSource: {
          Mapped query = Query(1, "INPT", Decode::Input);
          query.classTwoWhenSpoken = true;
          return query;
        }
        case kBlank: return Query(1, "AVMT", Decode::Blank);
        case kMute: return Query(1, "AVMT", Decode::Mute);
        case kFreeze: return Query(2, "FREZ", Decode::Flag);
        case kErrorStatus: return Query(1, "ERST", Decode::ErrorStatus);
        case kLampTime: return Query(1, "LAMP", Decode::FirstNumber);
        case kFilterTime: return Query(2, "FILT", Decode::FirstNumber);
      }
      break;
    case Action::Set:
      switch (request.code) {
        case kPower: return Switch("POWR", 1, value, "0", "1");
        case kBlank: return Switch("AVMT", 1, value, "10", "11");
        case kMute: return Switch("AVMT", 1, value, "20", "21");
        case kFreeze: return Switch("FREZ", 2, value, "0", "1");
        case kInputSource: {
          const auto it = std::find_if(inputs.begin(), inputs.end(), [&](const InputLink& l) { return l.code == value; });
          if (it == inputs.end() || !IsPjLinkInput(it->input))
            return "input code " + std::to_string(value) + " has no PJLink input";
          return Mapped{InputClass(it->input), "INPT", it->input, Decode::Acknowledge};
        }
      }
      break;
    case Action::Increment:
    case Action::Decrement:
      if (request.code == kVolume)
        return Mapped{2, "SVOL", request.action == Action::Increment ? "1" : "0", Decode::Acknowledge};
      break;
    case Action::Execute:
      break;
  }
  return unsupported();
}

std::optional<std::uint16_t> ErrorNumberOf(std::string_view erst) {
  if (erst.size() != 6 || !std::all_of(erst.begin(), erst.end(), [](char c) { return c >= '0' && c <= '2'; }))
    return std::nullopt;
  for (std::size_t i = 0; i < 6; ++i)
    if (erst[i] == '2') return kErrorNumbers[i];
  for (std::size_t i = 0; i < 6; ++i)
    if (erst[i] == '1') return kWarningNumbers[i];
  return 0;
}

std::optional<std::uint16_t> DecodeData(Decode decode, std::string_view data, std::span<const InputLink> inputs,
                                        std::string& error) {
  const auto bad = [&]() -> std::optional<std::uint16_t> {
    error = "unexpected data \"" + std::string(data) + "\"";
    return std::nullopt;
  };
  switch (decode) {
    case Decode::Acknowledge:
      if (data == "OK") return 0;
      return bad();
    case Decode::Power:
      if (data == "0" || data == "1" || data == "2") return static_cast<std::uint16_t>(data[0] - '0');
      if (data == "3") return 1;  // warming up: on its way on
      return bad();
    case Decode::Input: {
      if (!IsPjLinkInput(data)) return bad();
      const auto it = std::find_if(inputs.begin(), inputs.end(), [&](const InputLink& l) { return l.input == data; });
      // An input the model table lacks matches no entry of the dialog's list.
      return it == inputs.end() ? std::uint16_t{0xFFFF} : it->code;
    }
    case Decode::Blank:
    case Decode::Mute: {
      if (data.size() != 2 || data[0] < '1' || data[0] > '3' || (data[1] != '0' && data[1] != '1')) return bad();
      const char kind = decode == Decode::Blank ? '1' : '2';
      return static_cast<std::uint16_t>(data[1] == '1' && (data[0] == kind || data[0] == '3'));
    }
    case Decode::Flag:
      if (data == "0" || data == "1") return static_cast<std::uint16_t>(data[0] - '0');
      return bad();
    case Decode::ErrorStatus: {
      const auto number = ErrorNumberOf(data);
      return number ? number : bad();
    }
    case Decode::FirstNumber: {
      const std::string_view first = data.substr(0, data.find(' '));
      unsigned long hours = 0;
      const auto [end, ec] = std::from_chars(first.data(), first.data() + first.size(), hours);
      if (first.empty() || first.size() > 6 || ec != std::errc() || end != first.data() + first.size()) return bad();
      return static_cast<std::uint16_t>(std::min<unsigned long>(hours, 0xFFFF));
    }
  }
  return bad();
}

}  // namespace beamlink::pjlink
