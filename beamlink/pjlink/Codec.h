#pragma once
// PJLink lines, the public control protocol of network projectors (TCP port
// 4352). A command is "%" class body [" " parameter] CR, such as
// "%1POWR 1\r" or "%2FREZ ?\r"; its response repeats the class and body
// after "%" and carries the result after "=": "%1POWR=OK\r", "%1POWR=ERR3\r".
// The projector greets every connection with "PJLINK 0" (no authentication)
// or "PJLINK 1 <random>", and answers a failed authentication with
// "PJLINK ERRA".
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace beamlink::pjlink {

constexpr int kPort = 4352;
// Longest line, terminator included; the standard allows 136 bytes.
constexpr std::size_t kMaxLine = 136;
constexpr std::size_t kMaxParameter = 128;
constexpr std::size_t kRandomSize = 8;
constexpr std::size_t kDigestTextSize = 32;

// "%1POWR 1\r". Empty when the class is not 1 or 2, the body is not four
// letters or digits, or the parameter is too long or holds a control byte.
std::string EncodeCommand(int cls, std::string_view body, std::string_view parameter);

// The error replies. Each fails the command it answers.
enum class ErrorReply { None, Undefined, OutOfParameter, UnavailableTime, ProjectorFailure };
// "ERR1 (undefined command)" and so on, for messages.
const char* ErrorText(ErrorReply error);

struct Response {
  int cls = 1;
  std::string body;   // upper case, as the command's
  std::string data;   // what follows "=": "OK", "1", "ERR3", a name
  ErrorReply error = ErrorReply::None;
  bool operator==(const Response&) const = default;
};

enum class GreetingKind { Open, Challenge, AuthFailed };
struct Greeting {
  GreetingKind kind = GreetingKind::Open;
  std::string random;  // the challenge's random text
};

// One line, CR removed. nullopt with `error` when it is not a well-formed
// response (or greeting).
std::optional<Response> ParseResponse(std::string_view line, std::string* error = nullptr);
std::optional<Greeting> ParseGreeting(std::string_view line, std::string* error = nullptr);
// A command line, CR removed (the projector's side): class, body (upper
// case) and parameter.
struct Command {
  int cls = 1;
  std::string body;
  std::string parameter;
};
std::optional<Command> ParseCommand(std::string_view line, std::string* error = nullptr);

// The authentication prefix: the 32 lower-case hex digits of
// MD5(random + password).
std::string AuthDigest(std::string_view random, std::string_view password);

// Collects bytes into CR-terminated lines. A line longer than kMaxLine fails
// the reader, as does a NUL byte; a LF after a CR is skipped, since some
// projectors end their lines with CR LF.
class LineReader {
 public:
  enum class State { NeedMore, Ready, Failed };
  // Takes bytes up to and including the next terminator; returns how many.
  std::size_t Feed(std::span<const std::uint8_t> bytes);
  State GetState() const { return m_state; }
  // The line just completed, without its CR; resets the reader.
  std::string Take();
  const std::string& Error() const { return m_error; }
  // Part of a line has come and its terminator is awaited.
  bool MidLine() const { return m_state == State::NeedMore && !m_line.empty(); }
  void Reset();

 private:
  State m_state = State::NeedMore;
  std::string m_line;
  std::string m_error;
  bool m_skipLf = false;
};

}  // namespace beamlink::pjlink
