// PJLink: lines, authentication and error replies as the standard gives
// them, and a link against scripted projectors that misbehave.
#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "beamlink/pjlink/Codec.h"
#include "beamlink/pjlink/Link.h"

namespace beamlink::pjlink {
namespace {

TEST(PjLinkCodec, FramesErrorsAndTheStandardsDigest) {
  EXPECT_EQ(EncodeCommand(1, "POWR", "1"), "%1POWR 1\r");
  EXPECT_EQ(EncodeCommand(2, "frez", "?"), "%2FREZ ?\r");
  EXPECT_EQ(EncodeCommand(3, "POWR", "1"), "");
  EXPECT_EQ(EncodeCommand(1, "POWR", "1\r%1POWR 0"), "");  // no second command smuggled in
  EXPECT_EQ(ParseResponse("%1POWR=OK"), (Response{1, "POWR", "OK", ErrorReply::None}));
  EXPECT_EQ(ParseResponse("%2INPT=3A"), (Response{2, "INPT", "3A", ErrorReply::None}));
  const ErrorReply errors[] = {ErrorReply::Undefined, ErrorReply::OutOfParameter, ErrorReply::UnavailableTime,
                               ErrorReply::ProjectorFailure};
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(ParseResponse("%1AVMT=ERR" + std::to_string(i + 1))->error, errors[i]);
  for (const char* bad : {"%3POWR=1", "%1PO!R=1", "%1POWR 1", "POWR=1", "%1POW=1"}) EXPECT_FALSE(ParseResponse(bad)) << bad;
  EXPECT_EQ(ParseGreeting("PJLINK 0")->kind, GreetingKind::Open);
  EXPECT_EQ(ParseGreeting("PJLINK 1 498e4a67")->random, "498e4a67");
  EXPECT_EQ(ParseGreeting("PJLINK ERRA")->kind, GreetingKind::AuthFailed);
  EXPECT_FALSE(ParseGreeting("PJLINK 1 "));
  EXPECT_EQ(AuthDigest("498e4a67", "JBMIAProjectorLink"), "5d8409bc1c3fa39749434aa3a5c38682");

  LineReader reader;
  const std::string two = "%1POWR=1\r\n%1INPT=11\r";
  std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(two.data()), two.size());
  bytes = bytes.subspan(reader.Feed(bytes));
  EXPECT_EQ(reader.Take(), "%1POWR=1");
  reader.Feed(bytes);
  EXPECT_EQ(reader.Take(), "%1INPT=11");  // the LF after a CR is no part of the next line
  const std::string longLine(kMaxLine + 1, 'x');
  reader.Feed(std::span(reinterpret_cast<const std::uint8_t*>(longLine.data()), longLine.size()));
  EXPECT_EQ(reader.GetState(), LineReader::State::Failed);
}

// A projector in memory: a greeting per connection, then an answer (raw
// bytes) per command line; it may close after each answer.
struct ScriptedProjector {
  ScriptedProjector(std::string g, std::function<std::string(const std::string&)> a, bool close = false)
      : greeting(std::move(g)), answer(std::move(a)), closeAfterAnswer(close) {}
  std::string greeting;
  std::function<std::string(const std::string&)> answer;
  bool closeAfterAnswer;
  std::vector<std::string> received;
  int connections = 0;

  TransportFactory Factory() {
    return [this](const Endpoint&, Deadline, std::string&) -> std::unique_ptr<Transport> {
      ++connections;
      return std::make_unique<Line>(*this);
    };
  }

