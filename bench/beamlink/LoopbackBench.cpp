// What one projector exchange costs over real TCP on 127.0.0.1, next to the
// floor any client pays for the same traffic: a plain blocking socket pair
// trading a request for a reply of the same sizes.
//
//   BM_GetOverTcp          CPjtInterface::Get(0x2003) to pjsim's event loop
//   BM_ConnectionCall      the same exchange through beamlink::Connection alone
//   BM_PlainPingPong       12 bytes out, 10 bytes back, nothing else
//   BM_SealedGetOverTcp    the Get with a password: sealed frames, 20 and 18 bytes
//   BM_PlainPingPong20     20 bytes out, 18 bytes back, nothing else
//   BM_WrongPasswordGuess  one online guess at the password (hello, challenge,
//                          a wrong answer, the rejection): items/s are guesses/s
//   BM_PjLinkGetOverTcp    CPjtInterface::Get(0x6000) to pjsim's loop speaking
//                          PJLink: "%1POWR ?" out, "%1POWR=1" back
//   BM_PjLinkPingPong      9 bytes out, 9 bytes back, nothing else
//
// The simulator runs pjsim's own TCP loop (pjsim_core) in a thread of this
// process, quietly: one log line per exchange would measure stderr. Bytes per request and reply are read from the client socket's
// TCP_INFO counters, so they are what really crossed the wire. At the end the
// ratio of each library figure to the plain ping-pong is printed.
#include <arpa/inet.h>
#include <dirent.h>
#include <linux/tcp.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include <benchmark/benchmark.h>

#include "beamlink/Connection.h"
#include "beamlink/PjtInterface.h"
#include "models/ModelDatabase.h"
#include "simulator/Projector.h"
#include "simulator/pjlink/PjLinkServer.h"
#include "simulator/pjsim/Daemon.h"

