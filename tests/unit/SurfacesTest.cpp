#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>
#include <tuple>
#include <vector>

#include "model/ObjectKind.h"
#include "surfaces/PatchMath.h"
#include "surfaces/SurfaceAlgorithms.h"

namespace {

using Net = std::vector<Vec3>;

// x runs -15 to 15 with i, z runs 15 to -15 with j; `tilt` lifts y towards x, `bend` lifts
// every point differently.
Net startNet(float tilt = 0, float bend = 0) {
    Net net;
    for (int k = 0; k < 16; ++k) {
        const float x = -15.0f + 10.0f * float(k / 4);
        const float y = tilt * x + bend * float((k * 7) % 11 + k / 4.0 - 4);
        net.push_back({x, y, 15.0f - 10.0f * float(k % 4)});
    }
    return net;
}

SceneObject patchOf(int kind, const Net& net, std::vector<float> weights = {}) {
    SceneObject o;
    std::tie(o.kind, o.pointCount, o.points) = std::make_tuple(kind, int(net.size()), net);
    o.weights = weights.empty() ? std::vector<float>(net.size(), 1.0f) : weights;
    return o;
}

struct Drawn {
    RecordingMeshTarget out;
    std::vector<RecordingMeshTarget::Vertex> at;  // every vertex in order
};

Drawn draw(const SceneObject& patch, int density, int code) {
    Drawn d;
    SurfaceAlgorithms surfaces(d.out);
    surfaces.setColor(0.25f, 0.5f, 0.75f);
    surfaces.drawPatch(patch, density, code);
    for (const auto& p : d.out.primitives) {
        EXPECT_TRUE(p.ended && p.color.b == 0.75f);
        d.at.insert(d.at.end(), p.vertices.begin(), p.vertices.end());
    }
    return d;
}

void expectNear(const Vec3& got, const Vec3& want, float tolerance, const std::string& what = "") {
    EXPECT_NEAR(got.x, want.x, tolerance) << what;
    EXPECT_NEAR(got.y, want.y, tolerance) << what;
    EXPECT_NEAR(got.z, want.z, tolerance) << what;
}

// The grid's corners are S(0, 0), S(0, 1), S(1, 0), S(1, 1) at every density.
TEST(Patches, SamplingAndWeights) {
    const std::vector<float> w = {1, 2, 3, 4, 5, 6, 7, 8, 9, 8, 7, 6, 5, 4, 3, 2};
    const std::tuple<int, std::vector<float>, int, std::array<int, 4>> cases[] = {
        {kSurfaceBezier, {}, 2, {0, 3, 12, 15}},
        {kSurfaceRationalBezier, w, 7, {0, 3, 12, 15}},
        {kSurfaceFerguson, {}, 100, {5, 6, 9, 10}}};
    const Net net = startNet(0, 1);
    for (const auto& [kind, weights, n, at] : cases) {
        const auto d = draw(patchOf(kind, net, weights), n, mesh_code::kPoints);
        ASSERT_EQ(d.at.size(), size_t(n * n));
        for (int c = 0; c < 4; ++c) {
            const int corner = (c / 2) * n * (n - 1) + (c % 2) * (n - 1);
            expectNear(d.at[corner].position, net[at[c]], 1e-3f, std::to_string(n));
        }
    }
    // (P0 + 4P1 + P2 + 4P4 + 16P5 + 4P6 + P8 + 4P9 + P10) / 36
    expectNear(draw(patchOf(kSurfaceCoons, net), 2, 1).at[0].position, {-5, 61.0f / 36, 5}, 1e-5f);
    // The start net sampled at u, v in {0, 0.5, 1}, u-major: flat for every kind; the rational
    // patch with its start weights 1 is the Bezier patch, the B-spline patch keeps inside the
    // outer points, the Hermite one runs from P5 to P10 off centre.
    const std::pair<int, std::array<float, 3>> flat[] = {{kSurfaceBezier, {-15, 0, 15}},
                                                         {kSurfaceRationalBezier, {-15, 0, 15}},
                                                         {kSurfaceCoons, {-5, 0, 5}},
                                                         {kSurfaceFerguson, {-5, -3.75f, 5}}};
    for (const auto& [kind, x] : flat) {
        const auto d = draw(patchOf(kind, startNet()), 3, mesh_code::kPoints);
        for (int k = 0; k < 9; ++k)
            expectNear(d.at.at(k).position, {x[k / 3], 0, -x[k % 3]}, 1e-5f, std::to_string(kind));
    }
    // Raising the weight of P5 pulls the surface towards it.
    std::vector<float> ones(16, 1.0f);
    auto distance = [&](float weight) {
        ones[5] = weight;
        const Vec3 p = patch::rationalBezierPoint(net.data(), 0.3f, 0.4f, ones.data());
        return std::hypot(p.x - net[5].x, p.y - net[5].y, p.z - net[5].z);
    };
    EXPECT_LT(distance(10), 0.5f * distance(1));
    // Weights that sum to nothing leave the sum undivided: here the origin, with no triangle
    // to give a normal, so the normals face up.
    const auto d = draw(patchOf(kSurfaceRationalBezier, net, std::vector<float>(16, 0)), 5, 200);
    ASSERT_EQ(d.at.size(), 40u);
    for (const auto& v : d.at)
        EXPECT_TRUE(v.position.x == 0 && v.position.y == 0 && v.normal.y == 1) << v.normal.y;
}

// Each strip zigzags between rows i and i + 1 along the columns; normals are the plane's.
TEST(Mesh, StripsCarryNormalsAndTextureCoordinates) {
    const std::tuple<int, MeshPrimitive, float, Vec3> cases[] = {
        {100, MeshPrimitive::TriangleStrip, 0.0f, {0, 1, 0}},
        {200, MeshPrimitive::QuadStrip, 1.0f, {-0.70710677f, 0.70710677f, 0}}};
    for (const auto& [code, kind, tilt, normal] : cases) {
        const auto d = draw(patchOf(kSurfaceCoons, startNet(tilt)), 3, code);
        ASSERT_EQ(d.out.primitives.size(), 2u) << code;
        for (int k = 0; k < 12; ++k) {
            const auto& v = d.at[k];
            const float row = float(k / 6 + k % 2), column = float(k % 6 / 2);
            EXPECT_EQ(d.out.primitives[k / 6].kind, kind);
            EXPECT_EQ(std::vector<float>({v.s, v.t}), std::vector<float>({row / 2, column / 2}));
            expectNear(v.normal, normal, 1e-6f);
            expectNear(v.position, {5 * row - 5, tilt * (5 * row - 5), 5 - 5 * column}, 1e-5f);
        }
    }
}

// A clock that moves a millisecond on every reading.
struct Clock final : TickSource {
    bool frequency(int64_t& perSecond) const override { return (perSecond = 1000000) > 0; }
    int64_t count() const override { return now += 1000; }
    mutable int64_t now = 5000;
};

// Lines: rows first, then columns, one primitive per segment, none past a grid of other
// counts. A draw reads the clock as it starts and as it stops, whatever it draws; unknown
// codes and strips beyond the store draw nothing, other kinds and patches short of their net
// neither draw nor time.
TEST(Mesh, LinesAndDraws) {
    Clock clock;
    RecordingMeshTarget out;
    SurfaceAlgorithms surfaces(out, clock);
    const Net net = startNet();
    surfaces.renderMesh(net.data(), 4, 4, mesh_code::kLines);
    std::vector<int> got;
    for (const auto& p : out.primitives) {
        EXPECT_TRUE(p.kind == MeshPrimitive::Lines && p.ended);
        for (const auto& v : p.vertices)
            got.push_back(int(v.position.x + 15) / 10 * 4 + int(15 - v.position.z) / 10);
    }
    EXPECT_EQ(got, std::vector<int>({0,  1,  1,  2,  2,  3,  4,  5,  5,  6,  6, 7, 8, 9,  9,  10,
                                     10, 11, 12, 13, 13, 14, 14, 15, 0,  4,  4, 8, 8, 12, 1,  5,
                                     5,  9,  9,  13, 2,  6,  6,  10, 10, 14, 3, 7, 7, 11, 11, 15}));
    // (0 1) (2 3), then (0 2) (2 4) (1 3) (3 5) (2 4)
    surfaces.renderMesh(net.data(), 2, 3, mesh_code::kLines);
    clock.now += 123000;
    surfaces.drawBezierSurface(net.data(), -1, 5, mesh_code::kPoints);
    const SceneObject bezier = patchOf(kSurfaceBezier, net), other = patchOf(2, net);
    const SceneObject unweighted = patchOf(kSurfaceRationalBezier, net, std::vector<float>(15, 1));
    const SceneObject shortNet = patchOf(kSurfaceBezier, Net(15));
    const std::tuple<SceneObject, int, int, double> cases[] = {
        {bezier, 5, 3, 1},   {bezier, 101, 200, 1}, {other, 5, 1, 0},
        {shortNet, 5, 1, 0}, {unweighted, 5, 1, 0}, {patchOf(kSurfaceCoons, net), 100, 200, 1}};
    for (const auto& [patch, density, code, ms] : cases) {
        EXPECT_NEAR(surfaces.drawPatch(patch, density, code), ms, 1e-3) << patch.kind << code;
        EXPECT_NEAR(surfaces.timer.elapsedMs(), 1, 1e-3);  // stopped since the last draw
    }
    EXPECT_EQ(out.primitives.size(), 24u + 7 + 99);  // and the Coons patch's strips
}

// The bent net as a grid, in a store left full by earlier draws: face normals are unit, up and
// on their triangles; each vertex averages exactly the triangles it is a corner of.
TEST(Mesh, NormalsOfABentGrid) {
    const int n = 4;
    const Net grid = startNet(0, 1);
    auto store = std::make_unique<MeshStore>();
    for (auto* stale : {store->normals, store->firstFaces, store->secondFaces})
        std::fill(&stale[0][0], &stale[0][0] + kMeshMax * kMeshMax, Vec3{0.5f, -1, 2});
    store->loadGrid(grid.data(), n);
    store->computeFaceNormals(n);
    store->computeVertexNormals(n);
    auto dot = [](const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; };
    std::vector<Vec3> sums(n * n);
    for (int c = 0; c < n * (n - 1); ++c) {
        if (c % n == n - 1) continue;
        const std::pair<Vec3, std::array<int, 3>> faces[] = {
            {store->firstFaces[c / n][c % n], {c, c + 1, c + n}},
            {store->secondFaces[c / n][c % n], {c + 1, c + n, c + n + 1}}};
        for (const auto& [f, at] : faces) {
            EXPECT_TRUE(std::abs(dot(f, f) - 1) < 1e-5f && f.y > 0);
            for (int k : at) {
                EXPECT_NEAR(dot(f, grid[k]), dot(f, grid[at[0]]), 1e-4f);
                sums[k] = {sums[k].x + f.x, sums[k].y + f.y, sums[k].z + f.z};
            }
        }
    }
    for (int k = 0; k < n * n; ++k) {
        const float length = std::sqrt(dot(sums[k], sums[k]));
        const Vec3 want = {sums[k].x / length, sums[k].y / length, sums[k].z / length};
        expectNear(store->normals[k / n][k % n], want, 1e-6f, std::to_string(k));
    }
}

}  // namespace
