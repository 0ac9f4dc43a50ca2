#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "bench/InlineRatio.h"
#include "raster2d/CurveAlgorithms.h"

// Every curve operation into a counting target. The first argument is the panel's `segments`
// (sampleCount = segments + 1); "pixels" is the number of plots per drawing.
namespace {

Point3 at(float x, float y) { return {x, y, 0.0f}; }

const Point3 kArch[4] = {at(20, 20), at(200, 560), at(600, 560), at(780, 20)};

// A zigzag across the window, as a student clicks a long curve.
std::vector<Point3> zigzag(int count) {
    std::vector<Point3> out;
    for (int i = 0; i < count; ++i) {
        const float x = 20.0f + 760.0f * static_cast<float>(i) / static_cast<float>(count - 1);
        out.push_back(at(x, (i % 2 == 0) ? 100.0f : 500.0f));
    }
    return out;
}

const std::vector<Point3> kCircle = {at(400, 300), at(400, 550), at(-100, 550), at(-100, 300),
                                     at(-100, 50), at(400, 50),  at(400, 300)};
const std::vector<float> kCircleKnots = {0, 0, 0, 0.25f, 0.5f, 0.5f, 0.75f, 1, 1, 1};
const std::vector<float> kCircleWeights = {1, 0.5f, 0.5f, 1, 0.5f, 0.5f, 1};
const std::vector<float> kBezierKnots = {0, 0, 0, 0, 1, 1, 1, 1};

template <class Draw>
void runCurve(benchmark::State& state, Draw&& draw) {
    CountingTarget target;
    CurveAlgorithms curves(target, {1, 1, 0}, static_cast<int32_t>(state.range(0)) + 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(draw(curves));
    }
    state.counters["pixels"] =
        benchmark::Counter(static_cast<double>(target.count), benchmark::Counter::kAvgIterations);
}

using CubicOp = double (CurveAlgorithms::*)(const Point3&, const Point3&, const Point3&,
                                            const Point3&);

void cubicSegment(benchmark::State& state, CubicOp op) {
    runCurve(state,
             [op](CurveAlgorithms& c) { return (c.*op)(kArch[0], kArch[1], kArch[2], kArch[3]); });
}

void BM_BezierCubicIterative(benchmark::State& s) {
    cubicSegment(s, &CurveAlgorithms::bezierCubicIterative);
}
void BM_BezierCubicRecursive(benchmark::State& s) {
    cubicSegment(s, &CurveAlgorithms::bezierCubicRecursive);
}
void BM_FergusonCubic(benchmark::State& s) { cubicSegment(s, &CurveAlgorithms::fergusonCubic); }
void BM_CoonsCubic(benchmark::State& s) { cubicSegment(s, &CurveAlgorithms::coonsCubic); }
void BM_CatmullRomCubic(benchmark::State& s) { cubicSegment(s, &CurveAlgorithms::catmullRomCubic); }

// Second argument: the number of control points.
void BM_BezierCurve(benchmark::State& state) {
    const std::vector<Point3> points = zigzag(static_cast<int>(state.range(1)));
    const int count = static_cast<int>(points.size());
    runCurve(state, [&](CurveAlgorithms& c) { return c.bezierCurve(points.data(), count); });
}

void BM_RationalBezierCurve(benchmark::State& state) {
    const std::vector<Point3> points = zigzag(static_cast<int>(state.range(1)));
    const int count = static_cast<int>(points.size());
    std::vector<float> weights(points.size(), 1.0f);
    weights[1] = 10.0f;  // the 1, 10, 1, 1 preset, extended with ones
    runCurve(state, [&](CurveAlgorithms& c) {
        return c.rationalBezierCurve(points.data(), count, weights.data());
    });
}

using ChainOp = double (CurveAlgorithms::*)(const Point3*, int);

void chain(benchmark::State& state, ChainOp op) {
    const std::vector<Point3> points = zigzag(50);
    runCurve(state, [&](CurveAlgorithms& c) { return (c.*op)(points.data(), 50); });
}

void BM_CoonsCurve(benchmark::State& s) { chain(s, &CurveAlgorithms::coonsCurve); }
void BM_FergusonCurve(benchmark::State& s) { chain(s, &CurveAlgorithms::fergusonCurve); }
void BM_CatmullRomCurve(benchmark::State& s) { chain(s, &CurveAlgorithms::catmullRomCurve); }

// Second argument: the order.
void BM_BSplineCurve(benchmark::State& state) {
    const std::vector<Point3> points = zigzag(50);
    const int order = static_cast<int>(state.range(1));
    runCurve(state, [&](CurveAlgorithms& c) { return c.bsplineCurve(points.data(), 50, order); });
}

void BM_NurbsCircle(benchmark::State& state) {
    runCurve(state, [](CurveAlgorithms& c) {
        return c.nurbsCurve(kCircle.data(), kCircleKnots.data(), kCircleWeights.data(), 7, 10);
    });
}

void BM_NurbsBezier(benchmark::State& state) {
    const float weights[4] = {1, 1, 1, 1};
    runCurve(state, [&](CurveAlgorithms& c) {
        return c.nurbsCurve(kArch, kBezierKnots.data(), weights, 4, 8);
    });
}

// The iterative cubic against its inline form (same samples, same chords).
void BM_BezierCubicIterativeVsInline(benchmark::State& state) {
    const int samples = static_cast<int>(state.range(0)) + 1;
    compareWithInline(
        state,
        [samples](Families& f) {
            f.curves.sampleCount = samples;
            return f.curves.bezierCubicIterative(kArch[0], kArch[1], kArch[2], kArch[3]);
        },
        [samples](inline_form::Out out) {
            return inline_form::bezierCubicIterative(kArch, samples, out);
        });
}

}  // namespace

BENCHMARK(BM_BezierCubicIterative)->Arg(10)->Arg(200);
BENCHMARK(BM_BezierCubicIterativeVsInline)->Arg(10)->Arg(200)->Apply(inlineRatioCase);
BENCHMARK(BM_BezierCubicRecursive)->Arg(10)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FergusonCubic)->Arg(10)->Arg(200);
BENCHMARK(BM_CoonsCubic)->Arg(10)->Arg(200);
BENCHMARK(BM_CatmullRomCubic)->Arg(10)->Arg(200);
BENCHMARK(BM_BezierCurve)->ArgsProduct({{10, 200}, {4, 50}});
BENCHMARK(BM_RationalBezierCurve)->ArgsProduct({{10, 200}, {4, 50}});
BENCHMARK(BM_CoonsCurve)->Arg(10)->Arg(200);
BENCHMARK(BM_FergusonCurve)->Arg(10)->Arg(200);
BENCHMARK(BM_CatmullRomCurve)->Arg(10)->Arg(200);
BENCHMARK(BM_BSplineCurve)->ArgsProduct({{10, 200}, {1, 2, 3, 4, 5}});
BENCHMARK(BM_NurbsCircle)->Arg(10)->Arg(200);
BENCHMARK(BM_NurbsBezier)->Arg(10)->Arg(200);
