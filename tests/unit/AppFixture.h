#pragma once

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "FakeWindowSystem.h"
#include "PixelSupport.h"
#include "app/Application.h"
#include "app/FrameSource.h"
#include "model/ObjectKind.h"
#include "raster2d/RasterTarget.h"

inline const std::string kBanner =
    "-------------------------------------------------------\n"
    " PIXELFORGE 1.0           Vyuka rastrove grafiky 2026  \n"
    "-------------------------------------------------------\n"
    "\n";

// A fixed picture; or, when `allocationFails`, the answer of a machine out of memory.
class FakeFrameSource final : public FrameSource {
  public:
    bool readFrame(RgbFrame& frame) override {
        ++reads;
        if (allocationFails || !frame.allocate(width, height)) return false;
        for (std::size_t i = 0; i < frame.size(); ++i)
            frame.data()[i] = rgb.at(i);
        return true;
    }

    void setPicture(int w, int h, std::vector<uint8_t> bytes) {
        width = w;
        height = h;
        rgb = std::move(bytes);
    }

    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;
    bool allocationFails = false;
    int reads = 0;
};

// An application wired to a string console and error stream, a fake window system, a fake frame
// source and a recording target, with the colours that main passes.
struct AppFixture {
    explicit AppFixture(const char* sceneFile = nullptr)
        : app(sceneFile, false, 0, {1, 0, 0}, {1, 0, 1}, {0, 0, 1},
              AppServices{console, window, target, overlays, &errors, &frames, &menus, &views}) {}

    // What the console got since the last call.
    std::string takeConsole() {
        std::string text = console.str();
        console.str("");
        return text;
    }

    void setFileName(const std::string& name) {
        std::strncpy(app.mirrors.fileName, name.c_str(), sizeof app.mirrors.fileName - 1);
        app.mirrors.fileName[sizeof app.mirrors.fileName - 1] = '\0';
    }

    // Adds an object at the front, as every creator does, and returns it.
    SceneObject& add(int32_t kind, std::vector<Point3> points, bool active = true) {
        if (active) {
            for (SceneObject& o : app.scene.objects2D)
                o.active = false;
        }
        SceneObject object;
        object.kind = kind;
        object.pointCount = static_cast<int32_t>(points.size());
        object.points = std::move(points);
        object.active = active;
        app.scene.objects2D.push_front(object);
        return app.scene.objects2D.front();
    }

    std::ostringstream console;
    std::ostringstream errors;
    FakeWindowSystem window;
    FakeOverlays overlays;
    RecordingTarget target;
    FakeFrameSource frames;
    RecordingMenuSystem menus;
    FakeViewQueries views;
    Application app;
};

// A speed row: its fixed text, then a time in the default float format, then its tail.
struct SpeedRow {
    std::string head;
    std::string tail;
};

inline SpeedRow speedRow(const std::string& head, const std::string& tail = "") {
    return {head, tail};
}

// True when `console` is exactly these rows; the first row's time goes to `time`.
inline bool areRows(const std::string& console, const std::vector<SpeedRow>& rows,
                    double* time = nullptr) {
    std::size_t at = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (console.compare(at, rows[i].head.size(), rows[i].head) != 0) return false;
        at += rows[i].head.size();
        const std::size_t end = console.find_first_not_of("0123456789.e+-", at);
        if (end == std::string::npos || end == at) return false;
        if (i == 0 && time != nullptr) *time = std::stod(console.substr(at, end - at));
        at = end;
        const std::string tail = rows[i].tail + "\n";
        if (console.compare(at, tail.size(), tail) != 0) return false;
        at += tail.size();
    }
    return at == console.size();
}
