#pragma once

// What the unit tests share: pixels of a recording, a scratch folder, and an application wired
// to fakes, whose members the tests reach through AppFixture::app.

#include <stdlib.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <thread>

#include <sys/stat.h>
#include "app/Application.h"
#include "app/StartImage.h"
#include "model/ObjectKind.h"

using Pixel = std::pair<int, int>;
using Pixels = std::vector<Pixel>;
using Chord = std::pair<Pixel, Pixel>;
using Chords = std::vector<Chord>;
using Bytes = std::vector<uint8_t>;

inline Point3 pt(float x, float y) { return {x, y, 0.0f}; }

inline Pixels pixelsOf(const std::vector<PlottedPoint>& points) {
    Pixels out;
    for (const PlottedPoint& p : points)
        out.emplace_back(int(p.x), int(p.y));
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
    for (const auto& [x, y] : part) {
        for (int s : {-1, 1}) {
            for (int t : {-1, 1}) {
                out.insert({s * x, t * y});
                if (swapped) out.insert({s * y, t * x});
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
        const auto& [at, r, g, b] = target.colors[c];
        const auto end =
            c + 1 < target.colors.size() ? target.colors[c + 1].atPlot : target.points.size();
        calls.push_back(
            {r, g, b,
             pixelsOf({target.points.begin() + long(at), target.points.begin() + long(end)})});
    }
    return calls;
}

// First and last pixel of every call: the chords of a curve. A timed operation opens with a
// colour change of its own, which `skip` passes over.
inline Chords chordsOf(const RecordingTarget& target, std::size_t skip = 1) {
    Chords out;
    for (const DrawCall& c : drawCalls(target)) {
        if (skip > 0)
            --skip;
        else if (!c.pixels.empty())
            out.push_back({c.pixels.front(), c.pixels.back()});
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

// Records; its first plot takes kPause, so a bracket that times its work reports that much.
struct SlowTarget final : RasterTarget {
    static constexpr std::chrono::milliseconds kPause{3};
    void setColor(float r, float g, float b) override { record.setColor(r, g, b); }
    void plot(float x, float y) override {
        if (record.points.empty()) std::this_thread::sleep_for(kPause);
        record.plot(x, y);
    }
    RecordingTarget record;
};

struct ScratchDir {
    ScratchDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "pf-XXXXXX").string();
        root = mkdtemp(pattern.data());
    }
    ~ScratchDir() {
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }
    std::string path(const std::string& name) const { return (root / name).string(); }
    // A FIFO with no writer: opening it for reading blocks, reading it waits.
    std::string fifo(const std::string& name) const {
        return mkfifo(path(name).c_str(), 0600) == 0 ? path(name) : "no FIFO made";
    }
    std::filesystem::path root;
};

inline std::string fileBytes(const std::filesystem::path& path) {
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

inline void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

struct FakeWindow final : WindowSystem {
    void postRedisplay() override { ++redisplays; }
    void setCursor(Cursor c) override { cursors.push_back(c); }
    int modifiers() override { return modifierState; }
    int currentWindow() override { return current; }
    void setWindow(int id) override { current = id; }
    void reshapeWindow(int w, int h) override { reshapes.push_back(size = {w, h}); }
    CellSize windowSize() override { return size; }
    void setTitle(const char* title) override { titles.emplace_back(title); }
    CellSize viewportCells() override { return cells; }
    void exitProcess(int status) override { exits.push_back(status); }
    int redisplays = 0;
    int current = 1;
    int modifierState = 0;
    CellSize cells{800, 592};
    CellSize size{800, 592};
    std::vector<Cursor> cursors;
    std::vector<CellSize> reshapes;
    std::vector<std::string> titles;
    std::vector<int> exits;
};

// One word per overlay call, so a test reads a frame's order at a glance.
struct FakeOverlays final : FrameOverlays {
    void clearFrame() override { calls.push_back("clear"); }
    void setPointSize(int size) override { calls.push_back("point " + std::to_string(size)); }
    void gridLines(const LineBatch& l) override {
        calls.push_back("grid");
        grid = l;
    }
    void axisLines(const std::vector<LineBatch>&) override { calls.push_back("axes"); }
    void startImage(const LogoGrid&, float, float, unsigned int t) override {
        calls.push_back("logo " + std::to_string(t));
    }
    void endImage(const ImageRect& r, unsigned int t) override {
        calls.push_back("end " + std::to_string(t));
        endRect = r;
    }
    void swapBuffers() override { calls.push_back("swap"); }
    void setClearColor(const Rgb& c) override { clearColor = c; }
    void disableDepthAndLighting() override { calls.push_back("flat"); }
    CellSize viewport() override { return view; }
    void setViewport(const ImageRect& a) override {
        view = {a.width, a.height};
        viewportY = a.y;
    }
    void projection2D(int w, int h) override {
        calls.push_back("2D " + std::to_string(w) + "x" + std::to_string(h));
    }
    void projection3D(const OrthoBox& b) override {
        calls.push_back("3D");
        box = b;
    }
    std::vector<std::string> calls;
    CellSize view{800, 592};
    int viewportY = 0;
    LineBatch grid{};
    ImageRect endRect{};
    OrthoBox box{};
    Rgb clearColor{};
};

// A fixed picture, or the answer of a machine out of memory.
struct FakeFrames final : FrameSource {
    bool readFrame(RgbFrame& frame) override {
        ++reads;
        if (outOfMemory || !frame.allocate(width, height)) return false;
        std::copy(rgb.begin(), rgb.end(), frame.data());
        return true;
    }
    int width = 0, height = 0, reads = 0;
    Bytes rgb;
    bool outOfMemory = false;
};

// An application with string consoles, a fake window and frames and a recording target, in
// the colours that main passes.
struct AppFixture {
    explicit AppFixture(const char* sceneFile = nullptr, RasterTarget* raster = nullptr,
                        int grid = 0)
        : app(sceneFile, false, grid, {1, 0, 0}, {1, 0, 1}, {0, 0, 1},
              AppServices{console, window, raster ? *raster : target, overlays, render3D, mesh,
                          &errors, &frames, &menus, &views}) {
        views.drawForPick = [this] { app.drawScene3D(true); };
    }

    std::string takeConsole() {
        const std::string text = console.str();
        console.str("");
        return text;
    }
    // The speed rows since the last call, each time replaced by "t".
    std::string rows() {
        return std::regex_replace(takeConsole(), std::regex(": [-0-9.e+]+"), ": t");
    }
    void setFileName(const std::string& name) {
        std::strncpy(app.mirrors.fileName, name.c_str(), 299);
    }
    // At the front, as every creator adds; an active one deactivates the others.
    SceneObject& add(int32_t kind, std::vector<Point3> points, bool active = true) {
        for (SceneObject& o : app.scene.objects2D)
            o.active = o.active && !active;
        SceneObject o;
        o.kind = kind;
        o.pointCount = static_cast<int32_t>(points.size());
        o.points = std::move(points);
        o.active = active;
        return app.scene.objects2D.emplace_front(o);
    }
    // The objects alone: no markers, polygons or highlight.
    void hideAids() { app.settings2D.showControlPoints = app.settings2D.showControlPolygon = 0; }

    std::ostringstream console, errors;
    FakeWindow window;
    FakeOverlays overlays;
    RecordingRender3DTarget render3D;
    RecordingMeshTarget mesh;
    RecordingTarget target;
    FakeFrames frames;
    RecordingMenuSystem menus;
    FakeViewQueries views;
    Application app;
};

// Panels read as data.
inline Control& find(Panel& panel, const std::string& label) {
    for (Control* c : panel.controls())
        if (c->label == label) return *c;
    throw std::runtime_error("no control " + label);
}

// Each control as its label (its type when it has none), "#id", "[low,high]", " w" width,
// " >" right or " ^" centred, " s" speed in hundredths, list items and " =" the chosen one.
inline std::string rows(Panel& panel) {
    std::string text;
    for (Control* c : panel.controls()) {
        const bool blank = c->label.find_first_not_of(' ') == std::string::npos;
        text += (blank ? typeWord(c->type) : c->label) + std::string(c->id == -1 ? "" : "#") +
                (c->id == -1 ? "" : std::to_string(c->id));
        if (c->limited)
            text += "[" + std::to_string(int(c->low)) + "," + std::to_string(int(c->high)) + "]";
        if (c->width != 0) text += " w" + std::to_string(c->width);
        if (c->align != Align::Left) text += c->align == Align::Right ? " >" : " ^";
        if (c->speed != 1.0f) text += " s" + std::to_string(std::lround(c->speed * 100));
        for (const auto& [id, item] : c->items)
            text += " " + std::to_string(id) + item;
        if (!c->items.empty()) text += " =" + c->itemText(c->intValue);
        text += "|";
    }
    return text;
}
