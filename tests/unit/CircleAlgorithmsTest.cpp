#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include "PixelSupport.h"
#include "raster2d/CircleAlgorithms.h"

namespace {

using CircleOp = double (CircleAlgorithms::*)(int, int, int);

RecordingTarget drawCircle(CircleOp op, int xc, int yc, int r) {
    RecordingTarget target;
    CircleAlgorithms circles(target, {0, 1, 0});
    (circles.*op)(xc, yc, r);
    return target;
}

Pixels bresenham(int xc, int yc, int r) {
    return pixelsOf(drawCircle(&CircleAlgorithms::circleBresenham, xc, yc, r));
}

TEST(CircleBresenham, RadiusFiveInEmissionOrder) {
    // Hand trace: d = -7, -1, 9, 7, 13; y drops after x = 2 and x = 3; the loop ends at x = 4.
    const Pixels expected = {
        {0, 5}, {5, 0},  {0, -5}, {-5, 0},                                         // axes
        {0, 5}, {0, -5}, {5, 0},  {5, 0},  {0, 5},  {0, -5},  {-5, 0}, {-5, 0},    // x = 0
        {1, 5}, {1, -5}, {5, 1},  {5, -1}, {-1, 5}, {-1, -5}, {-5, 1}, {-5, -1},   // x = 1
        {2, 5}, {2, -5}, {5, 2},  {5, -2}, {-2, 5}, {-2, -5}, {-5, 2}, {-5, -2},   // x = 2
        {3, 4}, {3, -4}, {4, 3},  {4, -3}, {-3, 4}, {-3, -4}, {-4, 3}, {-4, -3}};  // x = 3
    EXPECT_EQ(bresenham(0, 0, 5), expected);
    EXPECT_EQ(bresenham(-12, 40, 5), shifted(expected, -12, 40));
    EXPECT_EQ(setOf(expected), mirrored({{0, 5}, {1, 5}, {2, 5}, {3, 4}}));
}

TEST(CircleBresenham, SmallAndDegenerateRadii) {
    struct Case {
        int r;
        std::set<Pixel> pixels;
        std::size_t plots;
    };
    const Case cases[] = {
        // The loop ends when x reaches y, so the diagonal pixels (+-2, +-2) never come.
        {3, mirrored({{0, 3}, {1, 3}}), 20},
        {1, mirrored({{0, 1}}), 12},
        {0, {{0, 0}}, 4},                             // the four axis pixels all fall on the centre
        {-4, {{0, -4}, {-4, 0}, {0, 4}, {4, 0}}, 4},  // a negative radius: the axis pixels only
    };
    for (const Case& c : cases) {
        for (const Pixel& centre : {Pixel(0, 0), Pixel(9, -31)}) {
            const Pixels pixels = bresenham(centre.first, centre.second, c.r);
            EXPECT_EQ(pixels.size(), c.plots) << "r = " << c.r;
            const Pixels expected(c.pixels.begin(), c.pixels.end());
            EXPECT_EQ(setOf(pixels), setOf(shifted(expected, centre.first, centre.second)))
                << "r = " << c.r;
        }
    }
}

TEST(CircleBresenham, RandomRadiiStayWithinHalfAPixelAndAreEightWaySymmetric) {
    std::mt19937 rng(2024);
    std::uniform_int_distribution<int> radius(1, 2000);
    std::uniform_int_distribution<int> coord(-500, 500);
    for (int n = 0; n < 160; ++n) {
        const int r = n < 40 ? n + 1 : radius(rng);
        const int xc = coord(rng);
        const int yc = coord(rng);
        const std::set<Pixel> pixels = setOf(shifted(bresenham(xc, yc, r), -xc, -yc));
        for (const Pixel& p : pixels) {
            // Each step keeps whichever of two candidates has the smaller |x^2 + y^2 - r^2|;
            // their residuals differ by 2y - 1 and straddle zero, so the kept one is at most
            // y - 1 <= r - 1. That keeps every pixel strictly within half a pixel of the
            // circle: (r - 1/2)^2 < r^2 - r + 1 and r^2 + r - 1 < (r + 1/2)^2.
            const std::int64_t x = p.first;
            const std::int64_t y = p.second;
            ASSERT_LE(std::llabs(x * x + y * y - std::int64_t{r} * r), r - 1)
                << "r = " << r << " at " << x << "," << y;
            ASSERT_LT(std::abs(std::hypot(double(x), double(y)) - r), 0.5);
            for (const Pixel& q : {Pixel(-x, y), Pixel(x, -y), Pixel(y, x)}) {
                ASSERT_TRUE(pixels.count(q)) << "r = " << r << ": mirror of " << x << "," << y;
            }
        }
        ASSERT_TRUE(pixels.count({r, 0}) && pixels.count({0, -r}));
    }
}

TEST(CircleBresenham, CoordinatesBeyondTheIntRangeDoNotWrapAround) {
    const int kMax = std::numeric_limits<int>::max();
    const int kMin = std::numeric_limits<int>::min();
    // A centre two pixels from the limit: the right half of the circle lies beyond it.
    const RecordingTarget far = drawCircle(&CircleAlgorithms::circleBresenham, kMax - 2, 0, 5);
    ASSERT_EQ(far.points.size(), 36u);
    for (const PlottedPoint& p : far.points)
        EXPECT_GT(p.x, 2.1e9f);
    // The most negative radius: yc - r and xc - r are 2^31.
    const RecordingTarget negative = drawCircle(&CircleAlgorithms::circleBresenham, 0, 0, kMin);
    const std::vector<PlottedPoint> expected = {{0.0f, -2147483648.0f},
                                                {-2147483648.0f, 0.0f},
                                                {0.0f, 2147483648.0f},
                                                {2147483648.0f, 0.0f}};
    EXPECT_EQ(negative.points, expected);
}

// The chords of circleRotation as the lineDrawer drew them: every lineBresenham call opens
// with its own colour change, after the one of the circle's bracket.
std::vector<Pixels> rotationChords(int xc, int yc, int r) {
    const RecordingTarget target = drawCircle(&CircleAlgorithms::circleRotation, xc, yc, r);
    EXPECT_EQ(target.colors.at(0).atPlot, 0u);
    std::vector<Pixels> chords;
    for (const DrawCall& call : drawCalls(target))
        chords.push_back(pixelsOf(call.points));
    chords.erase(chords.begin());
    return chords;
}

TEST(CircleRotation, FirstEightChordsOfRadiusTwenty) {
    const std::vector<Pixels> chords = rotationChords(0, 0, 20);
    ASSERT_EQ(chords.size(), 24u);
    const std::pair<Pixel, Pixel> expected[] = {
        {{20, 0}, {19, -5}}, {{20, 0}, {19, 5}},    {{-20, 0}, {-19, 5}}, {{-20, 0}, {-19, -5}},
        {{0, 20}, {-5, 19}}, {{0, -20}, {-5, -19}}, {{0, -20}, {5, -19}}, {{0, 20}, {5, 19}}};
    for (std::size_t i = 0; i < 8; ++i) {
        ASSERT_FALSE(chords[i].empty());
        EXPECT_EQ(chords[i].front(), expected[i].first) << "chord " << i;
        EXPECT_EQ(chords[i].back(), expected[i].second) << "chord " << i;
    }
}

TEST(CircleRotation, StepCountSwitchesAbove30AndAbove200) {
    const std::pair<int, std::size_t> cases[] = {{-7, 24}, {0, 24},   {30, 24},
                                                 {31, 48}, {200, 48}, {201, 96}};
    for (const auto& [r, chords] : cases) {
        EXPECT_EQ(rotationChords(3, 4, r).size(), chords) << "r = " << r;
    }
}

TEST(CircleRotation, ChordsJoinAndTurnAlittleMoreThanAnOctant) {
    // Every step rotates by the same number of radians: 3 x 50 = 6 x 25 = 12 x 12.5 = 150,
    // which is -45.6 degrees modulo a full turn.
    for (int r : {20, 30, 100, 200, 250}) {
        const std::vector<Pixels> chords = rotationChords(0, 0, r);
        const std::size_t steps = chords.size() / 8;
        // Each of the eight chords of a step starts where its predecessor ended.
        for (std::size_t i = 8; i < chords.size(); ++i) {
            ASSERT_EQ(chords[i].front(), chords[i - 8].back()) << "r = " << r << ", chord " << i;
        }
        for (const Pixels& chord : chords) {
            for (const Pixel* end : {&chord.front(), &chord.back()}) {
                // Truncation toward the origin pulls each end in by less than sqrt(2).
                const double distance = std::hypot(double(end->first), double(end->second));
                ASSERT_LE(distance, r + 1e-3) << "r = " << r;
                ASSERT_GT(distance, r - std::sqrt(2.0)) << "r = " << r;
            }
        }
        const Pixel last = chords[8 * (steps - 1)].back();
        EXPECT_NEAR(last.first, r * std::cos(150.0), 1.0) << "r = " << r;
        EXPECT_NEAR(last.second, r * std::sin(150.0), 1.0) << "r = " << r;
    }
}

TEST(CircleRotation, ChordsAreDrawnInTheCirclesColour) {
    RecordingTarget target;
    CircleAlgorithms circles(target, {0, 1, 0});
    for (const Rgb& colour : {Rgb{0.25f, 0.5f, 0.75f}, Rgb{1.0f, 0.0f, 1.0f}}) {
        target.clear();
        circles.setColor(colour.r, colour.g, colour.b);
        const double ms = circles.circleRotation(50, 60, 40);
        EXPECT_GE(ms, 0.0);
        ASSERT_EQ(target.colors.size(), 49u);  // the circle's bracket and 48 chords
        for (const RecordingTarget::ColorChange& change : target.colors) {
            EXPECT_EQ(change.r, colour.r);
            EXPECT_EQ(change.g, colour.g);
            EXPECT_EQ(change.b, colour.b);
        }
    }
}

TEST(CircleRotation, ChordEndsFarBeyondAnyWindowArePinnedNotOverflowed) {
    // The float sums of a centre at the int limits are 2^31 away: converting them would
    // overflow, so they are pinned at 2^28 and every chord shrinks to that corner.
    const std::vector<Pixels> chords =
        rotationChords(std::numeric_limits<int>::max(), std::numeric_limits<int>::min(), 10);
    ASSERT_EQ(chords.size(), 24u);
    for (const Pixels& chord : chords)
        EXPECT_EQ(chord, (Pixels{{268435456, -268435456}}));
}

TEST(CircleParametric, RadiusThreeSamplesFourAnglesIntoThirtyTwoPoints) {
    const int xc = 10;
    const int yc = -4;
    const RecordingTarget target = drawCircle(&CircleAlgorithms::circleParametric, xc, yc, 3);
    ASSERT_EQ(target.points.size(), 32u);
    EXPECT_EQ(target.points[0], (PlottedPoint{13.0f, -4.0f}));
    EXPECT_EQ(target.points[1], (PlottedPoint{13.0f, -4.0f}));
    for (int i = 0; i < 4; ++i) {
        const double t = i * std::acos(-1.0) / 12.0;
        const double c = 3 * std::cos(t);
        const double s = 3 * std::sin(t);
        const double expected[8][2] = {{c, s},  {c, -s},  {s, c},  {s, -c},
                                       {-c, s}, {-c, -s}, {-s, c}, {-s, -c}};
        for (int k = 0; k < 8; ++k) {
            const PlottedPoint& p = target.points[static_cast<std::size_t>(8 * i + k)];
            EXPECT_NEAR(p.x, xc + expected[k][0], 1e-5) << "angle " << i << ", point " << k;
            EXPECT_NEAR(p.y, yc + expected[k][1], 1e-5) << "angle " << i << ", point " << k;
        }
    }
    // Unsnapped: 3 cos(pi/12) = 2.898 stays a fraction.
    EXPECT_NEAR(target.points[8].x - 10.0f, 2.8978, 1e-4);
}

TEST(CircleParametric, ZeroRadiusIsTheCentreAndNegativeRadiusIsNothing) {
    const RecordingTarget zero = drawCircle(&CircleAlgorithms::circleParametric, 7, -2, 0);
    ASSERT_EQ(zero.points.size(), 8u);  // the one sample, at angle 0, mirrored eight ways
    for (const PlottedPoint& p : zero.points)
        EXPECT_EQ(p, (PlottedPoint{7.0f, -2.0f}));
    EXPECT_TRUE(drawCircle(&CircleAlgorithms::circleParametric, 7, -2, -1).points.empty());
    EXPECT_TRUE(drawCircle(&CircleAlgorithms::circleParametric, 7, -2, -50).points.empty());
}

TEST(CircleParametric, RandomRadiiLieOnTheCircleFromZeroToAnEighthTurn) {
    std::mt19937 rng(99);
    std::uniform_int_distribution<int> radius(1, 800);
    for (int n = 0; n < 100; ++n) {
        const int r = radius(rng);
        const RecordingTarget target = drawCircle(&CircleAlgorithms::circleParametric, 300, 200, r);
        ASSERT_EQ(target.points.size(), 8u * static_cast<std::size_t>(r + 1));
        for (const PlottedPoint& p : target.points) {
            ASSERT_NEAR(std::hypot(p.x - 300.0, p.y - 200.0), r, 1e-3) << "r = " << r;
        }
        // The last angle is a quarter of pi: its first point sits on the diagonal.
        const PlottedPoint& last = target.points[8u * static_cast<std::size_t>(r)];
        EXPECT_NEAR(last.x - 300.0, last.y - 200.0, 1e-3) << "r = " << r;
    }
}

}  // namespace
