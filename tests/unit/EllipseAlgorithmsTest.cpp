#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include "PixelSupport.h"
#include "raster2d/EllipseAlgorithms.h"

namespace {

RecordingTarget bresenhamTarget(int xc, int yc, int a, int b) {
    RecordingTarget target;
    EllipseAlgorithms ellipses(target, {0, 0, 1});
    ellipses.ellipseBresenham(xc, yc, a, b);
    return target;
}

Pixels bresenham(int xc, int yc, int a, int b) { return pixelsOf(bresenhamTarget(xc, yc, a, b)); }

std::vector<PlottedPoint> parametric(int xc, int yc, int a, int b) {
    RecordingTarget target;
    EllipseAlgorithms ellipses(target, {0, 0, 1});
    ellipses.ellipseParametric(xc, yc, a, b);
    return target.points;
}

std::vector<PlottedPoint> general(int xc, int yc, int a, int b, int angle) {
    RecordingTarget target;
    EllipseAlgorithms ellipses(target, {0, 0, 1});
    ellipses.ellipseGeneral(xc, yc, a, b, angle);
    return target.points;
}

std::set<int> rowsOf(const std::set<Pixel>& pixels) {
    std::set<int> rows;
    for (const Pixel& p : pixels)
        rows.insert(p.second);
    return rows;
}

std::set<int> range(int from, int to) {
    std::set<int> out;
    for (int v = from; v <= to; ++v)
        out.insert(v);
    return out;
}

TEST(EllipseBresenham, FiveByThreeInEmissionOrder) {
    // Hand trace, region 1: p = -60, -33, 12 -> -88, -25, 56 -> 6; region 2 starts at 105 - 58.
    const Pixels expected = {{0, 3}, {0, 3},  {0, -3}, {0, -3},  {1, 3}, {-1, 3}, {1, -3}, {-1, -3},
                             {2, 3}, {-2, 3}, {2, -3}, {-2, -3}, {3, 2}, {-3, 2}, {3, -2}, {-3, -2},
                             {4, 2}, {-4, 2}, {4, -2}, {-4, -2},  // region 1 ends here
                             {5, 1}, {-5, 1}, {5, -1}, {-5, -1}, {5, 0}, {-5, 0}, {5, 0},  {-5, 0}};
    EXPECT_EQ(bresenham(0, 0, 5, 3), expected);
    EXPECT_EQ(bresenham(-4, 6, 5, 3), shifted(expected, -4, 6));
    EXPECT_EQ(setOf(expected),
              mirrored({{0, 3}, {1, 3}, {2, 3}, {3, 2}, {4, 2}, {5, 1}, {5, 0}}, false));
}

TEST(EllipseBresenham, SmallAndDegenerateAxes) {
    struct Case {
        int a, b;
        std::set<Pixel> pixels;
    };
    std::set<Pixel> flat;  // a = 10, b = 1, traced by hand: region 2 gets one row to step in
    for (int x = -8; x <= 8; ++x)
        flat.insert({x, 1}), flat.insert({x, -1});
    flat.insert({9, 0});
    flat.insert({-9, 0});
    const Case cases[] = {
        {1, 1, {{1, 0}, {-1, 0}, {0, 1}, {0, -1}}},
        // The region-2 start halves -3 to -2 and then to -1 (toward minus infinity); halving
        // toward zero would give 0, -1 ... and plot the centre instead of (+-1, 0).
        {0, 1, {{1, 0}, {-1, 0}, {0, 1}, {0, -1}}},
        {0, 2, mirrored({{0, 2}, {0, 1}, {0, 0}}, false)},
        {0, 7, mirrored({{0, 7}, {0, 6}, {0, 5}, {0, 4}, {0, 3}, {0, 2}, {0, 1}, {0, 0}}, false)},
        {0, 0, {{0, 0}}},
        {1, 0, {{0, 0}}},
        {25, 0, {{0, 0}}},
        {10, 1, flat},  // stops short of (+-10, 0)
    };
    for (const Case& c : cases) {
        const Pixels expected(c.pixels.begin(), c.pixels.end());
        EXPECT_EQ(setOf(bresenham(0, 0, c.a, c.b)), c.pixels) << "a = " << c.a << ", b = " << c.b;
        EXPECT_EQ(setOf(bresenham(-17, 23, c.a, c.b)), setOf(shifted(expected, -17, 23)))
            << "a = " << c.a << ", b = " << c.b;
    }
}

// r - 1/2 <= |p| <= r + 1/2, in exact integers: (2r - 1)^2 <= 4|p|^2 <= (2r + 1)^2.
bool withinHalfAPixel(const Pixel& p, int r) {
    const std::int64_t x = p.first;
    const std::int64_t y = p.second;
    const std::int64_t twiceR = 2 * std::int64_t{r};
    const std::int64_t fourSquared = 4 * (x * x + y * y);
    return (twiceR - 1) * (twiceR - 1) <= fourSquared && fourSquared <= (twiceR + 1) * (twiceR + 1);
}

// Checks every plot against a circle about the origin, without storing millions of them.
class CircleCheckTarget final : public RasterTarget {
  public:
    explicit CircleCheckTarget(int radius)
        : r(radius), rowSeen(2 * static_cast<std::size_t>(radius) + 1, false) {}
    void setColor(float, float, float) override {}
    void plot(float x, float y) override {
        const Pixel p(static_cast<int>(x), static_cast<int>(y));
        ++plots;
        if (!withinHalfAPixel(p, r) || std::abs(p.second) > r) {
            ++strays;
            return;
        }
        rowSeen[static_cast<std::size_t>(p.second + r)] = true;
        if (std::abs(p.first) + std::abs(p.second) == r && (p.first == 0 || p.second == 0)) {
            vertices.insert(p);
        }
    }
    bool everyRowSeen() const {
        return std::find(rowSeen.begin(), rowSeen.end(), false) == rowSeen.end();
    }

