// The "connect" option: only loopback literals may ever be connected to.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tools/driver/CommandArgs.h"
#include "tools/driver/ConnectTarget.h"

namespace driver {
namespace {

TEST(ConnectTarget, AcceptsTheFourForms) {
  EXPECT_EQ(ParseConnectTarget("sim").kind, ConnectTarget::Kind::Simulated);
  EXPECT_EQ(ParseConnectTarget("none").kind, ConnectTarget::Kind::None);
  const ConnectTarget tcp = ParseConnectTarget("tcp://127.10.0.254:65535");
  EXPECT_EQ(ParseConnectTarget("pjlink://127.0.0.1:4352").kind, ConnectTarget::Kind::PjLink);
  EXPECT_EQ(ParseConnectTarget("pjlink://127.0.0.1:4352").Text(), "pjlink://127.0.0.1:4352");
  EXPECT_THROW(ParseConnectTarget("pjlink://10.0.0.1:4352"), CommandError);
  EXPECT_EQ(tcp.kind, ConnectTarget::Kind::Tcp);
  EXPECT_EQ(tcp.host, "127.10.0.254");
  EXPECT_EQ(tcp.port, 65535);
  const ConnectTarget serial = ParseConnectTarget("serial:/dev/ttyUSB0");
  EXPECT_EQ(serial.kind, ConnectTarget::Kind::Serial);
  EXPECT_EQ(serial.path, "/dev/ttyUSB0");
  EXPECT_EQ(serial.Text(), "serial:/dev/ttyUSB0");
}

TEST(ConnectTarget, RefusesAnythingThatCouldLeaveTheMachine) {
  for (const char* text : {"tcp://10.0.0.1:4352", "tcp://192.168.15.30:4352", "tcp://localhost:4352",
                           "tcp://128.0.0.1:4352", "tcp://127.0.0.1.5:4352", "tcp://127.0.0:4352",
                           "tcp://127.0.0.256:4352", "tcp://127.0.0.-1:4352", "tcp://0x7f.0.0.1:4352",
                           "tcp://[::1]:4352", "tcp://127.0.0.1", "tcp://127.0.0.1:0", "tcp://127.0.0.1:65536",
                           "tcp://127.0.0.1:+80", "tcp://127.0.0.1:80x", "serial:", "SIM", "", "udp://127.0.0.1:1"}) {
    EXPECT_THROW(ParseConnectTarget(text), CommandError) << text;
  }
  try {
    ParseConnectTarget("tcp://10.0.0.1:4352");
  } catch (const CommandError& error) {
    EXPECT_THAT(error.what(), ::testing::HasSubstr("only a loopback address"));
  }
}

}  // namespace
}  // namespace driver
