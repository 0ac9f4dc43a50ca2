#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "CurveTestSupport.h"

namespace {

// Exact C(n, k) in integers: each partial product c·(n - i)/(i + 1) is itself a binomial.
uint64_t exactBinomial(int n, int k) {
    uint64_t c = 1;
    for (int i = 0; i < k; ++i) {
        c = c * static_cast<uint64_t>(n - i) / static_cast<uint64_t>(i + 1);
    }
    return c;
}

TEST(CurveBezierSpline, RationalSamplesOfTheWorkedExample) {
    const struct {
        std::vector<float> weights;
        Pixels samples;
    } cases[] = {
        {{1, 1, 1, 1}, {{0, 0}, {9, 19}, {22, 28}, {37, 28}, {50, 19}, {60, 0}}},
        {{1, 10, 1, 1}, {{0, 0}, {9, 35}, {12, 37}, {17, 36}, {31, 28}, {60, 0}}},
    };
    for (const auto& c : cases) {
        CurveRig rig(6);
        rig.curves.rationalBezierCurve(kArch.data(), 4, c.weights.data());
        EXPECT_EQ(rig.chords(), segmentChords(c.samples)) << "weights " << c.weights[1];
    }
    CurveRig plain(6);
    plain.curves.bezierCurve(kArch.data(), 4);
    EXPECT_EQ(plain.chords(), segmentChords(cases[0].samples));
}

TEST(CurveBezierSpline, TwoPointsDrawTheStraightSegmentInSegmentsChords) {
    // Half-pixel offsets keep the float parameter's last ulp away from the truncation.
    const std::vector<Point3> ends = {pt(0.5f, 0.5f), pt(100.5f, 50.5f)};
    for (int32_t segments = 1; segments <= 200; ++segments) {
        CurveRig rig(segments + 1);
        rig.curves.bezierCurve(ends.data(), 2);
        const Chords chords = rig.chords();
        ASSERT_EQ(chords.size(), static_cast<std::size_t>(segments + 1)) << segments;
        EXPECT_EQ(chords.front(), (Chord{{0, 0}, {0, 0}}));
        EXPECT_EQ(chords.back().to, Pixel(100, 50)) << segments;
    }
    CurveRig ten(11);
    ten.curves.bezierCurve(ends.data(), 2);
    Pixels corners;
    for (int k = 0; k <= 10; ++k) {
        corners.emplace_back(10 * k, 5 * k);
    }
    EXPECT_EQ(ten.chords(), segmentChords(corners));
}

TEST(CurveBezierSpline, FourPointsMatchTheIterativeCubic) {
    std::mt19937 rng(11);
    for (int trial = 0; trial < 300; ++trial) {
        const std::vector<Point3> p = randomPoints(rng, 4);
        curve::forEachSegmentParameter(101, [&](float t) {
            const Point3 general = curve::bezierPoint(p.data(), 4, t);
            const Point3 cubic = curve::bezierCubicPoint(p[0], p[1], p[2], p[3], t);
            ASSERT_NEAR(general.x, cubic.x, 1e-3) << "t = " << t;
            ASSERT_NEAR(general.y, cubic.y, 1e-3) << "t = " << t;
        });
    }
}

TEST(CurveBezierSpline, EqualWeightsGiveThePlainCurve) {
    std::mt19937 rng(12);
    std::uniform_int_distribution<int> countOf(2, 12);
    std::uniform_real_distribution<float> weightOf(0.05f, 100.0f);
    for (int trial = 0; trial < 200; ++trial) {
        const int count = countOf(rng);
        const std::vector<Point3> p = randomPoints(rng, count);
        const std::vector<float> w(static_cast<std::size_t>(count), weightOf(rng));
        curve::forEachSegmentParameter(51, [&](float t) {
            const Point3 rational = curve::rationalBezierPoint(p.data(), count, w.data(), t);
            const Point3 plain = curve::bezierPoint(p.data(), count, t);
            ASSERT_NEAR(rational.x, plain.x, 2e-3) << count << " points, t = " << t;
            ASSERT_NEAR(rational.y, plain.y, 2e-3) << count << " points, t = " << t;
        });
    }
}

TEST(CurveBezierSpline, ZeroDenominatorSkipsTheSample) {
    // Weights 1, 0, 0, -1 cancel at t = 1/2: that sample is left out and the curve joins
    // the samples on either side.
    const std::vector<float> cancelling = {1, 0, 0, -1};
    CurveRig rig(3);
    rig.curves.rationalBezierCurve(kArch.data(), 4, cancelling.data());
    EXPECT_EQ(rig.chords(), (Chords{{{0, 0}, {0, 0}}, {{0, 0}, {60, 0}}}));

    const std::vector<float> zero = {0, 0, 0, 0};
    CurveRig none(101);
    none.curves.rationalBezierCurve(kArch.data(), 4, zero.data());
    EXPECT_TRUE(none.target.points.empty());
}

TEST(CurveBezierSpline, ZeroWeightsNeverPlotNaN) {
    std::mt19937 rng(13);
    std::uniform_int_distribution<int> countOf(2, 8);
    std::uniform_int_distribution<int> weightOf(-2, 2);  // many zeros, some cancellations
    for (int trial = 0; trial < 300; ++trial) {
        const int count = countOf(rng);
        const std::vector<Point3> p = randomPoints(rng, count);
        std::vector<float> w;
        for (int i = 0; i < count; ++i) {
            w.push_back(static_cast<float>(weightOf(rng)));
        }
        CurveRig rig(21);
        rig.curves.rationalBezierCurve(p.data(), count, w.data());
        for (const PlottedPoint& q : rig.target.points) {
            ASSERT_LE(std::abs(q.x), CurveAlgorithms::kCoordinateLimit) << "trial " << trial;
            ASSERT_LE(std::abs(q.y), CurveAlgorithms::kCoordinateLimit) << "trial " << trial;
        }
    }
}

TEST(CurveBezierSpline, FactorialsAndBinomialsStayFiniteAtDegree49) {
    EXPECT_NEAR(curve::factorial(49) / 6.082818640342675608e62, 1.0, 1e-12);
    EXPECT_EQ(curve::factorial(0), 1.0);
    EXPECT_EQ(curve::factorial(10), 3628800.0);
    EXPECT_EQ(exactBinomial(49, 24), 63205303218876u);
    for (int n = 0; n <= 49; ++n) {
        for (int k = 0; k <= n; ++k) {
            const double exact = static_cast<double>(exactBinomial(n, k));
            ASSERT_NEAR(curve::binomial(n, k) / exact, 1.0, 1e-12) << n << " " << k;
        }
    }
}

TEST(CurveBezierSpline, BernsteinBasisEndsAndPartitionOfUnity) {
    for (int n = 0; n <= 49; ++n) {
        EXPECT_EQ(curve::bernstein(n, 0, 0.0f), 1.0f) << n;
        EXPECT_EQ(curve::bernstein(n, n, 1.0f), 1.0f) << n;
        if (n > 0) {
            EXPECT_EQ(curve::bernstein(n, 1, 0.0f), 0.0f) << n;
        }
        for (float t : {0.0f, 0.1f, 0.37f, 0.5f, 0.93f, 1.0f}) {
            double sum = 0.0;
            for (int i = 0; i <= n; ++i) {
                sum += curve::bernstein(n, i, t);
            }
            EXPECT_NEAR(sum, 1.0, 1e-4) << "n = " << n << ", t = " << t;
        }
    }
    EXPECT_FLOAT_EQ(curve::bernstein(3, 1, 0.5f), 0.375f);
    EXPECT_FLOAT_EQ(curve::bernstein(4, 2, 0.25f), 6 * 0.0625f * 0.5625f);
}

TEST(CurveChains, CoonsDrawsCountMinusThreeSegments) {
    // Coordinates 6m + 1/2 put each segment start, (P0 + 4·P1 + P2)/6, half a pixel inside.
    std::mt19937 rng(14);
    std::uniform_int_distribution<int> cell(1, 100);
    auto coordinate = [&] { return 6.0f * static_cast<float>(cell(rng)) + 0.5f; };
    std::vector<Point3> p;
    for (int i = 0; i < 8; ++i) {
        p.push_back(pt(coordinate(), coordinate()));
    }
    for (int count : {4, 5, 8}) {
        CurveRig rig(7);
        rig.curves.coonsCurve(p.data(), count);
        const Chords chords = rig.chords();
        ASSERT_EQ(chords.size(), static_cast<std::size_t>(7 * (count - 3))) << count;
        for (int k = 0; k + 3 < count; ++k) {
            const std::size_t i = static_cast<std::size_t>(k);
            const int sx = static_cast<int>((p[i].x + 4 * p[i + 1].x + p[i + 2].x) / 6);
            const int sy = static_cast<int>((p[i].y + 4 * p[i + 1].y + p[i + 2].y) / 6);
            EXPECT_EQ(chords[7 * i], (Chord{{sx, sy}, {sx, sy}})) << "segment " << k;
            EXPECT_EQ(chords[7 * i + 1].from, Pixel(sx, sy));
        }
    }
}

TEST(CurveChains, CatmullRomInterpolatesTheInnerPoints) {
    std::vector<Point3> p;
    for (int i = 0; i < 8; ++i) {
        const float f = static_cast<float>(i);
        p.push_back(pt(10.0f * f, 100.0f + f));
    }
    CurveRig rig(2);
    rig.curves.catmullRomCurve(p.data(), 8);
    Chords expected;
    for (int k = 1; k <= 5; ++k) {
        const Pixel from{10 * k, 100 + k};
        const Pixel to{10 * k + 10, 101 + k};
        expected.push_back({from, from});
        expected.push_back({from, to});
    }
    EXPECT_EQ(rig.chords(), expected);

    CurveRig fine(101);
    fine.curves.catmullRomCurve(p.data(), 8);
    const Chords chords = fine.chords();
    ASSERT_EQ(chords.size(), 5u * 101u);
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(chords[101u * static_cast<std::size_t>(k)].from, Pixel(10 * k + 10, 101 + k));
    }
}

