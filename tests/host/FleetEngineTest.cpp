// The fleet engine against simulated projectors on 127.0.0.1, many served by
// one loop: status and operations over both protocols, dead, refusing,
// garbage-sending and password-protected projectors, the bound on projectors
// in flight, the one-connection rule, results as they finish, and cancel.
#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <mutex>
#include <thread>

#include "HostTestSupport.h"
#include "host/core/FleetEngine.h"
#include "projector/CommandCodes.h"
#include "simulator/pjlink/PjLinkServer.h"
#include "simulator/pjsim/Daemon.h"

namespace host::test {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using fleet::Outcome;

// `count` projectors of one model served by one loop; the last `dead` never answer.
struct SimFleet {
  SimFleet(const char* model, std::size_t count, std::size_t dead = 0, sim::ServerOptions options = {}) {
    const auto* description = Database().Find(model);
    std::vector<std::shared_ptr<sim::Projector>> projectors;
    sim::ProjectorOptions projectorOptions;
    projectorOptions.cooldown = 60s;  // a power off stays cooling down for the test
    for (std::size_t i = 0; i < count; ++i)
      projectors.push_back(std::make_shared<sim::Projector>(*description, projectorOptions));
    std::string error;
    service = sim::pjsim::LoopbackService::Start(projectors, options, error, dead);
    if (!service) throw std::runtime_error(error);
    type = description->type;
    number = description->model;
  }
  ProjectorEntry Entry(std::size_t i, bool pjlink = false, std::string password = {}) const {
    ProjectorEntry entry;
    entry.name = "P" + std::to_string(i);
    entry.modelType = type;
    entry.modelNo = number;
    entry.address = "127.0.0.1";
    entry.tcpPort = service->Ports().at(i);
    entry.pjlink = pjlink;
    entry.password = std::move(password);
    entry.timeoutMs = 400;
    return entry;
  }
  sim::Projector& At(std::size_t i) const { return service->Served(i); }
  std::unique_ptr<sim::pjsim::LoopbackService> service;
  int type = 0, number = 0;
};

fleet::Options Pool(int parallel, int timeoutMs = 0) {
  fleet::Options options;
  options.parallel = parallel;
  options.timeoutMs = timeoutMs;
  return options;
}

sim::ServerOptions PjLink(int cls = 2) {
  sim::ServerOptions options;
  options.protocol = sim::pjlink::PjLinkProtocol({cls, 0ms, false});
  return options;
}

std::vector<fleet::Status> ReadAll(fleet::Engine& engine, const std::vector<ProjectorEntry>& entries) {
  std::vector<fleet::Status> statuses(entries.size());
  engine.ReadStatus(entries, [&](std::size_t i, const fleet::Status& s) { statuses[i] = s; });
  engine.Wait();
  return statuses;
}

std::vector<fleet::Result> ApplyAll(fleet::Engine& engine, fleet::Operation op,
                                    const std::vector<ProjectorEntry>& entries) {
  std::vector<fleet::Result> results(entries.size());
  engine.Apply(op, entries, [&](std::size_t i, const fleet::Result& r) { results[i] = r; });
  engine.Wait();
  return results;
}

TEST(FleetEngineTest, ReadsWhatTheStatusPageReadsOverBothProtocols) {
  SimFleet native("5/30", 3, 1);
  SimFleet pjlink1("4/9", 1, 0, PjLink(1));
  native.At(1).SetValue(pjcode::kErrorStatus, 0, 2);  // a fan error
  native.At(1).SetValue(pjcode::kBlank, 0, 1);
  const std::vector<ProjectorEntry> entries{native.Entry(0), native.Entry(1), native.Entry(2),
                                            pjlink1.Entry(0, true)};
  fleet::Engine engine;
  const auto s = ReadAll(engine, entries);

  EXPECT_TRUE(s[0].reached);
  EXPECT_EQ(s[0].power, fleet::Power::On);
  EXPECT_EQ(s[0].lampHours, 1200);
  EXPECT_EQ(s[0].filterHours, 300);
  ASSERT_TRUE(s[0].errors);
  EXPECT_TRUE(s[0].errors->empty());
  EXPECT_EQ(s[0].input, "RGB 1");
  EXPECT_EQ(s[0].freeze, false);
  EXPECT_EQ(s[1].errors, std::vector<std::string>{"Fan Error"});
  EXPECT_EQ(s[1].blank, true);
  EXPECT_FALSE(s[2].reached);  // dead: why, in the dialog's words
  EXPECT_NE(s[2].error.find("does not answer"), std::string::npos) << s[2].error;
  EXPECT_FALSE(s[2].power);
  // A class-1 PJLink projector carries neither freeze nor filter hours.
  EXPECT_TRUE(s[3].reached) << s[3].error;
  EXPECT_EQ(s[3].power, fleet::Power::On);
  EXPECT_EQ(s[3].input, "Computer 1");
  EXPECT_TRUE(s[3].lampHours);
  EXPECT_FALSE(s[3].filterHours);
  EXPECT_FALSE(s[3].freeze);
  EXPECT_TRUE(s[3].mute);
}

TEST(FleetEngineTest, EachProjectorGetsItsOwnResult) {
  SimFleet native("5/30", 4, 1);
  sim::ServerOptions locked;
  locked.password = "right";
  SimFleet protectedOne("5/30", 1, 0, locked);
  SimFleet pjlink("4/9", 2, 0, PjLink());
  native.At(1).SetValue(pjcode::kPowerStatus, 0, 2);     // cooling down
  native.At(2).GetFaults().AnswerGarbage(5);             // nonsense on the line
  pjlink.At(1).SetValue(pjcode::kPowerStatus, 0, 2);
  const std::vector<ProjectorEntry> entries{native.Entry(0),       native.Entry(1), native.Entry(2), native.Entry(3),
                                            protectedOne.Entry(0, false, "wrong"), pjlink.Entry(0, true),
                                            pjlink.Entry(1, true)};
  fleet::Engine engine;
  const auto r = ApplyAll(engine, fleet::Operation{fleet::Action::PowerOff, {}}, entries);
  const struct {
    Outcome outcome;
    const char* says;
  } expected[] = {{Outcome::Done, ""},
                  {Outcome::Refused, "cooling down"},
                  {Outcome::NotReached, "could not be understood"},
                  {Outcome::NotReached, "does not answer"},
                  {Outcome::Refused, "wrong password"},
                  {Outcome::Done, ""},
                  {Outcome::Refused, "cooling down"}};
  for (std::size_t i = 0; i < entries.size(); ++i) {
    EXPECT_EQ(r[i].outcome, expected[i].outcome) << i << ": " << r[i].error;
    EXPECT_NE(r[i].error.find(expected[i].says), std::string::npos) << i << ": " << r[i].error;
  }
  EXPECT_EQ(native.At(0).PowerState(), sim::Power::CoolingDown);
  EXPECT_EQ(pjlink.At(0).PowerState(), sim::Power::CoolingDown);

  // Inputs by the entry's name; one the model lacks.
  SimFleet onNative("5/30", 1), onPjLink("4/9", 1, 0, PjLink());
  const std::vector<ProjectorEntry> two{onNative.Entry(0), onPjLink.Entry(0, true)};
  for (const auto& result : ApplyAll(engine, fleet::Operation{fleet::Action::Input, "Video"}, two))
    EXPECT_EQ(result.outcome, Outcome::Done) << result.error;
  EXPECT_EQ(ReadAll(engine, two)[1].input, "Video");
  const auto hdmi = ApplyAll(engine, fleet::Operation{fleet::Action::Input, "HDMI"}, two);
  EXPECT_EQ(hdmi[0].outcome, Outcome::Refused);
  EXPECT_NE(hdmi[0].error.find("no input"), std::string::npos);
}

TEST(FleetEngineTest, BoundsProjectorsInFlightAndTalksToEachOnceAtATime) {
  // Work that records how many run at once, overall and per projector; the
  // list names each projector twice.
  SimFleet native("5/30", 6);
  std::vector<ProjectorEntry> entries;
  for (int round = 0; round < 2; ++round)
    for (std::size_t i = 0; i < 6; ++i) entries.push_back(native.Entry(i));
  std::mutex mutex;
  int running = 0, most = 0;
  std::map<int, int> perPort;
  bool shared = false;
  int done = 0;
  fleet::Engine engine(Pool(4));
  engine.RunEach(
      entries,
      [&](std::size_t, const ProjectorEntry& entry, const std::atomic<bool>&) {
        {
          std::lock_guard lock(mutex);
          most = std::max(most, ++running);
          shared = shared || ++perPort[entry.tcpPort] > 1;
        }
        std::this_thread::sleep_for(50ms);
        std::lock_guard lock(mutex);
        --running;
        --perPort[entry.tcpPort];
      },
      [&] { ++done; });
  engine.Wait();
  EXPECT_EQ(most, 4);
  EXPECT_FALSE(shared);
  EXPECT_EQ(done, 1);
}

TEST(FleetEngineTest, ResultsComeAsEachProjectorFinishes) {
  SimFleet native("5/30", 4);
  native.At(0).GetFaults().SetLatency(40ms);  // the first in the list answers slowest
  std::vector<ProjectorEntry> entries;
  for (std::size_t i = 0; i < 4; ++i) entries.push_back(native.Entry(i));
  std::mutex mutex;
  std::vector<std::size_t> order;
  fleet::Engine engine;
  engine.ReadStatus(entries, [&](std::size_t i, const fleet::Status& s) {
    EXPECT_TRUE(s.reached) << s.error;
    std::lock_guard lock(mutex);
    order.push_back(i);
  });
  engine.Wait();
  ASSERT_EQ(order.size(), 4u);
  EXPECT_EQ(order.back(), 0u);
}

TEST(FleetEngineTest, CancelSkipsWhatHasNotStartedAndEndsWithinOneTimeout) {
  SimFleet dead("5/30", 30, 30);
  std::vector<ProjectorEntry> entries;
  for (std::size_t i = 0; i < 30; ++i) entries.push_back(dead.Entry(i));
  std::atomic<int> delivered{0}, done{0};
  fleet::Engine engine(Pool(3, 300));
  const auto start = Clock::now();
  engine.ReadStatus(entries, [&](std::size_t, const fleet::Status& s) {
    EXPECT_FALSE(s.reached);
    ++delivered;
  }, [&] { ++done; });
  std::this_thread::sleep_for(100ms);
  engine.Cancel();
  engine.Wait();
  // One timeout after the cancel, with room for a loaded machine; without
  // the cancel the ten rounds would take 3 s.
  EXPECT_LT(Clock::now() - start, 100ms + 300ms + 500ms);
  EXPECT_EQ(delivered, 3);  // those in flight
  EXPECT_EQ(done, 1);
}

}  // namespace
}  // namespace host::test
