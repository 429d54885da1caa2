// The library reading a projector: a connection whose line delivers the
// input's bytes as the projector's side, in reads of 1 to 16 bytes (first
// input byte), with or without a password (second input byte). Calls go on
// until the bytes run out; a call may only succeed with the reply to its own
// request, and any failure must drop the connection.
#include <memory>

#include "FrameProperties.h"
#include "beamlink/Auth.h"
#include "beamlink/Connection.h"

namespace {

using namespace beamlink;

// The input as the projector's side. Writes always succeed; each must be one
// well-formed frame, and the tag of the last request is kept.
class ScriptedLine : public Transport {
 public:
  ScriptedLine(std::span<const std::uint8_t>& remaining, std::size_t piece, std::uint8_t& sentTag)
      : m_input(remaining, piece), m_sentTag(sentTag) {}
  bool Write(std::span<const std::uint8_t> bytes, Deadline, std::string&) override {
    const std::optional<Message> sent = DecodeFrame(bytes);
    fuzz::Require(sent.has_value());
    if (sent->kind == BodyKind::Request) m_sentTag = sent->request.tag;
    return true;
  }
  std::size_t Read(std::span<std::uint8_t> buffer, Deadline, std::string& error) override {
    return m_input.Read(buffer, error);
  }

 private:
  fuzz::InputInPieces m_input;
  std::uint8_t& m_sentTag;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  SetStretchCostForFuzzing(1);  // a real cost per input would leave no time to explore
  const std::size_t piece = 1 + data[0] % 16;
  std::span<const std::uint8_t> remaining(data + 2, size - 2);
  fuzz::CheckStream(remaining, piece);
  std::uint8_t sentTag = 0;

  Endpoint endpoint;
  endpoint.address = "fuzz";
  endpoint.password = (data[1] & 1) ? "pass" : "";
  Connection connection(endpoint, [&](const Endpoint&, Deadline, std::string&) -> std::unique_ptr<Transport> {
    return std::make_unique<ScriptedLine>(remaining, piece, sentTag);
  });
  for (int call = 0; call < 64 && !remaining.empty(); ++call) {
    const Request request{0, static_cast<Action>(1 + call % 5), static_cast<std::uint16_t>(0x2000 + call), 0, 0};
    const CallResult result = connection.Call(request);
    if (result.ok) {
      fuzz::Require(result.reply.tag == sentTag && sentTag != 0 && result.reply.code == request.code);
    } else {
      fuzz::Require(!connection.IsOpen() && result.failure != CallFailure::None && !result.error.empty());
    }
  }
  return 0;
}
