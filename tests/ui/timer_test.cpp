#include "ui/timer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "ui/fake_clock.h"
#include "ui/form.h"

namespace kmpx::ui {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

TEST(Timer, TicksEveryIntervalWhileEnabled) {
  FakeClock clock;
  Form form("KSWin", "TKSWin");
  auto& timer = form.Add<Timer>("ProcessTimer", clock);
  int ticks = 0;
  timer.onTimer = [&](Control&) { ++ticks; };

  clock.Advance(milliseconds(2999));
  EXPECT_EQ(ticks, 2);
  timer.SetEnabled(false);
  clock.Advance(seconds(10));
  EXPECT_EQ(ticks, 2);

  timer.SetEnabled(true);  // the count starts again from here
  clock.Advance(milliseconds(999));
  EXPECT_EQ(ticks, 2);
  timer.SetEnabled(true);  // already enabled: no restart
  clock.Advance(milliseconds(1));
  EXPECT_EQ(ticks, 3);

  timer.SetInterval(500);
  clock.Advance(seconds(1));
  EXPECT_EQ(ticks, 5);
  timer.SetInterval(0);  // no interval, no ticks
  clock.Advance(seconds(5));
  EXPECT_EQ(ticks, 5);
  EXPECT_EQ(clock.RunningTimers(), 0);
}

TEST(Timer, SeveralTimersTickInTimeOrder) {
  FakeClock clock;
  Form form("KSWin", "TKSWin");
  std::vector<std::string> order;
  auto& compile = form.Add<Timer>("CompileTimer", clock);
  auto& fast = form.Add<Timer>("Fast", clock);
  auto& stage = form.Add<Timer>("CompilerTimer", clock);
  fast.SetInterval(400);
  for (Timer* t : {&compile, &fast, &stage}) t->onTimer = [&](Control& c) { order.push_back(c.Name()); };
  clock.Advance(seconds(2));
  // At equal times the timer started first ticks first (Fast restarted last).
  EXPECT_EQ(order, (std::vector<std::string>{"Fast", "Fast", "CompileTimer", "CompilerTimer", "Fast", "Fast",
                                             "CompileTimer", "CompilerTimer", "Fast"}));
}

TEST(Timer, ATickMayStopItsTimerAndStartAnother) {
  // The clockwork pattern: the countdown's last tick switches itself off and
  // starts the compile clock, which first ticks a full second later.
  FakeClock clock;
  Form form("KSWin", "TKSWin");
  auto& countdown = form.Add<Timer>("ProcessTimer", clock);
  auto& compile = form.Add<Timer>("CompileTimer", clock);
  compile.SetEnabled(false);
  int remaining = 3;
  std::vector<long long> compileTicks;
  countdown.onTimer = [&](Control&) {
    if (--remaining == 0) {
      countdown.SetEnabled(false);
      compile.SetEnabled(true);
    }
  };
  compile.onTimer = [&](Control&) {
    compileTicks.push_back(std::chrono::duration_cast<seconds>(clock.Now()).count());
  };
  clock.Advance(seconds(6));
  EXPECT_EQ(remaining, 0);
  EXPECT_EQ(compileTicks, (std::vector<long long>{4, 5, 6}));
}

TEST(Timer, ADestroyedTimerStopsTicking) {
  FakeClock clock;
  Form form("KSWin", "TKSWin");
  auto& timer = form.Add<Timer>("T", clock);
  EXPECT_EQ(clock.RunningTimers(), 1);
  form.Remove(timer);
  EXPECT_EQ(clock.RunningTimers(), 0);
  clock.Advance(seconds(3));
}

TEST(TimeCounter, CountsOnlyBetweenStartAndStop) {
  FakeClock clock;
  Form form("KSWin", "TKSWin");
  auto& counter = form.Add<TimeCounter>("CompileTimer", clock);
  int ticks = 0;
  counter.onTimer = [&](Control&) { ++ticks; };

  clock.Advance(seconds(5));
  EXPECT_EQ(counter.ElapsedSeconds(), 0);  // it ticks from the start, but counts only when started
  counter.StartCounting();
  clock.Advance(milliseconds(2500));
  counter.StopCounting();
  clock.Advance(seconds(10));
  EXPECT_EQ(counter.Elapsed(), milliseconds(2500));
  counter.StartCounting();
  clock.Advance(milliseconds(600));
  EXPECT_EQ(counter.ElapsedSeconds(), 3);
  counter.Reset();  // keeps counting from zero
  clock.Advance(seconds(2));
  EXPECT_EQ(counter.ElapsedSeconds(), 2);
  EXPECT_EQ(ticks, 20);
}

}  // namespace
}  // namespace kmpx::ui
