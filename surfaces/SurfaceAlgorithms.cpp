#include "surfaces/SurfaceAlgorithms.h"

#include <cstddef>
#include <vector>

#include "model/ObjectKind.h"
#include "surfaces/PatchMath.h"

namespace {

// Parameters are accumulated by repeated float addition; the bound 1/n + 1 lies between the
// last wanted value 1 and the first unwanted 1 + du for every n from 1 to 100. Beyond that the
// walk may make one sample too many, which the index leaves out.
template <class PatchPoint>
void sampleGrid(std::vector<Vec3>& grid, int nU, int nV, const PatchPoint& point) {
    if (nU < 1 || nV < 1) return;  // the steps would walk away from the bounds for ever
    const float du = 1.0f / static_cast<float>(nU - 1);
    const float dv = 1.0f / static_cast<float>(nV - 1);
    const float boundU = 1.0f / static_cast<float>(nU) + 1.0f;
    const float boundV = 1.0f / static_cast<float>(nV) + 1.0f;
    std::size_t next = 0;
    for (float u = 0.0f; u <= boundU; u += du) {
        for (float v = 0.0f; v <= boundV; v += dv) {
            if (next < grid.size()) grid[next] = point(u, v);
            ++next;
        }
    }
}

std::size_t gridSize(int nU, int nV) {
    if (nU < 1 || nV < 1) return 0;
    return static_cast<std::size_t>(nU) * static_cast<std::size_t>(nV);
}

bool holdsNet(const SceneObject& patch, bool weighted) {
    return patch.pointCount >= kSurfacePoints && holdsItsPoints(patch, weighted);
}

}  // namespace

SurfaceAlgorithms::SurfaceAlgorithms(MeshTarget& output, const TickSource& ticks)
    : timer(ticks), mesh(output), store(std::make_unique<MeshStore>()) {}

void SurfaceAlgorithms::setColor(float r, float g, float b) { color = {r, g, b}; }

template <class PatchPoint>
double SurfaceAlgorithms::drawSampled(int nU, int nV, int primitive, const PatchPoint& point) {
    mesh.setColor(color.r, color.g, color.b);
    timer.start();
    {
        std::vector<Vec3> grid(gridSize(nU, nV), Vec3{});
        sampleGrid(grid, nU, nV, point);
        renderMesh(grid.data(), nU, nV, primitive);
        timer.stop();
    }
    return timer.elapsedMs();
}

double SurfaceAlgorithms::drawBezierSurface(const Vec3* points, int nU, int nV, int primitive) {
    return drawSampled(nU, nV, primitive,
                       [points](float u, float v) { return patch::bezierPoint(points, u, v); });
}

double SurfaceAlgorithms::drawRationalBezierSurface(const Vec3* points, const float* weights,
                                                    int nU, int nV, int primitive) {
    return drawSampled(nU, nV, primitive, [points, weights](float u, float v) {
        return patch::rationalBezierPoint(points, u, v, weights);
    });
}

double SurfaceAlgorithms::drawCoonsSurface(const Vec3* points, int nU, int nV, int primitive) {
    return drawSampled(nU, nV, primitive,
                       [points](float u, float v) { return patch::coonsPoint(points, u, v); });
}

double SurfaceAlgorithms::drawFergusonSurface(const Vec3* points, int nU, int nV, int primitive) {
    return drawSampled(nU, nV, primitive,
                       [points](float u, float v) { return patch::fergusonPoint(points, u, v); });
}

double SurfaceAlgorithms::drawPatch(const SceneObject& patch, int density, int primitive) {
    const bool weighted = patch.kind == kSurfaceRationalBezier;
    if (!holdsNet(patch, weighted)) return 0.0;
    const Vec3* net = patch.points.data();
    switch (patch.kind) {
        case kSurfaceBezier:
            return drawBezierSurface(net, density, density, primitive);
        case kSurfaceRationalBezier:
            return drawRationalBezierSurface(net, patch.weights.data(), density, density,
                                             primitive);
        case kSurfaceCoons:
            return drawCoonsSurface(net, density, density, primitive);
        case kSurfaceFerguson:
            return drawFergusonSurface(net, density, density, primitive);
        default:
            return 0.0;
    }
}

void SurfaceAlgorithms::renderMesh(const Vec3* grid, int nU, int nV, int primitive) {
    switch (primitive) {
        case mesh_code::kPoints:
            drawPoints(grid, static_cast<int>(gridSize(nU, nV)));
            break;
        case mesh_code::kLines:
            drawLines(grid, nU, nV);
            break;
        case mesh_code::kTriangleStrips:
            if (nU <= nV) drawStrips(grid, nU, MeshPrimitive::TriangleStrip);
            break;
        case mesh_code::kQuadStrips:
            if (nU <= nV) drawStrips(grid, nU, MeshPrimitive::QuadStrip);
            break;
        default:
            break;
    }
}

void SurfaceAlgorithms::drawPoints(const Vec3* grid, int count) {
    for (int k = 0; k < count; ++k) {
        mesh.begin(MeshPrimitive::Points);
        mesh.vertex(grid[k]);
        mesh.end();
    }
}

// Rows first, then columns, each segment its own primitive.
void SurfaceAlgorithms::drawLines(const Vec3* grid, int nU, int nV) {
    const long count = static_cast<long>(gridSize(nU, nV));
    auto segment = [&](long from, long to) {
        if (to >= count) return;
        mesh.begin(MeshPrimitive::Lines);
        mesh.vertex(grid[from]);
        mesh.vertex(grid[to]);
        mesh.end();
    };
    for (long r = 0; r < nU; ++r) {
        for (long c = 0; c + 1 < nU; ++c)
            segment(r * nU + c, r * nU + c + 1);
    }
    for (long c = 0; c < nV; ++c) {
        for (long k = 0; k * nU < static_cast<long>(nU - 1) * nV; ++k)
            segment(k * nU + c, (k + 1) * nU + c);
    }
}

void SurfaceAlgorithms::drawStrips(const Vec3* grid, int n, MeshPrimitive strip) {
    if (n < 2 || n > kMeshMax) return;
    store->loadGrid(grid, n);
    store->computeFaceNormals(n);
    store->computeVertexNormals(n);
    store->computeTexCoords(n);
    mesh.setColor(color.r, color.g, color.b);
    for (int i = 0; i + 1 < n; ++i) {
        mesh.begin(strip);
        for (int j = 0; j < n; ++j) {
            stripVertex(i, j);
            stripVertex(i + 1, j);
        }
        mesh.end();
    }
}

void SurfaceAlgorithms::stripVertex(int i, int j) {
    const TexCoord& t = store->texCoords[i][j];
    mesh.normal(store->normals[i][j]);
    mesh.texCoord(t.s, t.t);
    mesh.vertex(store->vertices[i][j]);
}
