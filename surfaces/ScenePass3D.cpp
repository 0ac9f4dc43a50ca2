#include "surfaces/ScenePass3D.h"

#include "model/ListingPrefixes.h"
#include "model/ObjectKind.h"
#include "surfaces/Materials.h"

namespace {

constexpr float kLight0Position[4] = {0, 1, 0, 0};  // directional, from +y
constexpr float kLight1Position[4] = {0, 1, 0, 1};  // positional, at y = 1
constexpr float kWhite[4] = {1, 1, 1, 1};

// The axes 20 units long, each with its letter drawn in line segments at its end.
const std::vector<AxisLines>& axisCross() {
    static const std::vector<AxisLines> cross = {
        {{1, 0, 0, 0.5f},
         {{{0, 0, 0}, {20, 0, 0}}, {{20, 0.5f, 0}, {19, 3, 0}}, {{20, 3, 0}, {19, 0.5f, 0}}}},
        {{0, 1, 0, 1},
         {{{0, 0, 0}, {0, 20, 0}},
          {{0.5f, 20, 0}, {1, 18.7f, 0}},
          {{1.5f, 20, 0}, {1, 18.7f, 0}},
          {{1, 17.5f, 0}, {1, 18.7f, 0}}}},
        {{0, 0, 1, 1},
         {{{0, 0, 0}, {0, 0, 20}},
          {{0, 0.5f, 20}, {0, 0.5f, 19}},
          {{0, 0.5f, 20}, {0, 3, 19}},
          {{0, 3, 20}, {0, 3, 19}},
          {{0, 0, 0}, {0, 0, 20}}}},
    };
    return cross;
}

// A patch is read as a net of 16 points (and 16 weights when rational); one from a damaged
// file that holds fewer is left out rather than read past its arrays.
bool holdsNet(const SceneObject& patch) {
    const std::size_t n = kSurfacePoints;
    return patch.points.size() >= n &&
           (patch.kind != kSurfaceRationalBezier || patch.weights.size() >= n);
}

}  // namespace

void ScenePass3D::drawFrame3D() {
    if (const Material* material = findMaterial(s.render.material)) gl.setMaterial(*material);
    setUpLights();
    gl.enableNormalize();
    gl.enableDepthTest();
    const View3D& v = s.view;
    gl.sceneTransform(v.sceneRotation, static_cast<float>(v.rotY), static_cast<float>(v.rotX),
                      static_cast<float>(v.rotZ));
    if (s.settings.showAxes == 1) drawAxisCross();
    if (s.render.envMapping != 0) {
        gl.sphereMapping(true);
        drawScene3D(false);
        gl.sphereMapping(false);
    } else {
        drawScene3D(false);
    }
}

// The plastic look needs light 1 even when surface lighting is off; without it every light
// goes out.
void ScenePass3D::setUpLights() {
    const View3D& v = s.view;
    if (s.render.surfaceLighting == 1) {
        const float* c = s.render.lightColor;
        const float ambient[4] = {c[0], c[1], c[2], 1};
        gl.setLight(LightId::Light0, v.lightRotation, kLight0Position, ambient);
        gl.setLight(LightId::Light1, v.light1Rotation, kLight1Position, kWhite);
        gl.enableLighting(true);
        gl.enableLight(LightId::Light1, true);
        gl.enableLight(LightId::Light0, true);
    }
    if (s.render.plasticMap != 0) {
        gl.setLight(LightId::Light1, v.light1Rotation, kLight1Position, kWhite);
        gl.enableLighting(true);
        gl.enableLight(LightId::Light1, true);
    } else {
        gl.enableLighting(false);
        gl.enableLight(LightId::Light0, false);
        gl.enableLight(LightId::Light1, false);
    }
}

// Drawn unlit; lighting comes back on after it whatever it was before.
void ScenePass3D::drawAxisCross() {
    gl.enableLighting(false);
    gl.axisLines(axisCross());
    gl.enableLighting(true);
}

void ScenePass3D::drawScene3D(bool selectMode) {
    if (s.mode.panelShown == 1 && panel.reattachPanel) panel.reattachPanel();
    if (panel.applyPanelPoint) panel.applyPanelPoint();
    ObjectList& list = s.scene.surfaces3D;
    for (s.scene.current = list.begin(); s.scene.current != list.end(); ++s.scene.current) {
        const SceneObject& patch = *s.scene.current;
        if (findKind3D(patch.kind) == nullptr || !holdsNet(patch)) continue;
        if (patch.active) {
            if (s.settings.showControlPoints != 0) drawControlPoints(patch, selectMode);
            if (!selectMode) out << kActivePrefix;
        }
        if (!selectMode) drawSurface(patch);
    }
}

// The net in the polygon colour and one sphere per point, named by its index for the pick;
// the active point's sphere is the big red one.
void ScenePass3D::drawControlPoints(const SceneObject& patch, bool selectMode) {
    gl.enableLighting(false);
    gl.enableTexturing(false);
    gl.setColor(s.colors.polygonColor);
    if (!selectMode) patches.renderMesh(patch.points.data(), 4, 4, mesh_code::kLines);
    gl.enableDepthTest();
    gl.beginNames();
    for (int k = 0; k < kSurfacePoints; ++k) {
        const Vec3& centre = patch.points[static_cast<std::size_t>(k)];
        if (k == s.editing.activePoint) {
            gl.namedSphere(k, centre, 2.0f, 20, {1, 0, 0});
        } else {
            gl.namedSphere(k, centre, 1.0f, 10, {0, 0, 1});
        }
    }
    gl.endNames();
}

void ScenePass3D::drawSurface(const SceneObject& patch) {
    gl.enableLighting(false);
    gl.setShading(s.render.gouraud != 0 ? Shading::Smooth : Shading::Flat);
    if (s.render.showSurface != 1) return;
    if (s.render.plasticMap != 0) {
        drawSolid(patch);
    } else {
        drawWireframe(patch);
    }
}

// Unlit, the patch shows white under its texture.
void ScenePass3D::drawSolid(const SceneObject& patch) {
    const Render3D& r = s.render;
    if (r.surfaceLighting == 1) {
        gl.enableLighting(true);
    } else {
        patches.setColor(1.0f, 1.0f, 1.0f);
        gl.enableLight(LightId::Light1, false);
    }
    // Entry 0 is bound but left off: it is the start image, not a texture of the list.
    gl.enableTexturing(r.texture != 0);
    if (r.texture >= 0 && r.texture < kMaxTextures) {
        gl.bindTexture(s.textures.textureIds[r.texture]);
    }
    drawAndList(patch);
    gl.enableLighting(false);
}

// The polygon mode turns every primitive into its edges, and points stay points.
void ScenePass3D::drawWireframe(const SceneObject& patch) {
    patches.setColor(patch.color[0], patch.color[1], patch.color[2]);
    gl.setWireframe(true);
    drawAndList(patch);
    gl.setWireframe(false);
}

// The active patch's time goes to the panel as a float, and the row shows that float.
void ScenePass3D::drawAndList(const SceneObject& patch) {
    const double t = patches.drawPatch(patch, s.render.meshDensity, s.render.polygonMode);
    if (!patch.active) {
        out << findKind3D(patch.kind)->rowLabel << t << std::endl;
        return;
    }
    s.mirrors.lastTime = static_cast<float>(t);
    const char* label = patch.kind == kSurfaceRationalBezier ? "Bezierova rac plocha: "
                                                             : findKind3D(patch.kind)->rowLabel;
    out << label << s.mirrors.lastTime << std::endl;
}
