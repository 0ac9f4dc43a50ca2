#pragma once

#include <functional>

#include "input/PanelFields.h"
#include "model/AppState.h"
#include "ui/Panels.h"

// The one owner of the panel's point, weight, knot and type fields: what the handlers set,
// enable and synchronise goes through here, checked once for a hidden panel.
class PointFields final : public PanelFields {
  public:
    PointFields(Panels& panelSet, const ModeState& modeState, Scene& objects,
                PanelMirrors& panelMirrors, std::function<void()> buildPanel)
        : panels(panelSet),
          mode(modeState),
          scene(objects),
          mirrors(panelMirrors),
          build(std::move(buildPanel)) {}

    bool shown() override { return mode.panelShown == 1 && panels.panel != nullptr; }
    void showPoint(const SceneObject& object, int k) override;
    void offerObject(const SceneObject& object, int k) override;
    void clearObject() override;
    void clearKnotsAndWeight() override;
    void clearPoint3D(float weight) override;
    void setPatchFieldsEnabled(bool on) override;
    void setWeightEnabled(bool on) override;
    void sync() override;
    void updateTypeLabel(bool for3D) override;
    void rebuild() override;

  private:
    Panels& panels;
    const ModeState& mode;
    Scene& scene;
    PanelMirrors& mirrors;
    std::function<void()> build;
};
