#pragma once
// The build-time catalog check: every message that the code or the model
// database refers to must exist in every required language of every catalog,
// and every translation must use the same inserts as the English text of the
// same message.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace expert::catalog {

struct CatalogRequirement {
  std::filesystem::path source;          // the catalog source (.txt)
  std::vector<std::uint16_t> languages;  // every referenced message must exist in each
};

struct CheckOptions {
  std::filesystem::path root;                 // the source tree; other paths are relative to it
  std::vector<std::string> scanFolders;       // C++ sources (*.cpp, *.h) scanned for Msg/GetCatalogText; missing ones skipped
  std::string labelFolder = "resources";      // where string literals are coded labels
  std::string modelFolder = "models/db";      // the model database (*.json)
  std::vector<CatalogRequirement> catalogs;
};

struct CheckReport {
  std::vector<std::string> problems;  // one line each, ready to print
  std::size_t references = 0;         // distinct messages referred to
  bool ok() const { return problems.empty(); }
};

CheckReport RunCatalogCheck(const CheckOptions& options);

}  // namespace expert::catalog
