#include <gtest/gtest.h>

#include "model/SpeedTimer.h"

namespace {

// A counter that moves only when the test says so, at one tick per nanosecond.
class FakeTicks final : public TickSource {
  public:
    bool frequency(int64_t& ticksPerSecond) const override {
        ticksPerSecond = rate;
        return available;
    }
    int64_t count() const override { return now; }

    int64_t now = 1000;
    int64_t rate = 1000000000;
    bool available = true;
};

// Neither the time since construction nor the time before a restart counts.
TEST(SpeedTimer, MeasuresFromTheLastStart) {
    FakeTicks ticks;
    SpeedTimer timer(ticks);
    ticks.now += 7000000;
    timer.start();
    ticks.now += 1000000;
    timer.start();  // on a running timer
    ticks.now += 2500000;
    timer.stop();
    EXPECT_NEAR(timer.elapsedMs(), 2.5, 1e-6);
}

TEST(SpeedTimer, FrozenValueRepeatsAfterStop) {
    FakeTicks ticks;
    SpeedTimer timer(ticks);
    timer.start();
    ticks.now += 1000000;
    timer.stop();
    const double first = timer.elapsedMs();
    ticks.now += 5000000;
    EXPECT_EQ(timer.elapsedMs(), first);
    EXPECT_EQ(timer.elapsedMs(), first);
}

TEST(SpeedTimer, RunningTimerReadsTheCounter) {
    FakeTicks ticks;
    SpeedTimer timer(ticks);
    timer.start();
    ticks.now += 3000000;
    EXPECT_NEAR(timer.elapsedMs(), 3.0, 1e-6);
    ticks.now += 1000000;
    EXPECT_NEAR(timer.elapsedMs(), 4.0, 1e-6);
}

TEST(SpeedTimer, NestedStopsFreezeAtTheOutermostAndNeedAsManyStarts) {
    FakeTicks ticks;
    SpeedTimer timer(ticks);
    timer.start();
    ticks.now += 1000000;
    timer.stop();  // frozen at 1 ms
    ticks.now += 4000000;
    timer.stop();  // inner stop: only deepens
    EXPECT_NEAR(timer.elapsedMs(), 1.0, 1e-6);
    timer.start();  // still stopped once
    ticks.now += 2000000;
    EXPECT_NEAR(timer.elapsedMs(), 1.0, 1e-6);
    timer.start();  // running again, from zero
    EXPECT_NEAR(timer.elapsedMs(), 0.0, 1e-6);
    ticks.now += 6000000;
    EXPECT_NEAR(timer.elapsedMs(), 6.0, 1e-6);
}

TEST(SpeedTimer, LongSpansStayInMilliseconds) {
    FakeTicks ticks;
    SpeedTimer timer(ticks);
    timer.start();
    ticks.now += 2000000000;  // two seconds
    timer.stop();
    EXPECT_NEAR(timer.elapsedMs(), 2000.0, 0.01);

    FakeTicks slowCounter;  // a 3.579545 MHz counter, as old PC timers ran
    slowCounter.rate = 3579545;
    SpeedTimer slow(slowCounter);
    slow.start();
    slowCounter.now += 3579545 * 2;
    slow.stop();
    EXPECT_NEAR(slow.elapsedMs(), 2000.0, 0.01);
}

TEST(SpeedTimer, NoCounterYieldsZero) {
    FakeTicks ticks;
    ticks.available = false;
    SpeedTimer timer(ticks);
    timer.start();
    ticks.now += 1000000;
    timer.stop();
    EXPECT_EQ(timer.elapsedMs(), 0.0);
}

}  // namespace
