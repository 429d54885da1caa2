#pragma once
// The projector's end of one connection: speaks the wire protocol on top of
// a shared Projector. Bytes from the client go in; what the projector sends
// back comes out, each piece with the delay it must wait and whether the
// projector closes the connection after it. The caller owns the transport
// (a socket, a pseudo-terminal, or a buffer in the same process).
//
// A connection starts with the client's hello: the projector welcomes it,
// or, with a password, challenges it with its proof of the password and
// checks the client's answer (a wrong answer is rejected and the connection
// closed). Then each request gets one reply with the same tag and code; after
// a challenge both are sealed, and a request without its seal ends the
// connection. A malformed or unexpected frame closes the
// connection. A new hello at any time starts over, as on a serial line,
// where the client's "reconnect" is just a new hello.
#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "beamlink/Auth.h"
#include "beamlink/Protocol.h"
#include "simulator/Projector.h"

namespace sim {

// Spaces out the rejections of wrong passwords over every connection of one
// projector, so that guessing online stays slow however many connections a
// guesser opens. A right password is accepted at once.
class GuessThrottle {
 public:
  explicit GuessThrottle(std::chrono::milliseconds spacing) : m_spacing(spacing) {}
  // How long the rejection of a wrong answer given now must wait.
  std::chrono::milliseconds NextRejection();

 private:
  std::mutex m_mutex;
  std::chrono::milliseconds m_spacing;
  std::chrono::steady_clock::time_point m_next{};
};

// What the projector sends back, in one piece.
struct ServerOutput {
  std::vector<std::uint8_t> bytes;
  std::chrono::milliseconds delay{0};  // how long the projector takes to send them
  bool close = false;                  // the projector closes the connection after them
};

// The projector's end of one connection in some protocol.
class Conversation {
 public:
  using Output = ServerOutput;
  virtual ~Conversation() = default;
  // What the projector sends as soon as the connection is made.
  virtual std::vector<Output> Start() { return {}; }
  // Takes what the client sent; returns what goes back, in order.
  virtual std::vector<Output> Receive(std::span<const std::uint8_t> bytes) = 0;
  // After a close: the connection is over and further bytes are ignored.
  virtual bool Closed() const = 0;
  // The handshake is done: requests are served.
  virtual bool Serving() const = 0;
  // Part of a request has come and the rest is awaited.
  virtual bool MidFrame() const = 0;
  // How long the projector keeps a connection that carries nothing; none:
  // for ever.
  virtual std::optional<std::chrono::milliseconds> IdleLimit() const { return std::nullopt; }
};

struct ServerOptions;
using ConversationFactory =
    std::function<std::unique_ptr<Conversation>(std::shared_ptr<Projector> projector, const ServerOptions& options)>;

struct ServerOptions {
  std::string password;                          // empty: no challenge
  std::function<void(const std::string&)> log;   // one line per exchange and per event; empty: silent
  std::shared_ptr<GuessThrottle> throttle;       // shared by the connections of one projector; empty: none
  ConversationFactory protocol;                  // empty: our own protocol (Server)
};

// A new connection's conversation in the protocol the options choose.
std::unique_ptr<Conversation> OpenConversation(std::shared_ptr<Projector> projector, const ServerOptions& options);

class Server : public Conversation {
 public:
  Server(std::shared_ptr<Projector> projector, ServerOptions options);

  std::vector<Output> Receive(std::span<const std::uint8_t> bytes) override;
  bool Closed() const override { return m_phase == Phase::Closed; }
  bool Serving() const override { return m_phase == Phase::Ready; }
  bool MidFrame() const override { return m_reader.MidFrame(); }

 private:
  enum class Phase { AwaitHello, AwaitAnswer, Ready, Closed };

  Output OnMessage(const beamlink::Message& message);
  Output OnHello(const beamlink::Hello& hello);
  Output OnAnswer(const beamlink::Answer& answer);
  Output OnRequest(const beamlink::Request& request);
  Output Close(const std::string& why);
  void Log(const std::string& line) const;

  std::shared_ptr<Projector> m_projector;
  ServerOptions m_options;
  beamlink::FrameReader m_reader;
  Phase m_phase = Phase::AwaitHello;
  beamlink::Nonce m_clientNonce{};
  beamlink::Nonce m_nonce{};
  beamlink::Key m_key{};
  std::optional<beamlink::SessionSeals> m_seals;
};

// The reply's words for the traffic log: "value 160", "refused: out of range".
std::string DescribeReply(const beamlink::Reply& reply);

}  // namespace sim
