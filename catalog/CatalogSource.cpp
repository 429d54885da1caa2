#include "catalog/CatalogSource.h"

#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <utility>

#include "catalog/CatalogFile.h"
#include "catalog/Utf8.h"

namespace expert::catalog {
namespace {

constexpr std::size_t kMaxErrors = 50;  // beyond that, the rest is noise

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// A decimal number of at most `maxValue`, the whole of `text`.
std::optional<int> ParseDecimal(std::string_view text, int maxValue) {
  if (text.empty() || text.size() > 6) return std::nullopt;
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value > maxValue) return std::nullopt;
  return value;
}

// Resolves \n, \t and \\; returns an error text for anything else.
std::string Unescape(std::string_view raw, std::string& text) {
  text.clear();
  for (std::size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] != '\\') {
      text += raw[i];
      continue;
    }
    if (i + 1 == raw.size()) return "backslash at the end of the text (write \\\\ for a backslash)";
    const char next = raw[++i];
    if (next == 'n') {
      text += '\n';
    } else if (next == 't') {
      text += '\t';
    } else if (next == '\\') {
      text += '\\';
    } else {
      return std::string("unknown escape \\") + next + " (only \\n, \\t and \\\\ are known)";
    }
  }
  return {};
}

}  // namespace

SourceParseResult ParseCatalogSource(std::string_view content, const std::string& fileName) {
  SourceParseResult result;
  std::map<std::pair<std::uint16_t, std::uint32_t>, int> firstLine;  // (language, id) -> line
  std::optional<std::uint16_t> language;
  if (content.substr(0, 3) == "\xEF\xBB\xBF") content.remove_prefix(3);  // a byte-order mark from an editor

  int lineNumber = 0;
  std::size_t start = 0;
  while (start < content.size() && result.errors.size() < kMaxErrors) {
    std::size_t end = content.find('\n', start);
    if (end == std::string_view::npos) end = content.size();
    std::string_view line = content.substr(start, end - start);
    start = end + 1;
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const auto fail = [&](const std::string& what) {
      result.errors.push_back(fileName + ":" + std::to_string(lineNumber) + ": " + what);
    };

    if (line.find('\0') != std::string_view::npos || !IsValidUtf8(line)) {
      fail("line is not valid UTF-8");
      continue;
    }
    const std::string_view trimmed = TrimBlanks(line);
    if (trimmed.empty() || trimmed.front() == '#') continue;

    if (trimmed.front() == '[') {
      const std::optional<int> id =
          trimmed.back() == ']' ? ParseDecimal(trimmed.substr(1, trimmed.size() - 2), 0xFFFF) : std::nullopt;
      if (!id || *id == 0) {
        fail("bad section header '" + std::string(trimmed) + "' (expected a language identifier such as [1033])");
        continue;
      }
      language = static_cast<std::uint16_t>(*id);
      continue;
    }

    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos) {
      fail("expected 'category/number<TAB>text' (no TAB found)");
      continue;
    }
    const std::string_view key = line.substr(0, tab);
    const std::size_t slash = key.find('/');
    const std::optional<int> category =
        slash == std::string_view::npos ? std::nullopt : ParseDecimal(key.substr(0, slash), 0xFFFF - 256);
    const std::optional<int> number =
        slash == std::string_view::npos ? std::nullopt : ParseDecimal(key.substr(slash + 1), 0xFFFF);
    if (!category || !number) {
      fail("bad message key '" + std::string(key) + "' (expected category/number, category 0..65279, number 0..65535)");
      continue;
    }
    if (!language) {
      fail("message " + std::string(key) + " before any [language] section");
      continue;
    }
    SourceMessage message{*category, *number, *language, {}, lineNumber};
    if (const std::string error = Unescape(line.substr(tab + 1), message.text); !error.empty()) {
      fail(error);
      continue;
    }
    const auto [it, inserted] = firstLine.emplace(std::pair{*language, MessageId(*category, *number)}, lineNumber);
    if (!inserted) {
      fail("message " + std::string(key) + " defined twice in language " + std::to_string(*language) +
           " (first at line " + std::to_string(it->second) + ")");
      continue;
    }
    result.messages.push_back(std::move(message));
  }
  if (result.errors.size() >= kMaxErrors) result.errors.push_back(fileName + ": too many errors, giving up");
  return result;
}

SourceParseResult ReadCatalogSource(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    SourceParseResult result;
    result.errors.push_back(path + ": cannot be read");
    return result;
  }
  std::ostringstream content;
  content << in.rdbuf();
  return ParseCatalogSource(content.str(), path);
}

}  // namespace expert::catalog
