#include <gtest/gtest.h>

#include <random>

#include "Support.h"

namespace {

using LineOp = double (LineAlgorithms::*)(int, int, int, int);
const LineOp kBresenham = &LineAlgorithms::lineBresenham;
const LineOp kDDA = &LineAlgorithms::lineDDA;
const LineOp kTwoStep = &LineAlgorithms::lineTwoStep;

Pixels draw(LineOp op, Pixel from, Pixel to) {
    RecordingTarget target;
    LineAlgorithms lines(target, {1, 1, 0});
    (lines.*op)(from.first, from.second, to.first, to.second);
    return pixelsOf(target.points);
}

// Emission order, traced by hand through each algorithm's steps.
TEST(Lines, KnownPixelLists) {
    const Pixels sixteenByFive = {{0, 0},  {16, 5}, {1, 0},  {2, 1},  {15, 5}, {14, 4},
                                  {3, 1},  {4, 1},  {13, 4}, {12, 4}, {5, 2},  {6, 2},
                                  {11, 3}, {10, 3}, {7, 2},  {8, 3},  {9, 3}};
    const struct {
        LineOp op;
        Pixel to;
        Pixels pixels;  // from the first, the start pixel
    } cases[] = {
        {kBresenham, {1, 0}, {{0, 0}, {1, 0}}},
        // e = 0 at the first test steps along the minor axis too.
        {kBresenham, {2, 1}, {{0, 0}, {1, 1}, {2, 1}}},
        {kBresenham, {-1, -2}, {{0, 0}, {-1, -1}, {-1, -2}}},
        {kBresenham,
         {10, 3},
         {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}, {5, 2}, {6, 2}, {7, 2}, {8, 2}, {9, 3}, {10, 3}}},
        {kDDA, {7, 3}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}, {5, 2}, {6, 3}, {7, 3}}},
        // Truncation moves negative minor coordinates toward zero.
        {kDDA,
         {-7, -3},
         {{0, 0}, {-1, 0}, {-2, 0}, {-3, 0}, {-4, -1}, {-5, -1}, {-6, -2}, {-7, -2}}},
        // A diagonal is y-major: the accumulator runs along x and truncates toward zero.
        {kDDA, {-3, 3}, {{0, 0}, {0, 1}, {-1, 2}, {-2, 3}}},
        {kDDA, {1, 1}, {{0, 0}, {1, 1}}},
        // Two-step: start, end, per step two pixels at each end, then the leftovers.
        {kTwoStep,
         {10, 7},
         {{0, 0}, {10, 7}, {1, 1}, {2, 1}, {9, 6}, {8, 6}, {3, 2}, {4, 3}, {7, 5}, {6, 4}, {5, 4}}},
        {kTwoStep,
         {2, 9},
         {{0, 0}, {2, 9}, {0, 1}, {0, 2}, {2, 8}, {2, 7}, {1, 3}, {1, 4}, {1, 6}, {1, 5}}},
        // The steep decisions at their boundaries: D = 1 in a step (pattern 4), D = c in a
        // step and in the leftovers (pattern 3), D = 0 in the leftovers (not pattern 4).
        {kTwoStep, {4, 5}, {{0, 0}, {4, 5}, {1, 1}, {2, 2}, {3, 4}, {2, 3}}},
        {kTwoStep, {3, 6}, {{0, 0}, {3, 6}, {1, 1}, {1, 2}, {2, 5}, {2, 4}, {2, 3}}},
        {kTwoStep, {3, 4}, {{0, 0}, {3, 4}, {1, 1}, {1, 2}, {2, 3}}},
        {kTwoStep, {3, 3}, {{0, 0}, {3, 3}, {1, 1}, {2, 2}}},
        // The shallow ones: D = 0 in a step (pattern 2), D = c in a step (pattern 3), D = 0 in
        // the leftovers (not pattern 1).
        {kTwoStep,
         {8, 2},
         {{0, 0}, {8, 2}, {1, 0}, {2, 1}, {7, 2}, {6, 1}, {3, 1}, {4, 1}, {5, 1}}},
        {kTwoStep, {20, 6}, {{0, 0}, {20, 6}, {1, 0},  {2, 1},  {19, 6}, {18, 5}, {3, 1},
                             {4, 1}, {17, 5}, {16, 5}, {5, 2},  {6, 2},  {15, 4}, {14, 4},
                             {7, 2}, {8, 2},  {13, 4}, {12, 4}, {9, 3},  {10, 3}, {11, 3}}},
        {kTwoStep, {16, 5}, sixteenByFive},
        {kBresenham, {4, -7}, {{4, -7}}},
        {kDDA, {4, -7}, {{4, -7}}},
        {kTwoStep, {4, -7}, {{4, -7}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(draw(c.op, c.pixels.front(), c.to), c.pixels) << c.to.first << "," << c.to.second;
    }
}

// Random lines: the start pixel first, one pixel per major coordinate from start to end, none
// further from the true line than the algorithm allows (DDA's truncation toward zero loses up
// to a half more); Bresenham ends on the end pixel, two-step plots it second.
TEST(Lines, RandomLinesKeepTheirProperties) {
    std::mt19937 rng(12345);
    std::uniform_int_distribution<int> coord(-300, 300);
    for (int n = 0; n < 500; ++n) {
        const Pixel from{coord(rng), coord(rng)}, to{coord(rng), coord(rng)};
        const int dx = to.first - from.first, dy = to.second - from.second;
        const bool xMajor = std::abs(dx) > std::abs(dy);
        const int length = std::max(std::abs(dx), std::abs(dy));
        for (const auto& [op, error] :
             {std::pair{kBresenham, 0.5}, {kDDA, 1.51}, {kTwoStep, 1.0}}) {
            const Pixels pixels = draw(op, from, to);
            ASSERT_EQ(pixels.front(), from);
            ASSERT_TRUE(op != kBresenham || pixels.back() == to);
            ASSERT_TRUE(op != kTwoStep || length == 0 || pixels[1] == to);
            std::set<int> majors;
            for (const auto& [x, y] : setOf(pixels)) {
                const int major = xMajor ? x - from.first : y - from.second;
                const double t = length == 0 ? 0.0 : double(major) / (xMajor ? dx : dy);
                ASSERT_TRUE(majors.insert(major).second && t >= 0 && t <= 1) << x << "," << y;
                const double ideal = xMajor ? from.second + t * dy : from.first + t * dx;
                ASSERT_LE(std::abs((xMajor ? y : x) - ideal), error + 1e-9) << x << "," << y;
            }
            ASSERT_EQ(majors.size(), std::size_t(length + 1));
        }
    }
}

}  // namespace
