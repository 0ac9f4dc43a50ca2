#include <benchmark/benchmark.h>

#include "raster2d/CircleAlgorithms.h"
#include "raster2d/EllipseAlgorithms.h"
#include "raster2d/RasterTarget.h"

namespace {

// Every benchmark draws the same shape each iteration into a counting target and reports the
// points plotted per iteration beside the time.
void reportPoints(benchmark::State& state, const CountingTarget& target) {
    benchmark::DoNotOptimize(target.checksum);
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

}  // namespace

BENCHMARK(BM_CircleBresenham)->ArgName("r")->Arg(10)->Arg(400);
BENCHMARK(BM_CircleRotation)->ArgName("r")->Arg(10)->Arg(400);
BENCHMARK(BM_CircleParametric)->ArgName("r")->Arg(10)->Arg(400);

BENCHMARK(BM_EllipseBresenham)->ArgNames({"a", "b"})->Args({10, 6})->Args({400, 240});
BENCHMARK(BM_EllipseParametric)->ArgNames({"a", "b"})->Args({10, 6})->Args({400, 240});
BENCHMARK(BM_EllipseGeneral30Degrees)->ArgNames({"a", "b"})->Args({10, 6})->Args({400, 240});
