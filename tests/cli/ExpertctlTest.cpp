// expertctl end to end: a list file of projectors served by two pjsim
// processes (our protocol, with one dead projector, and PJLink), every
// command, the JSON shapes, and every exit status.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "tests/support/ChildProgram.h"
#include "tests/support/RunProgram.h"

namespace {

using nlohmann::json;
using test_support::Ran;
using test_support::RunProgram;

// pjsim --count N as a child; its ports from its "listening" lines.
struct Pjsim : test_support::ChildProgram {
  Pjsim(std::vector<std::string> args, int count) : ChildProgram(PJSIM_BIN, std::move(args)) {
    for (int i = 0; i < count; ++i) {
      unsigned port = 0;
      if (std::sscanf(ReadLine().c_str(), "listening 127.0.0.1:%u", &port) == 1) ports.push_back(static_cast<int>(port));
    }
  }
  std::vector<int> ports;
};

class ExpertctlTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // Two projectors of ours in B3, then a dead one; two PJLink ones in B5.
    s_native = new Pjsim({"--model", "5/30", "--count", "3", "--dead", "1", "--cooldown-ms", "60000", "--listen",
                          "127.0.0.1:0"},
                         3);
    s_pjlink = new Pjsim({"--model", "4/9", "--protocol", "pjlink", "--count", "2", "--cooldown-ms", "60000",
                          "--listen", "127.0.0.1:0"},
                         2);
  }
  static void TearDownTestSuite() {
    delete s_native;
    delete s_pjlink;
  }

  void SetUp() override {
    ASSERT_EQ(s_native->ports.size(), 3u);
    ASSERT_EQ(s_pjlink->ports.size(), 2u);
    char pattern[] = "/tmp/expertctl-test-XXXXXX";
    ASSERT_TRUE(mkdtemp(pattern));
    m_dir = pattern;
    json list = {{"version", 1}, {"projectors", json::array()}};
    const auto add = [&](const std::string& name, const char* group, int type, int model, int port, bool pjlink) {
      json entry = {{"name", name}, {"group", group}, {"type", type}, {"model", model}, {"connection", "network"},
                    {"address", "127.0.0.1"}, {"port", port}, {"password", ""}, {"timeout_ms", 300}};
      if (pjlink) entry["protocol"] = "pjlink";
      list["projectors"].push_back(entry);
    };
    add("Hall", "B3", 5, 30, s_native->ports[0], false);
    add("Aula", "B3", 5, 30, s_native->ports[1], false);
    add("Attic", "B4", 5, 30, s_native->ports[2], false);  // dead
    add("Lab 1", "B5", 4, 9, s_pjlink->ports[0], true);
    add("Lab 2", "B5", 4, 9, s_pjlink->ports[1], true);
    std::ofstream(List()) << list.dump();
  }
  void TearDown() override { std::filesystem::remove_all(m_dir); }

  std::string List() const { return (m_dir / "projectors.json").string(); }
  Ran Ctl(std::vector<std::string> args) const {
    args.insert(args.begin(), {"--list", List()});
    return RunProgram(EXPERTCTL_BIN, args);
  }

  static Pjsim* s_native;
  static Pjsim* s_pjlink;
  std::filesystem::path m_dir;
};

Pjsim* ExpertctlTest::s_native = nullptr;
Pjsim* ExpertctlTest::s_pjlink = nullptr;

TEST_F(ExpertctlTest, ListsAndReadsStatusInListOrder) {
  const Ran list = Ctl({"--json", "list"});
  ASSERT_EQ(list.status, 0) << list.err;
  const json listed = json::parse(list.out);
  ASSERT_EQ(listed["projectors"].size(), 5u);
  EXPECT_EQ(listed["projectors"][3], (json{{"name", "Lab 1"}, {"group", "B5"}, {"model", "4/9"},
                                           {"connection", "127.0.0.1:" + std::to_string(s_pjlink->ports[0])},
                                           {"protocol", "pjlink"}}));

  // Every entry: the dead one makes it exit 1.
  const Ran all = Ctl({"--json", "status"});
  EXPECT_EQ(all.status, 1);
  EXPECT_TRUE(all.err.empty()) << all.err;
  const json status = json::parse(all.out)["projectors"];
  const auto ordered = nlohmann::ordered_json::parse(all.out)["projectors"][0];
  std::vector<std::string> names;
  for (const json& p : status) names.push_back(p["name"]);
  EXPECT_EQ(names, (std::vector<std::string>{"Hall", "Aula", "Attic", "Lab 1", "Lab 2"}));
  std::vector<std::string> keys;
  for (const auto& [key, value] : ordered.items()) keys.push_back(key);
  EXPECT_EQ(keys, (std::vector<std::string>{"name", "group", "reached", "error", "power", "input", "lampHours",
                                            "filterHours", "errors", "blank", "mute", "freeze"}));
  EXPECT_EQ(status[0]["reached"], true);
  EXPECT_TRUE(status[0]["error"].is_null());
  EXPECT_EQ(status[0]["power"], "on");
  EXPECT_EQ(status[0]["lampHours"], 1200);
  EXPECT_EQ(status[0]["errors"], json::array());
  EXPECT_EQ(status[0]["freeze"], false);
  EXPECT_EQ(status[2]["reached"], false);
  EXPECT_NE(status[2]["error"].get<std::string>().find("does not answer"), std::string::npos);
  EXPECT_TRUE(status[2]["power"].is_null());
  EXPECT_EQ(status[3]["input"], "Computer 1");

  // A group over PJLink, in plain columns: all reached, exit 0.
  const Ran group = Ctl({"status", "@B5"});
  EXPECT_EQ(group.status, 0) << group.err;
  EXPECT_EQ(group.out.substr(0, group.out.find('\n')).find("NAME   GROUP  POWER"), 0u) << group.out;
  EXPECT_NE(group.out.find("Lab 2  B5     on"), std::string::npos) << group.out;
}

