#include "simulator/pjsim/Daemon.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <sys/signalfd.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <deque>
#include <functional>
#include <optional>
#include <thread>
#include <vector>

namespace sim::pjsim {
namespace {

using Clock = std::chrono::steady_clock;

// Connections served at once by one projector; more wait in its listen queue
// until one leaves.
constexpr std::size_t kMaxClients = 8;
// Events taken from epoll per wait.
constexpr int kEventBatch = 64;
// No client holds a place for long without earning it: the handshake must be
// over this soon after the connect (room for a client on a busy machine to
// stretch its password), and a frame begun must be complete this soon after
// its first byte.
constexpr auto kHandshakeDeadline = std::chrono::milliseconds(2000);
constexpr auto kFrameIdleLimit = std::chrono::milliseconds(1000);
// A client that does not read its replies is dropped once this much waits
// for it (the socket's own buffer full as well), or this many replies are
// still being prepared for it.
constexpr std::size_t kMaxQueuedBytes = 4096;
constexpr std::size_t kMaxPendingReplies = 64;
// Wrong passwords are answered at most this often, over all connections.
constexpr auto kRejectionSpacing = std::chrono::milliseconds(500);

std::string Errno(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

void LogLine(const std::string& line) { std::fprintf(stderr, "pjsim: %s\n", line.c_str()); }

struct Pending {
  std::vector<std::uint8_t> bytes;
  Clock::time_point due;
  bool close = false;
};

// One connection: a socket, or the pseudo-terminal's master side. Both are
// non-blocking: the one thread never waits for any single client.
struct Client {
  int fd = -1;
  int id = 0;
  std::size_t site = 0;                    // the projector it talks to
  bool silent = false;                     // a dead projector's: read and never answered
  std::unique_ptr<Conversation> server;
  std::deque<Pending> pending;             // replies not yet due
  std::vector<std::uint8_t> out;           // due, not yet taken by the client
  bool closeAfterOut = false;
  bool watchingOut = false;                // EPOLLOUT is asked for
  Clock::time_point connected;
  std::optional<Clock::time_point> frameStarted;
  Clock::time_point lastHeard;             // the last bytes from the client, or the connect
  bool gone = false;
};

// One projector the loop serves, on a listener of its own (or the serial line).
struct Site {
  std::shared_ptr<Projector> projector;
  ServerOptions options;
  bool dead = false;  // accepts connections and never answers
  int listen = -1;
  std::uint16_t port = 0;
  bool listenPaused = false;
  std::size_t clients = 0;
};

class Loop {
 public:
  // Serves each projector as an independent one: its own port, its own
  // clients and its own guess throttle. The last `dead` of them accept
  // connections and never answer.
  Loop(std::vector<std::shared_ptr<Projector>> projectors, const ServerOptions& options, bool serial,
       std::size_t dead = 0)
      : m_serial(serial), m_epoll(epoll_create1(EPOLL_CLOEXEC)) {
    m_options = options;
    for (std::size_t i = 0; i < projectors.size(); ++i) {
      Site site;
      site.projector = std::move(projectors[i]);
      site.options = options;
      if (!site.options.throttle) site.options.throttle = std::make_shared<GuessThrottle>(kRejectionSpacing);
      site.dead = i + dead >= projectors.size();
      m_sites.push_back(std::move(site));
    }
    // Stretching the password takes a while: once here, not in a client's turn.
    if (!m_options.password.empty()) beamlink::ProjectorSecret(m_options.password);
  }

  ~Loop() {
    for (Client& client : m_clients) close(client.fd);
    for (const Site& site : m_sites)
      if (site.listen >= 0) close(site.listen);
    if (m_slave >= 0) close(m_slave);
    if (m_stop >= 0) close(m_stop);
    if (m_epoll >= 0) close(m_epoll);
  }

  // SIGINT and SIGTERM arrive through a descriptor the loop polls, so a
  // signal can never slip in between a check and the wait.
  bool CatchSignals() {
    sigset_t mask;
    sigemptyset(&mask);
    sigaddset(&mask, SIGINT);
    sigaddset(&mask, SIGTERM);
    if (sigprocmask(SIG_BLOCK, &mask, nullptr) != 0) return Fail(Errno("sigprocmask"));
    m_stop = signalfd(-1, &mask, SFD_CLOEXEC);
    if (m_stop < 0) return Fail(Errno("signalfd"));
    m_stopBySignal = true;
    if (!Watch(m_stop, kStopTag)) return false;
    signal(SIGPIPE, SIG_IGN);
    return true;
  }

  // The loop of a thread ends when this descriptor is written (see Stop);
  // its events go nowhere, as the process serves quietly.
  int StopOnEvent() {
    m_quiet = true;
    m_stop = eventfd(0, EFD_CLOEXEC);
    if (m_stop < 0) Fail(Errno("eventfd"));
    if (m_stop >= 0 && !Watch(m_stop, kStopTag)) return -1;
    return m_stop;
  }

  // Every projector on its own port: `first`, `first` + 1, ..., or free
  // ports when `first` is 0. `announce` may be null; the ports bound are
  // Ports() either way.
  bool Listen(const std::string& address, std::uint16_t first, std::FILE* announce) {
    if (first != 0 && first + m_sites.size() - 1 > 65535) return Fail("the ports run past 65535");
    for (std::size_t i = 0; i < m_sites.size(); ++i)
      if (!ListenOne(i, address, static_cast<std::uint16_t>(first == 0 ? 0 : first + i), announce)) return false;
    return true;
  }

  bool ListenOne(std::size_t index, const std::string& address, std::uint16_t port, std::FILE* announce) {
    Site& site = m_sites[index];
    int& listenFd = site.listen;
    listenFd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listenFd < 0) return Fail(Errno("socket"));
    const int yes = 1;
    setsockopt(listenFd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in where{};
    where.sin_family = AF_INET;
    where.sin_port = htons(port);
    if (inet_pton(AF_INET, address.c_str(), &where.sin_addr) != 1) return Fail("bad address " + address);
    if (bind(listenFd, reinterpret_cast<sockaddr*>(&where), sizeof where) != 0)
      return Fail(Errno(("bind " + address + ":" + std::to_string(port)).c_str()));
    if (listen(listenFd, 16) != 0) return Fail(Errno("listen"));
    if (!Watch(listenFd, kListenBase | index)) return false;
    socklen_t size = sizeof where;
    getsockname(listenFd, reinterpret_cast<sockaddr*>(&where), &size);
    site.port = ntohs(where.sin_port);
    if (announce) {
      std::fprintf(announce, "listening %s:%u\n", address.c_str(), static_cast<unsigned>(site.port));
      std::fflush(announce);
    }
    return true;
  }

  bool OpenTerminal(std::FILE* announce) {
    const int master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (master < 0) return Fail(Errno("posix_openpt"));
    if (!AddClient(master, 0)) return false;
    if (grantpt(master) != 0 || unlockpt(master) != 0) return Fail(Errno("grantpt/unlockpt"));
    char path[128];
    if (ptsname_r(master, path, sizeof path) != 0) return Fail(Errno("ptsname"));
    // Holding the other side open keeps the line up between clients (the
    // master would otherwise report a hang-up while nobody has it open).
    m_slave = open(path, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_slave < 0) return Fail(Errno("open the terminal"));
    termios raw{};
    if (tcgetattr(m_slave, &raw) != 0) return Fail(Errno("tcgetattr"));
    cfmakeraw(&raw);
    if (tcsetattr(m_slave, TCSANOW, &raw) != 0) return Fail(Errno("tcsetattr"));
    std::fprintf(announce, "serial %s\n", path);
    std::fflush(announce);
    return true;
  }

  // Waits with epoll: the descriptors are registered once, not handed to
  // the kernel again before every wait as poll would need.
  int Run() {
    epoll_event events[kEventBatch];
    for (;;) {
      const int count = epoll_wait(m_epoll, events, static_cast<int>(std::size(events)), Timeout());
      if (count < 0) {
        if (errno == EINTR) continue;
        Log(Errno("epoll_wait"));
        return 1;
      }
      for (int i = 0; i < count; ++i) {
        const std::uint64_t tag = events[i].data.u64;
        const bool writable = (events[i].events & EPOLLOUT) != 0;
        if (tag == kStopTag) {
          signalfd_siginfo info{};
          if (m_stopBySignal && read(m_stop, &info, sizeof info) > 0)
            Log(std::string("stopping on ") + strsignal(static_cast<int>(info.ssi_signo)));
          return 0;
        }
        if ((tag & kListenBase) != 0) {
          Accept(static_cast<std::size_t>(tag & ~kListenBase));
          continue;
        }
        for (Client& client : m_clients) {
          if (static_cast<std::uint64_t>(client.id) != tag || client.gone) continue;
          if (writable) Flush(client);
          if (!client.gone && (events[i].events & ~EPOLLOUT) != 0) ReadFrom(client);
        }
      }
      SendDue();
      ExpireSlowClients();
      std::erase_if(m_clients, [this](const Client& c) {
        if (!c.gone) return false;
        epoll_ctl(m_epoll, EPOLL_CTL_DEL, c.fd, nullptr);
        close(c.fd);
        Site& site = m_sites[c.site];
        --site.clients;
        if (site.listenPaused && site.clients < kMaxClients) WatchListener(c.site, true);
        return true;
      });
    }
  }

  std::uint16_t Port() const { return m_sites.empty() ? 0 : m_sites.front().port; }
  std::vector<std::uint16_t> Ports() const {
    std::vector<std::uint16_t> ports;
    for (const Site& site : m_sites) ports.push_back(site.port);
    return ports;
  }
  Projector& Served(std::size_t index) const { return *m_sites.at(index).projector; }
  // Why setting up failed.
  const std::string& Error() const { return m_error; }

 private:
  void Log(const std::string& line) const {
    if (!m_quiet) LogLine(line);
  }

  bool Fail(const std::string& why) {
    m_error = why;
    Log(why);
    return false;
  }

  // Client ids are positive ints; these tags stand for the other
  // descriptors: the stop descriptor, and each projector's listener (its
  // index under the high bit).
  static constexpr std::uint64_t kStopTag = 0;
  static constexpr std::uint64_t kListenBase = std::uint64_t{1} << 62;

  bool Watch(int fd, std::uint64_t tag) {
    if (m_epoll < 0) return Fail(Errno("epoll_create1"));
    epoll_event event{};
    event.events = EPOLLIN;
    event.data.u64 = tag;
    if (epoll_ctl(m_epoll, EPOLL_CTL_ADD, fd, &event) != 0) return Fail(Errno("epoll_ctl"));
    return true;
  }

  // While every place is taken the listener is not watched: new clients
  // wait in the listen queue and are taken in as places free up.
  void WatchListener(std::size_t index, bool on) {
    Site& site = m_sites[index];
    epoll_event event{};
    event.events = on ? std::uint32_t{EPOLLIN} : 0u;
    event.data.u64 = kListenBase | index;
    epoll_ctl(m_epoll, EPOLL_CTL_MOD, site.listen, &event);
    site.listenPaused = !on;
  }

  void WatchOutput(Client& client, bool on) {
    if (client.watchingOut == on) return;
    epoll_event event{};
    event.events = EPOLLIN | (on ? std::uint32_t{EPOLLOUT} : 0u);
    event.data.u64 = static_cast<std::uint64_t>(client.id);
    epoll_ctl(m_epoll, EPOLL_CTL_MOD, client.fd, &event);
    client.watchingOut = on;
  }

  // Takes `fd`; false (and closed) when it cannot be watched.
  bool AddClient(int fd, std::size_t site) {
    const int id = ++m_lastId;
    if (!Watch(fd, static_cast<std::uint64_t>(id))) {
      close(fd);
      return false;
    }
    Client client;
    client.fd = fd;
    client.id = id;
    client.site = site;
    client.silent = m_sites[site].dead;
    client.connected = Clock::now();
    client.lastHeard = client.connected;
    if (!client.silent) {
      client.server = NewServer(client);
      Queue(client, client.server->Start());
    }
    ++m_sites[site].clients;
    m_clients.push_back(std::move(client));
    return true;
  }

  // Drops a TCP client; on the serial line, whose other end stays, the
  // session ends instead and the next hello starts a new one.
  void Drop(Client& client, const std::string& why) {
    Log((m_serial ? std::string("serial: ") : "client " + std::to_string(client.id) + ": ") + why);
    if (!m_serial) {
      client.gone = true;
      return;
    }
    tcflush(client.fd, TCIOFLUSH);
    client.out.clear();
    client.pending.clear();
    client.closeAfterOut = false;
    client.frameStarted.reset();
    WatchOutput(client, false);
    client.server = NewServer(client);
    Queue(client, client.server->Start());
  }

  static void Queue(Client& client, std::vector<Server::Output> outputs) {
    const auto now = Clock::now();
    for (Server::Output& output : outputs)
      client.pending.push_back(Pending{std::move(output.bytes), now + output.delay, output.close});
  }

  std::unique_ptr<Conversation> NewServer(const Client& client) {
    const Site& site = m_sites[client.site];
    ServerOptions options = site.options;
    const auto log = site.options.log;
    const std::string who = m_serial ? "serial: " : "client " + std::to_string(client.id) + ": ";
    if (log) options.log = [log, who](const std::string& line) { log(who + line); };
    return OpenConversation(site.projector, options);
  }

  void Accept(std::size_t index) {
    if (index >= m_sites.size()) return;
    Site& site = m_sites[index];
    if (site.clients >= kMaxClients) {
      WatchListener(index, false);
      return;
    }
    const int fd = accept4(site.listen, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (fd < 0) return;
    if (site.projector->GetFaults().Unreachable()) {
      Log("refusing a connection: unreachable (fault)");
      close(fd);
      return;
    }
    if (AddClient(fd, index))
      Log("client " + std::to_string(m_clients.back().id) + " connected" +
          (m_sites.size() > 1 ? " to port " + std::to_string(site.port) : "") + (site.dead ? " (silent)" : ""));
  }

  void ReadFrom(Client& client) {
    std::uint8_t buffer[256];
    const ssize_t n = read(client.fd, buffer, sizeof buffer);
    if (n <= 0) {
      if (n < 0 && (errno == EINTR || errno == EAGAIN)) return;
      if (!m_serial) {
        Log("client " + std::to_string(client.id) + " left");
        client.gone = true;
      }
      return;
    }
    if (client.silent) return;  // a dead projector hears and says nothing
    const auto now = Clock::now();
    client.lastHeard = now;
    Queue(client, client.server->Receive(std::span<const std::uint8_t>(buffer, static_cast<std::size_t>(n))));
    if (!client.server->MidFrame())
      client.frameStarted.reset();
    else if (!client.frameStarted)
      client.frameStarted = now;
    // A serial line stays when its session ends: what the client sent in
    // that session is dropped and the next session starts at once, before
    // the client has seen the last reply and can answer it with a new hello.
    if (m_serial && client.server->Closed()) {
      tcflush(client.fd, TCIFLUSH);
      client.server = NewServer(client);
      client.frameStarted.reset();
      Queue(client, client.server->Start());
    }
    if (client.pending.size() > kMaxPendingReplies) Drop(client, "too many requests waiting for their replies");
  }

  void SendDue() {
    const auto now = Clock::now();
    for (Client& client : m_clients) {
      while (!client.gone && !client.closeAfterOut && !client.pending.empty() && client.pending.front().due <= now) {
        Pending next = std::move(client.pending.front());
        client.pending.pop_front();
        client.out.insert(client.out.end(), next.bytes.begin(), next.bytes.end());
        // On the serial line the session has already started over.
        client.closeAfterOut = next.close && !m_serial;
      }
      if (!client.gone) Flush(client);
    }
  }

  // Writes what the client takes without waiting; the rest waits for it to
  // read, up to a bound.
  void Flush(Client& client) {
    std::size_t done = 0;
    while (done < client.out.size()) {
      const ssize_t n = m_serial ? write(client.fd, client.out.data() + done, client.out.size() - done)
                                 : send(client.fd, client.out.data() + done, client.out.size() - done,
                                        MSG_NOSIGNAL | MSG_DONTWAIT);
      if (n > 0) {
        done += static_cast<std::size_t>(n);
        continue;
      }
      if (n < 0 && errno == EINTR) continue;
      if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) break;
      return Drop(client, "cannot write");
    }
    client.out.erase(client.out.begin(), client.out.begin() + static_cast<std::ptrdiff_t>(done));
    if (client.out.size() > kMaxQueuedBytes) return Drop(client, "does not read its replies");
    if (client.out.empty() && client.closeAfterOut) {
      client.gone = true;
      return;
    }
    WatchOutput(client, !client.out.empty());
  }

  // When a client's handshake or half-sent frame runs out of time.
  std::optional<Clock::time_point> Expiry(const Client& client) const {
    std::optional<Clock::time_point> at;
    if (client.silent) return at;  // held until the client gives up
    if (client.frameStarted) at = *client.frameStarted + kFrameIdleLimit;
    // A rejected client waits for its verdict, which the throttle spaces out.
    if (!m_serial && !client.server->Serving() && client.pending.empty() && client.out.empty()) {
      const auto deadline = client.connected + kHandshakeDeadline;
      at = at ? std::min(*at, deadline) : deadline;
    }
    if (const auto idle = IdleExpiry(client)) at = at ? std::min(*at, *idle) : *idle;
    return at;
  }

  // When a connection that carries nothing is closed, if its protocol does
  // that (PJLink projectors do); never while a reply is on its way.
  static std::optional<Clock::time_point> IdleExpiry(const Client& client) {
    const auto limit = client.server->IdleLimit();
    if (!limit || !client.pending.empty() || !client.out.empty()) return std::nullopt;
    return client.lastHeard + *limit;
  }

  void ExpireSlowClients() {
    const auto now = Clock::now();
    for (Client& client : m_clients) {
      const auto at = client.gone ? std::nullopt : Expiry(client);
      if (!at || *at > now) continue;
      const auto idle = IdleExpiry(client);
      Drop(client, client.frameStarted && *client.frameStarted + kFrameIdleLimit <= now ? "a frame left half-sent"
                   : idle && *idle <= now                                              ? "idle, closed"
                                                                                        : "no handshake in time");
    }
  }

  // Until the next delayed reply is due or a client runs out of time, or for ever.
  int Timeout() const {
    std::optional<Clock::time_point> next;
    for (const Client& client : m_clients) {
      std::optional<Clock::time_point> due = Expiry(client);
      if (!client.pending.empty() && !client.closeAfterOut)
        due = due ? std::min(*due, client.pending.front().due) : client.pending.front().due;
      if (due) next = next ? std::min(*next, *due) : *due;
    }
    if (!next) return -1;
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*next - Clock::now()).count();
    return static_cast<int>(std::clamp<long long>(wait, 0, 60'000));
  }

  std::vector<Site> m_sites;
  ServerOptions m_options;
  bool m_serial;
  int m_epoll = -1;
  int m_stop = -1;  // a signalfd (the daemon) or an eventfd (a thread's loop)
  bool m_stopBySignal = false;
  bool m_quiet = false;
  std::string m_error;
  int m_slave = -1;
  int m_lastId = 0;
  std::vector<Client> m_clients;
};

}  // namespace

int ServeTcp(std::shared_ptr<Projector> projector, const ServerOptions& options, const std::string& address,
             std::uint16_t port, std::FILE* announce) {
  return ServeTcpFleet({std::move(projector)}, options, address, port, 0, announce);
}

int ServeTcpFleet(std::vector<std::shared_ptr<Projector>> projectors, const ServerOptions& options,
                  const std::string& address, std::uint16_t firstPort, std::size_t dead, std::FILE* announce) {
  Loop loop(std::move(projectors), options, false, dead);
  if (!loop.CatchSignals() || !loop.Listen(address, firstPort, announce)) return 1;
  return loop.Run();
}

int ServeSerial(std::shared_ptr<Projector> projector, const ServerOptions& options, std::FILE* announce) {
  Loop loop({std::move(projector)}, options, true);
  if (!loop.CatchSignals() || !loop.OpenTerminal(announce)) return 1;
  return loop.Run();
}

struct LoopbackService::Running {
  Running(std::vector<std::shared_ptr<Projector>> served, const ServerOptions& options, std::size_t dead)
      : loop(std::move(served), options, false, dead) {}
  Loop loop;
  int stop = -1;
  std::thread thread;
};

std::unique_ptr<LoopbackService> LoopbackService::Start(std::shared_ptr<Projector> projector, ServerOptions options,
                                                        std::string& error, std::uint16_t port) {
  return Start(std::vector{std::move(projector)}, std::move(options), error, 0, port);
}

std::unique_ptr<LoopbackService> LoopbackService::Start(std::vector<std::shared_ptr<Projector>> projectors,
                                                        ServerOptions options, std::string& error, std::size_t dead,
                                                        std::uint16_t firstPort) {
  auto running = std::make_unique<Running>(std::move(projectors), options, dead);
  running->stop = running->loop.StopOnEvent();
  if (running->stop < 0 || !running->loop.Listen("127.0.0.1", firstPort, nullptr)) {
    error = running->loop.Error();
    return nullptr;
  }
  Loop& loop = running->loop;
  running->thread = std::thread([&loop] { loop.Run(); });
  return std::unique_ptr<LoopbackService>(new LoopbackService(std::move(running)));
}

LoopbackService::LoopbackService(std::unique_ptr<Running> running) : m_running(std::move(running)) {}

LoopbackService::~LoopbackService() {
  const std::uint64_t one = 1;
  while (write(m_running->stop, &one, sizeof one) < 0 && errno == EINTR) {
  }
  m_running->thread.join();
}

std::uint16_t LoopbackService::Port() const { return m_running->loop.Port(); }

std::vector<std::uint16_t> LoopbackService::Ports() const { return m_running->loop.Ports(); }

Projector& LoopbackService::Served(std::size_t index) const { return m_running->loop.Served(index); }

}  // namespace sim::pjsim
