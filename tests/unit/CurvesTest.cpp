#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <random>

#include "Support.h"
#include "raster2d/CurveAlgorithms.h"

namespace {

const std::vector<Point3> kArch = {pt(0, 0), pt(10, 40), pt(50, 40), pt(60, 0)};
const std::vector<Point3> kSix = {pt(0, 0),  pt(10, 40), pt(50, 40),
                                  pt(60, 0), pt(90, 30), pt(100, -20)};
const std::vector<Point3> kCircle = {pt(50, 0),  pt(50, 50),   pt(-50, 50), pt(-50, 0),
                                     pt(-50, -50), pt(50, -50), pt(50, 0)};
const std::vector<float> kCircleKnots = {0, 0, 0, 0.25f, 0.5f, 0.5f, 0.75f, 1, 1, 1};
const std::vector<float> kCircleWeights = {1, 0.5f, 0.5f, 1, 0.5f, 0.5f, 1};
const std::vector<float> kBezierKnots = {0, 0, 0, 0, 1, 1, 1, 1};

// A curve object with the program's colour, recording into its own target.
struct Rig {
    explicit Rig(int32_t samples = 101) : curves(target, {1, 1, 0}, samples) {}
    Chords chords() const { return chordsOf(target); }
    RecordingTarget target;
    CurveAlgorithms curves;
};

std::vector<Point3> randomPoints(std::mt19937& rng, int count) {
    std::uniform_real_distribution<float> coord(0.0f, 800.0f);
    std::vector<Point3> out;
    for (int i = 0; i < count; ++i)
        out.push_back(pt(coord(rng), coord(rng)));
    return out;
}

using CubicOp = double (CurveAlgorithms::*)(const Point3&, const Point3&, const Point3&,
                                            const Point3&);

Chords cubic(CubicOp op, int32_t samples, const std::vector<Point3>& p = kArch) {
    Rig rig(samples);
    (rig.curves.*op)(p[0], p[1], p[2], p[3]);
    return rig.chords();
}

TEST(CurveSamples, ParametersAccumulateInSinglePrecision) {
    auto parameters = [](int32_t n) {
        std::vector<float> t;
        curve::forEachSegmentParameter(n, [&](float v) { t.push_back(v); });
        return t;
    };
    EXPECT_EQ(parameters(5), (std::vector<float>{0.0f, 0.25f, 0.5f, 0.75f, 1.0f}));
    EXPECT_EQ(parameters(101).size(), 101u);
    EXPECT_EQ(parameters(101).back(), 0.99999934f);  // a float sum of 1/100 falls short of 1
    EXPECT_EQ(parameters(1), std::vector<float>{0.0f});
    for (int32_t n : {0, -1, INT32_MIN})
        EXPECT_TRUE(parameters(n).empty()) << n;
}

// The samples of the worked example, truncated; the first chord is the start pixel alone.
TEST(CurveCubics, KnownChords) {
    const Chords none;
    const std::vector<Point3> rising = {pt(0, 0), pt(0, 0), pt(0, 0), pt(0, 60000)};
    const struct {
        CubicOp op;
        int32_t samples;
        std::vector<Point3> points;
        Chords chords;
    } cases[] = {
        {&CurveAlgorithms::bezierCubicIterative, 5, kArch,
         sampled({{0, 0}, {12, 22}, {30, 30}, {47, 22}, {60, 0}})},
        {&CurveAlgorithms::bezierCubicIterative, 4, kArch,
         sampled({{0, 0}, {17, 26}, {42, 26}, {60, 0}})},
        {&CurveAlgorithms::bezierCubicIterative, 2, kArch, sampled({{0, 0}, {60, 0}})},
        {&CurveAlgorithms::fergusonCubic, 2, kArch, sampled({{0, 0}, {60, 0}})},
        // Tangents P1 - P0 leaving P0 and P2 - P3 leaving P3: (P0 + P3)/2 + (T0 - T1)/8.
        {&CurveAlgorithms::fergusonCubic, 3, {pt(0, 0), pt(16, 32), pt(72, 8), pt(80, 0)},
         sampled({{0, 0}, {43, 3}, {80, 0}})},
        {&CurveAlgorithms::coonsCubic, 2, kArch, sampled({{15, 33}, {45, 33}})},
        {&CurveAlgorithms::catmullRomCubic, 2, kArch, sampled({{10, 40}, {50, 40}})},
        {&CurveAlgorithms::coonsCubic, 1, kArch, {{{15, 33}, {15, 33}}}},
        {&CurveAlgorithms::catmullRomCubic, 1, kArch, {{{10, 40}, {10, 40}}}},
        {&CurveAlgorithms::fergusonCubic, 0, kArch, none},
        {&CurveAlgorithms::bezierCubicIterative, -50, kArch, none},
        // t³ of the last float parameter at N = 101 is just below 1: one pixel short.
        {&CurveAlgorithms::bezierCubicIterative, 5, rising, sampled({{0, 0}, {0, 937}, {0, 7500},
                                                                      {0, 25312}, {0, 60000}})},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cubic(c.op, c.samples, c.points), c.chords) << c.samples;
    }
    const Chords at101 = cubic(&CurveAlgorithms::bezierCubicIterative, 101, rising);
    ASSERT_EQ(at101.size(), 101u);
    EXPECT_EQ(at101.back().second, Pixel(0, 59999));
}

