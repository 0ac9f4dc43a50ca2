#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <tuple>

#include "Support.h"
#include "surfaces/RecordingPatchDrawer.h"
#include "surfaces/ScenePass3D.h"

namespace {

using Calls = std::vector<std::string>;

struct Pass3D : AppFixture {
    // A 16-point net at x = 0..15 (with weights when rational), listed at the front as every
    // creator adds.
    void add(int32_t kind, bool active, int points = 16) {
        SceneObject& p = app.scene.surfaces3D.emplace_front();
        std::tie(p.kind, p.active, p.color[1], p.pointCount) =
            std::make_tuple(kind, active, 0.75f, points);
        for (int k = 0; k < points; ++k)
            p.points.push_back({float(k), 0, 2});
        if (kind == kSurfaceRationalBezier) p.weights.assign(16, 1.0f);
    }
    Calls callsFrom(const std::string& first) const {
        return {std::find(gl.begin(), gl.end(), first), gl.end()};
    }

    Calls& gl = render3D.calls;
    RecordingPatchDrawer patches{gl};
    std::ostringstream out;
    ScenePass3D::PanelHooks hooks{[this] { gl.push_back("attach"); },
                                  [this] { gl.push_back("point"); }};
    ScenePass3D::State state{app.mode,   app.scene,    app.settings2D, app.editing, app.colors,
                             app.view3D, app.render3D, app.mirrors,    app.textures};
    ScenePass3D pass{state, render3D, patches, out, hooks};
};

// Everything before the walk of an empty scene, for the lighting switches, the material, the
// sphere map and the axis cross.
TEST(ScenePass3D, FrameSetUpFollowsTheLightingAndPlasticSwitches) {
    const std::string light0 = "light0 turned 0.5 at 0 1 0 0 colour 0.25 0.5 1 1";
    const std::string light1 = "light1 turned -1 at 0 1 0 1 colour 1 1 1 1";
    const std::string scene = "scene 0 1 turn 30.25 -20 5";
    // Switches: surface lighting, plastic look, material, sphere map, axes.
    const std::pair<std::array<int, 5>, Calls> cases[] = {
        {{1, 0, 1, 0, 0},
         {"material 0.33 0.22 0.03 1 0.78 0.57 0.11 1 0.99 0.91 0.81 1 20", light0, light1,
          "lighting on", "light1 on", "light0 on", "lighting off", "light0 off", "light1 off",
          "normalize", "depth test", scene, "attach", "point"}},
        {{1, 1, 7, 0, 0},
         {"material 0.33 0 0.33 1 1 0.5 1 1 1 1 1 1 60", light0, light1, "lighting on", "light1 on",
          "light0 on", light1, "lighting on", "light1 on", "normalize", "depth test", scene,
          "attach", "point"}},
        {{0, 1, 8, 0, 1},
         {light1, "lighting on", "light1 on", "normalize", "depth test", scene, "lighting off",
          "lines 1 0 0 0.5: 0 0 0-20 0 0 20 0.5 0-19 3 0 20 3 0-19 0.5 0",
          "lines 0 1 0 1: 0 0 0-0 20 0 0.5 20 0-1 18.7 0 1.5 20 0-1 18.7 0 1 17.5 0-1 18.7 0",
          "lines 0 0 1 1: 0 0 0-0 0 20 0 0.5 20-0 0.5 19 0 0.5 20-0 3 19 0 3 20-0 3 19 "
          "0 0 0-0 0 20",
          "lighting on", "attach", "point"}},
        {{0, 0, -1, 1, 0},
         {"lighting off", "light0 off", "light1 off", "normalize", "depth test", scene,
          "sphere map on", "attach", "point", "sphere map off"}},
    };
    for (const auto& [in, expected] : cases) {
        Pass3D f;
        f.app.settings2D.showAxes = in[4];
        Render3D& r = f.app.render3D;
        std::tie(r.surfaceLighting, r.plasticMap, r.material, r.envMapping, r.lightColor[0],
                 r.lightColor[1]) = std::make_tuple(in[0], in[1], in[2], in[3], 0.25f, 0.5f);
        View3D& v = f.app.view3D;
        std::tie(v.lightRotation[0], v.light1Rotation[0], v.sceneRotation[0], v.rotY, v.rotX,
                 v.rotZ) = std::make_tuple(0.5f, -1.0f, 0.0f, 30.25, -20.0, 5.0);
        f.pass.drawFrame3D();
        EXPECT_EQ(f.gl, expected) << in[0] << in[1] << in[2];
    }
}

// Picking sees only the active patch's spheres under their indices, the active point's big
// and red; nothing else is drawn or written.
TEST(ScenePass3D, SelectionModeDrawsOnlyTheActivePatchsNamedSpheres) {
    for (const auto& [showPoints, activePoint] : {std::pair{1, 3}, {1, -1}, {0, 3}}) {
        Pass3D f;
        f.add(kSurfaceCoons, false);
        f.add(kSurfaceBezier, true);
        f.app.colors.polygonColor = {0.5f, 0.25f, 0};
        f.app.settings2D.showControlPoints = showPoints;
        f.app.editing.activePoint = activePoint;
        f.pass.drawScene3D(true);
        Calls expected = {"lighting off", "texturing off", "colour 0.5 0.25 0", "depth test",
                          "names"};
        for (int k = 0; k < 16; ++k)
            expected.push_back(
                "sphere " + std::to_string(k) + " at " + std::to_string(k) +
                (k == activePoint ? " 0 2 r 2 20 colour 1 0 0" : " 0 2 r 1 10 colour 0 0 1"));
        expected.push_back("names end");
        EXPECT_EQ(f.callsFrom("lighting off"), showPoints ? expected : Calls()) << activePoint;
        EXPECT_EQ(f.out.str(), "");
    }
}

// In list order: the active rational patch with its own label and its time as the panel's
// float; the others without a prefix; kinds that are no surface and short nets are left out.
TEST(ScenePass3D, RowsMarkTheActivePatchAndKeepItsTimeAsAFloat) {
    Pass3D f;
    f.patches.activeTime = 1.000004999;  // 1 as a double, 1.00001 as a float
    f.add(kSurfaceFerguson, false);
    f.add(kSurfaceBezier, false, 15);
    f.add(kSurfaceRationalBezier, false);
    f.add(kLineDDA, true);
    f.add(kSurfaceRationalBezier, true);
    f.pass.drawScene3D(false);
    EXPECT_EQ(f.out.str(),
              "-> Bezierova rac plocha: 1.00001\n"
              "Bezierova rac plocha\t: 0.5\n"
              "Fergusonova plocha\t: 0.5\n");
    EXPECT_EQ(f.app.mirrors.lastTime, 1.000004999f);

    Pass3D hidden;
    std::tie(hidden.app.render3D.showSurface, hidden.app.render3D.gouraud) = std::make_tuple(0, 0);
    hidden.add(kSurfaceCoons, true);
    hidden.pass.drawScene3D(false);
    EXPECT_EQ(hidden.out.str(), "-> ");
    EXPECT_EQ(hidden.callsFrom("texturing off").at(2), "net 4 4 2 last x 15");
    EXPECT_EQ(hidden.callsFrom("names end"), Calls({"names end", "lighting off", "flat"}));
}

// An inactive patch: solid under the plastic look (lit, or white and without light 1), with
// the chosen texture; otherwise its edges in its own colour.
TEST(ScenePass3D, SolidAndWireframeSetTheirStateAroundTheDraw) {
    const std::string draw = "patch 10 7 200";
    const std::string off = "lighting off";
    // Switches: plastic look, surface lighting, texture.
    const std::pair<std::array<int, 3>, Calls> cases[] = {
        {{1, 0, 2},
         {"smooth", "patch colour 1 1 1", "light1 off", "texturing on", "bind 42", draw, off}},
        {{1, 1, 0}, {"smooth", "lighting on", "texturing off", "bind 40", draw, off}},
        {{1, 1, 30}, {"smooth", "lighting on", "texturing on", draw, off}},
        {{0, 1, 2}, {"smooth", "patch colour 0 0.75 0", "wireframe on", draw, "wireframe off"}},
    };
    for (const auto& [in, expected] : cases) {
        Pass3D f;
        Render3D& r = f.app.render3D;
        std::tie(r.plasticMap, r.surfaceLighting, r.texture, r.meshDensity) =
            std::make_tuple(in[0], in[1], in[2], 7);
        std::tie(f.app.textures.textureIds[0], f.app.textures.textureIds[2]) =
            std::make_tuple(40u, 42u);
        f.add(kSurfaceCoons, false);
        f.pass.drawScene3D(false);
        EXPECT_EQ(f.callsFrom("smooth"), expected) << in[0] << in[1] << in[2];
    }
}

}  // namespace
