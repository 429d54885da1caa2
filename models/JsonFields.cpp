#include "models/JsonFields.h"

#include <algorithm>
#include <utility>

#include "models/ModelDescription.h"
#include "models/ModelError.h"

namespace models::detail {

std::string FieldPath(const std::string& parent, std::string_view key) {
  if (parent.empty()) return std::string(key);
  return parent + "." + std::string(key);
}

std::string FieldPath(const std::string& parent, std::size_t index) {
  return parent + "[" + std::to_string(index) + "]";
}

FieldReader::FieldReader(std::string source, std::string modelKey)
    : source_(std::move(source)), modelKey_(std::move(modelKey)) {}

void FieldReader::Fail(const std::string& field, const std::string& message) const {
  throw ModelError(source_, modelKey_, field, message);
}

const nlohmann::json* FieldReader::Find(const nlohmann::json& object, std::string_view key) {
  if (!object.is_object()) return nullptr;
  const auto it = object.find(key);
  return it == object.end() ? nullptr : &*it;
}

const nlohmann::json& FieldReader::Require(const nlohmann::json& object,
                                           const std::string& objectPath,
                                           std::string_view key) const {
  const nlohmann::json* value = Find(object, key);
  if (value == nullptr) Fail(FieldPath(objectPath, key), "missing");
  return *value;
}

void FieldReader::RejectUnknownKeys(const nlohmann::json& object, const std::string& objectPath,
                                    std::initializer_list<std::string_view> known) const {
  for (const auto& item : object.items()) {
    const std::string& key = item.key();
    if (std::find(known.begin(), known.end(), key) == known.end()) {
      Fail(FieldPath(objectPath, key), "unknown key");
    }
  }
}

void FieldReader::ExpectObject(const nlohmann::json& value, const std::string& field) const {
  if (!value.is_object()) Fail(field, "expected an object");
}

void FieldReader::ExpectArray(const nlohmann::json& value, const std::string& field,
                              std::size_t maxSize) const {
  if (!value.is_array()) Fail(field, "expected an array");
  if (value.size() > maxSize) {
    Fail(field, "at most " + std::to_string(maxSize) + " entries allowed, got " +
                    std::to_string(value.size()));
  }
}

int FieldReader::Int(const nlohmann::json& value, const std::string& field, std::int64_t minimum,
                     std::int64_t maximum) const {
  if (!value.is_number_integer()) Fail(field, "expected an integer");
  const auto outOfRange = [&] {
    if (minimum == INT32_MIN && maximum == INT32_MAX) {
      Fail(field, "expected a 32-bit integer, got " + value.dump());
    }
    Fail(field, "expected an integer from " + std::to_string(minimum) + " to " +
                    std::to_string(maximum) + ", got " + value.dump());
  };
  // Non-negative integers above INT64_MAX are only representable unsigned.
  if (value.is_number_unsigned()) {
    const std::uint64_t number = value.get<std::uint64_t>();
    if (maximum < 0 || number > static_cast<std::uint64_t>(maximum)) outOfRange();
    if (minimum > 0 && number < static_cast<std::uint64_t>(minimum)) outOfRange();
    return static_cast<int>(number);
  }
  const std::int64_t number = value.get<std::int64_t>();
  if (number < minimum || number > maximum) outOfRange();
  return static_cast<int>(number);
}

std::uint32_t FieldReader::UInt32(const nlohmann::json& value, const std::string& field) const {
  if (!value.is_number_integer()) Fail(field, "expected an integer");
  if (!value.is_number_unsigned() || value.get<std::uint64_t>() > UINT32_MAX) {
    Fail(field, "expected an integer from 0 to 4294967295, got " + value.dump());
  }
  return static_cast<std::uint32_t>(value.get<std::uint64_t>());
}

bool FieldReader::Bool(const nlohmann::json& value, const std::string& field) const {
  if (!value.is_boolean()) Fail(field, "expected true or false");
  return value.get<bool>();
}

std::string FieldReader::String(const nlohmann::json& value, const std::string& field) const {
  if (!value.is_string()) Fail(field, "expected a string");
  return value.get<std::string>();
}

std::string FieldReader::SlotText(const nlohmann::json& value, const std::string& field) const {
  std::string text = String(value, field);
  if (text.size() > kMaxTextBytes) {
    Fail(field, "at most " + std::to_string(kMaxTextBytes) + " bytes allowed, got " +
                    std::to_string(text.size()));
  }
  if (text.find('\0') != std::string::npos) Fail(field, "must not contain a NUL character");
  return text;
}

}  // namespace models::detail
