#include <benchmark/benchmark.h>

#include "bench/InlineRatio.h"
#include "raster2d/CircleAlgorithms.h"
#include "raster2d/EllipseAlgorithms.h"
#include "raster2d/RasterTarget.h"

namespace {

// Every benchmark draws the same shape each iteration into a counting target and reports the
// points plotted per iteration beside the time.
void reportPoints(benchmark::State& state, const CountingTarget& target) {
    state.SetItemsProcessed(static_cast<int64_t>(target.count));
    state.counters["points"] =
        static_cast<double>(target.count) / static_cast<double>(state.iterations());
}

using CircleOp = double (CircleAlgorithms::*)(int, int, int);

void runCircle(benchmark::State& state, CircleOp op) {
    const int r = static_cast<int>(state.range(0));
    CountingTarget target;
    CircleAlgorithms circles(target, {1.0f, 1.0f, 1.0f});
    for (auto _ : state) {
        benchmark::DoNotOptimize((circles.*op)(400, 300, r));
    }
    reportPoints(state, target);
}

void BM_CircleBresenham(benchmark::State& state) {
    runCircle(state, &CircleAlgorithms::circleBresenham);
}
void BM_CircleRotation(benchmark::State& state) {
    runCircle(state, &CircleAlgorithms::circleRotation);
}
void BM_CircleParametric(benchmark::State& state) {
    runCircle(state, &CircleAlgorithms::circleParametric);
}

// ellipseGeneral takes an angle as well; the axis-parallel forms ignore it.
using EllipseDraw = double (*)(EllipseAlgorithms&, int a, int b);

void runEllipse(benchmark::State& state, EllipseDraw draw) {
    const int a = static_cast<int>(state.range(0));
    const int b = static_cast<int>(state.range(1));
    CountingTarget target;
    EllipseAlgorithms ellipses(target, {1.0f, 1.0f, 1.0f});
    for (auto _ : state) {
        benchmark::DoNotOptimize(draw(ellipses, a, b));
    }
    reportPoints(state, target);
}

void BM_EllipseBresenham(benchmark::State& state) {
    runEllipse(state, [](EllipseAlgorithms& e, int a, int b) {
        return e.ellipseBresenham(400, 300, a, b);
    });
}
void BM_EllipseParametric(benchmark::State& state) {
    runEllipse(state, [](EllipseAlgorithms& e, int a, int b) {
        return e.ellipseParametric(400, 300, a, b);
    });
}
void BM_EllipseGeneral30Degrees(benchmark::State& state) {
    runEllipse(state, [](EllipseAlgorithms& e, int a, int b) {
        return e.ellipseGeneral(400, 300, a, b, 30);
    });
}

// The same shapes against their inline forms.
void BM_CircleBresenhamVsInline(benchmark::State& state) {
    const int r = static_cast<int>(state.range(0));
    compareWithInline(
        state, [r](Families& f) { return f.circles.circleBresenham(400, 300, r); },
        [r](inline_form::Out out) { return inline_form::circleBresenham(400, 300, r, out); });
}
void BM_CircleRotationVsInline(benchmark::State& state) {
    const int r = static_cast<int>(state.range(0));
    compareWithInline(
        state, [r](Families& f) { return f.circles.circleRotation(400, 300, r); },
        [r](inline_form::Out out) { return inline_form::circleRotation(400, 300, r, out); });
}
void BM_CircleParametricVsInline(benchmark::State& state) {
    const int r = static_cast<int>(state.range(0));
    compareWithInline(
        state, [r](Families& f) { return f.circles.circleParametric(400, 300, r); },
        [r](inline_form::Out out) { return inline_form::circleParametric(400, 300, r, out); });
}
void BM_EllipseBresenhamVsInline(benchmark::State& state) {
    const int a = static_cast<int>(state.range(0));
    const int b = static_cast<int>(state.range(1));
    compareWithInline(
        state, [=](Families& f) { return f.ellipses.ellipseBresenham(400, 300, a, b); },
        [=](inline_form::Out out) { return inline_form::ellipseBresenham(400, 300, a, b, out); });
}
void BM_EllipseParametricVsInline(benchmark::State& state) {
    const int a = static_cast<int>(state.range(0));
    const int b = static_cast<int>(state.range(1));
    compareWithInline(
        state, [=](Families& f) { return f.ellipses.ellipseParametric(400, 300, a, b); },
        [=](inline_form::Out out) { return inline_form::ellipseParametric(400, 300, a, b, out); });
}
void BM_EllipseGeneral30DegreesVsInline(benchmark::State& state) {
    const int a = static_cast<int>(state.range(0));
    const int b = static_cast<int>(state.range(1));
    compareWithInline(
        state, [=](Families& f) { return f.ellipses.ellipseGeneral(400, 300, a, b, 30); },
        [=](inline_form::Out out) { return inline_form::ellipseGeneral(400, 300, a, b, 30, out); });
}

}  // namespace

BENCHMARK(BM_CircleBresenham)->ArgName("r")->Arg(10)->Arg(400);
BENCHMARK(BM_CircleRotation)->ArgName("r")->Arg(10)->Arg(400);
BENCHMARK(BM_CircleParametric)->ArgName("r")->Arg(10)->Arg(400);

BENCHMARK(BM_EllipseBresenham)->ArgNames({"a", "b"})->Args({10, 6})->Args({400, 240});
BENCHMARK(BM_EllipseParametric)->ArgNames({"a", "b"})->Args({10, 6})->Args({400, 240});
BENCHMARK(BM_EllipseGeneral30Degrees)->ArgNames({"a", "b"})->Args({10, 6})->Args({400, 240});

BENCHMARK(BM_CircleBresenhamVsInline)->ArgName("r")->Arg(10)->Arg(400)->Apply(inlineRatioCase);
BENCHMARK(BM_CircleRotationVsInline)->ArgName("r")->Arg(10)->Arg(400)->Apply(inlineRatioCase);
BENCHMARK(BM_CircleParametricVsInline)->ArgName("r")->Arg(10)->Arg(400)->Apply(inlineRatioCase);
BENCHMARK(BM_EllipseBresenhamVsInline)
    ->ArgNames({"a", "b"})
    ->Args({10, 6})
    ->Args({400, 240})
    ->Apply(inlineRatioCase);
BENCHMARK(BM_EllipseParametricVsInline)
    ->ArgNames({"a", "b"})
    ->Args({10, 6})
    ->Args({400, 240})
    ->Apply(inlineRatioCase);
BENCHMARK(BM_EllipseGeneral30DegreesVsInline)
    ->ArgNames({"a", "b"})
    ->Args({10, 6})
    ->Args({400, 240})
    ->Apply(inlineRatioCase);