TEST_F(ExpertctlTest, OperatesTargetsAndSaysWhatEachDid) {
  const Ran mute = Ctl({"--json", "mute", "on", "Hall", "@B5"});
  EXPECT_EQ(mute.status, 0) << mute.out << mute.err;
  EXPECT_EQ(json::parse(mute.out), (json{{"results",
                                          {{{"name", "Hall"}, {"ok", true}, {"error", nullptr}},
                                           {{"name", "Lab 1"}, {"ok", true}, {"error", nullptr}},
                                           {{"name", "Lab 2"}, {"ok", true}, {"error", nullptr}}}}}));
  const Ran read = Ctl({"--json", "status", "Lab 2", "Hall"});
  const json projectors = json::parse(read.out)["projectors"];  // kept: a loop over a temporary's member dangles
  for (const json& p : projectors) EXPECT_EQ(p["mute"], true) << p;

  const Ran video = Ctl({"input", "Video", "Aula", "Lab 1"});
  EXPECT_EQ(video.status, 0) << video.out;
  EXPECT_EQ(json::parse(Ctl({"--json", "status", "Lab 1"}).out)["projectors"][0]["input"], "Video");

  // Power off, then on while cooling down: refused, exit 1; the dead one is
  // not reached. Results come in list order, not in the order asked.
  EXPECT_EQ(Ctl({"power", "off", "Lab 2"}).status, 0);
  const Ran again = Ctl({"--json", "--timeout", "200", "power", "on", "Lab 2", "Attic"});
  EXPECT_EQ(again.status, 1);
  const json results = json::parse(again.out)["results"];
  EXPECT_EQ(results[0]["name"], "Attic");
  EXPECT_NE(results[0]["error"].get<std::string>().find("does not answer"), std::string::npos);
  EXPECT_EQ(results[1]["error"], "cooling down");
  const Ran plain = Ctl({"power", "on", "Lab 2"});
  EXPECT_NE(plain.out.find("Lab 2  B5     refused: cooling down"), std::string::npos) << plain.out;
}

TEST_F(ExpertctlTest, UsageAndInputErrorsSendNothingAndExit2) {
  const struct {
    std::vector<std::string> args;
    const char* names;  // what the one stderr line names
  } cases[] = {
      {{"blank", "on", "Aula", "Nowhere"}, "\"Nowhere\": unknown target"},
      {{"blank", "on", "@B9"}, "@B9"},
      {{"reboot", "@all"}, "\"reboot\": unknown command"},
      {{"blank", "maybe", "@all"}, "\"maybe\" is not on or off"},
      {{"blank", "on"}, "needs at least one TARGET"},
      {{"--parallel", "0", "status"}, "--parallel"},
      {{"--timeout", "5", "status"}, "--timeout"},
      {{"--colour", "status"}, "--colour: unknown option"},
      {{}, "no command"},
  };
  for (const auto& c : cases) {
    const Ran ran = Ctl(c.args);
    EXPECT_EQ(ran.status, 2) << c.names;
    EXPECT_TRUE(ran.out.empty()) << ran.out;
    EXPECT_NE(ran.err.find(c.names), std::string::npos) << ran.err;
    EXPECT_EQ(std::count(ran.err.begin(), ran.err.end(), '\n'), 1) << ran.err;
  }
  // Nothing reached Aula: its picture is not blanked.
  EXPECT_EQ(json::parse(Ctl({"--json", "status", "Aula"}).out)["projectors"][0]["blank"], false);

  // A damaged list is reported and left exactly where and as it was.
  const std::string broken = "{\"version\": 1, \"projectors\": [";
  std::ofstream(List()) << broken;
  const Ran damaged = Ctl({"status"});
  EXPECT_EQ(damaged.status, 2);
  EXPECT_NE(damaged.err.find("damaged list file"), std::string::npos) << damaged.err;
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_dir), {}), 1);
  std::ifstream kept(List());
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), broken);
  const Ran missing = RunProgram(EXPERTCTL_BIN, {"--list", (m_dir / "none.json").string(), "list"});
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("none.json"), std::string::npos);

  const Ran version = RunProgram(EXPERTCTL_BIN, {"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "expertctl " EXPERT_VERSION "\n");
  const Ran help = RunProgram(EXPERTCTL_BIN, {"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("Usage: expertctl", 0), 0u);
}

}  // namespace
