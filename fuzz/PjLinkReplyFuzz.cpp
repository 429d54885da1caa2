// The library reading a PJLink projector: a link whose line delivers the
// input's bytes as the projector's side (greeting and responses), in reads
// of 1 to 16 bytes (first input byte), with or without a password (second
// input byte). Every line the link sends must be one well-formed command,
// a value may only come from a response to the command just sent, and a
// failure must say why and leave the link closed.
#include <memory>
#include <span>
#include <string>

#include "FuzzInput.h"
#include "beamlink/pjlink/Codec.h"
#include "beamlink/pjlink/Link.h"

namespace {

using namespace beamlink;

using fuzz::Require;

class ScriptedLine : public Transport {
 public:
  ScriptedLine(std::span<const std::uint8_t>& remaining, std::size_t piece) : m_input(remaining, piece) {}
  bool Write(std::span<const std::uint8_t> bytes, Deadline, std::string&) override {
    std::string line(bytes.begin(), bytes.end());
    Require(!line.empty() && line.back() == '\r' && line.size() <= pjlink::kDigestTextSize + pjlink::kMaxLine);
    line.pop_back();
    if (!line.empty() && line[0] != '%') line.erase(0, pjlink::kDigestTextSize);  // the authentication digest
    Require(pjlink::ParseCommand(line).has_value());
    return true;
  }
  std::size_t Read(std::span<std::uint8_t> buffer, Deadline, std::string& error) override {
    return m_input.Read(buffer, error);
  }

 private:
  fuzz::InputInPieces m_input;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::size_t piece = 1 + data[0] % 16;
  std::span<const std::uint8_t> remaining(data + 2, size - 2);
  Endpoint endpoint;
  endpoint.address = "fuzz";
  endpoint.password = (data[1] & 1) ? "pass" : "";
  endpoint.protocol = Protocol::PjLink;
  pjlink::Link link(endpoint, [&](const Endpoint&, Deadline, std::string&) -> std::unique_ptr<Transport> {
    return std::make_unique<ScriptedLine>(remaining, piece);
  });
  // Power, input, blank, freeze, error status, lamp time, power on.
  constexpr std::uint16_t kCodes[] = {0x6000, 0x2000, 0x3020, 0x3002, 0x6020, 0x1090, 0x6000};
  for (int call = 0; call < 64 && !remaining.empty(); ++call) {
    const std::size_t which = static_cast<std::size_t>(call) % std::size(kCodes);
    const Action action = which == std::size(kCodes) - 1 ? Action::Set : Action::Get;
    const Request request{0, action, kCodes[which], 0, 1};
    const CallResult result = link.Call(request);
    if (result.ok) {
      Require(result.reply.code == request.code);
      if (result.reply.status == Status::Value && request.code == 0x6000) Require(result.reply.value <= 2);
      if (result.reply.status == Status::Refused) Require(!result.error.empty());
    } else {
      Require(!link.IsOpen() && result.failure != CallFailure::None && !result.error.empty());
    }
  }
  return 0;
}
