#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "Support.h"
#include "raster2d/LineAlgorithms.h"

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
        Pixel from, to;
        Pixels pixels;
    } cases[] = {
        {kBresenham, {0, 0}, {1, 0}, {{0, 0}, {1, 0}}},
        {kBresenham, {0, 0}, {10, 3},
         {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}, {5, 2}, {6, 2}, {7, 2}, {8, 2}, {9, 3}, {10, 3}}},
        {kDDA, {0, 0}, {7, 3}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}, {5, 2}, {6, 3}, {7, 3}}},
        // Truncation moves negative minor coordinates toward zero.
        {kDDA, {0, 0}, {-7, -3},
         {{0, 0}, {-1, 0}, {-2, 0}, {-3, 0}, {-4, -1}, {-5, -1}, {-6, -2}, {-7, -2}}},
        // A diagonal is y-major: the accumulator runs along x and truncates toward zero.
        {kDDA, {0, 0}, {-3, 3}, {{0, 0}, {0, 1}, {-1, 2}, {-2, 3}}},
        // Two-step: start, end, per step two pixels at each end, then the leftovers.
        {kTwoStep, {0, 0}, {10, 7},
         {{0, 0}, {10, 7}, {1, 1}, {2, 1}, {9, 6}, {8, 6}, {3, 2}, {4, 3}, {7, 5}, {6, 4}, {5, 4}}},
        {kTwoStep, {0, 0}, {2, 9},
         {{0, 0}, {2, 9}, {0, 1}, {0, 2}, {2, 8}, {2, 7}, {1, 3}, {1, 4}, {1, 6}, {1, 5}}},
        // The steep decisions at their boundaries: D = 1 in a step (pattern 4), D = c in a
        // step and in the leftovers (pattern 3), D = 0 in the leftovers (not pattern 4).
        {kTwoStep, {0, 0}, {4, 5}, {{0, 0}, {4, 5}, {1, 1}, {2, 2}, {3, 4}, {2, 3}}},
        {kTwoStep, {0, 0}, {3, 6}, {{0, 0}, {3, 6}, {1, 1}, {1, 2}, {2, 5}, {2, 4}, {2, 3}}},
        {kTwoStep, {0, 0}, {3, 4}, {{0, 0}, {3, 4}, {1, 1}, {1, 2}, {2, 3}}},
        {kTwoStep, {0, 0}, {3, 3}, {{0, 0}, {3, 3}, {1, 1}, {2, 2}}},
        {kBresenham, {4, -7}, {4, -7}, {{4, -7}}},
        {kDDA, {4, -7}, {4, -7}, {{4, -7}}},
        {kTwoStep, {4, -7}, {4, -7}, {{4, -7}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(draw(c.op, c.from, c.to), c.pixels) << c.to.first << "," << c.to.second;
    }
}

// One pixel per major coordinate, from the start pixel to the end pixel, none further from
// the true line than the algorithm allows.
TEST(Lines, RandomLinesKeepTheirProperties) {
    const struct {
        LineOp op;
        double maxMinorError;  // DDA's truncation toward zero loses up to a half more
    } ops[] = {{kBresenham, 0.5 + 1e-9}, {kDDA, 1.5 + 0.01}, {kTwoStep, 1.0}};
    std::mt19937 rng(12345);
    std::uniform_int_distribution<int> coord(-300, 300);
    for (int n = 0; n < 500; ++n) {
        const Pixel from{coord(rng), coord(rng)};
        const Pixel to{coord(rng), coord(rng)};
        const int dx = to.first - from.first;
        const int dy = to.second - from.second;
        const bool xMajor = std::abs(dx) > std::abs(dy);
        const int length = std::max(std::abs(dx), std::abs(dy));
        for (const auto& line : ops) {
            const Pixels pixels = draw(line.op, from, to);
            ASSERT_EQ(pixels.front(), from);
            if (line.op == kTwoStep && length > 0) {
                ASSERT_EQ(pixels[1], to);
            }
            if (line.op == kBresenham) {
                ASSERT_EQ(pixels.back(), to);
            }
            std::set<int> majors;
            for (const Pixel& p : setOf(pixels)) {
                const int major = xMajor ? p.first - from.first : p.second - from.second;
                ASSERT_TRUE(majors.insert(major).second) << "two pixels at " << major;
                const double t = length == 0 ? 0.0 : double(major) / (xMajor ? dx : dy);
                const double ideal = xMajor ? from.second + t * dy : from.first + t * dx;
                ASSERT_LE(std::abs((xMajor ? p.second : p.first) - ideal), line.maxMinorError);
            }
            ASSERT_EQ(majors.size(), static_cast<std::size_t>(length + 1));
        }
    }
}

}  // namespace
