// Where LoadCatalog looks for the catalog files.
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "catalog/Catalog.h"
#include "datadir/DataDirectory.h"

std::vector<std::string> CatalogSearchDirectories() {
  std::vector<std::string> directories;
  if (const char* fromEnvironment = std::getenv("EXPERT_CATALOG_DIR"); fromEnvironment != nullptr && *fromEnvironment) {
    directories.emplace_back(fromEnvironment);
  }
  // The build puts the catalogs beside the module's own library; an install
  // puts them in share/expert-control, found from the library's directory so
  // that a tree moved to another prefix still finds them.
  const std::filesystem::path library =
      datadir::ObjectDirectory(reinterpret_cast<const void*>(&CatalogSearchDirectories));
  if (!library.empty()) {
    directories.push_back(library.string());
    directories.push_back(datadir::LibraryDataDirectory(library).string());
  }
  return directories;
}
