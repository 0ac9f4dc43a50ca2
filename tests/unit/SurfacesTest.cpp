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

// x runs -15 to 15 with i, z runs 15 to -15 with j; `bent` lifts every point differently.
Net startNet(bool bent = false) {
    Net net;
    for (int k = 0; k < 16; ++k) {
        const float y = bent ? float((k * 7) % 11) - 4.0f + 0.25f * float(k) : 0.0f;
        net.push_back({-15.0f + 10.0f * float(k / 4), y, 15.0f - 10.0f * float(k % 4)});
    }
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
    std::vector<RecordingMeshTarget::Vertex> at;  // every vertex in order
};

std::unique_ptr<Drawn> draw(const SceneObject& patch, int density, int code) {
    auto d = std::make_unique<Drawn>();
    SurfaceAlgorithms surfaces(d->out);
    surfaces.setColor(0.25f, 0.5f, 0.75f);
    surfaces.drawPatch(patch, density, code);
    for (const auto& p : d->out.primitives)
        d->at.insert(d->at.end(), p.vertices.begin(), p.vertices.end());
    return d;
}

void expectNear(const Vec3& got, const Vec3& want, float tolerance, const std::string& what) {
    EXPECT_NEAR(got.x, want.x, tolerance) << what;
    EXPECT_NEAR(got.y, want.y, tolerance) << what;
    EXPECT_NEAR(got.z, want.z, tolerance) << what;
}

using PointFn = std::function<Vec3(const Vec3*, float, float)>;

TEST(Patches, CornersAndBasisValues) {
    const std::vector<float> w = {1, 2, 3, 4, 5, 6, 7, 8, 9, 8, 7, 6, 5, 4, 3, 2};
    const PointFn rational = [&](const Vec3* p, float u, float v) {
        return patch::rationalBezierPoint(p, u, v, w.data());
    };
    // S(0, 0), S(1, 1), S(0, 1), S(1, 0) are net points.
    const std::tuple<PointFn, std::array<int, 4>> corners[] = {
        {patch::bezierPoint, {0, 15, 3, 12}},
        {rational, {0, 15, 3, 12}},
        {patch::fergusonPoint, {5, 10, 6, 9}}};
    const Net net = startNet(true);
    for (const auto& [point, at] : corners) {
        for (int c = 0; c < 4; ++c)
            expectNear(point(net.data(), float(c % 2), c == 1 || c == 2), net[at[c]], 1e-5f,
                       "corner");
    }
    const std::tuple<float (*)(int, float), float, std::vector<float>> bases[] = {
        {patch::bezierBasis, 0.5f, {0.125f, 0.375f, 0.375f, 0.125f}},
        {patch::coonsBasis, 0.0f, {1 / 6.0f, 4 / 6.0f, 1 / 6.0f, 0}},
        {patch::coonsBasis, 1.0f, {0, 1 / 6.0f, 4 / 6.0f, 1 / 6.0f}},
        {patch::fergusonBasis, 0.5f, {0.125f, 0.5f, 0.5f, -0.125f}}};
    for (const auto& [basis, t, want] : bases) {
        for (int i = -1; i <= 4; ++i)
            EXPECT_NEAR(basis(i, t), i < 0 || i > 3 ? 0 : want[i], 1e-7) << t << " " << i;
    }
}

// The start net sampled at u, v in {0, 0.5, 1}, u-major: flat for every kind; the B-spline
// patch keeps inside the outer points, the Hermite one runs from P5 to P10 off centre.
TEST(Patches, StartNetAndSampling) {
    const std::pair<int, std::array<float, 3>> cases[] = {{kSurfaceBezier, {-15, 0, 15}},
                                                          {kSurfaceRationalBezier, {-15, 0, 15}},
                                                          {kSurfaceCoons, {-5, 0, 5}},
                                                          {kSurfaceFerguson, {-5, -3.75f, 5}}};
    for (const auto& [kind, x] : cases) {
        const auto d = draw(patchOf(kind, startNet()), 3, mesh_code::kPoints);
        ASSERT_EQ(d->at.size(), 9u) << kind;
        for (int k = 0; k < 9; ++k) {
            EXPECT_EQ(d->at[k].position.y, 0.0f);
            expectNear(d->at[k].position, {x[k / 3], 0, -x[k % 3]}, 1e-5f, std::to_string(kind));
        }
    }
    // Accumulated steps still reach (1, 1) and fill the grid exactly.
    for (int n : {1, 2, 7, 99, 100}) {
        const auto d = draw(patchOf(kSurfaceBezier, startNet(true)), n, mesh_code::kPoints);
        ASSERT_EQ(d->at.size(), size_t(n * n)) << n;
        expectNear(d->at.back().position, startNet(true)[n > 1 ? 15 : 0], 1e-3f, "last");
    }
}

TEST(Patches, RationalFollowsItsWeights) {
    const Net net = startNet(true);
    std::vector<float> w(16, 1.0f);
    // All ones: the Bezier patch to a few ulps, the division reorders the products.
    for (float u : {0.1f, 0.37f, 0.8f}) {
        for (float v : {0.0f, 0.5f, 0.93f})
            expectNear(patch::rationalBezierPoint(net.data(), u, v, w.data()),
                       patch::bezierPoint(net.data(), u, v), 2e-5f, "ones");
    }
    auto distance = [&](float weight) {
        w[5] = weight;
        const Vec3 p = patch::rationalBezierPoint(net.data(), 0.3f, 0.4f, w.data());
        return std::hypot(p.x - net[5].x, p.y - net[5].y, p.z - net[5].z);
    };
    const float one = distance(1), four = distance(4), hundred = distance(100);
    EXPECT_LT(four, 0.7f * one);
    EXPECT_LT(hundred, 0.2f * four);
    // Weights that sum to nothing, everywhere or at one corner: finite points and normals.
    for (int zeros : {16, 1}) {
        std::vector<float> cancel(16, 1.0f);
        std::fill_n(cancel.begin(), zeros, 0.0f);
        const auto d = draw(patchOf(kSurfaceRationalBezier, net, cancel), 5, 200);
        ASSERT_EQ(d->at.size(), 40u);
        for (const auto& v : d->at)
            EXPECT_TRUE(std::isfinite(v.position.x + v.position.y + v.normal.y + v.normal.z));
    }
}

