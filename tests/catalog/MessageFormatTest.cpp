// Filling inserts as the platform formatter does, without its ways of
// reading arguments that were never passed.
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstdint>
#include <string>

#include "catalog/MessageFormat.h"

namespace {

using expert::catalog::FormatCatalogMessage;

template <class... Inserts>
std::string Format(std::string_view pattern, const Inserts&... inserts) {
  const std::array<CatalogInsert, sizeof...(Inserts)> list{MakeCatalogInsert(inserts)...};
  return FormatCatalogMessage(pattern, list);
}

}  // namespace

TEST(MessageFormat, InsertsOfEveryKindOfStringAndEscapes) {
  EXPECT_EQ(Format("%1 - %2", "P1", "127.0.0.2"), "P1 - 127.0.0.2");
  EXPECT_EQ(Format("%2 before %1, %1 again", "a", "b"), "b before a, a again");
  EXPECT_EQ(Format("100%% done%nnext"), "100% done\r\nnext");
  EXPECT_EQ(Format("a% b%.c%!"), "a b.c!");
  EXPECT_EQ(Format("shown%0hidden %1", "x"), "shown");
  EXPECT_EQ(Format("%x, 5%, %"), "%x, 5%, %");  // not escapes: left as written
  EXPECT_EQ(Format("%1%2", 7, "x"), "7x");
  const char unterminated[4] = {'a', 'b', 'c', 'd'};  // read to the array's end, no further
  const char* none = nullptr;
  EXPECT_EQ(Format("%1|%2|%3|%4", unterminated, none, std::string("s"), std::string_view("v")), "abcd||s|v");
}

TEST(MessageFormat, InsertsNotSuppliedStayAsWritten) {
  EXPECT_EQ(Format("%1 - %2", "only one"), "only one - %2");
  EXPECT_EQ(Format("port %2!d! of %1!s!"), "port %2!d! of %1!s!");
  // Two digits at most: %100 is insert 10 followed by "0"; %99 is the last.
  std::array<CatalogInsert, 99> many{};
  for (std::size_t i = 0; i < many.size(); ++i) many[i] = CatalogInsert::Integer(static_cast<int>(i + 1));
  EXPECT_EQ(FormatCatalogMessage("%99 %100", many), "99 100");
  EXPECT_EQ(Format("%99 and %100", "a"), "%99 and %100");
}

TEST(MessageFormat, PrintfFormatsOfIntegers) {
  EXPECT_EQ(Format("COM%1!d!", 3), "COM3");
  EXPECT_EQ(Format("[%1!5d!|%1!-5d!|%1!05d!|%1!+d!|%1!x!|%1!#06X!|%1!o!|%1!ld!|%1!I64d!|%1!.4d!]", 42),
            "[   42|42   |00042|+42|2a|0X002A|52|42|42|0042]");
  // Unsigned conversions read the value as the caller's type would.
  EXPECT_EQ(Format("%1!u! %1!x!", -1), "4294967295 ffffffff");
  EXPECT_EQ(Format("%1!u!", static_cast<short>(-1)), "65535");
  EXPECT_EQ(Format("%1!x!", -1LL), "ffffffffffffffff");
  EXPECT_EQ(Format("%1 %1!d!", ULLONG_MAX), "18446744073709551615 18446744073709551615");
  EXPECT_EQ(Format("%1 %1!d!", LLONG_MIN), "-9223372036854775808 -9223372036854775808");
  EXPECT_EQ(Format("%1!c!%2!c!", 0x4EAE, 'A' + 0), "亮A");
}

TEST(MessageFormat, PrintfFormatsOfTexts) {
  EXPECT_EQ(Format("[%1!5s!|%1!-5s!|%1!.2s!|%1!s!]", "abc"), "[  abc|abc  |ab|abc]");
  // A precision never splits a character.
  EXPECT_EQ(Format("[%1!.4s!]", "亮度"), "[亮]");
}

TEST(MessageFormat, FormatsThatDoNotFitTheirInsertRenderItNaturally) {
  EXPECT_EQ(Format("%1!d! %1!c! %2!s! %2!5.2f!", "text", 7), "text text 7 7");
  EXPECT_EQ(Format("%1!#d! %1!99999d! %1!*d! %1!5.2f! %1!lls!", 5), "5 5 5 5 5");
  EXPECT_EQ(Format("%1!c! %2!c! %3!c!", 0, -5, 0xD800), "0 -5 55296");
  // Something between exclamation marks that is no format at all is text.
  EXPECT_EQ(Format("Error %1! Try again!", "E1"), "Error E1! Try again!");
  EXPECT_EQ(Format("%1!", "x"), "x!");
}

TEST(MessageFormat, ListInsertsNamesTheInsertsAsWritten) {
  using expert::catalog::ListInserts;
  EXPECT_EQ(ListInserts("%1 - %2!d! 100%% %n %x %3!q! %0 %4"),
            (std::vector<std::string>{"%1", "%2!d!", "%3"}));
  EXPECT_TRUE(ListInserts("no inserts, 50%% off").empty());
}
