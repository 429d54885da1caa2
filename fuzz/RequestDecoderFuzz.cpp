// A projector reading a client: arbitrary bytes through the frame reader,
// split into reads of 1 to 16 bytes (the first input byte chooses).
#include "FrameProperties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace beamlink;
  if (size == 0) return 0;
  const std::span<const std::uint8_t> stream(data + 1, size - 1);
  fuzz::CheckStream(stream, 1 + data[0] % 16);
  // A whole buffer decodes only when it is exactly one frame.
  if (const std::optional<Message> message = DecodeFrame(stream))
    fuzz::Require(fuzz::Reencode(*message) == Frame(stream.begin(), stream.end()));
  return 0;
}
