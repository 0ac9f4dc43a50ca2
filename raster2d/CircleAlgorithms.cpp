#include "raster2d/CircleAlgorithms.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
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

// The eight mirror images with one room check, so that the stores run as into a plain array.
template <class Coord>
inline void plotEight(RasterTarget& out, Coord xc, Coord yc, Coord x, Coord y) {
    PlottedPoint* p = out.room(8);
    p[0] = {static_cast<float>(xc + x), static_cast<float>(yc + y)};
    p[1] = {static_cast<float>(xc + x), static_cast<float>(yc - y)};
    p[2] = {static_cast<float>(xc + y), static_cast<float>(yc + x)};
    p[3] = {static_cast<float>(xc + y), static_cast<float>(yc - x)};
    p[4] = {static_cast<float>(xc - x), static_cast<float>(yc + y)};
    p[5] = {static_cast<float>(xc - x), static_cast<float>(yc - y)};
    p[6] = {static_cast<float>(xc - y), static_cast<float>(yc + x)};
    p[7] = {static_cast<float>(xc - y), static_cast<float>(yc - x)};
    out.commit(p + 8);
}

// The midpoint walk over one octant. Coord is int when every pixel fits one (the compiler then
// converts four of them at once) and 64-bit otherwise, where the float of a pixel beyond the
// int range is its nearest value rather than a wrapped one.
template <class Coord>
void midpointCircle(RasterTarget& out, Coord cx, Coord cy, Coord r) {
    // d sums the squared-distance errors of the two candidate pixels; 2r and 4(x - y)
    // overflow an int for radii near its limit.
    std::int64_t d = 3 - 2 * std::int64_t{r};
    out.put(static_cast<float>(cx), static_cast<float>(cy + r));
    out.put(static_cast<float>(cx + r), static_cast<float>(cy));
    out.put(static_cast<float>(cx), static_cast<float>(cy - r));
    out.put(static_cast<float>(cx - r), static_cast<float>(cy));
    Coord y = r;
    for (Coord x = 0; x < y; ++x) {  // stops as x reaches y: no pixel with x = y
        plotEight(out, cx, cy, x, y);
        if (d >= 0) {
            d += 4 * (std::int64_t{x} - y) + 10;
            --y;
        } else {
            d += 4 * std::int64_t{x} + 6;
        }
    }
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
    const std::int64_t reach = std::max(std::llabs(xc), std::llabs(yc)) + std::llabs(r);
    if (reach <= std::numeric_limits<int>::max()) {
        midpointCircle<int>(output(), xc, yc, r);
    } else {
        midpointCircle<std::int64_t>(output(), xc, yc, r);
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

void CircleAlgorithms::chord(float x1, float y1, float x2, float y2) {
    lineDrawer.lineBresenham(chordEnd(x1), chordEnd(y1), chordEnd(x2), chordEnd(y2));
}
