#include "host/profile/ProfileFleet.h"

namespace profile {
namespace {

// The run's workers end with it, so none outlives the run in a window that stays open.
std::function<void()> EndingWorkers(std::shared_ptr<WorkerPool> pool, std::function<void()> done) {
  return [pool = std::move(pool), done = std::move(done)] {
    pool->EndIdle();
    if (done) done();
  };
}

}  // namespace

ProfileFleet::ProfileFleet(WorkerOptions worker, int parallel)
    : m_worker(std::move(worker)),
      m_pool(std::make_shared<WorkerPool>(m_worker.program.empty() ? WorkerProgram() : m_worker.program)),
      m_engine(host::fleet::Options{.parallel = parallel, .timeoutMs = m_worker.timeoutMs}) {}

void ProfileFleet::Apply(Profile profile, std::vector<host::ProjectorEntry> entries, ApplyCallback each,
                         std::function<void()> done) {
  auto shared = std::make_shared<const Profile>(std::move(profile));
  m_engine.RunEach(
      std::move(entries),
      [shared, each = std::move(each), worker = m_worker, pool = m_pool](
          std::size_t index, const host::ProjectorEntry& entry, const std::atomic<bool>& cancelled) {
        each(index, ApplyInWorker(*shared, entry, worker, &cancelled, pool.get()));
      },
      EndingWorkers(m_pool, std::move(done)));
}

void ProfileFleet::Save(std::vector<host::ProjectorEntry> entries, SaveCallback each, std::function<void()> done) {
  m_engine.RunEach(
      std::move(entries),
      [each = std::move(each), worker = m_worker, pool = m_pool](
          std::size_t index, const host::ProjectorEntry& entry, const std::atomic<bool>& cancelled) {
        each(index, SaveInWorker(entry, worker, &cancelled, pool.get()));
      },
      EndingWorkers(m_pool, std::move(done)));
}

}  // namespace profile
