#include "beamlink/pjlink/Link.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <exception>

#include "beamlink/Log.h"
#include "beamlink/TcpTransport.h"
#include "beamlink/WaitHook.h"
#include "beamlink/pjlink/Codec.h"

namespace beamlink::pjlink {
namespace {

struct Failed {
  CallFailure kind = CallFailure::None;
  std::string text;
};

// What one exchange came to.
enum class Outcome { Answered, Failed, ClosedBeforeAnswer };

Refusal RefusalFor(ErrorReply error) {
  switch (error) {
    case ErrorReply::OutOfParameter:
      return Refusal::OutOfRange;
    case ErrorReply::UnavailableTime:
      return Refusal::Busy;
    default:
      return Refusal::Unsupported;
  }
}

}  // namespace

struct Link::State {
  Endpoint endpoint;
  TransportFactory factory;
  std::vector<InputLink> inputs;
  std::unique_ptr<Transport> transport;
  LineReader reader;
  std::vector<std::uint8_t> pending;
  std::string digest;  // sent in front of the next command after a challenge
  int cls = 0;
  Clock::time_point lastUse{};
  // A refused password stays refused for this endpoint: asking again with
  // the same password would only count as one more failed attempt on the
  // projector.
  std::optional<Failed> refused;
  // Queries a class-2 projector refused in class 2 (ERR1) and answered in
  // class 1: asked in class 1 from then on.
  std::vector<std::string> classOneOnly;

  std::string Where() const { return "the PJLink projector at " + DescribeEndpoint(endpoint); }
  std::chrono::milliseconds Timeout() const {
    return endpoint.timeoutMs > 0 ? std::chrono::milliseconds(endpoint.timeoutMs) : kDefaultReplyTimeout;
  }

  // A wait the person watching it stopped: the call fails as cancelled.
  bool Abandoned(Failed& failed) const {
    if (!CallAbandoned()) return false;
    failed = {CallFailure::Cancelled, "stopped waiting for " + Where()};
    return true;
  }

  void Drop() {
    transport.reset();
    reader.Reset();
    pending.clear();
    digest.clear();
  }

  // Reads one line; `got` tells whether any byte of it arrived.
  Outcome ReadLine(Deadline deadline, std::string& line, Failed& failed) {
    bool got = false;
    for (;;) {
      if (!pending.empty()) {
        got = true;
        const std::size_t used = reader.Feed(pending);
        pending.erase(pending.begin(), pending.begin() + static_cast<std::ptrdiff_t>(used));
        if (reader.GetState() == LineReader::State::Failed) {
          failed = {CallFailure::Protocol, "malformed line from " + Where() + ": " + reader.Error()};
          return Outcome::Failed;
        }
        if (reader.GetState() == LineReader::State::Ready) {
          line = reader.Take();
          if (line.empty()) continue;  // a stray terminator
          return Outcome::Answered;
        }
      }
      std::array<std::uint8_t, 160> chunk;
      std::string error;
      const std::size_t size = transport->Read(chunk, deadline, error);
      if (size == 0) {
        if (Abandoned(failed)) return Outcome::Failed;
        if (Clock::now() >= deadline) {
          failed = {CallFailure::Timeout,
                    "no complete answer from " + Where() + " within " + std::to_string(Timeout().count()) + " ms"};
          return Outcome::Failed;
        }
        failed = {CallFailure::Closed, Where() + ": " + error};
        return got ? Outcome::Failed : Outcome::ClosedBeforeAnswer;
      }
      pending.assign(chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(size));
    }
  }

  bool Refuse(CallFailure kind, std::string text, Failed& failed) {
    failed = {kind, std::move(text)};
    LogDebug(failed.text);
    refused = failed;
    return false;
  }

