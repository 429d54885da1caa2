#include "datadir/DataDirectory.h"

#include <dlfcn.h>

#include <system_error>

// The relative paths below come from the install layout (GNUInstallDirs);
// these defaults are that layout with the default directories.
#ifndef EXPERT_BIN_TO_DATAROOT
#define EXPERT_BIN_TO_DATAROOT "../share"
#endif
#ifndef EXPERT_LIB_TO_DATA
#define EXPERT_LIB_TO_DATA "../../share/expert-control"
#endif

namespace datadir {
namespace fs = std::filesystem;

namespace {
constexpr char kPackageDirectory[] = "expert-control";
}

fs::path ProgramDirectory() {
  std::error_code error;
  const fs::path program = fs::read_symlink("/proc/self/exe", error);
  if (error || program.empty()) return {};
  return program.parent_path();
}

fs::path ObjectDirectory(const void* address) {
  Dl_info info{};
  if (::dladdr(address, &info) == 0 || info.dli_fname == nullptr) return {};
  const fs::path object = info.dli_fname;
  // A program's own symbols may be reported under its bare name.
  if (!object.has_parent_path()) return ProgramDirectory();
  std::error_code error;
  const fs::path absolute = fs::absolute(object, error);
  return error ? object.parent_path() : absolute.parent_path();
}

fs::path SharedDataRoot() {
  const fs::path program = ProgramDirectory();
  if (program.empty()) return {};
  return (program / EXPERT_BIN_TO_DATAROOT).lexically_normal();
}

fs::path ProgramDataDirectory() {
  const fs::path root = SharedDataRoot();
  if (root.empty()) return {};
  return root / kPackageDirectory;
}

fs::path LibraryDataDirectory(const fs::path& libraryDirectory) {
  if (libraryDirectory.empty()) return {};
  return (libraryDirectory / EXPERT_LIB_TO_DATA).lexically_normal();
}

}  // namespace datadir
