// pjsim: its command line, and the daemon itself over TCP on 127.0.0.1 and
// over a pseudo-terminal, started as a process and stopped with SIGTERM.
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "beamlink/Auth.h"
#include "beamlink/Connection.h"
#include "beamlink/Loopback.h"
#include "projector/CommandCodes.h"
#include "SimTestSupport.h"
#include "simulator/pjsim/Daemon.h"
#include "simulator/pjsim/Options.h"
#include "tests/support/ChildProgram.h"

extern char** environ;

namespace sim::test {
namespace {

using namespace std::chrono_literals;

std::optional<pjsim::Options> Parse(std::vector<std::string_view> args, std::string* error = nullptr) {
  std::string text;
  auto options = pjsim::ParseOptions(args, text);
  if (error) *error = text;
  return options;
}

TEST(PjsimOptionsTest, ListensOnLoopbackAddressesOnly) {
  EXPECT_TRUE(beamlink::IsLoopbackAddress("127.0.0.1"));
  EXPECT_TRUE(beamlink::IsLoopbackAddress("127.10.20.30"));
  for (const char* address : {"10.0.0.1", "127.0.0", "127.0.0.256", "localhost", "127..0.1", "1127.0.0.1",
                              "127.000.000.001", "127.0.0.01", "128.0.0.1"})
    EXPECT_FALSE(beamlink::IsLoopbackAddress(address)) << address;

  std::string error;
  const auto options =
      Parse({"--model", "5/30", "--listen", "127.0.0.1:0", "--password", "pw", "--cooldown-ms", "50"});
  ASSERT_TRUE(options);
  EXPECT_EQ(options->port, 0);
  EXPECT_EQ(options->password, "pw");
  EXPECT_EQ(options->cooldown, 50ms);
  EXPECT_FALSE(Parse({"--model", "5/30", "--listen", "0.0.0.0:4352"}, &error));
  EXPECT_NE(error.find("loopback"), std::string::npos);
  EXPECT_FALSE(Parse({"--model", "5/30", "--listen", "127.0.0.1:70000"}, &error));
  EXPECT_NE(error.find("from 0 to 65535"), std::string::npos) << error;  // a range, not a format, error
  EXPECT_FALSE(Parse({"--model", "5/30"}));                                         // nowhere to serve
  EXPECT_FALSE(Parse({"--model", "5/30", "--serial", "--listen", "127.0.0.1:1"}));  // two places
  const auto pjlink = Parse({"--model", "4/9", "--protocol", "pjlink", "--class", "1", "--warmup-ms", "40",
                             "--close-after-reply", "--listen", "127.0.0.1:0"});
  ASSERT_TRUE(pjlink);
  EXPECT_TRUE(pjlink->pjlink && pjlink->closeAfterReply && pjlink->pjlinkClass == 1 && pjlink->warmup == 40ms);
  EXPECT_FALSE(Parse({"--model", "4/9", "--protocol", "pjlink", "--serial"}));  // PJLink is TCP only
  EXPECT_FALSE(Parse({"--model", "4/9", "--class", "3", "--listen", "127.0.0.1:0"}));

  // Many projectors: TCP only, the dead ones among them, the ports within range.
  const auto fleet = Parse({"--model", "5/30", "--count", "500", "--dead", "25", "--listen", "127.0.0.1:0"});
  ASSERT_TRUE(fleet);
  EXPECT_TRUE(fleet->count == 500 && fleet->dead == 25);
  EXPECT_FALSE(Parse({"--model", "5/30", "--count", "0", "--listen", "127.0.0.1:0"}));
  EXPECT_FALSE(Parse({"--model", "5/30", "--count", "2", "--dead", "3", "--listen", "127.0.0.1:0"}));
  EXPECT_FALSE(Parse({"--model", "5/30", "--count", "2", "--serial"}));
  EXPECT_FALSE(Parse({"--model", "5/30", "--count", "10", "--listen", "127.0.0.1:65530"}, &error));
  EXPECT_NE(error.find("65535"), std::string::npos) << error;
}

// pjsim as a child process: stdout on a pipe, stderr discarded.
struct Daemon : test_support::ChildProgram {
  explicit Daemon(std::vector<std::string> args)
      : ChildProgram(PJSIM_BIN, std::move(args), {std::string("EXPERT_MODEL_DB=") + SIM_TEST_MODEL_DB}) {}
};

// A frame-at-a-time client on a descriptor, every read bounded.
class Line {
 public:
  explicit Line(int fd) : m_fd(fd) {}
  ~Line() { close(m_fd); }
  void Send(const beamlink::Frame& frame) {
    ASSERT_EQ(write(m_fd, frame.data(), frame.size()), static_cast<ssize_t>(frame.size()));
  }
  // The next frame; an empty Message (kind 0) when none came in time or the line closed.
  beamlink::Message Receive() {
    beamlink::FrameReader reader;
    std::uint8_t byte;
    pollfd p{m_fd, POLLIN, 0};
    while (reader.GetState() == beamlink::FrameReader::State::NeedMore && poll(&p, 1, 3000) == 1 &&
           read(m_fd, &byte, 1) == 1)
      reader.Feed(std::span(&byte, 1));
    if (reader.GetState() == beamlink::FrameReader::State::Ready) return reader.Take();
    beamlink::Message none;
    none.kind = beamlink::BodyKind{};
    return none;
  }
  // The reply, or an error with value 0xFFFF when none came; sealed once logged in.
  beamlink::Reply Call(const beamlink::Request& request) {
    Send(seals ? Encode(request, seals->Next(beamlink::SealedContent(request)).value()) : Encode(request));
    const auto message = Receive();
    const bool sealed = seals && message.kind == beamlink::BodyKind::SealedReply &&
                        seals->Check(beamlink::SealedContent(message.reply), message.seal);
    return sealed || (!seals && message.kind == beamlink::BodyKind::Reply)
               ? message.reply
               : beamlink::Reply{0, beamlink::Status::Error, 0, 0xFFFF};
  }
  // Says hello with a password; true, and every later call sealed, when let in.
  bool LogIn(const std::string& password) {
    seals.reset();
    const beamlink::Hello hello{beamlink::RandomNonce().value()};
    Send(Encode(hello));
    const auto challenge = Receive();
    EXPECT_EQ(challenge.kind, beamlink::BodyKind::Challenge);
    const auto& c = challenge.challenge;
    const auto key = beamlink::StretchPassword(password, c.salt).value();
    Send(Encode(beamlink::Answer{beamlink::ProofOf(beamlink::Prover::Client, key, hello.nonce, c.nonce).value()}));
    const auto verdict = Receive();
    EXPECT_EQ(verdict.kind, beamlink::BodyKind::Verdict);
    if (verdict.verdict.accepted) seals = beamlink::SessionSeals::Make(key, hello.nonce, c.nonce);
    return verdict.verdict.accepted;
  }
  std::optional<beamlink::SessionSeals> seals;
  // True when the peer closes the line within three seconds.
  bool ClosedByPeer() {
    pollfd p{m_fd, POLLIN, 0};
    std::uint8_t byte;
    return poll(&p, 1, 3000) == 1 && read(m_fd, &byte, 1) == 0;
  }

