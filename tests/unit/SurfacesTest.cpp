#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <memory>
#include <vector>

#include "model/ObjectKind.h"
#include "surfaces/PatchMath.h"
#include "surfaces/SurfaceAlgorithms.h"

namespace {

using Net = std::vector<Vec3>;
using Pair = std::pair<int, int>;

// x runs -15 to 15 with i, z runs 15 to -15 with j, y is 0.
Net startNet() {
    Net net;
    for (int k = 0; k < 16; ++k)
        net.push_back({-15.0f + 10.0f * float(k / 4), 0.0f, 15.0f - 10.0f * float(k % 4)});
    return net;
}

// No two points alike, no plane: every basis term shows.
Net bumpyNet() {
    Net net = startNet();
    for (int k = 0; k < 16; ++k)
        net[k].y = float((k * 7) % 11) - 4.0f + 0.25f * float(k);
    return net;
}

SceneObject patchOf(int kind, const Net& net, std::vector<float> weights = {}) {
    SceneObject o;
    o.kind = kind;
    o.pointCount = int(net.size());
    o.points = net;
    o.weights = weights.empty() ? std::vector<float>(net.size(), 1.0f) : weights;
    return o;
}

struct Drawn {
    RecordingMeshTarget out;
    double ms = 0;
    std::vector<Vec3> at;  // every vertex in order
};

std::unique_ptr<Drawn> draw(const SceneObject& patch, int density, int code) {
    auto d = std::make_unique<Drawn>();
    SurfaceAlgorithms surfaces(d->out);
    surfaces.setColor(0.25f, 0.5f, 0.75f);
    d->ms = surfaces.drawPatch(patch, density, code);
    for (const auto& p : d->out.primitives)
        for (const auto& v : p.vertices)
            d->at.push_back(v.position);
    return d;
}

void expectNear(const Vec3& got, const Vec3& want, float tolerance, const char* what) {
    EXPECT_NEAR(got.x, want.x, tolerance) << what;
    EXPECT_NEAR(got.y, want.y, tolerance) << what;
    EXPECT_NEAR(got.z, want.z, tolerance) << what;
}

bool finite(const Vec3& v) { return std::isfinite(v.x + v.y + v.z); }

using PointFn = std::function<Vec3(const Vec3*, float, float)>;

TEST(Patches, CornersInterpolateTheirNetPoints) {
    const std::vector<float> w = {1, 2, 3, 4, 5, 6, 7, 8, 9, 8, 7, 6, 5, 4, 3, 2};
    const PointFn rational = [&](const Vec3* p, float u, float v) {
        return patch::rationalBezierPoint(p, u, v, w.data());
    };
    const std::tuple<const char*, PointFn, int, int, int, int> cases[] = {
        {"bezier", patch::bezierPoint, 0, 15, 3, 12},
        {"rational", rational, 0, 15, 3, 12},
        {"ferguson", patch::fergusonPoint, 5, 10, 6, 9},
    };
    const Net net = bumpyNet();
    for (const auto& [name, point, at00, at11, at01, at10] : cases) {
        expectNear(point(net.data(), 0, 0), net[at00], 1e-5f, name);
        expectNear(point(net.data(), 1, 1), net[at11], 1e-5f, name);
        expectNear(point(net.data(), 0, 1), net[at01], 1e-5f, name);
        expectNear(point(net.data(), 1, 0), net[at10], 1e-5f, name);
    }
    // The B-spline patch starts at the weighted middle of the first 3 by 3 points.
    const int stencil[9][2] = {{0, 1}, {1, 4}, {2, 1}, {4, 4}, {5, 16},
                               {6, 4}, {8, 1}, {9, 4}, {10, 1}};
    Vec3 want{};
    for (const auto& [k, f] : stencil)
        want = {want.x + float(f) * net[k].x / 36, want.y + float(f) * net[k].y / 36,
                want.z + float(f) * net[k].z / 36};
    expectNear(patch::coonsPoint(net.data(), 0, 0), want, 1e-5f, "coons");
}

TEST(Patches, BasisValuesAndTheirRange) {
    const std::tuple<const char*, float (*)(int, float), float, std::vector<float>> cases[] = {
        {"bezier", patch::bezierBasis, 0.5f, {0.125f, 0.375f, 0.375f, 0.125f}},
        {"coons", patch::coonsBasis, 0.0f, {1 / 6.0f, 4 / 6.0f, 1 / 6.0f, 0}},
        {"coons", patch::coonsBasis, 1.0f, {0, 1 / 6.0f, 4 / 6.0f, 1 / 6.0f}},
        {"ferguson", patch::fergusonBasis, 0.5f, {0.125f, 0.5f, 0.5f, -0.125f}},
    };
    for (const auto& [name, basis, t, want] : cases) {
        for (int i = -1; i <= 4; ++i)
            EXPECT_NEAR(basis(i, t), i < 0 || i > 3 ? 0 : want[i], 1e-7) << name << i;
    }
}

TEST(Patches, StartNetIsFlatForEveryKind) {
    // Kind and its first sample (x, z); the last is its mirror. The B-spline patch keeps
    // inside the outer points, the Hermite one starts at P5.
    const std::tuple<int, float, float> cases[] = {{kSurfaceBezier, -15, 15},
                                                   {kSurfaceRationalBezier, -15, 15},
                                                   {kSurfaceCoons, -5, 5},
                                                   {kSurfaceFerguson, -5, 5}};
    for (const auto& [kind, x, z] : cases) {
        const auto d = draw(patchOf(kind, startNet()), 9, mesh_code::kPoints);
        ASSERT_EQ(d->at.size(), 81u) << kind;
        for (const Vec3& p : d->at)
            EXPECT_EQ(p.y, 0.0f) << kind;
        expectNear(d->at.front(), {x, 0, z}, 1e-4f, "first");
        expectNear(d->at.back(), {-x, 0, -z}, 1e-4f, "last");
    }
}

// Density n samples u and v at k / (n - 1), u-major; the last sample reaches (1, 1).
TEST(Patches, SamplingGrid) {
    const auto three = draw(patchOf(kSurfaceBezier, startNet()), 3, mesh_code::kPoints);
    ASSERT_EQ(three->at.size(), 9u);
    for (int k = 0; k < 9; ++k)
        expectNear(three->at[k], {-15.0f + 15.0f * float(k / 3), 0, 15.0f - 15.0f * float(k % 3)},
                   1e-5f, "three");
    for (int n : {1, 2, 7, 64, 99, 100}) {
        const auto d = draw(patchOf(kSurfaceBezier, bumpyNet()), n, mesh_code::kPoints);
        ASSERT_EQ(d->at.size(), size_t(n * n)) << n;
        expectNear(d->at.back(), n > 1 ? bumpyNet()[15] : bumpyNet()[0], 1e-3f, "last");
    }
}

TEST(Patches, RationalFollowsItsWeights) {
    const Net net = bumpyNet();
    std::vector<float> w(16, 1.0f);
    // All ones: the Bezier patch, to rounding (the division reorders the products).
    for (float u : {0.1f, 0.37f, 0.8f}) {
        for (float v : {0.0f, 0.5f, 0.93f}) {
            expectNear(patch::rationalBezierPoint(net.data(), u, v, w.data()),
                       patch::bezierPoint(net.data(), u, v), 2e-5f, "ones");
        }
    }
    auto distance = [&](float weight) {
        w[5] = weight;
        const Vec3 p = patch::rationalBezierPoint(net.data(), 0.3f, 0.4f, w.data());
        return std::hypot(p.x - net[5].x, p.y - net[5].y, p.z - net[5].z);
    };
    const float one = distance(1), four = distance(4), hundred = distance(100);
    EXPECT_LT(four, 0.7f * one);
    EXPECT_LT(hundred, 0.2f * four);
    // Weights that sum to nothing give finite points, never a point at infinity.
    for (const auto& weights : {std::vector<float>(16, 0.0f), std::vector<float>{0, 1}}) {
        std::vector<float> zero = weights;
        zero.resize(16, 1.0f);
        const auto d = draw(patchOf(kSurfaceRationalBezier, net, zero), 5, mesh_code::kQuadStrips);
        ASSERT_EQ(d->at.size(), 40u);
        for (const auto& p : d->out.primitives)
            for (const auto& vertex : p.vertices)
                EXPECT_TRUE(finite(vertex.position) && finite(vertex.normal));
    }
}

TEST(Mesh, StripsCarryNormalsAndTextureCoordinates) {
    const std::pair<int, MeshPrimitive> cases[] = {
        {mesh_code::kTriangleStrips, MeshPrimitive::TriangleStrip},
        {mesh_code::kQuadStrips, MeshPrimitive::QuadStrip}};
    // Each strip zigzags between rows i and i + 1 along the columns.
    for (const auto& [code, kind] : cases) {
        const auto d = draw(patchOf(kSurfaceCoons, startNet()), 3, code);
        ASSERT_EQ(d->out.primitives.size(), 2u) << code;
        for (std::size_t strip = 0; strip < 2; ++strip) {
            const auto& p = d->out.primitives[strip];
            EXPECT_EQ(p.kind, kind);
            EXPECT_EQ(std::vector<float>({p.color.r, p.color.g, p.color.b}),
                      std::vector<float>({0.25f, 0.5f, 0.75f}));
            ASSERT_EQ(p.vertices.size(), 6u);
            for (int k = 0; k < 6; ++k) {
                const auto& v = p.vertices[k];
                const float row = float(strip + k % 2), column = float(k / 2);
                EXPECT_EQ(std::vector<float>({v.s, v.t, v.normal.x, v.normal.y, v.normal.z}),
                          std::vector<float>({row / 2, column / 2, 0, 1, 0}));
                expectNear(v.position, {5 * row - 5, 0, 5 - 5 * column}, 1e-5f, "vertex");
            }
        }
    }
}

// Rows first, then columns, one primitive per segment; unknown codes and short nets draw
// nothing, and a draw is timed from its start to its end.
TEST(Mesh, ControlNetLinesAndWhatDrawsNothing) {
    RecordingMeshTarget out;
    SurfaceAlgorithms surfaces(out);
    const Net net = startNet();
    surfaces.renderMesh(net.data(), 4, 4, mesh_code::kLines);
    std::vector<Pair> got;
    for (const auto& p : out.primitives) {
        EXPECT_EQ(p.kind, MeshPrimitive::Lines);
        ASSERT_EQ(p.vertices.size(), 2u);
        auto index = [&](const Vec3& v) { return int((v.x + 15) / 10) * 4 + int((15 - v.z) / 10); };
        got.push_back({index(p.vertices[0].position), index(p.vertices[1].position)});
    }
    EXPECT_EQ(got, std::vector<Pair>({{0, 1}, {1, 2},  {2, 3},   {4, 5},   {5, 6},   {6, 7},
                                      {8, 9}, {9, 10}, {10, 11}, {12, 13}, {13, 14}, {14, 15},
                                      {0, 4}, {4, 8},  {8, 12},  {1, 5},   {5, 9},   {9, 13},
                                      {2, 6}, {6, 10}, {10, 14}, {3, 7},   {7, 11},  {11, 15}}));
    const SceneObject shortNet = patchOf(kSurfaceBezier, Net(15));
    SceneObject unweighted = patchOf(kSurfaceRationalBezier, net);
    unweighted.weights.resize(15);
    const std::tuple<SceneObject, int, int> nothing[] = {
        {patchOf(kSurfaceBezier, net), 5, 3},
        {patchOf(kSurfaceBezier, net), 5, 0},
        {patchOf(kSurfaceBezier, net), 101, mesh_code::kQuadStrips},
        {patchOf(2, net), 5, 1},
        {shortNet, 5, 1},
        {unweighted, 5, 1}};
    for (const auto& [patch, density, code] : nothing) {
        const auto d = draw(patch, density, code);
        EXPECT_TRUE(d->out.primitives.empty()) << patch.kind << " " << code;
    }
}

// A clock that moves one millisecond per vertex the mesh sends.
struct VertexClock final : TickSource, MeshTarget {
    bool frequency(int64_t& perSecond) const override { return (perSecond = 1000000) > 0; }
    int64_t count() const override { return now; }
    void setColor(float, float, float) override {}
    void begin(MeshPrimitive) override {}
    void normal(const Vec3&) override {}
    void texCoord(float, float) override {}
    void vertex(const Vec3&) override { now += 1000; }
    void end() override {}
    int64_t now = 5000;
};

TEST(Mesh, DrawTimesItsMesh) {
    const std::pair<int, double> cases[] = {
        {mesh_code::kPoints, 16}, {mesh_code::kLines, 48}, {mesh_code::kQuadStrips, 24}, {7, 0}};
    for (const auto& [code, ms] : cases) {
        VertexClock clock;
        SurfaceAlgorithms surfaces(clock, clock);
        clock.now += 123000;
        EXPECT_NEAR(surfaces.drawPatch(patchOf(kSurfaceFerguson, bumpyNet()), 4, code), ms, 1e-3)
            << code;
    }
}

// A height field with no two cells alike: the normals face up, stand on their triangles, and
// each vertex averages exactly the triangles it is a corner of.
TEST(Mesh, NormalsOfABentGrid) {
    const int n = 5;
    Net grid;
    for (int k = 0; k < n * n; ++k)
        grid.push_back(
            {float(k / n), std::sin(float(k * k % 7)) + 0.3f * float(k % n), -float(k % n)});
    auto store = std::make_unique<MeshStore>();
    store->loadGrid(grid.data(), n);
    store->computeFaceNormals(n);
    store->computeVertexNormals(n);
    std::vector<Vec3> sums(n * n);
    auto dot = [](const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; };
    auto edge = [&](int a, int b) {
        return Vec3{grid[b].x - grid[a].x, grid[b].y - grid[a].y, grid[b].z - grid[a].z};
    };
    for (int i = 0; i + 1 < n; ++i) {
        for (int j = 0; j + 1 < n; ++j) {
            const int c = i * n + j;
            const std::pair<Vec3, std::array<int, 3>> faces[] = {
                {store->firstFaces[i][j], {c, c + 1, c + n}},
                {store->secondFaces[i][j], {c + 1, c + n, c + n + 1}}};
            for (const auto& [f, corners] : faces) {
                EXPECT_NEAR(dot(f, f), 1.0f, 1e-5f);
                EXPECT_GT(f.y, 0.0f);
                EXPECT_NEAR(dot(f, edge(corners[0], corners[1])), 0.0f, 1e-5f);
                EXPECT_NEAR(dot(f, edge(corners[0], corners[2])), 0.0f, 1e-5f);
                for (int k : corners)
                    sums[k] = {sums[k].x + f.x, sums[k].y + f.y, sums[k].z + f.z};
            }
        }
    }
    for (int k = 0; k < n * n; ++k) {
        const Vec3& s = sums[k];
        const float length = std::sqrt(dot(s, s));
        expectNear(store->normals[k / n][k % n], {s.x / length, s.y / length, s.z / length}, 1e-6f,
                   "vertex");
    }
    EXPECT_EQ(store->normals[0][0].x, store->firstFaces[0][0].x);
    EXPECT_EQ(store->normals[n - 1][n - 1].z, store->secondFaces[n - 2][n - 2].z);
    // A net drawn to one point has no triangle: its normals face up.
    const auto d = draw(patchOf(kSurfaceBezier, Net(16)), 4, mesh_code::kTriangleStrips);
    ASSERT_EQ(d->out.primitives.size(), 3u);
    for (const auto& v : d->out.primitives[1].vertices)
        expectNear(v.normal, {0, 1, 0}, 0, "point");
}

}  // namespace
