#pragma once
// A scripted projector for the connection tests: a listener on 127.0.0.1
// with a thread per connection, or the far end of a pseudo-terminal.
#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "beamlink/Auth.h"
#include "beamlink/Protocol.h"
#include "beamlink/Transport.h"

namespace beamlink::test {

using namespace std::chrono_literals;

// The projector's end of one connection.
class PeerStream {
 public:
  using Log = std::function<void(std::span<const std::uint8_t>)>;
  PeerStream(int fd, const std::atomic<bool>& stop, Log log = {}) : m_fd(fd), m_stop(stop), m_log(std::move(log)) {}

  // The next frame; nullopt when the client closed the line, sent a
  // malformed frame or nothing within `wait`.
  std::optional<Message> Receive(std::chrono::milliseconds wait = 5s);
  void Send(const Frame& bytes);
  // Waits for a hello, then welcomes the client or, with a password,
  // challenges it; true when the client may go on.
  bool Greet(const std::string& password);
  // Answers requests with CorrectReply (sealed after a password) and greets
  // every new hello, until the client goes away.
  void ServeRequests(const std::string& password);

 private:
  bool Admit(const std::string& password, const Hello& hello);
  std::optional<SessionSeals> m_seals;
  int m_fd;
  const std::atomic<bool>& m_stop;
  Log m_log;
  FrameReader m_reader;
  std::vector<std::uint8_t> m_pending;
};

// A Get reads 100 + argument; the other actions are done.
Reply CorrectReply(const Request& request);

using Script = std::function<void(PeerStream&)>;
// A correct projector, with a password when `password` is not empty.
Script Serve(std::string password = {});

class FakeProjector {
 public:
  // scripts[i] serves connection i; later connections get the last one.
  explicit FakeProjector(std::vector<Script> scripts);
  ~FakeProjector();
  int Port() const { return m_port; }
  int Connections() const { return m_connections; }
  Endpoint At(int timeoutMs, std::string password = {}) const;
  std::vector<std::uint8_t> Received() const;  // over all connections

 private:
  std::vector<Script> m_scripts;
  int m_listener = -1;
  int m_port = 0;
  std::atomic<int> m_connections{0};
  std::atomic<bool> m_stop{false};
  mutable std::mutex m_mutex;
  std::vector<std::uint8_t> m_received;
  std::vector<std::thread> m_sessions;
  std::thread m_thread;
};

class FakeSerialProjector {
 public:
  explicit FakeSerialProjector(Script script);
  ~FakeSerialProjector();
  const std::string& DevicePath() const { return m_path; }

 private:
  int m_master = -1;
  int m_keepOpen = -1;  // so the line does not hang up between client opens
  std::string m_path;
  std::atomic<bool> m_stop{false};
  std::thread m_thread;
};

}  // namespace beamlink::test
