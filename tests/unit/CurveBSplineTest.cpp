#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "CurveTestSupport.h"

namespace {

const std::vector<Point3> kSix = {pt(0, 0),  pt(10, 40), pt(50, 40),
                                  pt(60, 0), pt(90, 30), pt(100, -20)};

const std::vector<float> kBezierKnots = {0, 0, 0, 0, 1, 1, 1, 1};
const std::vector<float> kUnitWeights = {1, 1, 1, 1};

// The cubic Bezier by de Casteljau in double, independent of every basis in the code.
Point3 deCasteljau(const std::vector<Point3>& p, double t) {
    double x[4], y[4];
    for (int i = 0; i < 4; ++i) {
        x[i] = p[static_cast<std::size_t>(i)].x;
        y[i] = p[static_cast<std::size_t>(i)].y;
    }
    for (int level = 3; level > 0; --level) {
        for (int i = 0; i < level; ++i) {
            x[i] += t * (x[i + 1] - x[i]);
            y[i] += t * (y[i + 1] - y[i]);
        }
    }
    return pt(static_cast<float>(x[0]), static_cast<float>(y[0]));
}

double distanceToSegment(const Point3& p, const Point3& a, const Point3& b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double len2 = dx * dx + dy * dy;
    double s = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0.0;
    s = std::clamp(s, 0.0, 1.0);
    return std::hypot(p.x - (a.x + s * dx), p.y - (a.y + s * dy));
}

TEST(CurveBSpline, ClampedUniformKnots) {
    const struct {
        int count;
        int order;
        std::vector<float> knots;
    } cases[] = {
        {6, 3, {0, 0, 0, 1, 2, 3, 4, 4, 4}},
        {6, 1, {0, 1, 2, 3, 4, 5, 6}},
        {4, 4, {0, 0, 0, 0, 1, 1, 1, 1}},
        {5, 2, {0, 0, 1, 2, 3, 4, 4}},
    };
    CurveRig rig;
    for (const auto& c : cases) {
        rig.curves.bsplineCurve(kSix.data(), c.count, c.order);
        EXPECT_EQ(rig.curves.knotBuffer(), c.knots) << c.count << " points, order " << c.order;
    }
    rig.curves.bsplineCurve(kSix.data(), 3, 2);  // refused before the knots are built
    EXPECT_EQ(rig.curves.knotBuffer(), cases[3].knots);
}

TEST(CurveBSpline, OrderOneSamplesAreControlPoints) {
    CurveRig rig(5);  // increment 1.5: v = 0, 1.5, 3, 4.5, then the end point
    rig.curves.bsplineCurve(kSix.data(), 6, 1);
    EXPECT_EQ(rig.chords(), chordsThrough({{0, 0}, {10, 40}, {60, 0}, {90, 30}, {100, -20}}));
}

TEST(CurveBSpline, OrderThreeSamplesOfTheWorkedExample) {
    CurveRig rig(5);
    rig.curves.bsplineCurve(kSix.data(), 6, 3);
    EXPECT_EQ(rig.chords(), chordsThrough({{0, 0}, {30, 40}, {55, 20}, {75, 15}, {100, -20}}));
}

TEST(CurveBSpline, OrderTwoSamplesLieOnTheControlPolygon) {
    std::mt19937 rng(21);
    std::uniform_int_distribution<int> countOf(4, 50);
    std::uniform_int_distribution<int32_t> samplesOf(2, 201);
    for (int trial = 0; trial < 100; ++trial) {
        const int count = countOf(rng);
        const std::vector<Point3> p = randomPoints(rng, count);
        CurveRig rig(samplesOf(rng));
        rig.curves.bsplineCurve(p.data(), count, 2);
        ASSERT_EQ(rig.curves.splineSamples().size(),
                  static_cast<std::size_t>(rig.curves.sampleCount));
        for (const Point3& s : rig.curves.splineSamples()) {
            double nearest = 1e9;
            for (std::size_t i = 1; i < p.size(); ++i) {
                nearest = std::min(nearest, distanceToSegment(s, p[i - 1], p[i]));
            }
            ASSERT_LT(nearest, 1e-3) << "trial " << trial;
        }
    }
}

TEST(CurveBSpline, PreconditionsRefuseWithoutDrawing) {
    std::vector<Point3> many(20, pt(5, 5));
    const struct {
        int count;
        int order;
    } cases[] = {{3, 2}, {3, 3}, {4, 5}, {0, 1}, {-4, 1}, {4, 0}, {4, -2}, {20, 14}, {20, INT_MAX}};
    for (const auto& c : cases) {
        CurveRig rig;
        EXPECT_EQ(rig.curves.bsplineCurve(many.data(), c.count, c.order), 0.0);
        EXPECT_TRUE(rig.target.points.empty()) << c.count << " points, order " << c.order;
        EXPECT_TRUE(rig.target.colors.empty()) << c.count << " points, order " << c.order;
    }
}

TEST(CurveBSpline, BasisSumsToOneInsideTheKnotSpan) {
    std::mt19937 rng(22);
    std::uniform_int_distribution<int> lastIndexOf(3, 30);
    std::uniform_int_distribution<int> orderOf(1, 5);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int trial = 0; trial < 500; ++trial) {
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
        }
        EXPECT_NEAR(sum, 1.0, 1e-12) << "n = " << n << ", order " << t << ", v = " << v;
        // The last knot has no support: the half-open intervals end before it.
        for (int k = 0; k <= n; ++k) {
            EXPECT_EQ(curve::bsplineBlend(k, t, u.data(), end), 0.0);
        }
    }
}