TEST(CurveChains, FergusonPairsCurvePointsWithTheirTangentEnds) {
    // Multiples of 8 keep the Hermite midpoint (A + B)/2 + (T0 - T1)/8 on whole pixels.
    const std::vector<Point3> p = {pt(0, 0),   pt(16, 32),   pt(80, 16),  pt(104, 48),
                                   pt(160, 0), pt(168, -40), pt(240, 24), pt(248, 64)};
    auto segment = [&](std::size_t j) {
        const Point3& a = p[2 * j];
        const Point3& b = p[2 * j + 2];
        const double t0x = p[2 * j + 1].x - a.x, t0y = p[2 * j + 1].y - a.y;
        const double t1x = p[2 * j + 3].x - b.x, t1y = p[2 * j + 3].y - b.y;
        const Pixel mid{static_cast<int>((a.x + b.x) / 2 + (t0x - t1x) / 8),
                        static_cast<int>((a.y + b.y) / 2 + (t0y - t1y) / 8)};
        return segmentChords({{static_cast<int>(a.x), static_cast<int>(a.y)},
                              mid,
                              {static_cast<int>(b.x), static_cast<int>(b.y)}});
    };
    const struct {
        int count;
        std::size_t segments;
    } cases[] = {{4, 1}, {5, 1}, {6, 2}, {7, 2}, {8, 3}};
    for (const auto& c : cases) {
        Chords expected;
        for (std::size_t j = 0; j < c.segments; ++j) {
            for (const Chord& chord : segment(j)) {
                expected.push_back(chord);
            }
        }
        CurveRig rig(3);
        rig.curves.fergusonCurve(p.data(), c.count);
        EXPECT_EQ(rig.chords(), expected) << c.count << " points";
    }
}

TEST(CurveChains, FewerThanFourPointsDrawNothing) {
    for (int count : {-1, 0, 1, 2, 3}) {
        CurveRig rig;
        rig.curves.coonsCurve(kArch.data(), count);
        rig.curves.catmullRomCurve(kArch.data(), count);
        rig.curves.fergusonCurve(kArch.data(), count);
        EXPECT_TRUE(rig.target.points.empty()) << count;
    }
}

}  // namespace
