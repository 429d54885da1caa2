// expert-driver: runs the module headless, driven by JSON lines on stdin.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "beamlink/Log.h"
#include "catalog/Catalog.h"
#include "models/ModelDatabase.h"
#include "tools/driver/Session.h"

namespace {

constexpr char kUsage[] =
    "usage: expert-driver [--catalog-dir DIR]\n"
    "\n"
    "Runs the Expert Control module headless. Reads one JSON command per line on\n"
    "stdin and writes one JSON reply or event per line on stdout; see docs/driver.md.\n"
    "\n"
    "  --catalog-dir DIR  load the message catalogs from DIR only (a directory\n"
    "                     without them shows the module as it is without catalogs)\n"
    "  --verbose          print the projector library's diagnostics on stderr\n"
    "  --version          show the program's name and version\n"
    "  --help             show this text\n"
    "\n"
    "The model database is read from $EXPERT_MODEL_DB, or from\n"
    "share/expert-control/models beside the program's directory.\n";

int UsageError(const std::string& problem) {
  std::fprintf(stderr, "expert-driver: %s\n%s", problem.c_str(), kUsage);
  return 2;
}

// The module loaded its catalog when its library was loaded, before main ran,
// as it does inside a host. A catalog directory replaces that choice: the
// catalog is loaded again from that directory alone, so a directory without
// catalogs shows the module as it is without one.
bool UseCatalogDirectory(const std::string& directory) {
  std::error_code error;
  if (!std::filesystem::is_directory(directory, error)) return false;
  FreeCatalog();
  LoadCatalogFrom({directory});
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    }
    if (arg == "--version") {
      std::puts("expert-driver " EXPERT_VERSION);
      return 0;
    }
    if (arg == "--verbose") {
      beamlink::SetVerbose(true);
      continue;
    }
    if (arg == "--catalog-dir" || arg.starts_with("--catalog-dir=")) {
      if (arg == "--catalog-dir" && i + 1 >= argc) return UsageError("--catalog-dir needs a directory");
      const std::string directory = arg == "--catalog-dir" ? argv[++i] : arg.substr(14);
      if (!UseCatalogDirectory(directory)) return UsageError("no directory \"" + directory + "\"");
      continue;
    }
    return UsageError("unknown argument \"" + arg + "\"");
  }

  // The driver does not start on a broken database: every later answer would
  // be suspect.
  std::optional<models::ModelDatabase> database;
  try {
    database = models::ModelDatabase::Load(models::ModelDatabase::DefaultDirectory());
  } catch (const std::exception& error) {
    std::fprintf(stderr, "expert-driver: model database unusable: %s\n", error.what());
    return 2;
  }

  std::ios::sync_with_stdio(false);
  driver::Session session(*database, driver::StreamLines(std::cin), driver::StreamSink(std::cout));
  session.Run();
  return 0;
}
