#include "ui/timer.h"

namespace kmpx::ui {

Timer::Timer(std::string className, std::string name, Clock& clock)
    : Control(std::move(className), std::move(name)), clock_(clock) {
  Restart();
}

Timer::~Timer() {
  if (running_) clock_.StopTimer(*running_);
}

void Timer::SetInterval(int milliseconds) {
  if (SetAndNotify(interval_, milliseconds, Property::Interval)) Restart();
}

void Timer::Restart() {
  if (running_) clock_.StopTimer(*running_);
  running_.reset();
  if (Enabled() && interval_ > 0)
    running_ = clock_.StartTimer(std::chrono::milliseconds(interval_), [this] { Tick(); });
}

void TimeCounter::StartCounting() {
  if (counting_) return;
  started_ = TimeSource().Now();
  counting_ = true;
}

void TimeCounter::StopCounting() {
  if (!counting_) return;
  kept_ += TimeSource().Now() - started_;
  counting_ = false;
}

void TimeCounter::Reset() {
  kept_ = std::chrono::milliseconds{0};
  started_ = TimeSource().Now();
}

std::chrono::milliseconds TimeCounter::Elapsed() const {
  return counting_ ? kept_ + (TimeSource().Now() - started_) : kept_;
}

long long TimeCounter::ElapsedSeconds() const {
  return std::chrono::duration_cast<std::chrono::seconds>(Elapsed()).count();
}

}  // namespace kmpx::ui
