#include "tools/catalog/ModelScanner.h"

#include <nlohmann/json.hpp>

namespace expert::catalog {
namespace {

constexpr int kListCategory = 5;

// The list-item message a page shows for a code of a model's list, as the
// pages of each model type compute it.
int ItemMessage(const std::string& list, long long type, long long model, int code) {
  if (list == "aspect") {
    if (type == 2 && code == 2) return 360;
    if (type == 3 && (model == 8 || model == 10 || model == 47 || model == 48)) return code + 350;
    return code + 1;
  }
  if (list == "gamma") return code + (type >= 4 ? 204 : 70);
  if (list == "colorTemp") return code + 250;
  return code + 170;  // myButton
}

const char* const kCodeLists[] = {"aspect", "gamma", "colorTemp", "myButton"};

long long IntegerField(const nlohmann::json& object, const char* key) {
  const auto it = object.find(key);
  return it != object.end() && it->is_number_integer() ? it->get<long long>() : 0;
}

std::string ModelName(const nlohmann::json& object) {
  if (object.contains("type") && object.contains("model") && object["type"].is_number_integer() &&
      object["model"].is_number_integer()) {
    return " (model " + std::to_string(object["type"].get<long long>()) + "/" +
           std::to_string(object["model"].get<long long>()) + ")";
  }
  return {};
}

void Walk(const nlohmann::json& node, const std::string& fileName, ModelScan& scan) {
  if (node.is_array()) {
    for (const auto& element : node) Walk(element, fileName, scan);
    return;
  }
  if (!node.is_object()) return;
  const std::string model = ModelName(node);
  const long long type = IntegerField(node, "type");
  const long long modelNo = IntegerField(node, "model");
  for (const char* list : kCodeLists) {
    const auto it = node.find(list);
    if (it == node.end() || !it->is_array()) continue;
    for (std::size_t i = 0; i < it->size(); ++i) {
      const nlohmann::json& entry = (*it)[i];
      const std::string where = fileName + model + ": " + list + "[" + std::to_string(i) + "]";
      if (!entry.is_object() || !entry.contains("code") || !entry["code"].is_number_integer()) {
        scan.errors.push_back(where + " has no integer \"code\"");
        continue;
      }
      const long long code = entry["code"].get<long long>();
      if (code < 0 || code > 0xFFFF) {
        scan.errors.push_back(where + " has code " + std::to_string(code) + " outside 0..65535");
        continue;
      }
      scan.references.push_back({kListCategory, ItemMessage(list, type, modelNo, static_cast<int>(code)),
                                 fileName + model + ": " + list + " code " + std::to_string(code)});
    }
  }
  for (const auto& [key, value] : node.items()) Walk(value, fileName, scan);
}

}  // namespace

ModelScan ScanModelJson(std::string_view json, const std::string& fileName) {
  ModelScan scan;
  const nlohmann::json document = nlohmann::json::parse(json, nullptr, /*allow_exceptions=*/false);
  if (document.is_discarded()) {
    scan.errors.push_back(fileName + ": not valid JSON");
    return scan;
  }
  Walk(document, fileName, scan);
  return scan;
}

}  // namespace expert::catalog