  // Connects and reads the greeting; on the first connection also asks the
  // projector's class.
  bool Open(Failed& failed) {
    const Deadline deadline = Clock::now() + Timeout();
    std::string error;
    try {
      transport = factory ? factory(endpoint, deadline, error) : nullptr;
    } catch (const std::exception& e) {
      transport = nullptr;
      error = e.what();
    }
    if (!transport) {
      if (Abandoned(failed)) return false;
      failed = {IsUnknownNameError(error) ? CallFailure::UnknownName : CallFailure::Unreachable, "cannot reach " + Where() + ": " + (error.empty() ? "no transport" : error)};
      return false;
    }
    std::string line;
    if (ReadLine(deadline, line, failed) != Outcome::Answered) {
      if (failed.kind == CallFailure::Timeout) failed.text = "no greeting from " + Where();
      return false;
    }
    const std::optional<Greeting> greeting = ParseGreeting(line, &error);
    if (!greeting) {
      failed = {CallFailure::Protocol, Where() + " sent \"" + line.substr(0, 40) + "\" in place of a greeting"};
      return false;
    }
    if (greeting->kind == GreetingKind::AuthFailed)
      return Refuse(CallFailure::PasswordRejected, Where() + " refuses the connection (ERRA)", failed);
    if (greeting->kind == GreetingKind::Challenge) {
      if (endpoint.password.empty())
        return Refuse(CallFailure::PasswordRequired, Where() + " requires a password", failed);
      digest = AuthDigest(greeting->random, endpoint.password);
    }
    lastUse = Clock::now();
    if (cls != 0) return true;
    Response response;
    if (Exchange("%1CLSS ?\r", "CLSS", response, failed) != Outcome::Answered) return false;
    // A projector that does not say is taken for class 1, which every one
    // speaks; a later class still speaks class 2, the highest we use.
    const bool classTwoOrLater = response.error == ErrorReply::None && response.data.size() == 1 &&
                                 response.data[0] >= '2' && response.data[0] <= '9';
    cls = classTwoOrLater ? 2 : 1;
    return true;
  }

  // Sends one command line and reads its response.
  Outcome Exchange(const std::string& command, const std::string& body, Response& response, Failed& failed) {
    const Deadline deadline = Clock::now() + Timeout();
    const std::string line = digest + command;
    digest.clear();
    std::string error;
    if (!transport->Write(std::span(reinterpret_cast<const std::uint8_t*>(line.data()), line.size()), deadline,
                          error)) {
      if (Abandoned(failed)) return Outcome::Failed;
      failed = {Clock::now() >= deadline ? CallFailure::Timeout : CallFailure::Closed,
                "cannot send to " + Where() + ": " + error};
      return failed.kind == CallFailure::Closed ? Outcome::ClosedBeforeAnswer : Outcome::Failed;
    }
    lastUse = Clock::now();
    std::string answer;
    const Outcome outcome = ReadLine(deadline, answer, failed);
    if (outcome != Outcome::Answered) return outcome;
    if (answer.starts_with("PJLINK")) {
      const auto greeting = ParseGreeting(answer);
      if (greeting && greeting->kind == GreetingKind::AuthFailed)
        return Refuse(CallFailure::PasswordRejected, "wrong password for " + Where(), failed), Outcome::Failed;
      failed = {CallFailure::Protocol, "a second greeting from " + Where()};
      return Outcome::Failed;
    }
    const std::optional<Response> parsed = ParseResponse(answer, &error);
    if (!parsed) {
      failed = {CallFailure::Protocol, "malformed response from " + Where() + ": " + error};
      return Outcome::Failed;
    }
    if (parsed->body != body) {
      failed = {CallFailure::Protocol, Where() + " answered " + parsed->body + " to " + body};
      return Outcome::Failed;
    }
    response = *parsed;
    return Outcome::Answered;
  }

  bool EnsureOpen(Failed& failed) {
    if (refused) {
      failed = *refused;
      return false;
    }
    if (transport && Clock::now() - lastUse > kIdleReopen) Drop();
    if (transport) return true;
    if (Open(failed)) return true;
    Drop();
    return false;
  }

  // One command with its response. When the projector closed the connection
  // before answering (after its previous command, or after its idle time),
  // the command goes once more over a new connection.
  bool Transact(int commandClass, const std::string& body, const std::string& parameter, Response& response,
                Failed& failed) {
    const std::string command = EncodeCommand(commandClass, body, parameter);
    if (command.empty()) {  // never sends a line that is not one well-formed command
      failed = {CallFailure::Protocol, "cannot send " + body + " \"" + parameter + "\" as a PJLink command"};
      return false;
    }
    for (int attempt = 0; attempt < 2; ++attempt) {
      if (!EnsureOpen(failed)) break;
      const Outcome outcome = Exchange(command, body, response, failed);
      if (outcome == Outcome::Answered) return true;
      Drop();
      if (outcome != Outcome::ClosedBeforeAnswer) break;
    }
    return false;
  }