TEST(CurveBSpline, SampleCountsBelowTwoDrawNothing) {
    for (int32_t n : {1, 0, -3}) {
        CurveRig rig(n);
        rig.curves.bsplineCurve(kSix.data(), 6, 3);
        rig.curves.nurbsCurve(kCirclePoints.data(), kCircleKnots.data(), kCircleWeights.data(), 7,
                              10);
        EXPECT_TRUE(rig.target.points.empty()) << n;
    }
}

TEST(CurveNurbs, CirclePresetIsATrueCircle) {
    CurveRig rig(9);
    rig.curves.nurbsCurve(kCirclePoints.data(), kCircleKnots.data(), kCircleWeights.data(), 7, 10);
    const Pixels corners = {{50, 0},    {40, 30}, {0, 50},   {-40, 30}, {-50, 0},
                            {-40, -30}, {0, -50}, {40, -30}, {50, 0}};
    EXPECT_EQ(rig.chords(), chordsThrough(corners));

    CurveRig fine(201);
    fine.curves.nurbsCurve(kCirclePoints.data(), kCircleKnots.data(), kCircleWeights.data(), 7, 10);
    ASSERT_EQ(fine.curves.splineSamples().size(), 201u);
    for (const Point3& s : fine.curves.splineSamples()) {
        EXPECT_NEAR(std::hypot(s.x, s.y), 50.0, 1e-3) << s.x << " " << s.y;
    }
}

TEST(CurveNurbs, BezierPresetAndIterativeCubicFollowTheSameCurve) {
    std::mt19937 rng(23);
    for (int trial = 0; trial < 200; ++trial) {
        const std::vector<Point3> p = randomPoints(rng, 4);
        CurveRig rig(101);
        rig.curves.nurbsCurve(p.data(), kBezierKnots.data(), kUnitWeights.data(), 4, 8);
        const std::vector<Point3>& nurbs = rig.curves.splineSamples();
        ASSERT_EQ(nurbs.size(), 101u);
        std::vector<Point3> cubic;
        std::vector<float> cubicT;
        curve::forEachSegmentParameter(101, [&](float t) {
            cubic.push_back(curve::bezierCubicPoint(p[0], p[1], p[2], p[3], t));
            cubicT.push_back(t);
        });
        ASSERT_EQ(cubic.size(), 101u);
        for (std::size_t i = 0; i < 101; ++i) {
            // The NURBS parameter steps in double, the cubic's in float (its last t is
            // 0.99999934): each is checked at its own parameter, and the two within the
            // distance that parameter gap can open.
            const Point3 atNurbsV = deCasteljau(p, static_cast<double>(i) / 100.0);
            const Point3 atCubicT = deCasteljau(p, cubicT[i]);
            ASSERT_NEAR(nurbs[i].x, atNurbsV.x, 1e-3) << "sample " << i;
            ASSERT_NEAR(nurbs[i].y, atNurbsV.y, 1e-3) << "sample " << i;
            ASSERT_NEAR(cubic[i].x, atCubicT.x, 1e-3) << "sample " << i;
            ASSERT_NEAR(cubic[i].y, atCubicT.y, 1e-3) << "sample " << i;
            ASSERT_NEAR(nurbs[i].x, cubic[i].x, 5e-3) << "sample " << i;
            ASSERT_NEAR(nurbs[i].y, cubic[i].y, 5e-3) << "sample " << i;
        }
    }
}

