#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "ScratchFile.h"
#include "surfaces/BenImage.h"

namespace {

// A header claiming range(0) by range(1) pixels, followed by range(2) bytes of them.
std::string benFile(const benchmark::State& state) {
    const auto width = static_cast<int32_t>(state.range(0));
    const auto height = static_cast<int32_t>(state.range(1));
    std::vector<uint8_t> bytes = encodeBen(width, height, std::vector<uint8_t>(3));
    bytes.resize(kBenHeaderSize + static_cast<std::size_t>(state.range(2)), 0x5a);
    return std::string(bytes.begin(), bytes.end());
}

// Reads one image file; the label says whether it was read and how many bytes it holds.
void BM_ReadImage(benchmark::State& state) {
    const ScratchFile file(benFile(state));
    ImageStatus status = ImageStatus::CannotOpen;
    std::size_t held = 0;
    for (auto _ : state) {
        BenImage image;
        status = readImage(file.path.c_str(), image);
        held = image.rgb.capacity();
        benchmark::DoNotOptimize(image.rgb.data());
    }
    state.SetLabel(status == ImageStatus::Read ? "read" : "refused");
    state.counters["bytes_held"] = static_cast<double>(held);
}

}  // namespace

// A texture of under 1 MB, and the 54-byte file whose header claims the largest image.
BENCHMARK(BM_ReadImage)
    ->ArgNames({"width", "height", "pixel_bytes"})
    ->Args({6144, 48, 6144 * 48 * 3})
    ->Args({kMaxBenSide, kMaxBenSide, 0})
    ->Unit(benchmark::kMicrosecond);
