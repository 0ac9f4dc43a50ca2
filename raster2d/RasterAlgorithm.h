#pragma once

#include <memory>

#include "app/SpeedTimer.h"
#include "raster2d/RasterTarget.h"

struct Rgb {
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
};

// What every algorithm family shares: a target, a colour and its own stopwatch. Each drawing
// operation runs inside `bracket`, so its time includes the emission of its pixels.
class RasterAlgorithm {
  public:
    RasterAlgorithm(RasterTarget& output, Rgb startColor)
        : target(&output), color(startColor), timer(std::make_unique<SpeedTimer>()) {}
    virtual ~RasterAlgorithm() = default;

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
    RasterTarget& raster() { return *target; }

  private:
    RasterTarget* target;
    Rgb color;
    std::unique_ptr<SpeedTimer> timer;
};
