#pragma once

#include "surfaces/Render3DTarget.h"

struct GLUquadric;

// The 3D frame on the fixed-function pipeline of the current context; the model-view matrix is
// selected throughout.
class GlRender3D final : public Render3DTarget {
  public:
    GlRender3D() = default;
    GlRender3D(const GlRender3D&) = delete;
    GlRender3D& operator=(const GlRender3D&) = delete;
    ~GlRender3D() override;

    void setMaterial(const Material& material) override;
    void setLight(LightId light, const float (&rotation)[16], const float (&position)[4],
                  const float (&color)[4]) override;
    void enableLighting(bool on) override;
    void enableLight(LightId light, bool on) override;
    void enableNormalize() override;
    void enableDepthTest() override;
    void sceneTransform(const float (&rotation)[16], float rotY, float rotX, float rotZ) override;
    void axisLines(const std::vector<AxisLines>& batches) override;
    void setColor(const Rgb& color) override;
    void setShading(Shading shading) override;
    void setWireframe(bool on) override;
    void enableTexturing(bool on) override;
    void bindTexture(unsigned int texture) override;
    void sphereMapping(bool on) override;
    void beginNames() override;
    void endNames() override;
    void namedSphere(int name, const Vec3& centre, float radius, int slices,
                     const Rgb& color) override;

  private:
    GLUquadric* quadric = nullptr;  // one per run of named spheres
};
