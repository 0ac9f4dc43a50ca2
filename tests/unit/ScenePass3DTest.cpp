#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "model/ObjectKind.h"
#include "surfaces/ScenePass3D.h"

namespace {

using Calls = std::vector<std::string>;

// Patch draws and net meshes go into the same log as the GL state changes.
class PatchRecorder final : public PatchDrawer {
  public:
    explicit PatchRecorder(Calls& log) : calls(log) {}
    void setColor(float r, float g, float b) override { add("patch colour", r, g, b); }
    double drawPatch(const SceneObject& p, int density, int primitive) override {
        add("patch", p.kind, density, primitive);
        return p.active ? 1.000004999 : 0.25;  // the active time prints 1.00001 as a float
    }
    void renderMesh(const Vec3* grid, int nU, int nV, int primitive) override {
        add("net", nU, nV, primitive, grid[15].x);
    }

  private:
    template <class... V>
    void add(const char* what, V... values) {
        std::ostringstream line;
        line << what;
        ((line << ' ' << values), ...);
        calls.push_back(line.str());
    }
    Calls& calls;
};

struct Pass3D {
    Pass3D() {
        render.meshDensity = 7;
        colors.polygonColor = {0.5f, 0.25f, 0};
        textures.textureIds[0] = 40;
        textures.textureIds[2] = 42;
    }
    SceneObject& add(int32_t kind, bool active, std::size_t points = 16) {
        SceneObject p;
        p.kind = kind;
        p.active = active;
        p.pointCount = 16;
        for (std::size_t k = 0; k < points; ++k)
            p.points.push_back({float(k), 0, 2});
        p.weights.assign(16, 1.0f);
        p.color[1] = 0.75f;
        scene.surfaces3D.push_front(p);
        return scene.surfaces3D.front();
    }
    // The calls from the first one that starts with `from`.
    Calls callsFrom(const std::string& from) const {
        auto at = std::find_if(gl.calls.begin(), gl.calls.end(),
                               [&](const std::string& c) { return c.rfind(from, 0) == 0; });
        return {at, gl.calls.end()};
    }

