#pragma once

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "model/Types.h"
#include "raster2d/CurveMath.h"
#include "raster2d/RasterTarget.h"
#include "raster2d/TwoStepLine.h"

// The algorithms written the way one writes them for speed alone: into a plain array, with no
// target, colour or timer. Each emits the same points in the same order as its algorithm object
// (the ratio benchmarks check that before they time anything) and returns the end of what it
// wrote. The ratio of the two is what the raster target costs.
namespace inline_form {

using Out = PlottedPoint*;

inline void put(Out& out, int x, int y) { *out++ = {static_cast<float>(x), static_cast<float>(y)}; }

inline int signOf(int delta) { return delta < 0 ? -1 : 1; }

inline Out lineBresenham(int x1, int y1, int x2, int y2, Out out) {
    const int dx = std::abs(x2 - x1);
    const int dy = std::abs(y2 - y1);
    const int sx = signOf(x2 - x1);
    const int sy = signOf(y2 - y1);
    int x = x1;
    int y = y1;
    put(out, x, y);
    if (dx > dy) {
        int e = 2 * dy - dx;
        while (x != x2) {
            if (e >= 0) {
                y += sy;
                e -= 2 * dx;
            }
            x += sx;
            e += 2 * dy;
            put(out, x, y);
        }
    } else {
        int e = 2 * dx - dy;
        while (y != y2) {
            if (e >= 0) {
                x += sx;
                e -= 2 * dy;
            }
            y += sy;
            e += 2 * dx;
            put(out, x, y);
        }
    }
    return out;
}

inline Out lineDDA(int x1, int y1, int x2, int y2, Out out) {
    const int dx = x2 - x1;
    const int dy = y2 - y1;
    const int sx = signOf(dx);
    const int sy = signOf(dy);
    put(out, x1, y1);
    if (std::abs(dx) > std::abs(dy)) {
        const float inc = static_cast<float>(sx * (static_cast<double>(dy) / dx));
        float acc = static_cast<float>(y1 + 0.5);
        for (int x = x1; x != x2;) {
            acc = acc + inc;
            x += sx;
            put(out, x, static_cast<int>(acc));
        }
    } else if (dy != 0) {
        const float inc = static_cast<float>(sy * (static_cast<double>(dx) / dy));
        float acc = static_cast<float>(x1 + 0.5);
        for (int y = y1; y != y2;) {
            acc = acc + inc;
            y += sy;
            put(out, static_cast<int>(acc), y);
        }
    }
    return out;
}

inline Out lineTwoStep(int x1, int y1, int x2, int y2, Out out) {
    TwoStepLine line(x1, y1, x2, y2, [&out](int x, int y) { put(out, x, y); });
    line.run();
    return out;
}

inline Out circleBresenham(int xc, int yc, int r, Out out) {
    int d = 3 - 2 * r;
    put(out, xc, yc + r);
    put(out, xc + r, yc);
    put(out, xc, yc - r);
    put(out, xc - r, yc);
    int y = r;
    for (int x = 0; x < y; ++x) {
        put(out, xc + x, yc + y);
        put(out, xc + x, yc - y);
        put(out, xc + y, yc + x);
        put(out, xc + y, yc - x);
        put(out, xc - x, yc + y);
        put(out, xc - x, yc - y);
        put(out, xc - y, yc + x);
        put(out, xc - y, yc - x);
        if (d >= 0) {
            d += 4 * (x - y) + 10;
            --y;
        } else {
            d += 4 * x + 6;
        }
    }
    return out;
}

inline Out circleRotation(int xc, int yc, int r, Out out) {
    const double angle = r <= 30 ? 50.0 : r <= 200 ? 25.0 : 12.5;
    const int steps = r <= 30 ? 3 : r <= 200 ? 6 : 12;
    const float c = static_cast<float>(std::cos(angle));
    const float s = static_cast<float>(std::sin(angle));
    const float cx = static_cast<float>(xc);
    const float cy = static_cast<float>(yc);
    auto chord = [&out](float ax, float ay, float bx, float by) {
        out = lineBresenham(static_cast<int>(ax), static_cast<int>(ay), static_cast<int>(bx),
                            static_cast<int>(by), out);
    };
    float x = static_cast<float>(r);
    float y = 0.0f;
    for (int step = 0; step < steps; ++step) {
        const float xn = x * c - y * s;
        const float yn = x * s + y * c;
        chord(cx + x, cy + y, cx + xn, cy + yn);
        chord(cx + x, cy - y, cx + xn, cy - yn);
        chord(cx - x, cy - y, cx - xn, cy - yn);
        chord(cx - x, cy + y, cx - xn, cy + yn);
        chord(cx + y, cy + x, cx + yn, cy + xn);
        chord(cx + y, cy - x, cx + yn, cy - xn);
        chord(cx - y, cy - x, cx - yn, cy - xn);
        chord(cx - y, cy + x, cx - yn, cy + xn);
        x = xn;
        y = yn;
    }
    return out;
}

inline Out circleParametric(int xc, int yc, int r, Out out) {
    const float dt = static_cast<float>(3.141592654 / (4.0 * r));
    const float X = static_cast<float>(xc);
    const float Y = static_cast<float>(yc);
    for (int i = 0; i <= r; ++i) {
        const float t = static_cast<float>(i) * dt;
        const float cx = static_cast<float>(std::cos(double{t}) * r);
        const float sy = static_cast<float>(std::sin(double{t}) * r);
        *out++ = {X + cx, Y + sy};
        *out++ = {X + cx, Y - sy};
        *out++ = {X + sy, Y + cx};
        *out++ = {X + sy, Y - cx};
        *out++ = {X - cx, Y + sy};
        *out++ = {X - cx, Y - sy};
        *out++ = {X - sy, Y + cx};
        *out++ = {X - sy, Y - cx};
    }
    return out;
}

inline Out ellipseBresenham(int xc, int yc, int a, int b, Out out) {
    auto four = [&out, xc, yc](int x, int y) {
        put(out, xc + x, yc + y);
        put(out, xc - x, yc + y);
        put(out, xc + x, yc - y);
        put(out, xc - x, yc - y);
    };
    const std::int64_t A = std::int64_t{a} * a;
    const std::int64_t B = std::int64_t{b} * b;
    const std::int64_t tA = 2 * A;
    const std::int64_t tB = 2 * B;
    int x = 0;
    int y = b;
    std::int64_t px = 0;
    std::int64_t py = tA * b;
    std::int64_t p = B - A * b + (A >> 2);
    while (px < py) {
        four(x, y);
        if (p >= 0) {
            --y;
            py -= tA;
            p -= py;
        }
        ++x;
        px += tB;
        p += px + B;
    }
    p += (((3 * (A - B)) >> 1) - py - px) >> 1;  // arithmetic shifts, as GCC makes them
    while (y >= 0) {
        four(x, y);
        if (p <= 0) {
            ++x;
            px += tB;
            p += px;
        }
        py -= tA;
        p += A - py;
        --y;
    }
    return out;
}

inline Out ellipseParametric(int xc, int yc, int a, int b, Out out) {
    const int m = a > b ? a : b;
    const float dt = static_cast<float>(3.141592654 / (4.0 * m));
    const float X = static_cast<float>(xc);
    const float Y = static_cast<float>(yc);
    for (int i = 0; i <= 2 * m; ++i) {
        const float t = static_cast<float>(i) * dt;
        const float cx = static_cast<float>(std::cos(double{t}) * a);
        const float sy = static_cast<float>(std::sin(double{t}) * b);
        *out++ = {X + cx, Y + sy};
        *out++ = {X - cx, Y + sy};
        *out++ = {X + cx, Y - sy};
        *out++ = {X - cx, Y - sy};
    }
    return out;
}

inline Out ellipseGeneral(int xc, int yc, int a, int b, int angle, Out out) {
    const float c1 = static_cast<float>(std::cos(angle * 0.01745329252));
    const float s1 = static_cast<float>(std::sin(angle * 0.01745329252));
    const float c2 = static_cast<float>(std::cos(-angle * 0.01745329252));
    const float s2 = static_cast<float>(std::sin(-angle * 0.01745329252));
    const int m = a > b ? a : b;
    const float dt = static_cast<float>(3.141592654 / (4.0 * m));
    const float X = static_cast<float>(xc);
    const float Y = static_cast<float>(yc);
    for (int i = 0; i <= 2 * m; ++i) {
        const float t = static_cast<float>(i) * dt;
        const float cx = static_cast<float>(std::cos(double{t}) * a);
        const float sy = static_cast<float>(std::sin(double{t}) * b);
        const float w1 = cx * c1 - sy * s1;
        const float h1 = cx * s1 + sy * c1;
        *out++ = {X + w1, Y + h1};
        *out++ = {X - w1, Y - h1};
        const float w2 = cx * c2 - sy * s2;
        const float h2 = cx * s2 + sy * c2;
        *out++ = {X - w2, Y + h2};
        *out++ = {X + w2, Y - h2};
    }
    return out;
}

// The iterative cubic Bezier: N samples joined by Bresenham chords, the first chord the one
// pixel at the start.
inline Out bezierCubicIterative(const Point3 (&p)[4], int samples, Out out) {
    const double step = 1.0 / (samples - 1);
    const double bound = 1.0 + 1.0 / samples;
    float t = 0.0f;
    double sum = 0.0;
    Point3 prev = p[0];
    do {
        const Point3 q = curve::bezierCubicPoint(p[0], p[1], p[2], p[3], t);
        out = lineBresenham(static_cast<int>(prev.x), static_cast<int>(prev.y),
                            static_cast<int>(q.x), static_cast<int>(q.y), out);
        prev = q;
        sum = static_cast<double>(t) + step;
        t = static_cast<float>(sum);
    } while (sum <= bound);
    return out;
}

}  // namespace inline_form
