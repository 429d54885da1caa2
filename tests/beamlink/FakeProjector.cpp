#include "FakeProjector.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <stdexcept>

#include "beamlink/Auth.h"

namespace beamlink::test {

std::optional<Message> PeerStream::Receive(std::chrono::milliseconds wait) {
  const auto until = Clock::now() + wait;
  for (;;) {
    const std::size_t used = m_reader.Feed(m_pending);
    m_pending.erase(m_pending.begin(), m_pending.begin() + static_cast<std::ptrdiff_t>(used));
    if (m_reader.GetState() == FrameReader::State::Ready) return m_reader.Take();
    if (m_reader.GetState() == FrameReader::State::Failed || m_stop || Clock::now() >= until) return std::nullopt;
    pollfd entry{m_fd, POLLIN, 0};
    if (poll(&entry, 1, 50) <= 0) continue;
    std::array<std::uint8_t, 256> chunk;
    const ssize_t got = read(m_fd, chunk.data(), chunk.size());
    if (got <= 0) return std::nullopt;  // closed, or a hung-up terminal
    m_pending.assign(chunk.begin(), chunk.begin() + got);
    if (m_log) m_log(m_pending);
  }
}

void PeerStream::Send(const Frame& bytes) {
  // A short write means the client went away; the test sees that on its side.
  if (write(m_fd, bytes.data(), bytes.size()) < 0) return;
}

bool PeerStream::Greet(const std::string& password) {
  const std::optional<Message> hello = Receive();
  return hello && hello->kind == BodyKind::Hello && Admit(password, hello->hello);
}

bool PeerStream::Admit(const std::string& password, const Hello& hello) {
  m_seals.reset();
  if (password.empty()) {
    Send(Encode(Welcome{}));
    return true;
  }
  const auto [salt, key] = ProjectorSecret(password).value();
  const Nonce nonce = RandomNonce().value();
  Send(Encode(Challenge{nonce, salt, ProofOf(Prover::Projector, key, hello.nonce, nonce).value()}));
  const std::optional<Message> answer = Receive();
  const bool right = answer && answer->kind == BodyKind::Answer &&
                     SameDigest(answer->answer.digest, ProofOf(Prover::Client, key, hello.nonce, nonce).value());
  Send(Encode(Verdict{right}));
  if (right) m_seals = SessionSeals::Make(key, hello.nonce, nonce);
  return right;
}

void PeerStream::ServeRequests(const std::string& password) {
  while (const std::optional<Message> message = Receive(10s)) {
    if (message->kind == BodyKind::Hello && !Admit(password, message->hello)) return;
    if (message->kind == BodyKind::Request && !m_seals) Send(Encode(CorrectReply(message->request)));
    if (message->kind == BodyKind::SealedRequest && m_seals &&
        m_seals->Check(SealedContent(message->request), message->seal)) {
      const Reply reply = CorrectReply(message->request);
      Send(Encode(reply, m_seals->Next(SealedContent(reply)).value()));
    }
  }
}

Reply CorrectReply(const Request& request) {
  if (request.action == Action::Get)
    return Reply{request.tag, Status::Value, request.code, static_cast<std::uint16_t>(100 + request.argument)};
  return Reply{request.tag, Status::Done, request.code, 0};
}

Script Serve(std::string password) {
  if (!password.empty()) ProjectorSecret(password);  // stretched now, not within a client's timeout
  return [password](PeerStream& peer) {
    if (peer.Greet(password)) peer.ServeRequests(password);
  };
}

FakeProjector::FakeProjector(std::vector<Script> scripts) : m_scripts(std::move(scripts)) {
  m_listener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof address;
  if (m_listener < 0 || bind(m_listener, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
      listen(m_listener, 4) != 0 || getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &size) != 0)
    throw std::runtime_error("the fake projector cannot listen on 127.0.0.1");
  m_port = ntohs(address.sin_port);
  m_thread = std::thread([this] {
    while (!m_stop) {
      pollfd entry{m_listener, POLLIN, 0};
      if (poll(&entry, 1, 50) <= 0) continue;
      const int fd = accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
      if (fd < 0) continue;
      const std::size_t index = static_cast<std::size_t>(m_connections++);
      // A thread per connection, as a copy's connection runs beside its original's.
      m_sessions.emplace_back([this, fd, index] {
        PeerStream peer(fd, m_stop, [this](std::span<const std::uint8_t> bytes) {
          const std::lock_guard lock(m_mutex);
          m_received.insert(m_received.end(), bytes.begin(), bytes.end());
        });
        if (!m_scripts.empty()) m_scripts[std::min(index, m_scripts.size() - 1)](peer);
        close(fd);
      });
    }
  });
}

FakeProjector::~FakeProjector() {
  m_stop = true;
  m_thread.join();
  for (std::thread& session : m_sessions) session.join();
  close(m_listener);
}

Endpoint FakeProjector::At(int timeoutMs, std::string password) const {
  Endpoint endpoint;
  endpoint.address = "127.0.0.1";
  endpoint.third = m_port;
  endpoint.timeoutMs = timeoutMs;
  endpoint.password = std::move(password);
  return endpoint;
}

std::vector<std::uint8_t> FakeProjector::Received() const {
  const std::lock_guard lock(m_mutex);
  return m_received;
}

FakeSerialProjector::FakeSerialProjector(Script script) {
  m_master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0)
    throw std::runtime_error("no pseudo-terminal for the fake serial projector");
  m_path = ptsname(m_master);
  m_keepOpen = open(m_path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
  m_thread = std::thread([this, script = std::move(script)] {
    PeerStream peer(m_master, m_stop);
    script(peer);
  });
}

FakeSerialProjector::~FakeSerialProjector() {
  m_stop = true;
  m_thread.join();
  close(m_keepOpen);
  close(m_master);
}

}  // namespace beamlink::test
