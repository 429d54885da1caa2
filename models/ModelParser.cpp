#include "models/ModelParser.h"

#include <charconv>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>

#include "beamlink/LinkLimits.h"
#include "beamlink/pjlink/Mapping.h"
#include "models/Address.h"
#include "models/JsonFields.h"
#include "models/RangeText.h"

namespace models {
namespace {

using detail::FieldPath;
using detail::FieldReader;
using nlohmann::json;

// Database files are checked in full; overrides name only what they change and
// may carry range texts that are deliberately malformed; a hand-off is checked
// as a database file, but a host may hand over a model type of any number.
enum class Mode { kDatabase, kOverride, kHandOff };

// "0".."33" written the canonical way, so that "07" cannot alias "7".
std::optional<std::size_t> RangeIndex(std::string_view key) {
  if (key.empty() || key.size() > 2 || (key.size() == 2 && key[0] == '0')) return std::nullopt;
  std::size_t index = 0;
  const auto [end, error] = std::from_chars(key.data(), key.data() + key.size(), index);
  if (error != std::errc() || end != key.data() + key.size() || index >= kRangeCount) {
    return std::nullopt;
  }
  return index;
}

class DescriptionReader {
 public:
  DescriptionReader(FieldReader& reader, Mode mode) : reader_(reader), mode_(mode) {}

  void Apply(const json& doc, ModelDescription& desc) const {
    if (!doc.is_object()) reader_.Fail("", "expected an object describing one model");

    if (mode_ != Mode::kOverride) {
      reader_.Require(doc, "", "type");
      reader_.Require(doc, "", "model");
    }
    if (const json* type = FieldReader::Find(doc, "type")) {
      desc.type = mode_ == Mode::kHandOff ? reader_.Int(*type, "type") : reader_.Int(*type, "type", 1, 5);
    }
    if (const json* model = FieldReader::Find(doc, "model")) {
      desc.model = reader_.Int(*model, "model", 0);
    }
    reader_.SetModelKey(desc.Key());

    reader_.RejectUnknownKeys(doc, "",
                              {"type", "model", "name", "inputs", "whisper", "aspect", "gamma",
                               "colorTemp", "myButton", "ranges", "option1", "option2",
                               "connection"});
    if (mode_ != Mode::kOverride) {
      for (const char* key : {"name", "inputs", "connection"}) reader_.Require(doc, "", key);
    }

    if (const json* name = FieldReader::Find(doc, "name")) {
      desc.name = reader_.String(*name, "name");
    }
    if (const json* inputs = FieldReader::Find(doc, "inputs")) {
      desc.inputs = ReadInputs(*inputs);
    }
    ReadListIfPresent(doc, "whisper", desc.whisper);
    ReadListIfPresent(doc, "aspect", desc.aspect);
    ReadListIfPresent(doc, "gamma", desc.gamma);
    ReadListIfPresent(doc, "colorTemp", desc.colorTemp);
    ReadListIfPresent(doc, "myButton", desc.myButton);
    if (const json* ranges = FieldReader::Find(doc, "ranges")) {
      desc.ranges = ReadRanges(*ranges);
    }
    if (const json* flag = FieldReader::Find(doc, "option1")) {
      desc.option1 = reader_.Bool(*flag, "option1");
    }
    if (const json* flag = FieldReader::Find(doc, "option2")) {
      desc.option2 = reader_.Bool(*flag, "option2");
    }
    if (const json* connection = FieldReader::Find(doc, "connection")) {
      ReadConnection(*connection, desc.connection);
    }
  }

 private:
  std::vector<Input> ReadInputs(const json& array) const {
    reader_.ExpectArray(array, "inputs", kMaxInputs);
    std::vector<Input> inputs;
    for (std::size_t i = 0; i < array.size(); ++i) {
      const json& entry = array[i];
      const std::string path = FieldPath("inputs", i);
      reader_.ExpectObject(entry, path);
      reader_.RejectUnknownKeys(entry, path, {"name", "code", "code2", "pjlink"});
      Input input;
      input.name = reader_.SlotText(reader_.Require(entry, path, "name"), FieldPath(path, "name"));
      input.code = reader_.Int(reader_.Require(entry, path, "code"), FieldPath(path, "code"));
      input.code2 = reader_.Int(reader_.Require(entry, path, "code2"), FieldPath(path, "code2"));
      if (const json* pjlink = FieldReader::Find(entry, "pjlink")) input.pjlink = ReadPjLinkInput(*pjlink, inputs, path);
      inputs.push_back(std::move(input));
    }
    return inputs;
  }