 private:
  int m_fd;
};

int ConnectTcp(std::uint16_t port) {
  const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in where{};
  where.sin_family = AF_INET;
  where.sin_port = htons(port);
  where.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  connect(fd, reinterpret_cast<sockaddr*>(&where), sizeof where);
  return fd;
}

TEST(PjsimTest, ServesTcpOnLoopbackAndEndsCleanlyOnSigterm) {
  Daemon daemon({"--model", "5/30", "--listen", "127.0.0.1:0"});
  const std::string announce = daemon.ReadLine();
  ASSERT_EQ(announce.rfind("listening 127.0.0.1:", 0), 0u) << announce;
  const int port = std::stoi(announce.substr(announce.rfind(':') + 1));
  ASSERT_GT(port, 0);
  {
    Line client(ConnectTcp(static_cast<std::uint16_t>(port)));
    client.Send(Encode(beamlink::Hello{}));
    ASSERT_EQ(client.Receive().kind, beamlink::BodyKind::Welcome);
    EXPECT_EQ(client.Call({9, beamlink::Action::Get, pjcode::kBrightness, 0, 0}),
              (beamlink::Reply{9, beamlink::Status::Value, pjcode::kBrightness, 128}));
    EXPECT_EQ(client.Call(Set(pjcode::kBrightness, 140)).status, beamlink::Status::Done);

    // A second client sees the same projector; a malformed frame ends its connection only.
    Line other(ConnectTcp(static_cast<std::uint16_t>(port)));
    other.Send(Encode(beamlink::Hello{}));
    ASSERT_EQ(other.Receive().kind, beamlink::BodyKind::Welcome);
    EXPECT_EQ(other.Call(Get(pjcode::kBrightness)).value, 140);
    beamlink::Frame corrupt = Encode(Get(pjcode::kBrightness));
    corrupt.back() ^= 0xFF;
    other.Send(corrupt);
    EXPECT_TRUE(other.ClosedByPeer());
    EXPECT_EQ(client.Call(Get(pjcode::kBrightness)).value, 140);
  }
  EXPECT_EQ(daemon.Stop(), 0);
}

// With a password only sealed requests count: one slipped into the session
// without the seal, or replayed, ends the connection unanswered.
TEST(PjsimTest, AForgedOrReplayedRequestIsNotCarriedOut) {
  std::string error;
  sim::ServerOptions locked;
  locked.password = "pw";
  const auto service = pjsim::LoopbackService::Start(MakeProjector("5/30"), locked, error);
  ASSERT_TRUE(service) << error;
  for (const bool replay : {false, true}) {
    Line line(ConnectTcp(service->Port()));
    ASSERT_TRUE(line.LogIn("pw"));
    const beamlink::Request set = Set(pjcode::kBrightness, 140);
    const beamlink::Frame sealed = Encode(set, line.seals->Next(beamlink::SealedContent(set)).value());
    line.Send(sealed);
    ASSERT_EQ(line.Receive().kind, beamlink::BodyKind::SealedReply);
    ASSERT_TRUE(service->Served().SetValue(pjcode::kBrightness, 0, 128));
    line.Send(replay ? sealed : Encode(set));
    EXPECT_TRUE(line.ClosedByPeer());
    EXPECT_EQ(service->Served().Value(pjcode::kBrightness, 0), 128);
  }
}

TEST(PjsimTest, ServesAPseudoTerminalWithAPasswordAndStartsOverAfterGarbage) {
  Daemon daemon({"--model", "1/16", "--serial", "--password", "pw"});
  const std::string announce = daemon.ReadLine();
  ASSERT_EQ(announce.rfind("serial /dev/", 0), 0u) << announce;
  const int fd = open(announce.substr(7).c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
  ASSERT_GE(fd, 0) << announce;
  termios raw{};
  tcgetattr(fd, &raw);
  cfmakeraw(&raw);
  tcsetattr(fd, TCSANOW, &raw);
  {
    Line line(fd);
    const auto logIn = [&](const char* password) { return line.LogIn(password); };
    EXPECT_FALSE(logIn("guess"));  // the rejecting verdict reaches the client, after a pause
    ASSERT_TRUE(logIn("pw"));
    const auto refused = line.Call(Get(pjcode::kKeystoneH));  // model 16 has none
    EXPECT_EQ(refused.status, beamlink::Status::Refused);

    line.Send({0x42, 0x42});  // garbage: the session ends, the line stays
    std::this_thread::sleep_for(200ms);
    ASSERT_TRUE(logIn("pw"));
    EXPECT_EQ(line.Call(Get(pjcode::kKeystoneV)).value, 128);
  }
  EXPECT_EQ(daemon.Stop(), 0);
}

// Eight connections that never finish a hello take every place only until
// the handshake deadline; a client that floods requests and never reads its
// replies is dropped, and the others' calls stay fast meanwhile.
TEST(PjsimTest, NoClientHoldsUpTheOthers) {
  std::string error;
  const auto service = pjsim::LoopbackService::Start(MakeProjector("5/30"), {}, error);
  ASSERT_TRUE(service) << error;
  std::vector<std::unique_ptr<Line>> idle;
  for (int i = 0; i < 8; ++i) idle.push_back(std::make_unique<Line>(ConnectTcp(service->Port())));
  idle.back()->Send({0xA5, 0x09});  // half a frame
  beamlink::Connection good(Loopback(service->Port(), 5000), beamlink::DefaultTransportFactory());
  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(good.Call(Get(pjcode::kBrightness)).ok);
  EXPECT_LT(std::chrono::steady_clock::now() - start, 4000ms);

  const int flooder = ConnectTcp(service->Port());
  const int small = 4096;
  setsockopt(flooder, SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
  Line flood(flooder);
  flood.Send(Encode(beamlink::Hello{}));
  ASSERT_EQ(flood.Receive().kind, beamlink::BodyKind::Welcome);
  fcntl(flooder, F_SETFL, O_NONBLOCK);
  std::atomic<bool> flooding{true};
  std::thread writer([&] {
    beamlink::Frame burst;
    for (int i = 0; i < 100; ++i) {
      const beamlink::Frame one = Encode(Get(pjcode::kBrightness));
      burst.insert(burst.end(), one.begin(), one.end());
    }
    while (flooding && (send(flooder, burst.data(), burst.size(), MSG_NOSIGNAL) > 0 || errno == EAGAIN))
      std::this_thread::sleep_for(100us);
  });
  std::chrono::steady_clock::duration worst{};
  for (const auto until = std::chrono::steady_clock::now() + 1500ms; std::chrono::steady_clock::now() < until;) {
    const auto begin = std::chrono::steady_clock::now();
    EXPECT_TRUE(good.Call(Get(pjcode::kBrightness)).ok);
    worst = std::max(worst, std::chrono::steady_clock::now() - begin);
  }
  flooding = false;
  writer.join();
  EXPECT_LT(worst, 250ms);
}

}  // namespace
}  // namespace sim::test
