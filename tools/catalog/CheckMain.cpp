// catalog-check: fails the build when a message that the code or the model
// database refers to is missing from a catalog, or when a translation's
// inserts differ from the English text.
//
//   catalog-check --root DIR --catalog FILE=LANG[,LANG...] [--catalog ...]
//                 [--models FOLDER] [--labels FOLDER] [--stamp FILE] FOLDER...
//
// FOLDERs (relative to --root, missing ones skipped) are scanned for
// Msg(C, N) and GetCatalogText(C, N, ...); string literals under --labels
// (default resources) that are coded labels count as 4/N; the model database
// (default models/db) adds its formula ranges. On success the stamp file is
// written, on failure removed.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "tools/catalog/CatalogCheck.h"
#include "tools/catalog/OutputFile.h"

namespace {

constexpr char kUsage[] =
    "usage: catalog-check --root DIR --catalog FILE=LANG[,LANG...] [--catalog ...]\n"
    "                     [--models FOLDER] [--labels FOLDER] [--stamp FILE] FOLDER...\n"
    "\n"
    "Fails when a message that the sources in FOLDER... (or the model database)\n"
    "refer to is missing from a catalog, or a translation's inserts differ.\n"
    "\n"
    "  --root DIR                  the source tree\n"
    "  --catalog FILE=LANG,...     a catalog source and the languages it must hold\n"
    "  --models FOLDER             the model database (default models/db)\n"
    "  --labels FOLDER             sources whose string literals are coded labels\n"
    "                              (default resources)\n"
    "  --stamp FILE                written when the check passes\n"
    "  --help                      show this text\n";

int Usage(const std::string& why) {
  std::fprintf(stderr, "catalog-check: %s\n%s", why.c_str(), kUsage);
  return 2;
}

bool ParseRequirement(const std::string& text, expert::catalog::CatalogRequirement& requirement) {
  const std::size_t equals = text.rfind('=');
  if (equals == std::string::npos || equals == 0) return false;
  requirement.source = text.substr(0, equals);
  std::size_t start = equals + 1;
  while (start <= text.size()) {
    const std::size_t comma = std::min(text.find(',', start), text.size());
    const std::string number = text.substr(start, comma - start);
    if (number.empty() || number.size() > 5 || number.find_first_not_of("0123456789") != std::string::npos) return false;
    const long value = std::strtol(number.c_str(), nullptr, 10);
    if (value <= 0 || value > 0xFFFF) return false;
    requirement.languages.push_back(static_cast<std::uint16_t>(value));
    start = comma + 1;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace expert::catalog;
  CheckOptions options;
  std::string stamp;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--help" || arg == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    }
    if (!hasValue && (arg == "--root" || arg == "--catalog" || arg == "--models" || arg == "--labels" || arg == "--stamp"))
      return Usage(arg + " needs a value");
    if (arg == "--root" && hasValue) {
      options.root = argv[++i];
    } else if (arg == "--catalog" && hasValue) {
      CatalogRequirement requirement;
      if (!ParseRequirement(argv[++i], requirement)) return Usage(std::string("bad --catalog ") + argv[i]);
      options.catalogs.push_back(requirement);
    } else if (arg == "--models" && hasValue) {
      options.modelFolder = argv[++i];
    } else if (arg == "--labels" && hasValue) {
      options.labelFolder = argv[++i];
    } else if (arg == "--stamp" && hasValue) {
      stamp = argv[++i];
    } else if (!arg.empty() && arg[0] != '-') {
      options.scanFolders.push_back(arg);
    } else {
      return Usage("unexpected argument " + arg);
    }
  }
  if (options.root.empty() || options.catalogs.empty()) return Usage("--root and at least one --catalog are required");

  if (!stamp.empty()) {
    std::error_code ignored;  // a stamp that cannot be removed fails the write below
    std::filesystem::remove(stamp, ignored);
  }
  const CheckReport report = RunCatalogCheck(options);
  if (!report.ok()) {
    std::fprintf(stderr, "catalog-check: %zu problem(s):\n", report.problems.size());
    for (const std::string& problem : report.problems) std::fprintf(stderr, "  %s\n", problem.c_str());
    return 1;
  }
  std::printf("catalog-check: %zu messages referred to, all present in %zu catalog(s)\n", report.references,
              options.catalogs.size());
  if (!stamp.empty()) {
    if (const std::string error = WriteFileAtomically(stamp, "ok\n"); !error.empty()) {
      std::fprintf(stderr, "catalog-check: %s\n", error.c_str());
      return 1;
    }
  }
  return 0;
}
