#include <benchmark/benchmark.h>

#include <string>

#include "ScratchFile.h"
#include "io/PvfReader.h"

namespace {

std::string surfaceBlock() {
    std::string block = "\nSURFACE_BEZIER_BICUBIC\n16\n";
    for (int i = 0; i < 16; ++i)
        block += std::to_string(i % 4) + " " + std::to_string(i / 4) + " 0\n";
    return block + "1.000000 0.000000 0.000000\n";
}

// A scene of `objects` blocks taking the shapes in turn, surfaces among them.
std::string generatedScene(int objects) {
    const std::string blocks[] = {
        "\nLINE_BRESENHAM\n10 20\n110 70\n",
        "\nCIRCLE_BRESENHAM\n200 150\n40\n",
        "\nELIPSE_FREE\n200 150\n50 100 \n-30\n",
        "\nSPLINE_BEZIER\n4\n0 0\n10 40\n50 40\n60 0\n",
        surfaceBlock(),
    };
    std::string text;
    for (int i = 0; i < objects; ++i)
        text += blocks[i % 5];
    return text;
}

// Reads a generated scene of range(0) objects into empty lists, from memory or from a file as
// the program reads its command-line scene. Releasing the lists is not timed.
void runLoad(benchmark::State& state, bool fromFile) {
    const int objects = static_cast<int>(state.range(0));
    const std::string text = generatedScene(objects);
    const ScratchFile file(fromFile ? text : std::string());
    for (auto _ : state) {
        ObjectList objects2D;
        ObjectList surfaces3D;
        const PvfReadReport report = fromFile
                                         ? readPvfFile(file.path.c_str(), objects2D, surfaces3D)
                                         : readPvfText(text, objects2D, surfaces3D);
        if (report.objectsAdded != objects) state.SkipWithError("the scene did not load whole");
        state.PauseTiming();
        objects2D.clear();
        surfaces3D.clear();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * objects);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}

void BM_LoadSceneText(benchmark::State& state) { runLoad(state, false); }
void BM_LoadSceneFile(benchmark::State& state) { runLoad(state, true); }

void sceneSizes(benchmark::internal::Benchmark* bench) {
    bench->ArgName("objects")->Arg(10000)->Arg(100000)->Arg(1000000);
    bench->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
}

}  // namespace

BENCHMARK(BM_LoadSceneText)->Apply(sceneSizes);
BENCHMARK(BM_LoadSceneFile)->Apply(sceneSizes);
