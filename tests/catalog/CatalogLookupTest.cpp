// Looking messages up: the language chain with its marker files, the
// fallbacks, the stripped line end, inserts and the 1024-byte buffer.
#include <cstring>
#include <string>

#include "tests/catalog/CatalogTestSupport.h"

TEST_F(CatalogTest, LanguageChainFollowsMarkerFilesAtEveryLookup) {
  SetLocale("LANG", "zh_CN.UTF-8");
  ASSERT_EQ(LoadFixtures(), 0);  // the Chinese catalog

  EXPECT_EQ(Text(4, 27), "关闭");
  EXPECT_EQ(Text(4, 300), "English in the Chinese catalog only");  // no 2052 text: English

  Marker("GETENG");  // English only, within the loaded catalog
  EXPECT_EQ(Text(4, 27), "Close");
  EXPECT_EQ(Text(4, 1), "lexzh English");

  Marker("GETSCH");  // both: the 2052 text wins where there is one
  EXPECT_EQ(Text(4, 27), "关闭");
  EXPECT_EQ(Text(4, 300), "English in the Chinese catalog only");

  RemoveMarker("GETENG");
  RemoveMarker("GETSCH");
  EXPECT_EQ(Text(4, 27), "关闭");
}

TEST_F(CatalogTest, OtherSystemLanguagesFallBackToEnglish) {
  SetLocale("LANG", "de_DE.UTF-8");
  ASSERT_EQ(LoadFixtures(), 0);
  EXPECT_EQ(Text(4, 73), "Helligkeit");
  EXPECT_EQ(Text(4, 27), "Close");
  Marker("GETENG");
  EXPECT_EQ(Text(4, 73), "Brightness");
  RemoveMarker("GETENG");
  // GETSCH asks for 2052 in place of the system language; the default
  // catalog has none, so English answers.
  Marker("GETSCH");
  EXPECT_EQ(Text(4, 73), "Brightness");
}

TEST_F(CatalogTest, MissingMessagesAndNoCatalogReadNoMessageCatalog) {
  EXPECT_EQ(Text(4, 27), "No Message Catalog");  // nothing loaded
  EXPECT_EQ(CatalogText(Msg(4, 155), "P1", "10.0.0.1"), "No Message Catalog");

  ASSERT_EQ(LoadFixtures(), 0);
  // Absent messages, and references that cannot be identifiers: they do not alias other messages.
  for (const auto& [category, number] : {std::pair{4, 999}, {9, 27}, {4, -1}, {4, 27 + 65536}, {-256, 27}, {70000, 27}})
    EXPECT_EQ(Text(category, number), "No Message Catalog") << category << "/" << number;
  GetCatalogText(4, 27, nullptr);  // a null buffer is ignored
}

TEST_F(CatalogTest, TextsLoseTheirLineEndAndTakeTheirInsertsInOrder) {
  ASSERT_EQ(LoadFixtures(), 0);
  EXPECT_EQ(Text(4, 27), "Close");
  // "%0" ends the text before its line end: "a" is shorter than two characters.
  EXPECT_EQ(Text(4, 201), "");
  // The last two characters go, not the last two bytes.
  EXPECT_EQ(Text(4, 203, "abc"), "a");
  EXPECT_EQ(Text(4, 203, "亮度亮"), "亮");
  EXPECT_EQ(Text(4, 203, "亮"), "");
  EXPECT_EQ(Text(4, 202, "%0 %1"), "%0 %1");  // an insert is not read for escapes

  // Inserts arrive in order, of every kind; missing ones stay as written.
  const std::string name = "Projector 1";
  char address[64] = "127.0.0.2";
  EXPECT_EQ(Text(4, 155, name, address), "Projector 1 - 127.0.0.2");
  EXPECT_EQ(CatalogText(Msg(4, 170), name, 3), "Projector 1 - COM3");
  EXPECT_EQ(CatalogText(Msg(4, 170), name), "Projector 1 - COM%2!d!");
  EXPECT_EQ(Text(4, 155), "%1 - %2");
  EXPECT_EQ(Text(4, 202, 42), "42");
  char buffer[kCatalogTextSize];
  GetCatalogText(Msg(4, 155), buffer, "a", std::string_view("b"));
  EXPECT_STREQ(buffer, "a - b");
}

TEST_F(CatalogTest, LongTextsAreCutAtACharacterBoundaryWithinTheBuffer) {
  ASSERT_EQ(LoadFixtures(), 0);
  struct Case {
    std::string insert;
    std::size_t expectedLength;
  };
  std::string twoByte, threeByte, fourByte;
  for (int i = 0; i < 600; ++i) twoByte += "é";  // 1200 bytes; byte 1023 continues a character
  for (int i = 0; i < 400; ++i) threeByte += "亮";  // 341 characters fill 1023 bytes exactly
  for (int i = 0; i < 300; ++i) fourByte += "😀";  // byte 1023 is the last of a character
  const Case cases[] = {{std::string(1500, 'x'), 1023}, {twoByte, 1022}, {threeByte, 1023}, {fourByte, 1020},
                        {std::string(1023, 'y'), 1023}, {std::string(1022, 'z') + "é", 1022}};
  for (const Case& c : cases) {
    char buffer[kCatalogTextSize + 16];
    std::memset(buffer, '#', sizeof buffer);
    GetCatalogText(4, 202, buffer, c.insert);
    const std::string text(buffer);
    EXPECT_EQ(text.size(), c.expectedLength);
    EXPECT_EQ(c.insert.compare(0, text.size(), text), 0);
    for (std::size_t i = kCatalogTextSize; i < sizeof buffer; ++i) ASSERT_EQ(buffer[i], '#') << "written past the buffer";
  }
}
