#pragma once

#include "model/SpeedTimer.h"
#include "model/Types.h"
#include "surfaces/MeshTarget.h"
#include "surfaces/PatchDrawer.h"

// The four bicubic patches: each draw samples its 16-point net (row order, index 4i + j)
// nU by nV times in single precision, meshes the grid and returns the time of both in ms.
class SurfaceAlgorithms final : public PatchDrawer {
  public:
    explicit SurfaceAlgorithms(MeshTarget& output, const TickSource& ticks = steadyTicks());

    void setColor(float r, float g, float b) override;
    double drawPatch(const SceneObject& patch, int density, int primitive) override;
    void renderMesh(const Vec3* grid, int nU, int nV, int primitive) override;

    double drawBezierSurface(const Vec3* points, int nU, int nV, int primitive);
    double drawRationalBezierSurface(const Vec3* points, const float* weights, int nU, int nV,
                                     int primitive);
    double drawCoonsSurface(const Vec3* points, int nU, int nV, int primitive);
    double drawFergusonSurface(const Vec3* points, int nU, int nV, int primitive);

    Rgb color{1.0f, 1.0f, 1.0f};
    SpeedTimer timer;

  private:
    MeshTarget& mesh;
};