namespace {

constexpr std::uint16_t kBrightness = 0x2003;
constexpr std::uint16_t kPowerStatus = 0x6000;
constexpr std::uint16_t kBrightnessRaw = 140;  // what the simulated projector holds
constexpr int kTimeoutMs = 2000;
constexpr std::size_t kRequestBytes = 12;
constexpr std::size_t kReplyBytes = 10;
constexpr std::size_t kSealedRequestBytes = 20;
constexpr std::size_t kSealedReplyBytes = 18;
constexpr char kPassword[] = "bench-password";

// One exchange's bytes, request and reply.
struct Sizes {
  std::size_t request;
  std::size_t reply;
};
constexpr Sizes kNativeSizes{kRequestBytes, kReplyBytes};
// The PJLink power query and its answer.
constexpr std::string_view kPjLinkRequest = "%1POWR ?\r";
constexpr std::string_view kPjLinkReply = "%1POWR=1\r";
constexpr Sizes kPjLinkSizes{kPjLinkRequest.size(), kPjLinkReply.size()};

// The get-brightness exchange of the protocol notes, byte for byte.
constexpr std::array<std::uint8_t, kRequestBytes> kRequestFrame{0xA5, 0x09, 0x51, 0x01, 0x01, 0x20,
                                                                0x03, 0x00, 0x00, 0x00, 0x00, 0x96};
constexpr std::array<std::uint8_t, kReplyBytes> kReplyFrame{0xA5, 0x07, 0x52, 0x01, 0x01,
                                                            0x20, 0x03, 0x00, 0x80, 0xE7};

// ---------------------------------------------------------------------------
// Bytes on the wire, from the kernel's own count for one TCP socket.

struct WireCount {
  std::uint64_t sent = 0;      // acknowledged by the peer
  std::uint64_t received = 0;
};

std::optional<WireCount> CountOf(int fd) {
  tcp_info info{};
  socklen_t size = sizeof info;
  if (getsockopt(fd, IPPROTO_TCP, TCP_INFO, &info, &size) != 0) return std::nullopt;
  if (size < offsetof(tcp_info, tcpi_bytes_received) + sizeof info.tcpi_bytes_received) return std::nullopt;
  return WireCount{info.tcpi_bytes_acked, info.tcpi_bytes_received};
}

// The descriptors of this process connected to 127.0.0.1:port. The library
// keeps its socket to itself; this is how the benchmark finds it.
std::set<int> SocketsTo(std::uint16_t port) {
  std::set<int> found;
  DIR* dir = opendir("/proc/self/fd");
  if (!dir) return found;
  const int own = dirfd(dir);
  while (const dirent* entry = readdir(dir)) {
    char* end = nullptr;
    const long fd = std::strtol(entry->d_name, &end, 10);
    if (end == entry->d_name || *end != '\0' || fd == own) continue;
    sockaddr_in peer{};
    socklen_t size = sizeof peer;
    if (getpeername(static_cast<int>(fd), reinterpret_cast<sockaddr*>(&peer), &size) != 0) continue;
    if (peer.sin_family == AF_INET && peer.sin_addr.s_addr == htonl(INADDR_LOOPBACK) && ntohs(peer.sin_port) == port)
      found.insert(static_cast<int>(fd));
  }
  closedir(dir);
  return found;
}

// The one socket to `port` that is in `after` but not in `before`, or -1.
int NewSocket(const std::set<int>& before, const std::set<int>& after) {
  std::vector<int> added;
  std::set_difference(after.begin(), after.end(), before.begin(), before.end(), std::back_inserter(added));
  return added.size() == 1 ? added.front() : -1;
}

// Sets the per-exchange byte counters and checks them against the frame
// sizes; a run whose traffic is not one request and one reply per iteration
// is reported as failed.
void ReportBytes(benchmark::State& state, int fd, const WireCount& start, Sizes expected = kNativeSizes) {
  const std::optional<WireCount> end = CountOf(fd);
  if (!end || state.iterations() == 0) {
    state.SkipWithError("cannot read the socket's byte counts");
    return;
  }
  const double n = static_cast<double>(state.iterations());
  const double sent = static_cast<double>(end->sent - start.sent) / n;
  const double received = static_cast<double>(end->received - start.received) / n;
  state.counters["request_bytes"] = sent;
  state.counters["reply_bytes"] = received;
  if (sent != static_cast<double>(expected.request) || received != static_cast<double>(expected.reply)) {
    const std::string what = "expected " + std::to_string(expected.request) + "/" + std::to_string(expected.reply) +
                             " bytes per exchange, saw " + std::to_string(sent) + "/" + std::to_string(received);
    state.SkipWithError(what.c_str());
  }
}

// A client that stays connected for the whole run, with its socket (found
// once it is open) for the byte counts.
template <typename Client>
struct Connected {
  std::unique_ptr<Client> client;
  int fd = -1;
};

// Everything the library benchmarks share for the whole run. The clients are
// declared after the daemon, so they leave before it stops.
struct Simulated {
  std::shared_ptr<sim::Projector> projector;
  std::unique_ptr<sim::pjsim::LoopbackService> daemon;
  std::unique_ptr<sim::pjsim::LoopbackService> pjlinkDaemon;  // the same projector in PJLink
  std::unique_ptr<sim::pjsim::LoopbackService> locked;        // asks for kPassword
  Connected<CPjtInterface> pjt;
  Connected<beamlink::Connection> connection;
  Connected<CPjtInterface> pjlink;
  Connected<CPjtInterface> sealed;
};

Simulated* g_simulated = nullptr;

std::shared_ptr<sim::Projector> MakeProjector() {
  const auto database = models::ModelDatabase::Load(models::ModelDatabase::DefaultDirectory());
  const models::ModelDescription* model = database.Find("5/30");
  if (!model) throw std::runtime_error("model 5/30 is not in the model database");
  auto projector = std::make_shared<sim::Projector>(*model);
  std::string error;
  if (!projector->SetValue(kBrightness, 0, kBrightnessRaw, &error)) throw std::runtime_error(error);
  return projector;
}

// Wall-clock time per exchange (the client mostly waits), in microseconds.
// Loopback round trips on a shared machine drift, so every figure is the
// median of several repetitions, interleaved at random (see main).
void Configure(benchmark::internal::Benchmark* b) {
  b->UseRealTime()->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
}

// ---------------------------------------------------------------------------
// The library.

// Opens `slot`'s client with `open`, runs `call` once so it connects and
// says hello, and finds its socket. Runs once; later runs reuse the client.
// False with the reason in `error`.
template <typename Client, typename Open, typename Call>
bool Connect(Connected<Client>& slot, Open open, Call call, std::string& error, std::uint16_t port) {
  if (slot.client && slot.fd >= 0) return true;
  const std::set<int> before = SocketsTo(port);
  slot.client = open(port);
  if (!call(*slot.client, error)) {
    slot.client.reset();
    error = "the first call failed: " + error;
    return false;
  }
  slot.fd = NewSocket(before, SocketsTo(port));
  if (slot.fd < 0) error = "cannot find the library's socket";
  return slot.fd >= 0;
}

// Runs the timed loop over `slot`'s client and reports the bytes it moved.
template <typename Client, typename Open, typename Call>
void Measure(benchmark::State& state, Connected<Client>& slot, Open open, Call call, Sizes sizes = kNativeSizes,
             const sim::pjsim::LoopbackService* daemon = nullptr) {
  std::string error;
  const std::uint16_t port = (daemon ? daemon : g_simulated->daemon.get())->Port();
  if (!Connect(slot, open, call, error, port)) {
    state.SkipWithError(error.c_str());
    return;
  }
  const std::optional<WireCount> start = CountOf(slot.fd);
  if (!start) {
    state.SkipWithError("cannot read the socket's byte counts");
    return;
  }
  for (auto _ : state) {
    if (!call(*slot.client, error)) {
      state.SkipWithError(error.c_str());
      return;
    }
  }
  ReportBytes(state, slot.fd, *start, sizes);
}

bool GetBrightness(CPjtInterface& pjt, std::string& error) {
  std::uint16_t value = 0;
  if (pjt.Get(kBrightness, 0, &pjt, &value) == 1 && value == kBrightnessRaw) return true;
  error = "Get returned " + std::to_string(value) + ": " + pjt.LastError();
  return false;
}

void BM_GetOverTcp(benchmark::State& state) {
  const auto open = [](std::uint16_t port) {
    auto pjt = std::make_unique<CPjtInterface>();
    pjt->CopyData(1, 0, port, "127.0.0.1", kTimeoutMs, "");
    return pjt;
  };
  Measure(state, g_simulated->pjt, open, GetBrightness);
}
BENCHMARK(BM_GetOverTcp)->Apply(Configure);

void BM_SealedGetOverTcp(benchmark::State& state) {
  const auto open = [](std::uint16_t port) {
    auto pjt = std::make_unique<CPjtInterface>();
    pjt->CopyData(1, 0, port, "127.0.0.1", kTimeoutMs, kPassword);
    return pjt;
  };
  Measure(state, g_simulated->sealed, open, GetBrightness, Sizes{kSealedRequestBytes, kSealedReplyBytes}, g_simulated->locked.get());
}
BENCHMARK(BM_SealedGetOverTcp)->Apply(Configure);

void BM_ConnectionCall(benchmark::State& state) {
  const auto open = [](std::uint16_t port) {
    beamlink::Endpoint endpoint;
    endpoint.kind = 1;
    endpoint.third = port;
    endpoint.address = "127.0.0.1";
    endpoint.timeoutMs = kTimeoutMs;
    return std::make_unique<beamlink::Connection>(endpoint, beamlink::DefaultTransportFactory());
  };
  const auto call = [](beamlink::Connection& connection, std::string& error) {
    const beamlink::CallResult result = connection.Call({0, beamlink::Action::Get, kBrightness, 0, 0});
    if (result.ok && result.reply.status == beamlink::Status::Value && result.reply.value == kBrightnessRaw)
      return true;
    error = result.ok ? "unexpected reply" : result.error;
    return false;
  };
  Measure(state, g_simulated->connection, open, call);
}
BENCHMARK(BM_ConnectionCall)->Apply(Configure);

void BM_PjLinkGetOverTcp(benchmark::State& state) {
  const auto open = [](std::uint16_t port) {
    auto pjt = std::make_unique<CPjtInterface>();
    pjt->CopyData(beamlink::kConnectPjLink, 0, port, "127.0.0.1", kTimeoutMs, "");
    return pjt;
  };
  const auto get = [](CPjtInterface& pjt, std::string& error) {
    std::uint16_t value = 0;
    if (pjt.Get(kPowerStatus, 0, &pjt, &value) == 1 && value == 1) return true;
    error = "Get returned " + std::to_string(value) + ": " + pjt.LastError();
    return false;
  };
  Measure(state, g_simulated->pjlink, open, get, kPjLinkSizes, g_simulated->pjlinkDaemon.get());
}
BENCHMARK(BM_PjLinkGetOverTcp)->Apply(Configure);

// ---------------------------------------------------------------------------
// The floor: a blocking socket pair, TCP_NODELAY on both ends as the library
// sets it, the server answering every 12 bytes with the same 10.

struct Fd {
  int fd = -1;
  explicit Fd(int f = -1) : fd(f) {}
  ~Fd() {
    if (fd >= 0) close(fd);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
};

// Waits are bounded even on blocking sockets: a side that stops answering
// fails the run instead of hanging it.
void Prepare(int fd) {
  const int on = 1;
  setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
  const timeval bound{2, 0};
  setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &bound, sizeof bound);
  setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &bound, sizeof bound);
}

