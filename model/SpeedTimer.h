#pragma once

#include <cstdint>

// A monotonic counter with a known rate: the steady clock in the program, a fake in tests.
class TickSource {
  public:
    virtual ~TickSource() = default;
    // False when the platform has no such counter.
    virtual bool frequency(int64_t& ticksPerSecond) const = 0;
    virtual int64_t count() const = 0;
};

// Nanosecond ticks of std::chrono::steady_clock.
const TickSource& steadyTicks();

// The stopwatch behind every speed figure. stop/start nest like a counter: only the
// outermost stop freezes the time, and the timer runs again only after as many starts.
class SpeedTimer {
  public:
    explicit SpeedTimer(const TickSource& ticks = steadyTicks());
    virtual ~SpeedTimer() = default;

    virtual void stop();
    virtual void start();
    double elapsedMs() const;

  private:
    const TickSource* ticks;
    int64_t frequency = 0;
    float msPerTick = 0.0f;  // stays 0 without a counter, so every reading is 0 ms
    int64_t startCount = 0;
    int32_t stopDepth = 0;
    double frozenMs = 0.0;
};
