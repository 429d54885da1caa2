#pragma once
// The simulator's sense of time. The projector asks its clock whenever a
// timed state may have moved on (cooling down, lamp hours), so tests can
// hand it a clock they wind forward themselves instead of sleeping.
#include <chrono>
#include <functional>
#include <memory>

namespace sim {

using Clock = std::chrono::steady_clock;
using ClockFunction = std::function<Clock::time_point()>;

// A clock that stands still until told to move. Copies of Function() share
// the time of the ManualClock they came from, which must outlive them.
class ManualClock {
 public:
  explicit ManualClock(Clock::time_point start = Clock::time_point{} + std::chrono::hours(1)) : m_now(start) {}
  void Advance(Clock::duration step) { m_now += step; }
  Clock::time_point Now() const { return m_now; }
  ClockFunction Function() {
    return [this] { return m_now; };
  }

 private:
  Clock::time_point m_now;
};

}  // namespace sim
