#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "Support.h"

namespace {

using CircleOp = double (CircleAlgorithms::*)(int, int, int);

RecordingTarget draw(CircleOp op, int xc, int yc, int r) {
    RecordingTarget target;
    CircleAlgorithms circles(target, {0, 1, 0});
    (circles.*op)(xc, yc, r);
    return target;
}

Pixels bresenham(int xc, int yc, int r) {
    return pixelsOf(draw(&CircleAlgorithms::circleBresenham, xc, yc, r).points);
}

TEST(CircleBresenham, KnownPixels) {
    // d = -7, -1, 9, 7: y drops after x = 2 and x = 3, and the loop ends as x reaches y.
    const Pixels radiusFive = {
        {0, 5}, {5, 0},  {0, -5}, {-5, 0},                                         // axes
        {0, 5}, {0, -5}, {5, 0},  {5, 0},  {0, 5},  {0, -5},  {-5, 0}, {-5, 0},    // x = 0
        {1, 5}, {1, -5}, {5, 1},  {5, -1}, {-1, 5}, {-1, -5}, {-5, 1}, {-5, -1},   // x = 1
        {2, 5}, {2, -5}, {5, 2},  {5, -2}, {-2, 5}, {-2, -5}, {-5, 2}, {-5, -2},   // x = 2
        {3, 4}, {3, -4}, {4, 3},  {4, -3}, {-3, 4}, {-3, -4}, {-4, 3}, {-4, -3}};  // x = 3
    EXPECT_EQ(bresenham(-12, 40, 5), shifted(radiusFive, -12, 40));
    const struct {
        int r;
        Pixels pixels;  // sorted
        std::size_t plots;
    } cases[] = {
        // d = -17, -11, -1, 13, -5, 17, 11: y drops after x = 3, 5 and 6.
        {10, mirrored({{0, 10}, {1, 10}, {2, 10}, {3, 10}, {4, 9}, {5, 9}, {6, 8}}), 60},
        {3, mirrored({{0, 3}, {1, 3}}), 20},  // no (2, 2): x never reaches y
        {1, mirrored({{0, 1}}), 12},
        {0, {{0, 0}}, 4},
        {-4, {{-4, 0}, {0, -4}, {0, 4}, {4, 0}}, 4},  // the axis pixels only
    };
    for (const auto& c : cases) {
        const Pixels pixels = bresenham(9, -31, c.r);
        EXPECT_EQ(pixels.size(), c.plots) << c.r;
        EXPECT_EQ(setOf(pixels), setOf(shifted(c.pixels, 9, -31))) << c.r;
    }
    // Near the end of the int range the sums are taken wider instead of wrapping round.
    const auto far = draw(&CircleAlgorithms::circleBresenham, 2147483645, 0, 5).points;
    EXPECT_TRUE(std::all_of(far.begin(), far.end(), [](const auto& p) { return p.x > 2e9f; }));
}

// The chords as the line drawer drew them: first and last pixel of each call after the
// bracket's own colour change.
TEST(CircleRotation, Chords) {
    const Chords first = chordsOf(draw(&CircleAlgorithms::circleRotation, 0, 0, 20));
    const Chords expected = {{{20, 0}, {19, -5}},   {{20, 0}, {19, 5}},  {{-20, 0}, {-19, 5}},
                             {{-20, 0}, {-19, -5}}, {{0, 20}, {-5, 19}}, {{0, -20}, {-5, -19}},
                             {{0, -20}, {5, -19}},  {{0, 20}, {5, 19}}};
    ASSERT_EQ(first.size(), 24u);
    EXPECT_EQ(Chords(first.begin(), first.begin() + 8), expected);
    // 3, 6 or 12 steps of eight chords by the radius; each chord starts where the same chord
    // of the step before ended, and 150 radians in all is -45.6 degrees.
    const std::pair<int, std::size_t> steps[] = {{-7, 3}, {30, 3}, {31, 6}, {200, 6}, {201, 12}};
    for (const auto& [r, count] : steps) {
        const Chords chords = chordsOf(draw(&CircleAlgorithms::circleRotation, 3, 4, r));
        ASSERT_EQ(chords.size(), 8 * count) << r;
        for (std::size_t i = 8; i < chords.size(); ++i)
            ASSERT_EQ(chords[i].first, chords[i - 8].second) << r << ", chord " << i;
        const Pixel last = chords[8 * (count - 1)].second;
        EXPECT_NEAR(last.first, 3 + r * std::cos(150.0), 1.0) << r;
        EXPECT_NEAR(last.second, 4 + r * std::sin(150.0), 1.0) << r;
    }
}

// r + 1 angles from 0 to an eighth turn, each mirrored eight ways, not snapped to pixels.
TEST(CircleParametric, SamplesOfAnEighthTurn) {
    const std::vector<PlottedPoint> points =
        draw(&CircleAlgorithms::circleParametric, 10, -4, 3).points;
    ASSERT_EQ(points.size(), 32u);
    for (int i = 0; i < 4; ++i) {
        const double c = 3 * std::cos(i * std::acos(-1.0) / 12);
        const double s = 3 * std::sin(i * std::acos(-1.0) / 12);
        const double expected[8][2] = {{c, s},  {c, -s},  {s, c},  {s, -c},
                                       {-c, s}, {-c, -s}, {-s, c}, {-s, -c}};
        for (int k = 0; k < 8; ++k) {
            const PlottedPoint& p = points[static_cast<std::size_t>(8 * i + k)];
            EXPECT_NEAR(p.x, 10 + expected[k][0], 1e-5) << i << " " << k;
            EXPECT_NEAR(p.y, -4 + expected[k][1], 1e-5) << i << " " << k;
        }
    }
    EXPECT_EQ(draw(&CircleAlgorithms::circleParametric, 7, -2, 0).points,
              std::vector<PlottedPoint>(8, {7.0f, -2.0f}));  // the centre alone
    EXPECT_TRUE(draw(&CircleAlgorithms::circleParametric, 7, -2, -1).points.empty());
}

}  // namespace
