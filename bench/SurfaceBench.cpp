#include <benchmark/benchmark.h>

#include <vector>

#include "model/ObjectKind.h"
#include "surfaces/PatchMath.h"
#include "surfaces/SurfaceAlgorithms.h"

// The four patches at the start density (15) and the largest (100): the point function over
// the n by n grid alone, and the whole timed draw meshed as quad strips into a counting sink.
namespace {

// The start grid with its inner points raised, as a student bends a patch.
std::vector<Vec3> bentNet() {
    std::vector<Vec3> net;
    for (int k = 0; k < 16; ++k) {
        const float i = static_cast<float>(k / 4), j = static_cast<float>(k % 4);
        const bool inner = k / 4 % 3 != 0 && k % 4 % 3 != 0;
        net.push_back({-15.0f + 10.0f * i, inner ? 12.0f : 0.0f, 15.0f - 10.0f * j});
    }
    return net;
}

const std::vector<Vec3> kNet = bentNet();
const std::vector<float> kWeights = {1, 1, 1, 1, 1, 10, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};

Vec3 rationalPoint(const Vec3* points, float u, float v) {
    return patch::rationalBezierPoint(points, u, v, kWeights.data());
}

using PointFn = Vec3 (*)(const Vec3*, float, float);

void evaluate(benchmark::State& state, PointFn point) {
    const int n = static_cast<int>(state.range(0));
    const float step = 1.0f / static_cast<float>(n - 1);
    for (auto _ : state) {
        for (int a = 0; a < n; ++a) {
            for (int b = 0; b < n; ++b) {
                Vec3 p =
                    point(kNet.data(), static_cast<float>(a) * step, static_cast<float>(b) * step);
                benchmark::DoNotOptimize(p);
            }
        }
    }
    state.counters["points"] = static_cast<double>(n * n);
}

void draw(benchmark::State& state, int kind) {
    SceneObject patch;
    patch.kind = kind;
    patch.pointCount = kSurfacePoints;
    patch.points = kNet;
    patch.weights = kWeights;
    CountingMeshTarget sink;
    SurfaceAlgorithms surfaces(sink);
    const int n = static_cast<int>(state.range(0));
    double ms = 0.0;
    for (auto _ : state) {
        ms += surfaces.drawPatch(patch, n, mesh_code::kQuadStrips);
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["vertices"] = static_cast<double>(sink.vertices) / iterations;
    state.counters["own_ms"] = ms / iterations;  // what the speed listing would print
}

void BM_BezierPoints(benchmark::State& s) { evaluate(s, patch::bezierPoint); }
void BM_RationalBezierPoints(benchmark::State& s) { evaluate(s, rationalPoint); }
void BM_CoonsPoints(benchmark::State& s) { evaluate(s, patch::coonsPoint); }
void BM_FergusonPoints(benchmark::State& s) { evaluate(s, patch::fergusonPoint); }

void BM_BezierDraw(benchmark::State& s) { draw(s, kSurfaceBezier); }
void BM_RationalBezierDraw(benchmark::State& s) { draw(s, kSurfaceRationalBezier); }
void BM_CoonsDraw(benchmark::State& s) { draw(s, kSurfaceCoons); }
void BM_FergusonDraw(benchmark::State& s) { draw(s, kSurfaceFerguson); }

}  // namespace

BENCHMARK(BM_BezierPoints)->Arg(15)->Arg(100);
BENCHMARK(BM_RationalBezierPoints)->Arg(15)->Arg(100);
BENCHMARK(BM_CoonsPoints)->Arg(15)->Arg(100);
BENCHMARK(BM_FergusonPoints)->Arg(15)->Arg(100);
BENCHMARK(BM_BezierDraw)->Arg(15)->Arg(100);
BENCHMARK(BM_RationalBezierDraw)->Arg(15)->Arg(100);
BENCHMARK(BM_CoonsDraw)->Arg(15)->Arg(100);
BENCHMARK(BM_FergusonDraw)->Arg(15)->Arg(100);
