#include "simulator/Server.h"

#include <algorithm>
#include <exception>

namespace sim {
namespace {

using beamlink::BodyKind;
using beamlink::Encode;

std::vector<std::uint8_t> Garbage(GarbageKind kind, beamlink::Frame frame) {
  if (kind == GarbageKind::BadChecksum) {
    frame.back() ^= 0x5A;
    return frame;
  }
  // No frame starts like this: the first byte is not the start marker.
  return {0x00, 0xFF, 'g', 'a', 'r', 'b', 'a', 'g', 'e', 0x13, 0x37};
}

std::string KindText(BodyKind kind) { return std::string("'") + static_cast<char>(kind) + "'"; }

}  // namespace

std::string DescribeReply(const beamlink::Reply& reply) {
  switch (reply.status) {
    case beamlink::Status::Done: return "done";
    case beamlink::Status::Value: return "value " + std::to_string(reply.value);
    case beamlink::Status::Refused: return std::string("refused: ") + beamlink::RefusalText(reply.value);
    case beamlink::Status::Error: return "error";
  }
  return "?";
}

std::chrono::milliseconds GuessThrottle::NextRejection() {
  const std::lock_guard lock(m_mutex);
  const auto now = std::chrono::steady_clock::now();
  m_next = std::max(m_next, now) + m_spacing;
  return std::chrono::ceil<std::chrono::milliseconds>(m_next - now);
}

std::unique_ptr<Conversation> OpenConversation(std::shared_ptr<Projector> projector, const ServerOptions& options) {
  if (options.protocol) return options.protocol(std::move(projector), options);
  return std::make_unique<Server>(std::move(projector), options);
}

Server::Server(std::shared_ptr<Projector> projector, ServerOptions options)
    : m_projector(std::move(projector)), m_options(std::move(options)) {}

void Server::Log(const std::string& line) const {
  if (m_options.log) m_options.log(line);
}

std::vector<Server::Output> Server::Receive(std::span<const std::uint8_t> bytes) {
  std::vector<Output> outputs;
  while (!bytes.empty() && m_phase != Phase::Closed) {
    const std::size_t used = m_reader.Feed(bytes);
    bytes = bytes.subspan(used);
    if (m_reader.GetState() == beamlink::FrameReader::State::Failed) {
      outputs.push_back(Close("malformed frame: " + m_reader.Error()));
      break;
    }
    if (m_reader.GetState() == beamlink::FrameReader::State::Ready) {
      Output output = OnMessage(m_reader.Take());
      if (!output.bytes.empty() || output.close) outputs.push_back(std::move(output));
    }
  }
  return outputs;
}

Server::Output Server::Close(const std::string& why) {
  Log("closing the connection: " + why);
  m_phase = Phase::Closed;
  return Output{{}, std::chrono::milliseconds(0), true};
}

Server::Output Server::OnMessage(const beamlink::Message& message) {
  if (message.kind == BodyKind::Hello) return OnHello(message.hello);
  switch (m_phase) {
    case Phase::AwaitHello: return Close("expected a hello, got frame " + KindText(message.kind));
    case Phase::AwaitAnswer:
      if (message.kind != BodyKind::Answer) return Close("expected an answer, got frame " + KindText(message.kind));
      return OnAnswer(message.answer);
    case Phase::Ready:
      if (!m_seals && message.kind == BodyKind::Request) return OnRequest(message.request);
      if (!m_seals || message.kind != BodyKind::SealedRequest)
        return Close("expected a " + std::string(m_seals ? "sealed " : "") + "request, got frame " +
                     KindText(message.kind));
      if (!m_seals->Check(beamlink::SealedContent(message.request), message.seal))
        return Close("a request whose seal does not match: forged or damaged");
      return OnRequest(message.request);
    case Phase::Closed: break;
  }
  return Output{};
}

Server::Output Server::OnHello(const beamlink::Hello& hello) {
  m_seals.reset();
  m_clientNonce = hello.nonce;
  if (m_options.password.empty()) {
    m_phase = Phase::Ready;
    Log("hello: welcome");
    return Output{Encode(beamlink::Welcome{})};
  }
  const auto secret = beamlink::ProjectorSecret(m_options.password);
  const auto nonce = beamlink::RandomNonce();
  const auto proof = secret && nonce ? beamlink::ProofOf(beamlink::Prover::Projector, secret->second, m_clientNonce, *nonce)
                                     : std::nullopt;
  if (!proof) return Close("the crypto provider failed");
  m_key = secret->second;
  m_nonce = *nonce;
  m_phase = Phase::AwaitAnswer;
  Log("hello: challenge");
  return Output{Encode(beamlink::Challenge{m_nonce, secret->first, *proof})};
}

Server::Output Server::OnAnswer(const beamlink::Answer& answer) {
  const auto expected = beamlink::ProofOf(beamlink::Prover::Client, m_key, m_clientNonce, m_nonce);
  auto seals = beamlink::SessionSeals::Make(m_key, m_clientNonce, m_nonce);
  if (!expected || !seals) return Close("the crypto provider failed");
  if (!beamlink::SameDigest(answer.digest, *expected)) {
    const auto delay = m_options.throttle ? m_options.throttle->NextRejection() : std::chrono::milliseconds(0);
    Log("wrong password");
    m_phase = Phase::Closed;
    return Output{Encode(beamlink::Verdict{false}), delay, true};
  }
  m_seals = std::move(seals);
  m_phase = Phase::Ready;
  Log("password accepted");
  return Output{Encode(beamlink::Verdict{true})};
}

Server::Output Server::OnRequest(const beamlink::Request& request) {
  Faults& faults = m_projector->GetFaults();
  // The traffic log is text; build it only when someone reads it.
  const bool logging = static_cast<bool>(m_options.log);
  auto what = [&] { return "tag " + std::to_string(request.tag) + " " + m_projector->Describe(request); };
  if (faults.TakeDrop()) return Close(logging ? what() + ": dropped (fault)" : std::string());
  const beamlink::Reply reply = m_projector->Handle(request);
  Output output{Encode(reply), faults.Latency()};
  if (m_seals) {
    const auto seal = m_seals->Next(beamlink::SealedContent(reply));
    if (!seal) return Close("the crypto provider failed");
    output.bytes = Encode(reply, *seal);
  }
  const auto garbage = faults.TakeGarbage();
  if (garbage) output.bytes = Garbage(*garbage, std::move(output.bytes));
  if (logging) {
    std::string line = what() + " -> " + DescribeReply(reply);
    if (garbage) line += " (sent as garbage)";
    if (output.delay.count() > 0) line += " after " + std::to_string(output.delay.count()) + " ms";
    Log(line);
  }
  return output;
}

}  // namespace sim
