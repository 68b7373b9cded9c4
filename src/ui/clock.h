#pragma once
// The clock port: periodic ticks on the user-interface thread and a
// monotonic "now". The real clock wraps the platform's timers; tests step a
// FakeClock by hand. A clock must outlive the timers started on it.
#include <chrono>
#include <functional>

namespace kmpx::ui {

class Clock {
 public:
  using TimerId = int;
  virtual ~Clock() = default;

  // Calls tick every interval until StopTimer(id); the first tick comes one
  // interval after the start.
  virtual TimerId StartTimer(std::chrono::milliseconds interval, std::function<void()> tick) = 0;
  virtual void StopTimer(TimerId id) = 0;
  // Time since an arbitrary fixed point; never goes back.
  virtual std::chrono::milliseconds Now() const = 0;
};

}  // namespace kmpx::ui
