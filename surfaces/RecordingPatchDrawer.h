#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "surfaces/PatchDrawer.h"

// Writes each request as one line into a log it shares (with a recording 3D target, so the
// whole frame reads in order). The active patch's time and any other are set apart.
class RecordingPatchDrawer final : public PatchDrawer {
  public:
    explicit RecordingPatchDrawer(std::vector<std::string>& log) : calls(log) {}
    void setColor(float r, float g, float b) override { add("patch colour", r, g, b); }
    double drawPatch(const SceneObject& p, int density, int primitive) override {
        add("patch", p.kind, density, primitive);
        return p.active ? activeTime : otherTime;
    }
    void renderMesh(const Vec3* grid, int nU, int nV, int primitive) override {
        add("net", nU, nV, primitive, "last x", grid[nU * nV - 1].x);
    }

    double activeTime = 1.0;
    double otherTime = 0.5;

  private:
    template <class... Values>
    void add(const char* what, const Values&... values) {
        std::ostringstream line;
        line << what;
        ((line << ' ' << values), ...);
        calls.push_back(line.str());
    }
    std::vector<std::string>& calls;
};
