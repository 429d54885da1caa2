// Challenge and response against a projector that wants a password.
#include <gtest/gtest.h>

#include <algorithm>

#include "FakeProjector.h"
#include "beamlink/Connection.h"

namespace beamlink::test {
namespace {

const Request kGetInput{0, Action::Get, 0x2000, 0, 0};

TEST(PasswordTest, TheRightPasswordConnectsAndNeverCrossesTheWire) {
  const std::string password = "Projector-Room-7";
  FakeProjector projector({Serve(password)});
  Connection connection(projector.At(2000, password), DefaultTransportFactory());
  const CallResult result = connection.Call(kGetInput);
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(result.reply.value, 100);

  const std::vector<std::uint8_t> sent = projector.Received();
  EXPECT_EQ(std::search(sent.begin(), sent.end(), password.begin(), password.end()), sent.end());
}

// Every call makes a new attempt; each attempt reports once on stderr.
TEST(PasswordTest, AWrongPasswordFailsEveryCallWithItsOwnError) {
  FakeProjector projector({Serve("right")});
  Connection connection(projector.At(2000, "wrong"), DefaultTransportFactory());
  for (int attempt = 1; attempt <= 2; ++attempt) {
    testing::internal::CaptureStderr();
    const CallResult result = connection.Call(kGetInput);
    const std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.failure, CallFailure::PasswordRejected);
    const std::string expected = "wrong password for the projector at 127.0.0.1:" + std::to_string(projector.Port());
    EXPECT_EQ(result.error, expected);
    EXPECT_NE(printed.find(expected), std::string::npos) << printed;
    EXPECT_EQ(printed.find(expected), printed.rfind(expected)) << "reported more than once: " << printed;
    EXPECT_EQ(projector.Connections(), attempt);
  }
}

TEST(PasswordTest, NoPasswordForAProjectorThatWantsOneFailsClearly) {
  FakeProjector projector({Serve("secret")});
  Connection connection(projector.At(2000), DefaultTransportFactory());
  testing::internal::CaptureStderr();
  const CallResult result = connection.Call(kGetInput);
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(result.failure, CallFailure::PasswordRequired);
  EXPECT_NE(result.error.find("requires a password"), std::string::npos) << result.error;
}

}  // namespace
}  // namespace beamlink::test
