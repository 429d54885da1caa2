#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include <nlohmann/json.hpp>

#include "models/ModelError.h"

namespace models::testing {

// The smallest document the database accepts.
inline nlohmann::json MinimalDoc() {
  return {{"type", 5},
          {"model", 30},
          {"name", "P"},
          {"inputs", nlohmann::json::array({{{"name", "In"}, {"code", 0}, {"code2", 0}}})},
          {"connection", {{"address", "10.0.0.2"}}}};
}

// Runs `action`, which must throw a ModelError, and returns that error.
inline ModelError ErrorFrom(const std::function<void()>& action) {
  try {
    action();
  } catch (const ModelError& e) {
    return e;
  }
  ADD_FAILURE() << "no ModelError thrown";
  return ModelError("", "", "", "none");
}

// A directory of its own for one test, removed afterwards.
struct TempDir {
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "models-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path = pattern;
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  std::string Write(const std::string& name, const std::string& text) const {
    std::ofstream(path / name) << text;
    return (path / name).string();
  }
  std::filesystem::path path;
};

}  // namespace models::testing
