// expertctl profile as a process: save, diff and apply against projectors
// served on loopback by this test, on a list file of its own; every exit
// status, the JSON shapes, and a bad file or target sending nothing.
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "host/core/ProjectorStore.h"
#include "host/profile/ProfileFile.h"
#include "tests/profile/ProfileTestSupport.h"
#include "tests/support/RunProgram.h"


namespace profile::test {
namespace {

using test_support::Ran;

Ran Expertctl(std::vector<std::string> args) { return test_support::RunProgram(EXPERTCTL_BIN, std::move(args)); }

class ProfileCli : public ::testing::Test {
 protected:
  ProfileCli() : m_dir(std::filesystem::temp_directory_path() / ("profile-cli-" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(m_dir);
    a.entry.name = "hall-a";
    b.entry.name = "hall-b";
    other.entry.name = "lab";
    std::ofstream(m_dir / "list.json") << host::EntriesToJson({a.entry, b.entry, other.entry});
  }
  ~ProfileCli() override { std::filesystem::remove_all(m_dir); }

  Ran Run(std::vector<std::string> args) {
    args.insert(args.begin(), {"--list", (m_dir / "list.json").string()});
    return Expertctl(std::move(args));
  }
  std::string File(const char* name) const { return (m_dir / name).string(); }

  Served a{3, 10}, b{3, 10}, other{1, 3};

 private:
  std::filesystem::path m_dir;
};

TEST_F(ProfileCli, SaveDiffApplyAndDiffAgain) {
  const Ran saved = Run({"profile", "save", "hall-a", File("a.json")});
  ASSERT_EQ(saved.status, 0) << saved.err;
  EXPECT_NE(saved.out.find("hall-a  saved"), std::string::npos) << saved.out;
  EXPECT_EQ(Run({"profile", "diff", File("a.json"), "hall-b"}).status, 0);

  Profile changed = LoadProfile(File("a.json"));
  auto slider = std::find_if(changed.settings.begin(), changed.settings.end(),
                             [](const Setting& s) { return s.kind == Kind::Slider; });
  ASSERT_NE(slider, changed.settings.end());
  slider->value += slider->value > 0 ? -1 : 1;
  SaveProfile(File("changed.json"), changed);

  const Ran diff = Run({"--json", "profile", "diff", File("changed.json"), "hall-b"});
  ASSERT_EQ(diff.status, 1) << diff.err;
  const auto differences = nlohmann::json::parse(diff.out)["differences"];
  ASSERT_EQ(differences.size(), 1u) << diff.out;
  EXPECT_EQ(differences[0]["label"], slider->label);
  EXPECT_EQ(differences[0]["from"], std::to_string(slider->value));

  const Ran applied = Run({"--json", "profile", "apply", File("changed.json"), "hall-b"});
  ASSERT_EQ(applied.status, 0) << applied.err << applied.out;
  const auto result = nlohmann::json::parse(applied.out)["results"][0];
  EXPECT_EQ(result["name"], "hall-b");
  EXPECT_EQ(result["ok"], true);
  EXPECT_EQ(result["error"], nullptr);
  EXPECT_EQ(result["set"], 1);
  EXPECT_EQ(result["refused"].size(), 0u);
  EXPECT_EQ(Run({"profile", "diff", File("changed.json"), "hall-b"}).status, 0);

  // A target of another model is refused by name; the others still get it.
  const Ran mixed = Run({"profile", "apply", File("changed.json"), "hall-a", "lab"});
  EXPECT_EQ(mixed.status, 1);
  EXPECT_NE(mixed.out.find("lab     not applied: model 1/3 is not the profile's model 3/10"), std::string::npos)
      << mixed.out;
}

TEST_F(ProfileCli, BadInputExitsTwoAndSendsNothing) {
  ASSERT_EQ(Run({"profile", "save", "hall-a", File("a.json")}).status, 0);
  std::string text;
  std::getline(std::ifstream(File("a.json")), text, '\0');
  std::ofstream(File("cut.json")) << text.substr(0, text.size() / 2);
  std::string outOfRange = text;
  const std::size_t value = outOfRange.find("\"kind\":\"slider\",\"value\":");
  ASSERT_NE(value, std::string::npos);
  outOfRange.insert(value + 24, "9");
  std::ofstream(File("range.json")) << outOfRange;

  const int before = b.exchanges;
  const struct {
    std::vector<std::string> args;
    std::string message;
  } cases[] = {
      {{"profile", "apply", File("cut.json"), "hall-b"}, File("cut.json") + ": not a profile"},
      {{"profile", "apply", File("range.json"), "hall-b"}, File("range.json") + ": setting "},
      {{"profile", "apply", File("a.json"), "hall-b", "nobody"}, "nobody"},
      {{"profile", "apply", File("missing.json"), "hall-b"}, File("missing.json") + ": cannot be read"},
      {{"profile", "diff", File("cut.json"), "hall-b"}, "not a profile"},
      {{"profile", "save", "@all", File("x.json")}, "names 3 projectors, not one"},
      {{"profile", "frobnicate"}, "unknown command"},
      {{"profile", "diff", "hall-a", "--power-on", "hall-b"}, "--power-on"},
  };
  for (const auto& c : cases) {
    const Ran ran = Run(c.args);
    EXPECT_EQ(ran.status, 2) << c.args[1] << " " << c.args[2];
    EXPECT_NE(ran.err.find(c.message), std::string::npos) << ran.err;
    EXPECT_TRUE(ran.out.empty()) << ran.out;
  }
  EXPECT_EQ(b.exchanges, before);
}

}  // namespace
}  // namespace profile::test
