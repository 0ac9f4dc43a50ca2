#include <gtest/gtest.h>

#include <atomic>
#include <climits>
#include <limits>
#include <new>

#include "Support.h"

// Counting replacements of the global allocation functions for the whole test program: the
// curves are drawn every frame, so after a first frame they must not touch the heap.
namespace {
std::atomic<long> heapAllocations{0};
}  // namespace

// Out of line: inlined into a caller, GCC takes the free() for a mismatch with new.
[[gnu::noinline]] void* operator new(std::size_t size) {
    ++heapAllocations;
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* p) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

const std::vector<Point3> kArch = {pt(0, 0),  pt(10, 40), pt(50, 40),
                                   pt(60, 0), pt(90, 30), pt(100, -20)};
const std::vector<Point3> kCircle = {pt(50, 0),    pt(50, 50),  pt(-50, 50), pt(-50, 0),
                                     pt(-50, -50), pt(50, -50), pt(50, 0)};
const std::vector<float> kCircleKnots = {0, 0, 0, 0.25f, 0.5f, 0.5f, 0.75f, 1, 1, 1};
const std::vector<float> kCircleWeights = {1, 0.5f, 0.5f, 1, 0.5f, 0.5f, 1};
const std::vector<float> kBezierKnots = {0, 0, 0, 0, 1, 1, 1, 1};
const Pixels kArchSamples = {{0, 0}, {12, 22}, {30, 30}, {47, 22}, {60, 0}};  // N = 5

// A curve object with the program's colour, recording into its own target.
struct Rig {
    explicit Rig(int32_t samples) : curves(target, {1, 1, 0}, samples) {}
    Chords chords() const { return chordsOf(target); }
    RecordingTarget target;
    CurveAlgorithms curves;
};

using CubicOp = double (CurveAlgorithms::*)(const Point3&, const Point3&, const Point3&,
                                            const Point3&);

Chords cubic(CubicOp op, int32_t samples, const std::vector<Point3>& p = kArch) {
    Rig rig(samples);
    (rig.curves.*op)(p[0], p[1], p[2], p[3]);
    return rig.chords();
}

// The samples, truncated; the first chord is the start pixel alone.
TEST(CurveCubics, KnownChords) {
    using C = CurveAlgorithms;
    const std::vector<Point3> rising = {pt(0, 0), pt(0, 0), pt(0, 0), pt(0, 60000)};  // t³·P3
    const std::tuple<CubicOp, int32_t, std::vector<Point3>, Chords> cases[] = {
        {&C::bezierCubicIterative, 5, kArch, sampled(kArchSamples)},
        {&C::bezierCubicIterative, 4, kArch, sampled({{0, 0}, {17, 26}, {42, 26}, {60, 0}})},
        {&C::bezierCubicIterative, 2, kArch, sampled({{0, 0}, {60, 0}})},
        {&C::fergusonCubic, 2, kArch, sampled({{0, 0}, {60, 0}})},
        // Tangents P1 - P0 leaving P0, P2 - P3 leaving P3: (P0 + P3)/2 + (T0 - T1)/8 halfway.
        {&C::fergusonCubic,
         3,
         {pt(0, 0), pt(16, 32), pt(72, 8), pt(80, 0)},
         sampled({{0, 0}, {43, 3}, {80, 0}})},
        {&C::coonsCubic, 2, kArch, sampled({{15, 33}, {45, 33}})},
        {&C::catmullRomCubic, 2, kArch, sampled({{10, 40}, {50, 40}})},
        {&C::coonsCubic, 1, kArch, {{{15, 33}, {15, 33}}}},
        {&C::catmullRomCubic, 1, kArch, {{{10, 40}, {10, 40}}}},
        {&C::fergusonCubic, 0, kArch, {}},
        {&C::bezierCubicIterative, -50, kArch, {}},
        {&C::bezierCubicIterative, 5, rising,
         sampled({{0, 0}, {0, 937}, {0, 7500}, {0, 25312}, {0, 60000}})},
    };
    for (const auto& [op, samples, points, chords] : cases)
        EXPECT_EQ(cubic(op, samples, points), chords) << samples;
    // At N = 101 the last float parameter is just below 1: one pixel short.
    EXPECT_EQ(cubic(&C::bezierCubicIterative, 101, rising).back().second, Pixel(0, 59999));
}

