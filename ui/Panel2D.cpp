#include "ui/Panel2D.h"

#include <string>

#include "model/ObjectKind.h"
#include "ui/PanelIds.h"

const char* const kColorNames[9] = {"Cervena", "Zelena", "Modra", "Zluta", "Fialova",
                                    "Azurova", "Cerna",  "Seda",  "Bila"};
const Rgb kEditorColors[9] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1},          {1, 1, 0}, {1, 0, 1},
                              {0, 1, 1}, {0, 0, 0}, {0.5f, 0.5f, 0.5f}, {1, 1, 1}};
const char* const kBackgroundNames[5] = {"Bila", "Indigo", "Cerna", "Seda", "Zelena"};
const Rgb kBackgroundColors[5] = {
    {1, 1, 1}, {0, 0, 0.5f}, {0, 0, 0}, {0.5f, 0.5f, 0.5f}, {0.2f, 0.4f, 0.2f}};

void addColorItems(Control& box) {
    for (int i = 0; i < 9; ++i)
        box.addItem(i, kColorNames[i]);
    box.setIntVal(box.intValue);
}

void addBackgroundItems(Control& box) {
    for (int i = 0; i < 5; ++i)
        box.addItem(i, kBackgroundNames[i]);
    box.setIntVal(box.intValue);
}

void addSpeedFields(Panel& panel, PanelHandles& h, PanelMirrors& mirrors, int typeWidth) {
    Control& speed = panel.addPanel(panel.root(), "Rasterizacni rychlost");
    speed.setAlignment(Align::Center);
    h.typeField = &panel.addTextEdit(speed, "Typ :", mirrors.typeText);
    h.typeField->setW(typeWidth);
    h.timeField = &panel.addFloatEdit(speed, "Cas [ms] :", &mirrors.lastTime);
    h.typeField->disable();
    h.timeField->disable();
}

void addMainMenu(Panel& panel, Control& in, PanelMirrors& mirrors) {
    for (const auto& [label, id] : {std::pair{"Vypnout panel", panel_id::kHidePanel},
                                    std::pair{"Dalsi objekt", panel_id::kNextObject},
                                    std::pair{"Exit do X-Window", panel_id::kExit}})
        panel.addButton(in, label, id).setW(kButtonWidth);
    Control& help = panel.addRollout(in, "HELP", false);
    panel.addStaticText(help, " ");
    panel.addStaticText(help, "    Spustte help.htm !");
    panel.addSeparator(help);
    panel.addStaticText(help, " Navod: help.htm a README.md");
    Control& save = panel.addRollout(in, "Ulozeni do souboru", false);
    panel.addTextEdit(save, "Nazev souboru:", mirrors.fileName).setW(150);
    panel.addSeparator(save);
    panel.addButton(save, "Uloz do vektoru PVF", panel_id::kSavePvf).setW(kButtonWidth);
    panel.addButton(save, "Uloz do bitmapy BMP", panel_id::kSaveBmp).setW(kButtonWidth);
    panel.addButton(save, "Uloz do bitmapy TGA", panel_id::kSaveTga).setW(kButtonWidth);
}

