#pragma once
// One projector's walk in a child process (expert-profile-worker).
//
// The dialog framework keeps process-wide state, so one process walks one
// dialog at a time; projectors are walked at once in processes of their own.
// The child reads one JSON request a line on stdin and writes one JSON reply
// a line on stdout, walk after walk, until its stdin closes; its texts are
// English whatever the parent's locale, as a profile keeps them.
#include <atomic>
#include <optional>
#include <string>

#include "host/profile/ProfileApply.h"
#include "host/profile/ProfileCapture.h"
#include "host/profile/WorkerPool.h"

namespace profile {

struct WorkerOptions {
  std::string program;  // the worker binary; empty: WorkerProgram()
  int timeoutMs = 0;    // > 0: in place of the entry's reply timeout
  bool powerOn = false;
  bool loopbackOnly = false;  // the child reaches loopback addresses only
};

// $EXPERT_PROFILE_WORKER, else expert-profile-worker beside this program.
std::string WorkerProgram();

// Block until the walk is done. A cancel ends the child within about
// 100 ms; its report then says so. `pool`: the workers to walk in (its
// program is used); null: a worker of its own, ended after the walk.
CaptureResult SaveInWorker(const host::ProjectorEntry& entry, const WorkerOptions& options,
                           const std::atomic<bool>* cancelled = nullptr, WorkerPool* pool = nullptr);
ApplyReport ApplyInWorker(const Profile& profile, const host::ProjectorEntry& entry, const WorkerOptions& options,
                          const std::atomic<bool>* cancelled = nullptr, WorkerPool* pool = nullptr);

// CheckProfileForModel in a worker process, for a process that must not
// walk a dialog itself (the window, whose display is Qt's). The error names
// `fileName` and the setting; empty when the profile fits its model.
std::optional<std::string> CheckInWorker(const Profile& profile, const std::string& fileName,
                                         const WorkerOptions& options);

// The child's side: reads requests from `in` until it ends, runs each and
// writes its reply to `out`. Returns the exit status: 0, or 2 after a
// request it could not run (its reply then holds "fault" and why).
int RunWorker(std::FILE* in, std::FILE* out);
// --starter: forks workers that do so on the sockets their requests bring
// (WorkerStarter.h); the model database is read once, before the first.
int RunWorkerStarter();

}  // namespace profile
