// Applying a full type-5 profile (every slider and arrow row one step off,
// every box ticked the other way) to simulated 5/30 projectors that answer
// each request after 10 ms, over loopback TCP:
//
//   BM_ApplyToOne    one projector, its walk in a worker process started for it
//   BM_ApplyToFleet  50 projectors, at most 32 in flight (the fleet engine's
//                    bound), walked by the fleet's pool of worker processes
//                    (forked from a starter, each walking one projector after
//                    another)
//
// Counters: calls (requests one projector answers during its apply: the
// reads of every page and the writes with their read-backs), target (the
// fleet's budget: ceil(50 / 32) x calls x 10 ms x 1.2, in seconds) and
// seconds. Each projector is served by pjsim's loop in a thread of this
// process; a fresh set of projectors for every iteration, so each apply
// changes the same settings.
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

#include "host/profile/ProfileCapture.h"
#include "host/profile/ProfileFleet.h"
#include "simulator/pjsim/Daemon.h"

namespace {

using namespace std::chrono_literals;

constexpr int kFleet = 50;
constexpr int kParallel = 32;
constexpr auto kLatency = 10ms;

const models::ModelDatabase& Database() {
  static const models::ModelDatabase database = models::ModelDatabase::Load(PROFILE_BENCH_MODEL_DB);
  return database;
}

struct Served {
  explicit Served(std::chrono::milliseconds latency) {
    projector = std::make_shared<sim::Projector>(*Database().Find(5, 30));
    projector->GetFaults().SetLatency(latency);
    sim::ServerOptions server;
    server.log = [this](const std::string& line) { requests += line.find("tag ") != std::string::npos && line.find(" -> ") != std::string::npos; };
    std::string error;
    service = sim::pjsim::LoopbackService::Start(projector, server, error);
    if (!service) std::abort();
    entry = {.name = "P" + std::to_string(service->Port()), .modelType = 5, .modelNo = 30, .address = "127.0.0.1",
             .tcpPort = service->Port(), .timeoutMs = 5000};
  }
  std::shared_ptr<sim::Projector> projector;
  std::atomic<int> requests{0};
  std::unique_ptr<sim::pjsim::LoopbackService> service;
  host::ProjectorEntry entry;
};

// The saved settings of a fresh projector, each number one step off and each box the other way.
const profile::Profile& FullProfile() {
  static const profile::Profile full = [] {
    Served source(0ms);
    profile::Profile wanted = *profile::CaptureProfile(source.entry, Database()).profile;
    for (profile::Setting& setting : wanted.settings) {
      if (setting.kind == profile::Kind::Slider || setting.kind == profile::Kind::Arrows)
        setting.value += setting.value > 0 ? -1 : 1;
      else if (setting.kind == profile::Kind::Check)
        setting.value = 1 - setting.value;
    }
    return wanted;
  }();
  return full;
}

profile::WorkerOptions Worker() {
  profile::WorkerOptions worker;
  worker.program = profile::WorkerProgram();
  worker.loopbackOnly = true;
  return worker;
}

int g_callsOfOne = 0;

void BM_ApplyToOne(benchmark::State& state) {
  const profile::Profile& wanted = FullProfile();
  for (auto _ : state) {
    state.PauseTiming();
    Served target(kLatency);
    const int before = target.requests;
    state.ResumeTiming();
    const profile::ApplyReport report = profile::ApplyInWorker(wanted, target.entry, Worker());
    state.PauseTiming();
    if (!report.Ok()) state.SkipWithError(("apply failed: " + report.error).c_str());
    g_callsOfOne = target.requests - before;
    state.counters["set"] = report.set;
    state.ResumeTiming();
  }
  state.counters["calls"] = g_callsOfOne;
}
BENCHMARK(BM_ApplyToOne)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_ApplyToFleet(benchmark::State& state) {
  const profile::Profile& wanted = FullProfile();
  int failed = 0;
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<std::unique_ptr<Served>> fleet;
    std::vector<host::ProjectorEntry> entries;
    for (int i = 0; i < kFleet; ++i) {
      fleet.push_back(std::make_unique<Served>(kLatency));
      entries.push_back(fleet.back()->entry);
    }
    profile::ProfileFleet runner(Worker(), kParallel);
    std::atomic<int> bad{0};
    state.ResumeTiming();
    runner.Apply(wanted, entries, [&](std::size_t, const profile::ApplyReport& report) { bad += !report.Ok(); });
    runner.Wait();
    state.PauseTiming();
    failed += bad;
    fleet.clear();
    state.ResumeTiming();
  }
  if (failed) state.SkipWithError("some projectors did not take the profile");
  const double target = std::ceil(double(kFleet) / kParallel) * g_callsOfOne * 0.010 * 1.2;
  state.counters["calls"] = g_callsOfOne;
  state.counters["target_s"] = target;
}
BENCHMARK(BM_ApplyToFleet)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

}  // namespace

int main(int argc, char** argv) {
  setenv("EXPERT_LOOPBACK_ONLY", "1", 1);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
