#include "ui/fake_clock.h"

#include <algorithm>
#include <stdexcept>

namespace kmpx::ui {

Clock::TimerId FakeClock::StartTimer(std::chrono::milliseconds interval, std::function<void()> tick) {
  if (interval.count() <= 0) throw std::invalid_argument("A timer interval must be positive");
  const TimerId id = next_id_++;
  timers_.push_back({id, interval, now_ + interval, std::move(tick)});
  return id;
}

void FakeClock::StopTimer(TimerId id) {
  std::erase_if(timers_, [id](const Running& t) { return t.id == id; });
}

void FakeClock::Advance(std::chrono::milliseconds duration) {
  const auto end = now_ + duration;
  for (;;) {
    // Ids grow with the start order, so the lowest id wins a tie.
    auto next = std::min_element(timers_.begin(), timers_.end(), [](const Running& a, const Running& b) {
      return a.due != b.due ? a.due < b.due : a.id < b.id;
    });
    if (next == timers_.end() || next->due > end) break;
    now_ = next->due;
    next->due += next->interval;
    auto tick = next->tick;  // the tick may stop this timer and so destroy the original
    tick();
  }
  now_ = end;
}

}  // namespace kmpx::ui
