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

CPjtInterface& Pjt(Session& session) {
  CExpertDlg* dialog = session.OpenDialog();
  if (!dialog) throw std::logic_error("no dialog is open");
  return dialog->m_pjt;
}

// Runs `action` on the open dialog's interface with the calls it made before
// (while opening) taken out of the log.
Step WithPjt(std::function<void(CPjtInterface&)> action) {
  return Do([action = std::move(action)](Session& session) {
    session.Calls().Take();
    action(Pjt(session));
  });
}

// Reads the brightness by its code, keeping the result and the error text.
Step GetBrightness(int& result, std::string* error = nullptr) {
  return WithPjt([&result, error](CPjtInterface& pjt) {
    std::uint16_t value = 0;
    result = pjt.Get(0x2003, 0, &pjt, &value);
    if (error) *error = pjt.LastError();
  });
}

TEST(DriverProjector, EventsReportTheCallsOnTheSimulatedProjectorInTheirShape) {
  std::uint16_t out = 0;
  std::int16_t volume = 0;
  const auto output = RunSession({
      Line(kOpen),
      Line(R"({"cmd":"sim","set":{"0x2003":130,"GetInputSrcVolume:4":20,"GetColorTempGainR":140},"seq":1})"),
      WithPjt([&](CPjtInterface& pjt) {
        pjt.Get(0x2003, 0, &pjt, &out);
        pjt.Inc(0x2003, 0, &pjt);
        pjt.SetWhisper(1);
        pjt.SetWhisper(2);  // not a whisper code of the model: refused
        pjt.GetInputSrcVolume(4, &volume);
        pjt.GetColorTempGainR();
        pjt.SetPowerOff();
      }),
      Line(R"({"cmd":"events","seq":2})"),
      Line(R"({"cmd":"sim","get":["0x2003","GetWhisper"],"seq":3})"),
      Line(R"({"cmd":"events","seq":4})"),
      Line(R"({"cmd":"close"})"),
  });
  EXPECT_EQ(out, 130);
  EXPECT_EQ(volume, 20);
  const OrderedJson calls = Reply(output, "2")["calls"];
  ASSERT_EQ(calls.size(), 7u) << calls.dump();
  EXPECT_EQ(calls[0].dump(), R"({"op":"Get","code":"0x2003","result":1,"out":130})");
  EXPECT_EQ(calls[1].dump(), R"({"op":"Inc","code":"0x2003","value":0,"result":1})");
  EXPECT_EQ(calls[2].dump(), R"({"op":"SetWhisper","args":[1],"result":true})");
  EXPECT_EQ(calls[3].dump(),
            R"j({"op":"SetWhisper","args":[2],"result":false,"error":"SetWhisper: refused (out of range)"})j");
  EXPECT_EQ(calls[4].dump(), R"({"op":"GetInputSrcVolume","args":[4],"result":true,"out":20})");
  EXPECT_EQ(calls[5].dump(), R"({"op":"GetColorTempGainR","args":[],"result":140})");
  EXPECT_EQ(calls[6].dump(), R"({"op":"SetPowerOff","args":[]})");  // returns nothing: no result
  EXPECT_EQ(Reply(output, "3")["values"].dump(), R"({"0x2003":131,"GetWhisper":1})");
  EXPECT_TRUE(Reply(output, "4")["calls"].empty()) << "the control side is not a projector call";
}

