#pragma once

#include "model/SceneObject.h"
#include "model/Types.h"

// The mesh primitive codes: the "Polygon:" list's values and the control net's lines.
namespace mesh_code {
constexpr int kPoints = 1;
constexpr int kLines = 2;
constexpr int kTriangleStrips = 100;
constexpr int kQuadStrips = 200;
}  // namespace mesh_code

// What the 3D pass asks of the patch code: the surface algorithms in the program, a
// recorder in tests of the pass.
class PatchDrawer {
  public:
    virtual ~PatchDrawer() = default;
    virtual void setColor(float r, float g, float b) = 0;
    // The patch sampled density by density with the draw operation of its kind (its weights
    // for the rational one) and drawn as `primitive`; its time in ms. 0 for a kind without one.
    virtual double drawPatch(const SceneObject& patch, int density, int primitive) = 0;
    // A grid of nU by nV points in rows of nU, as the patches' grids and the control net.
    virtual void renderMesh(const Vec3* grid, int nU, int nV, int primitive) = 0;
};
