// The serial transport end to end over a pseudo-terminal, whose far end
// plays the projector.
#include <gtest/gtest.h>

#include "FakeProjector.h"
#include "beamlink/Connection.h"
#include "beamlink/SerialTransport.h"

namespace beamlink::test {
namespace {

const Request kGetVolume{0, Action::Get, 0x2004, 1, 0};

Endpoint SerialAt(const std::string& path, int timeoutMs) {
  Endpoint endpoint;
  endpoint.kind = 0;
  endpoint.devicePath = path;
  endpoint.timeoutMs = timeoutMs;
  return endpoint;
}

TEST(SerialTest, CallsGoOverAPseudoTerminal) {
  FakeSerialProjector projector(Serve("line-pass"));
  Endpoint endpoint = SerialAt(projector.DevicePath(), 2000);
  endpoint.password = "line-pass";
  Connection connection(endpoint, DefaultTransportFactory());
  for (int i = 0; i < 3; ++i) {
    const CallResult result = connection.Call(kGetVolume);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.reply.value, 101);
  }
}

// The port index finds the device through the configurable pattern, whose
// "%d" is replaced or, when it has none, appended to.
TEST(SerialTest, APortIndexOpensThePatternsDevice) {
  FakeSerialProjector projector(Serve());
  const std::string& path = projector.DevicePath();  // "/dev/pts/N"
  const std::size_t slash = path.rfind('/');
  Endpoint endpoint = SerialAt("", 2000);
  endpoint.portIndex = std::stoi(path.substr(slash + 1));
  for (const std::string& pattern : {path.substr(0, slash + 1) + "%d", path.substr(0, slash + 1)}) {
    SetSerialDevicePattern(pattern);
    const CallResult result = Connection(endpoint, DefaultTransportFactory()).Call(kGetVolume);
    EXPECT_TRUE(result.ok) << pattern << ": " << result.error;
  }
  SetSerialDevicePattern("/dev/ttyS%d");
}

TEST(SerialTest, ASilentProjectorTimesOutAndTheNextCallReopensTheLine) {
  FakeSerialProjector projector([](PeerStream& peer) {
    if (!peer.Greet("")) return;
    peer.Receive();  // and leave it unanswered
    peer.ServeRequests("");
  });
  Connection connection(SerialAt(projector.DevicePath(), 300), DefaultTransportFactory());
  const auto start = Clock::now();
  const CallResult failed = connection.Call(kGetVolume);
  const auto elapsed = Clock::now() - start;
  EXPECT_EQ(failed.failure, CallFailure::Timeout) << failed.error;
  EXPECT_GE(elapsed, 300ms);
  EXPECT_LT(elapsed, 1800ms);
  const CallResult next = connection.Call(kGetVolume);
  EXPECT_TRUE(next.ok) << next.error;
}

TEST(SerialTest, BadLinesAndRatesAreRefusedClearly) {
  std::string error;
  FakeSerialProjector projector(Serve());
  EXPECT_EQ(SerialTransport::Open(projector.DevicePath(), 12345, error), nullptr);
  EXPECT_NE(error.find("baud rate 12345 is not supported"), std::string::npos) << error;
  EXPECT_NE(SerialTransport::Open(projector.DevicePath(), 115200, error), nullptr) << error;

  EXPECT_EQ(SerialTransport::Open("/dev/null", 19200, error), nullptr);
  EXPECT_NE(error.find("not a serial device"), std::string::npos) << error;
  EXPECT_EQ(SerialTransport::Open("/nonexistent/tty", 19200, error), nullptr);
  EXPECT_NE(error.find("cannot open /nonexistent/tty"), std::string::npos) << error;
  EXPECT_EQ(SerialTransport::Open(-1, 19200, error), nullptr);
  EXPECT_NE(error.find("negative"), std::string::npos) << error;
}

}  // namespace
}  // namespace beamlink::test
