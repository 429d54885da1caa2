// The projector's end of a connection: handshake, replies, malformed input
// and the faults that act on the line.
#include <gtest/gtest.h>

#include "beamlink/Auth.h"
#include "projector/CommandCodes.h"
#include "SimTestSupport.h"
#include "simulator/Server.h"

namespace sim::test {
namespace {

using beamlink::BodyKind;
using beamlink::Encode;

class ServerTest : public ::testing::Test {
 protected:
  std::unique_ptr<Server> Connect(std::string password = {}) {
    ServerOptions options;
    options.password = std::move(password);
    options.log = [this](const std::string& line) { log.push_back(line); };
    return std::make_unique<Server>(projector, options);
  }

  static beamlink::Message Only(const std::vector<Server::Output>& outputs) {
    EXPECT_EQ(outputs.size(), 1u);
    if (outputs.empty()) return {};
    std::string error;
    const auto message = beamlink::DecodeFrame(outputs[0].bytes, &error);
    EXPECT_TRUE(message) << error;
    return message.value_or(beamlink::Message{});
  }

  // Says hello and expects a welcome.
  void Greet(Server& server) { ASSERT_EQ(Only(server.Receive(Encode(beamlink::Hello{}))).kind, BodyKind::Welcome); }

  std::shared_ptr<Projector> projector = MakeProjector("5/30");
  std::vector<std::string> log;
};

TEST_F(ServerTest, WelcomesThenAnswersEachRequestWithItsTagAndCode) {
  auto server = Connect();
  Greet(*server);
  for (std::uint8_t tag : {1, 77, 255}) {
    const auto reply = Only(server->Receive(Encode(beamlink::Request{tag, beamlink::Action::Get, pjcode::kContrast})));
    ASSERT_EQ(reply.kind, BodyKind::Reply);
    EXPECT_EQ(reply.reply, (beamlink::Reply{tag, beamlink::Status::Value, pjcode::kContrast, 128}));
  }
  // Two requests in one read get two replies, in order.
  beamlink::Frame both = Encode(Set(pjcode::kBrightness, 140));
  const beamlink::Frame get = Encode(Get(pjcode::kBrightness));
  both.insert(both.end(), get.begin(), get.end());
  const auto outputs = server->Receive(both);
  ASSERT_EQ(outputs.size(), 2u);
  EXPECT_EQ(beamlink::DecodeFrame(outputs[1].bytes).value().reply.value, 140);
  // Bytes split anywhere still make frames.
  const beamlink::Frame request = Encode(Get(pjcode::kBrightness));
  EXPECT_TRUE(server->Receive(std::span(request).first(5)).empty());
  EXPECT_EQ(Only(server->Receive(std::span(request).subspan(5))).reply.value, 140);
  EXPECT_NE(std::find(log.begin(), log.end(), "tag 1 Get 0x2003 brightness -> value 140"), log.end());
}

// Wrong answers, from however many connections, are rejected ever later.
TEST_F(ServerTest, WrongAnswersAreRejectedOneAtATime) {
  const auto throttle = std::make_shared<GuessThrottle>(std::chrono::milliseconds(500));
  std::vector<Server::Output> rejections;
  ServerOptions options;
  options.password = "secret";
  options.throttle = throttle;
  for (int guess = 0; guess < 3; ++guess) {
    Server server(projector, options);
    server.Receive(Encode(beamlink::Hello{}));
    rejections.push_back(server.Receive(Encode(beamlink::Answer{})).at(0));
    EXPECT_FALSE(beamlink::DecodeFrame(rejections.back().bytes).value().verdict.accepted);
    EXPECT_TRUE(rejections.back().close);
  }
  EXPECT_GE(rejections[2].delay - rejections[0].delay, std::chrono::milliseconds(900));
}

TEST_F(ServerTest, MalformedOrUnexpectedFramesCloseTheConnection) {
  beamlink::Frame badChecksum = Encode(beamlink::Hello{});
  badChecksum.back() ^= 1;
  const std::vector<beamlink::Frame> bad = {
      badChecksum,
      {0x00, 0x01, 0x02},                       // no start marker
      {0xA5, 0x00},                             // empty body
      {0xA5, 0xFF},                             // too long
      Encode(Get(pjcode::kBrightness)),         // a request before the hello
      Encode(beamlink::Reply{1, beamlink::Status::Done, 0, 0}),  // a projector's frame
  };
  for (const auto& frame : bad) {
    auto server = Connect();
    const auto outputs = server->Receive(frame);
    ASSERT_EQ(outputs.size(), 1u);
    EXPECT_TRUE(outputs[0].close);
    EXPECT_TRUE(outputs[0].bytes.empty());
    EXPECT_TRUE(server->Closed());
  }
  EXPECT_NE(log.front().find("malformed frame: checksum error"), std::string::npos) << log.front();

  auto server = Connect();
  Greet(*server);
  EXPECT_TRUE(server->Receive(Encode(beamlink::Welcome{}))[0].close);
}

// Latency and garbage are seen end to end in the connection tests.
TEST_F(ServerTest, ADroppedRequestIsNotCarriedOut) {
  auto server = Connect();
  Greet(*server);
  projector->GetFaults().DropConnection();
  const auto outputs = server->Receive(Encode(Set(pjcode::kBrightness, 150)));
  ASSERT_EQ(outputs.size(), 1u);
  EXPECT_TRUE(outputs[0].close);
  EXPECT_TRUE(outputs[0].bytes.empty());
  EXPECT_EQ(projector->Value(pjcode::kBrightness), 128);
  auto next = Connect();
  Greet(*next);
  EXPECT_EQ(Only(next->Receive(Encode(Get(pjcode::kBrightness)))).reply.value, 128);
}

}  // namespace
}  // namespace sim::test
