#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "bench/FrameScene.h"
#include "bench/GlOffscreen.h"

// The points of one frame of the benchmark scene sent to llvmpipe in each way the raster target
// could send them; every iteration clears, draws and waits for the drawing. "span" is the
// number of points per colour change and draw call (0: all in one).
namespace {

struct Fixture {
    Fixture() : context(FrameScene::kWidth, FrameScene::kHeight), points(framePoints(overlays)) {}
    GlOffscreen context;
    OffscreenOverlays overlays;
    std::vector<PlottedPoint> points;
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

template <class Draw>
void emit(benchmark::State& state, Draw&& draw) {
    Fixture& f = fixture();
    if (!f.context.failure().empty()) {
        state.SkipWithError(f.context.failure().c_str());
        return;
    }
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        gl_emission::clear();
        draw(f.points);
        gl_emission::finish();
    }
    const std::chrono::duration<double, std::nano> spent = std::chrono::steady_clock::now() - start;
    state.counters["points"] = static_cast<double>(f.points.size());
    state.counters["ns_per_point"] = spent.count() / (static_cast<double>(f.points.size()) *
                                                      static_cast<double>(state.iterations()));
}

std::size_t spanOf(const benchmark::State& state, std::size_t total) {
    return state.range(0) == 0 ? total : static_cast<std::size_t>(state.range(0));
}

void BM_GlClearAndFinish(benchmark::State& state) {
    emit(state, [](const std::vector<PlottedPoint>&) {});
}
void BM_GlImmediatePerPoint(benchmark::State& state) {
    emit(state, gl_emission::immediatePerPoint);
}
void BM_GlOneBeginBlock(benchmark::State& state) { emit(state, gl_emission::oneBeginBlock); }
void BM_GlClientArray(benchmark::State& state) {
    emit(state, [&](const std::vector<PlottedPoint>& p) {
        gl_emission::clientArray(p, spanOf(state, p.size()));
    });
}
void BM_GlBufferObject(benchmark::State& state) {
    emit(state, [&](const std::vector<PlottedPoint>& p) {
        gl_emission::bufferObject(p, spanOf(state, p.size()));
    });
}

double fastest(const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); }

// With --benchmark_repetitions, the fastest repetition beside the median: on a shared machine
// the minimum shows the cost, the median the cost under load.
void timed(benchmark::internal::Benchmark* bench) {
    bench->Unit(benchmark::kMillisecond)->ComputeStatistics("min", fastest);
}

void spans(benchmark::internal::Benchmark* bench) {
    timed(bench);
    bench->ArgName("span")->Arg(0)->Arg(1024)->Arg(256)->Arg(32)->Arg(8);
}

}  // namespace

BENCHMARK(BM_GlClearAndFinish)->Apply(timed);
BENCHMARK(BM_GlImmediatePerPoint)->Apply(timed);
BENCHMARK(BM_GlOneBeginBlock)->Apply(timed);
BENCHMARK(BM_GlClientArray)->Apply(spans);
BENCHMARK(BM_GlBufferObject)->Apply(spans);
