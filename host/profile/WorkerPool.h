#pragma once
// Worker processes (expert-profile-worker) kept alive from one walk to the
// next. Starting a worker costs it more processor time than a walk does
// (loading and relocating the libraries, seeding the random generator,
// reading the model database), and a fleet starts its walks together on few
// cores; a worker that walks projector after projector pays that once.
//
// Each worker is a child on a socket pair: one JSON line per request on its
// stdin, one JSON line per reply on its stdout. Run takes an idle worker or
// starts one, so there are never more workers than Runs at once (the fleet
// engine's bound). A worker that dies, answers with anything but one JSON
// line, or is stopped by a cancel is ended and not reused; the next Run
// starts a new one.
#include <atomic>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace profile {

class WorkerPool {
 public:
  explicit WorkerPool(std::string program) : m_program(std::move(program)) {}
  ~WorkerPool() { EndIdle(); }
  WorkerPool(const WorkerPool&) = delete;
  WorkerPool& operator=(const WorkerPool&) = delete;

  // Sends `request` to a worker and waits for its reply. Empty with `error`
  // when there is none: "cancelled" when `cancelled` turned true (the worker
  // is stopped within about 100 ms), else what went wrong with the worker.
  std::optional<nlohmann::json> Run(const nlohmann::json& request, const std::atomic<bool>* cancelled,
                                    std::string& error);

  // Ends the workers that wait for a request (their stdin closes, they exit).
  void EndIdle();

 private:
  struct Child {
    int pid = 0;
    int fd = -1;  // our end of the socket pair
  };

  std::optional<Child> Start(std::string& error) const;

  std::string m_program;
  std::mutex m_mutex;
  std::vector<Child> m_idle;
};

}  // namespace profile
