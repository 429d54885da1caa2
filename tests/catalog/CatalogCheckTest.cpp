// The build-time catalog check: finding references in code and in the model
// database, and failing on missing messages and on mismatched inserts.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "tools/catalog/CatalogCheck.h"
#include "tools/catalog/ModelScanner.h"
#include "tools/catalog/SourceScanner.h"

namespace fs = std::filesystem;
using namespace expert::catalog;

namespace {

std::vector<std::string> Refs(const std::vector<SourceReference>& refs) {
  std::vector<std::string> out;
  for (const SourceReference& ref : refs) {
    out.push_back(std::to_string(ref.category) + "/" + std::to_string(ref.number) + "@" + std::to_string(ref.line));
  }
  return out;
}

// Every message the fixture tree refers to.
constexpr const char* kTreeMessages[] = {"4/155", "2201/58", "4/73", "4/27", "4/5",
                                         "5/1",   "5/205",   "5/252", "5/173"};

class CatalogCheck : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/catalog-check-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    m_directory = pattern;
  }
  void TearDown() override { fs::remove_all(m_directory); }

  // A catalog holding every tree message in `languages`, with edits.
  fs::path WriteCatalog(const std::string& name, std::vector<int> languages, const std::string& skip = "",
                        const std::string& extra = "") {
    std::string text;
    for (const int language : languages) {
      text += "[" + std::to_string(language) + "]\n";
      for (const char* message : kTreeMessages) {
        if (skip != message + std::string("@") + std::to_string(language)) {
          text += std::string(message) + "\t" + (std::string(message) == "4/155" ? "%1 - %2" : "text") + "\n";
        }
      }
    }
    const fs::path path = m_directory / name;
    std::ofstream(path) << text << extra;
    return path;
  }

  static CheckReport Check(std::vector<CatalogRequirement> catalogs) {
    CheckOptions options;
    options.root = CATALOG_FIXTURES "/tree";
    options.scanFolders = {"frame", "pages", "dialogs", "resources", "host"};  // most do not exist
    options.catalogs = std::move(catalogs);
    return RunCatalogCheck(options);
  }

  fs::path m_directory;
};

// Runs the checker program; returns its exit status and its output.
std::pair<int, std::string> RunTool(const std::string& arguments) {
  const std::string command = std::string("'") + CATALOG_CHECK_TOOL + "' " + arguments + " 2>&1";
  FILE* pipe = ::popen(command.c_str(), "r");
  std::string output;
  char chunk[512];
  while (pipe && std::fgets(chunk, sizeof chunk, pipe)) output += chunk;
  const int status = pipe ? ::pclose(pipe) : -1;
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

}  // namespace

TEST(CatalogCheckScan, FindsMessageReferencesInCodeOnly) {
  const CppSourceScan scan = ScanCppSource(
      "// Msg(4, 1)\n"
      "/* GetCatalogText(4, 2, t) */ auto a = Msg(4, 3);\n"
      "const char* s = \"Msg(4, 4)\"; char q = '\"'; int n = 1'000; auto b = Msg( 5 , 0x10 );\n"
      "auto r = R\"x(Msg(4, 5) \" )\" )x\"; GetCatalogText(2201, 58, text, Msg(4, 6));\n"
      "CatMsg(4, 7); ShowMsg(4, 8); Msg(4, 9 + 1); Msg(kCat, 10); GetCatalogText(4, 11);\n");
  EXPECT_EQ(Refs(scan.messages), (std::vector<std::string>{"4/3@2", "5/16@3", "2201/58@4", "4/6@4", "4/11@5"}));
  EXPECT_TRUE(scan.labels.empty());
}

TEST(CatalogCheckScan, FindsCodedLabelsAmongStringLiterals) {
  const CppSourceScan scan =
      ScanCppSource("{\"73;Brightness\\t:\", \"-\", \"12;\", \"12; \", \"  27;x\",\n\"Tab1\", R\"(5;raw)\", \";x\", \"x;1\"}");
  EXPECT_EQ(Refs(scan.labels), (std::vector<std::string>{"4/73@1", "4/27@1", "4/5@2"}));
}

