#pragma once
// The human-editable catalog source, UTF-8 text:
//
//   # comment               (a line whose first non-blank character is '#')
//   [1033]                  (language section: a Windows language identifier)
//   4/73<TAB>Brightness     (category/number, one TAB, the text)
//
// Blank lines are ignored. In the text, \n, \t and \\ stand for a line feed,
// a tab and a backslash; any other backslash is an error. Everything else is
// kept verbatim, leading blanks and inserts (%1, %2!d!) included. A message
// defined twice in the same language is an error.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace expert::catalog {

struct SourceMessage {
  int category = 0;
  int number = 0;
  std::uint16_t language = 0;
  std::string text;  // unescaped, without the line end the compiler adds
  int line = 0;
};

struct SourceParseResult {
  std::vector<SourceMessage> messages;  // in file order
  std::vector<std::string> errors;      // "file:line: what is wrong"
  bool ok() const { return errors.empty(); }
};

SourceParseResult ParseCatalogSource(std::string_view content, const std::string& fileName);
SourceParseResult ReadCatalogSource(const std::string& path);

}  // namespace expert::catalog
