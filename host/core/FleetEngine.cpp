#include "host/core/FleetEngine.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <set>
#include <thread>

#include "host/core/FleetWork.h"
#include "host/core/LoopbackGuard.h"

namespace host::fleet {
namespace {

// One lock for every engine of the process: the projectors being talked to
// are process-wide, and a worker waiting for one to be free must hear of it
// from any engine. Each pick holds it only for a moment.
std::mutex g_mutex;
std::condition_variable g_changed;
std::set<std::string> g_busy;  // ProjectorKey of every projector in flight

struct Job {
  std::vector<ProjectorEntry> entries;
  std::vector<std::string> keys;
  std::vector<bool> started;
  Engine::Work work;
  std::function<void()> done;
  std::size_t next = 0;  // entries before it have all been started
  std::size_t inFlight = 0;
  std::atomic<bool> cancelled{false};
};

const models::ModelDatabase* DefaultDatabase() {
  static const std::unique_ptr<models::ModelDatabase> database = []() -> std::unique_ptr<models::ModelDatabase> {
    try {
      return std::make_unique<models::ModelDatabase>(
          models::ModelDatabase::Load(models::ModelDatabase::DefaultDirectory()));
    } catch (const std::exception&) {
      return nullptr;  // inputs by name are then unknown; everything else works
    }
  }();
  return database.get();
}

}  // namespace

struct Engine::State {
  Options options;
  Reach reach;
  std::vector<std::thread> workers;
  std::deque<std::shared_ptr<Job>> jobs;  // the front one runs
  bool finishing = false;                 // the front job's `done` is running
  bool stopping = false;

  // Under g_mutex: the index of an entry nobody has started whose projector
  // no worker talks to, or none.
  std::optional<std::size_t> Pick(Job& job) {
    while (job.next < job.entries.size() && job.started[job.next]) ++job.next;
    for (std::size_t i = job.next; i < job.entries.size(); ++i)
      if (!job.started[i] && !g_busy.contains(job.keys[i])) return i;
    return std::nullopt;
  }

  void Serve() {
    std::unique_lock lock(g_mutex);
    for (;;) {
      if (stopping) return;
      if (jobs.empty() || finishing) {
        g_changed.wait(lock);
        continue;
      }
      const std::shared_ptr<Job> job = jobs.front();
      if (job->cancelled) job->next = job->entries.size();  // the rest is skipped
      if (job->next >= job->entries.size() || std::all_of(job->started.begin() + static_cast<long>(job->next),
                                                          job->started.end(), [](bool s) { return s; })) {
        job->next = job->entries.size();
        if (job->inFlight > 0) {
          g_changed.wait(lock);
          continue;
        }
        // The last entry is done: this worker closes the job.
        finishing = true;
        lock.unlock();
        try {
          if (job->done) job->done();
        } catch (...) {
        }
        lock.lock();
        finishing = false;
        jobs.pop_front();
        g_changed.notify_all();
        continue;
      }
      const std::optional<std::size_t> index = Pick(*job);
      if (!index) {  // what is left waits for a projector another worker talks to
        g_changed.wait(lock);
        continue;
      }
      job->started[*index] = true;
      g_busy.insert(job->keys[*index]);
      ++job->inFlight;
      lock.unlock();
      try {
        job->work(*index, job->entries[*index], job->cancelled);
      } catch (...) {
        // A callback that throws must not take the process down with it.
      }
      lock.lock();
      g_busy.erase(job->keys[*index]);
      --job->inFlight;
      g_changed.notify_all();
    }
  }

  void Start(std::vector<ProjectorEntry> entries, Work work, std::function<void()> done) {
    auto job = std::make_shared<Job>();
    job->keys.reserve(entries.size());
    for (const ProjectorEntry& entry : entries) job->keys.push_back(ProjectorKey(entry));
    job->started.assign(entries.size(), false);
    job->entries = std::move(entries);
    job->work = std::move(work);
    job->done = std::move(done);
    std::lock_guard lock(g_mutex);
    jobs.push_back(std::move(job));
    g_changed.notify_all();
  }
};

Engine::Engine(Options options) : m_state(std::make_unique<State>()) {
  m_state->options = std::move(options);
  m_state->options.parallel = std::max(1, m_state->options.parallel);
  m_state->reach.transports = m_state->options.transports;
  if (!m_state->reach.transports && LoopbackOnlyRequested()) m_state->reach.transports = LoopbackOnlyTransports();
  m_state->reach.timeoutMs = m_state->options.timeoutMs;
  m_state->reach.database = m_state->options.database ? m_state->options.database : DefaultDatabase();
  for (int i = 0; i < m_state->options.parallel; ++i) m_state->workers.emplace_back([this] { m_state->Serve(); });
}

Engine::~Engine() {
  Cancel();
  Wait();
  {
    std::lock_guard lock(g_mutex);
    m_state->stopping = true;
    g_changed.notify_all();
  }
  for (std::thread& worker : m_state->workers) worker.join();
}

void Engine::ReadStatus(std::vector<ProjectorEntry> entries, StatusCallback each, std::function<void()> done) {
  const Reach reach = m_state->reach;
  RunEach(
      std::move(entries),
      [reach, each = std::move(each)](std::size_t index, const ProjectorEntry& entry,
                                      const std::atomic<bool>& cancelled) {
        const Status status = ReadStatusOf(entry, reach, cancelled);
        if (each) each(index, status);
      },
      std::move(done));
}

void Engine::Apply(Operation operation, std::vector<ProjectorEntry> entries, ResultCallback each,
                   std::function<void()> done) {
  const Reach reach = m_state->reach;
  RunEach(
      std::move(entries),
      [reach, operation = std::move(operation), each = std::move(each)](std::size_t index, const ProjectorEntry& entry,
                                                                         const std::atomic<bool>&) {
        const Result result = ApplyTo(operation, entry, reach);
        if (each) each(index, result);
      },
      std::move(done));
}

void Engine::RunEach(std::vector<ProjectorEntry> entries, Work work, std::function<void()> done) {
  m_state->Start(std::move(entries), std::move(work), std::move(done));
}

void Engine::Cancel() {
  std::lock_guard lock(g_mutex);
  for (const std::shared_ptr<Job>& job : m_state->jobs) job->cancelled = true;
  g_changed.notify_all();
}

void Engine::Wait() {
  std::unique_lock lock(g_mutex);
  g_changed.wait(lock, [this] { return m_state->jobs.empty(); });
}

}  // namespace host::fleet
