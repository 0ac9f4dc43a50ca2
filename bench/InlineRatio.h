#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <vector>

#include "bench/InlineForms.h"
#include "raster2d/CircleAlgorithms.h"
#include "raster2d/CurveAlgorithms.h"
#include "raster2d/EllipseAlgorithms.h"
#include "raster2d/LineAlgorithms.h"

// Every algorithm object over one target, as the program holds them.
struct Families {
    explicit Families(RasterTarget& target)
        : lines(target, {1, 1, 1}),
          circles(target, {1, 1, 1}),
          ellipses(target, {1, 1, 1}),
          curves(target, {1, 1, 1}, 101) {}
    LineAlgorithms lines;
    CircleAlgorithms circles;
    EllipseAlgorithms ellipses;
    CurveAlgorithms curves;
};

// Ratio cases report the algorithm's share of the time; with --benchmark_repetitions also the
// fastest repetition, which on a shared machine shows the cost better than the median.
inline void inlineRatioCase(benchmark::internal::Benchmark* bench) {
    bench->UseManualTime()->ComputeStatistics(
        "min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); });
}

// Times `draw` (an algorithm object into a counting target, bracket and all) against
// `inlineForm` (the same algorithm into a plain array), interleaved in batches of about 4000
// pixels so that both see the same load on a shared machine. The counters are medians over the
// batches, per pixel, and their ratio: a batch that another process interrupted is an outlier
// the median ignores. The reported time is the algorithm's share of a batch. Skips with an
// error when the two do not emit the same points in the same order.
template <class Draw, class Inline>
void compareWithInline(benchmark::State& state, Draw&& draw, Inline&& inlineForm) {
    RecordingTarget record;
    {
        Families families(record);
        draw(families);
    }
    const std::size_t pixels = record.points.size();
    std::vector<PlottedPoint> plain(4 * pixels + 4096);  // room for a wrong inline form
    const PlottedPoint* end = inlineForm(plain.data());
    if (static_cast<std::size_t>(end - plain.data()) != pixels ||
        !std::equal(record.points.begin(), record.points.end(), plain.begin())) {
        state.SkipWithError("the inline form emits other points than the algorithm");
        return;
    }

    using Clock = std::chrono::steady_clock;
    CountingTarget counting;
    Families families(counting);
    const int repeats =
        static_cast<int>(std::max<std::size_t>(1, 4000 / std::max<std::size_t>(pixels, 1)));
    std::vector<double> algorithmNs, inlineNs;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        for (int i = 0; i < repeats; ++i)
            benchmark::DoNotOptimize(draw(families));
        const auto t1 = Clock::now();
        for (int i = 0; i < repeats; ++i) {
            benchmark::DoNotOptimize(inlineForm(plain.data()));
            benchmark::ClobberMemory();
        }
        const auto t2 = Clock::now();
        algorithmNs.push_back(std::chrono::duration<double, std::nano>(t1 - t0).count());
        inlineNs.push_back(std::chrono::duration<double, std::nano>(t2 - t1).count());
        state.SetIterationTime(algorithmNs.back() * 1e-9);
    }
    auto median = [](std::vector<double>& v) {
        std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2), v.end());
        return v[v.size() / 2];
    };
    const double batchPixels = static_cast<double>(pixels) * repeats;
    const double algorithm = median(algorithmNs);
    const double handWritten = median(inlineNs);
    state.counters["pixels"] = static_cast<double>(pixels);
    state.counters["draw_ns"] = algorithm / repeats;
    state.counters["ns_px"] = algorithm / batchPixels;
    state.counters["inline_ns_px"] = handWritten / batchPixels;
    state.counters["ratio"] = algorithm / handWritten;
    benchmark::DoNotOptimize(counting.count);
}
