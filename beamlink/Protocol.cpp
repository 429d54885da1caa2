#include "beamlink/Protocol.h"

#include <algorithm>

namespace beamlink {
namespace {

void Put16(Frame& out, std::uint16_t value) {
  out.push_back(static_cast<std::uint8_t>(value >> 8));
  out.push_back(static_cast<std::uint8_t>(value & 0xFF));
}

std::uint16_t Get16(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint16_t>((bytes[at] << 8) | bytes[at + 1]);
}

// Wraps a body in marker, length and checksum.
Frame Wrap(const Frame& body) {
  Frame frame;
  frame.reserve(body.size() + kFrameOverhead);
  frame.push_back(kStartMarker);
  frame.push_back(static_cast<std::uint8_t>(body.size()));
  frame.insert(frame.end(), body.begin(), body.end());
  frame.push_back(Crc8(std::span<const std::uint8_t>(frame).subspan(1)));
  return frame;
}

Frame Body(BodyKind kind) { return Frame{static_cast<std::uint8_t>(kind)}; }

// The exact body size of each kind, kind byte included.
std::optional<std::size_t> BodySize(std::uint8_t kind) {
  switch (static_cast<BodyKind>(kind)) {
    case BodyKind::Request: return 9;
    case BodyKind::Reply: return 7;
    case BodyKind::SealedRequest: return 9 + kSealSize;
    case BodyKind::SealedReply: return 7 + kSealSize;
    case BodyKind::Hello: return 1 + kNonceSize;
    case BodyKind::Welcome: return 1;
    case BodyKind::Challenge: return 1 + kNonceSize + kSaltSize + kDigestSize;
    case BodyKind::Answer: return 1 + kDigestSize;
    case BodyKind::Verdict: return 2;
  }
  return std::nullopt;
}

bool IsKnownAction(std::uint8_t action) { return action >= 1 && action <= 5; }
bool IsKnownStatus(std::uint8_t status) { return status <= 3; }

// Interprets a checked body; false when its fields are not what its kind allows.
bool ParseBody(std::span<const std::uint8_t> body, Message& message, std::string& error) {
  const std::optional<std::size_t> size = BodySize(body[0]);
  if (!size) {
    error = "unknown frame kind " + std::to_string(body[0]);
    return false;
  }
  if (*size != body.size()) {
    error = "frame of kind '" + std::string(1, static_cast<char>(body[0])) + "' has " + std::to_string(body.size()) +
            " bytes, not " + std::to_string(*size);
    return false;
  }
  message = Message{};
  message.kind = static_cast<BodyKind>(body[0]);
  switch (message.kind) {
    case BodyKind::SealedRequest:
      std::copy_n(body.end() - kSealSize, kSealSize, message.seal.begin());
      [[fallthrough]];
    case BodyKind::Request:
      if (!IsKnownAction(body[2])) {
        error = "unknown action " + std::to_string(body[2]);
        return false;
      }
      message.request = Request{body[1], static_cast<Action>(body[2]), Get16(body, 3), Get16(body, 5), Get16(body, 7)};
      return true;
    case BodyKind::SealedReply:
      std::copy_n(body.end() - kSealSize, kSealSize, message.seal.begin());
      [[fallthrough]];
    case BodyKind::Reply:
      if (!IsKnownStatus(body[2])) {
        error = "unknown reply status " + std::to_string(body[2]);
        return false;
      }
      message.reply = Reply{body[1], static_cast<Status>(body[2]), Get16(body, 3), Get16(body, 5)};
      return true;
    case BodyKind::Challenge:
      std::copy_n(body.begin() + 1, kNonceSize, message.challenge.nonce.begin());
      std::copy_n(body.begin() + 1 + kNonceSize, kSaltSize, message.challenge.salt.begin());
      std::copy_n(body.begin() + 1 + kNonceSize + kSaltSize, kDigestSize, message.challenge.proof.begin());
      return true;
    case BodyKind::Answer:
      std::copy_n(body.begin() + 1, kDigestSize, message.answer.digest.begin());
      return true;
    case BodyKind::Verdict:
      if (body[1] > 1) {
        error = "verdict " + std::to_string(body[1]) + " is neither 0 nor 1";
        return false;
      }
      message.verdict.accepted = body[1] == 1;
      return true;
    case BodyKind::Hello:
      std::copy_n(body.begin() + 1, kNonceSize, message.hello.nonce.begin());
      return true;
    case BodyKind::Welcome:
      return true;
  }
  return false;
}

}  // namespace

namespace {
// CRC-8 with polynomial 0x07, one table lookup per byte.
constexpr std::array<std::uint8_t, 256> MakeCrc8Table() {
  std::array<std::uint8_t, 256> table{};
  for (int value = 0; value < 256; ++value) {
    auto crc = static_cast<std::uint8_t>(value);
    for (int bit = 0; bit < 8; ++bit) crc = static_cast<std::uint8_t>((crc & 0x80) ? (crc << 1) ^ 0x07 : crc << 1);
    table[static_cast<std::size_t>(value)] = crc;
  }
  return table;
}
constexpr std::array<std::uint8_t, 256> kCrc8Table = MakeCrc8Table();
}  // namespace

std::uint8_t Crc8(std::span<const std::uint8_t> bytes) {
  std::uint8_t crc = 0;
  for (std::uint8_t byte : bytes) crc = kCrc8Table[crc ^ byte];
  return crc;
}

namespace {
Frame RequestBody(BodyKind kind, const Request& r) {
  Frame body = Body(kind);
  body.push_back(r.tag);
  body.push_back(static_cast<std::uint8_t>(r.action));
  Put16(body, r.code);
  Put16(body, r.argument);
  Put16(body, r.value);
  return body;
}

Frame ReplyBody(BodyKind kind, const Reply& r) {
  Frame body = Body(kind);
  body.push_back(r.tag);
  body.push_back(static_cast<std::uint8_t>(r.status));
  Put16(body, r.code);
  Put16(body, r.value);
  return body;
}

Frame WithSeal(Frame body, const Seal& seal) {
  body.insert(body.end(), seal.begin(), seal.end());
  return Wrap(body);
}
}  // namespace

Frame Encode(const Request& r) { return Wrap(RequestBody(BodyKind::Request, r)); }
Frame Encode(const Reply& r) { return Wrap(ReplyBody(BodyKind::Reply, r)); }
Frame SealedContent(const Request& r) { return RequestBody(BodyKind::SealedRequest, r); }
Frame SealedContent(const Reply& r) { return ReplyBody(BodyKind::SealedReply, r); }
Frame Encode(const Request& r, const Seal& seal) { return WithSeal(SealedContent(r), seal); }
Frame Encode(const Reply& r, const Seal& seal) { return WithSeal(SealedContent(r), seal); }

Frame Encode(const Hello& h) {
  Frame body = Body(BodyKind::Hello);
  body.insert(body.end(), h.nonce.begin(), h.nonce.end());
  return Wrap(body);
}
Frame Encode(const Welcome&) { return Wrap(Body(BodyKind::Welcome)); }

Frame Encode(const Challenge& c) {
  Frame body = Body(BodyKind::Challenge);
  body.insert(body.end(), c.nonce.begin(), c.nonce.end());
  body.insert(body.end(), c.salt.begin(), c.salt.end());
  body.insert(body.end(), c.proof.begin(), c.proof.end());
  return Wrap(body);
}

Frame Encode(const Answer& a) {
  Frame body = Body(BodyKind::Answer);
  body.insert(body.end(), a.digest.begin(), a.digest.end());
  return Wrap(body);
}

Frame Encode(const Verdict& v) {
  Frame body = Body(BodyKind::Verdict);
  body.push_back(v.accepted ? 1 : 0);
  return Wrap(body);
}

bool FrameReader::Fail(std::string error) {
  m_state = State::Failed;
  m_error = std::move(error);
  return false;
}

void FrameReader::Reset() {
  m_state = State::NeedMore;
  m_size = 0;
  m_error.clear();
}

std::size_t FrameReader::Feed(std::span<const std::uint8_t> bytes) {
  std::size_t used = 0;
  while (m_state == State::NeedMore && used < bytes.size()) {
    const std::uint8_t byte = bytes[used++];
    if (m_size == 0 && byte != kStartMarker) {
      Fail("expected the start of a frame, got byte " + std::to_string(byte));
      break;
    }
    if (m_size == 1 && (byte < 1 || byte > kMaxBody)) {
      Fail("frame length " + std::to_string(byte) + " out of bounds");
      break;
    }
    m_buffer[m_size++] = byte;
    if (m_size < 2 || m_size < static_cast<std::size_t>(m_buffer[1]) + kFrameOverhead) continue;
    // A whole frame: check it and parse its body.
    const std::size_t length = m_buffer[1];
    const std::span<const std::uint8_t> frame(m_buffer.data(), m_size);
    if (Crc8(frame.subspan(1, length + 1)) != frame[length + 2]) {
      Fail("checksum error");
      break;
    }
    if (!ParseBody(frame.subspan(2, length), m_message, m_error)) {
      m_state = State::Failed;
      break;
    }
    m_state = State::Ready;
  }
  return used;
}

Message FrameReader::Take() {
  Message message = m_message;
  m_state = State::NeedMore;
  m_size = 0;
  return message;
}

std::optional<Message> DecodeFrame(std::span<const std::uint8_t> bytes, std::string* error) {
  FrameReader reader;
  const std::size_t used = reader.Feed(bytes);
  if (reader.GetState() == FrameReader::State::Ready && used == bytes.size()) return reader.Take();
  if (error) {
    if (reader.GetState() == FrameReader::State::Failed)
      *error = reader.Error();
    else if (reader.GetState() == FrameReader::State::NeedMore)
      *error = "incomplete frame";
    else
      *error = "bytes after the end of the frame";
  }
  return std::nullopt;
}

const char* RefusalText(std::uint16_t refusal) {
  switch (static_cast<Refusal>(refusal)) {
    case Refusal::Unsupported: return "not supported";
    case Refusal::OutOfRange: return "out of range";
    case Refusal::Busy: return "busy";
    case Refusal::PowerOff: return "power is off";
  }
  return "refused";
}

}  // namespace beamlink