TEST(DriverProjector, SimSetAndGetByCodeAndByOperationWithItsArgument) {
  std::int16_t keystone = 0, rgbIn = 0, composite = 0;
  const auto output = RunSession({
      Line(kOpen),
      Line(R"({"cmd":"sim","set":{"GetKeystoneV":130,"GetRgbIn:1":3,"GetVideoFormat:1":4},"get":["0x2007","GetKeystoneV","GetRgbIn:1","GetVideoFormat:1"],"seq":1})"),
      WithPjt([&](CPjtInterface& pjt) {
        pjt.GetKeystoneV(&keystone);
        pjt.GetRgbIn(1, &rgbIn);
        pjt.GetVideoFormat(true, &composite);
        pjt.SetKeystoneV(120);
      }),
      Line(R"({"cmd":"sim","get":["0x2007"],"seq":2})"),
      Line(R"({"cmd":"close"})"),
      // Between dialogs the projector of the last one stays.
      Line(R"({"cmd":"sim","get":["GetKeystoneV"],"seq":3})"),
  });
  EXPECT_EQ(ErrorOf(output, "\"o\""), "");
  EXPECT_EQ(Reply(output, "1")["values"].dump(),
            R"({"0x2007":130,"GetKeystoneV":130,"GetRgbIn:1":3,"GetVideoFormat:1":4})");
  EXPECT_EQ(keystone, 130);
  EXPECT_EQ(rgbIn, 3);
  EXPECT_EQ(composite, 4);
  EXPECT_EQ(Reply(output, "2")["values"]["0x2007"], 120);
  EXPECT_EQ(Reply(output, "3")["values"]["GetKeystoneV"], 120);
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
  using namespace std::chrono;
  steady_clock::duration slow{}, fast{};
  auto timeGet = [](steady_clock::duration& took) {
    return WithPjt([&took](CPjtInterface& pjt) {
      std::uint16_t value = 0;
      const auto start = steady_clock::now();
      EXPECT_EQ(pjt.Get(0x2003, 0, &pjt, &value), 1);
      took = steady_clock::now() - start;
    });
  };
  RunSession({
      Line(kOpen),
      WithPjt([](CPjtInterface& pjt) { pjt.SetPowerOn(); }),  // connected before timing
      Line(R"({"cmd":"sim","latency_ms":300})"),
      timeGet(slow),
      Line(R"({"cmd":"sim","clear":true})"),
      timeGet(fast),
      Line(R"({"cmd":"close"})"),
  });
  EXPECT_GE(slow, milliseconds(280));
  EXPECT_LT(slow, milliseconds(1900));  // within the default reply timeout
  EXPECT_LT(fast, milliseconds(250));
}

TEST(DriverProjector, PasswordOfTheConnectionDataIsAskedBySimulatedProjector) {
  // The simulated projector asks for the password the dialog was handed; a
  // hand-off without connection data hands none, and none is asked.
  for (const char* open :
       {R"({"cmd":"open","model":"5/30","host":{"connection":{"text2":"s3cret"}},"seq":"o"})",
        R"({"cmd":"open","model":"5/30","host":{"connection":{"text2":"s3cret"}},"handoff":"args2","seq":"o"})"}) {
    int result = -1;
    RunSession({Line(open), GetBrightness(result), Line(R"({"cmd":"close"})")});
    EXPECT_EQ(result, 1) << open;
  }
}

