// The library's side of the handshake with a password, reading an arbitrary
// projector stream after its hello, in reads of 1 to 16 bytes (first input
// byte). Without the password nobody can prove it, so no call may succeed,
// and nothing but hellos may ever be written: the client must never answer
// a projector that has not proved it knows the password.
#include <memory>

#include "FrameProperties.h"
#include "FuzzLine.h"
#include "beamlink/Auth.h"
#include "beamlink/Connection.h"

using namespace beamlink;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  SetStretchCostForFuzzing(1);
  std::span<const std::uint8_t> remaining(data + 1, size - 1);
  fuzz::CheckStream(remaining, 1 + data[0] % 16);
  fuzz::FuzzLine line(remaining, 1 + data[0] % 16);
  Endpoint endpoint;
  endpoint.address = "fuzz";
  endpoint.password = "pass";
  Connection connection(endpoint, line.Factory());
  for (int call = 0; call < 8 && !remaining.empty(); ++call) {
    fuzz::Require(!connection.Call(Request{0, Action::Get, 0x2003, 0, 0}).ok);
    fuzz::Require(!connection.IsOpen());
  }
  for (const Message& sent : line.Sent()) fuzz::Require(sent.kind == BodyKind::Hello);
  return 0;
}
