#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "Support.h"

namespace {

std::vector<PlottedPoint> draw(double (EllipseAlgorithms::*op)(int, int, int, int), int xc, int yc,
                               int a, int b) {
    RecordingTarget target;
    EllipseAlgorithms ellipses(target, {0, 0, 1});
    (ellipses.*op)(xc, yc, a, b);
    return target.points;
}

Pixels bresenham(int xc, int yc, int a, int b) {
    return pixelsOf(draw(&EllipseAlgorithms::ellipseBresenham, xc, yc, a, b));
}

std::vector<PlottedPoint> parametric(int xc, int yc, int a, int b) {
    return draw(&EllipseAlgorithms::ellipseParametric, xc, yc, a, b);
}

std::vector<PlottedPoint> general(int xc, int yc, int a, int b, int angle) {
    RecordingTarget target;
    EllipseAlgorithms ellipses(target, {0, 0, 1});
    ellipses.ellipseGeneral(xc, yc, a, b, angle);
    return target.points;
}

TEST(EllipseBresenham, KnownPixels) {
    // Region 1: p = -60, -33, 12 -> -88, -25, 56 -> 6; region 2 starts at 105 - 58.
    const Pixels fiveByThree = {{0, 3},   {0, 3},   {0, -3},  {0, -3}, {1, 3},   {-1, 3},  {1, -3},
                                {-1, -3}, {2, 3},   {-2, 3},  {2, -3}, {-2, -3}, {3, 2},   {-3, 2},
                                {3, -2},  {-3, -2}, {4, 2},   {-4, 2}, {4, -2},  {-4, -2}, {5, 1},
                                {-5, 1},  {5, -1},  {-5, -1}, {5, 0},  {-5, 0},  {5, 0},   {-5, 0}};
    EXPECT_EQ(bresenham(-4, 6, 5, 3), shifted(fiveByThree, -4, 6));
    Pixels flat;  // region 2 gets one row to step in, and stops short of (+-10, 0)
    for (int x = -8; x <= 8; ++x)
        flat.insert(flat.end(), {{x, 1}, {x, -1}});
    flat.insert(flat.end(), {{9, 0}, {-9, 0}});
    const struct {
        int a, b;
        Pixels pixels;
    } cases[] = {
        {1, 1, {{1, 0}, {-1, 0}, {0, 1}, {0, -1}}},
        // Region 2 starts at -3 halved to -2, then -1: toward minus infinity. Halving toward
        // zero would give 0 and plot the centre instead of (+-1, 0).
        {0, 1, {{1, 0}, {-1, 0}, {0, 1}, {0, -1}}},
        {0, 2, mirrored({{0, 2}, {0, 1}, {0, 0}}, false)},
        {0, 0, {{0, 0}}},
        {25, 0, {{0, 0}}},
        {10, 1, flat},
        // Region 1 ends after one row; region 2 steps x at its first row only.
        {2, 4, mirrored({{0, 4}, {1, 3}, {2, 2}, {2, 1}, {2, 0}}, false)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(setOf(bresenham(-17, 23, c.a, c.b)), setOf(shifted(c.pixels, -17, 23)))
            << c.a << " x " << c.b;
    }
}

// Equal semi-axes give a circle outline: every pixel within half a pixel of the circle, every
// row reached, the vertices on the axes. 2200000 is beyond where tA * b fits 64 bits.
TEST(EllipseBresenham, EqualAxesGiveACircle) {
    // The outline of a circle: within half a pixel, every row reached, the vertices plotted.
    const std::set<Pixel> round = setOf(bresenham(0, 0, 10, 10));
    std::set<int> rows;
    for (const auto& [x, y] : round) {
        rows.insert(y);
        EXPECT_LT(std::abs(std::hypot(x, y) - 10), 0.5) << x << "," << y;
    }
    EXPECT_EQ(rows.size(), 21u);
    for (const Pixel& vertex : mirrored({{10, 0}}))
        EXPECT_TRUE(round.count(vertex)) << vertex.first << "," << vertex.second;
    // Centres at the int limits: pixels beyond it come out as floats, never wrapped around.
    const std::vector<PlottedPoint> far =
        draw(&EllipseAlgorithms::ellipseBresenham, std::numeric_limits<int>::min() + 1, 0, 5, 3);
    ASSERT_EQ(far.size(), 28u);
    for (const PlottedPoint& p : far)
        EXPECT_LT(p.x, -2.1e9f);
}

// 2m + 1 samples from vertex (a, 0) to co-vertex (0, b), mirrored four ways.
TEST(EllipseParametric, Samples) {
    const std::vector<PlottedPoint> flat = parametric(5, 7, 3, 0);
    ASSERT_EQ(flat.size(), 28u);
    for (std::size_t i = 0; i < 7; ++i) {
        const float offset = static_cast<float>(3 * std::cos(double(i) * std::acos(-1.0) / 12));
        const std::vector<PlottedPoint> four = {
            {5 + offset, 7}, {5 - offset, 7}, {5 + offset, 7}, {5 - offset, 7}};
        for (std::size_t k = 0; k < 4; ++k) {
            EXPECT_NEAR(flat[4 * i + k].x, four[k].x, 1e-5) << i;
            EXPECT_EQ(flat[4 * i + k].y, 7.0f) << i;
        }
    }
    // No angle step without a positive semi-axis: the one sample, at angle 0, is (a, 0).
    EXPECT_EQ(parametric(3, 4, 0, 0), std::vector<PlottedPoint>(4, {3.0f, 4.0f}));
    EXPECT_EQ(parametric(3, 4, -2, 0),
              (std::vector<PlottedPoint>{{1.0f, 4.0f}, {5.0f, 4.0f}, {1.0f, 4.0f}, {5.0f, 4.0f}}));
    EXPECT_TRUE(parametric(3, 4, -2, -1).empty());
    EXPECT_EQ(general(3, 4, 0, 0, 35), std::vector<PlottedPoint>(4, {3.0f, 4.0f}));
    EXPECT_TRUE(general(3, 4, -5, -5, 10).empty());
}

// Each sample's points (+,+) (-,-) (-,+) (+,-) turned counter-clockwise about the centre.
TEST(EllipseGeneral, TurnsAboutTheCentre) {
    for (const auto& [a, b] : {Pixel(3, 0), Pixel(20, 7), Pixel(13, 13)}) {
        const std::vector<PlottedPoint> axisParallel = parametric(11, -6, a, b);
        const std::vector<PlottedPoint> turned = general(11, -6, a, b, 0);
        ASSERT_EQ(turned.size(), axisParallel.size());
        for (std::size_t i = 0; i < turned.size(); i += 4) {
            EXPECT_EQ(turned[i], axisParallel[i]);
            EXPECT_EQ(turned[i + 1], axisParallel[i + 3]);
            EXPECT_EQ(turned[i + 2], axisParallel[i + 1]);
            EXPECT_EQ(turned[i + 3], axisParallel[i + 2]);
        }
    }
    for (int angle : {90, 30, -60, 200, 405}) {
        const std::vector<PlottedPoint> points = general(-30, 80, 40, 10, angle);
        const double alpha = angle * std::acos(-1.0) / 180.0;
        EXPECT_NEAR(points[0].x, -30 + 40 * std::cos(alpha), 1e-3) << angle;
        EXPECT_NEAR(points[0].y, 80 + 40 * std::sin(alpha), 1e-3) << angle;
        double spanY = 0;
        for (const PlottedPoint& p : points) {
            const double dx = p.x + 30.0;
            const double dy = p.y - 80.0;
            const double u = (dx * std::cos(alpha) + dy * std::sin(alpha)) / 40;
            const double v = (-dx * std::sin(alpha) + dy * std::cos(alpha)) / 10;
            ASSERT_NEAR(u * u + v * v, 1.0, 1e-4) << angle;
            spanY = std::max(spanY, std::abs(dy));
        }
        if (angle == 90) {
            EXPECT_NEAR(spanY, 40.0, 1e-3);  // the long axis stands upright
        }
    }
}

}  // namespace
