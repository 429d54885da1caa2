#pragma once
// Status reads and operations over many projectors at once, for the window
// and for expertctl.
//
// A fixed pool of workers (Options::parallel, default 32) takes the entries in
// order, each worker doing one projector at a time over one connection of its
// own, so a thousand entries cost what the pool costs. No two workers of the
// process ever talk to the same projector (address and port, or device) at
// once: many PJLink projectors accept one connection only. Results come back
// as each projector finishes, on a worker thread; a dead projector costs one
// reply timeout, in parallel with the others.
#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "beamlink/Transport.h"
#include "host/core/ProjectorEntry.h"

namespace host::fleet {

enum class Power { Off, On, Cooling, Warming };

// What the status page reads of a projector. A value the projector does not
// carry (or would not give) is empty.
struct Status {
  bool reached = false;
  std::string error;  // not reached: why, in the words the dialog uses
  std::optional<Power> power;
  std::optional<std::string> input;  // the entry's name for the current input
  std::optional<long> lampHours;
  std::optional<long> filterHours;
  // The status page's texts for what is not clear; empty when all is clear.
  std::optional<std::vector<std::string>> errors;
  std::optional<bool> blank;
  std::optional<bool> mute;
  std::optional<bool> freeze;
};

enum class Action { PowerOn, PowerOff, Input, BlankOn, BlankOff, MuteOn, MuteOff, FreezeOn, FreezeOff };

struct Operation {
  Action action = Action::PowerOn;
  std::string input;  // Action::Input: the name the entry gives the input
};

enum class Outcome {
  Done,
  Refused,     // the projector said no: `error` gives its reason (cooling down, warming up,
               // not supported by this projector, wrong password)
  NotReached,  // `error` says why, in the words the dialog uses
};

// What a refusal was for, so that a window can say it in its own language;
// `Result::error` keeps the English words (expertctl prints them).
enum class Refusal {
  Other,  // only `error` says it
  WrongPassword,
  PasswordRequired,
  NotSupported,
  PowerOff,
  OutOfRange,
  CoolingDown,
  WarmingUp,
  Busy,
};

struct Result {
  Outcome outcome = Outcome::NotReached;
  std::string error;
  Refusal refusal = Refusal::Other;  // Outcome::Refused only
};

struct Options {
  int parallel = 32;                      // projectors in flight, at least 1
  int timeoutMs = 0;                      // > 0: in place of each entry's reply timeout
  beamlink::TransportFactory transports;  // empty: the library's own (loopback only under EXPERT_LOOPBACK_ONLY)
  // The models' inputs; null: the default database, loaded once.
  const models::ModelDatabase* database = nullptr;
};

class Engine {
 public:
  // Runs on a worker thread for one entry; `cancelled` turns true on Cancel.
  using Work = std::function<void(std::size_t index, const ProjectorEntry& entry, const std::atomic<bool>& cancelled)>;
  using StatusCallback = std::function<void(std::size_t index, const Status& status)>;
  using ResultCallback = std::function<void(std::size_t index, const Result& result)>;

  explicit Engine(Options options = {});
  ~Engine();  // cancels the jobs that run or wait, and waits for them
  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;

  // Each starts one job over `entries` and returns at once; one job at a time
  // per engine (a job started while another runs waits for it to finish).
  // `each` runs on a worker thread once for every entry that was started, as
  // it finishes; `done` runs once, after the last, also after Cancel.
  void ReadStatus(std::vector<ProjectorEntry> entries, StatusCallback each, std::function<void()> done = {});
  void Apply(Operation operation, std::vector<ProjectorEntry> entries, ResultCallback each,
             std::function<void()> done = {});
  // Any per-projector work under the same bound and the same one-connection
  // rule (settings profiles use it).
  void RunEach(std::vector<ProjectorEntry> entries, Work work, std::function<void()> done = {});

  // Cancels every job started so far: entries not yet started are skipped
  // (no callback); those in flight end within one reply timeout (a status
  // read cut short between two values reports not reached, "cancelled").
  // Each job's `done` still runs.
  void Cancel();
  // Blocks until every job started is done (never call it from a callback).
  void Wait();

 private:
  struct State;
  std::unique_ptr<State> m_state;
};

}  // namespace host::fleet
