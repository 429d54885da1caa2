// pjsim's PJLink end as any PJLink client sees it: one command line in, one
// response line out, over one conversation.
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "beamlink/Connection.h"
#include "beamlink/pjlink/Link.h"
#include "simulator/pjlink/PjLinkServer.h"
#include "simulator/pjsim/Daemon.h"
#include "tests/simulator/SimTestSupport.h"

namespace sim::test {
namespace {

// The response lines (CR taken off) to `lines`, sent one by one.
std::vector<std::string> Converse(const std::string& model, int cls, const std::vector<std::string>& lines) {
  const auto conversation = pjlink::PjLinkProtocol({cls})(MakeProjector(model), ServerOptions{});
  std::vector<std::string> answers;
  const auto take = [&](const std::vector<Conversation::Output>& outputs) {
    for (const auto& output : outputs) answers.emplace_back(output.bytes.begin(), output.bytes.end() - 1);
  };
  take(conversation->Start());
  for (const std::string& line : lines) {
    const std::string sent = line + "\r";
    take(conversation->Receive(std::span(reinterpret_cast<const std::uint8_t*>(sent.data()), sent.size())));
  }
  return answers;
}

// Model 5/41 numbers its HDMI input "32" in its own table; its other inputs
// keep the default numbers.
TEST(PjLinkServer, AnswersClassTwoCommandsThroughTheModelsInputTable) {
  EXPECT_EQ(Converse("5/41", 2,
                     {"%1CLSS ?", "%1INST ?", "%1INPT 32", "%2INPT ?", "%1INPT 31", "%2INNM ?32", "%2INNM ?51",
                      "%1inpt ?", "%2IRES ?", "%2RRES ?", "%2RLMP ?", "%1XXXX ?", "%1AVMT 41"}),
            (std::vector<std::string>{"PJLINK 0", "%1CLSS=2", "%1INST=11 12 32 21 22 13", "%1INPT=OK", "%2INPT=32",
                                      "%1INPT=ERR2", "%2INNM=HDMI", "%2INNM=ERR2", "%1INPT=32", "%2IRES=-",
                                      "%2RRES=1024x768", "%2RLMP=", "%1XXXX=ERR1", "%1AVMT=ERR2"}));
}

TEST(PjLinkServer, AClassOneProjectorRefusesClassTwoCommands) {
  EXPECT_EQ(Converse("4/9", 1, {"%1CLSS ?", "%2FREZ ?", "%2INNM ?11", "%1POWR ?", "%1LAMP ?"}),
            (std::vector<std::string>{"PJLINK 0", "%1CLSS=1", "%2FREZ=ERR1", "%2INNM=ERR1", "%1POWR=1",
                                      "%1LAMP=1200 1"}));
}

}  // namespace
}  // namespace sim::test

namespace sim::test {
namespace {

// pjsim closes a connection that carried no command for its idle time, as
// projectors do; the client, which finds its connection closed before an
// answer, sends the command again over a new one without the caller noticing.
TEST(PjLinkServer, ClosesAnIdleConnectionAndTheClientReopens) {
  ServerOptions options;
  std::mutex mutex;
  std::vector<std::string> log;
  options.log = [&](const std::string& line) {
    std::lock_guard lock(mutex);
    log.push_back(line);
  };
  options.protocol = pjlink::PjLinkProtocol({2, std::chrono::milliseconds(0), false, std::chrono::milliseconds(150)});
  std::string error;
  const auto service = pjsim::LoopbackService::Start(MakeProjector("4/9"), options, error);
  ASSERT_TRUE(service) << error;
  beamlink::Endpoint endpoint;
  endpoint.address = "127.0.0.1";
  endpoint.third = service->Port();
  endpoint.timeoutMs = 1000;
  endpoint.protocol = beamlink::Protocol::PjLink;
  beamlink::pjlink::Link link(endpoint, beamlink::DefaultTransportFactory());
  const beamlink::Request getPower{0, beamlink::Action::Get, 0x6000, 0, 0};
  ASSERT_TRUE(link.Call(getPower).ok);
  std::this_thread::sleep_for(std::chrono::milliseconds(400));
  const beamlink::CallResult again = link.Call(getPower);
  EXPECT_TRUE(again.ok) << again.error;
  std::lock_guard lock(mutex);
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.back().rfind("client 2: ", 0), 0u) << log.back();  // the second call came over a new connection
}

}  // namespace
}  // namespace sim::test
