#pragma once
// Where the projector library is to send a session's traffic: the "connect"
// option of "open". It is chosen by whoever runs the driver, never taken from
// the connection data of a model or host description, and the only network
// peers allowed are loopback addresses, so a test script can never reach a
// real projector by accident.
#include <string>
#include <string_view>

namespace driver {

struct ConnectTarget {
  enum class Kind { Simulated, None, Tcp, Serial, PjLink };
  Kind kind = Kind::Simulated;
  std::string host;  // Tcp, PjLink: a 127.x.x.x literal
  int port = 0;      // Tcp, PjLink: 1 to 65535
  std::string path;  // Serial: the device path

  // The option as it was written: "sim", "none", "tcp://127.0.0.1:4352", "serial:/dev/ttyS0",
  // "pjlink://127.0.0.1:4352".
  std::string Text() const;
  // Where a TCP or serial target connects, for messages ("127.0.0.1:4352",
  // "/dev/pts/3"); empty for the others.
  std::string Peer() const;
};

// "sim" (the default), "none", "tcp://127.a.b.c:PORT", "serial:PATH" or
// "pjlink://127.a.b.c:PORT" (a PJLink projector, whatever connection kind
// the hand-off carries).
// Throws CommandError saying what is wrong with anything else.
ConnectTarget ParseConnectTarget(std::string_view text);

}  // namespace driver
