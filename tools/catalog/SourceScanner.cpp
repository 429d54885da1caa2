#include "tools/catalog/SourceScanner.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>

#include "catalog/CodedLabel.h"

namespace expert::catalog {
namespace {

constexpr int kLabelCategory = 4;

bool IsIdentifierChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

struct StringLiteral {
  std::size_t offset = 0;
  std::string content;  // simple escapes resolved
};

// The source split into code, where comments and literal contents are
// blanked (line breaks kept, so offsets and lines stay), and its string literals.
struct Lexed {
  std::string code;
  std::vector<StringLiteral> literals;
};

// The identifier or number that ends just before `at`.
std::string_view TokenBefore(std::string_view text, std::size_t at) {
  std::size_t start = at;
  while (start > 0 && IsIdentifierChar(text[start - 1])) --start;
  return text.substr(start, at - start);
}

char Unescaped(char c) {
  switch (c) {
    case 'n': return '\n';
    case 't': return '\t';
    case 'r': return '\r';
    default: return c;  // \\, \", \' and anything rarer: the character itself
  }
}

Lexed Lex(std::string_view source) {
  Lexed lexed{std::string(source), {}};
  std::string& code = lexed.code;
  const auto blank = [&](std::size_t from, std::size_t to) {
    for (std::size_t k = from; k < to && k < code.size(); ++k) {
      if (code[k] != '\n') code[k] = ' ';
    }
  };
  std::size_t i = 0;
  while (i < source.size()) {
    const char c = source[i];
    if (c == '/' && i + 1 < source.size() && source[i + 1] == '/') {
      const std::size_t end = std::min(source.find('\n', i), source.size());
      blank(i, end);
      i = end;
    } else if (c == '/' && i + 1 < source.size() && source[i + 1] == '*') {
      const std::size_t close = source.find("*/", i + 2);
      const std::size_t end = close == std::string_view::npos ? source.size() : close + 2;
      blank(i, end);
      i = end;
    } else if (c == '"') {
      const std::string_view prefix = TokenBefore(source, i);
      StringLiteral literal{i, {}};
      std::size_t end = 0;
      if (prefix == "R" || prefix == "u8R" || prefix == "uR" || prefix == "UR" || prefix == "LR") {
        const std::size_t open = source.find('(', i + 1);
        const std::string delimiter =
            ")" + std::string(source.substr(i + 1, open == std::string_view::npos ? 0 : open - i - 1)) + "\"";
        const std::size_t close = open == std::string_view::npos ? std::string_view::npos : source.find(delimiter, open);
        if (close == std::string_view::npos) {
          end = source.size();
        } else {
          literal.content = source.substr(open + 1, close - open - 1);
          end = close + delimiter.size();
        }
      } else {
        end = i + 1;
        while (end < source.size() && source[end] != '"' && source[end] != '\n') {
          if (source[end] == '\\' && end + 1 < source.size()) {
            literal.content += Unescaped(source[end + 1]);
            end += 2;
          } else {
            literal.content += source[end++];
          }
        }
        if (end < source.size() && source[end] == '"') ++end;
      }
      blank(i + 1, end - 1);
      lexed.literals.push_back(std::move(literal));
      i = end;
    } else if (c == '\'') {
      const std::string_view before = TokenBefore(source, i);
      if (!before.empty() && before.front() >= '0' && before.front() <= '9') {
        ++i;  // a digit separator: 1'000
        continue;
      }
      std::size_t end = i + 1;
      while (end < source.size() && source[end] != '\'' && source[end] != '\n') end += source[end] == '\\' ? 2 : 1;
      end = std::min(end + 1, source.size());
      blank(i + 1, end - 1);
      i = end;
    } else {
      ++i;
    }
  }
  return lexed;
}

void SkipBlanks(std::string_view code, std::size_t& i) {
  while (i < code.size() && (code[i] == ' ' || code[i] == '\t' || code[i] == '\n' || code[i] == '\r')) ++i;
}

// A decimal or hexadecimal integer literal at `i`, without suffix.
std::optional<int> ReadInteger(std::string_view code, std::size_t& i) {
  const std::size_t start = i;
  long long value = 0;
  if (code.substr(i, 2) == "0x" || code.substr(i, 2) == "0X") {
    for (i += 2; i < code.size() && std::isxdigit(static_cast<unsigned char>(code[i])); ++i) {
      value = value * 16 + (std::isdigit(static_cast<unsigned char>(code[i])) ? code[i] - '0' : (code[i] | 0x20) - 'a' + 10);
      if (value > 0xFFFFFF) return std::nullopt;
    }
  } else {
    for (; i < code.size() && code[i] >= '0' && code[i] <= '9'; ++i) {
      value = value * 10 + (code[i] - '0');
      if (value > 0xFFFFFF) return std::nullopt;
    }
  }
  if (i == start || (i < code.size() && IsIdentifierChar(code[i]))) return std::nullopt;
  return static_cast<int>(value);
}

// After the name at `i`: "(C, N" and then `terminators`.
std::optional<std::pair<int, int>> ReadCall(std::string_view code, std::size_t i, std::string_view terminators) {
  SkipBlanks(code, i);
  if (i >= code.size() || code[i] != '(') return std::nullopt;
  ++i;
  SkipBlanks(code, i);
  const std::optional<int> category = ReadInteger(code, i);
  SkipBlanks(code, i);
  if (!category || i >= code.size() || code[i] != ',') return std::nullopt;
  ++i;
  SkipBlanks(code, i);
  const std::optional<int> number = ReadInteger(code, i);
  SkipBlanks(code, i);
  if (!number || i >= code.size() || terminators.find(code[i]) == std::string_view::npos) return std::nullopt;
  return std::pair{*category, *number};
}

}  // namespace

CppSourceScan ScanCppSource(std::string_view source) {
  const Lexed lexed = Lex(source);
  std::vector<std::size_t> lineStarts{0};
  for (std::size_t k = 0; k < source.size(); ++k) {
    if (source[k] == '\n') lineStarts.push_back(k + 1);
  }
  const auto lineOf = [&](std::size_t offset) {
    return static_cast<int>(std::upper_bound(lineStarts.begin(), lineStarts.end(), offset) - lineStarts.begin());
  };

  CppSourceScan scan;
  const std::string_view code = lexed.code;
  std::vector<std::pair<std::size_t, SourceReference>> calls;  // by position, for reports in source order
  for (const auto& [name, terminators] : {std::pair<std::string_view, std::string_view>{"Msg", ")"},
                                          std::pair<std::string_view, std::string_view>{"GetCatalogText", ",)"}}) {
    for (std::size_t at = code.find(name); at != std::string_view::npos; at = code.find(name, at + 1)) {
      const std::size_t end = at + name.size();
      if ((at > 0 && IsIdentifierChar(code[at - 1])) || (end < code.size() && IsIdentifierChar(code[end]))) continue;
      if (const auto call = ReadCall(code, end, terminators)) {
        calls.push_back({at, {call->first, call->second, lineOf(at)}});
      }
    }
  }
  std::sort(calls.begin(), calls.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  for (const auto& [at, ref] : calls) scan.messages.push_back(ref);
  for (const StringLiteral& literal : lexed.literals) {
    if (const std::optional<int> number = ParseCodedLabel(literal.content)) {
      scan.labels.push_back({kLabelCategory, *number, lineOf(literal.offset)});
    }
  }
  return scan;
}

}  // namespace expert::catalog
