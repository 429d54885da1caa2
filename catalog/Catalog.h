#pragma once
// The message catalog: every user-visible text of the module is a message
// (category, number) of the catalog file chosen at load time, looked up in
// the user's language with a fallback to English.
//
//   char text[kCatalogTextSize];
//   GetCatalogText(4, 155, text, name, address);   // or GetCatalogText(Msg(4, 155), text, ...)
//   std::string title = CatalogText(Msg(4, 156));
//
// Refer to messages only as Msg(C, N) or as a literal GetCatalogText(C, N, ...):
// the build's catalog check finds the references in that form and fails when
// a catalog lacks one of them.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "catalog/CatalogInsert.h"

namespace expert::catalog {
class CatalogData;
}
class CWnd;

// The loaded catalog; null while none is loaded. Only LoadCatalog and
// FreeCatalog change it.
extern const expert::catalog::CatalogData* MessageCatalog;

// Size of the text buffer every caller passes.
constexpr std::size_t kCatalogTextSize = 1024;
// What a lookup yields when no catalog has the message.
inline constexpr char kNoMessageCatalog[] = "No Message Catalog";

// The language identifiers the catalog knows by name.
constexpr std::uint16_t kLangEnglishUS = 1033;
constexpr std::uint16_t kLangChinesePRC = 2052;

struct CatMsg {
  int category;
  int number;
};
constexpr CatMsg Msg(int category, int number) { return CatMsg{category, number}; }

// Chooses the catalog (lexzh.cat when a file "GETSCH" is in the current
// directory or the system language is 2052, else lexbase.cat) and loads the
// first copy found in CatalogSearchDirectories(). Returns 0 when a catalog
// was loaded, -1 otherwise. A damaged file is refused with one line on stderr.
int LoadCatalog();
// The same, searching only `directories` (in order).
int LoadCatalogFrom(const std::vector<std::string>& directories);
// $EXPERT_CATALOG_DIR (when set), the directory of the module's library (the
// build tree), the data directory seen from that library (an installed tree:
// lib/expert-control/../../share/expert-control).
std::vector<std::string> CatalogSearchDirectories();
void FreeCatalog();

// The system language as a Windows language identifier, from the POSIX
// locale (LC_ALL, LC_MESSAGES, LANG): zh_CN 2052, English 1033, ...; 1033
// for "C", "POSIX" and anything unknown.
std::uint16_t GetSystemDefaultLangID();

// The language of the texts: 2052 when a file "GETSCH" is in the current
// directory, else 1033 when a file "GETENG" is there, else the system
// language. Asked afresh at every call, as the lookups do.
std::uint16_t CatalogLanguage();

// Writes message category/number, its inserts filled from `inserts`, into
// `buffer` (kCatalogTextSize bytes), always terminated, never splitting a
// character. Language: 1033 when a file "GETENG" is in the current
// directory, else the system language; when a file "GETSCH" is there, 2052
// replaces that; then 1033; then "No Message Catalog".
void GetCatalogTextInserts(int category, int number, char* buffer, std::span<const CatalogInsert> inserts);

// Inserts are integers or texts (const char*, char arrays, std::string).
template <class... Inserts>
void GetCatalogText(int category, int number, char* buffer, const Inserts&... inserts) {
  const std::array<CatalogInsert, sizeof...(Inserts)> list{MakeCatalogInsert(inserts)...};
  GetCatalogTextInserts(category, number, buffer, list);
}
template <class... Inserts>
void GetCatalogText(CatMsg message, char* buffer, const Inserts&... inserts) {
  const std::array<CatalogInsert, sizeof...(Inserts)> list{MakeCatalogInsert(inserts)...};
  GetCatalogTextInserts(message.category, message.number, buffer, list);
}
template <class... Inserts>
std::string CatalogText(CatMsg message, const Inserts&... inserts) {
  char buffer[kCatalogTextSize];
  GetCatalogText(message, buffer, inserts...);
  return buffer;
}

// The same in a given language (then English) whatever the user's, for
// names that must not change with it, such as file names.
void GetCatalogTextInsertsIn(std::uint16_t language, int category, int number, char* buffer,
                             std::span<const CatalogInsert> inserts);
template <class... Inserts>
std::string CatalogTextIn(std::uint16_t language, CatMsg message, const Inserts&... inserts) {
  const std::array<CatalogInsert, sizeof...(Inserts)> list{MakeCatalogInsert(inserts)...};
  char buffer[kCatalogTextSize];
  GetCatalogTextInsertsIn(language, message.category, message.number, buffer, list);
  return buffer;
}

// Replaces the coded texts ("73;Brightness") of `dialog` and of its direct
// children with messages of `category`; other texts stay. Does nothing while
// no catalog is loaded, so the coded labels then remain visible.
void TranslateDlgTexts(int category, CWnd* dialog);
