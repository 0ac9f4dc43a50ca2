#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <new>
#include <random>

#include "Support.h"
#include "raster2d/CurveAlgorithms.h"

// Counting replacements of the global allocation functions for the whole test program: the
// curves are drawn every frame, so after a first frame they must not touch the heap.
namespace {
std::atomic<long> heapAllocations{0};
}  // namespace

// Out of line: inlined into a caller, GCC takes the free() for a mismatch with new.
[[gnu::noinline]] void* operator new(std::size_t size) {
    heapAllocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* p) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

const std::vector<Point3> kSix = {pt(0, 0),  pt(10, 40), pt(50, 40),
                                  pt(60, 0), pt(90, 30), pt(100, -20)};
const std::vector<Point3> kCircle = {pt(50, 0),    pt(50, 50),  pt(-50, 50), pt(-50, 0),
                                     pt(-50, -50), pt(50, -50), pt(50, 0)};
const std::vector<float> kCircleKnots = {0, 0, 0, 0.25f, 0.5f, 0.5f, 0.75f, 1, 1, 1};
const std::vector<float> kCircleWeights = {1, 0.5f, 0.5f, 1, 0.5f, 0.5f, 1};
const std::vector<float> kBezierKnots = {0, 0, 0, 0, 1, 1, 1, 1};

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

// The cubic Bezier by de Casteljau in double, independent of every basis in the code.
Point3 deCasteljau(const std::vector<Point3>& p, double t) {
    double x[4], y[4];
    for (std::size_t i = 0; i < 4; ++i) {
        x[i] = p[i].x;
        y[i] = p[i].y;
    }
    for (int level = 3; level > 0; --level) {
        for (int i = 0; i < level; ++i) {
            x[i] += t * (x[i + 1] - x[i]);
            y[i] += t * (y[i + 1] - y[i]);
        }
    }
    return pt(static_cast<float>(x[0]), static_cast<float>(y[0]));
}

// Samples joined by N - 1 chords, without a one-pixel first one; the knots of the last call
// stay in the buffer, a refused call leaves them.
TEST(BSpline, KnotsAndSamples) {
    const struct {
        int count, order;
        int32_t samples;
        std::vector<float> knots;
        Pixels corners;
    } cases[] = {
        {6, 3, 5, {0, 0, 0, 1, 2, 3, 4, 4, 4}, {{0, 0}, {30, 40}, {55, 20}, {75, 15}, {100, -20}}},
        // Order 1: the increment 1.5 lands on P0, P1, P3, P4, then the end point.
        {6, 1, 5, {0, 1, 2, 3, 4, 5, 6}, {{0, 0}, {10, 40}, {60, 0}, {90, 30}, {100, -20}}},
        {4, 4, 3, {0, 0, 0, 0, 1, 1, 1, 1}, {{0, 0}, {30, 30}, {60, 0}}},
        {5, 2, 3, {0, 0, 1, 2, 3, 4, 4}, {{0, 0}, {50, 40}, {90, 30}}},
    };
    for (const auto& c : cases) {
        Rig rig(c.samples);
        rig.curves.bsplineCurve(kSix.data(), c.count, c.order);
        EXPECT_EQ(rig.curves.knotBuffer(), c.knots) << c.count << " points, order " << c.order;
        EXPECT_EQ(rig.chords(), polyline(c.corners)) << c.count << " points, order " << c.order;
        rig.curves.bsplineCurve(kSix.data(), 3, 2);
        EXPECT_EQ(rig.curves.knotBuffer(), c.knots);
    }
}

// Fewer than four points, an order outside 1 to the count, or fewer than two samples: 0 ms,
// and not even the colour is set.
TEST(BSpline, RefusedWithoutDrawing) {
    const std::vector<Point3> many(20, pt(5, 5));
    const struct {
        int count, order;
        int32_t samples;
    } cases[] = {{3, 2, 101}, {3, 3, 101}, {4, 5, 101}, {0, 1, 101}, {-4, 1, 101}, {4, 0, 101},
                 {4, -2, 101}, {20, 14, 101}, {20, INT_MAX, 101}, {6, 3, 1}, {6, 3, 0}, {6, 3, -3}};
    for (const auto& c : cases) {
        Rig rig(c.samples);
        const double ms = rig.curves.bsplineCurve(many.data(), c.count, c.order);
        if (c.samples > 1) {
            EXPECT_EQ(ms, 0.0);
        }
        EXPECT_TRUE(rig.target.points.empty()) << c.count << " points, order " << c.order;
        EXPECT_EQ(rig.target.colors.size(), c.samples > 1 ? 0u : 1u) << c.count << ", " << c.order;
    }
}