// Depth N / 10, truncated toward zero: 2^depth chords, none for a negative depth.
TEST(CurveCubics, RecursiveChordsDependOnTheDepth) {
    const Pixels one{{0, 0}, {60, 0}};
    const Pixels two{{0, 0}, {30, 30}, {60, 0}};
    const Pixels four{{0, 0}, {12, 22}, {30, 30}, {47, 22}, {60, 0}};
    for (int32_t n = -10; n <= 29; ++n) {
        const Pixels corners = n < -9 ? Pixels{} : n < 10 ? one : n < 20 ? two : four;
        EXPECT_EQ(cubic(&CurveAlgorithms::bezierCubicRecursive, n), polyline(corners)) << n;
    }
    const Chords deep = cubic(&CurveAlgorithms::bezierCubicRecursive, 101);
    ASSERT_EQ(deep.size(), 1024u);
    for (std::size_t i = 1; i < deep.size(); ++i)
        ASSERT_EQ(deep[i].first, deep[i - 1].second) << i;
}

// Chords take the curve's colour; the untimed polygon its own, truncated toward zero, which
// stays with the line drawer until the next setColor.
TEST(CurveCubics, ColoursOfChordsAndPolygon) {
    Rig rig(3);
    rig.curves.setColor(0.25f, 0.5f, 0.75f);
    rig.curves.coonsCubic(kArch[0], kArch[1], kArch[2], kArch[3]);
    ASSERT_EQ(rig.target.colors.size(), 4u);
    for (const auto& c : rig.target.colors)
        EXPECT_EQ(c.g, 0.5f);

    rig.target.clear();
    const Point3 polygon[] = {pt(-1.5f, 2.7f), pt(10.9f, -3.2f), pt(-7.99f, -0.5f)};
    rig.curves.drawPolygon(polygon, 3, 1, 0, 0);
    rig.curves.drawPolygon(polygon, 1, 1, 0, 0);
    rig.curves.drawPolygon(nullptr, -3, 1, 0, 0);
    EXPECT_EQ(chordsOf(rig.target, 0), (Chords{{{-1, 2}, {10, -3}}, {{10, -3}, {-7, 0}}}));
    for (const auto& c : rig.target.colors)
        EXPECT_EQ(c.g, 0.0f);

    rig.target.clear();
    rig.curves.bezierCubicIterative(kArch[0], kArch[1], kArch[2], kArch[3]);
    EXPECT_EQ(rig.target.colors.front().g, 0.5f);
    EXPECT_EQ(rig.target.colors.back().g, 0.0f);
}

// Far or undefined points neither overflow the conversion to pixels nor plot NaN.
TEST(CurveCubics, AbsurdCoordinatesStayDefined) {
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    Rig rig(3);
    rig.curves.bezierCubicIterative(kArch[0], pt(1e30f, -1e30f), pt(3e9f, 2), kArch[3]);
    rig.curves.bezierCubicRecursive(kArch[0], pt(1e30f, -1e30f), pt(3e9f, 2), pt(-3e38f, 0));
    rig.curves.fergusonCubic(kArch[0], pt(inf, 0), pt(nan, 1), kArch[3]);
    const Point3 polygon[] = {pt(0, 0), pt(nan, 5), pt(1e20f, 5)};
    rig.curves.drawPolygon(polygon, 3, 1, 1, 1);
    ASSERT_FALSE(rig.target.points.empty());
    for (const PlottedPoint& p : rig.target.points) {
        ASSERT_LE(std::abs(p.x), CurveAlgorithms::kCoordinateLimit);
        ASSERT_LE(std::abs(p.y), CurveAlgorithms::kCoordinateLimit);
    }
}

