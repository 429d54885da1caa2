#pragma once
// Finds the catalog messages the model database refers to. Lists of codes
// name their entries through formula ranges of category 5:
//   "aspect"    -> 5/(code + 1)
//   "gamma"     -> 5/(code + 70) and 5/(code + 204)
//   "colorTemp" -> 5/(code + 250)
//   "myButton"  -> 5/(code + 170)
// Each is an array of {"code", "name"} objects wherever it appears in the
// document (one model per file, or many).
#include <string>
#include <string_view>
#include <vector>

namespace expert::catalog {

struct ModelReference {
  int category = 0;
  int number = 0;
  std::string where;  // "file (model 5/30): gamma code 3"
};

struct ModelScan {
  std::vector<ModelReference> references;
  std::vector<std::string> errors;
};

ModelScan ScanModelJson(std::string_view json, const std::string& fileName);

}  // namespace expert::catalog
