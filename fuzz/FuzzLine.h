#pragma once
// A line for the handshake fuzz targets: the projector's side is the fuzz
// input, handed out in pieces; optionally a genuine projector first logs the
// client in with a password, so that the input speaks into an authenticated
// session. Every frame the client writes is kept. Nothing waits.
#include <algorithm>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "FrameProperties.h"
#include "beamlink/Auth.h"
#include "beamlink/Transport.h"

namespace beamlink::fuzz {

class FuzzLine {
 public:
  FuzzLine(std::span<const std::uint8_t>& remaining, std::size_t piece) : m_input(remaining, piece) {}
  void LogInAs(std::string password) { m_password = std::move(password); }
  const std::vector<Message>& Sent() const { return m_sent; }

  TransportFactory Factory() {
    return [this](const Endpoint&, Deadline, std::string&) -> std::unique_ptr<Transport> {
      m_genuine.clear();
      m_loggedIn = false;
      return std::make_unique<Side>(*this);
    };
  }

 private:
  class Side : public Transport {
   public:
    explicit Side(FuzzLine& line) : m_line(line) {}
    bool Write(std::span<const std::uint8_t> bytes, Deadline, std::string&) override {
      const std::optional<Message> sent = DecodeFrame(bytes);
      Require(sent.has_value());
      m_line.m_sent.push_back(*sent);
      if (!m_line.m_password.empty() && !m_line.m_loggedIn) m_line.Play(*sent);
      return true;
    }
    std::size_t Read(std::span<std::uint8_t> buffer, Deadline, std::string& error) override {
      std::vector<std::uint8_t>& genuine = m_line.m_genuine;
      if (!genuine.empty()) {
        const std::size_t n = std::min(buffer.size(), genuine.size());
        std::copy_n(genuine.begin(), n, buffer.begin());
        genuine.erase(genuine.begin(), genuine.begin() + static_cast<std::ptrdiff_t>(n));
        return n;
      }
      return m_line.m_input.Read(buffer, error);
    }

   private:
    FuzzLine& m_line;
  };

  // The genuine projector's part of the handshake.
  void Play(const Message& sent) {
    if (sent.kind == BodyKind::Hello) {
      const auto secret = ProjectorSecret(m_password);
      const auto nonce = RandomNonce();
      Require(secret && nonce);
      m_clientNonce = sent.hello.nonce;
      m_nonce = *nonce;
      m_key = secret->second;
      const Frame challenge =
          Encode(Challenge{m_nonce, secret->first, ProofOf(Prover::Projector, m_key, m_clientNonce, m_nonce).value()});
      m_genuine.assign(challenge.begin(), challenge.end());
    } else if (sent.kind == BodyKind::Answer) {
      const bool right = SameDigest(sent.answer.digest, ProofOf(Prover::Client, m_key, m_clientNonce, m_nonce).value());
      Require(right);
      const Frame verdict = Encode(Verdict{true});
      m_genuine.assign(verdict.begin(), verdict.end());
      m_loggedIn = true;
    }
  }

  InputInPieces m_input;
  std::string m_password;
  bool m_loggedIn = false;
  std::vector<std::uint8_t> m_genuine;
  std::vector<Message> m_sent;
  Nonce m_clientNonce{};
  Nonce m_nonce{};
  Key m_key{};
};

}  // namespace beamlink::fuzz