// Depth N / 10, truncated toward zero: 2^depth chords from P0 to P3, none below depth 0.
TEST(CurveCubics, RecursiveChordsDependOnTheDepth) {
    const Pixels one{{0, 0}, {60, 0}}, two{{0, 0}, {30, 30}, {60, 0}};
    for (int32_t n = -10; n <= 29; ++n) {
        const Pixels corners = n < -9 ? Pixels{} : n < 10 ? one : n < 20 ? two : kArchSamples;
        EXPECT_EQ(cubic(&CurveAlgorithms::bezierCubicRecursive, n), polyline(corners)) << n;
    }
    const Chords deep = cubic(&CurveAlgorithms::bezierCubicRecursive, 101);
    ASSERT_EQ(deep.size(), 1024u);
    for (std::size_t i = 1; i < deep.size(); ++i)
        ASSERT_EQ(deep[i].first, deep[i - 1].second) << i;
}

// Far or undefined points neither overflow the conversion to pixels nor plot NaN.
TEST(CurveCubics, AbsurdPointsStayDefined) {
    Rig rig(3);
    const float inf = std::numeric_limits<float>::infinity(), nan = std::nanf("");
    rig.curves.bezierCubicIterative(kArch[0], pt(1e30f, -1e30f), pt(3e9f, 2), kArch[3]);
    rig.curves.bezierCubicRecursive(kArch[0], pt(1e30f, -1e30f), pt(3e9f, 2), pt(-3e38f, 0));
    rig.curves.fergusonCubic(kArch[0], pt(inf, 0), pt(nan, 1), kArch[3]);
    const Point3 far[] = {pt(0, 0), pt(nan, 5), pt(1e20f, 5)};
    rig.curves.drawPolygon(far, 3, 1, 1, 1);
    ASSERT_FALSE(rig.target.points.empty());
    for (const PlottedPoint& p : rig.target.points) {
        ASSERT_LE(std::abs(p.x), CurveAlgorithms::kCoordinateLimit);
        ASSERT_LE(std::abs(p.y), CurveAlgorithms::kCoordinateLimit);
    }
}

// Four points give the cubic's samples; equal weights the plain curve, a larger one pulls
// the curve to its point. Weights that cancel skip their sample and join its neighbours.
TEST(CurveSplines, BezierCurves) {
    Rig plain(5);
    plain.curves.bezierCurve(kArch.data(), 4);
    EXPECT_EQ(plain.chords(), sampled(kArchSamples));
    const std::tuple<std::vector<float>, int32_t, Chords> cases[] = {
        {{1, 1, 1, 1}, 6, sampled({{0, 0}, {9, 19}, {22, 28}, {37, 28}, {50, 19}, {60, 0}})},
        {{1, 10, 1, 1}, 6, sampled({{0, 0}, {9, 35}, {12, 37}, {17, 36}, {31, 28}, {60, 0}})},
        {{1, 0, 0, -1}, 3, sampled({{0, 0}, {60, 0}})},
        {{0, 0, 0, 0}, 101, {}}};
    for (const auto& [weights, samples, chords] : cases) {
        Rig rig(samples);
        rig.curves.rationalBezierCurve(kArch.data(), 4, weights.data());
        EXPECT_EQ(rig.chords(), chords) << weights[1];
    }
    // Two points: `segments` chords along the segment after the start pixel.
    const Point3 ends[] = {pt(0.5f, 0.5f), pt(100.5f, 50.5f)};
    for (int32_t segments = 1; segments <= 200; ++segments) {
        Rig rig(segments + 1);
        rig.curves.bezierCurve(ends, 2);
        ASSERT_EQ(rig.chords().size(), std::size_t(segments + 1)) << segments;
        EXPECT_EQ(rig.chords().back().second, Pixel(100, 50)) << segments;
        if (segments == 10) {
            EXPECT_EQ(rig.chords()[5], Chord({40, 20}, {50, 25}));
        }
    }
    // Degree 49 stays exact in double.
    EXPECT_EQ(curve::binomial(49, 24), 63205303218876.0);
    EXPECT_NEAR(curve::factorial(49) / 6.082818640342675608e62, 1.0, 1e-12);
}

