// Choosing, finding and loading the catalog file; refusing damaged files.
#include <fstream>
#include <iterator>
#include <vector>

#include "tests/catalog/CatalogTestSupport.h"

namespace {

std::vector<char> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::filesystem::path& path, const std::vector<char>& bytes, std::size_t length) {
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(length));
}

}  // namespace

TEST_F(CatalogTest, LoadChoosesTheCatalogByMarkerFileAndSystemLanguage) {
  struct Case {
    const char* lcAll;
    const char* lang;
    bool getsch;
    const char* expected;  // message 4/1 names the loaded file (and language)
  };
  const Case cases[] = {
      {nullptr, nullptr, false, "lexbase"},
      {nullptr, "en_US.UTF-8", false, "lexbase"},
      {nullptr, "zh_CN.UTF-8", false, "lexzh 中文"},
      {"zh_SG", "en_US", false, "lexzh 中文"},   // LC_ALL wins over LANG
      {"en_US", "zh_CN", false, "lexbase"},
      {nullptr, "zh_TW.UTF-8", false, "lexbase"},  // traditional Chinese is not the Chinese catalog
      {nullptr, "en_US.UTF-8", true, "lexzh 中文"},  // GETSCH on an English system
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.lcAll ? c.lcAll : "-") + " " + (c.lang ? c.lang : "-") + (c.getsch ? " GETSCH" : ""));
    c.lcAll ? SetLocale("LC_ALL", c.lcAll) : (void)::unsetenv("LC_ALL");
    c.lang ? SetLocale("LANG", c.lang) : (void)::unsetenv("LANG");
    c.getsch ? Marker("GETSCH") : RemoveMarker("GETSCH");
    ASSERT_EQ(LoadFixtures(), 0);
    EXPECT_EQ(Text(4, 1), c.expected);
  }
}

TEST_F(CatalogTest, SystemLanguageComesFromThePosixLocale) {
  const std::pair<const char*, int> cases[] = {
      {"zh_CN.UTF-8", 2052}, {"zh_SG", 2052},       {"zh_TW.Big5", 1028}, {"zh_HK.UTF-8", 3076},
      {"en_GB.UTF-8", 1033}, {"en", 1033},          {"de_DE.UTF-8", 1031}, {"fr_CA", 1036},
      {"ja_JP.eucJP", 1041}, {"ko_KR", 1042},       {"es_ES@euro", 3082},  {"pt_BR.UTF-8", 1046},
      {"pt_PT", 2070},       {"nl_NL", 1043},       {"ru_RU.KOI8-R", 1049}, {"it_IT", 1040},
      {"C", 1033},           {"POSIX", 1033},       {"C.UTF-8", 1033},     {"xx_YY", 1033},
  };
  for (const auto& [locale, expected] : cases) {
    SetLocale("LANG", locale);
    EXPECT_EQ(GetSystemDefaultLangID(), expected) << locale;
  }
  // LC_ALL, then LC_MESSAGES, then LANG; empty values do not count.
  SetLocale("LANG", "de_DE");
  SetLocale("LC_MESSAGES", "fr_FR");
  EXPECT_EQ(GetSystemDefaultLangID(), 1036);
  SetLocale("LC_ALL", "");
  EXPECT_EQ(GetSystemDefaultLangID(), 1036);
  SetLocale("LC_ALL", "ja_JP");
  EXPECT_EQ(GetSystemDefaultLangID(), 1041);
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) ::unsetenv(name);
  EXPECT_EQ(GetSystemDefaultLangID(), 1033);
}

TEST_F(CatalogTest, SearchOrderIsEnvironmentThenLibraryDirectoryThenInstallDirectory) {
  const std::vector<std::string> plain = CatalogSearchDirectories();
  ASSERT_EQ(plain.size(), 2u);
  EXPECT_TRUE(std::filesystem::exists(plain[0] + "/libexpert.so")) << plain[0];
  EXPECT_EQ(std::filesystem::path(plain[1]).filename(), "expert-control");

  SetLocale("EXPERT_CATALOG_DIR", FixtureDirectory().c_str());
  const std::vector<std::string> withEnvironment = CatalogSearchDirectories();
  ASSERT_EQ(withEnvironment.size(), 3u);
  EXPECT_EQ(withEnvironment[0], FixtureDirectory());
  // LoadCatalog follows it: the test catalog, not the one beside the library.
  ASSERT_EQ(LoadCatalog(), 0);
  EXPECT_EQ(Text(4, 1), "lexbase");
}

