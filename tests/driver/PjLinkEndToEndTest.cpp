// The dialog on a PJLink projector: pjsim's loop in this process speaking
// PJLink on 127.0.0.1, the driver connected to it with "pjlink://". The
// status and control pages work for what PJLink carries; the rest reads as
// unavailable.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>

#include "simulator/pjlink/PjLinkServer.h"
#include "simulator/pjsim/Daemon.h"
#include "tests/driver/DriverTestSupport.h"

namespace driver::testing {
namespace {

using ::testing::HasSubstr;
using namespace std::chrono_literals;

struct Served {
  Served(const std::string& model, sim::pjlink::PjLinkOptions options, std::string password = {},
         sim::Power power = sim::Power::On) {
    sim::ProjectorOptions projectorOptions;
    projectorOptions.cooldown = 10s;
    projectorOptions.power = power;
    projector = std::make_shared<sim::Projector>(*Database().Find(model), projectorOptions);
    sim::ServerOptions server;
    server.password = std::move(password);
    server.protocol = sim::pjlink::PjLinkProtocol(options);
    server.log = [this](const std::string& line) { rejections += line.ends_with("wrong password"); };
    std::string error;
    service = sim::pjsim::LoopbackService::Start(projector, server, error);
  }
  std::string Open(const std::string& model, const std::string& password = {}) const {
    return R"({"cmd":"open","model":")" + model + R"(","host":{"connection":{"text2":")" + password +
           R"("}},"connect":"pjlink://127.0.0.1:)" + std::to_string(service->Port()) + R"(","seq":"o"})";
  }
  std::shared_ptr<sim::Projector> projector;
  std::atomic<int> rejections{0};
  std::unique_ptr<sim::pjsim::LoopbackService> service;
};

// The visible page's control `id` in the dump with `seq`.
OrderedJson Control(const std::vector<OrderedJson>& output, const std::string& seq, int id) {
  const OrderedJson dump = Reply(output, seq);
  for (const OrderedJson& page : dump["pages"])
    if (page["visible"].get<bool>())
      for (const OrderedJson& control : page["controls"])
        if (control["id"] == id) return control;
  ADD_FAILURE() << "no control " << id;
  return OrderedJson::object();
}

std::string Calls(const std::vector<OrderedJson>& output, const std::string& seq) {
  return Reply(output, seq)["calls"].dump();
}

TEST(PjLinkEndToEnd, StatusAndControlPagesOfEveryType) {
  struct Case {
    const char* model;
    int cls;
    const char* password;
    bool closeAfterReply;
    int controlTab, powerList, freezeList, magnifySlider;
    const char* firstInput;
    bool hours = true;  // type 3 keeps no lamp or filter time
  };
  const Case cases[] = {
      {"4/9", 2, "", false, 8, 20268, 20272, 20286, ": Computer 1"},
      {"1/3", 2, "pw", true, 8, 21029, 21107, 21105, ": Computer 1"},
      {"4/9", 1, "", true, 8, 20268, 20272, 20286, ": Computer 1"},
      {"2/6", 2, "", false, 8, 21029, 21107, 21105, ": Computer"},
      {"3/10", 1, "pw", false, 5, 21029, 21107, 21105, ": Computer 1", false},
      {"5/30", 2, "", true, 8, 20268, 20272, 20286, ": RGB 1"},
  };
  for (const Case& c : cases) {
    Served served(c.model, {c.cls, 0ms, c.closeAfterReply}, c.password);
    const auto output = RunLines({served.Open(c.model, c.password), R"({"cmd":"dump","seq":"s"})",
                                  R"({"cmd":"tab","index":)" + std::to_string(c.controlTab) + "}",
                                  R"({"cmd":"dump","seq":"c"})",
                                  R"({"cmd":"select","id":)" + std::to_string(c.powerList) + R"(,"index":0})",
                                  R"({"cmd":"events","seq":"e"})", R"({"cmd":"close"})"});
    const std::string which = std::string(c.model) + " class " + std::to_string(c.cls);
    EXPECT_EQ(Control(output, "\"s\"", 20008)["text"], ": On") << which;
    EXPECT_EQ(Control(output, "\"s\"", 20009)["text"], c.firstInput) << which;
    EXPECT_EQ(Control(output, "\"s\"", 20010)["text"], ": Normal") << which;
    if (c.hours) {
      EXPECT_EQ(Control(output, "\"s\"", 20014)["text"], ": 1200 h") << which;
      EXPECT_EQ(Control(output, "\"s\"", 20015)["text"], c.cls == 2 ? ": 300 h" : ": -") << which;
    }
    EXPECT_EQ(Control(output, "\"c\"", c.powerList)["sel"], 1) << which;
    EXPECT_EQ(Control(output, "\"c\"", c.freezeList)["enabled"], c.cls == 2) << which;
    EXPECT_EQ(Control(output, "\"c\"", c.magnifySlider)["enabled"], false) << which;  // PJLink has no magnify
    EXPECT_THAT(Calls(output, "\"e\""), HasSubstr(R"({"op":"SetPowerOff","args":[]})")) << which;
    EXPECT_EQ(served.projector->PowerState(), sim::Power::CoolingDown) << which;
  }
}

