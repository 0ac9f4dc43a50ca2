#pragma once

#include <memory>

#include "model/SpeedTimer.h"
#include "model/Types.h"
#include "surfaces/MeshStore.h"
#include "surfaces/MeshTarget.h"
#include "surfaces/PatchDrawer.h"

// The four bicubic patches: each draw samples its 16-point net (row order, index 4i + j)
// nU by nV times in single precision, meshes the grid and returns the time of both in ms.
class SurfaceAlgorithms final : public PatchDrawer {
  public:
    explicit SurfaceAlgorithms(MeshTarget& output, const TickSource& ticks = steadyTicks());

    void setColor(float r, float g, float b) override;
    // 0 and nothing drawn for another kind, or a patch without its 16 points (and weights).
    double drawPatch(const SceneObject& patch, int density, int primitive) override;
    // Points (1) and lines (2) leave out anything that would reach past the nU * nV grid. The
    // strips (100, 200) need 2 <= nU <= kMeshMax and nU <= nV, and draw nothing otherwise.
    // Any other code draws nothing.
    void renderMesh(const Vec3* grid, int nU, int nV, int primitive) override;

    // With nU or nV below 1 nothing is sampled, and the time is that of an empty mesh.
    double drawBezierSurface(const Vec3* points, int nU, int nV, int primitive);
    double drawRationalBezierSurface(const Vec3* points, const float* weights, int nU, int nV,
                                     int primitive);
    double drawCoonsSurface(const Vec3* points, int nU, int nV, int primitive);
    double drawFergusonSurface(const Vec3* points, int nU, int nV, int primitive);

    Rgb color{1.0f, 1.0f, 1.0f};
    SpeedTimer timer;

  private:
    template <class PatchPoint>
    double drawSampled(int nU, int nV, int primitive, const PatchPoint& point);
    void drawPoints(const Vec3* grid, int count);
    void drawLines(const Vec3* grid, int nU, int nV);
    void drawStrips(const Vec3* grid, int n, MeshPrimitive strip);
    void stripVertex(int i, int j);

    MeshTarget& mesh;
    // Allocated once with the object; about 600 KB, too much for a stack.
    std::unique_ptr<MeshStore> store;
};
