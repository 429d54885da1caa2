#include "tools/driver/CommandArgs.h"

#include <algorithm>
#include <climits>

namespace driver {

std::string DescribeJsonType(const nlohmann::json& value) {
  if (value.is_number_integer()) return "an integer";
  if (value.is_number()) return "a number with a fraction";
  if (value.is_string()) return "a string";
  if (value.is_boolean()) return "a boolean";
  if (value.is_null()) return "null";
  if (value.is_array()) return "an array";
  return "an object";
}

CommandArgs::CommandArgs(const nlohmann::json& command, std::string_view name,
                         std::initializer_list<std::string_view> known)
    : m_command(command), m_name(name) {
  for (const auto& item : command.items()) {
    const std::string& key = item.key();
    if (key == "cmd" || key == "seq") continue;
    if (std::find(known.begin(), known.end(), key) == known.end())
      throw CommandError("\"" + std::string(name) + "\" has no field \"" + key + "\"");
  }
}

const nlohmann::json* CommandArgs::Find(std::string_view field) const {
  const auto it = m_command.find(field);
  return it == m_command.end() ? nullptr : &*it;
}

const nlohmann::json& CommandArgs::Require(std::string_view field) const {
  const nlohmann::json* value = Find(field);
  if (!value) throw CommandError("\"" + std::string(m_name) + "\" needs the field \"" + std::string(field) + "\"");
  return *value;
}

int CommandArgs::ToInt(const nlohmann::json& value, std::string_view field) const {
  if (!value.is_number_integer())
    throw CommandError("field \"" + std::string(field) + "\" must be an integer, not " + DescribeJsonType(value));
  const bool fits = value.is_number_unsigned() ? value.get<unsigned long long>() <= INT_MAX
                                               : value.get<long long>() >= INT_MIN && value.get<long long>() <= INT_MAX;
  if (!fits) throw CommandError("field \"" + std::string(field) + "\" is out of range for a 32-bit integer");
  return static_cast<int>(value.get<long long>());
}

std::string CommandArgs::ToString(const nlohmann::json& value, std::string_view field) const {
  if (!value.is_string())
    throw CommandError("field \"" + std::string(field) + "\" must be a string, not " + DescribeJsonType(value));
  return value.get<std::string>();
}

int CommandArgs::Int(std::string_view field) const { return ToInt(Require(field), field); }

std::optional<int> CommandArgs::OptionalInt(std::string_view field) const {
  const nlohmann::json* value = Find(field);
  if (!value) return std::nullopt;
  return ToInt(*value, field);
}

std::string CommandArgs::String(std::string_view field) const { return ToString(Require(field), field); }

std::optional<std::string> CommandArgs::OptionalString(std::string_view field) const {
  const nlohmann::json* value = Find(field);
  if (!value) return std::nullopt;
  return ToString(*value, field);
}

}  // namespace driver
