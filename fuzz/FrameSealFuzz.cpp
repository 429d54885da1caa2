// Frames slipped into an authenticated session: a genuine projector logs the
// client in, then the input takes over the projector's side of the stream,
// in reads of 1 to 16 bytes (first input byte). Whatever it sends, no call
// may succeed: a reply counts only with the session's seal.
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
  line.LogInAs("pass");
  Endpoint endpoint;
  endpoint.address = "fuzz";
  endpoint.password = "pass";
  Connection connection(endpoint, line.Factory());
  for (int call = 0; call < 8 && !remaining.empty(); ++call) {
    const CallResult result = connection.Call(Request{0, Action::Get, 0x2003, 0, 0});
    fuzz::Require(!result.ok && !connection.IsOpen());
  }
  return 0;
}
