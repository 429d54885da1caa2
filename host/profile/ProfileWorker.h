#pragma once
// One projector's walk in a child process (expert-profile-worker).
//
// The dialog framework keeps process-wide state, so one process walks one
// dialog at a time; projectors are walked at once by running each walk in a
// process of its own. The child reads one request on stdin and writes one
// JSON reply on stdout; its texts are English whatever the parent's locale,
// as a profile keeps them.
#include <atomic>
#include <optional>
#include <string>

#include "host/profile/ProfileApply.h"
#include "host/profile/ProfileCapture.h"

namespace profile {

struct WorkerOptions {
  std::string program;  // the worker binary; empty: WorkerProgram()
  int timeoutMs = 0;    // > 0: in place of the entry's reply timeout
  bool powerOn = false;
  bool loopbackOnly = false;  // the child reaches loopback addresses only
};

// $EXPERT_PROFILE_WORKER, else expert-profile-worker beside this program.
std::string WorkerProgram();

// Block until the child is done. A cancel ends the child within about
// 100 ms; its report then says so.
CaptureResult SaveInWorker(const host::ProjectorEntry& entry, const WorkerOptions& options,
                           const std::atomic<bool>* cancelled = nullptr);
ApplyReport ApplyInWorker(const Profile& profile, const host::ProjectorEntry& entry, const WorkerOptions& options,
                          const std::atomic<bool>* cancelled = nullptr);

// CheckProfileForModel in a worker process, for a process that must not
// walk a dialog itself (the window, whose display is Qt's). The error names
// `fileName` and the setting; empty when the profile fits its model.
std::optional<std::string> CheckInWorker(const Profile& profile, const std::string& fileName,
                                         const WorkerOptions& options);

// The child's side: reads the request from `in`, runs it and writes the
// reply to `out`. Returns the exit status.
int RunWorker(std::FILE* in, std::FILE* out);

}  // namespace profile
