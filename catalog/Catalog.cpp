#include "catalog/Catalog.h"

#include <cstdio>
#include <cstring>
#include <optional>
#include <string_view>
#include <sys/stat.h>

#include "catalog/CatalogFile.h"
#include "catalog/MessageFormat.h"
#include "catalog/Utf8.h"
#include "framework/Wnd.h"

using expert::catalog::CatalogData;

const CatalogData* MessageCatalog = nullptr;

namespace {

// Marker files are looked for afresh at every call: creating or removing one
// while the host runs switches the language of later lookups.
bool MarkerFileExists(const char* name) {
  struct stat info {};
  return ::stat(name, &info) == 0;
}

std::optional<std::string> Lookup(std::uint32_t id, std::uint16_t language, std::span<const CatalogInsert> inserts) {
  const std::optional<std::string_view> pattern = MessageCatalog->Find(id, language);
  if (!pattern) return std::nullopt;
  return expert::catalog::FormatCatalogMessage(*pattern, inserts);
}

void CopyToBuffer(std::string_view text, char* buffer) {
  const std::size_t length = expert::catalog::Utf8PrefixLength(text, kCatalogTextSize - 1);
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
}

// The product name in the current language: the default caption of the
// framework's message boxes while a catalog is loaded.
std::string ProductName() { return CatalogText(Msg(7, 1)); }

}  // namespace

int LoadCatalogFrom(const std::vector<std::string>& directories) {
  FreeCatalog();
  const bool chinese = MarkerFileExists("GETSCH") || GetSystemDefaultLangID() == kLangChinesePRC;
  const char* fileName = chinese ? "lexzh.cat" : "lexbase.cat";
  for (const std::string& directory : directories) {
    if (directory.empty()) continue;
    const std::string path = directory + "/" + fileName;
    if (!MarkerFileExists(path.c_str())) continue;
    // The first copy found decides: a damaged one is reported, not skipped
    // in favour of an older copy further down the search order.
    expert::catalog::CatalogReadResult result = expert::catalog::ReadCatalogFile(path);
    if (!result.catalog) {
      std::fprintf(stderr, "expert: message catalog %s refused: %s\n", path.c_str(), result.error.c_str());
      return -1;
    }
    MessageCatalog = result.catalog.release();
    AfxSetDefaultAppNameSource(&ProductName);
    return 0;
  }
  return -1;
}

int LoadCatalog() { return LoadCatalogFrom(CatalogSearchDirectories()); }

void FreeCatalog() {
  AfxSetDefaultAppNameSource(nullptr);
  delete MessageCatalog;
  MessageCatalog = nullptr;
}

std::uint16_t CatalogLanguage() {
  if (MarkerFileExists("GETSCH")) return kLangChinesePRC;
  if (MarkerFileExists("GETENG")) return kLangEnglishUS;
  return GetSystemDefaultLangID();
}

void GetCatalogTextInserts(int category, int number, char* buffer, std::span<const CatalogInsert> inserts) {
  GetCatalogTextInsertsIn(CatalogLanguage(), category, number, buffer, inserts);
}

void GetCatalogTextInsertsIn(std::uint16_t language, int category, int number, char* buffer,
                             std::span<const CatalogInsert> inserts) {
  if (buffer == nullptr) return;
  std::optional<std::string> text;
  if (MessageCatalog != nullptr && expert::catalog::IsValidMessageRef(category, number)) {
    const std::uint32_t id = expert::catalog::MessageId(category, number);
    text = Lookup(id, language, inserts);
    if (!text) text = Lookup(id, kLangEnglishUS, inserts);
  }
  if (!text) {
    CopyToBuffer(kNoMessageCatalog, buffer);
    return;
  }
  // Every catalog message ends in a line end, which the screen does not want.
  CopyToBuffer(expert::catalog::DropLastCharacters(*text, 2), buffer);
}
