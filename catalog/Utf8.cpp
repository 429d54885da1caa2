#include "catalog/Utf8.h"

namespace expert::catalog {
namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0u) == 0x80u; }

// Length of the sequence a lead byte announces, 0 for a byte that cannot lead.
std::size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80u) return 1;
  if (lead >= 0xC2u && lead <= 0xDFu) return 2;
  if (lead >= 0xE0u && lead <= 0xEFu) return 3;
  if (lead >= 0xF0u && lead <= 0xF4u) return 4;
  return 0;
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = SequenceLength(lead);
    if (length == 0 || i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      if (!IsContinuation(static_cast<unsigned char>(text[i + k]))) return false;
    }
    if (length >= 3) {
      // Reject overlong forms, surrogates and values beyond U+10FFFF.
      const auto second = static_cast<unsigned char>(text[i + 1]);
      if (lead == 0xE0u && second < 0xA0u) return false;
      if (lead == 0xEDu && second > 0x9Fu) return false;
      if (lead == 0xF0u && second < 0x90u) return false;
      if (lead == 0xF4u && second > 0x8Fu) return false;
    }
    i += length;
  }
  return true;
}

std::size_t Utf8PrefixLength(std::string_view text, std::size_t maxBytes) {
  if (text.size() <= maxBytes) return text.size();
  // The byte at `cut` is the first one left out; if it continues a
  // character, that character starts earlier and must go too. A valid
  // character has at most three continuation bytes.
  std::size_t cut = maxBytes;
  for (int steps = 0; steps < 3 && cut > 0 && IsContinuation(static_cast<unsigned char>(text[cut])); ++steps) {
    --cut;
  }
  if (IsContinuation(static_cast<unsigned char>(text[cut]))) return maxBytes;  // not UTF-8 at all here
  return cut;
}

std::string_view DropLastCharacters(std::string_view text, std::size_t count) {
  std::size_t end = text.size();
  for (std::size_t n = 0; n < count && end > 0; ++n) {
    --end;
    for (int steps = 0; steps < 3 && end > 0 && IsContinuation(static_cast<unsigned char>(text[end])); ++steps) {
      --end;
    }
  }
  return text.substr(0, end);
}

bool AppendUtf8(std::string& out, char32_t codePoint) {
  if (codePoint > 0x10FFFFu || (codePoint >= 0xD800u && codePoint <= 0xDFFFu)) return false;
  if (codePoint < 0x80u) {
    out += static_cast<char>(codePoint);
  } else if (codePoint < 0x800u) {
    out += static_cast<char>(0xC0u | (codePoint >> 6));
    out += static_cast<char>(0x80u | (codePoint & 0x3Fu));
  } else if (codePoint < 0x10000u) {
    out += static_cast<char>(0xE0u | (codePoint >> 12));
    out += static_cast<char>(0x80u | ((codePoint >> 6) & 0x3Fu));
    out += static_cast<char>(0x80u | (codePoint & 0x3Fu));
  } else {
    out += static_cast<char>(0xF0u | (codePoint >> 18));
    out += static_cast<char>(0x80u | ((codePoint >> 12) & 0x3Fu));
    out += static_cast<char>(0x80u | ((codePoint >> 6) & 0x3Fu));
    out += static_cast<char>(0x80u | (codePoint & 0x3Fu));
  }
  return true;
}

}  // namespace expert::catalog