TEST(CurveNurbs, EqualWeightsGiveTheBSpline) {
    std::mt19937 rng(24);
    for (int trial = 0; trial < 100; ++trial) {
        const int count = 7;
        const std::vector<Point3> p = randomPoints(rng, count);
        std::vector<float> u(10);
        curve::bsplineKnots(u.data(), count - 1, 3);
        const std::vector<float> w(7, 2.5f);
        for (double v = 0.0; v < 5.0; v += 0.137) {
            const Point3 a = curve::nurbsPoint(p.data(), w.data(), count - 1, 3, u.data(), v);
            const Point3 b = curve::bsplinePoint(p.data(), count - 1, 3, u.data(), v);
            ASSERT_NEAR(a.x, b.x, 1e-3);
            ASSERT_NEAR(a.y, b.y, 1e-3);
        }
    }
}

TEST(CurveNurbs, ZeroDenominatorSkipsTheSample) {
    const std::vector<float> cancelling = {1, 0, 0, -1};  // h sums to 0 at v = 1/2
    CurveRig rig(3);
    rig.curves.nurbsCurve(kArch.data(), kBezierKnots.data(), cancelling.data(), 4, 8);
    EXPECT_EQ(rig.chords(), (Chords{{{0, 0}, {60, 0}}}));

    const std::vector<float> zero = {0, 0, 0, 0};
    CurveRig none(101);
    none.curves.nurbsCurve(kArch.data(), kBezierKnots.data(), zero.data(), 4, 8);
    EXPECT_TRUE(none.target.points.empty());  // only the end point survives: no chord
}

TEST(CurveNurbs, NonsenseCountsDrawNothing) {
    const struct {
        int count;
        int knotCount;
    } cases[] = {{7, 7}, {7, 3}, {7, -5}, {0, 5}, {-3, 5}, {4, 18}, {4, INT_MAX}, {2, INT_MIN}};
    for (const auto& c : cases) {
        // Arrays as long as the counts claim (within reason): a read past them shows in ASan.
        const std::size_t points = static_cast<std::size_t>(std::max(c.count, 1));
        const std::size_t knots = static_cast<std::size_t>(std::clamp(c.knotCount, 1, 32));
        std::vector<Point3> p(points, pt(1, 1));
        std::vector<float> w(points, 1.0f);
        std::vector<float> u(knots, 0.5f);
        CurveRig rig;
        EXPECT_EQ(rig.curves.nurbsCurve(p.data(), u.data(), w.data(), c.count, c.knotCount), 0.0);
        EXPECT_TRUE(rig.target.colors.empty()) << c.count << " points, " << c.knotCount;
    }
}

TEST(CurveNurbs, HandEditedKnotsAndWeightsStayInBoundsAndFinite) {
    std::mt19937 rng(25);
    std::uniform_int_distribution<int> countOf(1, 10);
    std::uniform_int_distribution<int> orderOf(1, CurveAlgorithms::kMaxOrder);
    std::uniform_real_distribution<float> knotOf(-0.5f, 1.5f);
    std::uniform_int_distribution<int> weightOf(-2, 2);
    for (int trial = 0; trial < 200; ++trial) {
        const int count = countOf(rng);
        const int knotCount = count + orderOf(rng);
        std::vector<Point3> p = randomPoints(rng, count);
        std::vector<float> w;
        for (int i = 0; i < count; ++i) {
            w.push_back(static_cast<float>(weightOf(rng)));
        }
        std::vector<float> u;
        for (int i = 0; i < knotCount; ++i) {
            u.push_back(knotOf(rng));
        }
        if (trial % 2 == 0) std::sort(u.begin(), u.end());
        CurveRig rig(15);
        rig.curves.nurbsCurve(p.data(), u.data(), w.data(), count, knotCount);
        for (const PlottedPoint& q : rig.target.points) {
            ASSERT_LE(std::abs(q.x), CurveAlgorithms::kCoordinateLimit) << "trial " << trial;
            ASSERT_LE(std::abs(q.y), CurveAlgorithms::kCoordinateLimit) << "trial " << trial;
        }
    }
}

}  // namespace