    ModeState mode;
    Scene scene;
    Settings2D settings;
    EditState editing;
    EditorColors colors;
    View3D view;
    Render3D render;
    PanelMirrors mirrors;
    TextureTable textures;
    RecordingRender3DTarget gl;
    PatchRecorder patches{gl.calls};
    std::ostringstream out;
    int reattached = 0;
    int applied = 0;
    ScenePass3D pass{{mode, scene, settings, editing, colors, view, render, mirrors, textures},
                     gl,
                     patches,
                     out,
                     {[this] { ++reattached; }, [this] { ++applied; }}};
};

TEST(ScenePass3D, AnEmptySceneDrawsOnlyTheAxisCrossAndWritesNothing) {
    Pass3D f;
    f.pass.drawFrame3D();
    EXPECT_EQ(f.callsFrom("scene"),
              Calls({"scene 1 1 turn 0 0 0", "lighting off", "axes", "lighting on"}));
    EXPECT_EQ(f.out.str(), "");
    EXPECT_EQ(f.reattached + f.applied, 2);

    using S = std::vector<std::array<float, 6>>;
    const std::pair<Rgba, S> cross[] = {
        {{1, 0, 0, 0.5f}, {{0, 0, 0, 20, 0, 0}, {20, .5, 0, 19, 3, 0}, {20, 3, 0, 19, .5, 0}}},
        {{0, 1, 0, 1},
         {{0, 0, 0, 0, 20, 0},
          {.5, 20, 0, 1, 18.7f, 0},
          {1.5, 20, 0, 1, 18.7f, 0},
          {1, 17.5, 0, 1, 18.7f, 0}}},
        {{0, 0, 1, 1},
         {{0, 0, 0, 0, 0, 20},
          {0, .5, 20, 0, .5, 19},
          {0, .5, 20, 0, 3, 19},
          {0, 3, 20, 0, 3, 19},
          {0, 0, 0, 0, 0, 20}}},
    };
    ASSERT_EQ(f.gl.axes.size(), 3u);
    for (std::size_t b = 0; b < 3; ++b) {
        const AxisLines& got = f.gl.axes[b];
        const Rgba& c = cross[b].first;
        EXPECT_EQ(std::vector<float>({got.color.r, got.color.g, got.color.b, got.color.a}),
                  std::vector<float>({c.r, c.g, c.b, c.a}));
        S segments;
        for (const Segment3D& s : got.segments)
            segments.push_back({s.from.x, s.from.y, s.from.z, s.to.x, s.to.y, s.to.z});
        EXPECT_EQ(segments, cross[b].second) << "batch " << b;
    }
}

// Everything before the scene walk, for the lighting switches, the material and the sphere map.
TEST(ScenePass3D, FrameSetUpFollowsTheLightingAndPlasticSwitches) {
    const std::string light0 = "light0 turned 0.5 at 1 0 colour 0.5 0.25 1 1";
    const std::string light1 = "light1 turned -1 at 1 1 colour 1 1 1 1";
    const std::string scene = "scene 0 1 turn 30.25 -20 5";
    struct Case {
        int lighting, plastic, material, env;
        Calls expected;
    };
    const Case cases[] = {
        {1,
         0,
         1,
         0,
         {"material 0.33 0.57 0.81 20", light0, light1, "lighting on", "light1 on", "light0 on",
          "lighting off", "light0 off", "light1 off", "normalize", "depth test", scene}},
        {1,
         1,
         7,
         0,
         {"material 0.33 0.5 1 60", light0, light1, "lighting on", "light1 on", "light0 on", light1,
          "lighting on", "light1 on", "normalize", "depth test", scene}},
        {0, 1, 8, 0, {light1, "lighting on", "light1 on", "normalize", "depth test", scene}},
        {0,
         0,
         -1,
         1,
         {"lighting off", "light0 off", "light1 off", "normalize", "depth test", scene,
          "sphere map on", "sphere map off"}},
    };
    for (const Case& c : cases) {
        Pass3D f;
        f.settings.showAxes = 0;
        f.render.surfaceLighting = c.lighting;
        f.render.plasticMap = c.plastic;
        f.render.material = c.material;
        f.render.envMapping = c.env;
        f.render.lightColor[0] = 0.5f;
        f.render.lightColor[1] = 0.25f;
        f.view.lightRotation[0] = 0.5f;
        f.view.light1Rotation[0] = -1;
        f.view.sceneRotation[0] = 0;
        f.view.rotY = 30.25;
        f.view.rotX = -20;
        f.view.rotZ = 5;
        f.pass.drawFrame3D();
        EXPECT_EQ(f.gl.calls, c.expected) << c.lighting << c.plastic << c.material;
    }
}

// Picking sees only the active patch's spheres under their indices, the active point's big
// and red; nothing else is drawn or written.
TEST(ScenePass3D, SelectionModeDrawsOnlyTheActivePatchsNamedSpheres) {
    const std::tuple<int, int, int> cases[] = {{1, 3, 3}, {1, -1, -1}, {0, 3, -2}};
    for (const auto& [showPoints, activePoint, bigSphere] : cases) {
        Pass3D f;
        f.add(kSurfaceCoons, false);
        f.add(kSurfaceBezier, true);
        f.settings.showControlPoints = showPoints;
        f.editing.activePoint = activePoint;
        f.pass.drawScene3D(true);
        Calls expected;
        if (bigSphere != -2) {
            expected = {"lighting off", "texturing off", "colour 0.5 0.25 0", "depth test",
                        "names"};
            for (int k = 0; k < 16; ++k) {
                const std::string at = " at " + std::to_string(k) + " 0 2 r ";
                expected.push_back("sphere " + std::to_string(k) + at +
                                   (k == bigSphere ? "2 20 colour 1 0 0" : "1 10 colour 0 0 1"));
            }
            expected.push_back("names end");
        }
        EXPECT_EQ(f.gl.calls, expected) << showPoints << " " << activePoint;
        EXPECT_EQ(f.out.str(), "");
    }
}

// In list order: the active rational patch with its own label and its time as the panel's
// float; the others without a prefix; kinds that are no surface and short nets are left out.
TEST(ScenePass3D, RowsMarkTheActivePatchAndKeepItsTimeAsAFloat) {
    Pass3D f;
    f.add(kSurfaceFerguson, false);
    f.add(kSurfaceBezier, false, 15);
    f.add(kSurfaceRationalBezier, false);
    f.add(kLineDDA, true);
    f.add(kSurfaceRationalBezier, true);
    f.pass.drawScene3D(false);
    EXPECT_EQ(f.out.str(),
              "-> Bezierova rac plocha: 1.00001\n"
              "Bezierova rac plocha\t: 0.25\n"
              "Fergusonova plocha\t: 0.25\n");
    EXPECT_EQ(f.mirrors.lastTime, 1.000004999f);
    EXPECT_TRUE(f.scene.current == f.scene.surfaces3D.end());

    Pass3D hidden;
    hidden.render.showSurface = 0;
    hidden.render.gouraud = 0;
    hidden.add(kSurfaceCoons, true);
    hidden.pass.drawScene3D(false);
    EXPECT_EQ(hidden.out.str(), "-> ");
    EXPECT_EQ(hidden.callsFrom("colour").at(1), "net 4 4 2 15");
    EXPECT_EQ(hidden.callsFrom("names end"), Calls({"names end", "lighting off", "flat"}));
}

// An inactive patch: solid under the plastic look (lit, or white and without light 1), with
// the chosen texture; otherwise its edges in its own colour.
TEST(ScenePass3D, SolidAndWireframeSetTheirStateAroundTheDraw) {
    struct Case {
        int plastic, lighting, texture;
        Calls expected;
    };
    const std::string draw = "patch 10 7 200";
    const Case cases[] = {
        {1,
         0,
         2,
         {"patch colour 1 1 1", "light1 off", "texturing on", "bind 42", draw, "lighting off"}},
        {1, 1, 0, {"lighting on", "texturing off", "bind 40", draw, "lighting off"}},
        {1, 1, 30, {"lighting on", "texturing on", draw, "lighting off"}},
        {0, 1, 2, {"patch colour 0 0.75 0", "wireframe on", draw, "wireframe off"}},
    };
    for (const Case& c : cases) {
        Pass3D f;
        f.render.plasticMap = c.plastic;
        f.render.surfaceLighting = c.lighting;
        f.render.texture = c.texture;
        f.add(kSurfaceCoons, false);
        f.pass.drawScene3D(false);
        Calls expected = {"lighting off", "smooth"};
        expected.insert(expected.end(), c.expected.begin(), c.expected.end());
        EXPECT_EQ(f.gl.calls, expected) << c.plastic << c.lighting << c.texture;
    }
}

}  // namespace
