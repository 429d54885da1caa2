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

struct StopAfter : WaitHook {
  explicit StopAfter(std::chrono::milliseconds after) : after(after) {}
  bool Waiting(const WaitInfo& info) override {
    ++asked;
    peer = info.peer;
    return Clock::now() - info.since >= after;
  }
  void CallEnded() override { ++ended; }
  std::chrono::milliseconds after;
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
  StopAfter hook(std::chrono::milliseconds(200));
  const ScopedHook installed(&hook);

  CPjtInterface pjt;
  point(pjt);
  std::uint16_t value = 0;
  const auto start = Clock::now();
  EXPECT_EQ(pjt.Get(0x2003, 0, &pjt, &value), 0);
  EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(600));
  ASSERT_TRUE(pjt.LinkProblem());
  EXPECT_EQ(pjt.LinkProblem()->failure, CallFailure::Cancelled);
  EXPECT_EQ(hook.peer, "127.0.0.1:" + std::to_string(silent.Port()));
  EXPECT_GE(hook.asked, 2);  // asked every slice, not once
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