namespace {

void addPointRollout(Panel& panel, PanelHandles& h, const PanelState& s) {
    Control& point = panel.addRollout(panel.root(), "Souradnice aktivniho bodu", true);
    h.pointX = &panel.addIntSpinner(point, "Hodnota v X:", &s.mirrors.activeX, panel_id::kPoint2D);
    h.pointY = &panel.addIntSpinner(point, "Hodnota v Y:", &s.mirrors.activeY, panel_id::kPoint2D);
    h.weight = &panel.addFloatSpinner(point, "Racionalni vaha:", &s.mirrors.activeWeight,
                                      panel_id::kPoint2D);
    for (Control* c : {h.pointX, h.pointY}) {
        c->setIntLimits(0, 1000);
        c->setSpeed(0.01f);
    }
    h.weight->setFloatLimits(0.0f, 100.0f);
    for (Control* c : {h.pointX, h.pointY, h.weight}) {
        c->setAlignment(Align::Right);
        c->disable();
    }
    if (s.scene.findActive(s.scene.objects2D)) {
        for (Control* c : {h.pointX, h.pointY, h.weight})
            c->enable();
    }
    Control& knots = panel.addRollout(point, "Uzlovy vektor pro NURBS", false);
    for (int k = 0; k < kKnotSpinners; ++k) {
        h.knotSpinners[k] = &panel.addFloatSpinner(knots, "Uzel " + std::to_string(k + 1) + ":",
                                                   &s.mirrors.knotValues[k], panel_id::kKnots);
    }
}

// Every knot spinner is enabled for an active NURBS, the first ones filled with its knots.
void enableKnots(PanelHandles& h, Scene& scene) {
    for (Control* c : h.knotSpinners) {
        c->setH(17);
        c->setW(20);
        c->setFloatLimits(0.0f, 1.0f);
        c->setSpeed(1.0f);
        c->setAlignment(Align::Center);
        c->disable();
    }
    ObjectCursor& it = scene.current;
    for (it = scene.objects2D.begin(); it != scene.objects2D.end(); ++it) {
        if (it->active && isNurbs(it->kind)) break;
    }
    if (it == scene.objects2D.end()) return;
    for (std::size_t k = 0; k < h.knotSpinners.size(); ++k) {
        const bool known = static_cast<int>(k) < it->knotCount && k < it->knots.size();
        if (known) h.knotSpinners[k]->setFloatVal(it->knots[k]);
        h.knotSpinners[k]->enable();
    }
}

void addEditorSettings(Panel& panel, const PanelState& s) {
    Control& editor = panel.addRollout(panel.root(), "Nastaveni editoru", false);
    panel.addCheckbox(editor, "Zobrazovat ridici body", &s.settings.showControlPoints);
    panel.addCheckbox(editor, "Zobrazovat ridici polynom", &s.settings.showControlPolygon);
    panel.addCheckbox(editor, "Zobrazovat neak. body (F11)", &s.settings.showInactivePoints);
    panel.addCheckbox(editor, "Rastrova 2D mrizka (F12)", &s.settings.showGrid);
    panel.addCheckbox(editor, "Osovy kriz", &s.settings.showAxes);
    Control& size = panel.addIntSpinner(editor, "Velikost pixelu:", &s.settings.pixelSize,
                                        panel_id::kPixelSize);
    size.setIntLimits(1, 10);
    Control& segments =
        panel.addIntSpinner(editor, "Aprox. useckami:", &s.settings.segments, panel_id::kSegments);
    segments.setIntLimits(1, 200);
    for (Control* c : {&size, &segments}) {
        c->setW(60);
        c->setAlignment(Align::Right);
    }
    Control& colors = panel.addRollout(editor, "Nastaveni barev editoru", false);
    Control& background =
        panel.addListBox(colors, "Pozadi:", &s.colors.backgroundIndex, panel_id::kColors);
    addBackgroundItems(background);
    background.setAlignment(Align::Right);
    for (const auto& [label, index] : {std::pair{"Objekt:", &s.colors.objectColorIndex},
                                       std::pair{"Rid. polygon:", &s.colors.polygonColorIndex},
                                       std::pair{"Aktivni bod:", &s.colors.activeColorIndex},
                                       std::pair{"Ridici bod:", &s.colors.controlColorIndex},
                                       std::pair{"Neaktivni bod:", &s.colors.inactiveColorIndex}}) {
        Control& box = panel.addListBox(colors, label, index, panel_id::kColors);
        addColorItems(box);
        box.setAlignment(Align::Right);
    }
}

}  // namespace

PanelHandles buildPanel2D(Panel& panel, const PanelState& s) {
    PanelHandles h;
    panel.addStaticText(panel.root(), "    ");
    panel.show();
    panel.addSeparator(panel.root());
    addSpeedFields(panel, h, s.mirrors, 170);
    Control& main = panel.addRollout(panel.root(), "Hlavni nabidka", false);
    panel.addButton(main, "3D Pixelforge", panel_id::kTo3D).setW(kButtonWidth);
    addMainMenu(panel, main, s.mirrors);
    addPointRollout(panel, h, s);
    enableKnots(h, s.scene);
    addEditorSettings(panel, s);
    return h;
}
