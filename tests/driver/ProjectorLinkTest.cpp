// The dialog's projector traffic: where "connect" sends it, what "events"
// reports of it, and the "sim" command on the simulated projector.
#include <chrono>
#include <cstdint>

#include "projector/LinkProblemText.h"
#include "simulator/pjsim/Daemon.h"
#include "tests/beamlink/FakeProjector.h"
#include "tests/driver/DriverTestSupport.h"

namespace driver::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

// Runs `action` on the open dialog's interface with the calls it made before
// (while opening) taken out of the log.
Step WithPjt(std::function<void(CPjtInterface&)> action) {
  return Do([action = std::move(action)](Session& session) {
    session.Calls().Take();
    ASSERT_NE(session.OpenDialog(), nullptr);
    action(session.OpenDialog()->m_pjt);
  });
}

// A reading of the brightness by its code: its result, error text and time.
struct Reading {
  int result = -1;
  std::string error;
  std::chrono::steady_clock::duration took{};
};
Step ReadBrightness(Reading& reading) {
  return WithPjt([&reading](CPjtInterface& pjt) {
    std::uint16_t value = 0;
    const auto start = std::chrono::steady_clock::now();
    reading.result = pjt.Get(0x2003, 0, &pjt, &value);
    reading.took = std::chrono::steady_clock::now() - start;
    reading.error = pjt.LastError();
  });
}

// "sim" sets and reads values by code and by operation with its argument;
// "events" reports each call on the simulated projector in its shape.
TEST(DriverProjector, SimSetsAndGetsValuesAndEventsReportTheCallsInTheirShape) {
  const auto output = RunSession({
      Line(kOpen),
      Line(R"({"cmd":"sim","set":{"0x2003":130,"GetInputSrcVolume:4":20,"GetColorTempGainR":140,"GetKeystoneV":130,)"
           R"("GetRgbIn:1":3,"GetVideoFormat:1":4},"get":["0x2007","GetKeystoneV","GetRgbIn:1","GetVideoFormat:1"],)"
           R"("seq":1})"),
      WithPjt([](CPjtInterface& pjt) {
        std::uint16_t out = 0;
        std::int16_t value = 0;
        pjt.Get(0x2003, 0, &pjt, &out);
        pjt.Inc(0x2003, 0, &pjt);
        pjt.SetWhisper(1);
        pjt.SetWhisper(2);  // not a whisper code of the model: refused
        pjt.GetInputSrcVolume(4, &value);
        pjt.GetColorTempGainR();
        pjt.GetKeystoneV(&value);
        pjt.GetRgbIn(1, &value);
        pjt.GetVideoFormat(true, &value);
        pjt.SetKeystoneV(120);
        pjt.SetPowerOff();
      }),
      Line(R"({"cmd":"events","seq":2})"),
      Line(R"({"cmd":"sim","get":["0x2003","GetWhisper","0x2007"],"seq":3})"),
      Line(R"({"cmd":"events","seq":4})"),
      Line(R"({"cmd":"close"})"),
      Line(R"({"cmd":"sim","get":["GetKeystoneV"],"seq":5})"),  // the last dialog's projector stays
  });
  EXPECT_EQ(Reply(output, "1")["values"].dump(),
            R"({"0x2007":130,"GetKeystoneV":130,"GetRgbIn:1":3,"GetVideoFormat:1":4})");
  const char* const expected[] = {
      R"({"op":"Get","code":"0x2003","result":1,"out":130})",
      R"({"op":"Inc","code":"0x2003","value":0,"result":1})",
      R"({"op":"SetWhisper","args":[1],"result":true})",
      R"j({"op":"SetWhisper","args":[2],"result":false,"error":"SetWhisper: refused (out of range)"})j",
      R"({"op":"GetInputSrcVolume","args":[4],"result":true,"out":20})",
      R"({"op":"GetColorTempGainR","args":[],"result":140})",
      R"({"op":"GetKeystoneV","args":[],"result":true,"out":130})",
      R"({"op":"GetRgbIn","args":[1],"result":true,"out":3})",
      R"({"op":"GetVideoFormat","args":[true],"result":true,"out":4})",
      R"({"op":"SetKeystoneV","args":[120],"result":true})",
      R"({"op":"SetPowerOff","args":[]})",  // returns nothing: no result
  };
  const OrderedJson calls = Reply(output, "2")["calls"];
  ASSERT_EQ(calls.size(), std::size(expected)) << calls.dump();
  for (std::size_t i = 0; i < calls.size(); ++i) EXPECT_EQ(calls[i].dump(), expected[i]);
  EXPECT_EQ(Reply(output, "3")["values"].dump(), R"({"0x2003":131,"GetWhisper":1,"0x2007":120})");
  EXPECT_TRUE(Reply(output, "4")["calls"].empty()) << "the control side is not a projector call";
  EXPECT_EQ(Reply(output, "5")["values"]["GetKeystoneV"], 120);
}

