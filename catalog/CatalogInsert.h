#pragma once
// One insert of a catalog message (%1, %2, ...): an integer or a text, as the
// caller handed it over. Built from the caller's arguments by
// MakeCatalogInsert, so a variadic lookup never reads an argument that was not
// passed.
#include <cstdint>
#include <cstring>
#include <string_view>
#include <type_traits>

struct CatalogInsert {
  enum class Kind { Integer, Text };
  Kind kind = Kind::Text;
  // Integer inserts: the value's bits, whether the caller's type was
  // unsigned, and its size in bytes (so "%1!x!" of -1 reads as that type would).
  std::uint64_t bits = 0;
  bool isUnsigned = false;
  unsigned char bytes = 8;
  std::string_view text;  // text inserts; it must outlive the lookup

  static CatalogInsert Text(std::string_view value) {
    CatalogInsert insert;
    insert.text = value;
    return insert;
  }
  template <class Int>
  static CatalogInsert Integer(Int value) {
    CatalogInsert insert;
    insert.kind = Kind::Integer;
    insert.bits = static_cast<std::uint64_t>(value);  // sign-extends signed values
    insert.isUnsigned = std::is_unsigned_v<Int>;
    insert.bytes = sizeof(Int);
    return insert;
  }
};

template <class T>
inline constexpr bool kIsCharacterType =
    std::is_same_v<T, char> || std::is_same_v<T, signed char> || std::is_same_v<T, unsigned char> ||
    std::is_same_v<T, wchar_t> || std::is_same_v<T, char8_t> || std::is_same_v<T, char16_t> ||
    std::is_same_v<T, char32_t>;

// Integers become integer inserts; C strings, character arrays, std::string
// and std::string_view become text inserts. A character array is read only
// up to its own end, even when nobody terminated it; a null pointer reads as
// an empty text.
template <class T>
CatalogInsert MakeCatalogInsert(const T& value) {
  if constexpr (std::is_enum_v<T>) {
    return CatalogInsert::Integer(static_cast<std::underlying_type_t<T>>(value));
  } else if constexpr (std::is_integral_v<T>) {
    static_assert(!std::is_same_v<T, bool>, "a catalog insert cannot be a bool");
    static_assert(!kIsCharacterType<T>, "a catalog insert cannot be a single character; pass a text or an int");
    return CatalogInsert::Integer(value);
  } else if constexpr (std::is_array_v<T>) {
    static_assert(std::is_same_v<std::remove_cv_t<std::remove_extent_t<T>>, char>,
                  "a catalog text insert must be a char array");
    return CatalogInsert::Text(std::string_view(value, ::strnlen(value, std::extent_v<T>)));
  } else if constexpr (std::is_convertible_v<const T&, const char*>) {
    const char* pointer = value;
    return CatalogInsert::Text(pointer != nullptr ? std::string_view(pointer) : std::string_view());
  } else {
    static_assert(std::is_convertible_v<const T&, std::string_view>,
                  "a catalog insert must be an integer or a text");
    return CatalogInsert::Text(std::string_view(value));
  }
}
