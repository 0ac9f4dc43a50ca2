#pragma once

#include <vector>

#include "model/Types.h"

// The primitives a mesh is drawn with, one vertex at a time with its normal and texture
// coordinate: GL in the program, a recorder in tests.
enum class MeshPrimitive { Points, Lines, TriangleStrip, QuadStrip };

class MeshTarget {
  public:
    virtual ~MeshTarget() = default;
    virtual void setColor(float r, float g, float b) = 0;
    virtual void begin(MeshPrimitive primitive) = 0;
    virtual void normal(const Vec3& n) = 0;
    virtual void texCoord(float s, float t) = 0;
    virtual void vertex(const Vec3& v) = 0;
    virtual void end() = 0;
};

class RecordingMeshTarget final : public MeshTarget {
  public:
    struct Vertex {
        Vec3 position;
        Vec3 normal;
        float s, t;
    };
    struct Primitive {
        MeshPrimitive kind;
        Rgb color;
        std::vector<Vertex> vertices;
        bool ended = false;
    };

    void setColor(float r, float g, float b) override { color = {r, g, b}; }
    void begin(MeshPrimitive kind) override { primitives.push_back({kind, color, {}, false}); }
    void normal(const Vec3& n) override { pending.normal = n; }
    void texCoord(float s, float t) override {
        pending.s = s;
        pending.t = t;
    }
    void vertex(const Vec3& v) override {
        pending.position = v;
        if (!primitives.empty()) primitives.back().vertices.push_back(pending);
    }
    void end() override {
        if (!primitives.empty()) primitives.back().ended = true;
    }

    std::vector<Primitive> primitives;
    Rgb color;

  private:
    Vertex pending{};
};

// Counts what a mesh sends and keeps nothing, so benchmarks time the mesh and not a recording.
class CountingMeshTarget final : public MeshTarget {
  public:
    void setColor(float, float, float) override {}
    void begin(MeshPrimitive) override { ++primitives; }
    void normal(const Vec3&) override {}
    void texCoord(float, float) override {}
    void vertex(const Vec3&) override { ++vertices; }
    void end() override {}

    long primitives = 0;
    long vertices = 0;
};
