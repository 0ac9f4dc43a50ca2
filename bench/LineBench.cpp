#include <benchmark/benchmark.h>

#include "bench/InlineRatio.h"
#include "raster2d/LineAlgorithms.h"
#include "raster2d/RasterTarget.h"

namespace {

using LineOp = double (LineAlgorithms::*)(int, int, int, int);

// The end point of a line from the origin whose major extent is `length` pixels.
struct Slope {
    const char* name;
    int majorX;  // 1 when x is the major axis
    int minorTenths;
};

const Slope kSlopes[] = {
    {"horizontal", 1, 0},
    {"shallow 3:10", 1, 3},
    {"diagonal", 1, 10},
    {"steep 10:3", 0, 3},
};

// Draws the same line every iteration into a counting target; reports plotted points.
void runLine(benchmark::State& state, LineOp op) {
    const int length = static_cast<int>(state.range(0));
    const Slope& slope = kSlopes[state.range(1)];
    const int minor = length * slope.minorTenths / 10;
    const int x2 = slope.majorX ? length : minor;
    const int y2 = slope.majorX ? minor : length;
    CountingTarget target;
    LineAlgorithms lines(target, {1.0f, 1.0f, 1.0f});
    for (auto _ : state) {
        benchmark::DoNotOptimize((lines.*op)(0, 0, x2, y2));
    }
    state.SetLabel(slope.name);
    state.SetItemsProcessed(static_cast<int64_t>(target.count));
    state.counters["points"] =
        static_cast<double>(target.count) / static_cast<double>(state.iterations());
}

void BM_LineBresenham(benchmark::State& state) { runLine(state, &LineAlgorithms::lineBresenham); }
void BM_LineDDA(benchmark::State& state) { runLine(state, &LineAlgorithms::lineDDA); }
void BM_LineTwoStep(benchmark::State& state) { runLine(state, &LineAlgorithms::lineTwoStep); }

// The same lines against their inline forms: slope 3:10 and 10:3.
void compareLine(benchmark::State& state, LineOp op,
                 inline_form::Out (*inlineForm)(int, int, int, int, inline_form::Out)) {
    const int length = static_cast<int>(state.range(0));
    const Slope& slope = kSlopes[state.range(1)];
    const int minor = length * slope.minorTenths / 10;
    const int x2 = slope.majorX ? length : minor;
    const int y2 = slope.majorX ? minor : length;
    state.SetLabel(slope.name);
    compareWithInline(
        state, [&](Families& f) { return (f.lines.*op)(0, 0, x2, y2); },
        [&](inline_form::Out out) { return inlineForm(0, 0, x2, y2, out); });
}

void BM_LineBresenhamVsInline(benchmark::State& state) {
    compareLine(state, &LineAlgorithms::lineBresenham, inline_form::lineBresenham);
}
void BM_LineDDAVsInline(benchmark::State& state) {
    compareLine(state, &LineAlgorithms::lineDDA, inline_form::lineDDA);
}
void BM_LineTwoStepVsInline(benchmark::State& state) {
    compareLine(state, &LineAlgorithms::lineTwoStep, inline_form::lineTwoStep);
}

void lineCases(benchmark::internal::Benchmark* bench) {
    bench->ArgNames({"length", "slope"})->ArgsProduct({{10, 400}, {0, 1, 2, 3}});
}

void inlineLineCases(benchmark::internal::Benchmark* bench) {
    inlineRatioCase(bench);
    bench->ArgNames({"length", "slope"})->ArgsProduct({{10, 400}, {1, 3}});
}

}  // namespace

BENCHMARK(BM_LineBresenham)->Apply(lineCases);
BENCHMARK(BM_LineDDA)->Apply(lineCases);
BENCHMARK(BM_LineTwoStep)->Apply(lineCases);

BENCHMARK(BM_LineBresenhamVsInline)->Apply(inlineLineCases);
BENCHMARK(BM_LineDDAVsInline)->Apply(inlineLineCases);
BENCHMARK(BM_LineTwoStepVsInline)->Apply(inlineLineCases);