TEST(DriverProjector, ConnectNoneOrAMissingSerialDeviceFailsEveryCallAndHasNoSimulator) {
  int result = -1;
  std::string error;
  const auto output = RunSession({
      Line(R"({"cmd":"sim","get":["0x2003"],"seq":0})"),
      Line(R"({"cmd":"open","model":"5/30","connect":"none","seq":"o"})"),
      GetBrightness(result, &error),
      Line(R"({"cmd":"sim","get":["0x2003"],"seq":1})"),
      Line(R"({"cmd":"events","seq":2})"),
      Line(R"({"cmd":"close"})"),
  });
  EXPECT_THAT(ErrorOf(output, "0"), HasSubstr("open a dialog first"));
  EXPECT_EQ(result, 0);
  EXPECT_THAT(error, HasSubstr("no projector connected"));
  EXPECT_THAT(ErrorOf(output, "1"), HasSubstr("\"connect\":\"none\""));
  EXPECT_THAT(Reply(output, "2")["calls"].back().dump(), HasSubstr(R"("result":0,"error":"Get: cannot reach)"));

  RunSession({Line(R"({"cmd":"open","model":"5/30","connect":"serial:/nonexistent/tty0"})"),
              GetBrightness(result, &error), Line(R"({"cmd":"close"})")});
  EXPECT_EQ(result, 0);
  EXPECT_THAT(error, HasSubstr("/nonexistent/tty0"));
}

TEST(DriverProjector, SimRefusesBadKeysAndValuesWithoutApplyingThem) {
  const auto output = RunSession({
      Line(kOpen),
      Line(R"({"cmd":"sim","set":{"0x2003":140},"get":["0xZZ"],"seq":1})"),
      Line(R"({"cmd":"sim","get":["0x12345"],"seq":2})"),
      Line(R"({"cmd":"sim","get":["GetInputSrcVolume:x"],"seq":3})"),
      Line(R"({"cmd":"sim","set":{"0x2003":-1},"seq":4})"),
      Line(R"({"cmd":"sim","set":{"0x2003":"130"},"seq":5})"),
      Line(R"({"cmd":"sim","fail":["SetWhisper:1"],"seq":6})"),
      Line(R"({"cmd":"sim","fail":"0x2003","seq":7})"),
      Line(R"({"cmd":"sim","latency_ms":-5,"seq":8})"),
      Line(R"({"cmd":"sim","clear":1,"seq":9})"),
      Line(R"({"cmd":"sim","gets":["0x2003"],"seq":10})"),
      Line(R"({"cmd":"sim","get":["NoSuchOperation"],"seq":11})"),
      Line(R"({"cmd":"sim","fail":["NoSuchOperation"],"seq":12})"),
      Line(R"({"cmd":"sim","get":["0x2003"],"seq":13})"),
      Line(R"({"cmd":"close"})"),
  });
  EXPECT_THAT(ErrorOf(output, "1"), HasSubstr("\"0xZZ\" is not a command code"));
  EXPECT_THAT(ErrorOf(output, "2"), HasSubstr("\"0x12345\" is not a command code"));
  EXPECT_THAT(ErrorOf(output, "3"), HasSubstr("argument after ':'"));
  EXPECT_THAT(ErrorOf(output, "4"), HasSubstr("from 0 to 65535"));
  EXPECT_THAT(ErrorOf(output, "5"), HasSubstr("from 0 to 65535"));
  EXPECT_THAT(ErrorOf(output, "6"), HasSubstr("SetWhisper:1"));
  EXPECT_THAT(ErrorOf(output, "7"), HasSubstr("must be an array"));
  EXPECT_THAT(ErrorOf(output, "8"), HasSubstr("latency_ms"));
  EXPECT_THAT(ErrorOf(output, "9"), HasSubstr("true or false"));
  EXPECT_THAT(ErrorOf(output, "10"), HasSubstr("gets"));
  EXPECT_THAT(ErrorOf(output, "11"), HasSubstr("NoSuchOperation"));
  EXPECT_THAT(ErrorOf(output, "12"), HasSubstr("NoSuchOperation"));
  // The set of line 1 was not applied: its get was malformed.
  EXPECT_EQ(Reply(output, "13")["values"]["0x2003"], 128);
}

TEST(DriverProjector, TcpGoesOnlyWhereConnectSaysWithTheHandedTimeout) {
  // Neither ever answers the hello.
  const beamlink::test::FakeProjector target({[](beamlink::test::PeerStream& peer) {
    while (peer.Receive()) {
    }
  }});
  const beamlink::test::FakeProjector handed({});
  int result = -1;
  std::chrono::steady_clock::duration took{};
  const std::string host = R"("host":{"connection":{"kind":1,"address":"127.0.0.1","third":)" +
                           std::to_string(handed.Port()) + R"(,"fourth":150}})";
  RunSession({
      Line(R"({"cmd":"open","model":"5/30",)" + host + R"(,"connect":"tcp://127.0.0.1:)" +
           std::to_string(target.Port()) + R"("})"),
      WithPjt([&](CPjtInterface& pjt) {
        std::uint16_t value = 0;
        const auto start = std::chrono::steady_clock::now();
        result = pjt.Get(0x2003, 0, &pjt, &value);
        took = std::chrono::steady_clock::now() - start;
      }),
      Line(R"({"cmd":"close"})"),
  });
  EXPECT_EQ(result, 0);
  EXPECT_LT(took, std::chrono::milliseconds(1500)) << "the handed-over 150 ms timeout was not used";
  EXPECT_GT(target.Connections(), 0);  // opening the dialog reads the projector too
  EXPECT_EQ(handed.Connections(), 0);
}

// A projector that takes the connection and never answers, or one that
// refuses the password: the status page reads eight states, but the dialog
// opens after one wait and one login, with one box saying why, not told
// again when the page is shown once more.
TEST(DriverProjector, ADeadLinkCostsOneWaitAndIsToldOnceByName) {
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
  struct Case {
    int port;
    const char* connection;
    beamlink::CallFailure failure;
  };
  for (const Case& c : {Case{silent.Port(), R"({"fourth":300})", beamlink::CallFailure::Timeout},
                        Case{guarded->Port(), R"({"text2":"wrong"})", beamlink::CallFailure::PasswordMismatch}}) {
    const std::string peer = "127.0.0.1:" + std::to_string(c.port);
    std::chrono::steady_clock::time_point start;
    std::chrono::steady_clock::duration took{};
    const auto output = RunSession({
        Do([&](Session&) { start = std::chrono::steady_clock::now(); }),
        Line(R"({"cmd":"open","model":"5/30","host":{"connection":)" + std::string(c.connection) +
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
    EXPECT_LT(took, std::chrono::milliseconds(c.failure == beamlink::CallFailure::Timeout ? 900 : 1500)) << peer;
  }
  EXPECT_EQ(silent.Connections(), 1);
  EXPECT_EQ(logins, 1);
}

}  // namespace
}  // namespace driver::testing