TEST(CurveSplines, RationalAndPlainBezierOfTheWorkedExample) {
    const struct {
        std::vector<float> weights;
        int32_t samples;
        Chords chords;
    } cases[] = {
        {{1, 1, 1, 1}, 6, sampled({{0, 0}, {9, 19}, {22, 28}, {37, 28}, {50, 19}, {60, 0}})},
        {{1, 10, 1, 1}, 6, sampled({{0, 0}, {9, 35}, {12, 37}, {17, 36}, {31, 28}, {60, 0}})},
        // 1, 0, 0, -1 cancel at t = 1/2: that sample is skipped and its neighbours joined.
        {{1, 0, 0, -1}, 3, sampled({{0, 0}, {60, 0}})},
        {{0, 0, 0, 0}, 101, {}},
    };
    for (const auto& c : cases) {
        Rig rig(c.samples);
        rig.curves.rationalBezierCurve(kArch.data(), 4, c.weights.data());
        EXPECT_EQ(rig.chords(), c.chords) << c.weights[1];
    }
    Rig plain(6);
    plain.curves.bezierCurve(kArch.data(), 4);
    EXPECT_EQ(plain.chords(), cases[0].chords);
}

// Two points: `segments` chords along the straight segment after the start pixel.
TEST(CurveSplines, TwoPointBezierIsTheSegment) {
    const std::vector<Point3> ends = {pt(0.5f, 0.5f), pt(100.5f, 50.5f)};
    for (int32_t segments = 1; segments <= 200; ++segments) {
        Rig rig(segments + 1);
        rig.curves.bezierCurve(ends.data(), 2);
        const Chords chords = rig.chords();
        ASSERT_EQ(chords.size(), static_cast<std::size_t>(segments + 1)) << segments;
        EXPECT_EQ(chords.front(), Chord({0, 0}, {0, 0}));
        EXPECT_EQ(chords.back().second, Pixel(100, 50)) << segments;
    }
    Rig ten(11);
    ten.curves.bezierCurve(ends.data(), 2);
    Pixels corners;
    for (int k = 0; k <= 10; ++k)
        corners.emplace_back(10 * k, 5 * k);
    EXPECT_EQ(ten.chords(), sampled(corners));
}

// Four points give the cubic; equal weights the plain curve; random weights, with many zeros
// and cancellations, never a NaN or a far pixel.
TEST(CurveSplines, BezierProperties) {
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> countOf(2, 12);
    std::uniform_int_distribution<int> smallWeight(-2, 2);
    for (int trial = 0; trial < 200; ++trial) {
        const std::vector<Point3> p = randomPoints(rng, 4);
        const int count = countOf(rng);
        const std::vector<Point3> q = randomPoints(rng, count);
        const std::vector<float> equal(static_cast<std::size_t>(count), 2.5f);
        curve::forEachSegmentParameter(51, [&](float t) {
            const Point3 general = curve::bezierPoint(p.data(), 4, t);
            const Point3 cubicPoint = curve::bezierCubicPoint(p[0], p[1], p[2], p[3], t);
            ASSERT_NEAR(general.x, cubicPoint.x, 1e-3);
            ASSERT_NEAR(general.y, cubicPoint.y, 1e-3);
            const Point3 rational = curve::rationalBezierPoint(q.data(), count, equal.data(), t);
            const Point3 plain = curve::bezierPoint(q.data(), count, t);
            ASSERT_NEAR(rational.x, plain.x, 2e-3);
            ASSERT_NEAR(rational.y, plain.y, 2e-3);
        });
        std::vector<float> w;
        for (int i = 0; i < count; ++i)
            w.push_back(static_cast<float>(smallWeight(rng)));
        Rig rig(21);
        rig.curves.rationalBezierCurve(q.data(), count, w.data());
        for (const PlottedPoint& s : rig.target.points)
            ASSERT_LE(std::abs(s.x) + std::abs(s.y), 2 * CurveAlgorithms::kCoordinateLimit);
    }
}