TEST(CatalogCheckScan, ModelListsMapToTheirFormulaRanges) {
  const ModelScan scan = ScanModelJson(
      R"([{"type": 5, "model": 30, "aspect": [{"code": 2}], "gamma": [{"code": 1}],
           "colorTemp": [{"code": 0}], "myButton": [{"code": 4}], "whisper": [{"code": 9}]},
          {"type": 2, "model": 6, "aspect": [{"code": 2}, {"code": 3}], "gamma": [{"code": 1}]},
          {"type": 3, "model": 47, "aspect": [{"code": 2}]},
          {"aspect": [{"name": "no code"}, {"code": "1"}, {"code": -1}]}])",
      "db.json");
  std::vector<std::string> found;
  for (const ModelReference& ref : scan.references) found.push_back(std::to_string(ref.category) + "/" + std::to_string(ref.number));
  // Types 1 to 3 name gammas from 5/70 and types 4 and 5 from 5/204; type 2
  // names aspect code 2 by 5/360 and type-3 models 8, 10, 47, 48 their aspects from 5/350.
  EXPECT_EQ(found, (std::vector<std::string>{"5/3", "5/205", "5/250", "5/174", "5/360", "5/4", "5/71", "5/352"}));
  EXPECT_EQ(scan.references[0].where, "db.json (model 5/30): aspect code 2");
  EXPECT_EQ(scan.errors, (std::vector<std::string>{"db.json: aspect[0] has no integer \"code\"",
                                                   "db.json: aspect[1] has no integer \"code\"",
                                                   "db.json: aspect[2] has code -1 outside 0..65535"}));
  EXPECT_EQ(ScanModelJson("{ broken", "bad.json").errors, (std::vector<std::string>{"bad.json: not valid JSON"}));
}

TEST_F(CatalogCheck, PassesOnlyWithEveryReferenceInEveryLanguageWithTheEnglishInserts) {
  const fs::path base = WriteCatalog("base.txt", {1033});
  const CheckReport report = Check({{base, {1033}}, {WriteCatalog("zh.txt", {2052, 1033}), {2052, 1033}}});
  EXPECT_TRUE(report.ok()) << report.problems.front();
  EXPECT_EQ(report.references, std::size(kTreeMessages));

  const fs::path zh = WriteCatalog("zh-missing.txt", {2052, 1033}, "5/205@2052");
  const fs::path en = WriteCatalog("en-missing.txt", {1033}, "4/73@1033");
  const fs::path inserts = WriteCatalog("zh-inserts.txt", {2052, 1033}, "4/155@2052", "[2052]\n4/155\t%1（%2!d!）\n");
  // Order does not matter, the set of inserts does.
  const fs::path swapped = WriteCatalog("zh-swapped.txt", {2052, 1033}, "4/155@2052", "[2052]\n4/155\t%2：%1\n");
  const struct {
    std::vector<CatalogRequirement> catalogs;
    std::vector<std::string> problems;
  } cases[] = {
      {{{base, {1033}}, {zh, {2052, 1033}}},
       {zh.string() + ": message 5/205 missing in language 2052 (used at models/db/model.json (model 5/30): gamma code 1)"}},
      {{{en, {1033}}}, {en.string() + ": message 4/73 missing in language 1033 (used at resources/Templates.cpp:2 (label))"}},
      {{{inserts, {2052, 1033}}},
       {inserts.string() + ":21: message 4/155 in language 2052 has inserts {%1 %2!d!} but the English text at line 11 has {%1 %2}"}},
      {{{swapped, {2052, 1033}}}, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(Check(c.catalogs).problems, c.problems);
}

TEST_F(CatalogCheck, ProgramFailsTheBuildWithAListAndWritesAStampOnlyOnSuccess) {
  const std::string stamp = (m_directory / "stamp").string();
  const std::string common = std::string("--root '") + CATALOG_FIXTURES "/tree' --stamp '" + stamp + "' frame resources pages";

  auto [status, output] = RunTool(common + " --catalog '" + WriteCatalog("good.txt", {1033}).string() + "=1033'");
  EXPECT_EQ(status, 0) << output;
  EXPECT_TRUE(fs::exists(stamp));

  std::tie(status, output) = RunTool(common + " --catalog '" + WriteCatalog("bad.txt", {1033}, "4/27@1033").string() + "=1033'");
  EXPECT_EQ(status, 1);
  EXPECT_NE(output.find("1 problem(s)"), std::string::npos) << output;
  EXPECT_NE(output.find("message 4/27 missing in language 1033"), std::string::npos) << output;
  EXPECT_FALSE(fs::exists(stamp));

  std::tie(status, output) = RunTool(common + " --catalog nolanguage.txt");
  EXPECT_EQ(status, 2);
  EXPECT_NE(output.find("usage:"), std::string::npos);

  // A catalog source with a syntax error fails the check too.
  const fs::path broken = m_directory / "broken.txt";
  std::ofstream(broken) << "[1033]\n4/27 no tab\n";
  std::tie(status, output) = RunTool(common + " --catalog '" + broken.string() + "=1033'");
  EXPECT_EQ(status, 1);
  EXPECT_NE(output.find("broken.txt:2: expected"), std::string::npos) << output;
}