  struct Line : Transport {
    explicit Line(ScriptedProjector& p) : peer(p), out(p.greeting) {}
    bool Write(std::span<const std::uint8_t> bytes, Deadline, std::string& error) override {
      if (closed) return error = "closed", false;
      const std::string line(bytes.begin(), bytes.end() - 1);
      peer.received.push_back(line);
      out += peer.answer(line.substr(line.find('%')));
      closed = peer.closeAfterAnswer;
      return true;
    }
    std::size_t Read(std::span<std::uint8_t> buffer, Deadline deadline, std::string& error) override {
      if (out.empty()) {
        if (!closed) std::this_thread::sleep_until(deadline);
        error = "closed or timed out";
        return 0;
      }
      const std::size_t n = std::min(buffer.size(), out.size());
      std::copy_n(out.begin(), n, buffer.begin());
      out.erase(0, n);
      return n;
    }
    ScriptedProjector& peer;
    std::string out;
    bool closed = false;
  };
};

// Answers CLSS with `cls` and every other command with `data`.
std::function<std::string(const std::string&)> Answering(std::string data, char cls = '2') {
  return [=](const std::string& line) {
    return line.starts_with("%1CLSS") ? std::string("%1CLSS=") + cls + "\r" : line.substr(0, 6) + "=" + data + "\r";
  };
}

Endpoint At(std::string password = {}) {
  Endpoint endpoint;
  endpoint.third = 4352;
  endpoint.address = "127.0.0.1";
  endpoint.timeoutMs = 60;
  endpoint.password = std::move(password);
  endpoint.protocol = Protocol::PjLink;
  return endpoint;
}

const Request kGetPower{0, Action::Get, 0x6000, 0, 0};
const Request kGetFreeze{0, Action::Get, 0x3002, 0, 0};

TEST(PjLinkLink, AuthenticatesOnceAndStopsAfterARejection) {
  ScriptedProjector projector{"PJLINK 1 498e4a67\r", Answering("1")};
  Link link(At("JBMIAProjectorLink"), projector.Factory());
  EXPECT_EQ(link.Call(kGetPower).reply.value, 1);
  EXPECT_EQ(link.Call(kGetPower).reply.value, 1);
  EXPECT_EQ(projector.received,
            (std::vector<std::string>{"5d8409bc1c3fa39749434aa3a5c38682%1CLSS ?", "%1POWR ?", "%1POWR ?"}));

  projector.answer = [](const std::string&) { return std::string("PJLINK ERRA\r"); };
  Link wrong(At("wrong"), projector.Factory());
  EXPECT_EQ(wrong.Call(kGetPower).failure, CallFailure::PasswordRejected);
  const int connections = projector.connections;
  EXPECT_EQ(wrong.Call(kGetPower).failure, CallFailure::PasswordRejected);
  EXPECT_EQ(projector.connections, connections);  // not asked again
  EXPECT_EQ(Link(At(), projector.Factory()).Call(kGetPower).failure, CallFailure::PasswordRequired);
}

TEST(PjLinkLink, ErrorRepliesAndClassOneRefuseWithTheirReason) {
  ScriptedProjector projector{"PJLINK 0\r", Answering("ERR3", '1')};
  Link link(At(), projector.Factory());
  const CallResult busy = link.Call(kGetPower);
  EXPECT_TRUE(busy.ok);
  EXPECT_EQ(busy.reply.status, Status::Refused);
  EXPECT_NE(busy.error.find("ERR3"), std::string::npos);
  const std::size_t sent = projector.received.size();
  EXPECT_EQ(link.Call(kGetFreeze).reply.status, Status::Refused);  // class 1: no FREZ, nothing sent
  EXPECT_EQ(link.Call(Request{0, Action::Get, 0x2003, 0, 0}).reply.status, Status::Refused);  // no PJLink command
  EXPECT_EQ(projector.received.size(), sent);
  EXPECT_TRUE(link.IsOpen());
}

TEST(PjLinkLink, BadPeersFailWithinTheirBoundAndTheNextCallRecovers) {
  const std::pair<const char*, CallFailure> cases[] = {
      {"%1INPT=11\r", CallFailure::Protocol},  // the response to another command
      {"\x01garbage\r", CallFailure::Protocol},
      {"%1POWR=1", CallFailure::Timeout},  // no CR
      {"%1POWR=7\r", CallFailure::Protocol},
  };
  for (const auto& [bad, failure] : cases) {
    ScriptedProjector projector{"PJLINK 0\r", Answering("1")};
    Link link(At(), projector.Factory());
    ASSERT_TRUE(link.Call(kGetPower).ok);
    projector.answer = [&](const std::string&) { return std::string(bad); };
    const auto start = Clock::now();
    EXPECT_EQ(link.Call(kGetPower).failure, failure) << bad;
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(500));
    projector.answer = Answering("0");
    EXPECT_EQ(link.Call(kGetPower).reply.value, 0) << bad;
  }
  ScriptedProjector silent{"", Answering("1")};
  EXPECT_EQ(Link(At(), silent.Factory()).Call(kGetPower).failure, CallFailure::Timeout);
}

