// A thread's wait hook: the waits of calls on that thread run in slices and
// ask it whether to go on; one that says stop ends the call at once as
// cancelled, held off like any link failure. Other threads never see it.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "FakeProjector.h"
#include "beamlink/PjtInterface.h"
#include "beamlink/WaitHook.h"

namespace beamlink::test {
namespace {

// Says stop when asked for the `stopAt`th time: counted, not timed, so that a
// loaded machine's late slices cannot change what the test sees.
struct StopAfter : WaitHook {
  explicit StopAfter(int stopAt) : stopAt(stopAt) {}
  bool Waiting(const WaitInfo& info) override {
    peer = info.peer;
    return ++asked >= stopAt;
  }
  void CallEnded() override { ++ended; }
  int stopAt;
  std::atomic<int> asked{0};
  int ended = 0;
  std::string peer;
};

struct ScopedHook {
  explicit ScopedHook(WaitHook* hook) : previous(SetThreadWaitHook(hook)) {}
  ~ScopedHook() { SetThreadWaitHook(previous); }
  WaitHook* previous;
};

TEST(WaitHook, StopsASilentProjectorsCallAtOnceOnItsOwnThreadOnly) {
  const FakeProjector silent({[](PeerStream& peer) {
    while (peer.Receive()) {
    }
  }});
  const auto point = [&](CPjtInterface& pjt) { pjt.CopyData(1, 0, silent.Port(), "127.0.0.1", 10000, ""); };
  StopAfter hook(3);
  const ScopedHook installed(&hook);

  CPjtInterface pjt;
  point(pjt);
  std::uint16_t value = 0;
  const auto start = Clock::now();
  EXPECT_EQ(pjt.Get(0x2003, 0, &pjt, &value), 0);
  EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(5000));  // far within the 10 s timeout
  ASSERT_TRUE(pjt.LinkProblem());
  EXPECT_EQ(pjt.LinkProblem()->failure, CallFailure::Cancelled);
  EXPECT_EQ(hook.peer, "127.0.0.1:" + std::to_string(silent.Port()));
  EXPECT_EQ(hook.asked, 3);  // asked every slice, and the call ended at the first stop
  EXPECT_EQ(hook.ended, 1);
  const int asked = hook.asked;
  EXPECT_EQ(pjt.Get(0x2003, 0, &pjt, &value), 0);  // held off: no new wait
  EXPECT_EQ(hook.asked, asked);
  EXPECT_EQ(silent.Connections(), 1);

  // A worker thread's call waits its own time and the hook never hears of it.
  std::thread([&] {
    CPjtInterface worker;
    point(worker);
    worker.CopyData(1, 0, silent.Port(), "127.0.0.1", 300, "");
    EXPECT_EQ(worker.Get(0x2003, 0, &worker, &value), 0);
    EXPECT_EQ(worker.LinkProblem()->failure, CallFailure::Timeout);
  }).join();
  EXPECT_EQ(hook.asked, asked);
}

}  // namespace
}  // namespace beamlink::test
