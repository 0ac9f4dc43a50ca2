#pragma once

#include <cstddef>
#include <vector>

// The one primitive between a 2D algorithm and the screen. The program's target emits a GL
// point per call; tests and benchmarks record or count the calls.
class RasterTarget {
  public:
    virtual ~RasterTarget() = default;
    virtual void setColor(float r, float g, float b) = 0;
    // Integer algorithms pass whole numbers; the parametric forms pass unsnapped positions.
    virtual void plot(float x, float y) = 0;
};

struct PlottedPoint {
    float x;
    float y;
    bool operator==(const PlottedPoint& o) const { return x == o.x && y == o.y; }
};

// Keeps every plot and colour change in order, so a test sees exactly what an algorithm did.
class RecordingTarget final : public RasterTarget {
  public:
    struct ColorChange {
        std::size_t atPlot;  // number of plots made before the change
        float r, g, b;
    };

    void setColor(float r, float g, float b) override {
        colors.push_back({points.size(), r, g, b});
    }
    void plot(float x, float y) override { points.push_back({x, y}); }
    void clear() {
        points.clear();
        colors.clear();
    }

    std::vector<PlottedPoint> points;
    std::vector<ColorChange> colors;
};

// Counts plots without storing them: the cheapest target, for benchmarks.
class CountingTarget final : public RasterTarget {
  public:
    void setColor(float, float, float) override {}
    void plot(float x, float y) override {
        ++count;
        checksum += x + y;  // keeps the optimiser from dropping the arithmetic
    }
    std::size_t count = 0;
    double checksum = 0.0;
};
