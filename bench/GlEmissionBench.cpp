#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "bench/FrameScene.h"
#include "bench/GlOffscreen.h"

// The points of one frame of the benchmark scene sent to llvmpipe in each way the raster target
// could send them. Every iteration draws once in each way, each time clearing, drawing and
// waiting for the drawing, so that all ways see the same load; the counters give the fastest
// and the median milliseconds of each.
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

using Way = void (*)(const std::vector<PlottedPoint>&, std::size_t span);

struct NamedWay {
    const char* name;
    Way way;
};

void compareWays(benchmark::State& state, const std::vector<NamedWay>& ways, std::size_t span) {
    Fixture& f = fixture();
    if (!contextReady(f.context, state)) return;
    std::vector<std::vector<double>> ms(ways.size());
    for (auto _ : state) {
        for (std::size_t w = 0; w < ways.size(); ++w) {
            const auto start = std::chrono::steady_clock::now();
            gl_emission::clear();
            ways[w].way(f.points, span == 0 ? f.points.size() : span);
            gl_emission::finish();
            const std::chrono::duration<double, std::milli> spent =
                std::chrono::steady_clock::now() - start;
            ms[w].push_back(spent.count());
        }
    }
    for (std::size_t w = 0; w < ways.size(); ++w) {
        std::vector<double>& v = ms[w];
        std::sort(v.begin(), v.end());
        state.counters[std::string(ways[w].name) + "_min"] = v.front();
        state.counters[std::string(ways[w].name) + "_med"] = v[v.size() / 2];
    }
    state.counters["points"] = static_cast<double>(f.points.size());
}

void BM_GlEmissionWays(benchmark::State& state) {
    compareWays(
        state,
        {{"floor", [](const std::vector<PlottedPoint>&, std::size_t) {}},
         {"perPoint", [](const auto& p, std::size_t) { gl_emission::immediatePerPoint(p); }},
         {"oneBlock", [](const auto& p, std::size_t) { gl_emission::oneBeginBlock(p); }},
         {"clientArray", gl_emission::clientArray},
         {"bufferObject", gl_emission::bufferObject}},
        0);
}

// One colour change and draw call per `span` points: what a draw call costs each way.
void BM_GlArraySpans(benchmark::State& state) {
    compareWays(
        state,
        {{"clientArray", gl_emission::clientArray}, {"bufferObject", gl_emission::bufferObject}},
        static_cast<std::size_t>(state.range(0)));
}

}  // namespace

BENCHMARK(BM_GlEmissionWays)->Iterations(40)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GlArraySpans)
    ->ArgName("span")
    ->Arg(1024)
    ->Arg(256)
    ->Arg(32)
    ->Iterations(40)
    ->Unit(benchmark::kMillisecond);
