#include "tools/driver/SimCommand.h"

#include <charconv>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tools/driver/CommandArgs.h"

namespace driver {
namespace {

// Longer than any reply timeout a connection can ask for in practice; a
// larger figure is more likely a slip than a wish.
constexpr long long kMaxLatencyMs = 3'600'000;

// What a key of "set", "get" or "fail" names: a command code ("0x2003"), or
// the value an operation reads, with its leading argument ("GetRgbIn:1"; the
// bare name means argument 0).
struct Target {
  std::string key;  // as written, for the reply and for errors
  std::optional<std::uint16_t> code;
  std::string operation;
  std::uint16_t argument = 0;
};

bool ParseNumber(std::string_view text, int base, std::size_t maxDigits, unsigned& value) {
  if (text.empty() || text.size() > maxDigits) return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  return error == std::errc() && end == text.data() + text.size();
}

bool IsName(std::string_view text) {
  if (text.empty() || !((text[0] >= 'A' && text[0] <= 'Z') || (text[0] >= 'a' && text[0] <= 'z'))) return false;
  for (char c : text)
    if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_')) return false;
  return true;
}

Target ParseTarget(const std::string& key, std::string_view field, bool argumentAllowed) {
  Target target{key, std::nullopt, {}, 0};
  const std::string_view text = key;
  const std::size_t colon = text.find(':');
  const std::string_view name = text.substr(0, colon);
  if (name.starts_with("0x") || name.starts_with("0X")) {
    unsigned code = 0;
    // from_chars takes no sign or prefix, so only hex digits pass.
    if (!ParseNumber(name.substr(2), 16, 4, code))
      throw CommandError("sim \"" + std::string(field) + "\": \"" + key +
                         "\" is not a command code (\"0x\" and one to four hex digits)");
    target.code = static_cast<std::uint16_t>(code);
  } else if (IsName(name)) {
    target.operation = std::string(name);
  } else {
    throw CommandError("sim \"" + std::string(field) + "\": \"" + key +
                       "\" is neither a command code such as \"0x2003\" nor an operation name");
  }
  if (colon != std::string_view::npos) {
    if (!argumentAllowed)
      throw CommandError("sim \"" + std::string(field) + "\": \"" + key +
                         "\": a failure covers every argument, so none may be given");
    unsigned argument = 0;
    if (!ParseNumber(text.substr(colon + 1), 10, 5, argument) || argument > 0xFFFF)
      throw CommandError("sim \"" + std::string(field) + "\": \"" + key +
                         "\": the argument after ':' must be a number from 0 to 65535");
    target.argument = static_cast<std::uint16_t>(argument);
  }
  return target;
}

std::vector<Target> ParseTargetList(const nlohmann::json& list, std::string_view field, bool argumentAllowed) {
  if (!list.is_array())
    throw CommandError("sim \"" + std::string(field) + "\" must be an array of codes or operation names, not " +
                       DescribeJsonType(list));
  std::vector<Target> targets;
  for (const nlohmann::json& entry : list) {
    if (!entry.is_string())
      throw CommandError("sim \"" + std::string(field) + "\": every entry must be a string, not " +
                         DescribeJsonType(entry));
    targets.push_back(ParseTarget(entry.get<std::string>(), field, argumentAllowed));
  }
  return targets;
}

std::string ProjectorError(const Target& target, std::string_view field, const std::string& error) {
  return "sim \"" + std::string(field) + "\": \"" + target.key + "\": " +
         (error.empty() ? std::string("the simulated projector refused it") : error);
}

}  // namespace

OrderedJson RunSimCommand(const nlohmann::json& command, sim::Projector& projector) {
  const CommandArgs args(command, "sim", {"set", "get", "fail", "clear", "latency_ms"});

  // Everything is read and checked before the projector is touched.
  bool clear = false;
  if (const nlohmann::json* value = args.Find("clear")) {
    if (!value->is_boolean()) throw CommandError("sim \"clear\" must be true or false, not " + DescribeJsonType(*value));
    clear = value->get<bool>();
  }
  std::vector<Target> fail;
  if (const nlohmann::json* value = args.Find("fail")) fail = ParseTargetList(*value, "fail", false);
  std::optional<long long> latency;
  if (const nlohmann::json* value = args.Find("latency_ms")) {
    if (!value->is_number_integer() || value->get<long long>() < 0 || value->get<long long>() > kMaxLatencyMs)
      throw CommandError("sim \"latency_ms\" must be an integer from 0 to " + std::to_string(kMaxLatencyMs));
    latency = value->get<long long>();
  }
  std::vector<std::pair<Target, std::uint16_t>> set;
  if (const nlohmann::json* value = args.Find("set")) {
    if (!value->is_object())
      throw CommandError("sim \"set\" must be an object such as {\"0x2003\": 130}, not " + DescribeJsonType(*value));
    for (const auto& item : value->items()) {
      Target target = ParseTarget(item.key(), "set", true);
      const nlohmann::json& raw = item.value();
      if (!raw.is_number_integer() || raw.get<long long>() < 0 || raw.get<long long>() > 0xFFFF)
        throw CommandError("sim \"set\": \"" + item.key() + "\": the value must be an integer from 0 to 65535");
      set.emplace_back(std::move(target), static_cast<std::uint16_t>(raw.get<long long>()));
    }
  }
  std::optional<std::vector<Target>> get;
  if (const nlohmann::json* value = args.Find("get")) get = ParseTargetList(*value, "get", true);

  if (clear) projector.GetFaults().Clear();
  for (const Target& target : fail) {
    if (target.code) {
      projector.GetFaults().FailCode(*target.code);
      continue;
    }
    std::string error;
    if (!projector.FailOperation(target.operation, &error)) throw CommandError(ProjectorError(target, "fail", error));
  }
  if (latency) projector.GetFaults().SetLatency(std::chrono::milliseconds(*latency));
  for (const auto& [target, raw] : set) {
    std::string error;
    const bool done = target.code ? projector.SetValue(*target.code, target.argument, raw, &error)
                                  : projector.SetValueOf(target.operation, target.argument, raw, &error);
    if (!done) throw CommandError(ProjectorError(target, "set", error));
  }
  OrderedJson reply = OrderedJson::object();
  if (get) {
    OrderedJson values = OrderedJson::object();
    for (const Target& target : *get) {
      std::string error;
      const std::optional<std::uint16_t> raw = target.code ? projector.Value(*target.code, target.argument, &error)
                                                           : projector.ValueOf(target.operation, target.argument, &error);
      if (!raw) throw CommandError(ProjectorError(target, "get", error));
      values[target.key] = *raw;
    }
    reply["values"] = std::move(values);
  }
  return reply;
}

}  // namespace driver
