#pragma once
// The wire protocol between the library and a projector: one framing for
// TCP and serial lines.
//
//   0xA5 | length | body (length bytes) | CRC-8 of length and body
//
// Bodies start with a kind byte. A request carries a tag that its reply
// repeats, so a late or stray reply never answers the wrong call.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace beamlink {

constexpr std::uint8_t kStartMarker = 0xA5;
constexpr std::size_t kMaxBody = 65;  // the longest body (a challenge) is 65 bytes
constexpr std::size_t kFrameOverhead = 3;  // marker, length, checksum
constexpr std::size_t kNonceSize = 16;
constexpr std::size_t kSaltSize = 16;
constexpr std::size_t kDigestSize = 32;  // HMAC-SHA-256
constexpr std::size_t kSealSize = 8;     // HMAC-SHA-256 cut to its first 8 bytes

using Seal = std::array<std::uint8_t, kSealSize>;

enum class Action : std::uint8_t { Get = 1, Set = 2, Increment = 3, Decrement = 4, Execute = 5 };

enum class Status : std::uint8_t {
  Done = 0,     // the request was carried out; nothing to report
  Value = 1,    // carried out; `value` holds the result
  Refused = 2,  // not carried out; `value` holds the Refusal
  Error = 3,    // the projector failed
};

enum class Refusal : std::uint16_t { Unsupported = 1, OutOfRange = 2, Busy = 3, PowerOff = 4 };

struct Request {
  std::uint8_t tag = 0;
  Action action = Action::Get;
  std::uint16_t code = 0;
  std::uint16_t argument = 0;  // an input number, a colour, a point, a flag
  std::uint16_t value = 0;
  bool operator==(const Request&) const = default;
};

struct Reply {
  std::uint8_t tag = 0;
  Status status = Status::Done;
  std::uint16_t code = 0;
  std::uint16_t value = 0;
  bool operator==(const Reply&) const = default;
};

// The connection handshake (see Auth.h): the client says hello with its
// nonce; the projector welcomes it, or challenges it with its own nonce, the
// salt of its password and its proof of the password; the client checks the
// proof and answers with its own; the projector then accepts or rejects.
// After a challenge every request and reply is sealed.
struct Hello {
  std::array<std::uint8_t, kNonceSize> nonce{};
};
struct Welcome {};
struct Challenge {
  std::array<std::uint8_t, kNonceSize> nonce{};
  std::array<std::uint8_t, kSaltSize> salt{};
  std::array<std::uint8_t, kDigestSize> proof{};
};
struct Answer {
  std::array<std::uint8_t, kDigestSize> digest{};
};
struct Verdict {
  bool accepted = false;
};

enum class BodyKind : std::uint8_t {
  Request = 'Q',
  Reply = 'R',
  Hello = 'H',
  Welcome = 'W',
  Challenge = 'C',
  Answer = 'A',
  Verdict = 'V',
  SealedRequest = 'q',  // a request and its seal
  SealedReply = 'r',    // a reply and its seal
};

using Frame = std::vector<std::uint8_t>;

Frame Encode(const Request& request);
Frame Encode(const Reply& reply);
Frame Encode(const Hello&);
Frame Encode(const Welcome&);
Frame Encode(const Challenge& challenge);
Frame Encode(const Answer& answer);
Frame Encode(const Verdict& verdict);
Frame Encode(const Request& request, const Seal& seal);
Frame Encode(const Reply& reply, const Seal& seal);
// What the seal of a sealed request or reply covers: its body without the seal.
Frame SealedContent(const Request& request);
Frame SealedContent(const Reply& reply);

// A decoded body. `kind` says which member is meaningful.
struct Message {
  BodyKind kind = BodyKind::Request;
  Request request;  // also of a sealed request
  Reply reply;      // also of a sealed reply
  Seal seal{};      // of a sealed request or reply
  Hello hello;
  Challenge challenge;
  Answer answer;
  Verdict verdict;
};

// Reads frames from a byte stream. Bytes go in as they arrive; complete
// frames come out. Anything malformed (a wrong marker, a length out of bounds,
// a checksum error, an unknown or ill-sized body) puts the reader in the
// failed state, since the stream can no longer be trusted.
class FrameReader {
 public:
  enum class State { NeedMore, Ready, Failed };

  // Takes bytes; returns how many it consumed (it stops after a complete frame).
  std::size_t Feed(std::span<const std::uint8_t> bytes);
  State GetState() const { return m_state; }
  // The frame just completed; valid while the state is Ready. Take() resets
  // the reader for the next frame.
  Message Take();
  const std::string& Error() const { return m_error; }
  // Some bytes of a frame have come, not all of them.
  bool MidFrame() const { return m_state == State::NeedMore && m_size > 0; }
  void Reset();

 private:
  bool Fail(std::string error);
  State m_state = State::NeedMore;
  std::array<std::uint8_t, kMaxBody + kFrameOverhead> m_buffer{};
  std::size_t m_size = 0;
  Message m_message;
  std::string m_error;
};

// Decodes exactly one frame (a whole buffer); nullopt and `error` when it is
// not one well-formed frame.
std::optional<Message> DecodeFrame(std::span<const std::uint8_t> bytes, std::string* error = nullptr);

std::uint8_t Crc8(std::span<const std::uint8_t> bytes);
const char* RefusalText(std::uint16_t refusal);

}  // namespace beamlink
