#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "FakeWindowSystem.h"
#include "app/Application.h"
#include "app/ObjectKind.h"
#include "raster2d/RasterTarget.h"

// An application wired to a string console, a fake window system and a recording target,
// with the colours that main passes.
struct AppFixture {
    explicit AppFixture(const char* sceneFile = nullptr)
        : app(sceneFile, false, 0, {1, 0, 0}, {1, 0, 1}, {0, 0, 1},
              AppServices{console, window, target, &errors}) {}

    std::string takeConsole() {
        std::string text = console.str();
        console.str("");
        return text;
    }

    // Adds an object at the front, as every creator does, and returns it.
    SceneObject& add(int32_t kind, std::vector<Point3> points, bool active = true) {
        if (active) {
            for (SceneObject& o : app.objects2D)
                o.active = false;
        }
        SceneObject object;
        object.kind = kind;
        object.pointCount = static_cast<int32_t>(points.size());
        object.points = std::move(points);
        object.active = active;
        app.objects2D.push_front(object);
        return app.objects2D.front();
    }

    std::ostringstream console;
    std::ostringstream errors;
    FakeWindowSystem window;
    RecordingTarget target;
    Application app;
};

// The plots of each drawing call: every call begins with its colour.
struct DrawCall {
    float r, g, b;
    std::vector<PlottedPoint> points;
};

inline std::vector<DrawCall> drawCalls(const RecordingTarget& target) {
    std::vector<DrawCall> calls;
    for (std::size_t c = 0; c < target.colors.size(); ++c) {
        const auto& change = target.colors[c];
        const std::size_t end =
            c + 1 < target.colors.size() ? target.colors[c + 1].atPlot : target.points.size();
        DrawCall call{change.r, change.g, change.b, {}};
        call.points.assign(target.points.begin() + static_cast<std::ptrdiff_t>(change.atPlot),
                           target.points.begin() + static_cast<std::ptrdiff_t>(end));
        calls.push_back(call);
    }
    return calls;
}
