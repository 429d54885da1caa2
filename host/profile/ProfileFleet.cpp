#include "host/profile/ProfileFleet.h"

#include <memory>

namespace profile {

ProfileFleet::ProfileFleet(WorkerOptions worker, int parallel)
    : m_worker(std::move(worker)), m_engine(host::fleet::Options{.parallel = parallel, .timeoutMs = m_worker.timeoutMs}) {}

void ProfileFleet::Apply(Profile profile, std::vector<host::ProjectorEntry> entries, ApplyCallback each,
                         std::function<void()> done) {
  auto shared = std::make_shared<const Profile>(std::move(profile));
  m_engine.RunEach(
      std::move(entries),
      [shared, each = std::move(each), worker = m_worker](std::size_t index, const host::ProjectorEntry& entry,
                                                          const std::atomic<bool>& cancelled) {
        each(index, ApplyInWorker(*shared, entry, worker, &cancelled));
      },
      std::move(done));
}

void ProfileFleet::Save(std::vector<host::ProjectorEntry> entries, SaveCallback each, std::function<void()> done) {
  m_engine.RunEach(
      std::move(entries),
      [each = std::move(each), worker = m_worker](std::size_t index, const host::ProjectorEntry& entry,
                                                  const std::atomic<bool>& cancelled) {
        each(index, SaveInWorker(entry, worker, &cancelled));
      },
      std::move(done));
}

}  // namespace profile
