#include "catalog/MessageFormat.h"

#include <cstdio>
#include <optional>

#include "catalog/Utf8.h"

namespace expert::catalog {
namespace {

constexpr int kMaxInsertNumber = 99;
constexpr int kMaxWidth = 1023;      // a text never shows more than the 1024-byte buffer
constexpr std::size_t kMaxSpecLength = 20;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// "%N" or "%N!directive!" starting at `at` (which holds the '%').
struct InsertRef {
  int number = 0;
  std::string_view directive;  // without the exclamation marks
  bool hasSpec = false;
  std::size_t length = 0;  // of the whole reference as written
};

// Only a run of characters that can occur in a printf format counts as a
// format; "%1! Try again!" is insert 1 followed by text.
bool LooksLikeSpec(std::string_view directive) {
  if (directive.empty() || directive.size() > kMaxSpecLength) return false;
  for (const char c : directive) {
    if (std::string_view("-+ #0123456789.hlIjztLdiouxXcsSCeEfgGaAp*").find(c) == std::string_view::npos) {
      return false;
    }
  }
  return true;
}

std::optional<InsertRef> ParseInsertRef(std::string_view pattern, std::size_t at) {
  std::size_t i = at + 1;
  if (i >= pattern.size() || pattern[i] < '1' || pattern[i] > '9') return std::nullopt;
  InsertRef ref;
  ref.number = pattern[i++] - '0';
  if (i < pattern.size() && IsDigit(pattern[i])) ref.number = ref.number * 10 + (pattern[i++] - '0');
  if (i < pattern.size() && pattern[i] == '!') {
    const std::size_t close = pattern.find('!', i + 1);
    if (close != std::string_view::npos && LooksLikeSpec(pattern.substr(i + 1, close - i - 1))) {
      ref.directive = pattern.substr(i + 1, close - i - 1);
      ref.hasSpec = true;
      i = close + 1;
    }
  }
  ref.length = i - at;
  return ref;
}

// A printf conversion, checked strictly before anything reaches snprintf.
struct FormatSpec {
  std::string flags;
  int width = -1;
  int precision = -1;
  char conversion = 's';
};

bool ReadNumber(std::string_view directive, std::size_t& i, int& value) {
  value = 0;
  const std::size_t start = i;
  while (i < directive.size() && IsDigit(directive[i])) {
    value = value * 10 + (directive[i] - '0');
    if (value > kMaxWidth) return false;
    ++i;
  }
  return i > start;
}

std::optional<FormatSpec> ParseSpec(std::string_view directive) {
  FormatSpec result;
  std::size_t i = 0;
  while (i < directive.size() && std::string_view("-+ #0").find(directive[i]) != std::string_view::npos) {
    if (result.flags.find(directive[i]) == std::string::npos) result.flags += directive[i];
    ++i;
  }
  if (i < directive.size() && IsDigit(directive[i]) && !ReadNumber(directive, i, result.width)) return std::nullopt;
  if (i < directive.size() && directive[i] == '.') {
    ++i;
    result.precision = 0;
    if (i < directive.size() && IsDigit(directive[i]) && !ReadNumber(directive, i, result.precision)) return std::nullopt;
  }
  // Length modifiers are accepted and ignored: the insert carries its own size.
  for (const std::string_view modifier : {"hh", "h", "ll", "l", "I64", "I32", "j", "z", "t"}) {
    if (directive.substr(i, modifier.size()) == modifier) {
      i += modifier.size();
      break;
    }
  }
  if (i + 1 != directive.size()) return std::nullopt;
  result.conversion = directive[i];
  if (std::string_view("diouxXcs").find(result.conversion) == std::string_view::npos) return std::nullopt;
  if (result.flags.find('#') != std::string::npos && std::string_view("oxX").find(result.conversion) == std::string_view::npos) {
    return std::nullopt;  // '#' means nothing for other conversions
  }
  return result;
}

std::string NaturalForm(const CatalogInsert& insert) {
  if (insert.kind == CatalogInsert::Kind::Text) return std::string(insert.text);
  return insert.isUnsigned ? std::to_string(insert.bits) : std::to_string(static_cast<std::int64_t>(insert.bits));
}

std::string Pad(std::string text, const FormatSpec& directive) {
  if (directive.width > 0 && text.size() < static_cast<std::size_t>(directive.width)) {
    const std::string fill(static_cast<std::size_t>(directive.width) - text.size(), ' ');
    text = directive.flags.find('-') != std::string::npos ? text + fill : fill + text;
  }
  return text;
}

std::string RenderInteger(const CatalogInsert& insert, const FormatSpec& directive) {
  std::string format = "%" + directive.flags;
  if (directive.width >= 0) format += std::to_string(directive.width);
  if (directive.precision >= 0) format += "." + std::to_string(directive.precision);
  format += "ll";
  char out[2 * kMaxWidth + 64];
  int written = 0;
  const bool isSigned = (directive.conversion == 'd' || directive.conversion == 'i') && !insert.isUnsigned;
  if (isSigned) {
    format += 'd';
    written = std::snprintf(out, sizeof out, format.c_str(), static_cast<long long>(insert.bits));
  } else {
    // Unsigned conversions read the value as the caller's type would be read.
    unsigned long long value = insert.bits;
    if (insert.bytes < 8) value &= (1ull << (8u * insert.bytes)) - 1u;
    format += (directive.conversion == 'd' || directive.conversion == 'i') ? 'u' : directive.conversion;
    written = std::snprintf(out, sizeof out, format.c_str(), value);
  }
  if (written < 0 || static_cast<std::size_t>(written) >= sizeof out) return NaturalForm(insert);
  return std::string(out, static_cast<std::size_t>(written));
}

std::string RenderInsert(const CatalogInsert& insert, std::string_view specText) {
  const std::optional<FormatSpec> directive = ParseSpec(specText);
  if (!directive) return NaturalForm(insert);
  if (insert.kind == CatalogInsert::Kind::Text) {
    if (directive->conversion != 's') return NaturalForm(insert);
    std::string_view text = insert.text;
    if (directive->precision >= 0) text = text.substr(0, Utf8PrefixLength(text, static_cast<std::size_t>(directive->precision)));
    return Pad(std::string(text), *directive);
  }
  if (directive->conversion == 's') return NaturalForm(insert);
  if (directive->conversion == 'c') {
    std::string character;
    const auto value = static_cast<std::int64_t>(insert.bits);
    if (value <= 0 || value > 0x10FFFF || !AppendUtf8(character, static_cast<char32_t>(value))) {
      return NaturalForm(insert);
    }
    return Pad(character, *directive);
  }
  return RenderInteger(insert, *directive);
}

}  // namespace

std::string FormatCatalogMessage(std::string_view pattern, std::span<const CatalogInsert> inserts) {
  std::string out;
  out.reserve(pattern.size() + 32);
  std::size_t i = 0;
  while (i < pattern.size()) {
    const char c = pattern[i];
    if (c != '%' || i + 1 == pattern.size()) {
      out += c;
      ++i;
      continue;
    }
    const char next = pattern[i + 1];
    if (next == '0') return out;
    if (next == 'n') {
      out += "\r\n";
      i += 2;
      continue;
    }
    if (next == '%' || next == ' ' || next == '.' || next == '!') {
      out += next;
      i += 2;
      continue;
    }
    const std::optional<InsertRef> ref = ParseInsertRef(pattern, i);
    if (!ref) {  // not an escape we know: left as written
      out += c;
      ++i;
      continue;
    }
    const auto index = static_cast<std::size_t>(ref->number - 1);
    if (ref->number > kMaxInsertNumber || index >= inserts.size()) {
      out += pattern.substr(i, ref->length);
    } else {
      out += ref->hasSpec ? RenderInsert(inserts[index], ref->directive) : NaturalForm(inserts[index]);
    }
    i += ref->length;
  }
  return out;
}

std::vector<std::string> ListInserts(std::string_view pattern) {
  std::vector<std::string> found;
  std::size_t i = 0;
  while (i + 1 < pattern.size()) {
    if (pattern[i] != '%') {
      ++i;
      continue;
    }
    if (pattern[i + 1] == '0') break;
    if (const std::optional<InsertRef> ref = ParseInsertRef(pattern, i)) {
      found.emplace_back(pattern.substr(i, ref->length));
      i += ref->length;
    } else {
      i += 2;  // %%, %n and the like
    }
  }
  return found;
}

}  // namespace expert::catalog