bool SendAll(int fd, const std::uint8_t* bytes, std::size_t size) {
  while (size > 0) {
    const ssize_t n = send(fd, bytes, size, MSG_NOSIGNAL);
    if (n <= 0) {
      if (n < 0 && errno == EINTR) continue;
      return false;
    }
    bytes += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

bool ReceiveAll(int fd, std::uint8_t* bytes, std::size_t size) {
  while (size > 0) {
    const ssize_t n = recv(fd, bytes, size, 0);
    if (n <= 0) {
      if (n < 0 && errno == EINTR) continue;
      return false;
    }
    bytes += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

// One exchange's bytes for the plain ping-pong.
struct Frames {
  std::span<const std::uint8_t> request;
  std::span<const std::uint8_t> reply;
};
const Frames kNativeFrames{kRequestFrame, kReplyFrame};
const Frames kPjLinkFrames{
    std::span(reinterpret_cast<const std::uint8_t*>(kPjLinkRequest.data()), kPjLinkRequest.size()),
    std::span(reinterpret_cast<const std::uint8_t*>(kPjLinkReply.data()), kPjLinkReply.size())};

// Accepts one client and answers it until it leaves or stops talking.
void PingPongServer(int listener, Frames frames) {
  pollfd entry{listener, POLLIN, 0};
  if (poll(&entry, 1, 2000) <= 0) return;
  const Fd client(accept4(listener, nullptr, nullptr, SOCK_CLOEXEC));
  if (client.fd < 0) return;
  Prepare(client.fd);
  std::vector<std::uint8_t> request(frames.request.size());
  while (ReceiveAll(client.fd, request.data(), request.size()) &&
         SendAll(client.fd, frames.reply.data(), frames.reply.size())) {
  }
}

void PingPong(benchmark::State& state, Frames frames) {
  const Fd listener(socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
  sockaddr_in where{};
  where.sin_family = AF_INET;
  where.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof where;
  if (listener.fd < 0 || bind(listener.fd, reinterpret_cast<sockaddr*>(&where), sizeof where) != 0 ||
      listen(listener.fd, 1) != 0 || getsockname(listener.fd, reinterpret_cast<sockaddr*>(&where), &size) != 0) {
    state.SkipWithError("cannot listen on 127.0.0.1");
    return;
  }
  std::thread server(PingPongServer, listener.fd, frames);
  std::optional<WireCount> start;
  int fd = -1;
  {
    const Fd client(socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    fd = client.fd;
    if (client.fd >= 0 && connect(client.fd, reinterpret_cast<sockaddr*>(&where), sizeof where) == 0) {
      Prepare(client.fd);
      start = CountOf(client.fd);
    }
    if (!start) {
      state.SkipWithError("cannot connect to 127.0.0.1");
    } else {
      std::vector<std::uint8_t> reply(frames.reply.size());
      for (auto _ : state) {
        if (!SendAll(client.fd, frames.request.data(), frames.request.size()) ||
            !ReceiveAll(client.fd, reply.data(), reply.size()) ||
            !std::equal(reply.begin(), reply.end(), frames.reply.begin())) {
          state.SkipWithError("the plain exchange failed");
          break;
        }
      }
      if (!state.error_occurred())
        ReportBytes(state, fd, *start, {frames.request.size(), frames.reply.size()});
    }
  }  // closing the client ends the server's loop
  server.join();
}

void BM_PlainPingPong(benchmark::State& state) { PingPong(state, kNativeFrames); }
BENCHMARK(BM_PlainPingPong)->Apply(Configure);
void BM_PjLinkPingPong(benchmark::State& state) { PingPong(state, kPjLinkFrames); }
BENCHMARK(BM_PjLinkPingPong)->Apply(Configure);
void BM_PlainPingPong20(benchmark::State& state) {
  static const std::vector<std::uint8_t> request(kSealedRequestBytes, 0x5A), reply(kSealedReplyBytes, 0xA5);
  PingPong(state, Frames{request, reply});
}
BENCHMARK(BM_PlainPingPong20)->Apply(Configure);

// An online guesser at its fastest: it skips stretching its guesses and
// answers at random, so each guess costs the projector's side only.
void BM_WrongPasswordGuess(benchmark::State& state) {
  sockaddr_in where{};
  where.sin_family = AF_INET;
  where.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  where.sin_port = htons(g_simulated->locked->Port());
  for (auto _ : state) {
    const Fd client(socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    Prepare(client.fd);
    const beamlink::Frame hello = beamlink::Encode(beamlink::Hello{});
    const beamlink::Frame answer = beamlink::Encode(beamlink::Answer{});
    std::array<std::uint8_t, 68> challenge;
    std::array<std::uint8_t, 5> verdict;
    timeval patient{5, 0};
    setsockopt(client.fd, SOL_SOCKET, SO_RCVTIMEO, &patient, sizeof patient);
    if (connect(client.fd, reinterpret_cast<sockaddr*>(&where), sizeof where) != 0 ||
        !SendAll(client.fd, hello.data(), hello.size()) ||
        !ReceiveAll(client.fd, challenge.data(), challenge.size()) ||
        !SendAll(client.fd, answer.data(), answer.size()) || !ReceiveAll(client.fd, verdict.data(), verdict.size()) ||
        verdict[3] != 0) {
      state.SkipWithError("the guess did not get its rejection");
      return;
    }
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_WrongPasswordGuess)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(6);

// ---------------------------------------------------------------------------
// Console output as usual, plus the ratios once every benchmark has run.

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  // Keeps each benchmark's median aggregate, or its single runs when it ran
  // without repetitions.
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.error_occurred) continue;
      const std::string& name = run.run_name.function_name;
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
        m_medians[name] = run.GetAdjustedRealTime();
      else if (run.run_type == Run::RT_Iteration)
        m_single[name].push_back(run.GetAdjustedRealTime());
    }
  }

  void PrintRatios() const {
    const auto floor = Figure("BM_PlainPingPong");
    if (!floor || *floor <= 0) {
      std::printf("\nno ratio: BM_PlainPingPong did not run\n");
      return;
    }
    std::printf("\nper exchange (medians): %zu bytes out, %zu bytes back\n", kRequestBytes, kReplyBytes);
    std::printf("  %-18s %8.2f us\n", "BM_PlainPingPong", *floor);
    for (const char* name : {"BM_GetOverTcp", "BM_ConnectionCall"})
      if (const auto time = Figure(name))
        std::printf("  %-18s %8.2f us   ratio %.2f%s\n", name, *time, *time / *floor,
                    std::string(name) == "BM_GetOverTcp" ? "   (target: at most 1.3)" : "");
    const auto pjlinkFloor = Figure("BM_PjLinkPingPong");
    const auto pjlink = Figure("BM_PjLinkGetOverTcp");
    if (pjlinkFloor && pjlink && *pjlinkFloor > 0) {
      std::printf("PJLink per exchange (medians): %zu bytes out, %zu bytes back\n", kPjLinkSizes.request,
                  kPjLinkSizes.reply);
      std::printf("  %-18s %8.2f us\n", "BM_PjLinkPingPong", *pjlinkFloor);
      std::printf("  %-18s %8.2f us   ratio %.2f   (target: at most 1.3)\n", "BM_PjLinkGetOverTcp", *pjlink,
                  *pjlink / *pjlinkFloor);
    }
    const auto sealedFloor = Figure("BM_PlainPingPong20");
    const auto sealed = Figure("BM_SealedGetOverTcp");
    if (sealedFloor && sealed && *sealedFloor > 0) {
      std::printf("with a password: %zu bytes out, %zu bytes back\n", kSealedRequestBytes, kSealedReplyBytes);
      std::printf("  %-18s %8.2f us\n", "BM_PlainPingPong20", *sealedFloor);
      std::printf("  %-18s %8.2f us   ratio %.2f   (target: at most 1.3)\n", "BM_SealedGetOverTcp", *sealed,
                  *sealed / *sealedFloor);
    }
  }

 private:
  std::optional<double> Figure(const std::string& name) const {
    if (const auto found = m_medians.find(name); found != m_medians.end()) return found->second;
    const auto found = m_single.find(name);
    if (found == m_single.end() || found->second.empty()) return std::nullopt;
    std::vector<double> times = found->second;
    std::sort(times.begin(), times.end());
    const std::size_t mid = times.size() / 2;
    return times.size() % 2 ? times[mid] : (times[mid - 1] + times[mid]) / 2;
  }

  std::map<std::string, double> m_medians;
  std::map<std::string, std::vector<double>> m_single;
};

}  // namespace

int main(int argc, char** argv) {
  // Interleaved repetitions unless the command line says otherwise: slow
  // stretches of a shared machine then hit every benchmark alike.
  std::vector<char*> args(argv, argv + argc);
  char interleave[] = "--benchmark_enable_random_interleaving=true";
  args.insert(args.begin() + 1, interleave);
  args.push_back(nullptr);
  argc = static_cast<int>(args.size()) - 1;
  argv = args.data();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  Simulated simulated;
  try {
    simulated.projector = MakeProjector();
    std::string error;
    simulated.daemon = sim::pjsim::LoopbackService::Start(simulated.projector, sim::ServerOptions{}, error);
    if (!simulated.daemon) throw std::runtime_error(error);
    sim::ServerOptions pjlink;
    pjlink.protocol = sim::pjlink::PjLinkProtocol({});
    simulated.pjlinkDaemon = sim::pjsim::LoopbackService::Start(simulated.projector, pjlink, error);
    if (!simulated.pjlinkDaemon) throw std::runtime_error(error);
    sim::ServerOptions locked;
    locked.password = kPassword;
    simulated.locked = sim::pjsim::LoopbackService::Start(simulated.projector, locked, error);
    if (!simulated.locked) throw std::runtime_error(error);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "bench_beamlink: %s\n", e.what());
    return 1;
  }
  g_simulated = &simulated;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  g_simulated = nullptr;
  benchmark::Shutdown();
  return 0;
}