// Coons and Catmull-Rom chains draw count - 3 segments, each opening with its one-pixel
// chord; Ferguson pairs (point, tangent end) and draws a segment per pair after the first.
TEST(CurveSplines, Chains) {
    using ChainOp = double (CurveAlgorithms::*)(const Point3*, int);
    std::vector<Point3> line;  // (0,100), (10,101), ... (70,107)
    for (float i = 0; i < 8; ++i)
        line.push_back(pt(10 * i, 100 + i));
    const std::vector<Point3> pairs = {pt(0, 0),   pt(16, 32),   pt(80, 16),  pt(104, 48),
                                       pt(160, 0), pt(168, -40), pt(240, 24), pt(248, 64)};
    auto join = [](std::initializer_list<Chords> parts) {
        Chords out;
        for (const Chords& p : parts)
            out.insert(out.end(), p.begin(), p.end());
        return out;
    };
    // Hermite midpoints (A + B)/2 + (T0 - T1)/8, each tangent leaving its own curve point.
    const Chords f1 = sampled({{0, 0}, {39, 8}, {80, 16}}),
                 f2 = sampled({{80, 16}, {122, 17}, {160, 0}}),
                 f3 = sampled({{160, 0}, {200, 2}, {240, 24}});
    // Coons segments from (P0 + 4·P1 + P2)/6 to (P1 + 4·P2 + P3)/6.
    const Chords c1 = sampled({{15, 33}, {30, 38}, {45, 33}}),
                 c2 = sampled({{45, 33}, {54, 20}, {63, 11}});
    Chords r;
    for (int k = 1; k <= 5; ++k)
        r = join({r, sampled({{10 * k, 100 + k}, {10 * k + 5, 100 + k}, {10 * k + 10, 101 + k}})});
    const std::tuple<ChainOp, const std::vector<Point3>*, int, Chords> cases[] = {
        {&CurveAlgorithms::catmullRomCurve, &line, 8, r},
        {&CurveAlgorithms::catmullRomCurve, &line, 4, Chords(r.begin(), r.begin() + 3)},
        {&CurveAlgorithms::coonsCurve, &kArch, 4, c1},
        {&CurveAlgorithms::coonsCurve, &kArch, 5, join({c1, c2})},
        {&CurveAlgorithms::fergusonCurve, &pairs, 4, f1},
        {&CurveAlgorithms::fergusonCurve, &pairs, 5, f1},
        {&CurveAlgorithms::fergusonCurve, &pairs, 6, join({f1, f2})},
        {&CurveAlgorithms::fergusonCurve, &pairs, 7, join({f1, f2})},
        {&CurveAlgorithms::fergusonCurve, &pairs, 8, join({f1, f2, f3})},
        {&CurveAlgorithms::coonsCurve, &kArch, 3, {}},
        {&CurveAlgorithms::catmullRomCurve, &kArch, 0, {}},
        {&CurveAlgorithms::fergusonCurve, &kArch, -1, {}}};
    for (const auto& [op, points, count, chords] : cases) {
        Rig rig(3);
        (rig.curves.*op)(points->data(), count);
        EXPECT_EQ(rig.chords(), chords) << count;
    }
}

// N - 1 chords through the samples, no one-pixel first one; the knots of the last call stay
// in the buffer, a refused call leaves them. Order 1 samples the control points, order 2
// the polygon; the NURBS Bezier preset follows the cubic.
TEST(CurveKnots, BSplineAndNurbsSamples) {
    const std::tuple<int, int, int32_t, std::vector<float>, Pixels> cases[] = {
        {6, 3, 5, {0, 0, 0, 1, 2, 3, 4, 4, 4}, {{0, 0}, {30, 40}, {55, 20}, {75, 15}, {100, -20}}},
        {6, 1, 5, {0, 1, 2, 3, 4, 5, 6}, {{0, 0}, {10, 40}, {60, 0}, {90, 30}, {100, -20}}},
        {4, 4, 3, {0, 0, 0, 0, 1, 1, 1, 1}, {{0, 0}, {30, 30}, {60, 0}}},
        {5, 2, 3, {0, 0, 1, 2, 3, 4, 4}, {{0, 0}, {50, 40}, {90, 30}}}};
    for (const auto& [count, order, samples, knots, corners] : cases) {
        Rig rig(samples);
        rig.curves.bsplineCurve(kArch.data(), count, order);
        EXPECT_EQ(rig.curves.knotBuffer(), knots) << count << " points, order " << order;
        EXPECT_EQ(rig.chords(), polyline(corners)) << count << " points, order " << order;
        rig.curves.bsplineCurve(kArch.data(), 3, 2);
        EXPECT_EQ(rig.curves.knotBuffer(), knots);
    }
    const std::vector<float> ones(4, 1.0f);
    Rig preset(5);
    preset.curves.nurbsCurve(kArch.data(), kBezierKnots.data(), ones.data(), 4, 8);
    EXPECT_EQ(preset.chords(), polyline(kArchSamples));
    Rig circle(9);
    circle.curves.nurbsCurve(kCircle.data(), kCircleKnots.data(), kCircleWeights.data(), 7, 10);
    const Pixels round = {{50, 0},    {40, 30}, {0, 50},   {-40, 30}, {-50, 0},
                          {-40, -30}, {0, -50}, {40, -30}, {50, 0}};
    EXPECT_EQ(circle.chords(), polyline(round));
}

