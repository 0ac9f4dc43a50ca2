#include <benchmark/benchmark.h>

#include <vector>

#include "app/GlRasterTarget.h"
#include "bench/FrameScene.h"
#include "bench/FrameTiming.h"
#include "bench/GlOffscreen.h"
#include "surfaces/GlMeshTarget.h"
#include "surfaces/GlRender3D.h"
#include "surfaces/GlTextures.h"

// The 3D display pass over the four example patches at the densest mesh, solid, lit and
// textured: what a frame costs when a student turns the view of a heavy scene.
namespace {

void BM_Frame3DFourPatches(benchmark::State& state) {
    GlOffscreen context(FrameScene::kWidth, FrameScene::kHeight);
    if (!contextReady(context, state)) return;
    GlRasterTarget raster;
    OffscreenOverlays overlays;
    GlRender3D render3D;
    GlMeshTarget mesh;
    FrameScene scene(PIXELFORGE_SOURCE_DIR "/examples/surfaces.pvf", raster, overlays, render3D,
                     mesh);
    Application& app = scene.application();
    app.mode.is3D = true;
    app.render3D.meshDensity = static_cast<int>(state.range(0));
    app.render3D.plasticMap = 1;
    app.render3D.surfaceLighting = 1;
    app.render3D.material = 1;
    app.textures.textureIds[2] = loadTexture(PIXELFORGE_SOURCE_DIR "/data/textures/marble.ben");
    app.render3D.texture = 2;
    app.view3D.rotX = 30.0;
    app.reshape(FrameScene::kWidth, FrameScene::kHeight);
    scene.display();  // the first frame warms caches and shaders
    std::vector<double> frames;
    for (auto _ : state) {
        frames.push_back(frame_timing::msOf([&] { scene.display(); }));
        state.SetIterationTime(frames.back() * 1e-3);
    }
    state.counters["frame_min"] = frame_timing::minimum(frames);
    state.counters["frame_med"] = frame_timing::median(frames);
    state.counters["patches"] = static_cast<double>(app.scene.surfaces3D.size());
}

}  // namespace

BENCHMARK(BM_Frame3DFourPatches)->Arg(15)->Arg(100)->UseManualTime()->Unit(benchmark::kMillisecond);