TEST_F(CatalogTest, ADirectoryWithoutTheFileIsSkipped) {
  const auto empty = m_directory / "empty";
  std::filesystem::create_directory(empty);
  EXPECT_EQ(LoadCatalogFrom({"", empty.string(), FixtureDirectory()}), 0);
  EXPECT_EQ(Text(4, 1), "lexbase");
  EXPECT_EQ(LoadCatalogFrom({empty.string()}), -1);
  EXPECT_EQ(MessageCatalog, nullptr);
}

// The reader refuses every truncation and every changed byte (the format
// tests sweep them all); loading passes each refusal on as one line.
TEST_F(CatalogTest, TruncatedOrChangedFilesAreRefusedWithOneLineNamingTheFile) {
  const std::vector<char> valid = ReadBytes(FixtureDirectory() + "/lexbase.cat");
  ASSERT_GT(valid.size(), 24u);
  const auto damaged = m_directory / "damaged";
  std::filesystem::create_directory(damaged);
  const auto file = damaged / "lexbase.cat";
  std::vector<std::vector<char>> files;
  for (std::size_t length : {std::size_t{0}, std::size_t{10}, std::size_t{24}, valid.size() - 1})
    files.emplace_back(valid.begin(), valid.begin() + static_cast<std::ptrdiff_t>(length));
  for (std::size_t at : {std::size_t{0}, std::size_t{24}, valid.size() / 2, valid.size() - 1}) {
    files.push_back(valid);
    files.back()[at] = static_cast<char>(files.back()[at] ^ 0x5A);
  }
  for (std::size_t i = 0; i < files.size(); ++i) {
    SCOPED_TRACE(i);  // truncations first, then changed bytes
    const std::vector<char>& bytes = files[i];
    WriteBytes(file, bytes, bytes.size());
    testing::internal::CaptureStderr();
    const int result = LoadCatalogFrom({damaged.string()});
    const std::string complaint = testing::internal::GetCapturedStderr();
    ASSERT_EQ(result, -1);
    EXPECT_EQ(MessageCatalog, nullptr);
    EXPECT_NE(complaint.find(file.string()), std::string::npos) << complaint;
    EXPECT_EQ(std::count(complaint.begin(), complaint.end(), '\n'), 1) << complaint;
  }
  // The module then behaves as with no catalog.
  EXPECT_EQ(Text(4, 27), kNoMessageCatalog);
}

TEST_F(CatalogTest, ADamagedFileIsNotPassedOverForAnotherCopy) {
  const auto damaged = m_directory / "damaged";
  std::filesystem::create_directory(damaged);
  std::ofstream(damaged / "lexbase.cat") << "# a text file where the catalog should be\n";
  testing::internal::CaptureStderr();
  EXPECT_EQ(LoadCatalogFrom({damaged.string(), FixtureDirectory()}), -1);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("bad magic"), std::string::npos);

  // A directory where the file should be is refused the same way.
  std::filesystem::remove(damaged / "lexbase.cat");
  std::filesystem::create_directory(damaged / "lexbase.cat");
  testing::internal::CaptureStderr();
  EXPECT_EQ(LoadCatalogFrom({damaged.string()}), -1);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("not a regular file"), std::string::npos);
}

TEST_F(CatalogTest, FreeCatalogUnloadsAndMayBeRepeated) {
  ASSERT_EQ(LoadFixtures(), 0);
  ASSERT_EQ(LoadFixtures(), 0);  // a second load replaces the first
  FreeCatalog();
  EXPECT_EQ(MessageCatalog, nullptr);
  FreeCatalog();
  EXPECT_EQ(Text(4, 27), kNoMessageCatalog);
}
