#include "beamlink/pjlink/Codec.h"

#include <openssl/evp.h>

#include <algorithm>
#include <cctype>

namespace beamlink::pjlink {
namespace {

bool IsBodyChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }
// Parameters and data are ASCII or UTF-8 text: no control bytes.
bool IsTextByte(char c) { return static_cast<unsigned char>(c) >= 0x20 && c != 0x7F; }

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

bool Fail(std::string* error, std::string text) {
  if (error) *error = std::move(text);
  return false;
}

// "%", class, four-letter body: the common head of commands and responses.
bool ParseHead(std::string_view line, int& cls, std::string& body, std::string* error) {
  if (line.size() < 7 || line[0] != '%') return Fail(error, "not a PJLink line");
  if (line[1] != '1' && line[1] != '2') return Fail(error, std::string("unknown class '") + line[1] + "'");
  if (!std::all_of(line.begin() + 2, line.begin() + 6, IsBodyChar)) return Fail(error, "malformed command body");
  cls = line[1] - '0';
  body = Upper(line.substr(2, 4));
  return true;
}

}  // namespace

std::string EncodeCommand(int cls, std::string_view body, std::string_view parameter) {
  if ((cls != 1 && cls != 2) || body.size() != 4 || !std::all_of(body.begin(), body.end(), IsBodyChar)) return {};
  if (parameter.size() > kMaxParameter || !std::all_of(parameter.begin(), parameter.end(), IsTextByte)) return {};
  std::string line = "%" + std::to_string(cls) + Upper(body);
  if (!parameter.empty()) line += " " + std::string(parameter);
  return line + "\r";
}

const char* ErrorText(ErrorReply error) {
  switch (error) {
    case ErrorReply::None:
      return "no error";
    case ErrorReply::Undefined:
      return "ERR1 (undefined command)";
    case ErrorReply::OutOfParameter:
      return "ERR2 (out of parameter)";
    case ErrorReply::UnavailableTime:
      return "ERR3 (unavailable time: warming up, cooling down or in standby)";
    case ErrorReply::ProjectorFailure:
      return "ERR4 (projector failure)";
  }
  return "?";
}

std::optional<Response> ParseResponse(std::string_view line, std::string* error) {
  Response response;
  if (!ParseHead(line, response.cls, response.body, error)) return std::nullopt;
  if (line[6] != '=') return Fail(error, "no '=' after the command body"), std::nullopt;
  const std::string_view data = line.substr(7);
  if (data.size() > kMaxParameter || !std::all_of(data.begin(), data.end(), IsTextByte))
    return Fail(error, "malformed response data"), std::nullopt;
  response.data = std::string(data);
  static constexpr ErrorReply kErrors[] = {ErrorReply::Undefined, ErrorReply::OutOfParameter,
                                           ErrorReply::UnavailableTime, ErrorReply::ProjectorFailure};
  if (data.size() == 4 && Upper(data.substr(0, 3)) == "ERR" && data[3] >= '1' && data[3] <= '4')
    response.error = kErrors[data[3] - '1'];
  return response;
}

std::optional<Greeting> ParseGreeting(std::string_view line, std::string* error) {
  if (line == "PJLINK 0") return Greeting{GreetingKind::Open, {}};
  if (Upper(line) == "PJLINK ERRA") return Greeting{GreetingKind::AuthFailed, {}};
  constexpr std::string_view kChallenge = "PJLINK 1 ";
  if (line.starts_with(kChallenge)) {
    const std::string_view random = line.substr(kChallenge.size());
    // The standard's random is eight hex digits; other printable tokens are
    // taken as they come, since the digest covers them whatever they are.
    if (!random.empty() && random.size() <= 32 &&
        std::all_of(random.begin(), random.end(), [](char c) { return IsTextByte(c) && c != ' '; }))
      return Greeting{GreetingKind::Challenge, std::string(random)};
  }
  Fail(error, "not a PJLink greeting");
  return std::nullopt;
}

std::optional<Command> ParseCommand(std::string_view line, std::string* error) {
  Command command;
  if (!ParseHead(line, command.cls, command.body, error)) return std::nullopt;
  if (line.size() == 6) return command;
  if (line[6] != ' ') return Fail(error, "no space after the command body"), std::nullopt;
  const std::string_view parameter = line.substr(7);
  if (parameter.size() > kMaxParameter || !std::all_of(parameter.begin(), parameter.end(), IsTextByte))
    return Fail(error, "malformed parameter"), std::nullopt;
  command.parameter = std::string(parameter);
  return command;
}

std::string AuthDigest(std::string_view random, std::string_view password) {
  const std::string input = std::string(random) + std::string(password);
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned int size = 0;
  EVP_Digest(input.data(), input.size(), digest, &size, EVP_md5(), nullptr);
  static constexpr char kHex[] = "0123456789abcdef";
  std::string text;
  for (unsigned int i = 0; i < size; ++i) {
    text += kHex[digest[i] >> 4];
    text += kHex[digest[i] & 0x0F];
  }
  return text;
}

std::size_t LineReader::Feed(std::span<const std::uint8_t> bytes) {
  std::size_t used = 0;
  while (used < bytes.size() && m_state == State::NeedMore) {
    const char c = static_cast<char>(bytes[used++]);
    if (m_skipLf) {
      m_skipLf = false;
      if (c == '\n') continue;
    }
    if (c == '\r') {
      m_state = State::Ready;
      break;
    }
    if (c == '\0') {
      m_state = State::Failed;
      m_error = "a NUL byte in a line";
      break;
    }
    if (m_line.size() + 1 >= kMaxLine) {
      m_state = State::Failed;
      m_error = "a line longer than " + std::to_string(kMaxLine) + " bytes";
      break;
    }
    m_line += c;
  }
  return used;
}

std::string LineReader::Take() {
  std::string line = std::move(m_line);
  m_line.clear();
  m_state = State::NeedMore;
  m_skipLf = true;
  return line;
}

void LineReader::Reset() {
  m_line.clear();
  m_state = State::NeedMore;
  m_error.clear();
  m_skipLf = false;
}

}  // namespace beamlink::pjlink
