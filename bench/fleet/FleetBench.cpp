// The fleet engine's status read of 500 simulated projectors, 10 ms per
// reply, the last 25 dead, a 2,000 ms reply timeout, 32 in flight; side by
// side with a plain sequential loop over the same fleet, as a script around
// a one-projector tool would run it.
//
// The projectors are served by pjsim's own loop (the code of pjsim --count)
// in one thread of this process, quietly. The sequential loop is timed over
// the first 50 projectors (all alive) and extrapolated to the fleet: 475
// times its mean, plus one timeout for each dead projector. One run is a
// measurement of seconds, so this is a plain timed main; it prints the
// figures, the target and whether it was met.
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "host/core/FleetEngine.h"
#include "host/core/FleetWork.h"
#include "models/ModelDatabase.h"
#include "simulator/pjsim/Daemon.h"

namespace {

using Clock = std::chrono::steady_clock;
using Ms = std::chrono::duration<double, std::milli>;

constexpr int kProjectors = 500;
constexpr int kDead = 25;
constexpr int kParallel = 32;
constexpr int kTimeoutMs = 2000;
constexpr int kReplyMs = 10;
constexpr int kCallsPerProjector = 8;  // power, input, error, blank, mute, freeze, lamp, filter
constexpr int kSequentialSample = 50;

}  // namespace

int main() {
  const auto database = models::ModelDatabase::Load(models::ModelDatabase::DefaultDirectory());
  const models::ModelDescription& model = *database.Find(5, 30);
  std::vector<std::shared_ptr<sim::Projector>> projectors;
  for (int i = 0; i < kProjectors; ++i) {
    projectors.push_back(std::make_shared<sim::Projector>(model));
    projectors.back()->GetFaults().SetLatency(std::chrono::milliseconds(kReplyMs));
  }
  std::string error;
  const auto service = sim::pjsim::LoopbackService::Start(projectors, {}, error, kDead);
  if (!service) {
    std::fprintf(stderr, "bench_fleet: %s\n", error.c_str());
    return 1;
  }
  std::vector<host::ProjectorEntry> entries;
  for (int i = 0; i < kProjectors; ++i) {
    host::ProjectorEntry entry;
    entry.name = "P" + std::to_string(i);
    entry.modelType = 5;
    entry.modelNo = 30;
    entry.address = "127.0.0.1";
    entry.tcpPort = service->Ports()[static_cast<std::size_t>(i)];
    entry.timeoutMs = kTimeoutMs;
    entries.push_back(entry);
  }

  // The engine over the whole fleet.
  host::fleet::Options options;
  options.parallel = kParallel;
  options.database = &database;
  std::atomic<int> reached{0}, notReached{0};
  double fleetMs = 0;
  {
    host::fleet::Engine engine(options);
    const auto start = Clock::now();
    engine.ReadStatus(entries, [&](std::size_t, const host::fleet::Status& status) {
      ++(status.reached && status.power ? reached : notReached);
    });
    engine.Wait();
    fleetMs = Ms(Clock::now() - start).count();
  }

  // The plain loop, one projector after the other, over the first ones.
  const host::fleet::Reach reach{{}, 0, &database};
  const std::atomic<bool> never{false};
  int sampleReached = 0;
  const auto start = Clock::now();
  for (int i = 0; i < kSequentialSample; ++i)
    sampleReached += host::fleet::ReadStatusOf(entries[static_cast<std::size_t>(i)], reach, never).reached;
  const double sampleMs = Ms(Clock::now() - start).count();
  const double perProjectorMs = sampleMs / kSequentialSample;
  const double sequentialMs = perProjectorMs * (kProjectors - kDead) + double(kDead) * kTimeoutMs;

  const double targetMs = kTimeoutMs + std::ceil(double(kProjectors) / kParallel) * kCallsPerProjector * kReplyMs * 1.2;
  std::printf("fleet status: %d projectors (%d dead), %d ms per reply, %d ms timeout, %d in flight\n", kProjectors,
              kDead, kReplyMs, kTimeoutMs, kParallel);
  std::printf("  engine:      %8.0f ms  (%d reached, %d not reached)\n", fleetMs, reached.load(), notReached.load());
  std::printf("  target:      %8.0f ms  (one timeout + ceil(%d/%d) x %d calls x %d ms x 1.2)\n", targetMs,
              kProjectors, kParallel, kCallsPerProjector, kReplyMs);
  std::printf("  sequential:  %8.0f ms  (extrapolated: %d projectors took %.0f ms, %.1f ms each, all reached: %s;\n"
              "                          + %d dead x %d ms)\n",
              sequentialMs, kSequentialSample, sampleMs, perProjectorMs,
              sampleReached == kSequentialSample ? "yes" : "no", kDead, kTimeoutMs);
  std::printf("  speed-up:    %8.1f x\n", sequentialMs / fleetMs);
  const bool met = fleetMs <= targetMs && reached == kProjectors - kDead && notReached == kDead;
  std::printf("  %s\n", met ? "target met" : "TARGET MISSED");
  return 0;
}
