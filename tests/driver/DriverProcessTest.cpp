// The real binaries, through pipes: what a script driving them sees.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <nlohmann/json.hpp>

namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

struct TempDir {
  fs::path path;
  TempDir() {
    std::string pattern = (fs::temp_directory_path() / "driver-XXXXXX").string();
    path = ::mkdtemp(pattern.data());
  }
  ~TempDir() { fs::remove_all(path); }
};

std::string Quote(const std::string& text) { return "'" + text + "'"; }

struct Outcome {
  int exitCode = -1;
  std::vector<nlohmann::json> lines;  // stdout, one JSON object per line
  std::string out;
  std::string err;
};

// Runs `program` in a fresh directory (no marker files) and the C locale, with
// `input` on stdin.
Outcome RunProgram(const std::string& program, const std::string& args, const std::string& input,
                   const std::string& environment = "") {
  TempDir dir;
  std::ofstream(dir.path / "in") << input;
  const std::string command = "cd " + Quote(dir.path.string()) + " && env LC_ALL=C LANG=C " + environment + " " +
                              Quote(program) + " " + args + " <in >out 2>err";
  const int status = std::system(command.c_str());
  Outcome outcome;
  outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::stringstream out, err;
  out << std::ifstream(dir.path / "out").rdbuf();
  err << std::ifstream(dir.path / "err").rdbuf();
  outcome.out = out.str();
  outcome.err = err.str();
  for (std::string line; std::getline(out, line);) outcome.lines.push_back(nlohmann::json::parse(line, nullptr, false));
  return outcome;
}

TEST(DriverProcess, AnswersEveryLineAndEndsCleanlyAtTheEndOfInput) {
  const Outcome outcome = RunProgram(EXPERT_DRIVER_BIN, "",
                                     "{\"cmd\":\"open\",\"model\":\"5/30\",\"seq\":1}\n"
                                     "not json at all\n"
                                     "{\"cmd\":\"dump\",\"seq\":2}\n"
                                     "{\"cmd\":\"tab\",\"index\":5}\n");
  EXPECT_EQ(outcome.exitCode, 0);
  std::vector<std::string> shapes;  // each line's event, or its ok and seq
  for (const auto& line : outcome.lines)
    shapes.push_back(!line.is_object()       ? "not an object"
                     : line.contains("event") ? line["event"].get<std::string>()
                                              : line["ok"].dump() + " " + line.value("seq", nlohmann::json()).dump());
  EXPECT_THAT(shapes, ::testing::ElementsAre("modal", "false null", "true 2", "true null", "closed", "true 1"))
      << outcome.out;
  ASSERT_EQ(outcome.lines.size(), 6u);
  EXPECT_EQ(outcome.lines[2]["controls"][0]["text"], "Close");
  EXPECT_EQ(outcome.lines[5]["result"], 2);
}

TEST(DriverProcess, CatalogDirIsTheOnlyPlaceCatalogsComeFrom) {
  // Without catalogs there, coded labels stay and titles read "No Message
  // Catalog"; a damaged catalog is refused with a line naming it.
  TempDir empty, damaged;
  for (const char* name : {"lexbase.cat", "lexzh.cat"}) std::ofstream(damaged.path / name) << "not a catalog";
  for (const TempDir* catalogs : {&empty, &damaged}) {
    const Outcome outcome = RunProgram(EXPERT_DRIVER_BIN, "--catalog-dir " + Quote(catalogs->path.string()),
                                       "{\"cmd\":\"open\",\"model\":\"5/36\"}\n{\"cmd\":\"dump\"}\n");
    EXPECT_EQ(outcome.exitCode, 0);
    ASSERT_EQ(outcome.lines.size(), 4u) << outcome.out << outcome.err;
    EXPECT_EQ(outcome.lines[1]["controls"][0]["text"], "27;Close");
    for (const auto& title : outcome.lines[0]["tabs"]) EXPECT_EQ(title, "No Message Catalog");
  }
}

// Without a caption of the front end's own, a box carries the product name
// of the catalog in the user's language.
TEST(DriverProcess, MessageBoxCaptionIsTheProductNameInTheUsersLanguage) {
  const Outcome outcome = RunProgram(EXPERT_DRIVER_BIN, "",
                                     "{\"cmd\":\"text\",\"category\":7,\"number\":1,\"seq\":1}\n"
                                     "{\"cmd\":\"open\",\"model\":\"1/3\"}\n"
                                     "{\"cmd\":\"tab\",\"index\":5}\n"
                                     "{\"cmd\":\"sim\",\"fail\":[\"0x3110\"]}\n"
                                     "{\"cmd\":\"slide\",\"id\":20289,\"pos\":30}\n"
                                     "{\"cmd\":\"events\",\"seq\":2}\n",
                                     "LC_ALL=zh_CN.UTF-8 LANG=zh_CN.UTF-8");
  ASSERT_EQ(outcome.lines.size(), 8u) << outcome.out << outcome.err;
  const std::string product = outcome.lines[0]["text"];
  EXPECT_EQ(product, "高级控制主程序");
  ASSERT_EQ(outcome.lines[5]["messages"].size(), 1u) << outcome.out;
  EXPECT_EQ(outcome.lines[5]["messages"][0]["caption"], product);
}

TEST(DriverProcess, CommandLineAndDatabaseProblemsStopItWithCode2) {
  const Outcome help = RunProgram(EXPERT_DRIVER_BIN, "--help", "");
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_THAT(help.out, HasSubstr("--catalog-dir"));
  EXPECT_EQ(RunProgram(EXPERT_DRIVER_BIN, "--no-such-option", "").exitCode, 2);
  EXPECT_EQ(RunProgram(EXPERT_DRIVER_BIN, "--catalog-dir /no/such/directory", "").exitCode, 2);

  TempDir emptyDatabase;
  const Outcome broken = RunProgram(EXPERT_DRIVER_BIN, "", "{\"cmd\":\"events\"}\n",
                             "EXPERT_MODEL_DB=" + Quote(emptyDatabase.path.string()));
  EXPECT_EQ(broken.exitCode, 2);
  EXPECT_TRUE(broken.lines.empty());
  EXPECT_THAT(broken.err, HasSubstr("model database"));
}

TEST(DemoProcess, PrintsCaptionTabsAndTheStatusTab) {
  const Outcome demo = RunProgram(EXPERT_DEMO_BIN, "", "");
  EXPECT_EQ(demo.exitCode, 0) << demo.err;
  EXPECT_THAT(demo.out, HasSubstr("Caption: "));
  EXPECT_THAT(demo.out, HasSubstr("  0  "));
  EXPECT_THAT(demo.out, HasSubstr("Tab 0 ("));
  EXPECT_THAT(demo.out, HasSubstr("Closed with result 1."));
}

}  // namespace
