#pragma once

// Typed access to the fields of a JSON model description. Every accessor
// checks the JSON type and bounds first and reports a fault as a ModelError
// naming the source, the model and the field path, so that no exception of
// the JSON library escapes.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include <nlohmann/json.hpp>

namespace models::detail {

// Field paths: "connection" + "address" -> "connection.address",
// "inputs" + 2 -> "inputs[2]".
std::string FieldPath(const std::string& parent, std::string_view key);
std::string FieldPath(const std::string& parent, std::size_t index);

class FieldReader {
 public:
  FieldReader(std::string source, std::string modelKey);

  void SetModelKey(std::string modelKey) { modelKey_ = std::move(modelKey); }

  [[noreturn]] void Fail(const std::string& field, const std::string& message) const;

  // The member `key` of `object`, or nullptr when absent.
  static const nlohmann::json* Find(const nlohmann::json& object, std::string_view key);
  const nlohmann::json& Require(const nlohmann::json& object, const std::string& objectPath,
                                std::string_view key) const;
  // A member not in `known` is refused: a misspelt key must not pass silently.
  void RejectUnknownKeys(const nlohmann::json& object, const std::string& objectPath,
                         std::initializer_list<std::string_view> known) const;

  void ExpectObject(const nlohmann::json& value, const std::string& field) const;
  void ExpectArray(const nlohmann::json& value, const std::string& field,
                   std::size_t maxSize) const;

  // A 32-bit signed integer within [minimum, maximum].
  int Int(const nlohmann::json& value, const std::string& field,
          std::int64_t minimum = INT32_MIN, std::int64_t maximum = INT32_MAX) const;
  std::uint32_t UInt32(const nlohmann::json& value, const std::string& field) const;
  bool Bool(const nlohmann::json& value, const std::string& field) const;
  std::string String(const nlohmann::json& value, const std::string& field) const;
  // A text for a 64-byte zero-terminated slot: at most kMaxTextBytes bytes and
  // no NUL, which would silently cut it short in the slot.
  std::string SlotText(const nlohmann::json& value, const std::string& field) const;

 private:
  std::string source_;
  std::string modelKey_;
};

}  // namespace models::detail
