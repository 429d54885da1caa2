// A connection against a scripted projector on 127.0.0.1: every way a
// projector can misbehave fails the call within its bound, and the next call
// reconnects and works.
#include <gtest/gtest.h>

#include <algorithm>

#include "FakeProjector.h"
#include "beamlink/Connection.h"

namespace beamlink::test {
namespace {

using Millis = std::chrono::milliseconds;

const Request kGetBrightness{0, Action::Get, 0x2003, 2, 0};

struct Timed {
  CallResult result;
  Millis elapsed;
};

Timed TimedCall(Connection& connection, const Request& request = kGetBrightness) {
  const auto start = Clock::now();
  CallResult result = connection.Call(request);
  return {std::move(result), std::chrono::duration_cast<Millis>(Clock::now() - start)};
}

// The projector greets, reads one request and then misbehaves in its own
// way; or, with `inHandshake`, misbehaves from the hello on.
struct Fault {
  const char* name;
  std::function<void(PeerStream&, const Request&)> act;
  CallFailure expected;
  int waitsMs;  // how long the client must wait to notice; 0: it must notice at once
  bool inHandshake = false;
};

// Reads on without answering until the client gives up.
void StaySilent(PeerStream& peer) {
  while (peer.Receive()) {
  }
}

void PrintTo(const Fault& fault, std::ostream* out) { *out << fault.name; }

Frame WithReply(const Request& request, std::function<void(Reply&)> change) {
  Reply reply = CorrectReply(request);
  change(reply);
  return Encode(reply);
}

const Fault kFaults[] = {
    {"Silent", [](PeerStream& p, const Request&) { StaySilent(p); }, CallFailure::Timeout, 300},
    {"Late",
     [](PeerStream& p, const Request& r) {
       std::this_thread::sleep_for(400ms);
       p.Send(Encode(CorrectReply(r)));
       StaySilent(p);
     },
     CallFailure::Timeout, 300},
    {"HalfAReply",
     [](PeerStream& p, const Request& r) {
       const Frame reply = Encode(CorrectReply(r));
       p.Send(Frame(reply.begin(), reply.begin() + 5));
       StaySilent(p);
     },
     CallFailure::Timeout, 300},
    {"Closes", [](PeerStream&, const Request&) {}, CallFailure::Closed, 0},
    {"Garbage", [](PeerStream& p, const Request&) { p.Send({0x00, 0x13, 0x37, 0xFF}); }, CallFailure::Protocol, 0},
    {"WrongTag", [](PeerStream& p, const Request& r) { p.Send(WithReply(r, [](Reply& x) { x.tag += 1; })); },
     CallFailure::Protocol, 0},
    {"WrongCode", [](PeerStream& p, const Request& r) { p.Send(WithReply(r, [](Reply& x) { x.code += 1; })); },
     CallFailure::Protocol, 0},
    {"WrongChecksum",
     [](PeerStream& p, const Request& r) {
       Frame reply = Encode(CorrectReply(r));
       reply.back() ^= 0x5A;
       p.Send(reply);
     },
     CallFailure::Protocol, 0},
    {"NotAReply", [](PeerStream& p, const Request&) { p.Send(Encode(Welcome{})); }, CallFailure::Protocol, 0},
    {"Oversized", [](PeerStream& p, const Request&) { p.Send({kStartMarker, 200}); }, CallFailure::Protocol, 0},
    {"SilentHandshake", [](PeerStream& p, const Request&) { StaySilent(p); }, CallFailure::Timeout, 300, true},
    // A slow handshake and then silence use up both timeouts, and no more.
    {"SlowWelcomeThenSilence",
     [](PeerStream& p, const Request&) {
       p.Receive();  // the hello
       std::this_thread::sleep_for(250ms);
       p.Send(Encode(Welcome{}));
       StaySilent(p);
     },
     CallFailure::Timeout, 550, true},
};

class FaultTest : public testing::TestWithParam<Fault> {};

TEST_P(FaultTest, FailsWithinItsBoundAndTheNextCallReconnects) {
  const Fault& fault = GetParam();
  FakeProjector projector({[&fault](PeerStream& peer) {
                             if (fault.inHandshake) return fault.act(peer, {});
                             if (!peer.Greet("")) return;
                             if (const auto request = peer.Receive()) fault.act(peer, request->request);
                           },
                           Serve()});
  // A fault the client must wait out gets a short timeout; the others a long
  // one, which they must not wait for.
  const int timeoutMs = fault.waitsMs ? 300 : 3000;
  Connection connection(projector.At(timeoutMs), DefaultTransportFactory());

  const Timed failed = TimedCall(connection);
  EXPECT_FALSE(failed.result.ok);
  EXPECT_EQ(failed.result.failure, fault.expected) << failed.result.error;
  EXPECT_FALSE(failed.result.error.empty());
  EXPECT_FALSE(connection.IsOpen());
  if (fault.waitsMs) {
    EXPECT_GE(failed.elapsed, Millis(fault.waitsMs));
    EXPECT_LT(failed.elapsed, Millis(fault.waitsMs + 1500));
  } else {
    EXPECT_LT(failed.elapsed, Millis(timeoutMs / 2));
  }

  const Timed next = TimedCall(connection);
  ASSERT_TRUE(next.result.ok) << next.result.error;
  EXPECT_EQ(next.result.reply.value, 102);
  EXPECT_EQ(projector.Connections(), 2);
}

INSTANTIATE_TEST_SUITE_P(EachFault, FaultTest, testing::ValuesIn(kFaults),
                         [](const testing::TestParamInfo<Fault>& info) { return std::string(info.param.name); });

TEST(ConnectionTest, ARefusalIsAnAnswerAndKeepsTheConnection) {
  FakeProjector projector({[](PeerStream& peer) {
    if (!peer.Greet("")) return;
    const auto request = peer.Receive();
    peer.Send(Encode(Reply{request->request.tag, Status::Refused, request->request.code,
                           static_cast<std::uint16_t>(Refusal::Busy)}));
    peer.ServeRequests("");
  }});
  Connection connection(projector.At(2000), DefaultTransportFactory());
  const CallResult refused = connection.Call(kGetBrightness);
  ASSERT_TRUE(refused.ok) << refused.error;
  EXPECT_EQ(refused.reply.status, Status::Refused);
  EXPECT_EQ(refused.reply.value, static_cast<std::uint16_t>(Refusal::Busy));
  EXPECT_FALSE(CarriedOut(refused));
  EXPECT_TRUE(CarriedOut(connection.Call(kGetBrightness)));
  EXPECT_EQ(projector.Connections(), 1);
}

TEST(ConnectionTest, TagsCycleThroughOneTo255OnOneConnection) {
  FakeProjector projector({Serve()});
  Connection connection(projector.At(2000), DefaultTransportFactory());
  std::vector<std::uint8_t> tags;
  for (int i = 0; i < 256; ++i) {
    const CallResult result = connection.Call(kGetBrightness);
    ASSERT_TRUE(result.ok) << result.error;
    tags.push_back(result.reply.tag);
  }
  EXPECT_EQ(tags.front(), 1);
  EXPECT_EQ(tags[254], 255);
  EXPECT_EQ(tags[255], 1);
  EXPECT_EQ(std::count(tags.begin(), tags.end(), 0), 0);
  EXPECT_EQ(projector.Connections(), 1);
}

TEST(ConnectionTest, AnUnreachableProjectorFailsAtOnceWithAClearError) {
  Endpoint endpoint;
  endpoint.address = "127.0.0.1";
  {
    FakeProjector gone({});  // a port that was just free and now is closed
    endpoint.third = gone.Port();
  }
  endpoint.timeoutMs = 3000;
  Connection connection(endpoint, DefaultTransportFactory());
  const Timed failed = TimedCall(connection);
  EXPECT_EQ(failed.result.failure, CallFailure::Unreachable);
  EXPECT_NE(failed.result.error.find("127.0.0.1:" + std::to_string(endpoint.third)), std::string::npos)
      << failed.result.error;
  EXPECT_LT(failed.elapsed, Millis(1500));
}

TEST(ConnectionTest, AddressesMustBeDottedIPv4LiteralsOrHostNamesAndPortsInRange) {
  for (const char* address : {"", "1.2.3", "1.2.3.4.5", "256.1.1.1", " 127.0.0.1", "pj_3.lab"}) {
    Endpoint endpoint;
    endpoint.address = address;
    Connection connection(endpoint, DefaultTransportFactory());
    const CallResult result = connection.Call(kGetBrightness);
    EXPECT_EQ(result.failure, CallFailure::Unreachable) << address;
    EXPECT_NE(result.error.find("neither a dotted IPv4 address nor a host name"), std::string::npos) << result.error;
  }
  for (int port : {-1, 65536}) {
    Endpoint endpoint;
    endpoint.address = "127.0.0.1";
    endpoint.third = port;
    const CallResult result = Connection(endpoint, DefaultTransportFactory()).Call(kGetBrightness);
    EXPECT_NE(result.error.find("out of range"), std::string::npos) << result.error;
  }
}

}  // namespace
}  // namespace beamlink::test