// Degree 49 stays exact in double; the basis sums to one and is 1 at its own end.
TEST(CurveSplines, BernsteinBasis) {
    EXPECT_EQ(curve::binomial(49, 24), 63205303218876.0);
    EXPECT_NEAR(curve::factorial(49) / 6.082818640342675608e62, 1.0, 1e-12);
    EXPECT_FLOAT_EQ(curve::bernstein(3, 1, 0.5f), 0.375f);
    for (int n = 0; n <= 49; ++n) {
        EXPECT_EQ(curve::bernstein(n, 0, 0.0f), 1.0f) << n;
        EXPECT_EQ(curve::bernstein(n, n, 1.0f), 1.0f) << n;
        for (float t : {0.1f, 0.37f, 0.93f}) {
            double sum = 0.0;
            for (int i = 0; i <= n; ++i)
                sum += curve::bernstein(n, i, t);
            EXPECT_NEAR(sum, 1.0, 1e-4) << n << " " << t;
        }
    }
}

// Coons and Catmull-Rom chains draw count - 3 segments, each starting with its one-pixel
// chord; Ferguson pairs (point, tangent end) and draws one segment per pair after the first.
TEST(CurveSplines, Chains) {
    using ChainOp = double (CurveAlgorithms::*)(const Point3*, int);
    std::vector<Point3> line;  // (0,100), (10,101), ... (70,107)
    for (float i = 0; i < 8; ++i)
        line.push_back(pt(10 * i, 100 + i));
    const std::vector<Point3> pairs = {pt(0, 0),   pt(16, 32),   pt(80, 16),  pt(104, 48),
                                       pt(160, 0), pt(168, -40), pt(240, 24), pt(248, 64)};
    // Hermite midpoints (A + B)/2 + (T0 - T1)/8 with T0 leaving A and T1 leaving B.
    const Chords first = sampled({{0, 0}, {39, 8}, {80, 16}});
    const Chords second = sampled({{80, 16}, {122, 17}, {160, 0}});
    const Chords third = sampled({{160, 0}, {200, 2}, {240, 24}});
    auto joined = [](std::initializer_list<Chords> parts) {
        Chords out;
        for (const Chords& p : parts)
            out.insert(out.end(), p.begin(), p.end());
        return out;
    };
    const struct {
        ChainOp op;
        const std::vector<Point3>* points;
        int count;
        Chords chords;
    } cases[] = {
        {&CurveAlgorithms::catmullRomCurve, &line, 8,
         joined({sampled({{10, 101}, {15, 101}, {20, 102}}), sampled({{20, 102}, {25, 102}, {30, 103}}),
                 sampled({{30, 103}, {35, 103}, {40, 104}}), sampled({{40, 104}, {45, 104}, {50, 105}}),
                 sampled({{50, 105}, {55, 105}, {60, 106}})})},
        {&CurveAlgorithms::catmullRomCurve, &line, 4, sampled({{10, 101}, {15, 101}, {20, 102}})},
        // Segments from (P0 + 4·P1 + P2)/6 to (P1 + 4·P2 + P3)/6.
        {&CurveAlgorithms::coonsCurve, &kSix, 4, sampled({{15, 33}, {30, 38}, {45, 33}})},
        {&CurveAlgorithms::coonsCurve, &kSix, 5,
         joined({sampled({{15, 33}, {30, 38}, {45, 33}}), sampled({{45, 33}, {54, 20}, {63, 11}})})},
        {&CurveAlgorithms::fergusonCurve, &pairs, 4, first},
        {&CurveAlgorithms::fergusonCurve, &pairs, 5, first},
        {&CurveAlgorithms::fergusonCurve, &pairs, 6, joined({first, second})},
        {&CurveAlgorithms::fergusonCurve, &pairs, 7, joined({first, second})},
        {&CurveAlgorithms::fergusonCurve, &pairs, 8, joined({first, second, third})},
        {&CurveAlgorithms::coonsCurve, &kSix, 3, {}},
        {&CurveAlgorithms::catmullRomCurve, &kSix, 0, {}},
        {&CurveAlgorithms::fergusonCurve, &kSix, -1, {}},
    };
    for (const auto& c : cases) {
        Rig rig(3);
        (rig.curves.*c.op)(c.points->data(), c.count);
        EXPECT_EQ(rig.chords(), c.chords) << c.count;
    }
}

}  // namespace
