#include "beamlink/Connection.h"

#include <array>
#include <cstdio>
#include <exception>
#include <optional>
#include <vector>

#include "beamlink/Auth.h"
#include "beamlink/Log.h"
#include "beamlink/TcpTransport.h"
#include "beamlink/WaitHook.h"

namespace beamlink {
namespace {

struct Failed {
  CallFailure kind;
  std::string text;
};

std::string Hex4(std::uint16_t value) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%04X", value);
  return text;
}

std::string KindText(BodyKind kind) { return std::string("'") + static_cast<char>(kind) + "'"; }

}  // namespace

struct Connection::State {
  Endpoint endpoint;
  TransportFactory factory;
  std::unique_ptr<Transport> transport;
  FrameReader reader;
  // Bytes read but not yet taken by the reader. A read may bring more than
  // one frame; what follows a reply is kept for the next call, which fails
  // on it if it is not that call's reply.
  std::vector<std::uint8_t> pending;
  std::uint8_t lastTag = 0;
  std::optional<SessionSeals> seals;  // after a handshake with a password

  std::string Where() const { return "the projector at " + DescribeEndpoint(endpoint); }
  std::chrono::milliseconds Timeout() const { return std::chrono::milliseconds(TimeoutMsOf(endpoint)); }

  // A wait the person watching it stopped: the call fails as cancelled,
  // whatever the transport made of it.
  bool Abandoned(Failed& failed) const {
    if (!CallAbandoned()) return false;
    failed = {CallFailure::Cancelled, "stopped waiting for " + Where()};
    return true;
  }

  std::uint8_t NextTag() {
    lastTag = lastTag == 255 ? 1 : lastTag + 1;  // 0 is never used
    return lastTag;
  }

  bool Send(const Frame& frame, Deadline deadline, Failed& failed) {
    std::string error;
    if (transport->Write(frame, deadline, error)) return true;
    if (Abandoned(failed)) return false;
    const bool late = Clock::now() >= deadline;
    failed = {late ? CallFailure::Timeout : CallFailure::Closed, "cannot send to " + Where() + ": " + error};
    return false;
  }

  bool Receive(Deadline deadline, Message& message, Failed& failed) {
    for (;;) {
      if (!pending.empty()) {
        const std::size_t used = reader.Feed(pending);
        pending.erase(pending.begin(), pending.begin() + static_cast<std::ptrdiff_t>(used));
        if (reader.GetState() == FrameReader::State::Ready) {
          message = reader.Take();
          return true;
        }
        if (reader.GetState() == FrameReader::State::Failed) {
          failed = {CallFailure::Protocol, "malformed frame from " + Where() + ": " + reader.Error()};
          return false;
        }
      }
      std::array<std::uint8_t, 64> chunk;
      std::string error;
      const std::size_t got = transport->Read(chunk, deadline, error);
      if (got == 0) {
        if (Abandoned(failed)) return false;
        if (Clock::now() >= deadline)
          failed = {CallFailure::Timeout,
                    "no answer from " + Where() + " within " + std::to_string(Timeout().count()) + " ms"};
        else
          failed = {CallFailure::Closed, Where() + ": " + error};
        return false;
      }
      pending.assign(chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(got));
    }
  }

  bool Refuse(CallFailure kind, std::string text, Failed& failed) {
    failed = {kind, std::move(text)};
    LogDebug(failed.text);
    return false;
  }

  bool CryptoFailed(Failed& failed) {
    failed = {CallFailure::Protocol, "cannot authenticate with " + Where() + ": the crypto provider failed"};
    return false;
  }

