#include "ui/Panel3D.h"

#include <string>
#include <tuple>
#include <utility>

#include "model/ObjectKind.h"
#include "ui/PanelIds.h"

namespace {

void addPointRollout(Panel& panel, PanelHandles& h, const PanelState& s) {
    Control& point = panel.addRollout(panel.root(), "Souradnice aktivniho bodu", true);
    h.activePointSpinner = &panel.addIntSpinner(point, "Aktivni bod:", &s.editing.activePoint,
                                                panel_id::kActivePoint3D);
    h.activePointSpinner->setIntLimits(0, 15);
    h.activePointSpinner->setW(50);
    h.activePointSpinner->setAlignment(Align::Right);
    panel.addSeparator(point);
    h.pointX = &panel.addIntSpinner(point, "Hodnota v X:", &s.mirrors.activeX, panel_id::kPoint3D);
    h.pointY = &panel.addIntSpinner(point, "Hodnota v Y:", &s.mirrors.activeY, panel_id::kPoint3D);
    h.pointZ = &panel.addIntSpinner(point, "Hodnota v Z:", &s.mirrors.activeZ, panel_id::kPoint3D);
    for (Control* c : {h.pointX, h.pointY, h.pointZ}) {
        c->setIntLimits(-1000, 1000);
        c->setSpeed(0.01f);
        c->setAlignment(Align::Right);
    }
    h.weight = &panel.addFloatSpinner(point, "Racionalni vaha:", &s.mirrors.activeWeight,
                                      panel_id::kPoint3D);
    h.weight->setFloatLimits(1.0f, 100.0f);
    h.weight->setAlignment(Align::Right);
    Control& buttons = panel.addPanel(point, "Aktivni bod");
    panel.addButton(buttons, "<-", panel_id::kPreviousPoint).setW(50);
    panel.addColumn(buttons, false);
    panel.addButton(buttons, "->", panel_id::kNextPoint).setW(50);
}

// Only an active patch can be edited; only a rational one has weights.
void enablePointFields(PanelHandles& h, Scene& scene) {
    for (Control* c : {h.activePointSpinner, h.pointX, h.pointY, h.pointZ, h.weight})
        c->disable();
    if (!scene.findActive(scene.surfaces3D)) return;
    for (Control* c : {h.pointX, h.pointY, h.pointZ, h.activePointSpinner})
        c->enable();
    if (scene.current->kind == kSurfaceRationalBezier) h.weight->enable();
}

void addListItems(Control& box, std::initializer_list<std::pair<int, const char*>> items) {
    for (const auto& [id, label] : items)
        box.addItem(id, label);
}

void addRenderLists(Panel& panel, Control& in, const PanelState& s) {
    Control& polygon = panel.addListBox(in, "Polygon:", &s.render.polygonMode);
    addListItems(polygon, {{100, "Trojuhelnik"}, {200, "Ctverec"}, {1, "Body"}});
    polygon.setIntVal(200);
    Control& material = panel.addListBox(in, "Material:", &s.render.material);
    addListItems(material, {{0, "Zadny"},
                            {1, "Medeny"},
                            {2, "Perletovy  "},
                            {3, "Drugged"},
                            {4, "Modre PVC"},
                            {5, "Rude PVC"},
                            {6, "Zelene PVC"},
                            {7, "Fialove PVC"}});
    Control& texture = panel.addListBox(in, "Textura:", &s.render.texture);
    texture.addItem(0, "Zadna      ");
    for (int k = 0; k < s.textures.textureCount; ++k)
        texture.addItem(2 + k, "Textura_" + std::to_string(k));
    for (Control* c : {&polygon, &material, &texture})
        c->setAlignment(Align::Right);
}

void addLightRollout(Panel& panel, Control& in, const PanelState& s) {
    Control& light = panel.addRollout(in, "Osvetleni sceny", false);
    panel.addRotation(light, "Rotace Svetla", s.view.lightRotation).setSpin(1.0f);
    const char* const names[] = {"Cervena:", "Zelena:", "Modra:"};
    for (int i = 0; i < 3; ++i) {
        Control& c = panel.addFloatSpinner(light, names[i], &s.render.lightColor[i]);
        c.setIntLimits(0, 1);
        c.setW(10);
        c.setAlignment(Align::Right);
    }
}

void addColorRollout(Panel& panel, Control& in, const PanelState& s) {
    Control& colors = panel.addRollout(in, "Nastaveni barev editoru", false);
    Control& background =
        panel.addListBox(colors, "Pozadi:", &s.colors.backgroundIndex, panel_id::kColors);
    addBackgroundItems(background);
    Control& polygon =
        panel.addListBox(colors, "Rid. polygon:", &s.colors.polygonColorIndex, panel_id::kColors);
    addColorItems(polygon);
    background.setAlignment(Align::Right);
    polygon.setAlignment(Align::Right);
}

void addRenderSettings(Panel& panel, const PanelState& s) {
    Control& render = panel.addRollout(panel.root(), "Nastaveni renderingu", false);
    for (const auto& [label, live] : {std::pair{"Zobrazovat plochu", &s.render.showSurface},
                                      std::pair{"Osovy kriz", &s.settings.showAxes},
                                      std::pair{"Ridici polygon", &s.settings.showControlPoints},
                                      std::pair{"Plasticka mapa", &s.render.plasticMap},
                                      std::pair{"Osvetleni plochy", &s.render.surfaceLighting},
                                      std::pair{"Gouraudovo stinovani", &s.render.gouraud},
                                      std::pair{"Environment text. mapping", &s.render.envMapping}})
        panel.addCheckbox(render, label, live);
    Control& density = panel.addIntSpinner(render, "Hustota site:", &s.render.meshDensity);
    density.setIntLimits(3, 100);
    density.setW(60);
    density.setAlignment(Align::Right);
    panel.addSeparator(render);
    addRenderLists(panel, render, s);
    addLightRollout(panel, render, s);
    addColorRollout(panel, render, s);
}

}  // namespace

