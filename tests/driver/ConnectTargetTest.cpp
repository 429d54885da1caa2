// The "connect" option: only loopback literals may ever be connected to.
#include <gtest/gtest.h>

#include "tools/driver/CommandArgs.h"
#include "tools/driver/ConnectTarget.h"

namespace driver {
namespace {

// The text is written back from the parsed kind, host, port and path, so the
// round trip checks each of them.
TEST(ConnectTarget, AcceptsTheFourFormsAndWritesThemBack) {
  for (const char* text : {"sim", "none", "tcp://127.10.0.254:65535", "pjlink://127.0.0.1:4352", "serial:/dev/ttyUSB0"})
    EXPECT_EQ(ParseConnectTarget(text).Text(), text);
}

// The refusal's text is checked through the driver's "open" command.
TEST(ConnectTarget, RefusesAnythingThatCouldLeaveTheMachine) {
  for (const char* text : {"tcp://10.0.0.1:4352", "tcp://192.168.15.30:4352", "tcp://localhost:4352",
                           "tcp://128.0.0.1:4352", "tcp://127.0.0.1.5:4352", "tcp://127.0.0:4352",
                           "tcp://127.0.0.256:4352", "tcp://127.0.0.-1:4352", "tcp://0x7f.0.0.1:4352",
                           "tcp://[::1]:4352", "tcp://127.0.0.1", "tcp://127.0.0.1:0", "tcp://127.0.0.1:65536",
                           "tcp://127.0.0.1:+80", "tcp://127.0.0.1:80x", "pjlink://10.0.0.1:4352", "serial:", "SIM",
                           "", "udp://127.0.0.1:1"}) {
    EXPECT_THROW(ParseConnectTarget(text), CommandError) << text;
  }
}

}  // namespace
}  // namespace driver