// Fewer than four points, an order outside 1 to the count, or fewer than two samples draw
// nothing; a refused call returns 0 ms and does not even set its colour. A NURBS sample whose
// weights cancel is left out; with every weight 0 only the end point is left, and no chord.
TEST(CurveKnots, NothingToDraw) {
    const std::vector<Point3> many(20, pt(5, 5));
    const std::tuple<int, int, int32_t> refused[] = {
        {3, 2, 101}, {4, 5, 101}, {4, 0, 101}, {20, 14, 101}, {20, INT_MAX, 101}, {6, 3, 1},
    };
    for (const auto& [count, order, samples] : refused) {
        Rig rig(samples);
        const double ms = rig.curves.bsplineCurve(many.data(), count, order);
        EXPECT_TRUE(rig.target.points.empty()) << count << " points, order " << order;
        EXPECT_EQ(rig.target.colors.size(), samples > 1 ? 0u : 1u) << count << ", " << order;
        EXPECT_TRUE(samples < 2 || ms == 0.0);
    }
    for (const auto& [count, knotCount] :
         {std::pair{7, 7}, {7, -5}, {0, 5}, {4, 18}, {4, INT_MAX}, {2, INT_MIN}}) {
        const std::vector<float> w(7, 1.0f), u(32, 0.5f);
        Rig rig(101);
        EXPECT_EQ(rig.curves.nurbsCurve(many.data(), u.data(), w.data(), count, knotCount), 0.0);
        EXPECT_TRUE(rig.target.colors.empty()) << count << " points, " << knotCount;
    }
    EXPECT_EQ(Rig(101).curves.nurbsCurve(many.data(), nullptr, kCircleWeights.data(), 4, 8), 0.0);
    for (const auto& [weights, samples, chords] :
         {std::tuple{std::vector<float>{1, 0, 0, -1}, 3, Chords{{{0, 0}, {60, 0}}}},
          {{0, 0, 0, 0}, 101, {}}}) {
        Rig rig(samples);
        rig.curves.nurbsCurve(kArch.data(), kBezierKnots.data(), weights.data(), 4, 8);
        EXPECT_EQ(rig.chords(), chords);
    }
}

// After a first frame the curves that keep buffers allocate nothing, and the recursive Bezier
// never does, not even at its depth cap of 20 (N = 500 would ask for 50): a million chords.
TEST(CurveKnots, SecondFrameAllocatesNothing) {
    struct : RasterTarget {
        void setColor(float, float, float) override { ++colourChanges; }
        void plot(float, float) override {}
        long colourChanges = 0;
    } target;
    CurveAlgorithms curves(target, {1, 1, 0}, 500);
    auto frame = [&] {
        for (int order = 1; order <= 5; ++order)
            curves.bsplineCurve(kCircle.data(), 7, order);
        curves.nurbsCurve(kCircle.data(), kCircleKnots.data(), kCircleWeights.data(), 7, 10);
    };
    frame();
    const long before = heapAllocations;
    frame();
    target.colourChanges = 0;
    curves.bezierCubicRecursive(kArch[0], kArch[1], kArch[2], kArch[3]);
    EXPECT_EQ(heapAllocations - before, 0);
    EXPECT_EQ(target.colourChanges, (1L << 20) + 1);  // each chord opens with its colour
    ::operator delete(::operator new(16));
    EXPECT_EQ(heapAllocations - before, 1);  // the counter does count
}

}  // namespace