// Model 5/41 numbers its HDMI input DIGITAL 2 ("32"), not the default "31":
// the model database's table reaches both the dialog's link and pjsim, and a
// link that took the default would be answered ERR2.
TEST(PjLinkEndToEnd, InputsFollowTheModelsPjLinkTable) {
  Served served("5/41", {2, 0ms, false});
  const auto output = RunLines({served.Open("5/41"), R"({"cmd":"tab","index":8})",
                                R"({"cmd":"select","id":20269,"index":2})", R"({"cmd":"tab","index":0})",
                                R"({"cmd":"dump","seq":"s"})", R"({"cmd":"events","seq":"e"})", R"({"cmd":"close"})"});
  EXPECT_THAT(Calls(output, "\"e\""), HasSubstr(R"({"op":"Set","code":"0x2000","value":3,"result":1})"));
  EXPECT_EQ(served.projector->Value(0x2000), 3);
  EXPECT_EQ(Control(output, "\"s\"", 20009)["text"], ": HDMI");
}

TEST(PjLinkEndToEnd, WarmUpAndCoolDownAnswerErr3AndRefusePowerChanges) {
  Served served("4/9", {2, 10s, false}, {}, sim::Power::Off);
  const auto output = RunLines({served.Open("4/9"), R"({"cmd":"tab","index":8})",
                                R"({"cmd":"select","id":20268,"index":1})", R"({"cmd":"events","seq":"on"})",
                                R"({"cmd":"tab","index":0})", R"({"cmd":"dump","seq":"s"})",
                                R"({"cmd":"events","seq":"warm"})", R"({"cmd":"close"})"});
  EXPECT_THAT(Calls(output, "\"on\""), HasSubstr(R"({"op":"SetPowerOn","args":[],"result":true})"));
  EXPECT_EQ(Control(output, "\"s\"", 20008)["text"], ": On");  // warming up: on its way on
  EXPECT_EQ(Control(output, "\"s\"", 20009)["text"], ": -");
  EXPECT_THAT(Calls(output, "\"warm\""), HasSubstr("ERR3 (unavailable time"));

  served.projector->SetValue(0x6000, 0, 2);  // cooling down
  const auto cooling = RunLines({served.Open("4/9"), R"({"cmd":"dump","seq":"s"})", R"({"cmd":"tab","index":8})",
                                 R"({"cmd":"select","id":20268,"index":1})", R"({"cmd":"events","seq":"e"})",
                                 R"({"cmd":"close"})"});
  EXPECT_EQ(Control(cooling, "\"s\"", 20008)["text"], ": Cooling Down");
  const OrderedJson events = Reply(cooling, "\"e\"");
  ASSERT_EQ(events["messages"].size(), 1u);
  EXPECT_THAT(events["messages"][0]["text"].get<std::string>(), HasSubstr("cooling down"));
  EXPECT_EQ(events["messages"][0]["icon"], "none");
  EXPECT_THAT(events["calls"].dump(), ::testing::Not(HasSubstr("SetPowerOn")));
}

TEST(PjLinkEndToEnd, AWrongPasswordIsRejectedOnceAndNothingIsSent) {
  Served served("4/9", {2, 0ms, false}, "right");
  const auto output = RunLines({served.Open("4/9", "wrong"), R"({"cmd":"dump","seq":"s"})",
                                R"({"cmd":"tab","index":8})", R"({"cmd":"select","id":20268,"index":0})",
                                R"({"cmd":"events","seq":"e"})", R"({"cmd":"close"})"});
  EXPECT_EQ(Control(output, "\"s\"", 20008)["text"], ": -");
  EXPECT_THAT(Calls(output, "\"e\""), HasSubstr("wrong password"));
  EXPECT_EQ(served.rejections, 1);
  EXPECT_EQ(served.projector->PowerState(), sim::Power::On);
}

}  // namespace
}  // namespace driver::testing
