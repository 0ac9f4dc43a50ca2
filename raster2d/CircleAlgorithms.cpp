#include "raster2d/CircleAlgorithms.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

struct Rotation {
    double angle;  // radians, used as the plain number it is
    int steps;
};

// 50, 25 and 12.5 radians turn by about -15.2, -7.6 and -3.8 degrees, so each step count
// covers a little more than one octant.
Rotation rotationFor(int r) {
    if (r <= 30) return {50.0, 3};
    if (r <= 200) return {25.0, 6};
    return {12.5, 12};
}

// Truncation toward zero, as every float-to-pixel conversion here. Ends far outside any window
// are pinned to +-2^28 first: the conversion stays defined and lineBresenham's doubled deltas
// stay inside an int.
int chordEnd(float v) {
    constexpr float kFar = 268435456.0f;
    return static_cast<int>(std::clamp(v, -kFar, kFar));
}

}  // namespace

CircleAlgorithms::CircleAlgorithms(RasterTarget& output, Rgb startColor)
    : RasterAlgorithm(output, startColor), lineDrawer(output, {1.0f, 0.0f, 0.0f}) {}

double CircleAlgorithms::circleBresenham(int xc, int yc, int r) {
    return bracket([&] { bresenhamPixels(xc, yc, r); });
}

double CircleAlgorithms::circleRotation(int xc, int yc, int r) {
    return bracket([&] { rotationChords(xc, yc, r); });
}

double CircleAlgorithms::circleParametric(int xc, int yc, int r) {
    return bracket([&] { parametricPoints(xc, yc, r); });
}

void CircleAlgorithms::bresenhamPixels(int xc, int yc, int r) {
    const std::int64_t cx = xc;
    const std::int64_t cy = yc;
    const std::int64_t radius = r;
    // d sums the squared-distance errors of the two candidate pixels. It and the coordinate
    // sums are 64-bit: 2r and 4(x - y) overflow an int for radii near its limit.
    std::int64_t d = 3 - 2 * radius;
    plotWide(cx, cy + radius);
    plotWide(cx + radius, cy);
    plotWide(cx, cy - radius);
    plotWide(cx - radius, cy);
    std::int64_t y = radius;
    for (std::int64_t x = 0; x < y; ++x) {  // stops as x reaches y: no pixel with x = y
        plotEight(cx, cy, x, y);
        if (d >= 0) {
            d += 4 * (x - y) + 10;
            --y;
        } else {
            d += 4 * x + 6;
        }
    }
}

void CircleAlgorithms::rotationChords(int xc, int yc, int r) {
    const Rgb& own = currentColor();
    lineDrawer.setColor(own.r, own.g, own.b);
    const Rotation rotation = rotationFor(r);
    // The rotation and every point it produces are kept in single precision: the chord ends
    // are truncated from these floats, and a double rotation moves some of them.
    const float c = static_cast<float>(std::cos(rotation.angle));
    const float s = static_cast<float>(std::sin(rotation.angle));
    const float centreX = static_cast<float>(xc);
    const float centreY = static_cast<float>(yc);
    float x = static_cast<float>(r);
    float y = 0.0f;
    for (int step = 0; step < rotation.steps; ++step) {
        const float xNext = x * c - y * s;
        const float yNext = x * s + y * c;
        chord(centreX + x, centreY + y, centreX + xNext, centreY + yNext);
        chord(centreX + x, centreY - y, centreX + xNext, centreY - yNext);
        chord(centreX - x, centreY - y, centreX - xNext, centreY - yNext);
        chord(centreX - x, centreY + y, centreX - xNext, centreY + yNext);
        chord(centreX + y, centreY + x, centreX + yNext, centreY + xNext);
        chord(centreX + y, centreY - x, centreX + yNext, centreY - xNext);
        chord(centreX - y, centreY - x, centreX - yNext, centreY - xNext);
        chord(centreX - y, centreY + x, centreX - yNext, centreY + xNext);
        x = xNext;
        y = yNext;
    }
}

void CircleAlgorithms::parametricPoints(int xc, int yc, int r) {
    if (r < 0) return;
    // The step is divided in double and kept in single precision. A zero radius has no step:
    // its one sample, at angle 0, is the centre.
    const float dt = r == 0 ? 0.0f : static_cast<float>(kPi / (4.0 * r));
    const float centreX = static_cast<float>(xc);
    const float centreY = static_cast<float>(yc);
    for (std::int64_t i = 0; i <= r; ++i) {
        const float t = static_cast<float>(i) * dt;
        const float cx = static_cast<float>(std::cos(double{t}) * r);
        const float sy = static_cast<float>(std::sin(double{t}) * r);
        // Unsnapped: the parametric form shows where its samples really are.
        plotPoint(centreX + cx, centreY + sy);
        plotPoint(centreX + cx, centreY - sy);
        plotPoint(centreX + sy, centreY + cx);
        plotPoint(centreX + sy, centreY - cx);
        plotPoint(centreX - cx, centreY + sy);
        plotPoint(centreX - cx, centreY - sy);
        plotPoint(centreX - sy, centreY + cx);
        plotPoint(centreX - sy, centreY - cx);
    }
}

void CircleAlgorithms::plotEight(std::int64_t xc, std::int64_t yc, std::int64_t x, std::int64_t y) {
    plotWide(xc + x, yc + y);
    plotWide(xc + x, yc - y);
    plotWide(xc + y, yc + x);
    plotWide(xc + y, yc - x);
    plotWide(xc - x, yc + y);
    plotWide(xc - x, yc - y);
    plotWide(xc - y, yc + x);
    plotWide(xc - y, yc - x);
}

void CircleAlgorithms::chord(float x1, float y1, float x2, float y2) {
    lineDrawer.lineBresenham(chordEnd(x1), chordEnd(y1), chordEnd(x2), chordEnd(y2));
}
