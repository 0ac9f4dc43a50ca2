#include "raster2d/EllipseAlgorithms.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

constexpr double kRadiansPerDegree = 0.01745329252;

__extension__ typedef __int128 Int128;

// The decision terms of the midpoint walk stay below 8 max(a, b)^3: 64 bits hold them for
// semi-axes up to 2^19, and the rare wider ellipse (only a file can ask for one) takes 128.
constexpr std::int64_t kNarrowAxisLimit = std::int64_t{1} << 19;

// An arithmetic right shift by one: rounds toward minus infinity, which `/` does not do for
// negative values and `>>` does only by the compiler's choice.
template <class T>
T floorHalf(T v) {
    return (v - (v < 0 ? 1 : 0)) / 2;
}

// Samples of the parametric forms: 2m + 1 angles from 0 to a quarter turn, m the larger
// semi-axis. The step is divided in double and kept in single precision; m = 0 has no step,
// and its one sample, at angle 0, is the centre (or the point (a, 0) for a negative a).
struct Sampling {
    float dt;
    std::int64_t last;  // index of the last sample; negative when there is none
};

Sampling samplingFor(int a, int b) {
    const int m = std::max(a, b);
    const float dt = m == 0 ? 0.0f : static_cast<float>(RasterAlgorithm::kPi / (4.0 * m));
    return {dt, 2 * std::int64_t{m}};
}

// One sample of the axis-parallel ellipse: (cos t * a, sin t * b) in single precision.
struct Sample {
    float cx;
    float sy;
};

Sample sampleAt(std::int64_t i, float dt, int a, int b) {
    const float t = static_cast<float>(i) * dt;
    return {static_cast<float>(std::cos(double{t}) * a),
            static_cast<float>(std::sin(double{t}) * b)};
}

// A pixel beyond the int range (a centre near the limits plus a semi-axis) becomes the
// nearest float instead of wrapping around; inside the range that is the pixel itself.
PlottedPoint widePixel(std::int64_t x, std::int64_t y) {
    return {static_cast<float>(x), static_cast<float>(y)};
}

// The four mirror images with one room check.
inline void plotFour(RasterTarget& out, std::int64_t xc, std::int64_t yc, std::int64_t x,
                     std::int64_t y) {
    PlottedPoint* p = out.room(4);
    p[0] = widePixel(xc + x, yc + y);
    p[1] = widePixel(xc - x, yc + y);
    p[2] = widePixel(xc + x, yc - y);
    p[3] = widePixel(xc - x, yc - y);
    out.commit(p + 4);
}

}  // namespace

double EllipseAlgorithms::ellipseBresenham(int xc, int yc, int a, int b) {
    return bracket([&] {
        const std::int64_t widest = std::max(std::llabs(a), std::llabs(b));
        if (widest <= kNarrowAxisLimit) {
            bresenhamPixels<std::int64_t>(xc, yc, a, b);
        } else {
            bresenhamPixels<Int128>(xc, yc, a, b);
        }
    });
}

double EllipseAlgorithms::ellipseParametric(int xc, int yc, int a, int b) {
    return bracket([&] { parametricPoints(xc, yc, a, b); });
}

double EllipseAlgorithms::ellipseGeneral(int xc, int yc, int a, int b, int angle) {
    return bracket([&] { generalPoints(xc, yc, a, b, angle); });
}

template <class Wide>
void EllipseAlgorithms::bresenhamPixels(int xc, int yc, int a, int b) {
    const Wide A = Wide{a} * a;
    const Wide B = Wide{b} * b;
    const Wide tA = 2 * A;
    const Wide tB = 2 * B;
    std::int64_t x = 0;
    std::int64_t y = b;

    // Region 1, from the top while the slope is above -1: x steps every time.
    Wide px = 0;
    Wide py = tA * b;
    Wide p = B - A * b + (A >> 2);  // A is never negative, so the shift is a plain quarter
    while (px < py) {
        plotFour(output(), xc, yc, x, y);
        if (p >= 0) {
            --y;
            py -= tA;
            p -= py;
        }
        ++x;
        px += tB;
        p += px + B;
    }

    // Region 2, down to the row y = 0: y steps every time.
    p += floorHalf(floorHalf(3 * (A - B)) - py - px);
    while (y >= 0) {
        plotFour(output(), xc, yc, x, y);
        if (p <= 0) {
            ++x;
            px += tB;
            p += px;
        }
        py -= tA;
        p += A - py;
        --y;
    }
}

void EllipseAlgorithms::parametricPoints(int xc, int yc, int a, int b) {
    const Sampling sampling = samplingFor(a, b);
    const float centreX = static_cast<float>(xc);
    const float centreY = static_cast<float>(yc);
    for (std::int64_t i = 0; i <= sampling.last; ++i) {
        const Sample s = sampleAt(i, sampling.dt, a, b);
        // Unsnapped: the parametric form shows where its samples really are.
        plotPoint(centreX + s.cx, centreY + s.sy);
        plotPoint(centreX - s.cx, centreY + s.sy);
        plotPoint(centreX + s.cx, centreY - s.sy);
        plotPoint(centreX - s.cx, centreY - s.sy);
    }
}

void EllipseAlgorithms::generalPoints(int xc, int yc, int a, int b, int angle) {
    // Two rotations, by alpha and by -alpha, each as single-precision cosine and sine. The
    // negation is done in double so that the smallest int angle has a negative too.
    const double alpha = angle * kRadiansPerDegree;
    const double minusAlpha = -static_cast<double>(angle) * kRadiansPerDegree;
    const float c1 = static_cast<float>(std::cos(alpha));
    const float s1 = static_cast<float>(std::sin(alpha));
    const float c2 = static_cast<float>(std::cos(minusAlpha));
    const float s2 = static_cast<float>(std::sin(minusAlpha));
    const Sampling sampling = samplingFor(a, b);
    const float centreX = static_cast<float>(xc);
    const float centreY = static_cast<float>(yc);
    for (std::int64_t i = 0; i <= sampling.last; ++i) {
        const Sample s = sampleAt(i, sampling.dt, a, b);
        // (cx, sy) and (-cx, -sy) turned by alpha...
        const float w1 = s.cx * c1 - s.sy * s1;
        const float h1 = s.cx * s1 + s.sy * c1;
        plotPoint(centreX + w1, centreY + h1);
        plotPoint(centreX - w1, centreY - h1);
        // ...then (-cx, sy) and (cx, -sy) turned by alpha, written with the cosine and sine
        // of -alpha.
        const float w2 = s.cx * c2 - s.sy * s2;
        const float h2 = s.cx * s2 + s.sy * c2;
        plotPoint(centreX - w2, centreY + h2);
        plotPoint(centreX + w2, centreY - h2);
    }
}
