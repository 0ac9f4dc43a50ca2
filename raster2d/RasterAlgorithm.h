#pragma once

#include <memory>

#include "model/SpeedTimer.h"
#include "model/Types.h"
#include "raster2d/RasterTarget.h"

// What every algorithm family shares: a target, a colour and its own stopwatch. Each drawing
// operation runs inside `bracket`, so its time includes handing its pixels to the target.
class RasterAlgorithm {
  public:
    RasterAlgorithm(RasterTarget& output, Rgb startColor)
        : target(&output), color(startColor), timer(std::make_unique<SpeedTimer>()) {}
    virtual ~RasterAlgorithm() = default;

    // The value of pi that the angle steps of the parametric forms divide.
    static constexpr double kPi = 3.141592654;

    virtual void setColor(float r, float g, float b) { color = {r, g, b}; }
    const Rgb& currentColor() const { return color; }

  protected:
    // The points go on to the target before the timer stops, so that the time includes their
    // emission, a nested operation's included.
    template <class Work>
    double bracket(Work&& work) {
        target->beginOperation(color);
        timer->start();
        work();
        target->endOperation();
        timer->stop();
        return timer->elapsedMs();
    }

    void plotPixel(int x, int y) { target->put(static_cast<float>(x), static_cast<float>(y)); }
    void plotPoint(float x, float y) { target->put(x, y); }

    RasterTarget& output() { return *target; }

  private:
    RasterTarget* target;
    Rgb color;
    std::unique_ptr<SpeedTimer> timer;
};
