#pragma once
// A clock stepped by hand: Advance fires the ticks that fall due, in time
// order (timers started earlier first at equal times). Ticks may start and
// stop timers; a timer started during a tick first fires one interval later.
#include <vector>

#include "ui/clock.h"

namespace kmpx::ui {

class FakeClock : public Clock {
 public:
  TimerId StartTimer(std::chrono::milliseconds interval, std::function<void()> tick) override;
  void StopTimer(TimerId id) override;
  std::chrono::milliseconds Now() const override { return now_; }

  void Advance(std::chrono::milliseconds duration);
  int RunningTimers() const { return static_cast<int>(timers_.size()); }

 private:
  struct Running {
    TimerId id;
    std::chrono::milliseconds interval;
    std::chrono::milliseconds due;
    std::function<void()> tick;
  };
  std::vector<Running> timers_;
  std::chrono::milliseconds now_{0};
  TimerId next_id_ = 1;
};

}  // namespace kmpx::ui
