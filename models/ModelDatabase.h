#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "models/ModelDescription.h"
#include "models/ModelError.h"
#include "models/ModelParser.h"

namespace models {

// Every projector model the application knows, one JSON document per model in
// one directory. A database that fails to load is not usable at all: Load
// throws on the first fault it finds rather than returning part of it.
class ModelDatabase {
 public:
  // Reads every "*.json" file of `dir` (not its subdirectories), in name
  // order. Throws ModelError naming file, model and field for malformed JSON,
  // a missing, malformed or unknown field, a (type, model) pair defined twice,
  // and a missing directory or one without any model file.
  static ModelDatabase Load(const std::filesystem::path& dir);

  // The directory named by the environment variable EXPERT_MODEL_DB when it is
  // set and not empty, otherwise share/expert-control/models seen from the
  // running program's directory (bin/), in the build tree and installed alike.
  static std::filesystem::path DefaultDirectory();

  // nullptr when the model is unknown. Pointers stay valid as long as the
  // database object (or the one it is moved into) lives.
  const ModelDescription* Find(int type, int model) const;
  // `key` as "type/model", e.g. "5/30"; nullptr when malformed or unknown.
  const ModelDescription* Find(std::string_view key) const;

  // Sorted by type, then model.
  const std::vector<ModelDescription>& All() const { return models_; }

 private:
  std::vector<ModelDescription> models_;
};

}  // namespace models
