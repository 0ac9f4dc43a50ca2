#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "app/GlRasterTarget.h"
#include "bench/FrameScene.h"
#include "bench/FrameTiming.h"
#include "bench/GlOffscreen.h"

// The program's display pass on the benchmark scene (about 100,000 pixels), one frame per
// iteration, with the frame's floor (clear and finish alone) and the same points sent as one
// vertex array timed beside it in the same iteration, so that all three see the same load.
namespace {

using frame_timing::median;
using frame_timing::minimum;
using frame_timing::msOf;

constexpr int kFrames = 150;

void BM_Frame100k(benchmark::State& state) {
    GlOffscreen context(FrameScene::kWidth, FrameScene::kHeight);
    if (!contextReady(context, state)) return;
    GlRasterTarget raster;
    OffscreenOverlays overlays;
    FrameScene scene(raster, overlays);
    const std::vector<PlottedPoint> points = framePoints(overlays);
    scene.display();  // the first frame warms caches and shaders
    std::vector<double> frame, floor, array;
    for (auto _ : state) {
        floor.push_back(msOf([] {
            gl_emission::clear();
            gl_emission::finish();
        }));
        frame.push_back(msOf([&] { scene.display(); }));
        array.push_back(msOf([&] {
            gl_emission::clear();
            gl_emission::clientArray(points, points.size());
            gl_emission::finish();
        }));
        state.SetIterationTime(frame.back() * 1e-3);
    }
    state.counters["points"] = static_cast<double>(points.size());
    state.counters["frame_min"] = minimum(frame);
    state.counters["frame_med"] = median(frame);
    state.counters["floor_min"] = minimum(floor);
    state.counters["floor_med"] = median(floor);
    state.counters["array_min"] = minimum(array);
    state.counters["array_med"] = median(array);
    state.counters["frame/array"] = median(frame) / median(array);
}

// Bytes in use on the heap after 1,000 more frames, against after the first ten.
void BM_FrameHeapGrowth(benchmark::State& state) {
    GlOffscreen context(FrameScene::kWidth, FrameScene::kHeight);
    if (!contextReady(context, state)) return;
    GlRasterTarget raster;
    OffscreenOverlays overlays;
    FrameScene scene(raster, overlays);
    for (int i = 0; i < 10; ++i)
        scene.display();
    const auto before = static_cast<double>(mallinfo2().uordblks);
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i)
            scene.display();
    }
    state.counters["heap_growth_bytes"] = static_cast<double>(mallinfo2().uordblks) - before;
}

}  // namespace

BENCHMARK(BM_Frame100k)->Iterations(kFrames)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FrameHeapGrowth)->Iterations(1)->Unit(benchmark::kMillisecond);
