#include "model/SpeedTimer.h"

#include <chrono>

namespace {

class SteadyTicks final : public TickSource {
  public:
    bool frequency(int64_t& ticksPerSecond) const override {
        using Period = std::chrono::steady_clock::period;
        ticksPerSecond = Period::den / Period::num;
        return true;
    }
    int64_t count() const override {
        return std::chrono::steady_clock::now().time_since_epoch().count();
    }
};

}  // namespace

const TickSource& steadyTicks() {
    static const SteadyTicks ticks;
    return ticks;
}

SpeedTimer::SpeedTimer(const TickSource& source) : ticks(&source) {
    if (ticks->frequency(frequency) && frequency > 0) {
        startCount = ticks->count();
        msPerTick = static_cast<float>((1.0 / static_cast<double>(frequency)) * 1000.0);
    }
}

double SpeedTimer::elapsedMs() const {
    if (stopDepth > 0) return frozenMs;
    const int64_t difference = ticks->count() - startCount;
    return static_cast<double>(difference) * static_cast<double>(msPerTick);
}

void SpeedTimer::stop() {
    if (stopDepth == 0) frozenMs = elapsedMs();
    ++stopDepth;
}

void SpeedTimer::start() {
    if (stopDepth > 0) --stopDepth;
    if (stopDepth == 0) startCount = ticks->count();
}
