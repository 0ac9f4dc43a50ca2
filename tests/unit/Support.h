#pragma once

// What the unit tests share: pixels of a recording, a scratch folder, and an application wired
// to fakes. Tests reach Application members through AppFixture::app only.

#include <stdlib.h>

#include <chrono>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "app/Application.h"
#include "raster2d/RasterTarget.h"

using Pixel = std::pair<int, int>;
using Pixels = std::vector<Pixel>;
using Chord = std::pair<Pixel, Pixel>;
using Chords = std::vector<Chord>;
using Bytes = std::vector<uint8_t>;

inline Point3 pt(float x, float y) { return {x, y, 0.0f}; }

inline Pixels pixelsOf(const std::vector<PlottedPoint>& points) {
    Pixels out;
    for (const PlottedPoint& p : points)
        out.emplace_back(static_cast<int>(p.x), static_cast<int>(p.y));
    return out;
}

inline std::set<Pixel> setOf(const Pixels& pixels) { return {pixels.begin(), pixels.end()}; }

inline Pixels shifted(Pixels pixels, int dx, int dy) {
    for (Pixel& p : pixels)
        p = {p.first + dx, p.second + dy};
    return pixels;
}

// (x, y) with every sign combination, and with `swapped` also (y, x).
inline Pixels mirrored(std::initializer_list<Pixel> part, bool swapped = true) {
    std::set<Pixel> out;
    for (const Pixel& p : part) {
        for (int sx : {-1, 1}) {
            for (int sy : {-1, 1}) {
                out.insert({sx * p.first, sy * p.second});
                if (swapped) out.insert({sx * p.second, sy * p.first});
            }
        }
    }
    return {out.begin(), out.end()};
}

// Every drawing call opens by setting its colour, so the plots between two colour changes
// are the pixels of one call.
struct DrawCall {
    float r, g, b;
    Pixels pixels;
};

inline std::vector<DrawCall> drawCalls(const RecordingTarget& target) {
    std::vector<DrawCall> calls;
    for (std::size_t c = 0; c < target.colors.size(); ++c) {
        const auto& change = target.colors[c];
        const std::size_t end =
            c + 1 < target.colors.size() ? target.colors[c + 1].atPlot : target.points.size();
        calls.push_back({change.r, change.g, change.b,
                         pixelsOf({target.points.begin() + static_cast<long>(change.atPlot),
                                   target.points.begin() + static_cast<long>(end)})});
    }
    return calls;
}

// The chords of a curve: first and last pixel of every line drawer call. A timed operation
// opens with a colour change of its own; `skip` passes over it.
inline Chords chordsOf(const RecordingTarget& target, std::size_t skip = 1) {
    Chords out;
    const std::vector<DrawCall> calls = drawCalls(target);
    for (std::size_t c = skip; c < calls.size(); ++c) {
        if (!calls[c].pixels.empty()) out.push_back({calls[c].pixels.front(), calls[c].pixels.back()});
    }
    return out;
}

inline Chords polyline(const Pixels& corners) {
    Chords out;
    for (std::size_t i = 1; i < corners.size(); ++i)
        out.push_back({corners[i - 1], corners[i]});
    return out;
}

// A sampled segment: the one-pixel chord at its first sample, then the polyline.
inline Chords sampled(const Pixels& samples) {
    Chords out = polyline(samples);
    out.insert(out.begin(), {samples.front(), samples.front()});
    return out;
}

// Records like RecordingTarget; its first plot takes kPause, so a bracket that really times
// its work reports at least that.
class SlowTarget final : public RasterTarget {
  public:
    static constexpr std::chrono::milliseconds kPause{3};
    void setColor(float r, float g, float b) override { record.setColor(r, g, b); }
    void plot(float x, float y) override {
        if (record.points.empty()) std::this_thread::sleep_for(kPause);
        record.plot(x, y);
    }
    RecordingTarget record;
};

class ScratchDir {
  public:
    ScratchDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "pf-XXXXXX").string();
        if (const char* made = mkdtemp(pattern.data())) root = made;
    }
    ~ScratchDir() {
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }
    std::string path(const std::string& name) const { return (root / name).string(); }
    std::filesystem::path root;
};

inline std::string fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

class FakeWindow final : public WindowSystem {
  public:
    void postRedisplay() override { ++redisplays; }
    void setCursor(Cursor) override {}
    int modifiers() override { return 0; }
    int currentWindow() override { return current; }
    void setWindow(int id) override { current = id; }
    void reshapeWindow(int, int) override {}
    void setTitle(const char*) override {}
    CellSize viewportCells() override { return {800, 592}; }
    void exitProcess(int status) override { exits.push_back(status); }

    int redisplays = 0;
    int current = 1;
    std::vector<int> exits;
};

// A fixed picture, or the answer of a machine out of memory.
class FakeFrames final : public FrameSource {
  public:
    bool readFrame(RgbFrame& frame) override {
        ++reads;
        if (outOfMemory || !frame.allocate(width, height)) return false;
        std::copy(rgb.begin(), rgb.end(), frame.data());
        return true;
    }
    int width = 0;
    int height = 0;
    Bytes rgb;
    bool outOfMemory = false;
    int reads = 0;
};

// An application with string consoles, fake window and frames and a recording target, in the
// colours that main passes.
struct AppFixture {
    explicit AppFixture(const char* sceneFile = nullptr, RasterTarget* raster = nullptr)
        : app(sceneFile, false, 0, {1, 0, 0}, {1, 0, 1}, {0, 0, 1},
              AppServices{console, window, raster ? *raster : target, &errors, &frames}) {}

    std::string takeConsole() {
        const std::string text = console.str();
        console.str("");
        return text;
    }
    // The speed rows since the last call, each time replaced by "t".
    std::string rows() { return std::regex_replace(takeConsole(), std::regex(": [-0-9.e+]+"), ": t"); }
    void setFileName(const std::string& name) {
        std::strncpy(app.fileName, name.c_str(), sizeof app.fileName - 1);
    }
    // At the front, as every creator adds; an active one deactivates the others.
    SceneObject& add(int32_t kind, std::vector<Point3> points, bool active = true) {
        for (SceneObject& o : app.objects2D)
            o.active = o.active && !active;
        SceneObject o;
        o.kind = kind;
        o.pointCount = static_cast<int32_t>(points.size());
        o.points = std::move(points);
        o.active = active;
        app.objects2D.push_front(o);
        return app.objects2D.front();
    }
    // Only the objects themselves: no markers, polygons or highlight.
    void hideAids() {
        app.showControlPoints = 0;
        app.showControlPolygon = 0;
    }

    std::ostringstream console;
    std::ostringstream errors;
    FakeWindow window;
    RecordingTarget target;
    FakeFrames frames;
    Application app;
};
