#include "tools/driver/OpenRequest.h"

#include <climits>

#include "models/ModelParser.h"

namespace driver {
namespace {

constexpr char kHostSource[] = "host";

models::ModelDescription FromDatabase(const models::ModelDatabase& database, const std::string& key) {
  const models::ModelDescription* found = database.Find(key);
  if (!found)
    throw CommandError("no model \"" + key + "\" in the model database (expected \"type/model\", e.g. \"5/30\")");
  return *found;
}

// The integer under `key`, when there is one that fits an int.
std::optional<int> SmallInt(const nlohmann::json& object, const char* key) {
  const auto it = object.find(key);
  if (it == object.end() || !it->is_number_integer()) return std::nullopt;
  if (it->is_number_unsigned()) {
    const auto value = it->get<unsigned long long>();
    return value <= INT_MAX ? std::optional<int>(static_cast<int>(value)) : std::nullopt;
  }
  const auto value = it->get<long long>();
  return value >= INT_MIN && value <= INT_MAX ? std::optional<int>(static_cast<int>(value)) : std::nullopt;
}

models::ModelDescription ReadDescription(const CommandArgs& args, const models::ModelDatabase& database) {
  const std::optional<std::string> key = args.OptionalString("model");
  const nlohmann::json* host = args.Find("host");
  if (host && !host->is_object())
    throw CommandError("field \"host\" must be an object, not " + DescribeJsonType(*host));
  if (!key && !host) throw CommandError("\"open\" needs \"model\" (e.g. \"5/30\") or a \"host\" description");

  models::ModelDescription description;
  if (key) {
    description = FromDatabase(database, *key);
  } else {
    if (!host->contains("type") || !host->contains("model"))
      throw CommandError("a \"host\" without \"model\" must carry \"type\" and \"model\"");
    // A model of the database is the base for the host's fields; any other
    // description must be complete (and is checked as a database file is).
    const std::optional<int> type = SmallInt(*host, "type");
    const std::optional<int> model = SmallInt(*host, "model");
    const models::ModelDescription* known = type && model ? database.Find(*type, *model) : nullptr;
    if (!known) return models::ParseHandOffModel(*host, kHostSource);
    description = *known;
  }
  if (!host) return description;
  // A host may hand over a model type of any number, as a full description
  // may (the dialog then shows its status tab only): the type is taken
  // apart from the other overrides, which keep the database's checks.
  nlohmann::json overrides = *host;
  std::optional<int> type;
  if (const auto it = host->find("type"); it != host->end()) {
    type = SmallInt(*host, "type");
    if (!type) throw CommandError("host: type: expected a 32-bit integer, got " + it->dump());
    overrides.erase("type");
  }
  models::ApplyOverrides(description, overrides, kHostSource);
  if (type) description.type = *type;
  return description;
}

HandOffKind ReadHandOff(const CommandArgs& args) {
  const std::string name = args.OptionalString("handoff").value_or("item");
  if (name == "item") return HandOffKind::Item;
  if (name == "modelinfo") return HandOffKind::ModelInfo;
  if (name == "args") return HandOffKind::Args;
  if (name == "args2") return HandOffKind::Args2;
  throw CommandError("unknown handoff \"" + name + "\" (expected \"item\", \"modelinfo\", \"args\" or \"args2\")");
}

std::array<std::string, 32> ReadRanges32(const nlohmann::json& value) {
  if (!value.is_array() || value.size() != 32)
    throw CommandError("field \"ranges32\" must be an array of exactly 32 strings");
  std::array<std::string, 32> ranges;
  for (std::size_t i = 0; i < ranges.size(); ++i) {
    if (!value[i].is_string())
      throw CommandError("ranges32[" + std::to_string(i) + "] must be a string, not " + DescribeJsonType(value[i]));
    ranges[i] = value[i].get<std::string>();
  }
  return ranges;
}

}  // namespace

OpenRequest ReadOpenRequest(const CommandArgs& args, const models::ModelDatabase& database) {
  OpenRequest request;
  request.handOff = ReadHandOff(args);
  if (const std::optional<int> index = args.OptionalInt("connectionIndex")) {
    if (request.handOff != HandOffKind::ModelInfo)
      throw CommandError("\"connectionIndex\" belongs to the \"modelinfo\" hand-off");
    request.connectionIndex = *index;
  }
  if (const nlohmann::json* ranges = args.Find("ranges32")) request.ranges32 = ReadRanges32(*ranges);
  request.connect = ParseConnectTarget(args.OptionalString("connect").value_or("sim"));
  try {
    request.description = ReadDescription(args, database);
  } catch (const models::ModelError& error) {
    throw CommandError(error.what());
  }
  return request;
}

}  // namespace driver