  // Opens the transport and says hello with our nonce. A projector that
  // challenges must first prove it knows the password; only then do we
  // answer with our own proof. Everything within `deadline`.
  bool Open(Deadline deadline, Failed& failed) {
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
    const std::optional<Nonce> ours = RandomNonce();
    if (!ours) return CryptoFailed(failed);
    if (!Send(Encode(Hello{*ours}), deadline, failed)) return false;
    Message message;
    if (!Receive(deadline, message, failed)) return false;
    if (message.kind == BodyKind::Welcome) {
      // Otherwise anyone on the path could pose as the projector by simply not asking.
      if (endpoint.password.empty() || endpoint.acceptNoPassword) return true;
      return Refuse(CallFailure::PasswordNotAsked, Where() + " does not ask for the password set for it", failed);
    }
    if (message.kind != BodyKind::Challenge) return Unexpected(message.kind, failed);
    if (endpoint.password.empty())
      return Refuse(CallFailure::PasswordRequired, Where() + " requires a password", failed);
    const Challenge& challenge = message.challenge;
    // Stretching is our own work, not the projector's silence: it does not
    // count against the timeout.
    const auto stretching = Clock::now();
    const std::optional<Key> key = StretchPassword(endpoint.password, challenge.salt);
    deadline += Clock::now() - stretching;
    const std::optional<Digest> expected = key ? ProofOf(Prover::Projector, *key, *ours, challenge.nonce) : std::nullopt;
    const std::optional<Digest> answer = key ? ProofOf(Prover::Client, *key, *ours, challenge.nonce) : std::nullopt;
    std::optional<SessionSeals> sessionSeals = key ? SessionSeals::Make(*key, *ours, challenge.nonce) : std::nullopt;
    if (!expected || !answer || !sessionSeals) return CryptoFailed(failed);
    if (!SameDigest(*expected, challenge.proof))
      return Refuse(CallFailure::PasswordMismatch,
                    "wrong password for " + Where() + " (or not that projector: it could not prove it knows it)", failed);
    if (!Send(Encode(Answer{*answer}), deadline, failed)) return false;
    if (!Receive(deadline, message, failed)) return false;
    if (message.kind != BodyKind::Verdict) return Unexpected(message.kind, failed);
    if (!message.verdict.accepted) return Refuse(CallFailure::PasswordRejected, "wrong password for " + Where(), failed);
    seals = std::move(sessionSeals);
    return true;
  }

  bool Unexpected(BodyKind kind, Failed& failed) {
    failed = {CallFailure::Protocol, "unexpected frame " + KindText(kind) + " from " + Where() + " while connecting"};
    return false;
  }

  void Drop() {
    transport.reset();
    seals.reset();
    reader.Reset();
    pending.clear();
  }
};

Connection::Connection(Endpoint endpoint, TransportFactory factory) : m_state(std::make_unique<State>()) {
  m_state->endpoint = std::move(endpoint);
  m_state->factory = std::move(factory);
}

Connection::~Connection() = default;

bool Connection::IsOpen() const { return m_state->transport != nullptr; }

void Connection::Drop() { m_state->Drop(); }

const Endpoint& Connection::GetEndpoint() const { return m_state->endpoint; }

CallResult Connection::Call(Request request) {
  State& s = *m_state;
  CallResult result;
  Failed failed{CallFailure::None, {}};
  const auto fail = [&] {
    s.Drop();
    result.failure = failed.kind;
    result.error = std::move(failed.text);
    return result;
  };

  if (!s.transport && !s.Open(Clock::now() + s.Timeout(), failed)) return fail();

  request.tag = s.NextTag();
  const Deadline deadline = Clock::now() + s.Timeout();
  Frame frame = Encode(request);
  if (s.seals) {
    const std::optional<Seal> seal = s.seals->Next(SealedContent(request));
    if (!seal) {
      s.CryptoFailed(failed);
      return fail();
    }
    frame = Encode(request, *seal);
  }
  if (!s.Send(frame, deadline, failed)) return fail();
  Message message;
  if (!s.Receive(deadline, message, failed)) return fail();

  // The first frame must be this request's reply, sealed when the session
  // is; anything else means the stream is out of step with us, or that
  // someone else is writing into it.
  if (message.kind != (s.seals ? BodyKind::SealedReply : BodyKind::Reply)) {
    failed = {CallFailure::Protocol, "unexpected frame " + KindText(message.kind) + " from " + s.Where()};
    return fail();
  }
  const Reply& reply = message.reply;
  if (s.seals && !s.seals->Check(SealedContent(reply), message.seal)) {
    failed = {CallFailure::Protocol, "a reply from " + s.Where() + " whose seal does not match: forged or damaged"};
    return fail();
  }
  if (reply.tag != request.tag) {
    failed = {CallFailure::Protocol, "reply with tag " + std::to_string(reply.tag) + " from " + s.Where() +
                                         " to a request with tag " + std::to_string(request.tag)};
    return fail();
  }
  if (reply.code != request.code) {
    failed = {CallFailure::Protocol, "reply for code " + Hex4(reply.code) + " from " + s.Where() +
                                         " to a request for code " + Hex4(request.code)};
    return fail();
  }
  result.ok = true;
  result.reply = reply;
  return result;
}

}  // namespace beamlink
