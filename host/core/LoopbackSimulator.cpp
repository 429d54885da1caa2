#include "host/core/LoopbackSimulator.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <deque>
#include <optional>
#include <vector>

namespace host {
namespace {

using Clock = std::chrono::steady_clock;

// Connections served at once; more are closed as soon as they are accepted.
constexpr std::size_t kMaxClients = 8;

std::string Errno(const std::string& what) { return what + ": " + std::strerror(errno); }

struct Pending {
  std::vector<std::uint8_t> bytes;
  Clock::time_point due;
  bool close = false;
};

struct Client {
  int fd = -1;
  std::unique_ptr<sim::Server> server;
  std::deque<Pending> pending;
  bool gone = false;
};

// Sends everything, waiting at most a second for the peer to take it.
bool SendAll(int fd, const std::vector<std::uint8_t>& bytes) {
  std::size_t done = 0;
  const auto giveUp = Clock::now() + std::chrono::seconds(1);
  while (done < bytes.size()) {
    const ssize_t n = send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL | MSG_DONTWAIT);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) && Clock::now() < giveUp) {
      pollfd p{fd, POLLOUT, 0};
      poll(&p, 1, 100);
      continue;
    }
    return false;
  }
  return true;
}

}  // namespace

std::unique_ptr<LoopbackSimulator> LoopbackSimulator::Start(std::shared_ptr<sim::Projector> projector,
                                                            sim::ServerOptions options, std::string& error,
                                                            std::uint16_t port) {
  const int listenFd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (listenFd < 0) {
    error = Errno("socket");
    return nullptr;
  }
  const int yes = 1;
  setsockopt(listenFd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
  sockaddr_in where{};
  where.sin_family = AF_INET;
  where.sin_port = htons(port);
  where.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof where;
  if (bind(listenFd, reinterpret_cast<sockaddr*>(&where), sizeof where) != 0 || listen(listenFd, 8) != 0 ||
      getsockname(listenFd, reinterpret_cast<sockaddr*>(&where), &size) != 0) {
    error = Errno("127.0.0.1:" + std::to_string(port));
    close(listenFd);
    return nullptr;
  }
  const int stopFd = eventfd(0, EFD_CLOEXEC);
  if (stopFd < 0) {
    error = Errno("eventfd");
    close(listenFd);
    return nullptr;
  }
  return std::unique_ptr<LoopbackSimulator>(
      new LoopbackSimulator(std::move(projector), std::move(options), listenFd, stopFd, ntohs(where.sin_port)));
}

LoopbackSimulator::LoopbackSimulator(std::shared_ptr<sim::Projector> projector, sim::ServerOptions options,
                                     int listenFd, int stopFd, std::uint16_t port)
    : m_projector(std::move(projector)),
      m_options(std::move(options)),
      m_listen(listenFd),
      m_stop(stopFd),
      m_port(port),
      m_thread([this] { Serve(); }) {}

LoopbackSimulator::~LoopbackSimulator() {
  const std::uint64_t one = 1;
  while (write(m_stop, &one, sizeof one) < 0 && errno == EINTR) {
  }
  m_thread.join();
  close(m_listen);
  close(m_stop);
}

void LoopbackSimulator::Serve() {
  std::vector<Client> clients;
  for (;;) {
    std::vector<pollfd> fds{{m_stop, POLLIN, 0}, {m_listen, POLLIN, 0}};
    for (const Client& client : clients) fds.push_back({client.fd, POLLIN, 0});

    // Until the next delayed reply is due, or until something happens.
    std::optional<Clock::time_point> next;
    for (const Client& client : clients)
      if (!client.pending.empty()) next = std::min(next.value_or(client.pending.front().due), client.pending.front().due);
    int timeout = -1;
    if (next) {
      const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*next - Clock::now()).count();
      timeout = static_cast<int>(std::clamp<long long>(wait, 0, 60'000));
    }
    if (poll(fds.data(), fds.size(), timeout) < 0 && errno != EINTR) break;
    if (fds[0].revents & POLLIN) break;

    if (fds[1].revents & POLLIN) {
      const int fd = accept4(m_listen, nullptr, nullptr, SOCK_CLOEXEC);
      if (fd >= 0) {
        if (clients.size() >= kMaxClients || m_projector->GetFaults().Unreachable()) {
          close(fd);
        } else {
          Client client;
          client.fd = fd;
          client.server = std::make_unique<sim::Server>(m_projector, m_options);
          clients.push_back(std::move(client));
        }
      }
    }
    const auto now = Clock::now();
    for (std::size_t i = 2; i < fds.size(); ++i) {
      if (!(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
      Client& client = clients[i - 2];
      std::uint8_t buffer[256];
      const ssize_t n = recv(client.fd, buffer, sizeof buffer, MSG_DONTWAIT);
      if (n <= 0) {
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        client.gone = true;
        continue;
      }
      for (sim::Server::Output& output :
           client.server->Receive(std::span<const std::uint8_t>(buffer, static_cast<std::size_t>(n))))
        client.pending.push_back(Pending{std::move(output.bytes), now + output.delay, output.close});
    }
    for (Client& client : clients) {
      while (!client.gone && !client.pending.empty() && client.pending.front().due <= Clock::now()) {
        Pending due = std::move(client.pending.front());
        client.pending.pop_front();
        if (!due.bytes.empty() && !SendAll(client.fd, due.bytes)) client.gone = true;
        if (due.close) client.gone = true;
      }
    }
    std::erase_if(clients, [](const Client& client) {
      if (client.gone) close(client.fd);
      return client.gone;
    });
  }
  for (const Client& client : clients) close(client.fd);
}

}  // namespace host