// The model's table goes first; a default entry stays only where the model
// names neither its code nor its input.
TEST(PjLinkLink, InputsGoThroughTheModelsTableWithTheDefaultsFillingItsGaps) {
  const InputLink model[] = {{3, "32"}, {7, "3A"}, {1, "12"}, {9, "bad"}};
  const auto setInput = [](std::uint16_t code) { return Request{0, Action::Set, 0x2000, 0, code}; };
  const Request getInput{0, Action::Get, 0x2000, 0, 0};
  for (const char cls : {'2', '1', '3'}) {  // a class-3 projector speaks class 2 too
    const bool two = cls != '1';
    ScriptedProjector projector{"PJLINK 0\r", Answering("OK", cls)};
    Link link(At(), projector.Factory(), model);
    EXPECT_EQ(link.Call(setInput(3)).reply.status, Status::Done);
    EXPECT_EQ(link.Call(setInput(2)).reply.status, Status::Done);     // the default: S-video
    EXPECT_EQ(link.Call(setInput(4)).reply.status, Status::Refused);  // its default "12" is the model's video
    EXPECT_EQ(link.Call(setInput(9)).reply.status, Status::Refused);
    EXPECT_EQ(link.Call(setInput(7)).reply.status, two ? Status::Done : Status::Refused);  // class 2 only
    std::vector<std::string> sent = {"%1CLSS ?", "%1INPT 32", "%1INPT 22"};
    if (two) sent.push_back("%2INPT 3A");
    EXPECT_EQ(projector.received, sent) << cls;

    // A class-2 projector is asked in class-2 numbering.
    const std::pair<const char*, std::uint16_t> reads[] = {{"32", 3}, {"12", 1}, {"31", 0xFFFF}, {"11", 0}};
    for (const auto& [input, code] : reads) {
      projector.answer = Answering(input, cls);
      EXPECT_EQ(link.Call(getInput).reply.value, code) << input;
    }
    EXPECT_EQ(projector.received.back(), two ? "%2INPT ?" : "%1INPT ?");
  }
}

// Some class-2 projectors implement only the class-1 input query: ERR1 to
// "%2INPT ?" is asked once more as "%1INPT ?", and from then on in class 1.
TEST(PjLinkLink, AClassTwoProjectorRefusingTheClassTwoInputQueryIsAskedInClassOne) {
  ScriptedProjector projector{"PJLINK 0\r", [](const std::string& line) -> std::string {
                                if (line.starts_with("%1CLSS")) return "%1CLSS=2\r";
                                if (line.starts_with("%2INPT ?") || line.starts_with("%2INST ?")) return line.substr(0, 6) + "=ERR1\r";
                                if (line.starts_with("%2FREZ")) return "%2FREZ=1\r";
                                return line.substr(0, 6) + "=32\r";
                              }};
  const InputLink model[] = {{3, "32"}};
  Link link(At(), projector.Factory(), model);
  const Request getInput{0, Action::Get, 0x2000, 0, 0};
  for (int i = 0; i < 2; ++i) EXPECT_EQ(link.Call(getInput).reply.value, 3);
  std::string error;
  EXPECT_EQ(link.Query(2, "INST", error), "32");
  EXPECT_EQ(projector.received, (std::vector<std::string>{"%1CLSS ?", "%2INPT ?", "%1INPT ?", "%1INPT ?", "%2INST ?",
                                                          "%1INST ?"}));
  EXPECT_EQ(link.Call(kGetFreeze).reply.value, 1);  // other class-2 commands stay class 2
}

TEST(PjLinkLink, AProjectorClosingAfterEachCommandIsReconnected) {
  ScriptedProjector projector{"PJLINK 0\r", Answering("1"), true};
  Link link(At(), projector.Factory());
  for (int i = 0; i < 3; ++i) EXPECT_EQ(link.Call(kGetPower).reply.value, 1);
  EXPECT_EQ(projector.connections, 4);  // the class query had one of its own
}

}  // namespace
}  // namespace beamlink::pjlink
