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

void WriteBytes(const std::filesystem::path& path, const std::vector<char>& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

// Which locale variable wins is the system language's business (below).
TEST_F(CatalogTest, LoadChoosesTheCatalogByMarkerFileAndSystemLanguage) {
  struct Case {
    const char* lang;
    bool getsch;
    const char* expected;  // message 4/1 names the loaded file (and language)
  };
  const Case cases[] = {
      {nullptr, false, "lexbase"},
      {"en_US.UTF-8", false, "lexbase"},
      {"zh_CN.UTF-8", false, "lexzh 中文"},
      {"zh_TW.UTF-8", false, "lexbase"},  // traditional Chinese is not the Chinese catalog
      {"en_US.UTF-8", true, "lexzh 中文"},  // GETSCH on an English system
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.lang ? c.lang : "-") + (c.getsch ? " GETSCH" : ""));
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

TEST_F(CatalogTest, LoadSkipsDirectoriesWithoutTheFileAndReplacesOrDropsTheCatalog) {
  const auto empty = m_directory / "empty";
  std::filesystem::create_directory(empty);
  ASSERT_EQ(LoadFixtures(), 0);
  EXPECT_EQ(LoadCatalogFrom({"", empty.string(), FixtureDirectory()}), 0);  // replaces the first
  EXPECT_EQ(Text(4, 1), "lexbase");
  EXPECT_EQ(LoadCatalogFrom({empty.string()}), -1);  // a failed load leaves none behind
  EXPECT_EQ(MessageCatalog, nullptr);
  ASSERT_EQ(LoadFixtures(), 0);
  FreeCatalog();
  EXPECT_EQ(MessageCatalog, nullptr);
  FreeCatalog();  // may be repeated
  EXPECT_EQ(Text(4, 27), kNoMessageCatalog);
}

// The reader refuses every truncation and every changed byte (the format
// tests sweep them all); loading passes each refusal on as one line naming
// the file, and does not pass a damaged file over for a later copy.
TEST_F(CatalogTest, ADamagedFileIsRefusedWithOneLineAndNotPassedOver) {
  const std::vector<char> valid = ReadBytes(FixtureDirectory() + "/lexbase.cat");
  ASSERT_GT(valid.size(), 24u);
  const auto damaged = m_directory / "damaged";
  std::filesystem::create_directory(damaged);
  const auto file = damaged / "lexbase.cat";
  const std::string text = "# a text file where the catalog should be\n";
  std::vector<std::pair<std::vector<char>, std::string>> files = {{{text.begin(), text.end()}, "bad magic"}};
  for (std::size_t length : {std::size_t{0}, std::size_t{10}, std::size_t{24}, valid.size() - 1})
    files.push_back({{valid.begin(), valid.begin() + static_cast<std::ptrdiff_t>(length)}, ""});
  for (std::size_t at : {std::size_t{0}, std::size_t{24}, valid.size() / 2, valid.size() - 1}) {
    files.push_back({valid, ""});
    files.back().first[at] = static_cast<char>(valid[at] ^ 0x5A);
  }
  const auto load = [&](const std::string& reason) {
    testing::internal::CaptureStderr();
    const int result = LoadCatalogFrom({damaged.string(), FixtureDirectory()});
    const std::string complaint = testing::internal::GetCapturedStderr();
    EXPECT_EQ(result, -1);
    EXPECT_EQ(MessageCatalog, nullptr);
    EXPECT_NE(complaint.find(file.string()), std::string::npos) << complaint;
    EXPECT_NE(complaint.find(reason), std::string::npos) << complaint;
    EXPECT_EQ(std::count(complaint.begin(), complaint.end(), '\n'), 1) << complaint;
  };
  for (std::size_t i = 0; i < files.size(); ++i) {
    SCOPED_TRACE(i);  // the text file, truncations, then changed bytes
    WriteBytes(file, files[i].first);
    load(files[i].second);
  }
  // A directory where the file should be is refused the same way.
  std::filesystem::remove(file);
  std::filesystem::create_directory(file);
  load("not a regular file");
  // The module then behaves as with no catalog.
  EXPECT_EQ(Text(4, 27), kNoMessageCatalog);
}