TEST(Mesh, StripsCarryNormalsAndTextureCoordinates) {
    for (const auto& [code, kind] :
         {std::pair{100, MeshPrimitive::TriangleStrip}, std::pair{200, MeshPrimitive::QuadStrip}}) {
        const auto d = draw(patchOf(kSurfaceCoons, startNet()), 3, code);
        ASSERT_EQ(d->out.primitives.size(), 2u) << code;
        for (std::size_t strip = 0; strip < 2; ++strip) {
            const auto& p = d->out.primitives[strip];
            EXPECT_EQ(p.kind, kind);
            EXPECT_EQ(std::vector<float>({p.color.r, p.color.g, p.color.b}),
                      std::vector<float>({0.25f, 0.5f, 0.75f}));
            ASSERT_EQ(p.vertices.size(), 6u);
            // Each strip zigzags between rows i and i + 1 along the columns.
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

// Rows first, then columns, one primitive per segment; unknown codes, too dense strips and
// patches short of their net draw nothing.
TEST(Mesh, ControlNetLinesAndWhatDrawsNothing) {
    RecordingMeshTarget out;
    SurfaceAlgorithms surfaces(out);
    const Net net = startNet();
    surfaces.renderMesh(net.data(), 4, 4, mesh_code::kLines);
    std::vector<int> got;
    for (const auto& p : out.primitives) {
        EXPECT_EQ(p.kind, MeshPrimitive::Lines);
        for (const auto& v : p.vertices)
            got.push_back(int(v.position.x + 15) / 10 * 4 + int(15 - v.position.z) / 10);
    }
    EXPECT_EQ(got, std::vector<int>({0,  1,  1,  2,  2,  3,  4,  5,  5,  6,  6, 7, 8, 9,  9,  10,
                                     10, 11, 12, 13, 13, 14, 14, 15, 0,  4,  4, 8, 8, 12, 1,  5,
                                     5,  9,  9,  13, 2,  6,  6,  10, 10, 14, 3, 7, 7, 11, 11, 15}));
    SceneObject unweighted = patchOf(kSurfaceRationalBezier, net);
    unweighted.weights.resize(15);
    const std::tuple<SceneObject, int, int> nothing[] = {
        {patchOf(kSurfaceBezier, net), 5, 3},     {patchOf(kSurfaceBezier, net), 5, 0},
        {patchOf(kSurfaceBezier, net), 101, 200}, {patchOf(2, net), 5, 1},
        {patchOf(kSurfaceBezier, Net(15)), 5, 1}, {unweighted, 5, 1}};
    for (const auto& [patch, density, code] : nothing)
        EXPECT_TRUE(draw(patch, density, code)->at.empty()) << patch.kind << " " << code;
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
    for (const auto& [code, ms] : {std::pair{1, 16.0}, {2, 48.0}, {200, 24.0}, {7, 0.0}}) {
        VertexClock clock;
        SurfaceAlgorithms surfaces(clock, clock);
        clock.now += 123000;
        EXPECT_NEAR(surfaces.drawPatch(patchOf(kSurfaceFerguson, startNet(true)), 4, code), ms,
                    1e-3)
            << code;
    }
}

// A bent height field: face normals are unit, up and on their triangles; each vertex
// averages exactly the triangles it is a corner of; a net drawn to one point faces up.
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
    auto dot = [](const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; };
    auto edge = [&](int a, int b) {
        return Vec3{grid[b].x - grid[a].x, grid[b].y - grid[a].y, grid[b].z - grid[a].z};
    };
    std::vector<Vec3> sums(n * n);
    for (int c = 0; c < n * (n - 1); ++c) {
        if (c % n == n - 1) continue;
        const std::pair<Vec3, std::array<int, 3>> faces[] = {
            {store->firstFaces[c / n][c % n], {c, c + 1, c + n}},
            {store->secondFaces[c / n][c % n], {c + 1, c + n, c + n + 1}}};
        for (const auto& [f, at] : faces) {
            EXPECT_NEAR(dot(f, f), 1.0f, 1e-5f);
            EXPECT_GT(f.y, 0.0f);
            EXPECT_NEAR(dot(f, edge(at[0], at[1])) + dot(f, edge(at[0], at[2])), 0.0f, 1e-5f);
            for (int k : at)
                sums[k] = {sums[k].x + f.x, sums[k].y + f.y, sums[k].z + f.z};
        }
    }
    for (int k = 0; k < n * n; ++k) {
        const float length = std::sqrt(dot(sums[k], sums[k]));
        const Vec3 want = {sums[k].x / length, sums[k].y / length, sums[k].z / length};
        expectNear(store->normals[k / n][k % n], want, 1e-6f, std::to_string(k));
    }
    const auto point = draw(patchOf(kSurfaceBezier, Net(16)), 4, 100);
    for (const auto& v : point->at)
        expectNear(v.normal, {0, 1, 0}, 0, "one point");
}

}  // namespace
