// Mutual authentication against a projector that wants a password, and
// every way a projector or someone on the path may try to get around it.
#include <gtest/gtest.h>

#include <algorithm>

#include "FakeProjector.h"
#include "beamlink/Connection.h"
#include "beamlink/Log.h"

namespace beamlink::test {
namespace {

const Request kGetInput{0, Action::Get, 0x2000, 0, 0};

CallResult CallQuietly(Connection& connection) {
  testing::internal::CaptureStderr();
  const CallResult result = connection.Call(kGetInput);
  testing::internal::GetCapturedStderr();
  return result;
}

TEST(PasswordTest, TheRightPasswordConnectsAndNeverCrossesTheWire) {
  const std::string password = "Projector-Room-7";
  FakeProjector projector({Serve(password)});
  Connection connection(projector.At(2000, password), DefaultTransportFactory());
  for (int call = 0; call < 2; ++call) {
    const CallResult result = connection.Call(kGetInput);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.reply.value, 100);
  }
  const std::vector<std::uint8_t> sent = projector.Received();
  EXPECT_EQ(std::search(sent.begin(), sent.end(), password.begin(), password.end()), sent.end());
}

// Every call makes a new attempt; each attempt reports once on stderr when
// diagnostics are asked for.
TEST(PasswordTest, AWrongPasswordFailsEveryCallWithItsOwnError) {
  struct Verbosely {
    Verbosely() { SetVerbose(true); }
    ~Verbosely() { SetVerbose(false); }
  } verbosely;
  FakeProjector projector({Serve("right")});
  Connection connection(projector.At(2000, "wrong"), DefaultTransportFactory());
  for (int attempt = 1; attempt <= 2; ++attempt) {
    testing::internal::CaptureStderr();
    const CallResult result = connection.Call(kGetInput);
    const std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_EQ(result.failure, CallFailure::PasswordMismatch);
    const std::string expected = "wrong password for the projector at 127.0.0.1:" + std::to_string(projector.Port());
    EXPECT_EQ(result.error.rfind(expected, 0), 0u) << result.error;
    EXPECT_NE(printed.find(expected), std::string::npos) << printed;
    EXPECT_EQ(printed.find(expected), printed.rfind(expected)) << "reported more than once: " << printed;
    EXPECT_EQ(projector.Connections(), attempt);
  }
}

// Nothing derived from the password leaves before the projector has proved
// it knows it: an impostor learns nothing to guess at. A projector that asks
// for no password is refused by a client that holds one, unless told
// otherwise; one that asks for a password we lack fails clearly.
TEST(PasswordTest, NoProofNoAnswerAndNoDowngrade) {
  FakeProjector impostor({[](PeerStream& peer) {
    if (!peer.Receive()) return;
    Challenge challenge;
    challenge.nonce = RandomNonce().value();
    peer.Send(Encode(challenge));
    while (peer.Receive()) {
    }
  }});
  Connection fooled(impostor.At(2000, "secret"), DefaultTransportFactory());
  EXPECT_EQ(CallQuietly(fooled).failure, CallFailure::PasswordMismatch);
  EXPECT_EQ(impostor.Received().size(), Encode(Hello{}).size()) << "more than the hello was sent";

  FakeProjector open({Serve()});
  Endpoint endpoint = open.At(2000, "secret");
  Connection downgraded(endpoint, DefaultTransportFactory());
  EXPECT_EQ(CallQuietly(downgraded).failure, CallFailure::PasswordNotAsked);
  endpoint.acceptNoPassword = true;
  Connection allowed(endpoint, DefaultTransportFactory());
  EXPECT_TRUE(CallQuietly(allowed).ok);

  FakeProjector locked({Serve("secret")});
  Connection without(locked.At(2000), DefaultTransportFactory());
  const CallResult result = CallQuietly(without);
  EXPECT_EQ(result.failure, CallFailure::PasswordRequired);
  EXPECT_NE(result.error.find("requires a password"), std::string::npos) << result.error;
}

}  // namespace
}  // namespace beamlink::test
