#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "model/Types.h"

// The 3D frame's state changes, its axis lines and the named control point spheres: GL in the
// program, a recorder in tests.
struct Material {
    float ambient[4];
    float diffuse[4];
    float specular[4];
    float shininess;
};

enum class LightId { Light0, Light1 };
enum class Shading { Smooth, Flat };

struct Rgba {
    float r, g, b, a;
};

struct Segment3D {
    Vec3 from, to;
};

struct AxisLines {
    Rgba color;
    std::vector<Segment3D> segments;
};

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
    virtual void enableNormalize() = 0;
    virtual void enableDepthTest() = 0;
    // The model-view from scratch: `rotation`, then turns in degrees about y, x and z.
    virtual void sceneTransform(const float (&rotation)[16], float rotY, float rotX,
                                float rotZ) = 0;
    // Blended lines, each batch in its colour; blending is off again afterwards.
    virtual void axisLines(const std::vector<AxisLines>& batches) = 0;
    virtual void setColor(const Rgb& color) = 0;
    virtual void setShading(Shading shading) = 0;
    virtual void setWireframe(bool on) = 0;
    virtual void enableTexturing(bool on) = 0;
    virtual void bindTexture(unsigned int texture) = 0;
    virtual void sphereMapping(bool on) = 0;
    // The spheres drawn between these two answer a pick by their names.
    virtual void beginNames() = 0;
    virtual void endNames() = 0;
    // A sphere at `centre` under the selection name `name`, with as many stacks as slices.
    virtual void namedSphere(int name, const Vec3& centre, float radius, int slices,
                             const Rgb& color) = 0;
};

// Keeps one line of text per call (per batch of axis lines), in order, so a test compares the
// whole frame at once.
class RecordingRender3DTarget final : public Render3DTarget {
  public:
    void setMaterial(const Material& m) override {
        const float(&a)[4] = m.ambient;
        const float(&d)[4] = m.diffuse;
        const float(&s)[4] = m.specular;
        log("material", a[0], a[1], a[2], a[3], d[0], d[1], d[2], d[3], s[0], s[1], s[2], s[3],
            m.shininess);
    }
    void setLight(LightId l, const float (&m)[16], const float (&p)[4],
                  const float (&c)[4]) override {
        log("light" + id(l) + " turned", m[0], "at", p[0], p[1], p[2], p[3], "colour", c[0], c[1],
            c[2], c[3]);
    }
    void enableLighting(bool on) override { log("lighting", onOff(on)); }
    void enableLight(LightId l, bool on) override { log("light" + id(l), onOff(on)); }
    void enableNormalize() override { log("normalize"); }
    void enableDepthTest() override { log("depth test"); }
    void sceneTransform(const float (&m)[16], float y, float x, float z) override {
        log("scene", m[0], m[5], "turn", y, x, z);
    }
    void axisLines(const std::vector<AxisLines>& batches) override {
        for (const AxisLines& b : batches) {
            std::ostringstream line;
            line << "lines " << b.color.r << ' ' << b.color.g << ' ' << b.color.b << ' '
                 << b.color.a << ':';
            for (const Segment3D& s : b.segments) {
                line << ' ' << s.from.x << ' ' << s.from.y << ' ' << s.from.z << '-' << s.to.x
                     << ' ' << s.to.y << ' ' << s.to.z;
            }
            calls.push_back(line.str());
        }
    }
    void setColor(const Rgb& c) override { log("colour", c.r, c.g, c.b); }
    void setShading(Shading s) override { log(s == Shading::Smooth ? "smooth" : "flat"); }
    void setWireframe(bool on) override { log("wireframe", onOff(on)); }
    void enableTexturing(bool on) override { log("texturing", onOff(on)); }
    void bindTexture(unsigned int t) override { log("bind", t); }
    void sphereMapping(bool on) override { log("sphere map", onOff(on)); }
    void beginNames() override { log("names"); }
    void endNames() override { log("names end"); }
    void namedSphere(int name, const Vec3& at, float radius, int slices, const Rgb& c) override {
        log("sphere", name, "at", at.x, at.y, at.z, "r", radius, slices, "colour", c.r, c.g, c.b);
    }

    std::vector<std::string> calls;

  private:
    static const char* onOff(bool on) { return on ? "on" : "off"; }
    static std::string id(LightId l) { return l == LightId::Light0 ? "0" : "1"; }
    template <class... Values>
    void log(const std::string& what, const Values&... values) {
        std::ostringstream line;
        line << what;
        ((line << ' ' << values), ...);
        calls.push_back(line.str());
    }
};
