#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <random>

#include "PixelSupport.h"
#include "raster2d/LineAlgorithms.h"

namespace {

using LineOp = double (LineAlgorithms::*)(int, int, int, int);

Pixels draw(LineOp op, int x1, int y1, int x2, int y2) {
    RecordingTarget target;
    LineAlgorithms lines(target, {1, 1, 0});
    (lines.*op)(x1, y1, x2, y2);
    return pixelsOf(target);
}

struct NamedOp {
    const char* name;
    LineOp op;
    double maxMinorError;  // how far a pixel may stand from the true line
};

// Bresenham picks the nearest pixel; DDA's truncation toward zero can lose up to one more
// half pixel on negative coordinates.
const NamedOp kAllLines[] = {
    {"Bresenham", &LineAlgorithms::lineBresenham, 0.5 + 1e-9},
    {"DDA", &LineAlgorithms::lineDDA, 1.5 + 0.01},  // plus the float drift
    {"TwoStep", &LineAlgorithms::lineTwoStep, 1.0},
};

// Hand-traced lines from the origin, in emission order. DDA truncates negative minor
// coordinates toward zero. Two-step emits the start, the end, then per step two start-side and
// two end-side pixels, then the leftovers.
TEST(AllLines, KnownPixelLists) {
    const LineOp bresenham = &LineAlgorithms::lineBresenham;
    const LineOp dda = &LineAlgorithms::lineDDA;
    const LineOp twoStep = &LineAlgorithms::lineTwoStep;
    const struct {
        LineOp op;
        Pixel end;
        Pixels pixels;
    } cases[] = {
        {bresenham, {1, 0}, {{0, 0}, {1, 0}}},
        {bresenham,
         {10, 3},
         {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}, {5, 2}, {6, 2}, {7, 2}, {8, 2}, {9, 3}, {10, 3}}},
        {dda, {7, 3}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}, {5, 2}, {6, 3}, {7, 3}}},
        {dda,
         {-7, -3},
         {{0, 0}, {-1, 0}, {-2, 0}, {-3, 0}, {-4, -1}, {-5, -1}, {-6, -2}, {-7, -2}}},
        {twoStep,
         {10, 7},
         {{0, 0}, {10, 7}, {1, 1}, {2, 1}, {9, 6}, {8, 6}, {3, 2}, {4, 3}, {7, 5}, {6, 4}, {5, 4}}},
        {twoStep,
         {2, 9},
         {{0, 0}, {2, 9}, {0, 1}, {0, 2}, {2, 8}, {2, 7}, {1, 3}, {1, 4}, {1, 6}, {1, 5}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(draw(c.op, 0, 0, c.end.first, c.end.second), c.pixels)
            << c.end.first << "," << c.end.second;
    }
    EXPECT_EQ(draw(bresenham, 0, 0, 3, 2).back(), Pixel(3, 2));
    EXPECT_EQ(draw(bresenham, 0, 0, -5, 2).back(), Pixel(-5, 2));
}

TEST(LineDDA, AccumulatesInSinglePrecision) {
    // A double accumulator would reach 1000.5 exactly and round the last pixel up;
    // the float steps of 1/3 drift below it over 3000 steps.
    const Pixels pixels = draw(&LineAlgorithms::lineDDA, 0, 0, 3000, 1000);
    float acc = 0.5f;
    const float inc = static_cast<float>(1000.0 / 3000.0);
    for (int x = 1; x <= 3000; ++x) {
        acc = acc + inc;
        ASSERT_EQ(pixels[static_cast<std::size_t>(x)], Pixel(x, static_cast<int>(acc))) << x;
    }
}

TEST(LineTwoStep, OnePixelPerColumnForElevenBySeven) {
    const Pixels pixels = draw(&LineAlgorithms::lineTwoStep, 0, 0, 11, 7);
    std::map<int, int> perColumn;
    for (const Pixel& p : pixels)
        ++perColumn[p.first];
    ASSERT_EQ(perColumn.size(), 12u);
    for (const auto& [x, n] : perColumn)
        EXPECT_EQ(n, 1) << "x = " << x;
}

TEST(LineTwoStep, NoLeftoverRepeatsWhenLengthMinusOneIsAMultipleOfFour) {
    // A = 9 and A = 5: (A - 1) mod 4 = 0, so every pixel is emitted exactly once.
    for (const auto& end : {Pixel(9, 4), Pixel(5, 1), Pixel(9, 9), Pixel(-5, -4)}) {
        const Pixels pixels = draw(&LineAlgorithms::lineTwoStep, 0, 0, end.first, end.second);
        const std::set<Pixel> distinct(pixels.begin(), pixels.end());
        EXPECT_EQ(pixels.size(), distinct.size()) << end.first << "," << end.second;
    }
}

TEST(AllLines, ZeroLengthLinePlotsOnePixel) {
    for (const NamedOp& line : kAllLines) {
        EXPECT_EQ(draw(line.op, 4, -7, 4, -7), (Pixels{{4, -7}})) << line.name;
    }
}

