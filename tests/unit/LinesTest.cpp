#include <gtest/gtest.h>

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
        {kBresenham, {4, -7}, {{4, -7}}},
        {kDDA, {4, -7}, {{4, -7}}},
        {kTwoStep, {4, -7}, {{4, -7}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(draw(c.op, c.pixels.front(), c.to), c.pixels) << c.to.first << "," << c.to.second;
    }
}

}  // namespace
