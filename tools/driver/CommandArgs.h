#pragma once
// The fields of one driver command, read with the checks every command needs:
// a field the command does not know is refused (a misspelt "idx" must not
// silently become "no index"), and numbers must be integers that fit an int.
#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

namespace driver {

// A command that cannot be carried out; its text becomes the reply's "error".
class CommandError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class CommandArgs {
 public:
  // `command` is the whole command object and must outlive this reader.
  // Throws CommandError for a field that is neither "cmd", "seq" nor in `known`.
  CommandArgs(const nlohmann::json& command, std::string_view name, std::initializer_list<std::string_view> known);

  std::string_view Name() const { return m_name; }
  const nlohmann::json* Find(std::string_view field) const;

  int Int(std::string_view field) const;
  std::optional<int> OptionalInt(std::string_view field) const;
  std::string String(std::string_view field) const;
  std::optional<std::string> OptionalString(std::string_view field) const;

 private:
  const nlohmann::json& Require(std::string_view field) const;
  int ToInt(const nlohmann::json& value, std::string_view field) const;
  std::string ToString(const nlohmann::json& value, std::string_view field) const;

  const nlohmann::json& m_command;
  std::string_view m_name;
};

// "a string", "an integer", ...: how a JSON value is named in errors.
std::string DescribeJsonType(const nlohmann::json& value);

}  // namespace driver
