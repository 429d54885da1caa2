#pragma once
// Profiles over many projectors: the fleet engine's bound on projectors in
// flight and its one-connection-per-projector rule, each projector's walk in
// a worker process (the dialog framework walks one dialog at a time per
// process). The workers are pooled: each walks projector after projector, so
// a run starts at most as many as the engine's bound, and they end when the
// run does. Results come back as each projector finishes, on an engine thread.
#include <functional>
#include <memory>
#include <vector>

#include "host/core/FleetEngine.h"
#include "host/profile/ProfileWorker.h"

namespace profile {

class ProfileFleet {
 public:
  using ApplyCallback = std::function<void(std::size_t index, const ApplyReport& report)>;
  using SaveCallback = std::function<void(std::size_t index, const CaptureResult& result)>;

  // `parallel`: projectors in flight (the engine's bound, default 32).
  explicit ProfileFleet(WorkerOptions worker = {}, int parallel = 32);

  // Each returns at once; `done` runs after the last projector, also after Cancel.
  void Apply(Profile profile, std::vector<host::ProjectorEntry> entries, ApplyCallback each,
             std::function<void()> done = {});
  void Save(std::vector<host::ProjectorEntry> entries, SaveCallback each, std::function<void()> done = {});
  // Projectors not yet started are skipped; those in flight end at once (their
  // worker is stopped, not reused) and report "cancelled".
  void Cancel() { m_engine.Cancel(); }
  void Wait() { m_engine.Wait(); }

 private:
  WorkerOptions m_worker;
  std::shared_ptr<WorkerPool> m_pool;
  host::fleet::Engine m_engine;  // after m_pool: its jobs end before the pool
};

}  // namespace profile
