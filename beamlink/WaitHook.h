#pragma once
// Who watches a thread's waits on projectors. A window that makes projector
// calls on its own thread installs a hook there; every wait of a call on that
// thread (connect, name lookup, send, reply) then runs in short slices and
// asks the hook between them whether to go on, so the window can keep
// painting and offer Cancel. Threads without a hook wait in one piece, as
// before: worker threads never see a window's hook.
#include <chrono>
#include <string>

#include "beamlink/Transport.h"

namespace beamlink {

// The call being waited for.
struct WaitInfo {
  std::string peer;      // DescribeEndpoint: where the call goes
  Clock::time_point since;  // when the call began
};

class WaitHook {
 public:
  virtual ~WaitHook() = default;
  // Between two slices of a wait; true abandons the call, which then fails
  // as CallFailure::Cancelled.
  virtual bool Waiting(const WaitInfo& info) = 0;
  // The call has ended, whatever its outcome.
  virtual void CallEnded() {}
};

// How long one slice of a watched wait lasts.
inline constexpr std::chrono::milliseconds kWaitSlice{40};

// Installs `hook` for the calling thread (null removes it); returns the one
// it replaces. The hook must outlive its installation.
WaitHook* SetThreadWaitHook(WaitHook* hook);

// One projector call on this thread, from its start to its end: waits inside
// it are watched when the thread has a hook. Scopes nest; the outermost
// one is the call the hook hears about.
class WaitScope {
 public:
  explicit WaitScope(std::string peer);
  ~WaitScope();
  WaitScope(const WaitScope&) = delete;
  WaitScope& operator=(const WaitScope&) = delete;

 private:
  WaitInfo m_info;
  WaitScope* m_outer;
  bool m_abandoned = false;
  friend bool KeepWaiting();
  friend bool CallAbandoned();
  friend Deadline SliceEnd(Deadline deadline);
  static WaitScope* Outermost();
};

// For the transports. The end of the next slice of a wait that must end by
// `deadline`: the deadline itself when nobody watches this thread.
Deadline SliceEnd(Deadline deadline);
// Asked when a slice has passed before the deadline: false when the call is
// to be abandoned (the hook said so now or earlier in this call).
bool KeepWaiting();
// Whether the current call on this thread has been abandoned.
bool CallAbandoned();

}  // namespace beamlink
