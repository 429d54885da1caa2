#include "models/ModelError.h"

#include <utility>

namespace models {
namespace {

std::string Describe(const std::string& file, const std::string& modelKey,
                     const std::string& field, const std::string& message) {
  std::string text = file.empty() ? "model description" : file;
  if (!modelKey.empty()) text += ": model " + modelKey;
  if (!field.empty()) text += ": field \"" + field + "\"";
  return text + ": " + message;
}

}  // namespace

ModelError::ModelError(std::string file, std::string modelKey, std::string field,
                       std::string message)
    : std::runtime_error(Describe(file, modelKey, field, message)),
      file_(std::move(file)),
      modelKey_(std::move(modelKey)),
      field_(std::move(field)),
      message_(std::move(message)) {}

}  // namespace models