PanelHandles buildPanel3D(Panel& panel, const PanelState& s) {
    PanelHandles h;
    panel.addStaticText(panel.root(), " ");
    panel.addSeparator(panel.root());
    addSpeedFields(panel, h, s.mirrors, 150);
    panel.addSeparator(panel.root());
    Control& main = panel.addRollout(panel.root(), "Hlavni nabidka", false);
    panel.addButton(main, "2D Pixelforge", panel_id::kTo2D).setW(kButtonWidth);
    addMainMenu(panel, main, s.mirrors);
    addPointRollout(panel, h, s);
    enablePointFields(h, s.scene);
    addRenderSettings(panel, s);
    return h;
}

void buildViewPanel(Panel& panel, View3D& view) {
    float* const kNone = nullptr;
    Control& top = panel.root();
    panel.addRotation(top, "Rotace sceny", view.sceneRotation).setSpin(1.0f);
    panel.addColumn(top, true);
    for (const auto& [label, live] :
         {std::pair{"X:", &view.panX}, std::pair{"Y:", &view.panY}, std::pair{"Z:", &view.zoom}}) {
        panel.addFloatSpinner(top, label, live, panel_id::kView).setAlignment(Align::Right);
    }
    panel.addColumn(top, false);
    for (const auto& [label, id] :
         {std::pair{"X-Y", panel_id::kViewXY}, std::pair{"Y-Z", panel_id::kViewYZ},
          std::pair{"Z-X", panel_id::kViewZX}})
        panel.addButton(top, label, id).setW(30);
    for (const auto& [label, kind, x, y] :
         {std::tuple{"XY", TranslationKind::XY, &view.panX, &view.panY},
          std::tuple{"X", TranslationKind::X, &view.panX, kNone},
          std::tuple{"Y", TranslationKind::Y, &view.panY, kNone},
          std::tuple{"Zoom", TranslationKind::Z, &view.zoom, kNone}}) {
        panel.addColumn(top, false);
        panel.addTranslation(top, label, kind, x, y, panel_id::kView).setSpeed(0.1f);
    }
    panel.addColumn(top, true);
}