TEST(DriverProjector, FailedCodesAndOperationsFailUntilCleared) {
  std::uint16_t value = 0;
  std::vector<int> gets;
  std::vector<bool> whispers;
  const auto output = RunSession({
      Line(kOpen),
      Line(R"({"cmd":"sim","fail":["0x2003","SetWhisper"],"seq":1})"),
      WithPjt([&](CPjtInterface& pjt) {
        gets.push_back(pjt.Get(0x2003, 0, &pjt, &value));
        whispers.push_back(pjt.SetWhisper(1));
        gets.push_back(pjt.Get(0x2004, 0, &pjt, &value));  // contrast is not failing
      }),
      Line(R"({"cmd":"events","seq":2})"),
      Line(R"({"cmd":"sim","clear":true,"seq":3})"),
      WithPjt([&](CPjtInterface& pjt) {
        value = 0;
        gets.push_back(pjt.Get(0x2003, 0, &pjt, &value));
        whispers.push_back(pjt.SetWhisper(1));
      }),
      Line(R"({"cmd":"close"})"),
  });
  EXPECT_EQ(gets, (std::vector<int>{0, 1, 1}));
  EXPECT_EQ(whispers, (std::vector<bool>{false, true}));
  EXPECT_EQ(value, 128);
  // A failed call writes nothing: no "out", but why it failed.
  EXPECT_THAT(Reply(output, "2")["calls"][0].dump(),
              StartsWith(R"({"op":"Get","code":"0x2003","result":0,"error":")"));
}

TEST(DriverProjector, LatencyDelaysEveryReply) {
  using std::chrono::milliseconds;
  Reading slow, fast;
  RunSession({
      Line(kOpen),
      WithPjt([](CPjtInterface& pjt) { pjt.SetPowerOn(); }),  // connected before timing
      Line(R"({"cmd":"sim","latency_ms":300})"),
      ReadBrightness(slow),
      Line(R"({"cmd":"sim","clear":true})"),
      ReadBrightness(fast),
      Line(R"({"cmd":"close"})"),
  });
  EXPECT_EQ(slow.result, 1);
  EXPECT_EQ(fast.result, 1);
  EXPECT_GE(slow.took, milliseconds(280));
  EXPECT_LT(slow.took, milliseconds(1900));  // within the default reply timeout
  EXPECT_LT(fast.took, milliseconds(250));
}

// The simulated projector asks for the password the dialog was handed; a
// hand-off without connection data hands none, and none is asked.
TEST(DriverProjector, PasswordOfTheConnectionDataIsAskedBySimulatedProjector) {
  for (const char* handoff : {"", R"(,"handoff":"args2")"}) {
    Reading reading;
    RunSession({Line(R"({"cmd":"open","model":"5/30","host":{"connection":{"text2":"s3cret"}})" + std::string(handoff) +
                     "}"),
                ReadBrightness(reading), Line(R"({"cmd":"close"})")});
    EXPECT_EQ(reading.result, 1) << handoff;
  }
}

TEST(DriverProjector, ConnectNoneOrAMissingSerialDeviceFailsEveryCallAndHasNoSimulator) {
  Reading none, serial;
  const auto output = RunSession({
      Line(R"({"cmd":"sim","get":["0x2003"],"seq":0})"),
      Line(R"({"cmd":"open","model":"5/30","connect":"none","seq":"o"})"),
      ReadBrightness(none),
      Line(R"({"cmd":"sim","get":["0x2003"],"seq":1})"),
      Line(R"({"cmd":"events","seq":2})"),
      Line(R"({"cmd":"close"})"),
      Line(R"({"cmd":"open","model":"5/30","connect":"serial:/nonexistent/tty0"})"),
      ReadBrightness(serial),
      Line(R"({"cmd":"close"})"),
  });
  EXPECT_THAT(ErrorOf(output, "0"), HasSubstr("open a dialog first"));
  EXPECT_EQ(none.result, 0);
  EXPECT_THAT(none.error, HasSubstr("no projector connected"));
  EXPECT_THAT(ErrorOf(output, "1"), HasSubstr("\"connect\":\"none\""));
  EXPECT_THAT(Reply(output, "2")["calls"].back().dump(), HasSubstr(R"("result":0,"error":"Get: cannot reach)"));
  EXPECT_EQ(serial.result, 0);
  EXPECT_THAT(serial.error, HasSubstr("/nonexistent/tty0"));
}

TEST(DriverProjector, SimRefusesBadKeysAndValuesWithoutApplyingThem) {
  const std::string sim = R"({"cmd":"sim",)";
  const auto output = RunCases({Line(kOpen)}, {
      {sim + R"("set":{"0x2003":140},"get":["0xZZ"]})", "\"0xZZ\" is not a command code"},
      {sim + R"("get":["0x12345"]})", "\"0x12345\" is not a command code"},
      {sim + R"("get":["GetInputSrcVolume:x"]})", "argument after ':'"},
      {sim + R"("set":{"0x2003":-1}})", "from 0 to 65535"},
      {sim + R"("set":{"0x2003":"130"}})", "from 0 to 65535"},
      {sim + R"("fail":["SetWhisper:1"]})", "SetWhisper:1"},
      {sim + R"("fail":"0x2003"})", "must be an array"},
      {sim + R"("latency_ms":-5})", "latency_ms"},
      {sim + R"("clear":1})", "true or false"},
      {sim + R"("gets":["0x2003"]})", "gets"},
      {sim + R"("get":["NoSuchOperation"]})", "NoSuchOperation"},
      {sim + R"("fail":["NoSuchOperation"]})", "NoSuchOperation"},
  }, {Line(sim + R"("get":["0x2003"],"seq":"after"})"), Line(R"({"cmd":"close"})")});
  // The set of the first line was not applied: its get was malformed.
  EXPECT_EQ(Reply(output, "\"after\"")["values"]["0x2003"], 128);
}

// A projector that takes the connection and never answers, or one that
// refuses the password: the status page reads eight states, but the dialog
// opens after one wait (the handed-over timeout) and one login, with one box
// saying why, not told again when the page is shown once more. The traffic
// goes where "connect" says, never to the handed-over address.
TEST(DriverProjector, ADeadLinkCostsOneWaitAndIsToldOnceByName) {
  const beamlink::test::FakeProjector handed({});
  const beamlink::test::FakeProjector silent({[](beamlink::test::PeerStream& peer) {
    while (peer.Receive()) {
    }
  }});
  std::atomic<int> logins{0};
  sim::ServerOptions options;
  options.password = "right";
  options.log = [&logins](const std::string& line) { logins += line.find("hello") != std::string::npos; };
  std::string error;
  const auto guarded = sim::pjsim::LoopbackService::Start(
      std::make_shared<sim::Projector>(*Database().Find(5, 30)), options, error);
  ASSERT_TRUE(guarded) << error;
  const std::string address = R"({"kind":1,"address":"127.0.0.1","third":)" + std::to_string(handed.Port());
  struct Case {
    int port;
    std::string connection;
    beamlink::CallFailure failure;
  };
  using beamlink::CallFailure;
  for (const Case& c : {Case{silent.Port(), address + R"(,"fourth":300})", CallFailure::Timeout},
                        Case{guarded->Port(), address + R"(,"text2":"wrong"})", CallFailure::PasswordMismatch}}) {
    const std::string peer = "127.0.0.1:" + std::to_string(c.port);
    std::chrono::steady_clock::time_point start;
    std::chrono::steady_clock::duration took{};
    const auto output = RunSession({
        Do([&](Session&) { start = std::chrono::steady_clock::now(); }),
        Line(R"({"cmd":"open","model":"5/30","host":{"connection":)" + c.connection +
             R"(},"connect":"tcp://)" + peer + R"("})"),
        Do([&](Session&) { took = std::chrono::steady_clock::now() - start; }),
        Line(R"({"cmd":"events","seq":1})"),
        Line(R"({"cmd":"tab","index":0})"),
        Line(R"({"cmd":"events","seq":2})"),
        Line(R"({"cmd":"close"})"),
    });
    const OrderedJson messages = Reply(output, "1")["messages"];
    ASSERT_EQ(messages.size(), 1u) << messages.dump();
    EXPECT_EQ(messages[0]["text"], LinkProblemText({c.failure, peer}));
    EXPECT_THAT(messages[0]["text"].get<std::string>(), HasSubstr(peer));
    EXPECT_TRUE(Reply(output, "2")["messages"].empty());
    EXPECT_LT(took, std::chrono::milliseconds(c.failure == CallFailure::Timeout ? 900 : 1500)) << peer;
  }
  EXPECT_EQ(silent.Connections(), 1);
  EXPECT_EQ(logins, 1);
  EXPECT_EQ(handed.Connections(), 0);
}

}  // namespace
}  // namespace driver::testing
