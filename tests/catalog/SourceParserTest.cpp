// Reading catalog sources: what is kept verbatim and what is refused, with
// the place of every fault.
#include <gtest/gtest.h>

#include "catalog/CatalogSource.h"

using expert::catalog::ParseCatalogSource;

TEST(CatalogSource, ReadsSectionsMessagesAndEscapes) {
  const auto result = ParseCatalogSource(
      "\xEF\xBB\xBF# comment\r\n"
      "\n"
      "   \t\n"
      "[1033]\r\n"
      "4/73\tBrightness\r\n"
      "4/155\t%1 - %2!d!  \n"
      "2201/58\t  two\\tparts\\nand a \\\\ backslash\n"
      "  # indented comment\n"
      "4/0\t\n"
      "[2052]\n"
      "4/73\t亮度",
      "test.txt");
  ASSERT_TRUE(result.ok()) << result.errors.front();
  ASSERT_EQ(result.messages.size(), 5u);
  EXPECT_EQ(result.messages[0].text, "Brightness");
  EXPECT_EQ(result.messages[0].line, 5);
  EXPECT_EQ(result.messages[1].text, "%1 - %2!d!  ");  // trailing blanks kept
  EXPECT_EQ(result.messages[2].category, 2201);
  EXPECT_EQ(result.messages[2].number, 58);
  EXPECT_EQ(result.messages[2].text, "  two\tparts\nand a \\ backslash");
  EXPECT_EQ(result.messages[3].text, "");
  EXPECT_EQ(result.messages[4].language, 2052);
  EXPECT_EQ(result.messages[4].text, "亮度");
}

TEST(CatalogSource, ReportsEveryFaultWithFileAndLine) {
  const std::pair<const char*, const char*> cases[] = {
      {"4/1\tbefore any section\n", "x.txt:1: message 4/1 before any [language] section"},
      {"[1033]\n4/1 no tab\n", "x.txt:2: expected 'category/number<TAB>text'"},
      {"[1033]\n4-1\ttext\n", "x.txt:2: bad message key '4-1'"},
      {"[1033]\n4/65536\ttext\n", "x.txt:2: bad message key"},
      {"[1033]\n65280/1\ttext\n", "x.txt:2: bad message key"},
      {"[1033]\n/1\ttext\n", "x.txt:2: bad message key"},
      {"[english]\n", "x.txt:1: bad section header '[english]'"},
      {"[0]\n", "x.txt:1: bad section header"},
      {"[70000]\n", "x.txt:1: bad section header"},
      {"[1033]\n4/1\tC:\\temp\\x\n", "x.txt:2: unknown escape \\x"},
      {"[1033]\n4/1\tends in \\\n", "x.txt:2: backslash at the end"},
      {"[1033]\n4/1\tbad \xC3\x28 byte\n", "x.txt:2: line is not valid UTF-8"},
      {"[1033]\n4/1\tone\n\n4/1\ttwo\n", "x.txt:4: message 4/1 defined twice in language 1033 (first at line 2)"},
      {"[1033]\n4/1\tone\n[2052]\n4/1\tyi\n[1033]\n4/1\tagain\n", "x.txt:6: message 4/1 defined twice"},
  };
  for (const auto& [source, expected] : cases) {
    const auto result = ParseCatalogSource(source, "x.txt");
    ASSERT_EQ(result.errors.size(), 1u) << source;
    EXPECT_EQ(result.errors[0].rfind(expected, 0), 0u) << result.errors[0];
  }
  // The same message in two languages is no fault.
  EXPECT_TRUE(ParseCatalogSource("[1033]\n4/1\tone\n[2052]\n4/1\tyi\n", "x.txt").ok());
}
