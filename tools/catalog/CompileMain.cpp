// catalog-compile: turns a catalog source into the compiled catalog file the
// module loads, and optionally into the module's string table source.
//
//   catalog-compile SOURCE.txt [-o OUT.cat] [--string-table OUT.cpp]
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "catalog/CatalogFile.h"
#include "catalog/CatalogSource.h"
#include "tools/catalog/OutputFile.h"
#include "tools/catalog/StringTableWriter.h"

namespace {

constexpr char kUsage[] =
    "usage: catalog-compile SOURCE.txt [-o OUT.cat] [--string-table OUT.cpp]\n"
    "\n"
    "  -o OUT.cat               write the compiled catalog\n"
    "  --string-table OUT.cpp   write the module's string table source\n"
    "  --help                   show this text\n";

int Usage(const std::string& why) {
  std::fprintf(stderr, "catalog-compile: %s\n%s", why.c_str(), kUsage);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace expert::catalog;
  std::string source;
  std::string catalogOut;
  std::string tableOut;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    } else if (arg == "-o" || arg == "--string-table") {
      if (i + 1 >= argc) return Usage(arg + " needs a file name");
      (arg == "-o" ? catalogOut : tableOut) = argv[++i];
    } else if (!arg.empty() && arg[0] != '-' && source.empty()) {
      source = arg;
    } else {
      return Usage(source.empty() || arg[0] == '-' ? "unknown argument \"" + arg + "\""
                                                   : "only one source, not also \"" + arg + "\"");
    }
  }
  if (source.empty()) return Usage("no catalog source given");
  if (catalogOut.empty() && tableOut.empty()) return Usage("nothing to write: give -o or --string-table");

  const SourceParseResult parsed = ReadCatalogSource(source);
  for (const std::string& error : parsed.errors) std::fprintf(stderr, "%s\n", error.c_str());
  if (!parsed.ok()) return 1;

  if (!catalogOut.empty()) {
    std::vector<CatalogEntry> entries;
    entries.reserve(parsed.messages.size());
    for (const SourceMessage& message : parsed.messages) {
      // Every stored message carries a line end; the lookup strips it.
      entries.push_back({MessageId(message.category, message.number), message.language, message.text + "\r\n"});
    }
    const CatalogWriteResult image = SerializeCatalog(std::move(entries));
    if (!image.error.empty()) {
      std::fprintf(stderr, "%s: %s\n", source.c_str(), image.error.c_str());
      return 1;
    }
    const std::string content(image.bytes.begin(), image.bytes.end());
    if (const std::string error = WriteFileAtomically(catalogOut, content); !error.empty()) {
      std::fprintf(stderr, "%s\n", error.c_str());
      return 1;
    }
  }
  if (!tableOut.empty()) {
    std::size_t count = 0;
    const std::string table =
        WriteStringTable(parsed.messages, std::filesystem::path(source).filename().string(), count);
    if (count == 0) std::fprintf(stderr, "%s: warning: no English 2201 messages for the string table\n", source.c_str());
    if (const std::string error = WriteFileAtomically(tableOut, table); !error.empty()) {
      std::fprintf(stderr, "%s\n", error.c_str());
      return 1;
    }
  }
  return 0;
}