    const int r;
    std::vector<bool> rowSeen;
    std::set<Pixel> vertices;
    std::size_t plots = 0;
    std::size_t strays = 0;
};

// From r = 2^21 on, tA * b = 2 r^3 passes 2^63.
TEST(EllipseBresenham, EqualAxesGiveACircleOutline) {
    for (int r : {10, 2000, 2200000}) {
        CircleCheckTarget target(r);
        EllipseAlgorithms ellipses(target, {0, 0, 1});
        ellipses.ellipseBresenham(0, 0, r, r);
        EXPECT_GT(target.plots, 4u * static_cast<std::size_t>(r)) << r;
        EXPECT_EQ(target.strays, 0u) << r;
        EXPECT_TRUE(target.everyRowSeen()) << r;
        EXPECT_EQ(target.vertices, mirrored({{r, 0}})) << r;
    }
}

TEST(EllipseBresenham, CoordinatesBeyondTheIntRangeDoNotWrapAround) {
    const int kMin = std::numeric_limits<int>::min();
    const RecordingTarget far = bresenhamTarget(kMin + 1, 0, 5, 3);
    ASSERT_EQ(far.points.size(), 28u);
    for (const PlottedPoint& p : far.points)
        EXPECT_LT(p.x, -2.1e9f);
}

// Distance from (x, y), x and y >= 0, to the quarter ellipse: the nearest of dense samples,
// refined by a ternary search between its neighbours.
double distanceToEllipse(double a, double b, double x, double y) {
    auto squared = [&](double t) {
        return std::pow(x - a * std::cos(t), 2) + std::pow(y - b * std::sin(t), 2);
    };
    const int n = 128;
    const double step = std::acos(-1.0) / 2 / n;
    int best = 0;
    for (int i = 1; i <= n; ++i) {
        if (squared(i * step) < squared(best * step)) best = i;
    }
    double lo = std::max(0, best - 1) * step;
    double hi = std::min(n, best + 1) * step;
    for (int i = 0; i < 60; ++i) {
        const double m1 = lo + (hi - lo) / 3;
        const double m2 = hi - (hi - lo) / 3;
        (squared(m1) < squared(m2) ? hi : lo) = squared(m1) < squared(m2) ? m2 : m1;
    }
    return std::sqrt(squared((lo + hi) / 2));
}

TEST(EllipseBresenham, RandomEllipsesAreSymmetricGapFreeAndWithinHalfAPixel) {
    std::mt19937 rng(31337);
    std::uniform_int_distribution<int> axis(1, 250);
    int checked = 0;
    while (checked < 100) {
        const int a = axis(rng);
        const int b = axis(rng);
        // Needles (one semi-axis at least 8 times the square of the other) run out of
        // region-2 rows, one x step each, before they reach their far vertex.
        if (a >= 8 * b * b || b >= 8 * a * a) continue;
        ++checked;
        const std::set<Pixel> pixels = setOf(shifted(bresenham(40, -60, a, b), -40, 60));
        EXPECT_EQ(rowsOf(pixels), range(-b, b)) << a << " x " << b;
        EXPECT_TRUE(pixels.count({a, 0}) && pixels.count({0, b})) << a << " x " << b;
        for (const Pixel& p : pixels) {
            const int x = p.first;
            const int y = p.second;
            ASSERT_TRUE(pixels.count({-x, y}) && pixels.count({x, -y}));
            if (x < 0 || y < 0) continue;  // the mirrors are the same distance away
            ASSERT_LE(distanceToEllipse(a, b, x, y), 0.5)
                << a << " x " << b << " at " << x << "," << y;
        }
    }
}

TEST(EllipseParametric, FlatEllipseSamplesTheXAxisSevenTimes) {
    const std::vector<PlottedPoint> points = parametric(5, 7, 3, 0);
    ASSERT_EQ(points.size(), 28u);
    float previous = 4.0f;
    for (std::size_t i = 0; i < 7; ++i) {
        const PlottedPoint* sample = &points[4 * i];
        const float offset = sample[0].x - 5.0f;
        EXPECT_LT(offset, previous) << "sample " << i;  // moving inward
        EXPECT_NEAR(offset, 3 * std::cos(double(i) * std::acos(-1.0) / 12), 1e-5);
        EXPECT_NEAR(sample[1].x, 5.0f - offset, 1e-5);
        EXPECT_EQ(sample[2], sample[0]);
        EXPECT_EQ(sample[3], sample[1]);
        previous = offset;
    }
    for (const PlottedPoint& p : points)
        EXPECT_EQ(p.y, 7.0f);
    EXPECT_EQ(points[0], (PlottedPoint{8.0f, 7.0f}));
    EXPECT_NEAR(points[24].x, 5.0f, 1e-5);
}

TEST(EllipseParametric, EmptyAndNegativeAxes) {
    // No angle step without a positive semi-axis: the one sample, at angle 0, is (a, 0).
    EXPECT_EQ(parametric(3, 4, 0, 0), std::vector<PlottedPoint>(4, {3.0f, 4.0f}));
    EXPECT_EQ(parametric(3, 4, -2, 0),
              (std::vector<PlottedPoint>{{1.0f, 4.0f}, {5.0f, 4.0f}, {1.0f, 4.0f}, {5.0f, 4.0f}}));
    EXPECT_TRUE(parametric(3, 4, -2, -1).empty());
    EXPECT_EQ(general(3, 4, 0, 0, 35), std::vector<PlottedPoint>(4, {3.0f, 4.0f}));
    EXPECT_TRUE(general(3, 4, -5, -5, 10).empty());
}

TEST(EllipseParametric, RandomEllipsesLieOnTheirCurveFromVertexToVertex) {
    std::mt19937 rng(5);
    std::uniform_int_distribution<int> axis(1, 400);
    for (int n = 0; n < 100; ++n) {
        const int a = axis(rng);
        const int b = axis(rng);
        const std::vector<PlottedPoint> points = parametric(-100, 250, a, b);
        const std::size_t samples = 2u * static_cast<std::size_t>(std::max(a, b)) + 1;
        ASSERT_EQ(points.size(), 4 * samples);
        for (const PlottedPoint& p : points) {
            const double u = (p.x + 100.0) / a;
            const double v = (p.y - 250.0) / b;
            ASSERT_NEAR(u * u + v * v, 1.0, 1e-4) << a << " x " << b;
        }
        EXPECT_EQ(points.front(), (PlottedPoint{-100.0f + float(a), 250.0f}));
        EXPECT_NEAR(points[4 * (samples - 1)].x, -100.0, 1e-3);
        EXPECT_NEAR(points[4 * (samples - 1)].y, 250.0 + b, 1e-3);
    }
}

TEST(EllipseGeneral, AngleZeroMatchesTheParametricPositionsPairwise) {
    for (const auto& [a, b] : {Pixel(3, 0), Pixel(20, 7), Pixel(5, 40), Pixel(13, 13)}) {
        const std::vector<PlottedPoint> axisParallel = parametric(11, -6, a, b);
        const std::vector<PlottedPoint> turned = general(11, -6, a, b, 0);
        ASSERT_EQ(turned.size(), axisParallel.size());
        // parametric: (+,+) (-,+) (+,-) (-,-); general: (+,+) (-,-) (-,+) (+,-)
        for (std::size_t i = 0; i < turned.size(); i += 4) {
            EXPECT_EQ(turned[i], axisParallel[i]);
            EXPECT_EQ(turned[i + 1], axisParallel[i + 3]);
            EXPECT_EQ(turned[i + 2], axisParallel[i + 1]);
            EXPECT_EQ(turned[i + 3], axisParallel[i + 2]);
        }
    }
}

TEST(EllipseGeneral, TurnsCounterClockwiseAboutTheCentre) {
    struct Case {
        int a, b, angle;
    };
    for (const Case& c : {Case{40, 10, 90}, Case{40, 10, 30}, Case{7, 25, -60}, Case{30, 30, 200},
                          Case{50, 20, 405}}) {
        const std::vector<PlottedPoint> points = general(-30, 80, c.a, c.b, c.angle);
        const double alpha = c.angle * std::acos(-1.0) / 180.0;
        // The first point is the vertex (a, 0) turned by alpha.
        EXPECT_NEAR(points[0].x, -30 + c.a * std::cos(alpha), 1e-3) << c.angle;
        EXPECT_NEAR(points[0].y, 80 + c.a * std::sin(alpha), 1e-3) << c.angle;
        double spanX = 0;
        double spanY = 0;
        for (const PlottedPoint& p : points) {
            const double dx = p.x + 30.0;
            const double dy = p.y - 80.0;
            // Turned back by -alpha, every point lies on the axis-parallel ellipse.
            const double u = (dx * std::cos(alpha) + dy * std::sin(alpha)) / c.a;
            const double v = (-dx * std::sin(alpha) + dy * std::cos(alpha)) / c.b;
            ASSERT_NEAR(u * u + v * v, 1.0, 1e-4) << c.angle;
            spanX = std::max(spanX, std::abs(dx));
            spanY = std::max(spanY, std::abs(dy));
        }
        if (c.angle == 90) {  // the long axis now stands vertical
            EXPECT_NEAR(spanY, 40.0, 1e-3);
            EXPECT_NEAR(spanX, 10.0, 1e-3);
        }
    }
}

}  // namespace
