#pragma once
// Worker processes (expert-profile-worker) kept alive from one walk to the
// next. Starting a worker costs it more processor time than a walk does
// (loading and relocating the libraries, seeding the random generator,
// reading the model database), and a fleet starts its walks together on few
// cores; a worker that walks projector after projector pays that once.
//
// Each worker is a process on a socket pair: one JSON line per request on
// its stdin, one JSON line per reply on its stdout. Run takes an idle worker
// or starts one, so there are never more workers than Runs at once (the fleet
// engine's bound). New workers are forked by a starter (WorkerStarter.h);
// without one (it could not be started or stopped answering) the program
// itself is started for each. A worker that dies, answers with anything but
// one JSON line, or is stopped by a cancel is ended and not reused; the next
// Run starts a new one.
#include <atomic>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace profile {

class WorkerPool {
 public:
  // `forked`: new workers come from a starter (worth it for more than one);
  // else each is the program started afresh.
  explicit WorkerPool(std::string program, bool forked = true)
      : m_program(std::move(program)), m_forked(forked) {}
  ~WorkerPool() { EndIdle(); }
  WorkerPool(const WorkerPool&) = delete;
  WorkerPool& operator=(const WorkerPool&) = delete;

  // Sends `request` to a worker and waits for its reply. Empty with `error`
  // when there is none: "cancelled" when `cancelled` turned true (the worker
  // is stopped within about 100 ms), else what went wrong with the worker.
  std::optional<nlohmann::json> Run(const nlohmann::json& request, const std::atomic<bool>* cancelled,
                                    std::string& error);

  // Ends the workers that wait for a request and the starter (their stdin
  // closes, they exit). The next Run starts afresh.
  void EndIdle();

 private:
  struct Child {
    int pid = 0;
    int fd = -1;      // our end of the socket pair
    int pidfd = -1;   // names the process for signals and its end
    bool own = true;  // our child (to be waited for), not the starter's
  };

  std::optional<Child> Start(std::string& error);
  std::optional<Child> Spawn(bool starter, std::string& error) const;
  std::optional<Child> Fork();
  // Closes its socket and waits for it to end, at most `graceMs`, then kills
  // it. Our own child's wait status; none for the starter's.
  static std::optional<int> End(const Child& child, int graceMs);

  const std::string m_program;
  const bool m_forked;
  std::mutex m_mutex;
  std::vector<Child> m_idle;
  std::mutex m_starterMutex;  // one fork request at a time
  std::optional<Child> m_starter;
  bool m_noStarter = false;  // it failed: this run spawns its workers
};

}  // namespace profile