  // One command. A class-2 query answered ERR1 is asked once more in its
  // class-1 form where PJLink has one (some class-2 projectors answer only
  // that form), and the link keeps to class 1 for it.
  bool Ask(int commandClass, const std::string& body, const std::string& parameter, Response& response,
           Failed& failed) {
    const bool known = std::find(classOneOnly.begin(), classOneOnly.end(), body) != classOneOnly.end();
    if (commandClass == 2 && known) commandClass = 1;
    if (!Transact(commandClass, body, parameter, response, failed)) return false;
    const bool hasClassOneForm = body == "INPT" || body == "INST";
    if (commandClass != 2 || parameter != "?" || response.error != ErrorReply::Undefined || !hasClassOneForm)
      return true;
    classOneOnly.push_back(body);
    LogDebug(Where() + " refuses %2" + body + " ?: asking in class 1 from now on");
    return Transact(1, body, parameter, response, failed);
  }
};

Link::Link(Endpoint endpoint, TransportFactory factory, std::span<const InputLink> inputs)
    : m_state(std::make_unique<State>()) {
  m_state->endpoint = std::move(endpoint);
  m_state->factory = std::move(factory);
  m_state->inputs = InputTable(inputs);
}

Link::~Link() = default;

bool Link::IsOpen() const { return m_state->transport != nullptr; }
void Link::Drop() { m_state->Drop(); }
const Endpoint& Link::GetEndpoint() const { return m_state->endpoint; }
int Link::ProjectorClass() const { return m_state->cls; }

CallResult Link::Call(const Request& request) {
  State& s = *m_state;
  CallResult result;
  result.reply.tag = request.tag;
  result.reply.code = request.code;
  const auto refuse = [&](Refusal refusal, std::string why) {
    result.ok = true;
    result.reply.status = Status::Refused;
    result.reply.value = static_cast<std::uint16_t>(refusal);
    result.error = std::move(why);
    return result;
  };
  Failed failed;
  const auto fail = [&] {
    result.failure = failed.kind;
    result.error = std::move(failed.text);
    return result;
  };

  const auto mapped = MapRequest(request, s.inputs);
  if (const auto* why = std::get_if<std::string>(&mapped)) return refuse(Refusal::Unsupported, *why);
  Mapped command = std::get<Mapped>(mapped);
  if (command.classTwoWhenSpoken) {
    if (!s.EnsureOpen(failed)) return fail();
    command.cls = std::max(command.cls, s.cls);
  }
  if (command.cls == 2) {
    if (!s.EnsureOpen(failed)) return fail();
    if (s.cls < 2) return refuse(Refusal::Unsupported, "the projector speaks PJLink class 1, without " + command.body);
  }
  Response response;
  if (!s.Ask(command.cls, command.body, command.parameter, response, failed)) return fail();
  if (response.error == ErrorReply::ProjectorFailure) {
    result.ok = true;
    result.reply.status = Status::Error;
    result.reply.value = 4;
    result.error = std::string("PJLink ") + ErrorText(response.error);
    return result;
  }
  if (response.error != ErrorReply::None)
    return refuse(RefusalFor(response.error), std::string("PJLink ") + ErrorText(response.error));
  std::string error;
  const auto value = DecodeData(command.decode, response.data, s.inputs, error);
  if (!value) {
    s.Drop();
    failed = {CallFailure::Protocol, s.Where() + " answered " + command.body + ": " + error};
    return fail();
  }
  result.ok = true;
  result.reply.status = command.decode == Decode::Acknowledge ? Status::Done : Status::Value;
  result.reply.value = *value;
  return result;
}

std::optional<std::string> Link::Query(int cls, const std::string& body, std::string& error) {
  State& s = *m_state;
  Failed failed;
  if (cls == 2) {
    if (!s.EnsureOpen(failed)) return error = failed.text, std::nullopt;
    if (s.cls < 2) return error = "the projector speaks PJLink class 1, without " + body, std::nullopt;
  }
  Response response;
  if (!s.Ask(cls, body, "?", response, failed)) return error = failed.text, std::nullopt;
  if (response.error != ErrorReply::None) return error = std::string("PJLink ") + ErrorText(response.error), std::nullopt;
  return response.data;
}

std::optional<Identity> QueryIdentity(const Endpoint& endpoint, const TransportFactory& factory, std::string& error) {
  Link link(endpoint, factory);
  Identity identity;
  const auto name = link.Query(1, "NAME", error);
  if (!name && !link.IsOpen() && link.ProjectorClass() == 0) return std::nullopt;
  if (name) identity.name = *name;
  identity.projectorClass = link.ProjectorClass();
  const std::pair<int, std::string Identity::*> fields[] = {{1, &Identity::manufacturer}, {1, &Identity::product},
                                                              {1, &Identity::other},        {2, &Identity::serial},
                                                              {2, &Identity::software}};
  const char* const bodies[] = {"INF1", "INF2", "INFO", "SNUM", "SVER"};
  for (std::size_t i = 0; i < std::size(fields); ++i) {
    if (fields[i].first > identity.projectorClass) continue;
    std::string ignored;
    if (const auto value = link.Query(fields[i].first, bodies[i], ignored)) identity.*fields[i].second = *value;
  }
  error.clear();
  return identity;
}

}  // namespace beamlink::pjlink
