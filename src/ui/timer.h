#pragma once
// Timers: non-visual components driven by the clock port.
#include <chrono>
#include <optional>
#include <string>

#include "ui/clock.h"
#include "ui/control.h"

namespace kmpx::ui {

// Ticks every Interval milliseconds while enabled (Enabled is the running
// switch; timers start enabled, with an interval of one second). Enabling an
// enabled timer changes nothing; a new interval restarts the count.
class Timer : public Control {
 public:
  Timer(std::string name, Clock& clock) : Timer("TTimer", std::move(name), clock) {}
  ~Timer() override;

  int Interval() const { return interval_; }
  void SetInterval(int milliseconds);
  bool Running() const { return running_.has_value(); }

  Handler onTimer;

 protected:
  Timer(std::string className, std::string name, Clock& clock);
  void EnabledChanged() override { Restart(); }
  Clock& TimeSource() const { return clock_; }
  virtual void Tick() { Fire(onTimer); }

 private:
  void Restart();

  Clock& clock_;
  int interval_ = 1000;
  std::optional<Clock::TimerId> running_;
};

// A one-second timer that also measures elapsed time: the time counts only
// between StartCounting and StopCounting and is read from the clock, not
// summed from ticks. Reset sets it to zero and keeps it counting or not.
class TimeCounter : public Timer {
 public:
  TimeCounter(std::string name, Clock& clock) : Timer("TKZTimeCounter", std::move(name), clock) {}

  void StartCounting();
  void StopCounting();
  void Reset();
  bool Counting() const { return counting_; }
  std::chrono::milliseconds Elapsed() const;
  long long ElapsedSeconds() const;

 private:
  std::chrono::milliseconds kept_{0};
  std::chrono::milliseconds started_{0};
  bool counting_ = false;
};

}  // namespace kmpx::ui
