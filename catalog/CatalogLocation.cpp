// Where LoadCatalog looks for the catalog files.
#include <dlfcn.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "catalog/Catalog.h"

std::vector<std::string> CatalogSearchDirectories() {
  std::vector<std::string> directories;
  if (const char* fromEnvironment = std::getenv("EXPERT_CATALOG_DIR"); fromEnvironment != nullptr && *fromEnvironment) {
    directories.emplace_back(fromEnvironment);
  }
  // The catalogs are built and installed beside the module's own library.
  Dl_info info{};
  if (::dladdr(reinterpret_cast<void*>(&CatalogSearchDirectories), &info) != 0 && info.dli_fname != nullptr) {
    const std::string library = info.dli_fname;
    const std::size_t slash = library.rfind('/');
    if (slash != std::string::npos) directories.push_back(slash == 0 ? "/" : library.substr(0, slash));
  }
#ifdef EXPERT_CATALOG_INSTALL_DIR
  directories.emplace_back(EXPERT_CATALOG_INSTALL_DIR);
#endif
  return directories;
}