TEST(AllLines, DiagonalsAreYMajor) {
    for (const NamedOp& line : kAllLines) {
        const std::set<Pixel> expected{{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}};
        const Pixels pixels = draw(line.op, 0, 0, 5, 5);
        EXPECT_EQ(std::set<Pixel>(pixels.begin(), pixels.end()), expected) << line.name;
    }
}

struct RandomLine {
    int x1, y1, x2, y2;
};

std::vector<RandomLine> randomLines(unsigned seed, int count, int range) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> coord(-range, range);
    std::vector<RandomLine> lines;
    for (int i = 0; i < count; ++i)
        lines.push_back({coord(rng), coord(rng), coord(rng), coord(rng)});
    return lines;
}

TEST(AllLines, RandomLinesHaveEndpointsAndOnePixelPerMajorCoordinate) {
    for (const NamedOp& line : kAllLines) {
        for (const RandomLine& l : randomLines(12345, 500, 300)) {
            const Pixels pixels = draw(line.op, l.x1, l.y1, l.x2, l.y2);
            const std::set<Pixel> distinct(pixels.begin(), pixels.end());
            const bool xMajor = std::abs(l.x2 - l.x1) > std::abs(l.y2 - l.y1);
            const int A = xMajor ? std::abs(l.x2 - l.x1) : std::abs(l.y2 - l.y1);
            ASSERT_EQ(pixels.front(), Pixel(l.x1, l.y1)) << line.name;
            // DDA truncates toward zero, so on negative coordinates it may end one pixel
            // off along the minor axis; the major coordinate always arrives. Two-step emits
            // the end pixel second, right after the start.
            if (line.op == &LineAlgorithms::lineDDA) {
                const Pixel last = pixels.back();
                ASSERT_EQ(xMajor ? last.first : last.second, xMajor ? l.x2 : l.y2);
            } else if (line.op == &LineAlgorithms::lineTwoStep && A > 0) {
                ASSERT_EQ(pixels[1], Pixel(l.x2, l.y2));
            } else {
                ASSERT_TRUE(distinct.count({l.x2, l.y2})) << line.name;
            }
            ASSERT_EQ(distinct.size(), static_cast<std::size_t>(A + 1)) << line.name;
            std::set<int> majors;
            for (const Pixel& p : distinct)
                majors.insert(xMajor ? p.first : p.second);
            ASSERT_EQ(majors.size(), static_cast<std::size_t>(A + 1)) << line.name;
            // No pixel strays further from the true line than the algorithm allows.
            for (const Pixel& p : distinct) {
                const double t = A == 0 ? 0.0
                                        : (xMajor ? double(p.first - l.x1) / (l.x2 - l.x1)
                                                  : double(p.second - l.y1) / (l.y2 - l.y1));
                const double ideal = xMajor ? l.y1 + t * (l.y2 - l.y1) : l.x1 + t * (l.x2 - l.x1);
                const int minor = xMajor ? p.second : p.first;
                ASSERT_LE(std::abs(minor - ideal), line.maxMinorError) << line.name;
            }
        }
    }
}

TEST(LineBresenham, RandomLinesEndOnTheEndPixelAndAreEightWaySymmetric) {
    for (const RandomLine& l : randomLines(777, 300, 200)) {
        const int dx = l.x2 - l.x1;
        const int dy = l.y2 - l.y1;
        const Pixels base = draw(&LineAlgorithms::lineBresenham, 0, 0, dx, dy);
        ASSERT_EQ(base.back(), Pixel(dx, dy));
        // Mirroring the end point about either axis mirrors the pixels (sign handling),
        // and a translated line is the same pattern translated.
        const Pixels mirroredX = draw(&LineAlgorithms::lineBresenham, 0, 0, -dx, dy);
        const Pixels mirroredY = draw(&LineAlgorithms::lineBresenham, 0, 0, dx, -dy);
        const Pixels translated = draw(&LineAlgorithms::lineBresenham, l.x1, l.y1, l.x2, l.y2);
        ASSERT_EQ(base.size(), mirroredX.size());
        for (std::size_t i = 0; i < base.size(); ++i) {
            ASSERT_EQ(mirroredX[i], Pixel(-base[i].first, base[i].second));
            ASSERT_EQ(mirroredY[i], Pixel(base[i].first, -base[i].second));
        }
        ASSERT_EQ(translated, shifted(base, l.x1, l.y1));
        // Exchanging the axes exchanges the pixels, except on the exact diagonal
        // where both orientations are y-major.
        if (std::abs(dx) != std::abs(dy)) {
            const Pixels swapped = draw(&LineAlgorithms::lineBresenham, 0, 0, dy, dx);
            ASSERT_EQ(swapped.size(), base.size());
            for (std::size_t i = 0; i < base.size(); ++i) {
                ASSERT_EQ(swapped[i], Pixel(base[i].second, base[i].first));
            }
        }
    }
}

}  // namespace
