#pragma once
// UTF-8 helpers for catalog texts: every cut the catalog makes (the stripped
// line end, the 1024-byte buffer, a precision on a text insert) must land on
// a character boundary.
#include <cstddef>
#include <string>
#include <string_view>

namespace expert::catalog {

bool IsValidUtf8(std::string_view text);

// Length of the longest prefix of `text` of at most `maxBytes` bytes that
// does not end inside a character.
std::size_t Utf8PrefixLength(std::string_view text, std::size_t maxBytes);

// `text` without its last `count` characters (empty when it has fewer).
std::string_view DropLastCharacters(std::string_view text, std::size_t count);

// Appends the UTF-8 encoding of `codePoint`; returns false (appending
// nothing) for a surrogate or a value beyond U+10FFFF.
bool AppendUtf8(std::string& out, char32_t codePoint);

}  // namespace expert::catalog