  // A PJLink input names one terminal; two inputs of a model naming the same
  // one would make the projector's answer ambiguous.
  std::string ReadPjLinkInput(const json& value, const std::vector<Input>& before, const std::string& path) const {
    const std::string field = FieldPath(path, "pjlink");
    std::string input = reader_.String(value, field);
    if (!beamlink::pjlink::IsPjLinkInput(input))
      reader_.Fail(field, "expected a PJLink input, \"11\" to \"6Z\" (terminal kind 1-6, then 1-9 or A-Z)");
    for (const Input& other : before)
      if (other.pjlink == input) reader_.Fail(field, "PJLink input " + input + " is already " + other.name);
    return input;
  }

  void ReadListIfPresent(const json& doc, const char* key, std::vector<ListEntry>& list) const {
    const json* array = FieldReader::Find(doc, key);
    if (array == nullptr) return;
    reader_.ExpectArray(*array, key, kMaxListEntries);
    std::vector<ListEntry> entries;
    for (std::size_t i = 0; i < array->size(); ++i) {
      const json& entry = (*array)[i];
      const std::string path = FieldPath(key, i);
      reader_.ExpectObject(entry, path);
      reader_.RejectUnknownKeys(entry, path, {"code", "name"});
      ListEntry item;
      item.code = reader_.Int(reader_.Require(entry, path, "code"), FieldPath(path, "code"));
      item.name = reader_.SlotText(reader_.Require(entry, path, "name"), FieldPath(path, "name"));
      entries.push_back(std::move(item));
    }
    list = std::move(entries);
  }

  std::array<std::string, kRangeCount> ReadRanges(const json& object) const {
    reader_.ExpectObject(object, "ranges");
    std::array<std::string, kRangeCount> ranges;
    for (const auto& item : object.items()) {
      const std::string path = FieldPath("ranges", item.key());
      const auto index = RangeIndex(item.key());
      if (!index) reader_.Fail(path, "unknown range entry (expected \"0\" to \"33\")");
      std::string text = reader_.SlotText(item.value(), path);
      if (mode_ != Mode::kOverride) {
        if (const auto problem = RangeTextProblem(text)) reader_.Fail(path, *problem);
      }
      ranges[*index] = std::move(text);
    }
    return ranges;
  }

  void ReadConnection(const json& object, Connection& connection) const {
    const std::string path = "connection";
    reader_.ExpectObject(object, path);
    reader_.RejectUnknownKeys(object, path,
                              {"kind", "port", "third", "address", "fourth", "text2"});
    if (mode_ != Mode::kOverride) reader_.Require(object, path, "address");

    if (const json* kind = FieldReader::Find(object, "kind")) {
      connection.kind = reader_.Int(*kind, FieldPath(path, "kind"));
    }
    if (const json* port = FieldReader::Find(object, "port")) {
      connection.port = reader_.Int(*port, FieldPath(path, "port"), 0);
    }
    if (const json* third = FieldReader::Find(object, "third")) {
      connection.third = reader_.Int(*third, FieldPath(path, "third"));
    }
    if (const json* address = FieldReader::Find(object, "address")) {
      connection.address = ReadAddress(*address, FieldPath(path, "address"));
    }
    if (const json* fourth = FieldReader::Find(object, "fourth")) {
      // The reply timeout: a dead projector must cost seconds, not minutes.
      const std::string field = FieldPath(path, "fourth");
      connection.fourth = reader_.Int(*fourth, field);
      if (connection.fourth != 0 && !beamlink::TimeoutInRange(connection.fourth))
        reader_.Fail(field, "expected 0 (the default) or " + beamlink::TimeoutRangeText());
    }
    if (const json* text2 = FieldReader::Find(object, "text2")) {
      connection.text2 = reader_.SlotText(*text2, FieldPath(path, "text2"));
    }
  }

  std::uint32_t ReadAddress(const json& value, const std::string& field) const {
    if (value.is_string()) {
      if (const auto address = ParseDottedAddress(value.get_ref<const std::string&>())) {
        return *address;
      }
      reader_.Fail(field, "expected dotted text \"a.b.c.d\" with octets 0..255");
    }
    if (value.is_number_integer()) return reader_.UInt32(value, field);
    reader_.Fail(field, "expected dotted text \"a.b.c.d\" or a 32-bit unsigned number");
  }

  FieldReader& reader_;
  Mode mode_;
};

}  // namespace

ModelDescription ParseModel(const nlohmann::json& doc, const std::string& source) {
  FieldReader reader(source, "");
  ModelDescription desc;
  DescriptionReader(reader, Mode::kDatabase).Apply(doc, desc);
  return desc;
}

ModelDescription ParseHandOffModel(const nlohmann::json& doc, const std::string& source) {
  FieldReader reader(source, "");
  ModelDescription desc;
  DescriptionReader(reader, Mode::kHandOff).Apply(doc, desc);
  return desc;
}

void ApplyOverrides(ModelDescription& desc, const nlohmann::json& partial,
                    const std::string& source) {
  FieldReader reader(source, desc.Key());
  ModelDescription updated = desc;
  DescriptionReader(reader, Mode::kOverride).Apply(partial, updated);
  desc = std::move(updated);
}

}  // namespace models
