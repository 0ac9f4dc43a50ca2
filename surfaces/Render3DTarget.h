#pragma once

#include <string>
#include <vector>

#include "model/Types.h"

// The 3D frame's state changes and the named control point spheres: GL in the program, a
// recorder in tests.
struct Material {
    float ambient[4];
    float diffuse[4];
    float specular[4];
    float shininess;
};

enum class LightId { Light0, Light1 };
enum class Shading { Smooth, Flat };

class Render3DTarget {
  public:
    virtual ~Render3DTarget() = default;
    virtual void setMaterial(const Material& material) = 0;
    // Position in the frame of `rotation` (column-major 4 by 4); `color` sets the light's
    // ambient for light 0 and its diffuse for light 1.
    virtual void setLight(LightId light, const float (&rotation)[16], const float (&position)[4],
                          const float (&color)[4]) = 0;
    virtual void enableLighting(bool on) = 0;
    virtual void enableLight(LightId light, bool on) = 0;
    virtual void setShading(Shading shading) = 0;
    virtual void setWireframe(bool on) = 0;
    virtual void bindTexture(unsigned int texture, bool enabled) = 0;
    virtual void sphereMapping(bool on) = 0;
    // A sphere at `centre` under the selection name `name`.
    virtual void namedSphere(int name, const Vec3& centre, float radius, int slices,
                             const Rgb& color) = 0;
};

// Keeps one line of text per call, in order, so a test compares the whole frame at once.
class RecordingRender3DTarget final : public Render3DTarget {
  public:
    void setMaterial(const Material& m) override { log("material " + std::to_string(m.shininess)); }
    void setLight(LightId l, const float (&)[16], const float (&p)[4],
                  const float (&c)[4]) override {
        log("light" + id(l) + " at " + std::to_string(p[3]) + " colour " + std::to_string(c[0]));
    }
    void enableLighting(bool on) override { log(std::string("lighting ") + (on ? "on" : "off")); }
    void enableLight(LightId l, bool on) override { log("light" + id(l) + (on ? " on" : " off")); }
    void setShading(Shading s) override { log(s == Shading::Smooth ? "smooth" : "flat"); }
    void setWireframe(bool on) override { log(std::string("wireframe ") + (on ? "on" : "off")); }
    void bindTexture(unsigned int t, bool enabled) override {
        log("texture " + std::to_string(t) + (enabled ? " on" : " off"));
    }
    void sphereMapping(bool on) override { log(std::string("sphere map ") + (on ? "on" : "off")); }
    void namedSphere(int name, const Vec3&, float radius, int slices, const Rgb&) override {
        log("sphere " + std::to_string(name) + " r" + std::to_string(radius) + " s" +
            std::to_string(slices));
    }

    std::vector<std::string> calls;

  private:
    static std::string id(LightId l) { return l == LightId::Light0 ? "0" : "1"; }
    void log(std::string line) { calls.push_back(std::move(line)); }
};