// Inside the knot span the basis is non-negative and sums to one; at the end knot it has no
// support. Order 2 samples lie on the control polygon.
TEST(BSpline, BasisProperties) {
    std::mt19937 rng(22);
    std::uniform_int_distribution<int> lastIndexOf(3, 30);
    std::uniform_int_distribution<int> orderOf(1, 5);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int trial = 0; trial < 300; ++trial) {
        const int n = lastIndexOf(rng);
        const int t = std::min(orderOf(rng), n + 1);
        std::vector<float> u(static_cast<std::size_t>(n + t + 1));
        curve::bsplineKnots(u.data(), n, t);
        const double end = n - t + 2;
        const double v = unit(rng) * end;
        double sum = 0.0;
        for (int k = 0; k <= n; ++k) {
            const double b = curve::bsplineBlend(k, t, u.data(), v);
            ASSERT_GE(b, 0.0);
            sum += b;
            ASSERT_EQ(curve::bsplineBlend(k, t, u.data(), end), 0.0);
        }
        ASSERT_NEAR(sum, 1.0, 1e-12) << n << " " << t << " " << v;
    }
    for (int trial = 0; trial < 50; ++trial) {
        const std::vector<Point3> p = randomPoints(rng, 4 + trial);
        Rig rig(31);
        rig.curves.bsplineCurve(p.data(), 4 + trial, 2);
        ASSERT_EQ(rig.curves.splineSamples().size(), 31u);
        for (const Point3& s : rig.curves.splineSamples()) {
            double nearest = 1e9;
            for (std::size_t i = 1; i < p.size(); ++i) {
                const double dx = p[i].x - p[i - 1].x, dy = p[i].y - p[i - 1].y;
                const double along = std::clamp(
                    ((s.x - p[i - 1].x) * dx + (s.y - p[i - 1].y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
                nearest = std::min(nearest, std::hypot(s.x - p[i - 1].x - along * dx,
                                                       s.y - p[i - 1].y - along * dy));
            }
            ASSERT_LT(nearest, 1e-3) << trial;
        }
    }
}

TEST(Nurbs, CirclePresetIsATrueCircle) {
    Rig rig(9);
    rig.curves.nurbsCurve(kCircle.data(), kCircleKnots.data(), kCircleWeights.data(), 7, 10);
    EXPECT_EQ(rig.chords(), polyline({{50, 0}, {40, 30}, {0, 50}, {-40, 30}, {-50, 0}, {-40, -30},
                                      {0, -50}, {40, -30}, {50, 0}}));
    Rig fine(201);
    fine.curves.nurbsCurve(kCircle.data(), kCircleKnots.data(), kCircleWeights.data(), 7, 10);
    ASSERT_EQ(fine.curves.splineSamples().size(), 201u);
    for (const Point3& s : fine.curves.splineSamples())
        EXPECT_NEAR(std::hypot(s.x, s.y), 50.0, 1e-3) << s.x << " " << s.y;
}

// The Bezier preset follows the cubic Bezier of its points; equal weights give the B-spline.
TEST(Nurbs, PresetsAndEqualWeights) {
    std::mt19937 rng(23);
    const std::vector<float> unit(4, 1.0f);
    for (int trial = 0; trial < 100; ++trial) {
        const std::vector<Point3> p = randomPoints(rng, 4);
        Rig rig(101);
        rig.curves.nurbsCurve(p.data(), kBezierKnots.data(), unit.data(), 4, 8);
        const std::vector<Point3>& samples = rig.curves.splineSamples();
        ASSERT_EQ(samples.size(), 101u);
        for (std::size_t i = 0; i < 101; ++i) {
            const Point3 exact = deCasteljau(p, static_cast<double>(i) / 100.0);
            ASSERT_NEAR(samples[i].x, exact.x, 1e-3) << i;
            ASSERT_NEAR(samples[i].y, exact.y, 1e-3) << i;
        }
        const std::vector<Point3> q = randomPoints(rng, 7);
        std::vector<float> u(10);
        curve::bsplineKnots(u.data(), 6, 3);
        const std::vector<float> w(7, 2.5f);
        for (double v = 0.0; v < 5.0; v += 0.137) {
            const Point3 a = curve::nurbsPoint(q.data(), w.data(), 6, 3, u.data(), v);
            const Point3 b = curve::bsplinePoint(q.data(), 6, 3, u.data(), v);
            ASSERT_NEAR(a.x, b.x, 1e-3);
            ASSERT_NEAR(a.y, b.y, 1e-3);
        }
    }
}

// A sample whose weights cancel is left out; with every weight zero only the end point is
// left, which makes no chord. Orders outside 1 to 13 draw nothing at all.
TEST(Nurbs, UndefinedSamplesAndNonsenseCounts) {
    const std::vector<float> cancelling = {1, 0, 0, -1};
    Rig rig(3);
    rig.curves.nurbsCurve(kSix.data(), kBezierKnots.data(), cancelling.data(), 4, 8);
    EXPECT_EQ(rig.chords(), (Chords{{{0, 0}, {60, 0}}}));
    const std::vector<float> zero = {0, 0, 0, 0};
    Rig none(101);
    none.curves.nurbsCurve(kSix.data(), kBezierKnots.data(), zero.data(), 4, 8);
    EXPECT_TRUE(none.target.points.empty());

    const std::pair<int, int> counts[] = {{7, 7}, {7, 3},  {7, -5},      {0, 5},
                                          {-3, 5}, {4, 18}, {4, INT_MAX}, {2, INT_MIN}};
    for (const auto& [count, knotCount] : counts) {
        const std::size_t points = static_cast<std::size_t>(std::max(count, 1));
        std::vector<Point3> p(points, pt(1, 1));
        std::vector<float> w(points, 1.0f);
        std::vector<float> u(static_cast<std::size_t>(std::clamp(knotCount, 1, 32)), 0.5f);
        Rig refused;
        EXPECT_EQ(refused.curves.nurbsCurve(p.data(), u.data(), w.data(), count, knotCount), 0.0);
        EXPECT_TRUE(refused.target.colors.empty()) << count << " points, " << knotCount;
    }
}

// Hand-edited knots and weights, sorted or not, never plot a NaN or a far pixel.
TEST(Nurbs, HandEditedKnotsStayFinite) {
    std::mt19937 rng(25);
    std::uniform_int_distribution<int> countOf(1, 10);
    std::uniform_int_distribution<int> orderOf(1, CurveAlgorithms::kMaxOrder);
    std::uniform_real_distribution<float> knotOf(-0.5f, 1.5f);
    std::uniform_int_distribution<int> weightOf(-2, 2);
    for (int trial = 0; trial < 200; ++trial) {
        const int count = countOf(rng);
        const int knotCount = count + orderOf(rng);
        const std::vector<Point3> p = randomPoints(rng, count);
        std::vector<float> w, u;
        for (int i = 0; i < count; ++i)
            w.push_back(static_cast<float>(weightOf(rng)));
        for (int i = 0; i < knotCount; ++i)
            u.push_back(knotOf(rng));
        if (trial % 2 == 0) std::sort(u.begin(), u.end());
        Rig rig(15);
        rig.curves.nurbsCurve(p.data(), u.data(), w.data(), count, knotCount);
        for (const PlottedPoint& q : rig.target.points)
            ASSERT_LE(std::abs(q.x) + std::abs(q.y), 2 * CurveAlgorithms::kCoordinateLimit);
    }
}

template <class Work>
long allocationsDuring(Work&& work) {
    const long before = heapAllocations.load();
    work();
    return heapAllocations.load() - before;
}

// After a first frame no curve allocates, not even the recursive Bezier at its depth cap of
// 20 (N = 500 would ask for 50): a million chords, each opening with its colour.
TEST(CurveFrames, SecondFrameAllocatesNothing) {
    EXPECT_EQ(allocationsDuring([] { ::operator delete(::operator new(16)); }), 1);
    std::vector<Point3> many;
    for (int i = 0; i < 50; ++i)
        many.push_back(pt(static_cast<float>(16 * i), static_cast<float>(i % 2) * 90.0f));
    const std::vector<float> weights(50, 1.0f);
    CountingTarget target;
    CurveAlgorithms curves(target, {1, 1, 0}, 201);
    const Point3* p = many.data();
    auto frame = [&] {
        curves.bezierCubicIterative(p[0], p[1], p[2], p[3]);
        curves.fergusonCubic(p[0], p[1], p[2], p[3]);
        curves.coonsCubic(p[0], p[1], p[2], p[3]);
        curves.catmullRomCubic(p[0], p[1], p[2], p[3]);
        curves.bezierCurve(p, 50);
        curves.rationalBezierCurve(p, 12, weights.data());
        curves.coonsCurve(p, 50);
        curves.fergusonCurve(p, 50);
        curves.catmullRomCurve(p, 50);
        for (int order = 1; order <= 5; ++order)
            curves.bsplineCurve(p, 50, order);
        curves.nurbsCurve(kCircle.data(), kCircleKnots.data(), kCircleWeights.data(), 7, 10);
        curves.drawPolygon(p, 50, 1, 0, 0);
    };
    frame();
    EXPECT_EQ(allocationsDuring(frame), 0);

    class ChordCounter final : public RasterTarget {
      public:
        void setColor(float, float, float) override { ++colourChanges; }
        void plot(float, float) override {}
        long colourChanges = 0;
    } chords;
    CurveAlgorithms deep(chords, {1, 1, 0}, 500);
    EXPECT_EQ(allocationsDuring([&] { deep.bezierCubicRecursive(p[0], p[1], p[2], p[3]); }), 0);
    EXPECT_EQ(chords.colourChanges - 1, 1L << 20);
}

}  // namespace
