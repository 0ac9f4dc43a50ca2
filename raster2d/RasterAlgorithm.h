#pragma once

#include <cstdint>
#include <limits>
#include <memory>

#include "model/SpeedTimer.h"
#include "model/Types.h"
#include "raster2d/RasterTarget.h"

// What every algorithm family shares: a target, a colour and its own stopwatch. Each drawing
// operation runs inside `bracket`, so its time includes the emission of its pixels.
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
    template <class Work>
    double bracket(Work&& work) {
        target->setColor(color.r, color.g, color.b);
        timer->start();
        work();
        timer->stop();
        return timer->elapsedMs();
    }

    void plotPixel(int x, int y) { target->plot(static_cast<float>(x), static_cast<float>(y)); }
    void plotPoint(float x, float y) { target->plot(x, y); }
    // A pixel beyond the int range (a centre near the limits plus a radius or semi-axis) cannot
    // be a grid pixel; it goes to the target as the nearest float instead of wrapping around.
    void plotWide(std::int64_t x, std::int64_t y) {
        if (fitsInt(x) && fitsInt(y)) {
            plotPixel(static_cast<int>(x), static_cast<int>(y));
        } else {
            plotPoint(static_cast<float>(x), static_cast<float>(y));
        }
    }

  private:
    static bool fitsInt(std::int64_t v) {
        return v >= std::numeric_limits<int>::min() && v <= std::numeric_limits<int>::max();
    }

    RasterTarget* target;
    Rgb color;
    std::unique_ptr<SpeedTimer> timer;
};
