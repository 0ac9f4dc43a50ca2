#pragma once

#include "surfaces/MeshTarget.h"

// Immediate mode: each call goes to GL as it comes.
class GlMeshTarget final : public MeshTarget {
  public:
    void setColor(float r, float g, float b) override;
    void begin(MeshPrimitive primitive) override;
    void normal(const Vec3& n) override;
    void texCoord(float s, float t) override;
    void vertex(const Vec3& v) override;
    void end() override;
};
