#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "CurveTestSupport.h"

namespace {

using CubicOp = double (CurveAlgorithms::*)(const Point3&, const Point3&, const Point3&,
                                            const Point3&);

Chords drawCubic(CubicOp op, int32_t samples, const Point3& p0 = kArch[0],
                 const Point3& p1 = kArch[1], const Point3& p2 = kArch[2],
                 const Point3& p3 = kArch[3]) {
    CurveRig rig(samples);
    (rig.curves.*op)(p0, p1, p2, p3);
    return rig.chords();
}

std::vector<float> parametersOf(int32_t n) {
    std::vector<float> out;
    curve::forEachSegmentParameter(n, [&](float t) { out.push_back(t); });
    return out;
}

TEST(CurveSampleSegment, ParametersAccumulateInSinglePrecision) {
    EXPECT_EQ(parametersOf(5), (std::vector<float>{0.0f, 0.25f, 0.5f, 0.75f, 1.0f}));
    const std::vector<float> t101 = parametersOf(101);
    ASSERT_EQ(t101.size(), 101u);
    // Summing 1/100 in floats falls short of 1; a double sum or k/(N-1) would reach it.
    EXPECT_FLOAT_EQ(t101.back(), 0.99999934f);
    EXPECT_LT(t101.back(), 1.0f);
}

// Every count of the panel gives that many samples from 0 to 1; one, the start alone; fewer,
// none.
TEST(CurveSampleSegment, SampleCounts) {
    for (int32_t n = 2; n <= 201; ++n) {
        const std::vector<float> t = parametersOf(n);
        ASSERT_EQ(t.size(), static_cast<std::size_t>(n)) << "N = " << n;
        EXPECT_EQ(t.front(), 0.0f);
        EXPECT_NEAR(t.back(), 1.0f, 1e-5f) << "N = " << n;
    }
    EXPECT_EQ(parametersOf(1), (std::vector<float>{0.0f}));
    for (int32_t n : {0, -1, -2, -100, INT32_MIN}) {
        EXPECT_TRUE(parametersOf(n).empty()) << "N = " << n;
    }
}

TEST(CurveSampleSegment, FloatParameterStopsOnePixelShortAtN101) {
    // Q(t) = t³·P3 on a vertical line: t = 0.99999934 gives 59999.88.
    const Point3 o = pt(0, 0);
    const Point3 far = pt(0, 60000);
    const Chords at101 = drawCubic(&CurveAlgorithms::bezierCubicIterative, 101, o, o, o, far);
    ASSERT_EQ(at101.size(), 101u);
    EXPECT_EQ(at101.back().to, Pixel(0, 59999));
    const Chords at5 = drawCubic(&CurveAlgorithms::bezierCubicIterative, 5, o, o, o, far);
    EXPECT_EQ(at5.back().to, Pixel(0, 60000));
}

TEST(CurveBezierCubic, IterativeSamplesOfTheWorkedExample) {
    EXPECT_EQ(drawCubic(&CurveAlgorithms::bezierCubicIterative, 5),
              segmentChords({{0, 0}, {12, 22}, {30, 30}, {47, 22}, {60, 0}}));
    EXPECT_EQ(drawCubic(&CurveAlgorithms::bezierCubicIterative, 4),
              segmentChords({{0, 0}, {17, 26}, {42, 26}, {60, 0}}));
}

// Depth N / 10, truncated toward zero: N from -9 to 9 draws one chord, below -9 none. The cap
// at depth 20 is checked where the million chords are drawn, in the allocation test.
TEST(CurveBezierCubic, RecursiveChordsDependOnTheDepth) {
    const Pixels oneChord{{0, 0}, {60, 0}};
    const Pixels twoChords{{0, 0}, {30, 30}, {60, 0}};
    const Pixels fourChords{{0, 0}, {12, 22}, {30, 30}, {47, 22}, {60, 0}};
    for (int32_t n = -10; n <= 29; ++n) {
        const Pixels corners = n < -9   ? Pixels{}
                               : n < 10 ? oneChord
                               : n < 20 ? twoChords
                                        : fourChords;
        EXPECT_EQ(drawCubic(&CurveAlgorithms::bezierCubicRecursive, n), chordsThrough(corners))
            << "N = " << n;
    }
    EXPECT_TRUE(drawCubic(&CurveAlgorithms::bezierCubicRecursive, -1000).empty());
}

TEST(CurveBezierCubic, RecursiveChordsFormOneOpenPolyline) {
    const Chords chords = drawCubic(&CurveAlgorithms::bezierCubicRecursive, 101);
    ASSERT_EQ(chords.size(), 1024u);  // depth 10
    EXPECT_EQ(chords.front().from, Pixel(0, 0));
    EXPECT_EQ(chords.back().to, Pixel(60, 0));
    for (std::size_t i = 1; i < chords.size(); ++i) {
        ASSERT_EQ(chords[i].from, chords[i - 1].to) << "chord " << i;
    }
}

// Two samples draw the start pixel and one chord, one sample the start pixel alone.
TEST(CurveCubicSegments, FewSamplesDrawTheStartPixelAndAtMostOneChord) {
    const struct {
        const char* name;
        CubicOp op;
        Pixel start;
        Pixel end;
    } cases[] = {
        {"Coons", &CurveAlgorithms::coonsCubic, {15, 33}, {45, 33}},
        {"Catmull-Rom", &CurveAlgorithms::catmullRomCubic, {10, 40}, {50, 40}},
        {"Ferguson", &CurveAlgorithms::fergusonCubic, {0, 0}, {60, 0}},
        {"Bezier", &CurveAlgorithms::bezierCubicIterative, {0, 0}, {60, 0}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(drawCubic(c.op, 2), (Chords{{c.start, c.start}, {c.start, c.end}})) << c.name;
        EXPECT_EQ(drawCubic(c.op, 1), (Chords{{c.start, c.start}})) << c.name;
        for (int32_t n : {0, -1, -50}) {
            EXPECT_TRUE(drawCubic(c.op, n).empty()) << c.name << " " << n;
        }
    }
}

TEST(CurveCubicSegments, EndConditionsOfThePointFunctions) {
    std::mt19937 rng(20240611);
    std::uniform_real_distribution<float> coord(-400.0f, 400.0f);
    for (int trial = 0; trial < 200; ++trial) {
        Point3 p[4];
        for (Point3& q : p) {
            q = pt(coord(rng), coord(rng));
        }
        auto near = [](const Point3& a, double x, double y) {
            return std::abs(a.x - x) < 1e-3 && std::abs(a.y - y) < 1e-3;
        };
        EXPECT_TRUE(near(curve::fergusonPoint(p[0], p[1], p[2], p[3], 0), p[0].x, p[0].y));
        EXPECT_TRUE(near(curve::fergusonPoint(p[0], p[1], p[2], p[3], 1), p[3].x, p[3].y));
        EXPECT_TRUE(near(curve::catmullRomPoint(p[0], p[1], p[2], p[3], 0), p[1].x, p[1].y));
        EXPECT_TRUE(near(curve::catmullRomPoint(p[0], p[1], p[2], p[3], 1), p[2].x, p[2].y));
        const double sx = (p[0].x + 4.0 * p[1].x + p[2].x) / 6;
        const double sy = (p[0].y + 4.0 * p[1].y + p[2].y) / 6;
        const double ex = (p[1].x + 4.0 * p[2].x + p[3].x) / 6;
        const double ey = (p[1].y + 4.0 * p[2].y + p[3].y) / 6;
        EXPECT_TRUE(near(curve::coonsPoint(p[0], p[1], p[2], p[3], 0), sx, sy));
        EXPECT_TRUE(near(curve::coonsPoint(p[0], p[1], p[2], p[3], 1), ex, ey));
        // Hermite midpoint: (P0 + P3)/2 + (T0 - T1)/8 with T0 = P1 - P0 leaving P0 and
        // T1 = P2 - P3 at P3; swapped tangent roles move it.
        const double mx = (p[0].x + p[3].x) / 2.0 + ((p[1].x - p[0].x) - (p[2].x - p[3].x)) / 8;
        const double my = (p[0].y + p[3].y) / 2.0 + ((p[1].y - p[0].y) - (p[2].y - p[3].y)) / 8;
        EXPECT_TRUE(near(curve::fergusonPoint(p[0], p[1], p[2], p[3], 0.5f), mx, my));
    }
}

TEST(CurveCubicSegments, SubdividedHalvesRetraceTheCubic) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<float> coord(-400.0f, 400.0f);
    for (int trial = 0; trial < 200; ++trial) {
        curve::CubicPoints c{pt(coord(rng), coord(rng)), pt(coord(rng), coord(rng)),
                             pt(coord(rng), coord(rng)), pt(coord(rng), coord(rng))};
        curve::CubicPoints left;
        curve::CubicPoints right;
        curve::subdivideHalf(c, left, right);
        for (float s : {0.0f, 0.3f, 0.5f, 0.8f, 1.0f}) {
            const Point3 whole = curve::bezierCubicPoint(c.p0, c.p1, c.p2, c.p3, s / 2);
            const Point3 l = curve::bezierCubicPoint(left.p0, left.p1, left.p2, left.p3, s);
            EXPECT_NEAR(l.x, whole.x, 1e-3);
            EXPECT_NEAR(l.y, whole.y, 1e-3);
            const Point3 w2 = curve::bezierCubicPoint(c.p0, c.p1, c.p2, c.p3, 0.5f + s / 2);
            const Point3 r = curve::bezierCubicPoint(right.p0, right.p1, right.p2, right.p3, s);
            EXPECT_NEAR(r.x, w2.x, 1e-3);
            EXPECT_NEAR(r.y, w2.y, 1e-3);
        }
    }
}

TEST(CurveAlgorithmsObject, ChordsUseTheCurveColourAndThePolygonColourStays) {
    CurveRig rig(3);
    rig.curves.setColor(0.25f, 0.5f, 0.75f);
    rig.curves.coonsCubic(kArch[0], kArch[1], kArch[2], kArch[3]);
    ASSERT_EQ(rig.target.colors.size(), 4u);  // the bracket and three chords
    for (const auto& c : rig.target.colors) {
        EXPECT_EQ((std::vector<float>{c.r, c.g, c.b}), (std::vector<float>{0.25f, 0.5f, 0.75f}));
    }

    rig.target.clear();
    const Point3 polygon[] = {pt(-1.5f, 2.7f), pt(10.9f, -3.2f), pt(-7.99f, -0.5f)};
    rig.curves.drawPolygon(polygon, 3, 1, 0, 0);
    // Truncation toward zero, no bracket of its own.
    EXPECT_EQ(chordsOf(rig.target, 0), (Chords{{{-1, 2}, {10, -3}}, {{10, -3}, {-7, 0}}}));
    for (const auto& c : rig.target.colors) {
        EXPECT_EQ(c.r + c.g + c.b, 1.0f);
    }

    // Until the next setColor the chords keep the polygon colour; the bracket does not.
    rig.target.clear();
    rig.curves.bezierCubicIterative(kArch[0], kArch[1], kArch[2], kArch[3]);
    EXPECT_EQ(rig.target.colors.front().g, 0.5f);
    EXPECT_EQ(rig.target.colors.back().g, 0.0f);
    rig.curves.setColor(0, 1, 0);
    rig.target.clear();
    rig.curves.bezierCubicIterative(kArch[0], kArch[1], kArch[2], kArch[3]);
    EXPECT_EQ(rig.target.colors.back().g, 1.0f);
}

TEST(CurveAlgorithmsObject, PolygonOfFewerThanTwoPointsDrawsNothing) {
    CurveRig rig;
    const Point3 one[] = {pt(3, 4)};
    rig.curves.drawPolygon(one, 1, 1, 1, 1);
    rig.curves.drawPolygon(one, 0, 1, 1, 1);
    rig.curves.drawPolygon(nullptr, -3, 1, 1, 1);
    EXPECT_TRUE(rig.target.points.empty());
}

TEST(CurveAlgorithmsObject, AbsurdCoordinatesStayDefined) {
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    CurveRig rig(3);
    rig.curves.bezierCubicIterative(kArch[0], pt(1e30f, -1e30f), pt(3e9f, 2), kArch[3]);
    rig.curves.bezierCubicRecursive(kArch[0], pt(1e30f, -1e30f), pt(3e9f, 2),
                                    pt(-std::numeric_limits<float>::max(), 0));
    rig.curves.fergusonCubic(kArch[0], pt(inf, 0), pt(nan, 1), kArch[3]);
    const Point3 polygon[] = {pt(0, 0), pt(nan, 5), pt(1e20f, 5)};
    rig.curves.drawPolygon(polygon, 3, 1, 1, 1);
    ASSERT_FALSE(rig.target.points.empty());
    for (const PlottedPoint& p : rig.target.points) {
        ASSERT_TRUE(std::abs(p.x) <= CurveAlgorithms::kCoordinateLimit &&
                    std::abs(p.y) <= CurveAlgorithms::kCoordinateLimit)
            << p.x << " " << p.y;
    }
}

}  // namespace
